// SPDX-License-Identifier: GPL-3.0-or-later
// Colour values of the files (0x00BBGGRR, system colours 0x80000000 + n) as Qt colours, and the neighbour tint.
#pragma once

#include "base/Colour.h"

#include <QColor>
#include <QPalette>

namespace rekko {

// Returns the Qt colour of a colour value; a system colour is taken from the palette's matching role.
QColor ToQColor(TColor color, const QPalette& palette);

// Returns the colour value of a Qt colour.
TColor FromQColor(const QColor& color);

// Returns the bitwise or of two colours' red, green and blue, as the grid tints neighbouring months' days.
QColor OrColors(const QColor& a, const QColor& b);

} // namespace rekko
