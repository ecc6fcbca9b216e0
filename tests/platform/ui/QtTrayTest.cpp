// SPDX-License-Identifier: GPL-3.0-or-later
// Going resident on a desktop with a window manager: without a tray the window is iconified (WM_STATE Iconic); once
// a tray host (trayer) runs, the window hides behind the icon and the icon's menu and a click bring it back.
#include "platform/ui/QtTray.h"

#include "X11Desktop.h"

#include <QApplication>
#include <QPixmap>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <algorithm>

using namespace rekko;
using namespace rekko::test;

namespace {

class Commands : public TrayListener {
public:
    void trayRestore() override {
        ++restores;
        tray->restoreWindow();
    }
    void trayGoResident() override { tray->hideWindow(); }
    void trayExit() override { ++exits; }

    Tray* tray = nullptr;
    int restores = 0;
    int exits = 0;
};

QIcon RedIcon() {
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}

// Answers whether the tray host shows the icon where it stays: Qt's icon widget is exposed once it is docked, and
// the host may still move it while its panel grows.
bool IconDocked(QtTray& tray) {
    const auto widgets = QApplication::topLevelWidgets();
    const bool exposed = std::any_of(widgets.begin(), widgets.end(), [](QWidget* widget) {
        return widget->inherits("QSystemTrayIconSys") && widget->windowHandle() && widget->windowHandle()->isExposed();
    });
    const QRect before = tray.icon().geometry();
    QTest::qWait(250);
    return exposed && !before.isEmpty() && tray.icon().geometry() == before;
}

// Clicks the icon as a hand does: the pointer comes from elsewhere and rests on it, then a press, a moment, a release
// (a menu opened by the press stays open).
void ClickIcon(QtTray& tray, const char* button) {
    const QPoint centre = tray.icon().geometry().center();
    Xdotool({"mousemove", "640", "600"});
    QTest::qWait(100);
    Xdotool({"mousemove", QString::number(centre.x()), QString::number(centre.y())});
    QTest::qWait(200);
    Xdotool({"mousedown", button});
    QTest::qWait(150);
    Xdotool({"mouseup", button});
}

} // namespace

class QtTrayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(WaitForWindowManager());
        m_window.setWindowTitle("Rekko - Rekko -");
        // Away from the tray at the top right, so that the window never covers the icon.
        m_window.setGeometry(100, 400, 320, 200);
        m_window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_window));
        m_commands.tray = &m_tray;
    }

    void withoutATrayGoingResidentIconifies() {
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        QCOMPARE(m_tray.hideWindow(), ResidentMode::Minimised);
        QTRY_COMPARE(WmState(m_window.winId()), kIconicState);
        QVERIFY(!m_tray.icon().isVisible());
        m_tray.restoreWindow();
        QTRY_COMPARE(WmState(m_window.winId()), kNormalState);
        QTRY_VERIFY(m_window.isActiveWindow());
    }

    // The tray host starts after the program, as a panel may after an autostart.
    void aTrayStartedLaterHidesTheWindowAndItsIconBringsItBack() {
        QProcess trayer;
        trayer.start("trayer", {"--edge", "top", "--align", "right", "--height", "32", "--widthtype", "request"});
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);

        QCOMPARE(m_tray.hideWindow(), ResidentMode::Hidden);
        QTRY_VERIFY(!m_window.isVisible());
        QTRY_COMPARE(WmState(m_window.winId()), 0u);
        QTRY_VERIFY(IconDocked(m_tray));

        ClickIcon(m_tray, "1");
        QTRY_COMPARE(m_commands.restores, 1);
        QTRY_COMPARE(WmState(m_window.winId()), kNormalState);
        QTRY_VERIFY(m_window.isActiveWindow());

        ClickIcon(m_tray, "3");
        QTRY_VERIFY(m_tray.menu().isVisible());
        Xdotool({"key", "j"});
        QTRY_VERIFY(!m_window.isVisible());

        ClickIcon(m_tray, "3");
        QTRY_VERIFY(m_tray.menu().isVisible());
        Xdotool({"key", "x"});
        QTRY_COMPARE(m_commands.exits, 1);
        trayer.terminate();
        trayer.waitForFinished();
    }

private:
    QWidget m_window;
    Commands m_commands;
    QtTray m_tray{m_window, RedIcon(), m_commands};
};

QTEST_MAIN(QtTrayTest)
#include "QtTrayTest.moc"
