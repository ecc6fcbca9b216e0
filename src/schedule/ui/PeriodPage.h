// SPDX-License-Identifier: GPL-3.0-or-later
// The period page of the schedule dialog: start, end and description dates with up-downs, parts of day,
// thickness, colour and description.
#pragma once

#include "ColourField.h"

#include "controls/ui/TSeEdit.h"
#include "controls/ui/TSeNEdit.h"
#include "schedule/DateFieldStep.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>

#include <array>

namespace rekko {

class PeriodPage : public QWidget {
    Q_OBJECT
public:
    explicit PeriodPage(QWidget* parent = nullptr);

    // Shows a period; pnlKikan reads "追加" for a new one, else "修正".
    void setPeriod(const PeriodFields& period, bool isNew);
    // Returns the period as the fields hold it: a field that is not a number reads 0, the thickness 1 to 3.
    PeriodFields period() const;
    // Moves the description date to the middle day when it lies outside the period.
    void keepLabelInside();

    TSeEdit* description() const { return m_description; }
    void setColourChooser(ColourChooser chooser) { m_colour->setChooser(std::move(chooser)); }

private:
    // The three numeric boxes of one date row.
    struct DateRow {
        std::array<TSeNEdit*, 3> fields{}; // year, month, day
    };

    QWidget* buildDateRow(int row);
    QComboBox* buildPartList(int row);
    void linkNeighbours();
    PeriodDate dateOf(int row) const;
    void showDate(int row, const PeriodDate& date);

    QLabel* m_pnlKikan;
    std::array<DateRow, 3> m_rows; // start, end, description date
    std::array<QComboBox*, 2> m_parts{};
    TSeNEdit* m_thickness;
    ColourField* m_colour;
    TSeEdit* m_description;
};

} // namespace rekko
