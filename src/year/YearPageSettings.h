// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the settings file the year page keeps, with their defaults and declarations.
#pragma once

#include "settings/SettingsTable.h"

namespace rekko {

struct YearPageSettings {
    int rgYFirstMonth = 0;  // 0 January, 1 April, 2 SpHajimariTuki
    int SpHajimariTuki = 1; // 1..12
    int rgNissuu = 0;       // 0 "日数(期間-1)", 1 "期間"
    bool cbKeisan = true;   // kept from the page when the file has none
    int pcNen = 0;          // 0 "標準", 1 "日数計算"; kept from the page when the file has none
};

template <class Table> void DeclareYearKeys(Table& t) {
    t.number(kSetteiSection, "rgYFirstMonth", &YearPageSettings::rgYFirstMonth, 0, 2);
    t.number(kSetteiSection, "SpHajimariTuki", &YearPageSettings::SpHajimariTuki, 1, 12);
    t.number(kSetteiSection, "rgNissuu", &YearPageSettings::rgNissuu, 0, 1);
    t.flag(kSetteiSection, "cbKeisan", &YearPageSettings::cbKeisan).fallback = Fallback::KeepCurrent;
    t.number(kSetteiSection, "pcNen", &YearPageSettings::pcNen, 0, 1).fallback = Fallback::KeepCurrent;
}

} // namespace rekko
