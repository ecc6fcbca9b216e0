// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on the offscreen platform: the settings it shows and saves, the start and close rules as the user
// meets them, the timers across activations, an error that reaches the event loop; over the sample data, a grid day
// handed to Zunbo and the memo to Pomta.
#include "LoopbackHttpServer.h"
#include "SampleWindow.h"
#include "WindowParts.h"

#include "app/ui/RekkoApplication.h"
#include "base/TextFile.h"
#include "year/ui/YearPage.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <fstream>

using namespace rekko;

namespace {

namespace fs = std::filesystem;

// One main window over fresh folders on 2024-05-03 at 15:05, its data in the current directory (no data folder
// setting) with an empty period file and memo.
struct Fixture : test::WindowFolders<> {
    Fixture() : WindowFolders(EncodeDateTime({2024, 5, 3}, {15, 5, 0})) {
        window = std::make_unique<MainWindow>(controller, dialogs);
        data.write("CaFromTo.myc", "***** FromTo\x97\x5C\x92\xE8\r\n");
        data.write("CaMemo.myc", "");
    }

    // Finds a control by name; the settings page makes its controls first.
    template <class T> T* find(const char* name) const {
        test::PartsOf(*window).settingsPage->build();
        T* found = window->findChild<T*>(name);
        if (!found)
            qWarning("no control named %s", name);
        return found;
    }
    std::string settingsFile() const { return program.read("Sorel.ini"); }
};

// The settings of the test data, their data folder moved to the given one (the file names a folder of a user's home).
std::string fixtureSettings(const fs::path& dataFolder) {
    std::string bytes = test::ReadFile(test::TestDataDir() / "Sorel.ini");
    const size_t begin = bytes.find("\nedFolder=") + 1;
    const size_t end = bytes.find("\r\n", begin);
    return bytes.replace(begin, end - begin, "edFolder=" + dataFolder.string() + "/");
}

// Returns a point of the grid widget inside the cell of a day, found through the grid's own hit test.
QPoint OverDay(const test::SampleWindow& s, int32_t day) {
    for (int y = 0; y < s.grid()->height(); y += 4)
        for (int x = 0; x < s.grid()->width(); x += 8)
            if (const GridHit hit = s.grid()->grid().hitTest(x, y); hit.cell() >= 0 && hit.day == day)
                return QPoint(x, y) + s.grid()->contentsRect().topLeft();
    return {};
}

// A sibling program that notes each start, with its arguments, in the file "started" of the data folder.
void InstallSibling(test::SampleWindow& s, const char* name) {
    const std::filesystem::path program = s.program.path() / name;
    std::ofstream(program) << "#!/bin/sh\necho \"" << name << " $*\" >> '" << (s.data.path() / "started").string()
                           << "'\n";
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The settings read are shown (the controls follow them) and each change is saved; keys of other sections and
    // keys whose controls are hidden stay. 線の色 shows the default period colour as a swatch with its name; its
    // button opens the schedule dialog's colour chooser, and the choice is saved as colour text.
    void showsTheSettingsReadAndSavesTheControls() {
        Fixture f;
        f.program.write("Sorel.ini", fixtureSettings(f.data.path()));
        QVERIFY(f.window->start({}, f.programs.path()));
        // The switches reach the menus before the settings page is made, on its first opening.
        QVERIFY(test::PartsOf(*f.window).menus->actions().startRecord->isEnabled());
        QVERIFY(test::PartsOf(*f.window).menus->actions().clockCorrection->isEnabled());
        QVERIFY(!test::PartsOf(*f.window).settingsPage->built());
        QCOMPARE(f.find<QLineEdit>("edtKidouGyou")->text(), QString("50"));
        QCOMPARE(f.find<QComboBox>("cbTimer")->currentText(), QString("20"));
        QCOMPARE(f.window->pos(), QPoint(120, 40));

        f.find<QCheckBox>("cbZenkai")->setChecked(true);
        f.find<QLineEdit>("edtKidouGyou")->setText("abc");
        f.find<QSpinBox>("udKFutosa")->setValue(3);

        f.window->show();
        f.window->openSettings();
        CalendarSettingsPage* page = test::PartsOf(*f.window).settingsPage->calendar();
        f.find<QTabWidget>("pcSettei")->setCurrentWidget(page);
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        ColourField* field = page->lineColour();
        const auto shown = [field] {
            const QImage swatch = field->swatch()->grab().toImage();
            return std::pair(field->name()->text(), swatch.pixelColor(swatch.rect().center()));
        };
        QCOMPARE(shown(), std::pair(QString("赤色"), QColor(Qt::red)));

        const auto choose = [field](const QColor& colour) {
            QTimer::singleShot(0, [colour] {
                auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
                QVERIFY(chooser);
                QCOMPARE(QColorDialog::customColor(0), QColor(0x48, 0x48, 0x48));
                chooser->setCurrentColor(colour);
                chooser->accept();
            });
            field->changeButton()->click();
        };
        choose(QColor(0, 0, 0x80));
        QCOMPARE(shown(), std::pair(QString("clNavy"), QColor(0, 0, 0x80)));
        choose(QColor(0, 0x80, 0x80));
        QCOMPARE(shown(), std::pair(QString("青緑"), QColor(0, 0x80, 0x80)));

        QVERIFY(f.window->close());
        const auto saved = ProfileFile::FromBytes(f.settingsFile());
        const std::pair<const char*, const char*> values[] = {
            {"cbZenkai", "1"}, {"udKidouGyou", "100"}, {"udKFutosa", "3"}, {"edtKColor", "clTeal"}};
        for (const auto& [key, value] : values)
            QCOMPARE(saved.readString("Settei", key), std::optional<std::string>(value));
        QCOMPARE(saved.readString("Jikoku", "edtWebSV1"), std::optional<std::string>("http://時刻.example.jp/jst.cgi"));
    }

    // A window made smaller than its pages stops at their least size: the month grid keeps one line between the day
    // numbers and the rokuyo of each week, the buttons stay below it, and the year page's calendars keep their
    // numbers and rokuyo apart and clear of the month labels below.
    void aShrunkWindowStopsBeforeItsControlsOverlap() {
        test::SampleWindow s;
        QVERIFY(s.started);
        s.window->resize(400, 300);
        QApplication::processEvents();
        const MonthGrid& grid = s.grid()->grid();
        QVERIFY2(grid.geometry().rowPitch() >= grid.cellMetrics().pitchFor(1),
                 qPrintable(QString::number(s.window->height())));
        QVERIFY(grid.lanes() < grid.options().ItemGyo);
        QVERIFY(grid.geometry().headerRect(0).height() >=
                QFontMetrics(s.grid()->Fonts()->font(TCalExFonts::DayOfWeek).font).height());
        const QWidget* settings = test::PartsOf(*s.window).monthPage->buttons().settings;
        QVERIFY(settings->mapTo(s.window.get(), QPoint()).y() >=
                s.grid()->mapTo(s.window.get(), QPoint()).y() + s.grid()->height());

        test::PartsOf(*s.window).pages->setCurrentWidget(test::PartsOf(*s.window).yearPage()->parentWidget());
        s.window->resize(400, 300);
        QTest::qWait(20);
        const YearPageControls& year = test::PartsOf(*s.window).yearPage()->controls();
        for (size_t i = 0; i < year.SeMCalendar.size(); ++i) {
            const TSeMCalendar* calendar = year.SeMCalendar[i];
            QVERIFY(calendar->ShowRokuyo());
            QVERIFY2(calendar->height() >= calendar->minimumSizeHint().height(), qPrintable(QString::number(i)));
            if (i + 4 < year.Label.size())
                QVERIFY2(calendar->geometry().bottom() < year.Label[i + 4]->geometry().top(),
                         qPrintable(QString("%1 %2 %3 %4 %5")
                                        .arg(i)
                                        .arg(calendar->geometry().bottom())
                                        .arg(year.Label[i + 4]->geometry().top())
                                        .arg(s.window->height())
                                        .arg(calendar->height())));
        }
    }

    // Interrupted writes left temporaries everywhere, the period file being a link into another folder: the start
    // removes those of the program's own files and nothing else.
    void theStartRemovesOnlyOurStaleTemporaries() {
        Fixture f;
        test::TempDir store;
        store.write("periods.myc", "***** FromTo\x97\x5C\x92\xE8\r\n");
        fs::remove(f.data / "CaFromTo.myc");
        fs::create_symlink(store / "periods.myc", f.data / "CaFromTo.myc");
        const fs::path stale[] = {f.program / ".Sorel.ini.Ab12Cd", f.data / ".Ca202405.myc.Ab12Cd",
                                  f.data / ".Sday.myc.q1w2e3", store / ".CaFromTo.myc.Zx9Yw8"};
        const fs::path kept[] = {f.data / ".notes.txt.Ab12Cd", f.program / ".Sorel.ini.Ab12C",
                                 store / ".Ca202405.myc.Ab12Cd"};
        for (const fs::path& file : stale)
            std::ofstream(file) << "partial";
        for (const fs::path& file : kept)
            std::ofstream(file) << "keep";
        QVERIFY(f.window->start({}, f.programs.path()));
        for (const fs::path& file : stale)
            QVERIFY2(!fs::exists(file), file.c_str());
        for (const fs::path& file : kept)
            QVERIFY2(fs::exists(file), file.c_str());
    }

    void aFailedStartShowsOneMessageNamingTheFile() {
        Fixture f;
        fs::create_directory(f.data / "Ca202405.myc");
        f.dialogs.expect(DialogAnswer::Ok, "月の初期設定に失敗しました。\r\nCa202405.myc: ");
        QVERIFY(!f.window->start({}, f.programs.path()));
        QVERIFY(f.dialogs.shown().back().text.ends_with(
            "\r\n一旦、終了させますので\r\nもう一度、立ち上げ直してください。"));

        // A data folder that cannot be made: its own error box ends the start, no second message.
        Fixture folder;
        folder.program.write("Sorel.ini", "[Settei]\r\nedFolder=/proc/rekko-test/data/\r\n");
        folder.dialogs.expect(DialogAnswer::Ok, "/proc/rekko-test/data/CaFromTo.myc が存在しません。");
        folder.dialogs.expect(DialogAnswer::Ok, "フォルダを作成できません。");
        QVERIFY(!folder.window->start({}, folder.programs.path()));
        QCOMPARE(folder.dialogs.shown().back().caption, std::string("エラー"));
    }

    void theDataFolderGroupFollowsTheChangeFlow() {
        Fixture f;
        QVERIFY(f.window->start({}, f.programs.path()));
        test::PartsOf(*f.window).settingsPage->basic()->dataFolder()->setFolderBrowser(
            [&f](QWidget*, const QString&) { return QString::fromStdString(f.programs.path()); });
        QLineEdit* field = f.find<QLineEdit>("edFolder");
        QVERIFY(!f.find<QPushButton>("btnDFJikkou")->isEnabled());

        f.dialogs.expect(DialogAnswer::No);
        QTest::mouseClick(f.find<QToolButton>("FramSpeedBtn17"), Qt::LeftButton);
        QCOMPARE(field->text(), QString::fromStdString(f.programs.path().string() + "/"));
        QVERIFY(f.find<QPushButton>("btnDFJikkou")->isEnabled());
        // A change still pending is not what the settings file keeps.
        QVERIFY(f.window->saveAll().ok());
        QCOMPARE(ProfileFile::FromBytes(f.settingsFile()).readString("Settei", "edFolder"),
                 std::optional<std::string>(""));

        QTest::mouseClick(f.find<QPushButton>("btnDFCancel"), Qt::LeftButton);
        QCOMPARE(field->text(), QString());
        QVERIFY(field->isReadOnly());
    }

    void aPressOnTheGridStopsTheResidentCountdown() {
        Fixture f;
        QVERIFY(f.window->start({"/J05"}, f.programs.path()));
        QSignalSpy resident(f.window.get(), &MainWindow::residentRequested);
        f.window->show();
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTimer* countdown = f.window->findChild<QTimer*>("tmJouchuu");
        QVERIFY(countdown->isActive());
        QTest::mouseClick(test::PartsOf(*f.window).monthView->grid(), Qt::LeftButton);
        QVERIFY(!countdown->isActive());
        QCOMPARE(test::PartsOf(*f.window).tick->status().countdownSeconds(), 0);
        QVERIFY(!f.find<QLabel>("pnlStatus1")->text().contains("自動常駐"));
        QVERIFY(resident.isEmpty());
    }

    // An automatic retrieval waits on a slow server in the background: the window stays usable but busy, refusing to
    // close and to open the clock-correction settings, and is idle again once the retrieval has ended.
    void aRetrievalInTheBackgroundKeepsTheWindowBusyUntilItEnds() {
        using namespace std::chrono_literals;
        test::LoopbackHttpServer server;
        server.answer([](test::LoopbackConnection& connection) {
            if (connection.pause(1500ms))
                connection.send(test::TimePageAnswer("Fri May 3 15:05:01 2024"));
        });
        Fixture f;
        // Due at the first tick: the set time has passed and nothing was retrieved before.
        f.program.write("Sorel.ini", "[Settei]\r\ncbTShuusei=1\r\npTAccess=2\r\npTTime=000000\r\npTYoubi=0\r\n"
                                     "[Jikoku]\r\nrbJapan=0\r\nrbWebSV1=1\r\nedtWebSV1=" +
                                         server.address("/time") + "\r\n");
        QVERIFY(f.window->start({}, f.programs.path()));
        f.window->show();
        QLabel* panel0 = test::PartsOf(*f.window).status->panel0();
        QAction* command = test::PartsOf(*f.window).menus->actions().clockCorrection;
        QVERIFY(command->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(panel0->text(), QStringLiteral("　　時刻取得中　　"), 5000);
        QVERIFY(!command->isEnabled());
        f.dialogs.expect(DialogAnswer::Ok, "時刻取得中です。現在は終了できません。");
        QVERIFY(!f.window->close());
        QVERIFY(f.window->isVisible());

        QTRY_VERIFY_WITH_TIMEOUT(panel0->text().startsWith("2024/5/3"), 10000);
        QVERIFY(command->isEnabled());
        QCOMPARE(f.setter.set_.size(), size_t{1});
        const auto log = ReadTextFile(f.program / "Jikoku.txt");
        QVERIFY(log.ok());
        QCOMPARE(QString::fromStdString(log.value().lines().back()),
                 QStringLiteral("以前の時刻は、取得した時刻より 1.70 秒遅れていました。"));
        QCOMPARE(server.requests().size(), size_t{1});
        QVERIFY(f.window->close());
    }

    void aFailedSaveAsksBeforeClosing() {
        Fixture f;
        QVERIFY(f.window->start({}, f.programs.path()));
        f.window->show();
        fs::remove_all(f.program.path());
        f.dialogs.expect(DialogAnswer::No);
        QVERIFY(!f.window->close());
        QVERIFY(f.dialogs.shown().back().text.find("このまま終了しますか？") != std::string::npos);
        QVERIFY(f.dialogs.shown().back().text.find("Sorel.ini") != std::string::npos);
        f.dialogs.expect(DialogAnswer::Yes);
        QVERIFY(f.window->close());
    }

    // Each close runs the orderly end and ends the program; a window shown again after a close accepted earlier (as
    // the tray's exit once left it) saves what was edited since.
    void everyCloseSavesAlsoAfterAnEarlierOne() {
        Fixture f;
        QVERIFY(f.window->start({}, f.programs.path()));
        f.window->show();
        QSignalSpy ended(f.window.get(), &MainWindow::ended);
        QVERIFY(f.window->close());
        QCOMPARE(ended.size(), 1);
        f.window->show();
        test::PartsOf(*f.window).pages->setCurrentWidget(test::PartsOf(*f.window).memoPage);
        QTest::keyClicks(test::PartsOf(*f.window).memoPage->controls().CaMemo, "after the restore");
        QVERIFY(f.window->close());
        QCOMPARE(ended.size(), 2);
        QCOMPARE(QString::fromStdString(f.data.read("CaMemo.myc")), QString("after the restore\r\n"));
    }

    // A memo changed in the window and by another writer: in sight, the user chooses, and the text not kept is in
    // the rescue folder; out of sight, the other's stays and ours goes to the rescue folder, noted for the next start.
    void aMemoChangedHereAndOnDiskIsChosenOrKeptAside() {
        Fixture f;
        QVERIFY(f.window->start({}, f.programs.path()));
        f.window->show();
        MemoPage* memo = test::PartsOf(*f.window).memoPage;
        test::PartsOf(*f.window).pages->setCurrentWidget(memo);
        QTest::keyClicks(memo->controls().CaMemo, "ours");
        f.data.write("CaMemo.myc", "theirs\r\n");
        f.dialogs.expect(DialogAnswer::Yes, "メモファイルが他で変更されています。");
        f.dialogs.expect(DialogAnswer::Ok, "CaMemo.myc: 自分の変更を残す");
        QVERIFY(f.window->saveAll().ok());
        QCOMPARE(QString::fromStdString(f.data.read("CaMemo.myc")), QString("ours\r\n"));
        QCOMPARE(f.dialogs.shown().front().buttonTexts,
                 (std::vector<std::string>{"自分の変更を残す", "他の変更を残す"}));
        QVERIFY(
            std::ranges::any_of(fs::directory_iterator(f.program / "rescue"), [](const fs::directory_entry& folder) {
                return folder.is_directory() && test::ReadFile(folder.path() / "CaMemo.myc") == "theirs\r\n";
            }));

        f.window->hide();
        QTest::keyClicks(memo->controls().CaMemo, " again");
        f.data.write("CaMemo.myc", "elsewhere\r\n");
        QVERIFY(f.window->saveAll().ok());
        QCOMPARE(QString::fromStdString(f.data.read("CaMemo.myc")), QString("elsewhere\r\n"));
        QCOMPARE(memo->controls().CaMemo->toPlainText(), QString("elsewhere\n")); // as a load shows it
        const auto notice = f.controller.rescue().takeNotice();
        QVERIFY(notice && notice->find("CaMemo.myc: 他の変更を残す") != std::string::npos);
    }

    // Each activation (a dialog closing gives the focus back) leaves the running function tick and "/J" countdown
    // where they are.
    void activationsDoNotPushTheTimersBack() {
        Fixture f;
        QVERIFY(f.window->start({"/J09"}, f.programs.path()));
        f.window->show();
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTimer* tick = test::PartsOf(*f.window).functionTimer;
        QTimer* countdown = f.window->findChild<QTimer*>("tmJouchuu");
        QVERIFY(tick->isActive() && countdown->isActive());
        QTRY_VERIFY(tick->remainingTime() < tick->interval() - 1000 && countdown->remainingTime() < 600);
        const int tickLeft = tick->remainingTime(), countdownLeft = countdown->remainingTime();
        // A timer that fell due meanwhile (a slow machine) started its interval anew by itself and proves nothing.
        QSignalSpy tickFired(tick, &QTimer::timeout), countdownFired(countdown, &QTimer::timeout);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QVERIFY(!tickFired.isEmpty() || tick->remainingTime() <= tickLeft);
        QVERIFY(!countdownFired.isEmpty() || countdown->remainingTime() <= countdownLeft);
    }

    // An exception from a handler of the window reaches the event loop: a box shows it, then the end runs as for a
    // signal, the edit made before saved, and the program ends with status 1.
    void anErrorThatReachesTheEventLoopIsShownAndEndsInOrder() {
        Fixture f;
        QVERIFY(f.window->start({}, f.programs.path()));
        f.window->show();
        connect(qobject_cast<RekkoApplication*>(qApp), &RekkoApplication::unexpectedError, f.window.get(),
                &MainWindow::endAfterError, Qt::QueuedConnection);
        QSignalSpy ended(f.window.get(), &MainWindow::ended);
        test::PartsOf(*f.window).pages->setCurrentWidget(test::PartsOf(*f.window).memoPage);
        QTest::keyClicks(test::PartsOf(*f.window).memoPage->controls().CaMemo, "before the error");
        test::PartsOf(*f.window).pages->setCurrentWidget(test::PartsOf(*f.window).monthPage);
        struct Throwing : QObject {
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::KeyPress)
                    throw EJuliusError();
                return false;
            }
        } throwing;
        test::PartsOf(*f.window).monthView->grid()->installEventFilter(&throwing);
        f.dialogs.expect(DialogAnswer::Ok, "1582/10/5-10/14は存在しません。\r\n\r\n");
        QTest::keyClick(test::PartsOf(*f.window).monthView->grid(), Qt::Key_PageUp);
        QTRY_COMPARE(ended.size(), 1);
        QCOMPARE(ended[0][0].toInt(), 1);
        QCOMPARE(f.dialogs.shown().back().caption, std::string("エラー"));
        QCOMPARE(QString::fromStdString(f.data.read("CaMemo.myc")), QString("before the error\r\n"));
        QVERIFY(!f.window->isVisible());
    }

