// SPDX-License-Identifier: GPL-3.0-or-later
// The colour dialog with the custom colours.
#include "ColourChooser.h"

#include "controls/ui/ColourConversion.h"
#include "schedule/LineColours.h"

#include <QColorDialog>
#include <QPointer>
#include <QWidget>

namespace rekko {

ColourChooser DialogColourChooser(QWidget* parent) {
    return [owner = QPointer<QWidget>(parent)](TColor current) -> std::optional<TColor> {
        for (size_t i = 0; i < kCustomColours.size(); ++i)
            QColorDialog::setCustomColor(static_cast<int>(i), ToQColor(kCustomColours[i], QPalette()));
        const QColor chosen = QColorDialog::getColor(ToQColor(current, owner ? owner->palette() : QPalette()), owner);
        if (!chosen.isValid())
            return std::nullopt;
        return FromQColor(chosen);
    };
}

} // namespace rekko
