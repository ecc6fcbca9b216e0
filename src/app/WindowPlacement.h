// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window and the schedule dialog open: centred on the work area, or where they were at exit.
#pragma once

namespace rekko {

inline constexpr const char* kXgaMessage = "RekkoはＸＧＡ以上の解像度でないとすべてを表示できません。";

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Placement {
    ScreenPoint mainWindow;     // top-left of the main window's frame
    ScreenPoint scheduleDialog; // the schedule dialog's stored top-left
    bool tooSmall = false;      // the work area cannot hold the window: show kXgaMessage
};

struct PlacementRequest {
    int rule = 0;        // HyoujiIchi: 0 centre of the screen, 1 position at exit
    ScreenPoint current; // where the window is now
    int width = 0;       // the window's frame size
    int height = 0;
    ScreenRect workArea;       // the screen without panels and docks
    ScreenPoint storedMain;    // fmC21Left, fmC21Top
    ScreenPoint storedDialog;  // fmDayLeft, fmDayTop
    ScreenPoint currentDialog; // the dialog's stored position before placing
};

// Places the windows. Rule 0 centres the main window (halves truncated) and puts the dialog at the centre of a
// 298 x 157 box; a window larger than the work area stays where it is and tooSmall is set. Rule 1 takes the stored
// positions, sets tooSmall for a window larger than the work area, and centres a window whose bottom edge lies below
// the work area or that could not be reached: above the work area or wholly beside it.
Placement PlaceWindows(const PlacementRequest& request);

} // namespace rekko
