// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the main window and the schedule dialog at start.
#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

// A 782 x 701 window on a 1024 x 741 work area below a 27-pixel panel; stored at (100, 50), its dialog at (200, 300).
TEST(WindowPlacement, CentredStoredOrLeftWhereItIs) {
    struct Case {
        int rule;
        ScreenPoint storedMain;
        int workWidth;
        ScreenPoint main;
        ScreenPoint dialog;
        bool tooSmall;
    };
    const Case cases[] = {
        {0, {100, 50}, 1024, {121, 47}, {363, 319}, false},
        {0, {100, 50}, 700, {3, 4}, {1, 2}, true}, // too small: where it is
        {1, {100, 50}, 1024, {100, 50}, {200, 300}, false},
        {1, {100, 50}, 700, {100, 50}, {200, 300}, true},
        {1, {100, 67}, 1024, {100, 67}, {200, 300}, false}, // the lowest top that keeps the window on the work area
        {1, {100, 68}, 1024, {121, 47}, {363, 319}, false}, // out of reach: centred
        {1, {1024, 50}, 1024, {121, 47}, {363, 319}, false},
        {1, {-782, 50}, 1024, {121, 47}, {363, 319}, false},
        {1, {100, 0}, 1024, {121, 47}, {363, 319}, false},
    };
    for (const Case& c : cases) {
        PlacementRequest r{.rule = c.rule, .current = {3, 4}, .width = 782, .height = 701};
        r.workArea = {0, 27, c.workWidth, 741};
        r.storedMain = c.storedMain;
        r.storedDialog = {200, 300};
        r.currentDialog = {1, 2};
        const Placement p = PlaceWindows(r);
        const std::string row = std::to_string(c.rule) + " " + std::to_string(c.storedMain.x) + "," +
                                std::to_string(c.storedMain.y) + " " + std::to_string(c.workWidth);
        EXPECT_EQ(p.mainWindow, c.main) << row;
        EXPECT_EQ(p.scheduleDialog, c.dialog) << row;
        EXPECT_EQ(p.tooSmall, c.tooSmall) << row;
    }
}

} // namespace
} // namespace rekko
