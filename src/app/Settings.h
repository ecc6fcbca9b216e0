// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's options, section Settei of "Sorel.ini": the shell's own keys and the table of every key.
#pragma once

#include "base/ProfileFile.h"
#include "clocksync/ClockCorrectionSettings.h"
#include "memo/MemoSettings.h"
#include "month/MonthSettings.h"
#include "settings/SettingsTable.h"
#include "timer/TimerSettings.h"
#include "year/YearPageSettings.h"

#include <array>
#include <string>

namespace rekko {

// Seconds of each item of the check-interval list cbTimer, and the item of 10 s that is the default.
inline constexpr std::array<int, 10> kCheckIntervalSeconds{1, 2, 3, 4, 5, 7, 10, 20, 30, 60};
inline constexpr int kDefaultCheckItem = 6;

// One value per key of section Settei, named after the key: the features' own keys come from their structs. A new
// object holds every default; the keys whose default is the control's current state (window positions, cbKeisan,
// pcNen, cbEditor, cbRekkoJ, cbNoReturn, pTimer) hold the form defaults until the window fills them in.
struct Settings : MonthSettings, YearPageSettings, MemoPlace, TimerSettings, ClockCorrectionSettings {
    bool cbJigen = true;
    bool cbKidouKiroku = false;
    bool cbKirokuHyouji = false;
    int udKidouGyou = 100;
    bool cbZenkai = false;
    bool cbMemo = true;
    bool cbHotkey = true;
    bool cbShiyouchuu = true;
    bool cbTukiYotei = false;
    bool cbCursor = false;
    std::string edFolder;
    bool cbKOption = false;
    bool cbPrjN = false;
    int HyoujiIchi = 0;
    int fmC21Top = 0;
    int fmC21Left = 0;
    int DhFolderNo = 2;
    int cbTimerNo = kDefaultCheckItem;
    bool cbEditor = false;
    bool cbRekkoJ = false;
    bool cbNoReturn = false;

    // Switches of the always hidden management page; they are not stored. cbJikoku lets the clock-correction keys
    // be read and written; cbExcel offers the Excel button.
    bool cbJikoku = true;
    bool cbExcel = false;
};

// The keys of "Sorel.ini", each declared by the feature that owns it, written in the order of the file as the
// program has always written it.
using SettingsKeys = SettingsTable<Settings>;
SettingsKeys MakeSettingsTable();

// Fills the table's values from section Settei. A missing key, a value that is not of the key's type and a value out
// of the key's range take the key's default; keys whose default is the current state keep the value they hold.
// edFolder is read only when readDataFolder is set; cbTimerNo, pTimer and pTimerBf only when cbJigen is on
// (otherwise cbTimerNo is item 6); the clock-correction keys only when cbJikoku is on (otherwise cbTShuusei is off).
// pTChien below 30 reads as 30. Fails, naming the key, when edFolder is read and cannot become a path
// (CheckFolderText); edFolder is then empty and every other key is read all the same.
Status ReadSettings(const ProfileFile& file, SettingsKeys& table, bool readDataFolder);

// Writes every key of section Settei into the file, in the table's order, leaving other sections and keys as they
// are; the clock-correction keys only while cbJikoku is on. Fails on a text that code page 932 cannot hold.
Status WriteSettings(ProfileFile& file, SettingsKeys& table);

// Applies the start-up clamps: pTChien outside 30..180 becomes 60, and a countdown-timer time of 0 becomes now.
void ClampSettingsAtStart(Settings& settings, LocalDateTime now);

} // namespace rekko
