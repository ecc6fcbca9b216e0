// SPDX-License-Identifier: GPL-3.0-or-later
// Properties, ticking and painting of the analogue clock.
#include "TClock.h"

#include "controls/ClockGeometry.h"

#include <QLocale>
#include <QPainter>
#include <QTime>

namespace rekko {

namespace {

QPointF pointOf(const ClockPoint& p) {
    return {p.x, p.y};
}

// The top-left corner of a text box of the given size whose edges rest on the anchor as the number asks.
QPointF textCorner(const ClockNumber& number, const QSizeF& size) {
    auto offset = [](TextEdge edge, double length) {
        return edge == TextEdge::Start ? 0.0 : edge == TextEdge::Middle ? length / 2 : length;
    };
    return {number.anchor.x - offset(number.horizontal, size.width()),
            number.anchor.y - offset(number.vertical, size.height())};
}

void drawHand(QPainter& painter, const ClockHand& hand, const QColor& colour, int width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(pointOf(hand.tail), pointOf(hand.tip));
}

} // namespace

TClock::TClock(const Clock& clock, QWidget* parent) : QWidget(parent), m_clock(clock) {
    resize(150, 150);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &TClock::tick);
    m_timer.start();
}

void TClock::setPart(uint16_t& part, uint16_t value) {
    if (autoUpdate())
        return;
    part = value;
    update();
}

void TClock::setHour(uint16_t hour) {
    setPart(m_hour, hour);
}
void TClock::setMin(uint16_t minute) {
    setPart(m_min, minute);
}
void TClock::setSec(uint16_t second) {
    setPart(m_sec, second);
}

LocalDateTime TClock::time() const {
    return (m_hour * 3600.0 + m_min * 60.0 + m_sec) / 86400.0;
}

void TClock::setTime(LocalDateTime time) {
    if (autoUpdate())
        return;
    const TimeOfDay parts = TimeOf(time);
    m_hour = static_cast<uint16_t>(parts.hour);
    m_min = static_cast<uint16_t>(parts.minute);
    m_sec = static_cast<uint16_t>(parts.second);
    update();
}

void TClock::setMargin(int margin) {
    m_margin = margin;
    update();
}

void TClock::setAutoUpdate(bool on) {
    if (on) {
        m_armColor = Qt::black;
        m_dotColor = Qt::black;
        m_timer.start();
    } else {
        m_timer.stop();
    }
    update();
}

void TClock::setNumbering(bool on) {
    m_numbering = on;
    update();
}

void TClock::setInnerNumber(bool on) {
    m_innerNumber = on;
    update();
}

void TClock::setShowSecondArm(bool on) {
    m_showSecondArm = on;
    update();
}

void TClock::setArmColor(const QColor& colour) {
    m_armColor = colour;
    update();
}

void TClock::setDotColor(const QColor& colour) {
    m_dotColor = colour;
    update();
}

void TClock::setLongArmWidth(int width) {
    m_longArmWidth = width;
    update();
}

void TClock::setShortArmWidth(int width) {
    m_shortArmWidth = width;
    update();
}

void TClock::setBack(const QPixmap& picture) {
    m_back = picture;
    update();
}

void TClock::setBackArrange(int arrange) {
    m_backArrange = arrange;
    update();
}

void TClock::tick() {
    update();
    const TimeOfDay now = TimeOf(m_clock.now());
    emit clockTime(this, now.hour, now.minute, now.second);
}

void TClock::paintBackground(QPainter& painter) const {
    painter.fillRect(rect(), palette().color(backgroundRole()));
    if (m_back.isNull())
        return;
    if (m_backArrange == 0)
        painter.drawTiledPixmap(rect(), m_back);
    else
        painter.drawPixmap((width() - m_back.width()) / 2, (height() - m_back.height()) / 2, m_back);
}

// Qt paints every widget into its window's off-screen buffer and shows it in one step, so the dial does not flicker.
void TClock::paintEvent(QPaintEvent*) {
    if (autoUpdate()) {
        const TimeOfDay now = TimeOf(m_clock.now());
        m_hour = static_cast<uint16_t>(now.hour);
        m_min = static_cast<uint16_t>(now.minute);
        m_sec = static_cast<uint16_t>(now.second);
    }
    QPainter painter(this);
    paintBackground(painter);
    const auto face = LayoutClockFace(width(), height(), m_margin, m_innerNumber, {m_hour, m_min, m_sec});
    if (face) {
        painter.setRenderHint(QPainter::Antialiasing);
        // Whole coordinates fall on pixel centres, so the dots and straight hands stay crisp.
        painter.translate(0.5, 0.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_dotColor);
        for (const ClockDot& dot : face->dots)
            painter.drawEllipse(QPointF(dot.x, dot.y), dot.halfSize, dot.halfSize);
        if (m_numbering) {
            painter.setPen(palette().color(foregroundRole()));
            const QFontMetricsF metrics(font());
            for (const ClockNumber& number : face->numbers) {
                const QString text = QString::number(number.number);
                const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
                painter.drawText(QRectF(textCorner(number, size), size), Qt::AlignCenter, text);
            }
        }
        drawHand(painter, face->hourHand, m_armColor, m_shortArmWidth);
        drawHand(painter, face->minuteHand, m_armColor, m_longArmWidth);
        if (m_showSecondArm)
            drawHand(painter, face->secondHand, Qt::red, 1);
    }
    // The hint names the shown time in the long time format (午前 10:10:30 in Japanese).
    const QString hint = QLocale().toString(QTime(m_hour % 24, m_min % 60, m_sec % 60), QStringLiteral("AP h:mm:ss"));
    if (hint != toolTip())
        setToolTip(hint);
}

} // namespace rekko
