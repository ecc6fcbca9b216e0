// SPDX-License-Identifier: GPL-3.0-or-later
// The real program resident on an X11 desktop (Xvfb, openbox, xdotool), ended from a tray host's icon, and the
// timer's alert coming on top while the main window is out of sight.
#include "Desktop.h"
#include "Pictures.h"
#include "SampleWindow.h"
#include "WindowParts.h"

#include "platform/ui/X11GlobalHotkeys.h"

#include <QDate>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QThread>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace rekko {
namespace {

namespace fs = std::filesystem;
using test::WaitUntil;

// Returns what xprop says of a property of a window.
QString XProperty(const QString& window, const char* property) {
    QProcess xprop;
    xprop.start("xprop", {"-id", window, property});
    xprop.waitForFinished(5000);
    return QString::fromUtf8(xprop.readAllStandardOutput());
}

// The X window ids of the windows of a process that are in sight.
QStringList WindowsInSight(qint64 pid) {
    QProcess xdotool;
    xdotool.start("xdotool", {"search", "--onlyvisible", "--pid", QString::number(pid)});
    xdotool.waitForFinished(5000);
    return QString::fromUtf8(xdotool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// The window state the window manager gives a window: "Normal", "Iconic", or "" when it has none (withdrawn).
QString WmState(const QString& window) {
    const QString output = XProperty(window, "WM_STATE");
    const qsizetype at = output.indexOf("window state: ");
    return at < 0 ? QString() : output.mid(at + 14).section('\n', 0, 0).trimmed();
}

bool WaitForState(const QString& window, const QString& state) {
    return WaitUntil([&] { return WmState(window) == state; }, 10000);
}

// Saves the picture of another program's window in the screenshot folder once it is painted; it must show something.
void SaveWindowPicture(const QString& window, const QString& name) {
    QImage picture;
    WaitUntil([&] {
        picture = QGuiApplication::primaryScreen()->grabWindow(window.toULongLong(nullptr, 0)).toImage();
        return test::ColourCount(picture) >= 20;
    });
    const QString folder = qEnvironmentVariable("REKKO_SCREENSHOT_DIR", "screenshots");
    fs::create_directories(folder.toStdString());
    EXPECT_TRUE(picture.save(folder + "/" + name + ".png"));
    EXPECT_GE(test::ColourCount(picture), 20) << name.toStdString();
}

// Rekko with an empty data folder.
class Resident : public ::testing::Test {
protected:
    bool settingsWritten() const { return fs::exists(rekko.programFolder() / "Sorel.ini"); }

    test::RekkoProcess rekko{REKKO_EXECUTABLE};
};

TEST_F(Resident, CtrlF12WithoutATrayIconifiesTheWindowAndBringsItBack) {
    ASSERT_TRUE(rekko.start());
    test::Keys("ctrl+F12");
    ASSERT_TRUE(WaitForState(rekko.mainWindow(), "Iconic"));
    // Going resident saved everything first.
    EXPECT_TRUE(settingsWritten());
    test::Keys("ctrl+F12");
    ASSERT_TRUE(WaitForState(rekko.mainWindow(), "Normal"));
    EXPECT_TRUE(test::WaitUntilWindowActive(rekko.mainWindow()));
    SaveWindowPicture(rekko.mainWindow(), "resident-minimised-notice");
    EXPECT_EQ(rekko.terminate(), 0);
}

// Resident behind the icon of a tray host, "Rekko終了" from the icon's menu ends the program in order: the edit made
// before is in its month file, the stop line is the record's last, and the process is gone.
TEST_F(Resident, RekkoExitFromTheTrayWhileResidentEndsInOrder) {
    QProcess trayer;
    trayer.start("trayer", {"--edge", "top", "--align", "right", "--height", "32", "--widthtype", "request"});
    ASSERT_TRUE(trayer.waitForStarted());
    std::ofstream(rekko.programFolder() / "Sorel.ini", std::ios::binary) << "[Settei]\r\ncbKidouKiroku=1\r\n";
    std::ofstream(rekko.programFolder() / "SorelSte.myd", std::ios::binary) << "";
    ASSERT_TRUE(rekko.start());
    ASSERT_TRUE(rekko.writeLineOnThe1st("tray-exit"));
    test::Keys("ctrl+F12");
    ASSERT_TRUE(WaitForState(rekko.mainWindow(), ""));
    // Out of sight but for its icon.
    QStringList inSight;
    ASSERT_TRUE(WaitUntil([&] { return (inSight = WindowsInSight(rekko.pid())).size() == 1; }));
    const QString icon = inSight[0];
    // The menu opens beside the icon. The tray host may still be embedding the icon when it first shows, and a press
    // then goes nowhere: the user presses again.
    bool menuShown = false;
    for (int press = 0; press < 3 && !menuShown; ++press) {
        test::Xdotool({"mousemove", "--window", icon, "8", "8", "mousedown", "3"});
        QThread::msleep(150);
        test::Xdotool({"mouseup", "3"});
        menuShown = WaitUntil([&] { return WindowsInSight(rekko.pid()).size() == 2; }, 3000);
    }
    ASSERT_TRUE(menuShown);
    test::Keys("x");
    EXPECT_EQ(rekko.waitForEnd(), 0);
    const QDate today = QDate::currentDate();
    const auto month =
        rekko.dataFolder() / QString::asprintf("Ca%.4d%.2d.myc", today.year(), today.month()).toStdString();
    EXPECT_NE(test::ReadFile(month).find(" 1,1,,tray-exit,"), std::string::npos);
    const QStringList record = QString::fromStdString(test::ReadFile(rekko.programFolder() / "SorelSte.myd"))
                                   .split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(record.size(), 2);
    EXPECT_TRUE(record[1].startsWith("E:")) << record[1].toStdString();
    trayer.terminate();
    trayer.waitForFinished();
}

// Another client holds Ctrl+F12: the start says so, and the key stays with its holder.
TEST_F(Resident, AHotkeyHeldByAnotherClientIsReported) {
    struct Ignore : HotkeyListener {
        void hotkeyPressed(int) override {}
    } listener;
    auto holder = test::OnGui([&] { return X11GlobalHotkeys::Create(listener).release(); });
    ASSERT_NE(holder, nullptr);
    ASSERT_TRUE(test::OnGui([&] { return holder->grab(1, HotkeyKey::ControlF12).ok(); }));
    ASSERT_TRUE(rekko.launch());
    const QString box = test::WaitForWindow(rekko.pid(), "^確認 -Rekko-$");
    ASSERT_FALSE(box.isEmpty());
    ASSERT_TRUE(test::WaitUntilWindowActive(box));
    test::Keys("Return");
    ASSERT_TRUE(rekko.waitForMainWindow());
    test::Keys("ctrl+F12");
    QThread::msleep(1000);
    EXPECT_EQ(WmState(rekko.mainWindow()), "Normal");
    EXPECT_EQ(rekko.terminate(), 0);
    test::OnGui([&] { delete holder; });
}

// The timer comes due while the main window is minimised in place of the tray: its window shows, above the others.
TEST(TimerOnTheDesktop, TheAlertComesOnTopWhileTheMainWindowIsResident) {
    test::SampleWindow s("", [](test::SampleWindow& w) { w.clock.set(EncodeDateTime({2026, 12, 6}, {11, 0, 0})); });
    ASSERT_TRUE(s.started);
    const QString main = QString::number(s.window->winId());
    test::Drive([&] {
        test::OnGui([&] {
            s.controller.timer().arm(12 * 3600 * 1000);
            test::PartsOf(*s.window).residency->goResident();
        });
        ASSERT_TRUE(WaitForState(main, "Iconic"));
        test::OnGui([&] {
            s.clock.set(EncodeDateTime({2026, 12, 6}, {11, 57, 0}));
            test::PartsOf(*s.window).tick->tick().tick();
        });
        QString alert;
        ASSERT_TRUE(WaitUntil([&] {
            const TimerWindow* window = test::PartsOf(*s.window).timerHost->window();
            alert = window && window->isVisible() ? QString::number(window->winId()) : QString();
            return !alert.isEmpty();
        }));
        EXPECT_TRUE(WaitForState(alert, "Normal"));
        EXPECT_TRUE(XProperty(alert, "_NET_WM_STATE").contains("_NET_WM_STATE_ABOVE"));
        EXPECT_EQ(WmState(main), "Iconic");
    });
}

} // namespace
} // namespace rekko

int main(int argc, char** argv) {
    return rekko::test::RunDesktopTests(argc, argv);
}
