// SPDX-License-Identifier: GPL-3.0-or-later
// The sync state file, line by line, every field kept to printable ASCII.
#include "SyncState.h"

#include "base/AtomicWrite.h"
#include "base/TextFile.h"
#include "base/TextProcedures.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace rekko {

namespace {

constexpr const char* kHeader = "*****\tCaSync\t1";

std::string Escaped(std::string_view field) {
    std::string escaped;
    for (const char c : field) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F || c == '%') {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", byte);
            escaped += code;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

int HexDigit(char c) {
    return c >= '0' && c <= '9'   ? c - '0'
           : c >= 'A' && c <= 'F' ? c - 'A' + 10
           : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                  : -1;
}

std::optional<std::string> Unescaped(std::string_view field) {
    std::string plain;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '%') {
            plain += field[i];
            continue;
        }
        if (i + 2 >= field.size())
            return std::nullopt;
        const int high = HexDigit(field[i + 1]), low = HexDigit(field[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        plain += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return plain;
}

} // namespace

SyncState ReadSyncState(const std::filesystem::path& file) {
    SyncState state;
    const Result<std::string> bytes = ReadFileBytes(file);
    if (!bytes)
        return state;
    std::set<std::string> hrefs;
    for (const std::string_view line : LineBytes(bytes.value())) {
        std::vector<std::optional<std::string>> fields;
        for (const std::string& field : SplitAt(line, '\t'))
            fields.push_back(Unescaped(field));
        if (std::find(fields.begin(), fields.end(), std::nullopt) != fields.end())
            continue;
        if (fields.size() == 2 && *fields[0] == "T") {
            state.token = *fields[1];
        } else if (fields.size() == 6 && *fields[0] == "E" && !fields[1]->empty() && !fields[2]->empty()) {
            SyncEntry entry{*fields[1], *fields[2], *fields[3], *fields[4], *fields[5]};
            if (entry.href.empty() || hrefs.insert(entry.href).second)
                state.entries.push_back(std::move(entry));
        }
    }
    return state;
}

Status WriteSyncState(const std::filesystem::path& file, const SyncState& state) {
    std::string bytes = std::string(kHeader) + "\r\n";
    bytes += "T\t" + Escaped(state.token) + "\r\n";
    for (const SyncEntry& entry : state.entries) {
        bytes += "E";
        for (const std::string* field : {&entry.place, &entry.hash, &entry.uid, &entry.href, &entry.etag})
            (bytes += '\t') += Escaped(*field);
        bytes += "\r\n";
    }
    return WriteFileAtomically(file, bytes);
}

} // namespace rekko
