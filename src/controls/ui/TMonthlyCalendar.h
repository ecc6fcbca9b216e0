// SPDX-License-Identifier: GPL-3.0-or-later
// The plain month calendar widget on the calendar base: its published properties, the drawing of the header and
// day cells, and the mouse and key handling that move its date.
#pragma once

#include "TCustomCalendarEx.h"

#include "controls/SmallCalendar.h"

#include <QColor>

namespace rekko {

class TMonthlyCalendar : public TCustomCalendarEx {
    Q_OBJECT
    Q_PROPERTY(int FirstDayOfWeek READ FirstDayOfWeek WRITE setFirstDayOfWeek)
    Q_PROPERTY(QColor NeighborColor READ NeighborColor WRITE setNeighborColor)
    Q_PROPERTY(QColor DayOfWeekBkColor READ DayOfWeekBkColor WRITE setDayOfWeekBkColor)
    Q_PROPERTY(bool ShowNeighbor READ ShowNeighbor WRITE setShowNeighbor)
    Q_PROPERTY(bool NeighborJump READ NeighborJump WRITE setNeighborJump)
    Q_PROPERTY(bool AutoResize READ AutoResize WRITE setAutoResize)
    Q_PROPERTY(bool FirstRowFirstDay READ FirstRowFirstDay WRITE setFirstRowFirstDay)
    Q_PROPERTY(bool LastRowLastDay READ LastRowLastDay WRITE setLastRowLastDay)
    Q_PROPERTY(bool ShowRokuyo READ ShowRokuyo WRITE setShowRokuyo)

public:
    // Creates the calendar on today's date with the plain calendar's defaults: a navy header, no neighbouring days,
    // rows that follow the month.
    explicit TMonthlyCalendar(int32_t today, QWidget* parent = nullptr);

    int FirstDayOfWeek() const { return options().FirstDayOfWeek; }
    QColor NeighborColor() const { return m_neighborColor; }
    QColor DayOfWeekBkColor() const { return m_dayOfWeekBkColor; }
    bool ShowNeighbor() const { return options().ShowNeighbor; }
    bool NeighborJump() const { return options().NeighborJump; }
    bool AutoResize() const { return options().AutoResize; }
    bool FirstRowFirstDay() const { return options().FirstRowFirstDay; }
    bool LastRowLastDay() const { return options().LastRowLastDay; }
    bool ShowRokuyo() const { return options().ShowRokuyo; }
    bool ShowSolarTerms() const { return options().ShowSolarTerms; }

    void setFirstDayOfWeek(int day); // 0 Sunday .. 6 Saturday
    void setNeighborColor(const QColor& color);
    void setDayOfWeekBkColor(const QColor& color);
    void setShowNeighbor(bool on);
    void setNeighborJump(bool on);
    void setAutoResize(bool on);
    void setFirstRowFirstDay(bool on);
    void setLastRowLastDay(bool on);
    void setShowRokuyo(bool on);
    void setShowSolarTerms(bool on);

    // Asks for the least size at which the day numbers stay whole and apart.
    QSize minimumSizeHint() const override;

    // The model: layout, cells and hit test.
    SmallCalendar& model() { return static_cast<SmallCalendar&>(calendar()); }
    const SmallCalendar& model() const { return static_cast<const SmallCalendar&>(calendar()); }

signals:
    // Raised for every press, before the calendar handles it, in the calendar's own coordinates (the image's).
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    // Raised for every press after it was handled; dayTaken says whether the press chose a day (which is now the
    // date), as a press on the header or on another month's day without NeighborJump chooses none.
    void clicked(bool dayTaken);
    // Raised when a key would move the date onto a day that does not exist (1582-10-05..14), with the error's
    // message; the date stays.
    void refused(const QString& message);

protected:
    TMonthlyCalendar(int32_t today, const SmallCalendarOptions& options, QColor dayOfWeekBkColor, QWidget* parent);

    const SmallCalendarOptions& options() const { return model().options(); }
    template <class Change> void changeOptions(Change&& change) {
        SmallCalendarOptions changed = model().options();
        change(changed);
        model().setOptions(changed);
        Redraw();
    }
    // The background of today's cell.
    virtual QColor todayColor() const;

    void recompute() override;
    void drawImage(QImage& image) const override;
    void imageResized() override;

    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor m_neighborColor;
    QColor m_dayOfWeekBkColor;
};

} // namespace rekko
