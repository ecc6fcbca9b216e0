// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of going resident and of restoring the main window.
#include "Residency.h"

#include "app/Hotkeys.h"
#include "app/Settings.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QTimer>

namespace rekko {

namespace {

// The icon of the tray: the character for calendar on a red square. It is painted when the tray first asks for
// it, since loading the large face for it would otherwise cost every start.
class TrayIconPicture : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->fillRect(rect, QColor(0xC0, 0x20, 0x20));
        QFont font = QApplication::font();
        font.setPixelSize(rect.height() * 3 / 4);
        painter->setFont(font);
        painter->setPen(Qt::white);
        painter->drawText(rect, Qt::AlignCenter, QStringLiteral("暦"));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(32, 32)}; }
    QIconEngine* clone() const override { return new TrayIconPicture; }
};

} // namespace

Residency::Residency(QWidget& window, ResidentWindow& pages, const Settings& settings)
    : QObject(&window), m_window(window), m_pages(pages), m_settings(settings),
      m_tray(window, QIcon(new TrayIconPicture), *this) {}

void Residency::setUpTray() {
    // The tray icon follows the window's first paint rather than delaying it.
    QTimer::singleShot(0, this, [this] { m_tray.setUp(); });
}

bool Residency::inSight() const {
    return m_window.isVisible() && !m_window.isMinimized();
}

void Residency::goResident() {
    m_pages.leaveForResidence();
    if (m_tray.hideWindow() == ResidentMode::Minimised && !m_minimisedNoticeShown) {
        m_minimisedNoticeShown = true;
        m_pages.showNotice(kMinimisedNotice);
    }
}

void Residency::restore() {
    if (!inSight()) {
        m_pages.returnFromResidence();
        m_tray.restoreWindow();
        return;
    }
    // In sight: an open dialog of the program comes to the front, or else the main window.
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        front = &m_window;
    front->raise();
    front->activateWindow();
}

void Residency::residentHotkey() {
    const auto move = ResidentHotkeyMove(m_settings.cbHotkey, inSight(), QApplication::activeWindow() != nullptr);
    if (move == ResidencyMove::GoResident)
        goResident();
    else if (move == ResidencyMove::Restore)
        restore();
}

void Residency::trayExit() {
    m_window.close();
}

} // namespace rekko
