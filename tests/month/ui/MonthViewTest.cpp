// SPDX-License-Identifier: GPL-3.0-or-later
// The month page over the sample data offscreen: tabs and sizes, moving between months, the display switches of the
// settings page taking effect at once, an unreadable Sday.myc.
#include "Pictures.h"
#include "SampleWindow.h"
#include "WindowParts.h"

#include "app/ui/Entry.h"
#include "calendar/Julius.h"

#include <QCheckBox>
#include <QSpinBox>
#include <QStyle>
#include <QTest>

using namespace rekko;

namespace {

namespace fs = std::filesystem;

CalendarDate shownMonth(const test::SampleWindow& f) {
    return {f.grid()->grid().Year(), static_cast<uint8_t>(f.grid()->grid().Month()), 1};
}

// The image area of a day's cell from its top down to its first line: the day number and its names.
QRect numberBand(const MonthGrid& grid, int32_t day) {
    const int cell = day - grid.firstVisibleDay();
    const GridRect rect = grid.geometry().cellRect(cell % 7, cell / 7 + 1);
    return QRect(rect.left + 1, rect.top + 1, rect.width() - 2, grid.cellMetrics().firstLineTop - 1);
}

// Answers whether a pixel is dark, as a weekday's number is drawn.
bool Dark(QRgb pixel) {
    return qGray(pixel) < 100;
}

QStringList labelsOf(const QTabBar* tabs) {
    QStringList labels;
    for (int i = 0; i < tabs->count(); ++i)
        labels << tabs->tabText(i);
    return labels;
}

} // namespace

class MonthViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseJapaneseFonts(); }

    void buttonsTabsAndTypedMonthsMoveBetweenMonths() {
        test::SampleWindow f;
        QVERIFY(f.started);
        const MonthPage* page = test::PartsOf(*f.window).monthPage;
        QTabBar* tabs = page->monthTabs();
        QCOMPARE(labelsOf(tabs), (QStringList{"１１月", "１２月", "１月", "２月", "３月"}));
        QCOMPARE(tabs->currentIndex(), 1);
        page->buttons().nextYear->click();
        QCOMPARE(shownMonth(f), (CalendarDate{2027, 12, 1}));
        QCOMPARE(labelsOf(tabs), (QStringList{"2027.12", "今月"}));
        tabs->setCurrentIndex(1); // "今月"
        QCOMPARE(shownMonth(f), (CalendarDate{2026, 12, 1}));
        QCOMPARE(tabs->count(), 5);

        // The year-month entry: six digits right beside its button, the tabs and the window as wide as before.
        const int width = f.window->width();
        QCOMPARE(tabs->tabRect(4).width(), 126);
        QPushButton* yearMonth = page->buttons().yearMonth;
        yearMonth->click();
        QLineEdit* entry = page->yearMonthEntry();
        QCOMPARE(entry->text(), QString("202612"));
        QTest::qWait(20);
        QCOMPARE(f.window->width(), width);
        QCOMPARE(tabs->tabRect(4).width(), 126);
        const int frame = entry->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, entry);
        QVERIFY(entry->fontMetrics().horizontalAdvance(entry->text()) <= entry->width() - 2 * frame - 4);
        const QRect button(yearMonth->mapTo(page, QPoint(0, 0)), yearMonth->size());
        const QRect box(entry->mapTo(page, QPoint(0, 0)), entry->size());
        QVERIFY2(box.left() > button.right() && box.left() - button.right() <= 12 &&
                     qAbs(box.center().y() - button.center().y()) <= 2,
                 qPrintable(QString("button %1,%2 entry %3,%4")
                                .arg(button.right())
                                .arg(button.center().y())
                                .arg(box.left())
                                .arg(box.center().y())));
        QVERIFY(yearMonth->fontMetrics().horizontalAdvance(yearMonth->text()) < yearMonth->width());
        entry->setText("203107");
        QTest::keyClick(entry, Qt::Key_Return);
        QCOMPARE(shownMonth(f), (CalendarDate{2031, 7, 1}));
        QVERIFY(!entry->isVisible());
        page->buttons().standardDisplay->click();
        QCOMPARE(shownMonth(f), (CalendarDate{2026, 12, 1}));
        QTest::qWait(20);
        QCOMPARE(tabs->tabRect(4).width(), 126);
    }

    void everyLaneLiesInsideItsCellAboveTheRokuyo_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("lines");
        QTest::newRow("normal") << "" << 5;
        QTest::newRow("compact") << "udCalSize=0\r\n" << 3;
    }

    // The grid sizes its header and rows by its fonts: the header a third of a row less three, every lane inside its
    // cell above the rokuyo, and rows no taller than the lines need.
    void everyLaneLiesInsideItsCellAboveTheRokuyo() {
        QFETCH(QString, settings);
        QFETCH(int, lines);
        test::SampleWindow f(settings.toStdString());
        QVERIFY(f.started);
        QCOMPARE(f.grid()->ItemGyo(), lines);
        const MonthGrid& grid = f.grid()->grid();
        const GridGeometry geometry = grid.geometry();
        const CellMetrics& metrics = grid.cellMetrics();
        QCOMPARE(geometry.headerHeight(), f.grid()->contentsRect().height() / 7 / 3 - 3);
        for (int cell = 0; cell < kGridCells; ++cell) {
            const GridRect rect = geometry.cellRect(cell % 7, cell / 7 + 1);
            // The grid lines lie on the cell's top and bottom rows of pixels; the rokuyo band sits just above the
            // bottom one.
            const int rokuyoTop = rect.bottom - 1 - metrics.rokuyoHeight;
            QVERIFY(rect.bottom <= f.grid()->contentsRect().height());
            for (int lane = 0; lane < lines; ++lane) {
                const int top = rect.top + metrics.firstLineTop + lane * metrics.lineStep;
                QVERIFY2(top > rect.top && top + metrics.lineHeight <= rokuyoTop,
                         qPrintable(QString("cell %1 lane %2").arg(cell).arg(lane)));
            }
        }
        QVERIFY(geometry.rowPitch() - metrics.pitchFor(lines) < 4);
    }

    // The switches of the settings page change the grid at once, the calendar's size with the window's.
    void theDisplaySwitchesTakeEffectAtOnce() {
        test::SampleWindow f;
        QVERIFY(f.started);
        MainWindow& window = *f.window;
        const MonthGrid& grid = f.grid()->grid();
        const auto check = [&window](const char* name) {
            auto* box = window.findChild<QCheckBox*>(name);
            box->click();
            return box->isChecked();
        };
        const int32_t tenth = EncodeJuliusDay(2026, 12, 10);
        const int boldPixels = test::CountPixels(f.grid()->image(), numberBand(grid, tenth), Dark);
        const int windowHeight = window.height();
        test::PartsOf(window).monthPage->buttons().settings->click();

        QVERIFY(!check("cbBold"));
        const int plainPixels = test::CountPixels(f.grid()->image(), numberBand(grid, tenth), Dark);
        QVERIFY2(plainPixels < boldPixels * 9 / 10, qPrintable(QString("%1 %2").arg(plainPixels).arg(boldPixels)));

        // The spring equinox of 2027 falls on a Sunday, so the 22nd is a substitute holiday only with cbNextDay.
        test::PartsOf(*f.window).monthView->jumpToMonth("202703");
        const int32_t substitute = EncodeJuliusDay(2027, 3, 22);
        QVERIFY(test::CountPixels(f.grid()->image(), numberBand(grid, substitute), test::Reddish) > 20);
        QVERIFY(!check("cbNextDay"));
        QCOMPARE(test::CountPixels(f.grid()->image(), numberBand(grid, substitute), test::Reddish), 0);

        auto* size = window.findChild<QSpinBox*>("udCalSize");
        size->stepDown();
        QCOMPARE(f.grid()->ItemGyo(), 3);
        QVERIFY(window.height() < windowHeight - 100);
        size->stepUp();
        QCOMPARE(f.grid()->ItemGyo(), 5);
        QCOMPARE(window.height(), windowHeight);

        // A click on the 28th of February, a day of the neighbouring month, moves there.
        QVERIFY(check("cbNeighborJump"));
        test::PartsOf(window).pages->setCurrentWidget(test::PartsOf(window).monthPage);
        const int cell = EncodeJuliusDay(2027, 2, 28) - grid.firstVisibleDay();
        const GridRect rect = grid.geometry().cellRect(cell % 7, cell / 7 + 1);
        QTest::mouseClick(f.grid(), Qt::LeftButton, {},
                          QPoint(rect.left + 60, rect.top + 10) + f.grid()->clientOrigin());
        QCOMPARE(shownMonth(f), (CalendarDate{2027, 2, 1}));
    }

    // An anniversary is never written over a "Sday.myc" that could not be read; the message names the file.
    void anUnreadableSpecialDayFileIsNeverOverwritten() {
        test::SampleWindow f("", [](test::SampleWindow& sample) {
            const fs::path data = sample.data.path();
            fs::remove(data / "Sday.myc");
            fs::create_directory(data / "folder");
            fs::create_directory_symlink(data / "folder", data / "Sday.myc");
            sample.dialogs.expect(DialogAnswer::Ok, "スペシャルDayファイル読込ミス\r\n処理は続けます。");
        });
        QVERIFY(f.started);
        test::PartsOf(*f.window).monthView->editAnniversary = [](int32_t,
                                                                 const Anniversary&) -> std::optional<Anniversary> {
            return Anniversary{"", "", "祝", std::nullopt};
        };
        f.dialogs.expect(DialogAnswer::Ok, "次の保存ができませんでした。");
        test::PartsOf(*f.window).monthView->openAnniversary(EncodeJuliusDay(2026, 12, 3));
        QVERIFY(f.dialogs.shown().back().text.find((f.data.path() / "Sday.myc").string()) != std::string::npos);
        QVERIFY(fs::is_symlink(f.data.path() / "Sday.myc"));
        QVERIFY(f.grid()->grid().rules().specialDayList().empty());
    }
};

QTEST_MAIN(MonthViewTest)
#include "MonthViewTest.moc"
