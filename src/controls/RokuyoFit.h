// SPDX-License-Identifier: GPL-3.0-or-later
// The face of the rokuyo names in a small month calendar: the largest that fits the cells beside the day numbers.
#pragma once

#include "GridGeometry.h"
#include "SmallCalendar.h"

#include <functional>

namespace rekko {

// What a face of some pixel size needs, measured on the device drawn into.
struct RokuyoFaceMetrics {
    int height = 0;              // the line height, which is the band's height
    int nameWidth = 0;           // the widest of the six names
    int firstCharacterWidth = 0; // the widest of their first characters
};

// The face the names are drawn in and how much of each shows; none (0 pixels) where the rows are too low.
struct RokuyoFace {
    int pixels = 0;
    bool wholeName = true; // else only the first character
    int bandHeight = 0;    // the band at the bottom of every day cell
    int textWidth = 0;     // the widest text drawn in the band
};

// The smallest face tried, in pixels.
inline constexpr int kSmallestRokuyoPixels = 8;
// The pixels a name keeps clear of each side of its cell.
inline constexpr int kRokuyoSideMargin = 2;

// Picks the largest face from largest pixels down to kSmallestRokuyoPixels whose names keep kRokuyoSideMargin
// pixels clear of both sides of the narrowest cell, so that neighbours never touch, and whose band leaves the day
// number its numberHeight pixels of ink with a pixel above and below in the lowest cell. Whole names are tried first,
// then their first characters; where neither fits, the first characters in the smallest face, and no face at all
// where even that leaves the day number no room.
RokuyoFace FitRokuyo(const SmallCalendarGeometry& geometry, int numberHeight, int largest,
                     const std::function<RokuyoFaceMetrics(int pixels)>& measure);

// Returns the rectangle of the band at a day cell's bottom.
GridRect RokuyoBand(const GridRect& cell, const RokuyoFace& face);
// Returns where the widest name lies in a day cell: centred in the band.
GridRect RokuyoTextRect(const GridRect& cell, const RokuyoFace& face);

} // namespace rekko
