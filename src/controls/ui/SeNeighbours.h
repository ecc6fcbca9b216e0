// SPDX-License-Identifier: GPL-3.0-or-later
// The neighbour navigation and focus colours shared by the edit, numeric and combo boxes.
#pragma once

#include "base/Colour.h"

#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace rekko {

// The four neighbours of a box, the modifier state that arrow-key navigation needs, and the colours to restore.
struct SeNeighbours {
    QPointer<QWidget> up;
    QPointer<QWidget> down;
    QPointer<QWidget> left;
    QPointer<QWidget> right;
    Qt::KeyboardModifiers keyAddShift = Qt::ControlModifier;
    std::optional<QPalette> savedPalette; // while the focus colours show

    // Returns the direction property ("KeyUpNext"...) an arrow key moves along when the modifiers are exactly
    // keyAddShift, or nullptr.
    const char* directionOf(const QKeyEvent& event) const;
};

// The neighbour properties the boxes publish (KeyUpNext, KeyDownNext, KeyLeftNext, KeyRightNext, KeyAddShift) over
// their neighbours.
class SeNeighbourProperties {
public:
    QWidget* KeyUpNext() const { return m_neighbours.up; }
    void setKeyUpNext(QWidget* box) { m_neighbours.up = box; }
    QWidget* KeyDownNext() const { return m_neighbours.down; }
    void setKeyDownNext(QWidget* box) { m_neighbours.down = box; }
    QWidget* KeyLeftNext() const { return m_neighbours.left; }
    void setKeyLeftNext(QWidget* box) { m_neighbours.left = box; }
    QWidget* KeyRightNext() const { return m_neighbours.right; }
    void setKeyRightNext(QWidget* box) { m_neighbours.right = box; }
    Qt::KeyboardModifiers KeyAddShift() const { return m_neighbours.keyAddShift; }
    void setKeyAddShift(Qt::KeyboardModifiers modifiers) { m_neighbours.keyAddShift = modifiers; }

protected:
    SeNeighbours m_neighbours;
};

// Moves the focus from a box along a direction property: to the first usable box of the chain (enabled, visible,
// tab stop set), following unusable boxes' own neighbours up to ten times. Answers whether the box has that
// neighbour at all (the key is then consumed even when no box could take the focus).
bool MoveFocusAlong(QWidget* from, const char* direction);

// Shows focus colours on a box, remembering its palette in neighbours; keepText leaves the text colour as it is.
void ShowFocusColours(QWidget* box, SeNeighbours& neighbours, TColor background, TColor text, bool keepText);
// Gives a box back the colours it had before ShowFocusColours.
void RestoreColours(QWidget* box, SeNeighbours& neighbours);

} // namespace rekko