    // Only the schedule dialog holds the date back at midnight; the timer's alert, captioned as it is, does not.
    void theDateWaitsForTheScheduleDialogButNotForTheTimerAlert() {
        test::SampleWindow s("", [](test::SampleWindow& w) {
            w.clock.set(EncodeDateTime({2026, 12, 7}, {23, 59, 50}));
        });
        QVERIFY(s.started);
        const auto tickOn = [&s](uint8_t day) {
            s.clock.set(EncodeDateTime({2026, 12, day}, {0, 0, 5}));
            test::PartsOf(*s.window).tick->tick().tick();
            return s.grid()->grid().today();
        };
        int32_t todayWhileOpen = 0;
        QTimer::singleShot(0, [&] {
            todayWhileOpen = tickOn(8);
            static_cast<QDialog*>(s.window->findChild<ScheduleDialog*>())->done(QDialog::Rejected);
        });
        test::PartsOf(*s.window).monthView->openDay(EncodeJuliusDay(2026, 12, 10));
        QCOMPARE(todayWhileOpen, EncodeJuliusDay(2026, 12, 7));
        QCOMPARE(tickOn(8), EncodeJuliusDay(2026, 12, 8));

        test::PartsOf(*s.window).timerHost->queueAlert();
        QTRY_VERIFY(test::PartsOf(*s.window).timerHost->window() &&
                    test::PartsOf(*s.window).timerHost->window()->isVisible());
        QCOMPARE(test::PartsOf(*s.window).timerHost->window()->windowTitle(), QString("Rekko -Rekko-"));
        QCOMPARE(tickOn(9), EncodeJuliusDay(2026, 12, 9));
    }

