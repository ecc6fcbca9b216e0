// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar base widget shared by the month grid and the small month calendars: the date properties and their
// change event, the seven fonts, the rule lists, the background colour and the off-screen image.
#pragma once

#include "TCalExFonts.h"

#include "controls/CustomCalendar.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QStringList>

#include <memory>

namespace rekko {

class TCustomCalendarEx : public QFrame {
    Q_OBJECT
    Q_PROPERTY(int JuliusDay READ JuliusDay WRITE setJuliusDay NOTIFY OnDayChange)
    Q_PROPERTY(int Year READ Year WRITE setYear)
    Q_PROPERTY(int Month READ Month WRITE setMonth)
    Q_PROPERTY(int Day READ Day WRITE setDay)
    Q_PROPERTY(rekko::TCalExFonts* Fonts READ Fonts CONSTANT)
    Q_PROPERTY(QStringList HolidayList READ HolidayList WRITE setHolidayList)
    Q_PROPERTY(QStringList SpecialDayList READ SpecialDayList WRITE setSpecialDayList)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool AutoFurikae READ AutoFurikae WRITE setAutoFurikae)
    Q_PROPERTY(bool AutoEquinox READ AutoEquinox WRITE setAutoEquinox)
    Q_PROPERTY(bool AutoKokumin READ AutoKokumin WRITE setAutoKokumin)

public:
    int JuliusDay() const { return m_calendar->JuliusDay(); }
    int Year() const { return m_calendar->Year(); }
    int Month() const { return m_calendar->Month(); }
    int Day() const { return m_calendar->Day(); }
    // Year, Month and Day are applied only when the date exists; an applied change redraws and raises
    // OnDayChange.
    void setJuliusDay(int jd);
    void setYear(int year);
    void setMonth(int month);
    void setDay(int day);

    void nextDay();
    void previousDay();
    void nextMonth();
    void previousMonth();
    void goToYearMonth(int year, int month, int day);

    TCalExFonts* Fonts() const { return m_fonts; }

    QStringList HolidayList() const;
    QStringList SpecialDayList() const;
    void setHolidayList(const QStringList& lines);
    void setSpecialDayList(const QStringList& lines);
    // Takes the holiday and special-day lists of other rules, and redraws once.
    void takeRuleLists(const DayRules& rules);

    QColor Color() const { return m_color; }
    void setColor(const QColor& color);
    bool AutoFurikae() const { return m_calendar->rules().AutoFurikae; }
    void setAutoFurikae(bool on);
    bool AutoEquinox() const { return m_calendar->rules().AutoEquinox; }
    void setAutoEquinox(bool on);
    bool AutoKokumin() const { return m_calendar->rules().AutoKokumin; }
    void setAutoKokumin(bool on);

    // Recomputes the layout and has the whole image drawn again at the next paint, so that several changes in a row
    // cost one drawing; does nothing while the redraw is suspended.
    void Redraw();
    // Returns the off-screen image the widget copies on paint, drawing it first when a redraw is pending.
    const QImage& image() const;
    // Returns where the image's top-left pixel lies in the widget, inside the sunken edge.
    QPoint clientOrigin() const { return contentsRect().topLeft(); }

signals:
    void OnDayChange(int Y, int M, int D);

protected:
    TCustomCalendarEx(std::unique_ptr<CustomCalendar> calendar, QWidget* parent);

    CustomCalendar& calendar() { return *m_calendar; }
    const CustomCalendar& calendar() const { return *m_calendar; }
    const CalExFont& font(TCalExFonts::Role role) const { return m_fonts->font(role); }

    // Recomputes what the control shows, also while it has no image yet.
    virtual void recompute() {}
    // Draws the whole control into the image, already cleared with Color.
    virtual void drawImage(QImage& image) const = 0;
    virtual bool redrawSuspended() const { return false; }
    // Called when the image changes size or a font changes, before the redraw.
    virtual void imageResized() {}
    virtual void fontsChanged() {}

    // The image as it is, to draw into outside a full redraw or to take its size.
    QImage& offscreenImage() { return m_image; }
    // Whether a full drawing of the image waits for the next paint.
    bool redrawPending() const { return m_redrawPending; }
    // Redraws and raises OnDayChange when a change of the date was applied.
    void applied(bool changed);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Draws the whole image when a redraw is pending and not suspended.
    void drawPending() const;

    std::unique_ptr<CustomCalendar> m_calendar;
    TCalExFonts* m_fonts;
    QColor m_color;
    // The image is a cache of the drawing, brought up to date also when it is only read.
    mutable QImage m_image;
    mutable bool m_redrawPending = false;
};

} // namespace rekko
