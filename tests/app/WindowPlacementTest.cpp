// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the main window and the schedule dialog at start.
#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

PlacementRequest request(int rule) {
    PlacementRequest r;
    r.rule = rule;
    r.current = {3, 4};
    r.width = 782;
    r.height = 701;
    r.workArea = {0, 27, 1024, 741};
    r.storedMain = {100, 50};
    r.storedDialog = {200, 300};
    r.currentDialog = {1, 2};
    return r;
}

TEST(WindowPlacement, CentreOfTheScreen) {
    const Placement p = PlaceWindows(request(0));
    EXPECT_EQ(p.mainWindow, (ScreenPoint{121, 47}));
    EXPECT_EQ(p.scheduleDialog, (ScreenPoint{363, 319}));
    EXPECT_FALSE(p.tooSmall);
}

TEST(WindowPlacement, AWorkAreaSmallerThanTheWindowLeavesItWhereItIs) {
    PlacementRequest r = request(0);
    r.workArea = {0, 0, 800, 600};
    const Placement p = PlaceWindows(r);
    EXPECT_TRUE(p.tooSmall);
    EXPECT_EQ(p.mainWindow, r.current);
    EXPECT_EQ(p.scheduleDialog, r.currentDialog);
}

TEST(WindowPlacement, PositionAtExit) {
    const Placement p = PlaceWindows(request(1));
    EXPECT_EQ(p.mainWindow, (ScreenPoint{100, 50}));
    EXPECT_EQ(p.scheduleDialog, (ScreenPoint{200, 300}));
    EXPECT_FALSE(p.tooSmall);

    PlacementRequest narrow = request(1);
    narrow.workArea.width = 700;
    EXPECT_TRUE(PlaceWindows(narrow).tooSmall);
    EXPECT_EQ(PlaceWindows(narrow).mainWindow, (ScreenPoint{100, 50}));
}

TEST(WindowPlacement, AStoredPositionOutOfReachIsCentred) {
    PlacementRequest low = request(1);
    low.storedMain = {100, 68};
    EXPECT_EQ(PlaceWindows(low).mainWindow, (ScreenPoint{121, 47}));
    low.storedMain = {100, 67};
    EXPECT_EQ(PlaceWindows(low).mainWindow, (ScreenPoint{100, 67}));

    for (const ScreenPoint gone : {ScreenPoint{1024, 50}, ScreenPoint{-782, 50}, ScreenPoint{100, 0}}) {
        PlacementRequest r = request(1);
        r.storedMain = gone;
        EXPECT_EQ(PlaceWindows(r).mainWindow, (ScreenPoint{121, 47})) << gone.x << "," << gone.y;
        EXPECT_EQ(PlaceWindows(r).scheduleDialog, (ScreenPoint{363, 319}));
    }
}

} // namespace
} // namespace rekko
