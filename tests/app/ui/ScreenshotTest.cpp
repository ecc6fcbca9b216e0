// Screenshots of the main window under a real X server (Xvfb), saved for a person to look at; Japanese text must
// render with a Japanese font, not as empty boxes.
#include "RecordingDialogs.h"

#include "FakeClock.h"
#include "TempDir.h"

#include "app/ui/Entry.h"
#include "app/ui/MainWindow.h"
#include "calendar/Julius.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QTest>

using namespace rekko;

namespace {

QString screenshotFolder() {
    const QString folder = qEnvironmentVariable("REKKO_SCREENSHOT_DIR", "screenshots");
    QDir().mkpath(folder);
    return folder;
}

// Counts the distinct colours of an image; a page of real controls and text has many.
int colourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    }
    return static_cast<int>(colours.size());
}

// A main window over a copy of the sample data folder on 2026-12-06, with extra settings, shown in its own size.
struct SampleWindow {
    explicit SampleWindow(const std::string& settings) {
        for (const auto& entry : std::filesystem::directory_iterator(test::TestDataDir() / "sample"))
            std::filesystem::copy_file(entry.path(), data.path() / entry.path().filename());
        program.write("Sorel.ini",
                      "[Settei]\r\nedFolder=" + data.path().string() + "/\r\nCaFT1=CaFT6120.mcp\r\n" + settings);
        std::filesystem::current_path(data.path());
    }
    ~SampleWindow() { std::filesystem::current_path(previous); }

    std::filesystem::path previous = std::filesystem::current_path();
    test::TempDir program, startup, programs, data;
    test::FakeClock clock{CalendarDate{2026, 12, 6}, TimeOfDay{9, 0, 0}};
    test::RecordingDialogs dialogs;
    MainController controller{program.path(), startup.path(), clock, dialogs, program / "rescue"};
    MainWindow window{controller, dialogs};
};

// Counts the pixels of a rectangle of an image that differ from a colour.
int inkIn(const QImage& image, const QRect& rect, QRgb background) {
    int ink = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            ink += image.pixel(x, y) != background;
    return ink;
}

} // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseJapaneseFonts(); }

    void theWidgetFontHasJapaneseGlyphs() {
        const QFont font = QApplication::font();
        const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Any);
        QVERIFY2(raw.isValid(), qPrintable(QFontInfo(font).family()));
        for (const QChar c : QString("月年設定メモ前後常駐"))
            QVERIFY2(raw.supportsCharacter(c), qPrintable(QFontInfo(font).family() + " lacks " + QString(c)));
    }

    void mainWindowPages() {
        // Without a data folder the data lives in the current directory: a fresh one here.
        test::TempDir data;
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(data.path());
        test::TempDir program;
        test::TempDir startup;
        test::TempDir programs;
        test::FakeClock clock{CalendarDate{2024, 5, 3}, TimeOfDay{15, 5, 0}};
        test::RecordingDialogs dialogs;
        MainController controller(program.path(), startup.path(), clock, dialogs, program / "rescue");
        MainWindow window(controller, dialogs);
        QVERIFY(window.start({}, programs.path()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.openSettings();
        const QString folder = screenshotFolder();
        const std::pair<QWidget*, const char*> pages[] = {
            {window.monthPage(), "main-window-month"},
            {window.settingsPage()->basic(), "main-window-settings-basic"},
            {window.settingsPage()->calendar(), "main-window-settings-calendar"},
            {window.settingsPage()->functions(), "main-window-settings-functions"},
        };
        for (const auto& [page, name] : pages) {
            if (page == window.monthPage()) {
                window.pages()->setCurrentWidget(page);
            } else {
                window.pages()->setCurrentWidget(window.settingsPage());
                window.settingsPage()->findChild<QTabWidget*>("pcSettei")->setCurrentWidget(page);
            }
            QTest::qWait(50);
            const QImage image = window.grab().toImage();
            QVERIFY(image.save(folder + "/" + name + ".png"));
            QVERIFY2(colourCount(image) > 20, name);
        }
        std::filesystem::current_path(previous);
    }

    // The month page over the sample data folder on 2026-12-06, then in jump mode on a far month.
    void monthPageWithSampleData() {
        namespace fs = std::filesystem;
        test::TempDir program, startup, programs, data;
        for (const auto& entry : fs::directory_iterator(test::TestDataDir() / "sample"))
            fs::copy_file(entry.path(), data.path() / entry.path().filename());
        program.write("Sorel.ini", "[Settei]\r\nedFolder=" + data.path().string() + "/\r\nCaFT1=CaFT6120.mcp\r\n");
        const fs::path previous = fs::current_path();
        fs::current_path(data.path());
        test::FakeClock clock{CalendarDate{2026, 12, 6}, TimeOfDay{9, 0, 0}};
        test::RecordingDialogs dialogs;
        MainController controller(program.path(), startup.path(), clock, dialogs, program / "rescue");
        MainWindow window(controller, dialogs);
        QVERIFY(window.start({}, programs.path()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        const QString folder = screenshotFolder();
        QVERIFY(window.grab().toImage().save(folder + "/month-page-sample.png"));

        window.monthPage()->button("btnYokunen")->click();
        QTest::qWait(50);
        QVERIFY(window.grab().toImage().save(folder + "/month-page-jump.png"));
        fs::current_path(previous);
    }

    // The compact layout (three lines a day) with the rokuyo, then the year-month entry open beside the month tabs.
    void compactLayoutAndYearMonthEntry() {
        SampleWindow sample("udCalSize=0\r\n");
        MainWindow& window = sample.window;
        QVERIFY(window.start({}, sample.programs.path()));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        const QString folder = screenshotFolder();
        QVERIFY(window.grab().toImage().save(folder + "/month-page-compact.png"));
        // The third line of 10 December (five lines, the last two behind "/") is drawn inside its cell, the rokuyo
        // below it.
        TSeMCal* grid = window.monthView()->grid();
        const QImage image = grid->grab().toImage();
        const MonthGrid& model = grid->grid();
        const int cell = EncodeJuliusDay(2026, 12, 10) - model.firstVisibleDay();
        const GridRect rect = model.geometry().cellRect(cell % 7, cell / 7 + 1);
        const CellMetrics& metrics = model.cellMetrics();
        const QPoint origin = grid->contentsRect().topLeft();
        const int laneTop = rect.top + metrics.firstLineTop + 2 * metrics.lineStep;
        const QRgb background = grid->Color().rgb();
        QVERIFY(inkIn(image, QRect(origin.x() + rect.left + 4, origin.y() + laneTop, 60, metrics.lineHeight),
                      background) > 20);
        QVERIFY(inkIn(image,
                      QRect(origin.x() + rect.left + 1, origin.y() + rect.bottom - 1 - metrics.rokuyoHeight, 30,
                            metrics.rokuyoHeight),
                      background) > 20);

        const int width = window.width();
        window.monthPage()->button("btnM1")->click();
        QTest::qWait(50);
        QCOMPARE(window.width(), width);
        QVERIFY(window.grab().toImage().save(folder + "/month-page-year-month-entry.png"));
    }

    // Qt's colour chooser with the Japanese catalogue, as the schedule dialog's 色指定 shows it.
    void japaneseColourChooser() {
        QVERIFY(UseQtTranslations(QLocale(QLocale::Japanese, QLocale::Japan)));
        QColorDialog dialog(Qt::red);
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QString("色を選択"));
        QVERIFY(dialog.grab().toImage().save(screenshotFolder() + "/colour-chooser-ja.png"));
    }
};

QTEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
