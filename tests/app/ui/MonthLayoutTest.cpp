// The month page's sizes on the offscreen platform: the grid's header, every lane's text inside its cell in the
// normal and the compact layout, and the year-month entry beside the month tabs.
#include "RecordingDialogs.h"

#include "FakeClock.h"
#include "TempDir.h"

#include "app/ui/Entry.h"
#include "app/ui/MainWindow.h"

#include <QStyle>
#include <QTest>

#include <memory>

using namespace rekko;

namespace {

namespace fs = std::filesystem;

// A main window over the sample data folder on 2026-12-06, in the size it gives itself, with the given settings.
struct Fixture {
    explicit Fixture(const std::string& settings = "") {
        for (const auto& entry : fs::directory_iterator(test::TestDataDir() / "sample"))
            fs::copy_file(entry.path(), data.path() / entry.path().filename());
        program.write("Sorel.ini",
                      "[Settei]\r\nedFolder=" + data.path().string() + "/\r\nCaFT1=CaFT6120.mcp\r\n" + settings);
        previous = fs::current_path();
        fs::current_path(data.path());
        QVERIFY2(window->start({}, programs.path()), "start-up failed");
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    ~Fixture() { fs::current_path(previous); }

    TSeMCal* grid() const { return window->monthView()->grid(); }

    test::TempDir program, startup, programs, data;
    test::FakeClock clock{CalendarDate{2026, 12, 6}, TimeOfDay{9, 0, 0}};
    test::RecordingDialogs dialogs;
    MainController controller{program.path(), startup.path(), clock, dialogs, program / "rescue"};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(controller, dialogs);
    fs::path previous;
};

} // namespace

class MonthLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseJapaneseFonts(); }

    void theHeaderTakesAThirdOfARowLessThree() {
        Fixture f;
        const MonthGrid& grid = f.grid()->grid();
        QVERIFY(f.grid()->SelfSize());
        QVERIFY(f.grid()->isFontBold());
        QCOMPARE(f.grid()->ItemGyo(), 5);
        const int height = f.grid()->contentsRect().height();
        QCOMPARE(grid.geometry().headerHeight(), height / 7 / 3 - 3);
        QVERIFY2(grid.geometry().headerHeight() < 36, qPrintable(QString::number(grid.geometry().headerHeight())));
    }

    void everyLaneLiesInsideItsCellAboveTheRokuyo_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("lines");
        QTest::newRow("normal") << "" << 5;
        QTest::newRow("compact") << "udCalSize=0\r\n" << 3;
    }

    void everyLaneLiesInsideItsCellAboveTheRokuyo() {
        QFETCH(QString, settings);
        QFETCH(int, lines);
        Fixture f(settings.toStdString());
        QCOMPARE(f.grid()->ItemGyo(), lines);
        QVERIFY(f.grid()->ShowRokuyo());
        const MonthGrid& grid = f.grid()->grid();
        QCOMPARE(grid.rowCount(), 7);
        const GridGeometry geometry = grid.geometry();
        const CellMetrics& metrics = grid.cellMetrics();
        for (int cell = 0; cell < kGridCells; ++cell) {
            const GridRect rect = geometry.cellRect(cell % 7, cell / 7 + 1);
            // The grid lines lie on the cell's top and bottom rows of pixels; the rokuyo band sits just above the
            // bottom one.
            const int rokuyoTop = rect.bottom - 1 - metrics.rokuyoHeight;
            QVERIFY(rect.bottom <= f.grid()->contentsRect().height());
            for (int lane = 0; lane < lines; ++lane) {
                const int top = rect.top + metrics.firstLineTop + lane * metrics.lineStep;
                const int bottom = top + metrics.lineHeight;
                QVERIFY2(top > rect.top && bottom <= rokuyoTop,
                         qPrintable(QString("cell %1 lane %2: %3..%4 in %5..%6 above %7")
                                        .arg(cell)
                                        .arg(lane)
                                        .arg(top)
                                        .arg(bottom)
                                        .arg(rect.top)
                                        .arg(rect.bottom)
                                        .arg(rokuyoTop)));
            }
        }
        // The window is as tall as the lines need, not more.
        QVERIFY(geometry.rowPitch() - metrics.pitchFor(lines) < 4);
    }

    void theCompactLayoutIsTheShorterWindow() {
        const int normal = Fixture().window->height();
        const int compact = Fixture("udCalSize=0\r\n").window->height();
        QVERIFY2(compact < normal - 150, qPrintable(QString("%1 against %2").arg(compact).arg(normal)));
    }

    void theYearMonthEntryShowsSixDigitsAndTheWindowKeepsItsWidth() {
        Fixture f;
        const int width = f.window->width();
        MonthTabBar* tabs = f.window->monthPage()->monthTabs();
        QCOMPARE(tabs->tabRect(4).width(), 126);
        f.window->monthPage()->button("btnM1")->click();
        QLineEdit* entry = f.window->monthPage()->yearMonthEntry();
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->text(), QString("202612"));
        QTest::qWait(20);
        QCOMPARE(f.window->width(), width);
        const int frame = entry->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, entry);
        QVERIFY2(entry->fontMetrics().horizontalAdvance(entry->text()) <= entry->width() - 2 * frame - 4,
                 qPrintable(QString::number(entry->width())));
        // The five tabs narrowed to make the room, each still wide enough for its label, and end before the entry.
        for (int i = 0; i < tabs->count(); ++i)
            QVERIFY(tabs->tabRect(i).width() >= tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)));
        QVERIFY(tabs->mapTo(f.window.get(), tabs->tabRect(4).topRight()).x() <
                entry->mapTo(f.window.get(), QPoint(0, 0)).x());

        f.window->monthPage()->button("btnM1")->click();
        QTest::qWait(20);
        QCOMPARE(f.window->width(), width);
        QCOMPARE(tabs->tabRect(4).width(), 126);
    }
};

QTEST_MAIN(MonthLayoutTest)
#include "MonthLayoutTest.moc"
