// SPDX-License-Identifier: GPL-3.0-or-later
// The month grid widget: properties, redraws and the mouse events it raises.
#include "TSeMCal.h"

#include "CalendarPainting.h"
#include "ColourConversion.h"
#include "MonthGridPainter.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QTextDocument>
#include <QToolTip>

namespace rekko {

namespace {

constexpr TColor kNeighborColor = 0xC0C0C0;
constexpr TColor kDayOfWeekBkColor = 0xE1E1E1;
// The header row and six weeks, the most a month needs.
constexpr int kMostRows = 7;

} // namespace

MouseButton GridButton(Qt::MouseButton button) {
    if (button == Qt::RightButton)
        return MouseButton::Right;
    return button == Qt::LeftButton ? MouseButton::Left : MouseButton::Middle;
}

TSeMCal::TSeMCal(int32_t today, const ScheduleBook& book, QWidget* parent)
    : TCustomCalendarEx(std::make_unique<MonthGrid>(today, book), parent),
      m_neighborColor(ToQColor(kNeighborColor, palette())), m_dayOfWeekBkColor(ToQColor(kDayOfWeekBkColor, palette())) {
    // The move events reach the main window also while no button is held, as it follows the mouse over the days.
    setMouseTracking(true);
    Fonts()->setPointSizeExceptRokuyo(kMonthGridFontPoints);
}

void TSeMCal::setIsFontBold(bool on) {
    changeOptions([on](MonthGridOptions& o) { o.isFontBold = on; });
}
void TSeMCal::setSelfSize(bool on) {
    changeOptions([on](MonthGridOptions& o) { o.SelfSize = on; });
}
void TSeMCal::setItemGyo(int lines) {
    changeOptions([lines](MonthGridOptions& o) { o.ItemGyo = lines; });
}
void TSeMCal::setFirstDayOfWeek(int day) {
    changeOptions([day](MonthGridOptions& o) { o.FirstDayOfWeek = static_cast<TDayOfWeek>(((day % 7) + 7) % 7); });
}
void TSeMCal::setShowNeighbor(bool on) {
    changeOptions([on](MonthGridOptions& o) { o.ShowNeighbor = on; });
}
void TSeMCal::setNeighborJump(bool on) {
    changeOptions([on](MonthGridOptions& o) { o.NeighborJump = on; });
}
void TSeMCal::setAutoResize(bool on) {
    changeOptions([on](MonthGridOptions& o) { o.AutoResize = on; });
}
void TSeMCal::setFirstRowFirstDay(bool on) {
    changeOptions([on](MonthGridOptions& o) { o.FirstRowFirstDay = on; });
}
void TSeMCal::setLastRowLastDay(bool on) {
    changeOptions([on](MonthGridOptions& o) { o.LastRowLastDay = on; });
}
void TSeMCal::setShowRokuyo(bool on) {
    changeOptions([on](MonthGridOptions& o) { o.ShowRokuyo = on; });
}
void TSeMCal::setShowSolarTerms(bool on) {
    changeOptions([on](MonthGridOptions& o) { o.ShowSolarTerms = on; });
}
void TSeMCal::setShowAlmanacMarks(bool on) {
    changeOptions([on](MonthGridOptions& o) { o.ShowAlmanacMarks = on; });
}

void TSeMCal::setNeighborColor(const QColor& color) {
    m_neighborColor = color;
    Redraw();
}

void TSeMCal::setDayOfWeekBkColor(const QColor& color) {
    m_dayOfWeekBkColor = color;
    Redraw();
}

void TSeMCal::setCurrentTab(int tab) {
    grid().setCurrentTab(tab);
    Redraw();
}

void TSeMCal::updateMetrics() {
    // Only the fonts and the bold dates change the measures; measuring loads font faces, so it is not repeated for
    // the other options or a new size.
    if (!m_measuredBold || *m_measuredBold != isFontBold()) {
        // Measured on an image like the one drawn into, which exists also before the first resize.
        const QImage reference(1, 1, QImage::Format_RGB32);
        grid().setCellMetrics(MonthGridPainter::Metrics(*Fonts(), isFontBold(), &reference));
        m_measuredBold = isFontBold();
    }
    updateGeometry();
}

QSize TSeMCal::sizeHint() const {
    // Room for six weeks, and the rokuyo band kept free whether or not the rokuyo show, so that neither a month
    // nor the rokuyo switch changes the size.
    const int client = GridGeometry::HeightForPitch(grid().cellMetrics().pitchFor(ItemGyo()), kMostRows, SelfSize());
    return {QFrame::sizeHint().width(), client + height() - contentsRect().height()};
}

QSize TSeMCal::minimumSizeHint() const {
    int client = GridGeometry::HeightForPitch(grid().cellMetrics().pitchFor(1), kMostRows, SelfSize());
    // The weekday header grows and shrinks with the grid; at the least height it still holds its names.
    const QImage reference(1, 1, QImage::Format_RGB32);
    const int header = QFontMetrics(Fonts()->font(TCalExFonts::DayOfWeek).font, &reference).height();
    while (GridGeometry(0, client, kMostRows, SelfSize()).headerRect(0).height() < header)
        ++client;
    return {QFrame::minimumSizeHint().width(), client + height() - contentsRect().height()};
}

void TSeMCal::imageResized() {
    grid().setClientSize(offscreenImage().width(), offscreenImage().height());
    updateMetrics();
}

void TSeMCal::fontsChanged() {
    m_measuredBold.reset();
    updateMetrics();
}

void TSeMCal::recompute() {
    grid().layout();
}

GridColors TSeMCal::colors() const {
    return {Color(), m_neighborColor, m_dayOfWeekBkColor, palette()};
}

void TSeMCal::drawImage(QImage& image) const {
    MonthGridPainter(grid(), *Fonts(), colors(), &image).drawAll(image);
}

void TSeMCal::RedrawCells() {
    // A pending full drawing shows the cells as they are now.
    if (offscreenImage().isNull() || redrawPending())
        return;
    MonthGridPainter(grid(), *Fonts(), colors(), &offscreenImage()).drawCells(offscreenImage());
    update();
}

void TSeMCal::ResetSelection() {
    grid().resetSelection();
    RedrawCells();
}

bool TSeMCal::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return TCustomCalendarEx::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint at = help->pos() - clientOrigin();
    const GridHit hit = grid().hitTest(at.x(), at.y());
    QStringList lines;
    if (hit.cell() >= 0)
        for (const std::string& line : grid().cellLines(hit.cell()))
            lines << QString::fromStdString(line);
    if (lines.isEmpty()) {
        QToolTip::hideText();
        return true;
    }
    const QRect cell = ToQRect(grid().geometry().cellRect(hit.column, hit.row)).translated(clientOrigin());
    // Written as rich text, so that a line that looks like markup shows as it is and long lines wrap.
    QToolTip::showText(help->globalPos(), Qt::convertFromPlainText(lines.join(QLatin1Char('\n'))), this, cell);
    return true;
}

void TSeMCal::mousePressEvent(QMouseEvent* event) {
    press(event, false);
}

void TSeMCal::mouseDoubleClickEvent(QMouseEvent* event) {
    press(event, true);
}

void TSeMCal::press(QMouseEvent* event, bool secondOfDouble) {
    const QPoint at = event->position().toPoint() - clientOrigin();
    const GridHit hit = grid().beginPress(at.x(), at.y());
    if (secondOfDouble)
        emit mouseDoubleClick(event->button(), event->modifiers(), at.x(), at.y());
    else
        emit mouseDown(event->button(), event->modifiers(), at.x(), at.y());
    applied(grid().finishPress(GridButton(event->button()), hit));
}

void TSeMCal::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() - clientOrigin();
    emit mouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void TSeMCal::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint() - clientOrigin();
    emit mouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

} // namespace rekko
