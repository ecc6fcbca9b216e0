// The month page at work on the offscreen platform: real month files, the tabs, moving by keys and buttons, jump
// mode, opening a day by a click on its line and by the day entry, and the edit landing in the file.
#include "RecordingDialogs.h"

#include "FakeClock.h"
#include "TempDir.h"

#include "app/ui/MainWindow.h"
#include "calendar/Julius.h"
#include "calendar/TextFile.h"
#include "schedule/ui/ScheduleDialog.h"

#include <QPushButton>
#include <QTimer>
#include <QTest>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>

using namespace rekko;

namespace {

namespace fs = std::filesystem;

// A main window over the sample data folder, started on 2026-12-06.
struct Fixture {
    // prepare may change the copied data folder before the start.
    explicit Fixture(const std::function<void(const fs::path&)>& prepare = {}) {
        for (const auto& entry : fs::directory_iterator(test::TestDataDir() / "sample"))
            fs::copy_file(entry.path(), data.path() / entry.path().filename());
        if (prepare)
            prepare(data.path());
        std::ofstream(program.path() / "Sorel.ini", std::ios::binary)
            << "[Settei]\r\nedFolder=" << data.path().string() << "/\r\nCaFT1=CaFT6120.mcp\r\n";
        previous = fs::current_path();
        fs::current_path(data.path());
        QVERIFY2(window->start({}, programs.path()), "start-up failed");
        window->resize(900, 900);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    ~Fixture() { fs::current_path(previous); }

    MonthView* view() const { return window->monthView(); }
    TSeMCal* grid() const { return view()->grid(); }
    QTabBar* tabs() const { return window->monthPage()->monthTabs(); }
    CalendarDate shownMonth() const { return {grid()->grid().Year(), static_cast<uint8_t>(grid()->grid().Month()), 1}; }

    // Returns a point in the grid widget over a day line of the day, found through the grid's own hit test.
    QPoint overDayLine(int32_t day) const {
        const MonthGrid& model = grid()->grid();
        for (int y = 0; y < grid()->height(); y += 2)
            for (int x = 0; x < grid()->width(); x += 8) {
                const GridHit hit = model.hitTest(x, y);
                if (hit.cell() >= 0 && hit.day == day && !model.laneAt(hit).empty() && !model.laneAt(hit).isPeriod())
                    return QPoint(x, y) + grid()->contentsRect().topLeft();
            }
        return {};
    }

    test::TempDir program, startup, programs, data;
    test::FakeClock clock{CalendarDate{2026, 12, 6}, TimeOfDay{9, 0, 0}};
    test::RecordingDialogs dialogs;
    MainController controller{program.path(), startup.path(), clock, dialogs, program / "rescue"};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(controller, dialogs);
    fs::path previous;
};

QStringList labelsOf(QTabBar* tabs) {
    QStringList labels;
    for (int i = 0; i < tabs->count(); ++i)
        labels << tabs->tabText(i);
    return labels;
}

} // namespace

class MonthViewTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnThisMonthWithFiveTabs() {
        Fixture f;
        QCOMPARE(labelsOf(f.tabs()), (QStringList{"１１月", "１２月", "１月", "２月", "３月"}));
        QCOMPARE(f.tabs()->currentIndex(), 1);
        QCOMPARE(f.shownMonth(), (CalendarDate{2026, 12, 1}));
        QCOMPARE(f.grid()->grid().monthList(1).lines.size(), size_t(14));
        QVERIFY(f.tabs()->width() >= 5 * 126);
        QVERIFY(f.tabs()->height() > 10);
    }

