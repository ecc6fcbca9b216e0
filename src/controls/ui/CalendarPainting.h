// SPDX-License-Identifier: GPL-3.0-or-later
// What the painters of the month grid and the small calendar share: the font role of a day's kind, and a grid
// rectangle as Qt's.
#pragma once

#include "TCalExFonts.h"

#include "controls/GridGeometry.h"

#include <QRect>

namespace rekko {

// Returns the font role that draws a day of a kind: Saturday, Sunday, holiday, special day, else weekday.
inline TCalExFonts::Role FontRoleOf(DayFontKind kind) {
    switch (kind) {
    case DayFontKind::Saturday:
        return TCalExFonts::Saturday;
    case DayFontKind::Sunday:
        return TCalExFonts::Sunday;
    case DayFontKind::Holiday:
        return TCalExFonts::Holiday;
    case DayFontKind::SpecialDay:
        return TCalExFonts::SpecialDay;
    case DayFontKind::Weekday:
        break;
    }
    return TCalExFonts::Weekday;
}

inline QRect ToQRect(const GridRect& rect) {
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

} // namespace rekko
