// SPDX-License-Identifier: GPL-3.0-or-later
// Window placement at start.
#include "WindowPlacement.h"

namespace rekko {

namespace {

constexpr int kDialogWidth = 298;
constexpr int kDialogHeight = 157;

bool fits(const PlacementRequest& request) {
    return request.width <= request.workArea.width && request.height <= request.workArea.height;
}

Placement centred(const PlacementRequest& request, Placement placement) {
    if (!fits(request))
        return placement;
    const ScreenRect& area = request.workArea;
    placement.mainWindow = {area.left + (area.width - request.width) / 2,
                            area.top + (area.height - request.height) / 2};
    placement.scheduleDialog = {area.left + (area.width - kDialogWidth) / 2,
                                area.top + (area.height - kDialogHeight) / 2};
    return placement;
}

} // namespace

Placement PlaceWindows(const PlacementRequest& request) {
    const ScreenRect& area = request.workArea;
    Placement placement{request.current, request.currentDialog, !fits(request)};
    if (request.rule != 1)
        return centred(request, placement);
    placement.mainWindow = request.storedMain;
    placement.scheduleDialog = request.storedDialog;
    const ScreenPoint at = request.storedMain;
    const bool belowBottom = at.y + request.height > area.top + area.height;
    // A position kept from a screen that is gone would leave the window where the user cannot reach it.
    const bool unreachable = at.y < area.top || at.x >= area.left + area.width || at.x + request.width <= area.left;
    if (belowBottom || unreachable)
        return centred(request, placement);
    return placement;
}

} // namespace rekko
