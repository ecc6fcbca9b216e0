// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of the year page with the holidays of 2026, its day-count sub-page and the memo page with the memo and
// the shipped read-me, each page built alone over the sample data under a real X server, saved for a person to look
// at.
#include "FakeClock.h"
#include "Pictures.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include "app/ui/Entry.h"
#include "base/TextFile.h"
#include "calendar/RuleFiles.h"
#include "memo/ui/MemoPage.h"
#include "year/ui/YearPage.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace rekko;

namespace {

class NoJump : public MonthJump {
public:
    void jumpToMonth(std::string_view) override {}
};

class StubHost : public MemoPageHost {
public:
    void goResident() override {}
    void showStartRecord() override {}
    std::optional<std::filesystem::path> chooseSaveFile(const std::string&) override { return std::nullopt; }
};

} // namespace

class PageScreenshots : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseJapaneseFonts(); }

    void yearPageOf2026AndItsDayCount() {
        test::FakeClock clock{CalendarDate{2026, 5, 20}, TimeOfDay{9, 0, 0}};
        test::ScriptedDialogs dialogs;
        NoJump jump;
        YearPage page(clock, dialogs, jump);
        const TextLines anniversaries = ReadTextFile(test::TestDataDir() / "sample" / "Sday.myc").value();
        page.setRules(test::ToQStringList(BuiltinHolidayList()), test::ToQStringList(anniversaries.lines()), true);
        page.showYear(2026);
        page.startDayCount();
        page.resize(776, 700);
        page.show();
        test::SaveScreenshot(page, "year-page-2026");
        // 20 May is today, in the year page's green; 1 January's number is drawn in the holiday red.
        const TSeMCalendar* may = page.controls().SeMCalendar[4];
        const int cell = EncodeJuliusDay(2026, 5, 20) - may->model().firstVisibleDay();
        const GridRect today = may->model().geometry().cellRect(cell % 7, cell / 7 + 1);
        QCOMPARE(QColor(may->image().pixel(today.left + 2, today.top + 1)), QColor(0x8A, 0xFE, 0x81));
        const TSeMCalendar* january = page.controls().SeMCalendar[0];
        const int first = EncodeJuliusDay(2026, 1, 1) - january->model().firstVisibleDay();
        const GridRect newYear = january->model().geometry().cellRect(first % 7, first / 7 + 1);
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
        const std::string memo =
            "&1 \x8D\xA1\x8F\x54\x82\xCC\x97\x5C\x92\xE8\r\n"                      // &1 今週の予定
            "\x81\x45\x8C\x8E\x97\x6A\x81\x40\x92\xE8\x97\xE1\x89\xEF\r\n"         // ・月曜　定例会
            "\x81\x45\x90\x85\x97\x6A\x81\x40\x8E\x91\x97\xBF\x92\xF1\x8F\x6F\r\n" // ・水曜　資料提出
            "\r\n"
            "\x81\x95\x82\x51 \x94\x83\x82\xA2\x95\xA8\x83\x8A\x83\x58\x83\x67\r\n" // ＆２ 買い物リスト
            "milk, bread\r\n";
        data.write("CaMemo.myc", memo);
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
};

QTEST_MAIN(PageScreenshots)
#include "PageScreenshots.moc"
