// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the settings file that the month page follows and keeps, with their defaults and declarations.
#pragma once

#include "base/Colour.h"
#include "files/UserFiles.h"
#include "settings/SettingsTable.h"

#include <array>
#include <string>

namespace rekko {

struct MonthSettings {
    bool cbNextDay = true;
    bool cbNeighborJump = false;
    bool cbBold = true;
    bool cbRokuyo = true;
    bool cbSekki = true;    // the solar terms and seasonal days in the grid and the year page
    bool cbRekichu = false; // the day's sexagenary cycle and almanac marks in the grid
    int udCalSize = 1;      // 0: three lines a day, otherwise five
    int udKFutosa = 1;      // a new period's line width and colour
    std::string edtKColor = "clBlue";
    int fmDayTop = 0; // where the schedule dialog opens; kept from the window when the file has none
    int fmDayLeft = 0;
    std::array<std::string, 3> CaFT{}; // the period-file copies, newest first
};

template <class Table> void DeclareMonthKeys(Table& t) {
    t.flag(kSetteiSection, "cbNextDay", &MonthSettings::cbNextDay);
    t.flag(kSetteiSection, "cbNeighborJump", &MonthSettings::cbNeighborJump);
    t.flag(kSetteiSection, "cbBold", &MonthSettings::cbBold);
    t.flag(kSetteiSection, "cbRokuyo", &MonthSettings::cbRokuyo);
    t.flag(kSetteiSection, "cbSekki", &MonthSettings::cbSekki);
    t.flag(kSetteiSection, "cbRekichu", &MonthSettings::cbRekichu);
    t.number(kSetteiSection, "udCalSize", &MonthSettings::udCalSize, kAnyLow, kAnyHigh);
    t.number(kSetteiSection, "udKFutosa", &MonthSettings::udKFutosa, 1, 3);
    t.text(kSetteiSection, "edtKColor", &MonthSettings::edtKColor,
           [](std::string_view text) { return StringToColor(text).has_value(); });
    t.number(kSetteiSection, "fmDayTop", &MonthSettings::fmDayTop, kAnyLow, kAnyHigh).fallback = Fallback::KeepCurrent;
    t.number(kSetteiSection, "fmDayLeft", &MonthSettings::fmDayLeft, kAnyLow, kAnyHigh).fallback =
        Fallback::KeepCurrent;
    // A copy name of another form (a path, a data file's name) would make the rotation delete that file.
    for (size_t i = 0; i < 3; ++i)
        t.text(
            kSetteiSection, "CaFT" + std::to_string(i + 1), [i](auto& s) -> auto& { return s.CaFT[i]; },
            IsPeriodCopyName);
}

} // namespace rekko