    void theDiaryButtonHandsAGridDayToZunbo() {
        test::SampleWindow s("", [](test::SampleWindow& w) { InstallSibling(w, "Zunbo"); });
        QVERIFY(s.started);
        QPushButton* button = test::PartsOf(*s.window).monthPage->buttons().zunbo;
        button->click();
        QCOMPARE(button->text(), QString("日付指定"));
        const int32_t day = EncodeJuliusDay(2026, 12, 10);
        const QPoint at = OverDay(s, day);
        QTest::mousePress(s.grid(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(s.grid(), Qt::LeftButton, {}, at);
        QCOMPARE(button->text(), QString("Zunbo"));
        QTRY_COMPARE(QString::fromStdString(s.data.read("started")), QString("Zunbo \n"));
        // The grid did nothing else with the press: no schedule dialog, the selection where it was.
        QVERIFY(s.dialogs.shown().empty());
    }

    void thePomtaButtonHandsTheMemoToPomtaAndGoesResident() {
        test::SampleWindow s("cbEditor=1\r\ncbRekkoJ=1\r\n", [](test::SampleWindow& w) { InstallSibling(w, "Pomta"); });
        QVERIFY(s.started);
        test::PartsOf(*s.window).monthPage->buttons().memo->click();
        QTRY_COMPARE(QString::fromStdString(s.data.read("started")),
                     QString("Pomta %1\n").arg(QString::fromStdString(s.controller.files().memoFile.string())));
        QTRY_VERIFY(s.window->isMinimized() || !s.window->isVisible());
    }
};

// QTEST_MAIN with the program's own application object, which catches what event handlers throw.
int main(int argc, char** argv) {
    RekkoApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowTest.moc"
