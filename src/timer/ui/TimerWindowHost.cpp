// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, closing and taking back the timer window.
#include "TimerWindowHost.h"

#include <QApplication>

#include <exception>

namespace rekko {

TimerWindowHost::TimerWindowHost(CountdownTimer& timer, const Clock& clock, Dialogs& dialogs, QWidget* parentWindow)
    : QObject(parentWindow), m_timer(timer), m_clock(clock), m_dialogs(dialogs), m_parentWindow(parentWindow) {}

TimerWindowHost::~TimerWindowHost() {
    delete m_window;
}

void TimerWindowHost::openSetting() {
    if (m_window) {
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    open(TimerWindowMode::Setting, "タイマーエラー（設定）");
}

void TimerWindowHost::queueAlert() {
    emit armedChanged(false);
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_window)
                open(TimerWindowMode::Alert, "タイマーエラー（表示）");
        },
        Qt::QueuedConnection);
}

void TimerWindowHost::switchFunction(bool on) {
    const bool wasArmed = m_timer.armed();
    m_timer.switchFunction(on);
    if (wasArmed != m_timer.armed())
        emit armedChanged(m_timer.armed());
}

void TimerWindowHost::open(TimerWindowMode mode, const char* failure) {
    try {
        m_window = new TimerWindow(m_clock, m_dialogs, m_timer, mode, m_parentWindow);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_window, &QDialog::finished, this, [this, window = m_window.data()] {
            m_timer = window->timer();
            emit armedChanged(m_timer.armed());
            emit closed();
        });
        m_timer.disarm();
        emit armedChanged(false);
        m_window->show();
    } catch (const std::exception&) {
        delete m_window;
        m_dialogs.inform(failure);
    }
}

void ShowTimerArmed(QAbstractButton& button, bool armed) {
    QPalette palette = QApplication::palette(&button);
    if (armed) {
        palette.setColor(QPalette::Button, QColor(0xFF, 0x80, 0x40));
        palette.setColor(QPalette::ButtonText, Qt::white);
    }
    button.setPalette(palette);
}

} // namespace rekko