    void keysAndButtonsMoveBetweenMonthsAndIntoJumpMode() {
        Fixture f;
        QTest::keyClick(f.grid(), Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(f.shownMonth(), (CalendarDate{2027, 1, 1}));
        QCOMPARE(f.tabs()->currentIndex(), 2);
        QTest::keyClick(f.grid(), Qt::Key_Left, Qt::ControlModifier);
        QTest::keyClick(f.grid(), Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(f.shownMonth(), (CalendarDate{2026, 11, 1}));
        f.window->monthPage()->button("btnYokunen")->click();
        QCOMPARE(f.shownMonth(), (CalendarDate{2027, 11, 1}));
        QCOMPARE(labelsOf(f.tabs()), (QStringList{"2027.11", "今月"}));
        f.tabs()->setCurrentIndex(1); // "今月"
        QCOMPARE(f.shownMonth(), (CalendarDate{2026, 12, 1}));
        QCOMPARE(f.tabs()->count(), 5);
        QTest::keyClick(f.grid(), Qt::Key_Right, Qt::ControlModifier);
        QTest::keyClick(f.grid(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(f.shownMonth(), (CalendarDate{2026, 12, 1}));
    }

    void clickingADayLineOpensTheDayAndTheEditReachesTheFile() {
        Fixture f;
        const int32_t third = EncodeJuliusDay(2026, 12, 3);
        int32_t opened = 0;
        f.view()->editDay = [&](int32_t day, const DaySchedule& schedule) -> std::optional<DaySchedule> {
            opened = day;
            DaySchedule edited = schedule;
            edited.lines.push_back("追加, 1,000円");
            edited.attributes.emplace_back();
            return edited;
        };
        const QPoint at = f.overDayLine(third);
        QVERIFY(!at.isNull());
        QTest::mouseClick(f.grid(), Qt::LeftButton, {}, at);
        QCOMPARE(opened, third);
        QVERIFY(f.controller.saveAll().ok());
        const auto file = ReadTextFile(f.data.path() / "Ca202612.myc");
        QVERIFY(file.ok());
        QCOMPARE(QString::fromStdString(file.value().lines().back()), QString(" 3,3,,追加， 1，000円,,,,,,"));
    }

    void theDayEntryOpensATypedDayAndRefusesOthers() {
        Fixture f;
        int32_t opened = 0;
        f.view()->editDay = [&](int32_t day, const DaySchedule&) -> std::optional<DaySchedule> {
            opened = day;
            return std::nullopt;
        };
        QTest::keyClick(f.grid(), Qt::Key_L, Qt::ControlModifier);
        QLineEdit* entry = f.window->status()->dayEntry();
        QVERIFY(entry->isVisible());
        QTest::keyClicks(entry, "24");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(opened, EncodeJuliusDay(2026, 12, 24));
        QVERIFY(!entry->isVisible());
        QTest::keyClick(f.grid(), Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClicks(entry, "32");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(QString::fromStdString(f.dialogs.shown().back().text), QString("[ 32 ]日は、日付に出来ません。"));
    }

    // The real schedule dialog: a click on a line opens it modally, a red line is added and written.
    void theScheduleDialogWritesTheDayIntoTheMonthFile() {
        Fixture f;
        QTimer::singleShot(200, [&f] {
            auto* dialog = f.window->findChild<ScheduleDialog*>("fmDay");
            QVERIFY(dialog && dialog->isVisible());
            QCOMPARE(dialog->windowTitle(), QString("Rekko -Rekko-"));
            LineColourEditor* editor = dialog->dayPage()->editor();
            QCOMPARE(editor->document()->blockCount(), 2); // 歯医者 and 資料提出
            editor->moveCursor(QTextCursor::End);
            QTest::keyClick(editor, Qt::Key_Return);
            QTest::keyClicks(editor, "new line");
            QTest::keyClick(editor, Qt::Key_R, Qt::ControlModifier);
            QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
        });
        QTest::mouseClick(f.grid(), Qt::LeftButton, {}, f.overDayLine(EncodeJuliusDay(2026, 12, 3)));
        QVERIFY(f.controller.saveAll().ok());
        const auto file = ReadTextFile(f.data.path() / "Ca202612.myc");
        QVERIFY(file.ok());
        QCOMPARE(QString::fromStdString(file.value().lines().back()), QString(" 3,3,,new line,clRed,,,,,"));
        QVERIFY(f.controller.settings().fmDayLeft != 0 || f.controller.settings().fmDayTop != 0);
    }

    // An anniversary is never written over a "Sday.myc" that could not be read; the message names the file.
    void anUnreadableSpecialDayFileIsNeverOverwritten() {
        Fixture f([](const fs::path& data) {
            fs::remove(data / "Sday.myc");
            fs::create_directory(data / "folder");
            fs::create_directory_symlink(data / "folder", data / "Sday.myc");
        });
        const auto& shown = f.dialogs.shown();
        QVERIFY(std::any_of(shown.begin(), shown.end(), [](const DialogMessage& message) {
            return message.text == "スペシャルDayファイル読込ミス\r\n処理は続けます。";
        }));
        f.view()->editAnniversary = [](int32_t, const Anniversary&) -> std::optional<Anniversary> {
            return Anniversary{"", "", "祝", std::nullopt};
        };
        f.view()->openAnniversary(EncodeJuliusDay(2026, 12, 3));
        const std::string message = f.dialogs.shown().back().text;
        QVERIFY2(message.find((f.data.path() / "Sday.myc").string()) != std::string::npos, message.c_str());
        QVERIFY(fs::is_symlink(f.data.path() / "Sday.myc"));
        QVERIFY(f.grid()->grid().rules().specialDayList().empty());
    }

    void typedYearMonthJumps() {
        Fixture f;
        f.window->monthPage()->button("btnM1")->click();
        QLineEdit* entry = f.window->monthPage()->yearMonthEntry();
        QVERIFY(entry->isVisible());
        entry->setText("203107");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(f.shownMonth(), (CalendarDate{2031, 7, 1}));
        QVERIFY(!entry->isVisible());
        f.window->monthPage()->button("btnM2")->click();
        QCOMPARE(f.shownMonth(), (CalendarDate{2026, 12, 1}));
    }
};

QTEST_MAIN(MonthViewTest)
#include "MonthViewTest.moc"
