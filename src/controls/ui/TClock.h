// SPDX-License-Identifier: GPL-3.0-or-later
// TClock: an analogue clock that follows the clock port once a second or shows a time it is given.
#pragma once

#include "calendar/Julius.h"
#include "platform/Clock.h"

#include <QColor>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdint>

namespace rekko {

class TClock : public QWidget {
    Q_OBJECT
public:
    // A new clock is 150 x 150 pixels, shows 10:10:30 and follows the clock port (AutoUpdate on).
    explicit TClock(const Clock& clock, QWidget* parent = nullptr);

    // The time shown. Setting a part repaints, but only while AutoUpdate is off.
    uint16_t hour() const { return m_hour; }
    uint16_t min() const { return m_min; }
    uint16_t sec() const { return m_sec; }
    void setHour(uint16_t hour);
    void setMin(uint16_t minute);
    void setSec(uint16_t second);
    // The shown time as a time of day (no milliseconds); setting it is ignored while AutoUpdate is on.
    LocalDateTime time() const;
    void setTime(LocalDateTime time);

    int margin() const { return m_margin; }
    void setMargin(int margin);
    // Following the clock port; turning it on also makes hands and dots black. The one-second timer runs only then.
    bool autoUpdate() const { return m_timer.isActive(); }
    void setAutoUpdate(bool on);
    bool numbering() const { return m_numbering; }
    void setNumbering(bool on);
    bool innerNumber() const { return m_innerNumber; }
    void setInnerNumber(bool on);
    bool showSecondArm() const { return m_showSecondArm; }
    void setShowSecondArm(bool on);
    QColor armColor() const { return m_armColor; }
    void setArmColor(const QColor& colour);
    QColor dotColor() const { return m_dotColor; }
    void setDotColor(const QColor& colour);
    int longArmWidth() const { return m_longArmWidth; }
    void setLongArmWidth(int width);
    int shortArmWidth() const { return m_shortArmWidth; }
    void setShortArmWidth(int width);
    // The background picture: tiled from the top-left corner when backArrange is 0, else drawn once, centred.
    QPixmap back() const { return m_back; }
    void setBack(const QPixmap& picture);
    int backArrange() const { return m_backArrange; }
    void setBackArrange(int arrange);

    QSize sizeHint() const override { return {150, 150}; }

signals:
    // OnClockTime: each second while AutoUpdate is on, with the time just shown.
    void clockTime(TClock* clock, int hour, int minute, int second);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setPart(uint16_t& part, uint16_t value);
    void tick();
    void paintBackground(QPainter& painter) const;

    const Clock& m_clock;
    QTimer m_timer;
    uint16_t m_hour = 10;
    uint16_t m_min = 10;
    uint16_t m_sec = 30;
    int m_margin = 10;
    bool m_numbering = true;
    bool m_innerNumber = true;
    bool m_showSecondArm = true;
    QColor m_armColor{Qt::black};
    QColor m_dotColor{Qt::black};
    int m_longArmWidth = 4;
    int m_shortArmWidth = 6;
    QPixmap m_back;
    int m_backArrange = 0;
};

} // namespace rekko
