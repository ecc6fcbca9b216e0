// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the month grid: header cells, day cells in their steps (background, day number, rokuyo, almanac notes,
// names, lanes, overflow), grid lines and period titles.
#include "MonthGridPainter.h"

#include "CalendarPainting.h"
#include "ColourConversion.h"

#include "base/TextProcedures.h"
#include "calendar/OldCalendar.h"
#include "controls/GridDayRules.h"

#include <algorithm>

namespace rekko {

namespace {

constexpr TColor kSelectionColor = 0xFFFFB9;
constexpr TColor kPressedColor = 0xBBFDF8;
constexpr TColor kTodayColor = 0xD0FFD5;
constexpr TColor kGridLineColor = 0xC0C0C0;
constexpr TColor kSundayHeaderColor = 0x0000FF;
constexpr TColor kSaturdayHeaderColor = 0xFF0000;
constexpr int kNumberLeft = 10;
constexpr int kNumberTop = 5;
constexpr int kNamesTop = 7;
constexpr int kLineLeft = 4;
// The pixels kept free between a cut text's "…" and the grid line at the cell's right edge.
constexpr int kRightMargin = 2;

// The mark that ends a text cut at the cell's edge.
const QString kEllipsis(QChar(0x2026));

// Returns the length of the longest beginning of text that fits into width pixels with "…" after it (0 when none
// does), never splitting a surrogate pair; meant for a text that does not fit whole.
qsizetype FittingLength(const QFontMetrics& metrics, const QString& text, int width) {
    qsizetype fits = 0;
    qsizetype over = text.size();
    while (fits + 1 < over) {
        const qsizetype middle = (fits + over) / 2;
        if (metrics.horizontalAdvance(text.left(middle) + kEllipsis) <= width)
            fits = middle;
        else
            over = middle;
    }
    if (fits > 0 && text[fits - 1].isHighSurrogate())
        --fits;
    return fits;
}

// Returns the names of a day cell as one text.
QString namesText(const CellDay& day) {
    QString text;
    for (const NamePart& part : NameParts(day.names))
        text += QString::fromStdString(part.text);
    return text;
}

// Returns the text whole when it fits into width pixels, else cut to fit with "…" at its end.
QString Elided(const QFontMetrics& metrics, const QString& text, int width) {
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    return text.left(FittingLength(metrics, text, width)) + kEllipsis;
}

// Returns the font made some points smaller, never below one point.
QFont smaller(QFont font, int points) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(font.pointSizeF() - points, 1.0));
    else
        font.setPixelSize(std::max(font.pixelSize() - points * 4 / 3, 1));
    return font;
}

} // namespace

MonthGridPainter::MonthGridPainter(const MonthGrid& grid, const TCalExFonts& fonts, const GridColors& colors,
                                   const QPaintDevice* device)
    : m_grid(grid), m_fonts(fonts), m_colors(colors), m_device(device), m_geometry(grid.geometry()),
      m_rokuyo(fonts.font(TCalExFonts::Rokuyo).font, device),
      m_header(fonts.font(TCalExFonts::DayOfWeek).font, device) {
    for (const DayFontKind kind : {DayFontKind::Weekday, DayFontKind::Saturday, DayFontKind::Sunday,
                                   DayFontKind::Holiday, DayFontKind::SpecialDay}) {
        const CalExFont& font = fonts.font(FontRoleOf(kind));
        QFont number = font.font;
        number.setBold(grid.options().isFontBold);
        m_dayFaces.push_back({Face(number, device), Face(smaller(font.font, 2), device),
                              Face(smaller(font.font, 3), device), font.color});
    }
}

CellMetrics MonthGridPainter::Metrics(const TCalExFonts& fonts, bool bold, const QPaintDevice* device) {
    QFont number = fonts.font(TCalExFonts::Weekday).font;
    number.setBold(bold);
    const QFontMetrics numberMetrics(number, device);
    const QFontMetrics lineMetrics(smaller(fonts.font(TCalExFonts::Weekday).font, 2), device);
    const QFontMetrics rokuyoMetrics(fonts.font(TCalExFonts::Rokuyo).font, device);
    return {kNumberTop + numberMetrics.height() + 2, lineMetrics.boundingRect(QStringLiteral("高さ")).height() + 1,
            lineMetrics.height(), rokuyoMetrics.height()};
}

