// SPDX-License-Identifier: GPL-3.0-or-later
// The colour field with its swatch, name and chooser button.
#include "ColourField.h"

#include "controls/ui/ColourConversion.h"
#include "schedule/LineColours.h"

#include <QHBoxLayout>

namespace rekko {

ColourField::ColourField(QWidget* parent)
    : QWidget(parent), m_chooser(DialogColourChooser(this)), m_swatch(new QLineEdit(this)), m_name(new QLabel(this)),
      m_change(new QPushButton(QStringLiteral("色の変更"), this)) {
    // The swatch is drawn as the schedule dialog draws its period colour: an empty box filled with the colour.
    m_swatch->setReadOnly(true);
    m_swatch->setFocusPolicy(Qt::NoFocus);
    m_swatch->setFixedWidth(48);
    m_change->setAutoDefault(false);
    connect(m_change, &QPushButton::clicked, this, [this] {
        if (const auto chosen = m_chooser(m_colour)) {
            setColour(*chosen);
            emit colourChosen(*chosen);
        }
    });
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_swatch);
    layout->addWidget(m_name);
    layout->addWidget(m_change);
    setColour(m_colour);
}

void ColourField::setColour(TColor colour) {
    m_colour = colour;
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Base, ToQColor(colour, palette));
    m_swatch->setPalette(palette);
    m_name->setText(QString::fromStdString(LineColourName(colour)));
}

} // namespace rekko
