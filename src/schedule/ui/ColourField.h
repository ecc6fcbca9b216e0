// SPDX-License-Identifier: GPL-3.0-or-later
// A colour field: a swatch with the colour's name, and the button "色の変更" that opens the colour chooser.
#pragma once

#include "ColourChooser.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace rekko {

class ColourField : public QWidget {
    Q_OBJECT
public:
    // The button opens the schedule dialog's colour chooser over this field.
    explicit ColourField(QWidget* parent = nullptr);

    // Replaces the chooser the button opens.
    void setChooser(ColourChooser chooser) { m_chooser = std::move(chooser); }

    TColor colour() const { return m_colour; }
    // Shows a colour: the swatch in it, and its name (LineColourName) beside.
    void setColour(TColor colour);

    QLineEdit* swatch() const { return m_swatch; }
    QLabel* name() const { return m_name; }
    QPushButton* changeButton() const { return m_change; }

signals:
    // The user chose a colour in the chooser; the field shows it already.
    void colourChosen(TColor colour);

private:
    ColourChooser m_chooser;
    TColor m_colour = clBlue;
    QLineEdit* m_swatch;
    QLabel* m_name;
    QPushButton* m_change;
};

} // namespace rekko
