// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid widget of the month page: its published properties, the drawing of the schedule book's months and
// periods, the mouse events it raises for the main window and the commands the main window gives it.
#pragma once

#include "TCustomCalendarEx.h"

#include "controls/MonthGrid.h"

#include <QColor>

#include <optional>
#include <string>
#include <vector>

namespace rekko {

struct GridColors;

// Returns the grid's name of a Qt mouse button: left, right, and middle for any other.
MouseButton GridButton(Qt::MouseButton button);

class TSeMCal : public TCustomCalendarEx {
    Q_OBJECT
    Q_PROPERTY(bool isFontBold READ isFontBold WRITE setIsFontBold)
    Q_PROPERTY(bool SelfSize READ SelfSize WRITE setSelfSize)
    Q_PROPERTY(int ItemGyo READ ItemGyo WRITE setItemGyo)
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
    // Creates the grid on today's date with its defaults and 12-point fonts (the rokuyo font stays at 10 points),
    // drawing the book's months, periods and rule lists.
    TSeMCal(int32_t today, const ScheduleBook& book, QWidget* parent = nullptr);

    bool isFontBold() const { return options().isFontBold; }
    bool SelfSize() const { return options().SelfSize; }
    int ItemGyo() const { return options().ItemGyo; }
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
    bool ShowAlmanacMarks() const { return options().ShowAlmanacMarks; }

    void setIsFontBold(bool on);
    void setSelfSize(bool on);
    void setItemGyo(int lines);      // kept within 1..5
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
    void setShowAlmanacMarks(bool on);

    // The model: state fields, lane table, hit test and the cells' texts for the exports.
    MonthGrid& grid() { return static_cast<MonthGrid&>(calendar()); }
    const MonthGrid& grid() const { return static_cast<const MonthGrid&>(calendar()); }

    // Selects the month tab whose slot holds the shown month, and redraws.
    void setCurrentTab(int tab);

    // Draws the cells again from the current lane table, as while the user drags a range.
    void RedrawCells();
    // Clears the selection range, the highlight and the selected period, and draws the cells again.
    void ResetSelection();

    // Asks for the height at which every cell shows its ItemGyo lines whole above the rokuyo band, under the
    // current fonts and header rule; the width is left to the layout.
    QSize sizeHint() const override;
    // Asks for the height at which the header holds the weekday names and every cell shows its day number, one line
    // and the rokuyo apart; a lower window
    // stops there. Between the two the cells show fewer lines (the day's tooltip lists them all).
    QSize minimumSizeHint() const override;

signals:
    // Raised for every press, move and release, with the position in the grid's own coordinates (the image's).
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    // The second press of a double-click, raised instead of mouseDown.
    void mouseDoubleClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);

protected:
    void recompute() override;
    void drawImage(QImage& image) const override;
    bool redrawSuspended() const override { return grid().state().suspend; }
    void imageResized() override;
    void fontsChanged() override;

    // A tooltip lists all that the day cell under the mouse holds (MonthGrid::cellLines).
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const MonthGridOptions& options() const { return grid().options(); }
    template <class Change> void changeOptions(Change&& change) {
        MonthGridOptions changed = grid().options();
        change(changed);
        grid().setOptions(changed);
        updateMetrics();
        Redraw();
    }
    void updateMetrics();
    GridColors colors() const;
    void press(QMouseEvent* event, bool secondOfDouble);

    // The bold setting the cell metrics were measured with; none until measured with the current fonts.
    std::optional<bool> m_measuredBold;
    QColor m_neighborColor;
    QColor m_dayOfWeekBkColor;
};

} // namespace rekko
