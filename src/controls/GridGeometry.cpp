// SPDX-License-Identifier: GPL-3.0-or-later
// Header height, row pitch, cell rectangles and the hit test of the month grid.
#include "GridGeometry.h"

#include <algorithm>

namespace rekko {

namespace {

constexpr int kBlockWidth = 43;
constexpr int kNumberBandLine = 9;

} // namespace

GridGeometry::GridGeometry(int width, int height, int rows, bool selfSize, const CellMetrics& metrics)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_rows(std::max(rows, 2)), m_metrics(metrics) {
    m_header = selfSize ? std::max(m_height / m_rows / 3 - 3, 0) : m_height / m_rows / 2;
    // A client too small for its rows still gets a pitch of one pixel, so that the hit test never divides by zero.
    m_pitch = std::max((m_height - m_header) / (m_rows - 1), 1);
    m_metrics.lineStep = std::max(m_metrics.lineStep, 1);
}

int GridGeometry::columnLeft(int column) const {
    return static_cast<int>(int64_t{m_width} * column / 7);
}

GridRect GridGeometry::headerRect(int column) const {
    return {columnLeft(column), 0, columnLeft(column + 1), m_header};
}

GridRect GridGeometry::cellRect(int column, int row) const {
    const int top = m_header + (row - 1) * m_pitch;
    return {columnLeft(column), top, columnLeft(column + 1), top + m_pitch + 1};
}

GridHit GridGeometry::hitTest(int x, int y) const {
    GridHit hit;
    x = std::clamp(x, 0, std::max(m_width - 1, 0));
    y = std::clamp(y, 0, std::max(m_height - 1, 0));
    // The column whose drawn span holds x: the last c with Trunc(W * c / 7) <= x.
    hit.column = m_width > 0 ? std::clamp(static_cast<int>((int64_t{x + 1} * 7 - 1) / m_width), 0, 6) : 0;
    hit.block = (x - columnLeft(hit.column)) / kBlockWidth + 1;
    if (y < m_header) {
        hit.row = 0;
        hit.line = 0;
        return hit;
    }
    hit.row = std::min((y - m_header) / m_pitch + 1, m_rows - 1);
    const int inner = (y - m_header) - (hit.row - 1) * m_pitch;
    hit.line =
        inner < m_metrics.firstLineTop ? kNumberBandLine : (inner - m_metrics.firstLineTop) / m_metrics.lineStep + 1;
    return hit;
}

int GridGeometry::HeightForPitch(int pitch, int rows, bool selfSize) {
    rows = std::max(rows, 2);
    pitch = std::max(pitch, 1);
    // The header grows with the height, so the pitch is not a linear function of it; it never shrinks, though, so
    // the first height that gives the pitch is the answer.
    int height = pitch * (rows - 1);
    while (GridGeometry(0, height, rows, selfSize).rowPitch() < pitch)
        ++height;
    return height;
}

} // namespace rekko
