// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the rokuyo face of a small month calendar and placing the names in their cells.
#include "RokuyoFit.h"

#include <algorithm>

namespace rekko {

RokuyoFace FitRokuyo(const SmallCalendarGeometry& geometry, int numberHeight, int largest,
                     const std::function<RokuyoFaceMetrics(int pixels)>& measure) {
    const int width = geometry.narrowestColumn() - 2 * kRokuyoSideMargin;
    const int height = geometry.lowestRow() - numberHeight - 2;
    largest = std::max(largest, kSmallestRokuyoPixels);
    for (const bool wholeName : {true, false}) {
        for (int pixels = largest; pixels >= kSmallestRokuyoPixels; --pixels) {
            const RokuyoFaceMetrics metrics = measure(pixels);
            const int textWidth = wholeName ? metrics.nameWidth : metrics.firstCharacterWidth;
            if (textWidth <= width && metrics.height <= height)
                return {pixels, wholeName, metrics.height, textWidth};
        }
    }
    const RokuyoFaceMetrics smallest = measure(kSmallestRokuyoPixels);
    if (smallest.height > height)
        return {0, false, 0, 0};
    return {kSmallestRokuyoPixels, false, smallest.height, smallest.firstCharacterWidth};
}

GridRect RokuyoBand(const GridRect& cell, const RokuyoFace& face) {
    return {cell.left, std::max(cell.top, cell.bottom - face.bandHeight), cell.right, cell.bottom};
}

GridRect RokuyoTextRect(const GridRect& cell, const RokuyoFace& face) {
    const GridRect band = RokuyoBand(cell, face);
    const int left = cell.left + (cell.width() - face.textWidth) / 2;
    return {left, band.top, left + face.textWidth, band.bottom};
}

} // namespace rekko
