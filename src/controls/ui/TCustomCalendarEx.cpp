// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar base widget: date properties, fonts, rule lists, the off-screen image and its copy on paint.
#include "TCustomCalendarEx.h"

#include <QPaintEvent>
#include <QPainter>

#include <string>
#include <vector>

namespace rekko {

namespace {

std::vector<std::string> toLines(const QStringList& list) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(list.size()));
    for (const QString& line : list)
        lines.push_back(line.toStdString());
    return lines;
}

QStringList fromLines(const std::vector<std::string>& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        list.push_back(QString::fromStdString(line));
    return list;
}

} // namespace

TCustomCalendarEx::TCustomCalendarEx(std::unique_ptr<CustomCalendar> calendar, QWidget* parent)
    : QFrame(parent), m_calendar(std::move(calendar)), m_fonts(new TCalExFonts(this)),
      m_color(palette().color(QPalette::Base)) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    // The image covers the whole client, so Qt need not erase the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(m_fonts, &TCalExFonts::changed, this, [this] {
        fontsChanged();
        Redraw();
    });
}

void TCustomCalendarEx::applied(bool changed) {
    if (!changed)
        return;
    Redraw();
    emit OnDayChange(Year(), Month(), Day());
}

void TCustomCalendarEx::setJuliusDay(int jd) {
    applied(m_calendar->setJuliusDay(jd));
}
void TCustomCalendarEx::setYear(int year) {
    applied(m_calendar->setYear(year));
}
void TCustomCalendarEx::setMonth(int month) {
    applied(m_calendar->setMonth(month));
}
void TCustomCalendarEx::setDay(int day) {
    applied(m_calendar->setDay(day));
}
void TCustomCalendarEx::nextDay() {
    applied(m_calendar->nextDay());
}
void TCustomCalendarEx::previousDay() {
    applied(m_calendar->previousDay());
}
void TCustomCalendarEx::nextMonth() {
    applied(m_calendar->nextMonth());
}
void TCustomCalendarEx::previousMonth() {
    applied(m_calendar->previousMonth());
}
void TCustomCalendarEx::goToYearMonth(int year, int month, int day) {
    applied(m_calendar->goToYearMonth(year, month, day));
}

QStringList TCustomCalendarEx::HolidayList() const {
    return fromLines(m_calendar->rules().holidayList());
}
QStringList TCustomCalendarEx::SpecialDayList() const {
    return fromLines(m_calendar->rules().specialDayList());
}

void TCustomCalendarEx::setHolidayList(const QStringList& lines) {
    // A line that is not a number stops the reading there; the items before it stay in force.
    (void)m_calendar->rules().setHolidayList(toLines(lines));
    Redraw();
}

void TCustomCalendarEx::setSpecialDayList(const QStringList& lines) {
    (void)m_calendar->rules().setSpecialDayList(toLines(lines));
    Redraw();
}

void TCustomCalendarEx::takeRuleLists(const DayRules& rules) {
    (void)m_calendar->rules().setHolidayList(rules.holidayList());
    (void)m_calendar->rules().setSpecialDayList(rules.specialDayList());
    Redraw();
}

void TCustomCalendarEx::setColor(const QColor& color) {
    m_color = color;
    Redraw();
}

void TCustomCalendarEx::setAutoFurikae(bool on) {
    m_calendar->rules().AutoFurikae = on;
    Redraw();
}

void TCustomCalendarEx::setAutoEquinox(bool on) {
    m_calendar->rules().AutoEquinox = on;
    Redraw();
}

void TCustomCalendarEx::setAutoKokumin(bool on) {
    m_calendar->rules().AutoKokumin = on;
    Redraw();
}

void TCustomCalendarEx::Redraw() {
    if (redrawSuspended())
        return;
    recompute();
    if (m_image.isNull())
        return;
    m_redrawPending = true;
    update();
}

void TCustomCalendarEx::drawPending() const {
    if (!m_redrawPending || redrawSuspended() || m_image.isNull())
        return;
    m_redrawPending = false;
    m_image.fill(m_color);
    drawImage(m_image);
}

const QImage& TCustomCalendarEx::image() const {
    drawPending();
    return m_image;
}

void TCustomCalendarEx::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    drawPending();
    QPainter painter(this);
    painter.drawImage(clientOrigin(), m_image);
}

void TCustomCalendarEx::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    const QSize size = contentsRect().size();
    if (size.isEmpty()) {
        m_image = QImage();
        return;
    }
    m_image = QImage(size, QImage::Format_RGB32);
    imageResized();
    Redraw();
}

} // namespace rekko