void MonthGridPainter::drawAll(QImage& image) const {
    QPainter painter(&image);
    drawHeader(painter);
    painter.end();
    drawCells(image);
}

void MonthGridPainter::drawCells(QImage& image) const {
    QPainter painter(&image);
    std::vector<Title> titles;
    for (int row = 1; row < m_geometry.rows(); ++row)
        for (int column = 0; column < 7; ++column)
            drawCell(painter, (row - 1) * 7 + column, m_geometry.cellRect(column, row), titles);
    painter.setClipping(false);
    drawGridLines(painter);
    const QFontMetrics& metrics = m_dayFaces.front().lines.metrics;
    const int blanks = metrics.horizontalAdvance(QStringLiteral("  "));
    for (const Title& title : titles) {
        painter.setClipRect(title.clip);
        painter.setFont(m_dayFaces.front().lines.font);
        // One blank before and one after the title, which is cut where the room up to the bar's last cell ends.
        const int room = title.clip.right() + 1 - kRightMargin - title.topLeft.x() - blanks;
        const QString text = QLatin1Char(' ') + Elided(metrics, title.text, room) + QLatin1Char(' ');
        const QRect box(title.topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
        painter.fillRect(box, title.background);
        painter.setPen(title.color);
        painter.drawText(title.topLeft.x(), title.topLeft.y() + metrics.ascent(), text);
    }
}

void MonthGridPainter::drawHeader(QPainter& painter) const {
    const QColor shadow = m_colors.palette.color(QPalette::Dark);
    painter.setFont(m_header.font);
    for (int column = 0; column < 7; ++column) {
        const QRect rect = ToQRect(m_geometry.headerRect(column));
        painter.fillRect(rect, m_colors.dayOfWeekBk);
        // 0 is Sunday here.
        const int weekday = (m_grid.options().FirstDayOfWeek + column) % 7;
        QColor color = m_colors.palette.color(QPalette::WindowText);
        if (weekday == 0)
            color = ToQColor(kSundayHeaderColor, m_colors.palette);
        else if (weekday == 6)
            color = ToQColor(kSaturdayHeaderColor, m_colors.palette);
        painter.setPen(color);
        // The program speaks Japanese whatever the system's language: 日 月 火 水 木 金 土.
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine,
                         QString::fromStdString(WeekdayShortName(weekday + 1)));
        painter.setPen(shadow);
        painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
        painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
    }
}

QColor MonthGridPainter::tint(const QColor& color, const CellDay& day) const {
    return day.inMonth ? color : OrColors(color, m_colors.neighbor);
}

void MonthGridPainter::drawCell(QPainter& painter, int cell, const GridRect& rect, std::vector<Title>& titles) const {
    const CellDay& day = m_grid.cellDay(cell);
    painter.setClipRect(ToQRect(rect));
    // Every cell is filled, so that drawing the cells again also clears the marks they no longer carry.
    if (!day.inMonth && !m_grid.options().ShowNeighbor) {
        painter.fillRect(ToQRect(rect), m_colors.background);
        return;
    }
    const CellMark mark = m_grid.cellMark(cell);
    QColor background = m_colors.background;
    if (mark == CellMark::Selection)
        background = ToQColor(kSelectionColor, m_colors.palette);
    else if (mark == CellMark::Pressed)
        background = ToQColor(kPressedColor, m_colors.palette);
    else if (mark == CellMark::Today)
        background = ToQColor(kTodayColor, m_colors.palette);
    painter.fillRect(ToQRect(rect), background);

    const DayFaces& faces = m_dayFaces[static_cast<size_t>(day.font)];
    const QColor numberColor = tint(faces.color, day);
    painter.setFont(faces.number.font);
    painter.setPen(numberColor);
    painter.drawText(
        QRect(rect.left + kNumberLeft, rect.top + kNumberTop, rect.width() - kNumberLeft, rect.height() - kNumberTop),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QString::number(day.date.day));

    if (day.rokuyo != 0)
        drawRokuyo(painter, cell, rect, numberColor, mark);
    // The names and the almanac notes share the band right of the day number; the names come first.
    const int namesLeft = rect.left + (day.date.day < 10 ? 25 : 31);
    int namesRight = rect.right - kRightMargin;
    if (!day.almanac.empty())
        namesRight = drawAlmanac(painter, day, rect, namesLeft, faces);
    if (!day.namesText.empty())
        drawNames(painter, day, rect, faces, numberColor, namesLeft, namesRight);
    for (int lane = 0; lane < m_grid.lanes(); ++lane)
        drawLane(painter, cell, lane, rect, faces, background, titles);
}

