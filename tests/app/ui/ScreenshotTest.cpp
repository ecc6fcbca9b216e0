// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots under a real X server (Xvfb), saved for a person to look at: the main window, the year page with the
// holidays of 2026 and its day count, and the memo page with the shipped read-me, the pages built alone over the
// sample data. Japanese text must render with a Japanese font, not as empty boxes.
#include "Pictures.h"
#include "SampleWindow.h"
#include "WindowParts.h"

#include "app/ui/Entry.h"
#include "base/TextFile.h"
#include "calendar/Julius.h"
#include "calendar/RuleFiles.h"
#include "memo/ui/MemoPage.h"
#include "year/ui/YearPage.h"

#include <QColorDialog>
#include <QPlainTextEdit>
#include <QTest>

using namespace rekko;

namespace {

class NoJump : public MonthJump {
public:
    void jumpToMonth(std::string_view) override {}
};

class StubHost : public MemoShell {
public:
    void goResident() override {}
    void showStartRecord() override {}
    std::optional<std::filesystem::path> chooseSaveFile(const std::string&) override { return std::nullopt; }
};

// Returns the cell of a day in a month grid or a small calendar, through its own layout.
template <class Model> GridRect CellOf(const Model& model, int32_t day) {
    const int cell = day - model.firstVisibleDay();
    return model.geometry().cellRect(cell % 7, cell / 7 + 1);
}

} // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseJapaneseFonts(); }

    // A first start in an empty folder: the month page and the settings sub-pages.
    void mainWindowPages() {
        test::WindowFolders f(EncodeDateTime({2024, 5, 3}, {15, 5, 0}));
        MainWindow window(f.controller, f.dialogs);
        f.dialogs.expect(DialogAnswer::Ok, "CaFromTo.myc が存在しません。");
        f.dialogs.expect(DialogAnswer::Ok, "メモファイルが見あたりません。");
        QVERIFY(window.start({}, f.programs.path()));
        window.show();
        test::SaveScreenshot(window, "main-window-month");
        window.openSettings();
        const std::pair<QWidget*, const char*> pages[] = {
            {test::PartsOf(window).settingsPage->basic(), "main-window-settings-basic"},
            {test::PartsOf(window).settingsPage->calendar(), "main-window-settings-calendar"},
            {test::PartsOf(window).settingsPage->functions(), "main-window-settings-functions"},
        };
        for (const auto& [page, name] : pages) {
            test::PartsOf(window).settingsPage->findChild<QTabWidget*>("pcSettei")->setCurrentWidget(page);
            test::SaveScreenshot(window, name);
        }
    }

    // The month page over the sample data, in jump mode on a far month, and in the compact layout with the
    // year-month entry open beside its button.
    void monthPageWithSampleData() {
        {
            test::SampleWindow sample;
            QVERIFY(sample.started);
            test::SaveScreenshot(*sample.window, "month-page-sample");
            test::PartsOf(*sample.window).monthPage->buttons().nextYear->click();
            test::SaveScreenshot(*sample.window, "month-page-jump");
        }
        test::SampleWindow sample("udCalSize=0\r\n");
        QVERIFY(sample.started);
        MainWindow& window = *sample.window;
        test::SaveScreenshot(window, "month-page-compact");
        // The third line of 10 December (five lines, the last two behind "/") is drawn inside its cell, the rokuyo
        // below it.
        TSeMCal* grid = sample.grid();
        const QImage image = grid->grab().toImage();
        const GridRect rect = CellOf(grid->grid(), EncodeJuliusDay(2026, 12, 10));
        const CellMetrics& metrics = grid->grid().cellMetrics();
        const QPoint origin = grid->contentsRect().topLeft() + QPoint(rect.left, rect.top);
        const QRgb background = grid->Color().rgb();
        const auto ink = [background](QRgb pixel) { return pixel != background; };
        const int laneTop = metrics.firstLineTop + 2 * metrics.lineStep;
        QVERIFY(test::CountPixels(image, QRect(origin + QPoint(4, laneTop), QSize(60, metrics.lineHeight)), ink) > 20);
        const QRect rokuyo(origin + QPoint(1, rect.height() - 1 - metrics.rokuyoHeight),
                           QSize(30, metrics.rokuyoHeight));
        QVERIFY(test::CountPixels(image, rokuyo, ink) > 20);

        const int width = window.width();
        test::PartsOf(window).monthPage->buttons().yearMonth->click();
        QCOMPARE(window.width(), width);
        test::SaveScreenshot(window, "month-page-year-month-entry");
    }

    void yearPageOf2026AndItsDayCount() {
        test::FakeClock clock{CalendarDate{2026, 5, 20}, TimeOfDay{9, 0, 0}};
        test::ScriptedDialogs dialogs;
        NoJump jump;
        YearPage page(clock, dialogs, jump);
        const TextLines anniversaries = ReadTextFile(test::TestDataDir() / "sample" / "Sday.myc").value();
        DayRules rules;
        (void)rules.setHolidayList(BuiltinHolidayList());
        (void)rules.setSpecialDayList(anniversaries.lines());
        page.setRules(rules, true);
        page.showYear(2026);
        page.startDayCount(EncodeJuliusDay(2026, 5, 20));
        page.resize(776, 700);
        page.show();
        test::SaveScreenshot(page, "year-page-2026");
        // 20 May is today, in the year page's green; 1 January's number is drawn in the holiday red.
        const TSeMCalendar* may = page.controls().SeMCalendar[4];
        const GridRect today = CellOf(may->model(), EncodeJuliusDay(2026, 5, 20));
        QCOMPARE(QColor(may->image().pixel(today.left + 2, today.top + 1)), QColor(0x8A, 0xFE, 0x81));
        const TSeMCalendar* january = page.controls().SeMCalendar[0];
        const GridRect newYear = CellOf(january->model(), EncodeJuliusDay(2026, 1, 1));
        const QRect newYearCell(newYear.left, newYear.top, newYear.width(), newYear.height());
        QVERIFY(test::CountPixels(january->image(), newYearCell, test::Reddish) > 5);

        page.showDayCount();
        const DayCountControls& d = page.controls().tsNisuu->controls();
        d.rbEd->setChecked(true);
        d.date1[1]->setValue(1);
        d.date1[2]->setValue(1);
        d.date2[1]->setValue(12);
        d.date2[2]->setValue(31);
        QVERIFY(page.controls().tsNisuu->compute());
        QCOMPARE(d.lblNissuu->text(), QString("364日"));
        test::SaveScreenshot(page, "year-page-day-count");
    }

    void memoPageAndTheShippedReadMe() {
        test::TempDir data;
        test::CopySampleData(data.path());
        test::ScriptedDialogs dialogs;
        StubHost host;
        const std::filesystem::path resources = std::filesystem::path(REKKO_SOURCE_DIR) / "src" / "resources";
        MemoPage page(dialogs, host, data.path(), resources);
        QVERIFY(page.load(data / "CaMemo.myc"));
        page.resize(776, 560);
        page.show();
        QCOMPARE(page.controls().lblSize->text(), QString("空容量：100%"));
        QVERIFY(page.controls().btnJ[1]->styleSheet().contains("#008000"));
        test::SaveScreenshot(page, "memo-page");
        page.showView(MemoView::ReadMe);
        QVERIFY(page.controls().CaMemo->toPlainText().contains(QString("Ｒｅｋｋｏ")));
        test::SaveScreenshot(page, "memo-page-readme");
        page.showView(MemoView::Usage);
        QVERIFY(page.controls().CaMemo->toPlainText().contains(QString("日数計算")));
        test::SaveScreenshot(page, "memo-page-usage");
        QVERIFY(dialogs.shown().empty());
    }

    // Qt's colour chooser with the Japanese catalogue, as the schedule dialog's 色指定 shows it.
    void japaneseColourChooser() {
        QVERIFY(UseQtTranslations(QLocale(QLocale::Japanese, QLocale::Japan)));
        QColorDialog dialog(Qt::red);
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QString("色を選択"));
        test::SaveScreenshot(dialog, "colour-chooser-ja");
    }
};

QTEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
