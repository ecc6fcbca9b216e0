// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing section Commemoration of "Cmr.myc".
#include "Commemoration.h"

#include "settings/ValueText.h"

namespace rekko {

namespace {

template <class Visitor> void visitKeys(Commemoration& c, Visitor& v) {
    const Commemoration defaults;
    v.text("pCedtSp", c.pCedtSp, defaults.pCedtSp);
    v.text("pClblSp", c.pClblSp, defaults.pClblSp);
    v.flag("pCcbMigishita", c.pCcbMigishita, defaults.pCcbMigishita);
    v.flag("pCcbHorikomi", c.pCcbHorikomi, defaults.pCcbHorikomi);
    v.text("pCedtMigishita", c.pCedtMigishita, defaults.pCedtMigishita);
    v.flag("pCcbKinenbiHyouji", c.pCcbKinenbiHyouji, defaults.pCcbKinenbiHyouji);
    v.flag("pCcbYoteiHyouji", c.pCcbYoteiHyouji, defaults.pCcbYoteiHyouji);
    v.flag("pCcbYuusen", c.pCcbYuusen, defaults.pCcbYuusen);
    v.text("pCedtSPColor", c.pCedtSPColor, defaults.pCedtSPColor);
}

struct Reader {
    const ProfileFile& file;
    void text(const char* key, std::string& value, const std::string& fallback) {
        value = file.readString(kCommemorationSection, key).value_or(fallback);
    }
    void flag(const char* key, bool& value, bool fallback) {
        const auto text = file.readString(kCommemorationSection, key);
        const auto number = text ? ParseInteger(*text) : std::nullopt;
        value = number ? *number != 0 : fallback;
    }
};

struct Writer {
    ProfileFile& file;
    Status status = Success();
    void put(const char* key, const std::string& value) {
        auto written = file.writeString(kCommemorationSection, key, value);
        if (!written && status.ok())
            status = written;
    }
    void text(const char* key, const std::string& value, const std::string&) { put(key, value); }
    void flag(const char* key, bool value, bool) { put(key, value ? "1" : "0"); }
};

} // namespace

Commemoration ReadCommemoration(const ProfileFile& file) {
    Commemoration values;
    Reader reader{file};
    visitKeys(values, reader);
    return values;
}

Status WriteCommemoration(ProfileFile& file, const Commemoration& values) {
    Commemoration copy = values;
    Writer writer{file};
    visitKeys(copy, writer);
    return writer.status;
}

} // namespace rekko
