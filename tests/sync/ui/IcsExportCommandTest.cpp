// SPDX-License-Identifier: GPL-3.0-or-later
// The window's iCalendar export offscreen: the span dialog starts on the month shown, the book's edits and the data
// folder's months are written with the holidays when asked, the notice counts events and malformed lines; a
// cancelled dialog or chooser writes nothing and an unwritable file is told with its cause.
#include "sync/ui/IcsExportCommand.h"

#include "book/ScheduleBook.h"

#include "FakeClock.h"
#include "Pictures.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <QTest>

namespace rekko {
namespace {

class IcsExportCommandTest : public QObject {
    Q_OBJECT
private slots:
    void writesTheSpanFromTheBookAndTheDataFolder() {
        test::TempDir data;
        data.write("Ca202701.myc", " 0,0,9,2027/01\r\n 5,1,,from the file,,,,,,\r\nzz,1,,bad\r\n");
        ScheduleBook book;
        book.setHolidays(BuiltinHolidayList());
        book.setSlotMonth(0, 2026, 12);
        book.loadSlot(0, ParseTextBytes(" 0,0,9,2026/12\r\n"));
        book.replaceDay(0, 24, DaySchedule{{"edited"}, {LineAttribute{}}});
        const FileSet files = BuildFileSet(data.path(), data.path().string() + "/");
        test::FakeClock clock(CalendarDate{2026, 12, 6});
        test::ScriptedDialogs dialogs;
        IcsExportCommand command(
            book, [&] { return files; }, dialogs, clock);
        QDate shownFrom, shownTo;
        command.setSpanAnswer([&](IcsSpanDialog& dialog) {
            shownFrom = dialog.from()->date();
            shownTo = dialog.to()->date();
            dialog.show();
            test::SaveScreenshot(dialog, "ics-span-dialog");
            dialog.to()->setDate(QDate(2027, 1, 31));
            dialog.holidays()->setChecked(true);
            return int(QDialog::Accepted);
        });
        command.setFileChooser([&](QWidget*) { return data / "out.ics"; });
        dialogs.expect(DialogAnswer::Ok, "2 件の予定を書き出しました。\r\n" + (data / "out.ics").string() +
                                             "\r\n読めない行 1 行は飛ばしました。");
        command.run(QDate(2026, 12, 1), nullptr);
        QCOMPARE(shownFrom, QDate(2026, 12, 1));
        QCOMPARE(shownTo, QDate(2026, 12, 31));
        const std::string written = data.read("out.ics");
        for (const char* line :
             {"SUMMARY:edited\r\n", "SUMMARY:from the file\r\n", "X-WR-CALNAME:祝日\r\n", "SUMMARY:元旦\r\n"})
            QVERIFY2(written.find(line) != std::string::npos, line);
    }

    void cancelledWritesNothingAndAnUnwritableFileIsTold() {
        test::TempDir data;
        ScheduleBook book;
        const FileSet files = BuildFileSet(data.path(), "");
        test::FakeClock clock(CalendarDate{2026, 12, 6});
        test::ScriptedDialogs dialogs;
        IcsExportCommand command(
            book, [&] { return files; }, dialogs, clock);
        bool chooserAsked = false;
        command.setSpanAnswer([](IcsSpanDialog&) { return int(QDialog::Rejected); });
        command.setFileChooser([&](QWidget*) {
            chooserAsked = true;
            return std::optional<std::filesystem::path>();
        });
        command.run(QDate(2026, 12, 1), nullptr);
        QVERIFY(!chooserAsked);
        command.setSpanAnswer([](IcsSpanDialog&) { return int(QDialog::Accepted); });
        command.run(QDate(2026, 12, 1), nullptr);
        QVERIFY(chooserAsked);
        command.setFileChooser([&](QWidget*) { return data / "nosuch" / "out.ics"; });
        dialogs.expect(DialogAnswer::Ok, (data / "nosuch" / "out.ics").string() + "\r\nに書き込めませんでした。");
        command.run(QDate(2026, 12, 1), nullptr);
        QVERIFY(std::filesystem::is_empty(data.path()));
    }
};

} // namespace
} // namespace rekko

QTEST_MAIN(rekko::IcsExportCommandTest)
#include "IcsExportCommandTest.moc"
