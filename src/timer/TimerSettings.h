// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the settings file the countdown timer keeps: its set time and its notice.
#pragma once

#include "base/LocalDateTime.h"
#include "settings/SettingsTable.h"

namespace rekko {

struct TimerSettings {
    LocalDateTime pTimer = 0; // 0 until the start makes it now
    int pTimerBf = 3;         // the notice item
};

// readGate: whether the keys are read (the timer function is switched on).
template <class Table> void DeclareTimerKeys(Table& t, typename Table::Gate readGate) {
    t.time(kSetteiSection, "pTimer", &TimerSettings::pTimer).readGate = readGate;
    t.number(kSetteiSection, "pTimerBf", &TimerSettings::pTimerBf, 0, 9).readGate = readGate;
}

} // namespace rekko
