// SPDX-License-Identifier: GPL-3.0-or-later
// The small month calendar of the year page: the plain month calendar with ruled lines, a current-date mark and
// today's colour, neighbouring days shown and six week rows.
#pragma once

#include "TMonthlyCalendar.h"

namespace rekko {

class TSeMCalendar : public TMonthlyCalendar {
    Q_OBJECT
    Q_PROPERTY(bool Keisen READ Keisen WRITE setKeisen)
    Q_PROPERTY(bool IsCursor READ IsCursor WRITE setIsCursor)
    Q_PROPERTY(QColor ColorToDay READ ColorToDay WRITE setColorToDay)

public:
    // Creates the calendar on today's date with 12-point fonts (the rokuyo font stays at 10 points), a light grey
    // header, neighbouring days shown and today in light green.
    explicit TSeMCalendar(int32_t today, QWidget* parent = nullptr);

    bool Keisen() const { return options().Keisen; }
    bool IsCursor() const { return options().IsCursor; }
    QColor ColorToDay() const { return m_colorToDay; }
    void setKeisen(bool on);
    void setIsCursor(bool on);
    void setColorToDay(const QColor& color);

protected:
    QColor todayColor() const override { return m_colorToDay; }

private:
    QColor m_colorToDay;
};

} // namespace rekko
