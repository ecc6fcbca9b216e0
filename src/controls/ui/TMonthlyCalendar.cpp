// SPDX-License-Identifier: GPL-3.0-or-later
// The plain month calendar widget: properties, redraws, presses and keys.
#include "TMonthlyCalendar.h"

#include "ColourConversion.h"
#include "SmallCalendarPainter.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <optional>

namespace rekko {

namespace {

constexpr TColor kNeighborColor = 0xC0C0C0;
constexpr TColor kPlainDayOfWeekBkColor = 0x800000;
constexpr TColor kDefaultTodayColor = 0xD0FFD5;

std::optional<SmallCalendar::Key> keyOf(int key) {
    switch (key) {
    case Qt::Key_Left:
        return SmallCalendar::Key::Left;
    case Qt::Key_Right:
        return SmallCalendar::Key::Right;
    case Qt::Key_Up:
        return SmallCalendar::Key::Up;
    case Qt::Key_Down:
        return SmallCalendar::Key::Down;
    case Qt::Key_PageUp:
        return SmallCalendar::Key::PageUp;
    case Qt::Key_PageDown:
        return SmallCalendar::Key::PageDown;
    default:
        return std::nullopt;
    }
}

} // namespace

TMonthlyCalendar::TMonthlyCalendar(int32_t today, QWidget* parent)
    : TMonthlyCalendar(today, SmallCalendarOptions{}, ToQColor(kPlainDayOfWeekBkColor, QPalette()), parent) {}

TMonthlyCalendar::TMonthlyCalendar(int32_t today, const SmallCalendarOptions& options, QColor dayOfWeekBkColor,
                                   QWidget* parent)
    : TCustomCalendarEx(std::make_unique<SmallCalendar>(today, options), parent),
      m_neighborColor(ToQColor(kNeighborColor, palette())), m_dayOfWeekBkColor(dayOfWeekBkColor) {}

void TMonthlyCalendar::setFirstDayOfWeek(int day) {
    changeOptions([day](SmallCalendarOptions& o) { o.FirstDayOfWeek = static_cast<TDayOfWeek>(((day % 7) + 7) % 7); });
}
void TMonthlyCalendar::setShowNeighbor(bool on) {
    changeOptions([on](SmallCalendarOptions& o) { o.ShowNeighbor = on; });
}
void TMonthlyCalendar::setNeighborJump(bool on) {
    changeOptions([on](SmallCalendarOptions& o) { o.NeighborJump = on; });
}
void TMonthlyCalendar::setAutoResize(bool on) {
    changeOptions([on](SmallCalendarOptions& o) { o.AutoResize = on; });
}
void TMonthlyCalendar::setFirstRowFirstDay(bool on) {
    changeOptions([on](SmallCalendarOptions& o) { o.FirstRowFirstDay = on; });
}
void TMonthlyCalendar::setLastRowLastDay(bool on) {
    changeOptions([on](SmallCalendarOptions& o) { o.LastRowLastDay = on; });
}
void TMonthlyCalendar::setShowRokuyo(bool on) {
    changeOptions([on](SmallCalendarOptions& o) { o.ShowRokuyo = on; });
}
void TMonthlyCalendar::setShowSolarTerms(bool on) {
    changeOptions([on](SmallCalendarOptions& o) { o.ShowSolarTerms = on; });
}

void TMonthlyCalendar::setNeighborColor(const QColor& color) {
    m_neighborColor = color;
    Redraw();
}

void TMonthlyCalendar::setDayOfWeekBkColor(const QColor& color) {
    m_dayOfWeekBkColor = color;
    Redraw();
}

QColor TMonthlyCalendar::todayColor() const {
    return ToQColor(kDefaultTodayColor, palette());
}

void TMonthlyCalendar::recompute() {
    model().layout();
}

QSize TMonthlyCalendar::minimumSizeHint() const {
    const QImage reference(1, 1, QImage::Format_RGB32);
    return SmallCalendarPainter::leastClientSize(*Fonts(), &reference) + (size() - contentsRect().size());
}

void TMonthlyCalendar::imageResized() {
    model().setClientSize(offscreenImage().width(), offscreenImage().height());
}

void TMonthlyCalendar::drawImage(QImage& image) const {
    const SmallCalendarColors colors{Color(), m_neighborColor, m_dayOfWeekBkColor, todayColor(), palette()};
    SmallCalendarPainter(model(), *Fonts(), colors, &image).draw(image);
}

void TMonthlyCalendar::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() - clientOrigin();
    emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
    const std::optional<int32_t> day = model().takenDay(at.x(), at.y());
    if (day)
        applied(model().setJuliusDay(*day));
    emit clicked(day.has_value());
}

void TMonthlyCalendar::keyPressEvent(QKeyEvent* event) {
    if (const auto key = keyOf(event->key())) {
        try {
            applied(model().key(*key));
        } catch (const EJuliusError& error) {
            // A month step onto 1582-10-05..14 changed nothing; the owner shows why.
            emit refused(QString::fromUtf8(error.what()));
        }
    }
    // Every key goes on to the owner's key handling.
    event->ignore();
}

} // namespace rekko