void MonthGridPainter::drawRokuyo(QPainter& painter, int cell, const GridRect& rect, const QColor& numberColor,
                                  CellMark mark) const {
    const CellDay& day = m_grid.cellDay(cell);
    const QString name =
        QString::fromUtf8(rokuyoName(day.rokuyo).data(), static_cast<qsizetype>(rokuyoName(day.rokuyo).size()));
    const QFontMetrics& metrics = m_rokuyo.metrics;
    const QRect band(rect.left, rect.bottom - 1 - metrics.height(), metrics.horizontalAdvance(name) + 2,
                     metrics.height());
    painter.setFont(m_rokuyo.font);
    if (day.day == m_grid.JuliusDay()) {
        // The current date's rokuyo shows inverted: a band in the number's colour, the name in the background's.
        painter.fillRect(band, mark != CellMark::None ? numberColor : QColor(Qt::black));
        painter.setPen(m_colors.background);
    } else {
        painter.setPen(tint(m_fonts.font(TCalExFonts::Rokuyo).color, day));
    }
    painter.drawText(band.left() + 1, band.top() + metrics.ascent(), name);
}

int MonthGridPainter::drawAlmanac(QPainter& painter, const CellDay& day, const GridRect& rect, int left,
                                  const DayFaces& faces) const {
    const int right = rect.right - kRightMargin;
    const QFontMetrics& metrics = m_rokuyo.metrics;
    const int gap = metrics.horizontalAdvance(QLatin1Char(' '));
    // The notes take only the room the names leave in their face; a long name leaves none.
    const int from = day.namesText.empty() ? left : left + faces.lines.metrics.horizontalAdvance(namesText(day)) + gap;
    QString text;
    for (const std::string& note : day.almanac) {
        const QString next = (text.isEmpty() ? QString() : text + QLatin1Char(' ')) + QString::fromStdString(note);
        // Notes come most important first; those after the first that does not fit are left to the tooltip.
        if (metrics.horizontalAdvance(next) > right - from)
            break;
        text = next;
    }
    if (text.isEmpty())
        return right;
    const int x = right - metrics.horizontalAdvance(text);
    painter.setFont(m_rokuyo.font);
    painter.setPen(tint(m_fonts.font(TCalExFonts::Rokuyo).color, day));
    painter.drawText(x, rect.top + kNamesTop + faces.lines.metrics.ascent(), text);
    return x - gap;
}

void MonthGridPainter::drawNames(QPainter& painter, const CellDay& day, const GridRect& rect, const DayFaces& faces,
                                 const QColor& numberColor, int left, int right) const {
    const std::vector<NamePart> parts = NameParts(day.names);
    const QString text = namesText(day);
    const int room = right - left;
    int top = rect.top + kNamesTop;
    const Face* face = &faces.lines;
    if (face->metrics.horizontalAdvance(text) > room) {
        face = &faces.smaller;
        ++top;
    }
    const QColor special = tint(m_fonts.font(TCalExFonts::SpecialDay).color, day);
    painter.setFont(face->font);
    // A text too long even in the smaller face is cut at the cell's edge, "…" in the colour of the name it cuts.
    const bool cut = face->metrics.horizontalAdvance(text) > room;
    qsizetype kept = cut ? FittingLength(face->metrics, text, room) : text.size();
    int x = left;
    for (const NamePart& part : parts) {
        QString piece = QString::fromStdString(part.text);
        const bool last = piece.size() >= kept;
        if (last && cut)
            piece = piece.left(kept) + kEllipsis;
        kept -= piece.size();
        painter.setPen(part.special ? special : numberColor);
        painter.drawText(x, top + face->metrics.ascent(), piece);
        x += face->metrics.horizontalAdvance(piece);
        if (last)
            break;
    }
}

