// SPDX-License-Identifier: GPL-3.0-or-later
// Neighbour navigation and focus colours of the edit, numeric and combo boxes.
#include "SeNeighbours.h"

#include "ColourConversion.h"

#include "controls/NeighbourChain.h"

#include <QKeyEvent>
#include <QVariant>

namespace rekko {

namespace {

QWidget* neighbourOf(QWidget* box, const char* direction) {
    return box->property(direction).value<QWidget*>();
}

bool usable(QWidget* box) {
    return box->isEnabled() && box->isVisible() && (box->focusPolicy() & Qt::TabFocus);
}

} // namespace

const char* SeNeighbours::directionOf(const QKeyEvent& event) const {
    if ((event.modifiers() & ~Qt::KeypadModifier) != keyAddShift)
        return nullptr;
    switch (event.key()) {
    case Qt::Key_Up:
        return "KeyUpNext";
    case Qt::Key_Down:
        return "KeyDownNext";
    case Qt::Key_Left:
        return "KeyLeftNext";
    case Qt::Key_Right:
        return "KeyRightNext";
    default:
        return nullptr;
    }
}

bool MoveFocusAlong(QWidget* from, const char* direction) {
    QWidget* first = neighbourOf(from, direction);
    if (!first)
        return false;
    QWidget* target = FindNeighbour(first, usable, [direction](QWidget* box) { return neighbourOf(box, direction); });
    if (target)
        target->setFocus(Qt::TabFocusReason);
    return true;
}

void ShowFocusColours(QWidget* box, SeNeighbours& neighbours, TColor background, TColor text, bool keepText) {
    neighbours.savedPalette = box->palette();
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, ToQColor(background, palette));
    if (!keepText)
        palette.setColor(QPalette::Text, ToQColor(text, palette));
    box->setPalette(palette);
}

void RestoreColours(QWidget* box, SeNeighbours& neighbours) {
    if (!neighbours.savedPalette)
        return;
    box->setPalette(*neighbours.savedPalette);
    neighbours.savedPalette.reset();
}

} // namespace rekko
