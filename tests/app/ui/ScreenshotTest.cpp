// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the main window under a real X server (Xvfb), saved for a person to look at; Japanese text must
// render with a Japanese font, not as empty boxes.
#include "FakeClock.h"
#include "Pictures.h"
#include "SampleWindow.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include "app/ui/Entry.h"
#include "app/ui/MainWindow.h"
#include "calendar/Julius.h"

#include <QColorDialog>
#include <QTest>

using namespace rekko;

class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseJapaneseFonts(); }

    // A first start in an empty folder: the month page and the settings sub-pages.
    void mainWindowPages() {
        test::TempDir data, program, startup, programs;
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(data.path());
        test::FakeClock clock{CalendarDate{2024, 5, 3}, TimeOfDay{15, 5, 0}};
        test::ScriptedDialogs dialogs;
        MainController controller(program.path(), startup.path(), clock, dialogs, program / "rescue");
        MainWindow window(controller, dialogs);
        dialogs.expect(DialogAnswer::Ok, "CaFromTo.myc が存在しません。");
        dialogs.expect(DialogAnswer::Ok, "メモファイルが見あたりません。");
        QVERIFY(window.start({}, programs.path()));
        window.show();
        test::SaveScreenshot(window, "main-window-month");
        window.openSettings();
        const std::pair<QWidget*, const char*> pages[] = {
            {window.settingsPage()->basic(), "main-window-settings-basic"},
            {window.settingsPage()->calendar(), "main-window-settings-calendar"},
            {window.settingsPage()->functions(), "main-window-settings-functions"},
        };
        for (const auto& [page, name] : pages) {
            window.settingsPage()->findChild<QTabWidget*>("pcSettei")->setCurrentWidget(page);
            test::SaveScreenshot(window, name);
        }
        std::filesystem::current_path(previous);
    }

    // The month page over the sample data, in jump mode on a far month, and in the compact layout with the
    // year-month entry open beside the month tabs.
    void monthPageWithSampleData() {
        {
            test::SampleWindow sample;
            QVERIFY(sample.started);
            test::SaveScreenshot(*sample.window, "month-page-sample");
            sample.window->monthPage()->buttons().nextYear->click();
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
        const MonthGrid& model = grid->grid();
        const int cell = EncodeJuliusDay(2026, 12, 10) - model.firstVisibleDay();
        const GridRect rect = model.geometry().cellRect(cell % 7, cell / 7 + 1);
        const CellMetrics& metrics = model.cellMetrics();
        const QPoint origin = grid->contentsRect().topLeft() + QPoint(rect.left, rect.top);
        const QRgb background = grid->Color().rgb();
        const auto ink = [background](QRgb pixel) { return pixel != background; };
        const int laneTop = metrics.firstLineTop + 2 * metrics.lineStep;
        QVERIFY(test::CountPixels(image, QRect(origin + QPoint(4, laneTop), QSize(60, metrics.lineHeight)), ink) > 20);
        const QRect rokuyo(origin + QPoint(1, rect.height() - 1 - metrics.rokuyoHeight),
                           QSize(30, metrics.rokuyoHeight));
        QVERIFY(test::CountPixels(image, rokuyo, ink) > 20);

        const int width = window.width();
        window.monthPage()->buttons().yearMonth->click();
        QCOMPARE(window.width(), width);
        test::SaveScreenshot(window, "month-page-year-month-entry");
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
