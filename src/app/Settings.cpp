// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing section Settei of the settings file.
#include "Settings.h"

#include "AppFolders.h"
#include "ValueText.h"

#include "base/Colour.h"
#include "files/UserFiles.h"

#include <limits>
#include <optional>

namespace rekko {

namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

// Which keys are read or written only under a condition.
enum class Group { Always, DataFolder, Timer, ClockCorrection };

bool isColourText(std::string_view text) {
    return StringToColor(text).has_value();
}

// "hhmmss" of a valid time of day.
bool isTimeDigits(std::string_view text) {
    if (text.size() != 6 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    return ParseTimeOfDay(std::string(text.substr(0, 2)) + ":" + std::string(text.substr(2, 2)) + ":" +
                          std::string(text.substr(4, 2)))
        .has_value();
}

// Walks every key of the section in the table's order, so that reading and writing cannot disagree on a key.
template <class Visitor> void visitKeys(Settings& s, Visitor& v) {
    v.group(Group::Always);
    v.flag("cbJigen", s.cbJigen, true);
    v.flag("cbKidouKiroku", s.cbKidouKiroku, false);
    v.flag("cbKirokuHyouji", s.cbKirokuHyouji, false);
    v.number("udKidouGyou", s.udKidouGyou, 100, 1, 9999);
    v.number("udCalSize", s.udCalSize, 1, kMin, kMax);
    v.number("CaMemoTopLine", s.CaMemoTopLine, 0, 0, kMax);
    v.number("CaMemoY", s.CaMemoY, 0, 0, kMax);
    v.number("CaMemoX", s.CaMemoX, 0, 0, kMax);
    for (size_t i = 0; i < s.MemoBtn.size(); ++i)
        v.number("MemoBtn" + std::to_string(i + 1), s.MemoBtn[i], 0, 0, kMax);
    v.flag("cbZenkai", s.cbZenkai, false);
    v.flag("cbMemo", s.cbMemo, true);
    v.flag("cbHotkey", s.cbHotkey, true);
    v.flag("cbShiyouchuu", s.cbShiyouchuu, true);
    v.flag("cbTukiYotei", s.cbTukiYotei, false);
    v.flag("cbCursor", s.cbCursor, false);
    v.group(Group::DataFolder);
    v.folder("edFolder", s.edFolder);
    v.group(Group::Always);
    v.number("rgYFirstMonth", s.rgYFirstMonth, 0, 0, 2);
    v.flag("cbNextDay", s.cbNextDay, true);
    v.flag("cbNeighborJump", s.cbNeighborJump, false);
    v.flag("cbBold", s.cbBold, true);
    v.flag("cbRokuyo", s.cbRokuyo, true);
    v.number("udKFutosa", s.udKFutosa, 1, 1, 3);
    v.text("edtKColor", s.edtKColor, "clBlue", isColourText);
    v.number("SpHajimariTuki", s.SpHajimariTuki, 1, 1, 12);
    v.flag("cbKOption", s.cbKOption, false);
    v.flag("cbPrjN", s.cbPrjN, false);
    v.number("HyoujiIchi", s.HyoujiIchi, 0, 0, 1);
    v.number("fmC21Top", s.fmC21Top, std::nullopt, kMin, kMax);
    v.number("fmC21Left", s.fmC21Left, std::nullopt, kMin, kMax);
    v.number("fmDayTop", s.fmDayTop, std::nullopt, kMin, kMax);
    v.number("fmDayLeft", s.fmDayLeft, std::nullopt, kMin, kMax);
    // A copy name of another form (a path, a data file's name) would make the rotation delete that file.
    for (size_t i = 0; i < s.CaFT.size(); ++i)
        v.text("CaFT" + std::to_string(i + 1), s.CaFT[i], "", IsPeriodCopyName);
    v.number("DhFolderNo", s.DhFolderNo, 2, kMin, kMax);
    v.group(Group::Timer);
    v.number("cbTimerNo", s.cbTimerNo, kDefaultCheckItem, 0, static_cast<int>(kCheckIntervalSeconds.size()) - 1);
    v.time("pTimer", s.pTimer);
    v.number("pTimerBf", s.pTimerBf, 3, 0, 9);
    v.group(Group::ClockCorrection);
    v.number("pTDay", s.pTDay, 0, 0, kMax);
    v.number("pTWeek", s.pTWeek, 0, 0, kMax);
    v.number("pTNini", s.pTNini, 0, 0, kMax);
    v.flag("cbTShuusei", s.cbTShuusei, false);
    v.number("pTChien", s.pTChien, 60, kMin, kMax);
    v.text("pTTime", s.pTTime, "150000", isTimeDigits);
    v.number("pTAccess", s.pTAccess, 0, 0, 2);
    v.number("pTYoubi", s.pTYoubi, 2, 0, 7);
    v.group(Group::Always);
    v.number("rgNissuu", s.rgNissuu, 0, 0, 1);
    v.flag("cbKeisan", s.cbKeisan, std::nullopt);
    v.number("pcNen", s.pcNen, std::nullopt, 0, 1);
    v.flag("cbEditor", s.cbEditor, std::nullopt);
    v.flag("cbRekkoJ", s.cbRekkoJ, std::nullopt);
    v.flag("cbNoReturn", s.cbNoReturn, std::nullopt);
}

class Reader {
public:
    Reader(const ProfileFile& file, const Settings& settings, bool readDataFolder)
        : m_file(file), m_settings(settings), m_readDataFolder(readDataFolder) {}

    void group(Group group) { m_group = group; }

    void flag(const std::string& key, bool& value, std::optional<bool> fallback) {
        if (!active())
            return;
        const auto number = integer(key);
        if (number)
            value = *number != 0;
        else if (fallback)
            value = *fallback;
    }

    void number(const std::string& key, int& value, std::optional<int> fallback, int low, int high) {
        if (!active())
            return;
        const auto number = integer(key);
        if (number && *number >= low && *number <= high)
            value = *number;
        else if (fallback)
            value = *fallback;
    }

    void text(const std::string& key, std::string& value, const char* fallback, bool (*valid)(std::string_view)) {
        if (!active())
            return;
        const auto text = m_file.readString(kSetteiSection, key);
        value = text && (!valid || valid(*text)) ? *text : fallback;
    }

    void time(const std::string& key, LocalDateTime& value) {
        if (!active())
            return;
        const auto text = m_file.readString(kSetteiSection, key);
        if (const auto time = text ? ParseTimeOfDay(*text) : std::nullopt)
            value = *time;
    }

    // A folder that cannot become a path leaves the default (none) and makes the settings unusable as read.
    void folder(const std::string& key, std::string& value) {
        if (!active())
            return;
        value = m_file.readString(kSetteiSection, key).value_or("");
        if (const Status checked = CheckFolderText(value); !checked) {
            m_status = Failure{.cause = key + ": " + checked.error().cause};
            value.clear();
        }
    }

    Status status() const { return m_status; }

private:
    bool active() const {
        switch (m_group) {
        case Group::DataFolder:
            return m_readDataFolder;
        case Group::Timer:
            return m_settings.cbJigen;
        case Group::ClockCorrection:
            return m_settings.cbJikoku;
        case Group::Always:
            break;
        }
        return true;
    }

    std::optional<int32_t> integer(const std::string& key) const {
        const auto text = m_file.readString(kSetteiSection, key);
        return text ? ParseInteger(*text) : std::nullopt;
    }

    const ProfileFile& m_file;
    const Settings& m_settings;
    bool m_readDataFolder;
    Group m_group = Group::Always;
    Status m_status = Success();
};

class Writer {
public:
    Writer(ProfileFile& file, const Settings& settings) : m_file(file), m_settings(settings) {}

    void group(Group group) { m_group = group; }
    void flag(const std::string& key, bool value, std::optional<bool>) { put(key, value ? "1" : "0"); }
    void number(const std::string& key, int value, std::optional<int>, int, int) { put(key, std::to_string(value)); }
    void text(const std::string& key, const std::string& value, const char*, bool (*)(std::string_view)) {
        put(key, value);
    }
    void time(const std::string& key, LocalDateTime value) { put(key, FormatLongTime(value)); }
    void folder(const std::string& key, const std::string& value) { put(key, value); }

    Status status() const { return m_status; }

private:
    void put(const std::string& key, const std::string& value) {
        if (m_group == Group::ClockCorrection && !m_settings.cbJikoku)
            return;
        auto written = m_file.writeString(kSetteiSection, key, value);
        if (!written && m_status.ok())
            m_status = written;
    }

    ProfileFile& m_file;
    const Settings& m_settings;
    Group m_group = Group::Always;
    Status m_status = Success();
};

} // namespace

Status ReadSettings(const ProfileFile& file, Settings& settings, bool readDataFolder) {
    Reader reader(file, settings, readDataFolder);
    visitKeys(settings, reader);
    if (!settings.cbJigen)
        settings.cbTimerNo = kDefaultCheckItem;
    if (!settings.cbJikoku)
        settings.cbTShuusei = false;
    else if (settings.pTChien < 30)
        settings.pTChien = 30;
    return reader.status();
}

Status WriteSettings(ProfileFile& file, const Settings& settings) {
    Settings copy = settings;
    Writer writer(file, settings);
    visitKeys(copy, writer);
    return writer.status();
}

void ClampSettingsAtStart(Settings& settings, LocalDateTime now) {
    if (settings.pTChien < 30 || settings.pTChien > 180)
        settings.pTChien = 60;
    if (settings.pTimer == 0)
        settings.pTimer = now;
}

} // namespace rekko
