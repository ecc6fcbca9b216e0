// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's keys of section Settei, the write order of every key, and the rules that join keys on reading.
#include "Settings.h"

#include "AppFolders.h"

namespace rekko {

namespace {

// The order in which section Settei has always been written; a new file comes out in it.
const std::vector<std::string> kSetteiOrder = {
    "cbJigen",   "cbKidouKiroku",  "cbKirokuHyouji", "udKidouGyou", "udCalSize", "CaMemoTopLine", "CaMemoY",
    "CaMemoX",   "MemoBtn1",       "MemoBtn2",       "MemoBtn3",    "MemoBtn4",  "MemoBtn5",      "cbZenkai",
    "cbMemo",    "cbHotkey",       "cbShiyouchuu",   "cbTukiYotei", "cbCursor",  "edFolder",      "rgYFirstMonth",
    "cbNextDay", "cbNeighborJump", "cbBold",         "cbRokuyo",    "udKFutosa", "edtKColor",     "SpHajimariTuki",
    "cbKOption", "cbPrjN",         "HyoujiIchi",     "fmC21Top",    "fmC21Left", "fmDayTop",      "fmDayLeft",
    "CaFT1",     "CaFT2",          "CaFT3",          "DhFolderNo",  "cbTimerNo", "pTimer",        "pTimerBf",
    "pTDay",     "pTWeek",         "pTNini",         "cbTShuusei",  "pTChien",   "pTTime",        "pTAccess",
    "pTYoubi",   "rgNissuu",       "cbKeisan",       "pcNen",       "cbEditor",  "cbRekkoJ",      "cbNoReturn",
    "cbSekki",   "cbRekichu",
};

bool timerOn(const Settings& s) {
    return s.cbJigen;
}

bool timeFeatureOn(const Settings& s) {
    return s.cbJikoku;
}

void declareShellKeys(SettingsKeys& t) {
    const char* section = kSetteiSection;
    t.flag(section, "cbJigen", &Settings::cbJigen);
    t.flag(section, "cbKidouKiroku", &Settings::cbKidouKiroku);
    t.flag(section, "cbKirokuHyouji", &Settings::cbKirokuHyouji);
    t.number(section, "udKidouGyou", &Settings::udKidouGyou, 1, 9999);
    t.flag(section, "cbZenkai", &Settings::cbZenkai);
    t.flag(section, "cbMemo", &Settings::cbMemo);
    t.flag(section, "cbHotkey", &Settings::cbHotkey);
    t.flag(section, "cbShiyouchuu", &Settings::cbShiyouchuu);
    t.flag(section, "cbTukiYotei", &Settings::cbTukiYotei);
    t.flag(section, "cbCursor", &Settings::cbCursor);
    t.folder(section, "edFolder", &Settings::edFolder, CheckFolderText);
    t.flag(section, "cbKOption", &Settings::cbKOption);
    t.flag(section, "cbPrjN", &Settings::cbPrjN);
    t.number(section, "HyoujiIchi", &Settings::HyoujiIchi, 0, 1);
    t.number(section, "fmC21Top", &Settings::fmC21Top, kAnyLow, kAnyHigh).fallback = Fallback::KeepCurrent;
    t.number(section, "fmC21Left", &Settings::fmC21Left, kAnyLow, kAnyHigh).fallback = Fallback::KeepCurrent;
    t.number(section, "DhFolderNo", &Settings::DhFolderNo, kAnyLow, kAnyHigh);
    t.number(section, "cbTimerNo", &Settings::cbTimerNo, 0, static_cast<int>(kCheckIntervalSeconds.size()) - 1)
        .readGate = timerOn;
    t.flag(section, "cbEditor", &Settings::cbEditor).fallback = Fallback::KeepCurrent;
    t.flag(section, "cbRekkoJ", &Settings::cbRekkoJ).fallback = Fallback::KeepCurrent;
    t.flag(section, "cbNoReturn", &Settings::cbNoReturn).fallback = Fallback::KeepCurrent;
}

} // namespace

SettingsKeys MakeSettingsTable() {
    SettingsKeys table;
    declareShellKeys(table);
    DeclareMonthKeys(table);
    DeclareYearKeys(table);
    DeclareMemoKeys(table);
    DeclareTimerKeys(table, timerOn);
    DeclareClockCorrectionKeys(table, timeFeatureOn);
    table.setWriteOrder(kSetteiSection, kSetteiOrder);
    return table;
}

Status ReadSettings(const ProfileFile& file, SettingsKeys& table, bool readDataFolder) {
    const Status read = table.read(
        file, [readDataFolder](const SettingsKeys::Key& key) { return readDataFolder || key.name != "edFolder"; });
    Settings& settings = table.edit();
    if (!settings.cbJigen)
        settings.cbTimerNo = kDefaultCheckItem;
    if (!settings.cbJikoku)
        settings.cbTShuusei = false;
    else if (settings.pTChien < 30)
        settings.pTChien = 30;
    table.tellAll();
    return read;
}

Status WriteSettings(ProfileFile& file, SettingsKeys& table) {
    return table.write(file);
}

void ClampSettingsAtStart(Settings& settings, LocalDateTime now) {
    if (settings.pTChien < 30 || settings.pTChien > 180)
        settings.pTChien = 60;
    if (settings.pTimer == 0)
        settings.pTimer = now;
}

} // namespace rekko
