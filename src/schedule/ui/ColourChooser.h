// SPDX-License-Identifier: GPL-3.0-or-later
// The colour chooser of the schedule dialog: the platform's colour dialog with the sixteen custom colours.
#pragma once

#include "base/Colour.h"

#include <functional>
#include <optional>

class QWidget;

namespace rekko {

// Asks for a colour starting from current; nothing when the user closes the chooser without a choice.
using ColourChooser = std::function<std::optional<TColor>(TColor current)>;

// Returns the chooser that opens the colour dialog over a parent, the custom colours filled in.
ColourChooser DialogColourChooser(QWidget* parent);

} // namespace rekko