void MonthGridPainter::drawLane(QPainter& painter, int cell, int lane, const GridRect& rect, const DayFaces& faces,
                                const QColor& background, std::vector<Title>& titles) const {
    const Lane& entry = m_grid.cellLanes(cell)[static_cast<size_t>(lane)];
    const CellDay& day = m_grid.cellDay(cell);
    const bool lastShown = lane == m_grid.lanes() - 1 && m_grid.overflows(cell);
    const QFontMetrics& metrics = faces.lines.metrics;
    const int top = rect.top + m_grid.cellMetrics().firstLineTop + lane * m_grid.cellMetrics().lineStep;
    if (entry.isPeriod()) {
        drawBar(painter, cell, lane, rect, background, titles);
    } else if (!entry.empty()) {
        const PlacedDayLine placed = m_grid.dayLine(entry);
        QColor color = placed.neighbourList ? m_colors.neighbor : ToQColor(kDefaultScheduleColor, m_colors.palette);
        if (const auto own = placed.line.attribute.ownColour())
            color = tint(ToQColor(*own, m_colors.palette), day);
        // A line cut at the cell's edge ends with "…"; the last shown line of a full cell keeps room for " /".
        const int room =
            rect.width() - kLineLeft - (lastShown ? metrics.horizontalAdvance(QStringLiteral(" /")) : kRightMargin);
        painter.setFont(faces.lines.font);
        painter.setPen(color);
        painter.drawText(rect.left + kLineLeft, top + metrics.ascent(),
                         Elided(metrics, QString::fromStdString(placed.line.text), room));
    }
    if (lastShown) {
        painter.setFont(faces.lines.font);
        painter.setPen(tint(ToQColor(kDefaultScheduleColor, m_colors.palette), day));
        const QString slash = QStringLiteral("/");
        painter.drawText(rect.right - 2 - metrics.horizontalAdvance(slash), top + metrics.ascent(), slash);
    }
}

void MonthGridPainter::drawBar(QPainter& painter, int cell, int lane, const GridRect& rect, const QColor& background,
                               std::vector<Title>& titles) const {
    const Lane& entry = m_grid.cellLanes(cell)[static_cast<size_t>(lane)];
    const PeriodBar* bar = m_grid.periodBar(entry);
    if (!bar)
        return;
    const CellDay& day = m_grid.cellDay(cell);
    static constexpr TColor kLaneColors[] = {kDefaultScheduleColor, 0x008080, 0x305080};
    const bool selected = entry.index == m_grid.state().selectedPeriod;
    const QColor color = selected ? ToQColor(clFuchsia, m_colors.palette)
                                  : tint(ToQColor(bar->colour.value_or(kLaneColors[lane % 3]), m_colors.palette), day);
    const int y = rect.top + m_grid.cellMetrics().barY(lane);
    const BarSpan span = PeriodBarSpan(*bar, day.day, rect);
    painter.setPen(QPen(color, selected ? 3 : bar->penWidth));
    painter.drawLine(span.x0, y, span.x1, y);
    if (span.startTick)
        painter.drawLine(span.x0, y, span.x0 + 15, y + 2);
    if (span.endTick)
        painter.drawLine(span.x1 - 15, y - 2, span.x1, y);
    if (bar->title.empty() || day.date.month != bar->titleMonth || day.date.day != bar->titleDay)
        return;
    // The title may run on over the following cells of the bar in the same week row, not beyond.
    const int row = cell / 7 + 1;
    const int32_t rowLastDay = m_grid.firstVisibleDay() + (row - 1) * 7 + 6;
    const int lastColumn = cell % 7 + static_cast<int>(std::min(bar->end, rowLastDay) - day.day);
    const QRect clip(QPoint(span.x0, rect.top),
                     QPoint(m_geometry.cellRect(lastColumn, row).right - 1, rect.bottom - 1));
    titles.push_back({clip, QPoint(span.x0, y - 7), QString::fromStdString(bar->title), color, background});
}

void MonthGridPainter::drawGridLines(QPainter& painter) const {
    painter.setPen(ToQColor(kGridLineColor, m_colors.palette));
    const int top = m_geometry.headerHeight();
    const int bottom = m_geometry.cellRect(0, m_geometry.rows() - 1).bottom - 1;
    const int right = m_geometry.cellRect(6, 1).right - 1;
    for (int row = 1; row < m_geometry.rows(); ++row) {
        const GridRect rect = m_geometry.cellRect(0, row);
        painter.drawLine(0, rect.top, right, rect.top);
    }
    painter.drawLine(0, bottom, right, bottom);
    for (int column = 1; column < 7; ++column) {
        const int x = m_geometry.cellRect(column, 1).left;
        painter.drawLine(x, top, x, bottom);
    }
}

} // namespace rekko
