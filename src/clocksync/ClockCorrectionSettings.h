// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the settings file that schedule automatic clock correction.
#pragma once

#include "settings/SettingsTable.h"

#include <string>

namespace rekko {

struct ClockCorrectionSettings {
    int pTDay = 0; // the day number of the last correction
    int pTWeek = 0;
    int pTNini = 0;
    bool cbTShuusei = false;
    int pTChien = 60; // the start delay in ticks
    std::string pTTime = "150000";
    int pTAccess = 0; // 0 daily, 1 weekly, 2 at the set time
    int pTYoubi = 2;
};

// gate: whether the keys are read and written at all (the time feature is offered).
template <class Table> void DeclareClockCorrectionKeys(Table& t, typename Table::Gate gate) {
    t.number(kSetteiSection, "pTDay", &ClockCorrectionSettings::pTDay, 0, kAnyHigh).writeGate = gate;
    t.number(kSetteiSection, "pTWeek", &ClockCorrectionSettings::pTWeek, 0, kAnyHigh).writeGate = gate;
    t.number(kSetteiSection, "pTNini", &ClockCorrectionSettings::pTNini, 0, kAnyHigh).writeGate = gate;
    t.flag(kSetteiSection, "cbTShuusei", &ClockCorrectionSettings::cbTShuusei).writeGate = gate;
    t.number(kSetteiSection, "pTChien", &ClockCorrectionSettings::pTChien, kAnyLow, kAnyHigh).writeGate = gate;
    t.text(kSetteiSection, "pTTime", &ClockCorrectionSettings::pTTime, IsTimeDigits).writeGate = gate;
    t.number(kSetteiSection, "pTAccess", &ClockCorrectionSettings::pTAccess, 0, 2).writeGate = gate;
    t.number(kSetteiSection, "pTYoubi", &ClockCorrectionSettings::pTYoubi, 0, 7).writeGate = gate;
}

} // namespace rekko
