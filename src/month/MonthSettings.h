// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the settings file that the month page follows and keeps; the shell's settings hold them.
#pragma once

#include <array>
#include <string>

namespace rekko {

struct MonthSettings {
    bool cbNextDay = true;
    bool cbNeighborJump = false;
    bool cbBold = true;
    bool cbRokuyo = true;
    int udCalSize = 1; // 0: three lines a day, otherwise five
    int udKFutosa = 1; // a new period's line width and colour
    std::string edtKColor = "clBlue";
    int fmDayTop = 0; // where the schedule dialog opens
    int fmDayLeft = 0;
    std::array<std::string, 3> CaFT{}; // the period-file copies, newest first
};

} // namespace rekko
