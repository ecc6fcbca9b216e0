// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule book: what each edit tells its listeners, when a file counts as changed, the bytes kept on writing,
// periods addressed by index, the jumped month's edits and the special days written back.
#include "book/ScheduleBook.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Lines = std::vector<std::string>;
using Kind = BookChange::Kind;

struct ChangeLog : BookListener {
    void bookChanged(const BookChange& change) override { changes.push_back(change); }
    std::vector<BookChange> changes;
};

DaySchedule OneLine(std::string text) {
    return DaySchedule{{std::move(text)}, {LineAttribute{}}};
}

TEST(ScheduleBook, EachEditTellsTheListenersWhatChanged) {
    ScheduleBook book;
    ChangeLog log;
    book.addListener(log);
    book.setSlotMonth(2, 2024, 6);
    book.loadSlot(2, ParseTextBytes(" 0,0,9,2024/ 6\r\n"));
    book.replaceDay(2, 17, OneLine("会議"));
    book.loadPeriods(TextLines());
    book.addPeriod("2024, 6, 1,M,2024, 6, 3,E,2024, 6, 2,1,clRed,a");
    book.changePeriod(1, "2024, 6, 4,M,2024, 6, 5,E,2024, 6, 4,1,clRed,b");
    book.deletePeriod(1);
    book.deletePeriod(1); // nothing left to delete: nothing to tell
    book.setHolidays({"1,1,元日"});
    EXPECT_EQ(log.changes, (std::vector<BookChange>{{Kind::Slot, 2},
                                                    {Kind::Slot, 2},
                                                    {Kind::Days, 2, 17, 17},
                                                    {Kind::Periods},
                                                    {Kind::Periods},
                                                    {Kind::Periods},
                                                    {Kind::Periods},
                                                    {Kind::Rules}}));
    book.removeListener(log);
    book.replaceDay(2, 18, OneLine("x"));
    EXPECT_EQ(log.changes.size(), 8u);
}

TEST(ScheduleBook, AnEditUndoneLeavesNothingToWrite) {
    ScheduleBook book;
    book.setSlotMonth(1, 2024, 5);
    book.loadSlot(1, ParseTextBytes(" 0,0,9,2024/ 5\r\n 3,1,,a,,,,,,\r\n 7,1,,b,,,,,,\r\n"));
    EXPECT_FALSE(book.slotChanged(1));
    book.replaceDay(1, 7, OneLine("c"));
    EXPECT_TRUE(book.slotChanged(1));
    book.replaceDay(1, 7, OneLine("b"));
    EXPECT_FALSE(book.slotChanged(1));

    book.loadPeriods(ParseTextBytes("2024, 5, 1,M,2024, 5, 2,E,2024, 5, 1,1,clRed,p\r\n"));
    EXPECT_EQ(book.periods().size(), 2u);
    EXPECT_FALSE(book.periodsChanged()); // the header added in memory is no edit
    book.addPeriod("2024, 5, 9,M,2024, 5, 9,E,2024, 5, 9,1,clRed,q");
    EXPECT_TRUE(book.periodsChanged());
    book.deletePeriod(2);
    EXPECT_FALSE(book.periodsChanged());
}

// Every line written ends in CR LF, whatever the file had; lines not edited keep their bytes, and the bytes from an
// end-of-file mark on stay.
TEST(ScheduleBook, WritingKeepsTheBytesOfUntouchedLinesAndTheTail) {
    test::TempDir dir;
    const std::string tail("\x1A 9,1,,hidden\r\n\x1A\x00tail", 20);
    for (const std::string ending : {"\n", "\r"}) {
        ScheduleBook book;
        book.setSlotMonth(1, 2024, 5);
        book.loadSlot(1, ParseTextBytes(" 0,0,9,2024/ 5" + ending + " 1,1,,\x81\xad\xff,,,,,," + ending + tail));
        book.replaceDay(1, 3, OneLine("c"));
        ASSERT_TRUE(book.writeSlot(1, dir / "Ca202405.myc").ok());
        EXPECT_EQ(dir.read("Ca202405.myc"), " 0,0,9,2024/ 5\r\n 1,1,,\x81\xad\xff,,,,,,\r\n 3,1,,c,,,,,,\r\n" + tail);
        EXPECT_FALSE(book.slotChanged(1)); // what was written is now the file as read
    }
}

TEST(ScheduleBook, APeriodIndexAddressesTheListOfTheLastLoad) {
    const std::string p = "2024, 5, 1,M,2024, 5, 2,E,2024, 5, 1,1,clRed,";
    ScheduleBook book;
    book.loadPeriods(ParseTextBytes("***** FromTo予定\r\n" + p + "a\r\n" + p + "b\r\n"));
    book.deletePeriod(1);
    // Read again from a file without a header: index 1 is the file's first record, behind the added header.
    book.loadPeriods(ParseTextBytes(p + "c\r\n" + p + "d\r\n" + p + "e\r\n"));
    book.deletePeriod(2);
    EXPECT_EQ(book.periods(), (Lines{kPeriodFileHeader, p + "c", p + "e"}));
    book.changePeriod(1, p + "f");
    EXPECT_EQ(book.periods(), (Lines{kPeriodFileHeader, p + "e", p + "f"}));
}

TEST(ScheduleBook, TheJumpedMonthKeepsItsEditsUntilItTakesAnotherMonth) {
    ScheduleBook book;
    book.setSlotMonth(kJumpSlot, 2031, 7);
    book.loadSlot(kJumpSlot, TextLines());
    EXPECT_EQ(book.lines(kJumpSlot), (Lines{" 0,0,9,2031/ 7"}));
    book.replaceDay(kJumpSlot, 1, OneLine("far"));
    EXPECT_TRUE(book.jumpedMonthEdited());
    // The window's months are read again meanwhile: the jumped month stays as it is.
    book.setSlotMonth(1, 2024, 5);
    book.loadSlot(1, TextLines());
    EXPECT_TRUE(book.jumpedMonthEdited());
    EXPECT_EQ(book.lines(kJumpSlot), (Lines{" 0,0,9,2031/ 7", " 1,1,,far,,,,,,"}));
    EXPECT_TRUE(book.slotChanged(kJumpSlot));
    book.setSlotMonth(kJumpSlot, 1900, 1);
    EXPECT_FALSE(book.jumpedMonthEdited());
    EXPECT_TRUE(book.lines(kJumpSlot).empty());
}

TEST(ScheduleBook, SpecialDaysAreWrittenBackToTheFileTheyWereReadFrom) {
    test::CurrentTempDir dir;
    dir.write("Sday.myc", "7,7,abc\r\n12,24,\x83\x43\x83\x75\r\n"); // イブ in code page 932
    ScheduleBook book;
    EXPECT_TRUE(book.readRuleFiles().empty());
    ASSERT_TRUE(book.replaceSpecialDays({"7,7,abc", "12,24,イブ", "1,1,new"}).ok());
    EXPECT_EQ(dir.read("Sday.myc"), "7,7,abc\r\n12,24,\x83\x43\x83\x75\r\n1,1,new\r\n");
    EXPECT_EQ(book.rules().specialDayList().size(), 3u);
}

} // namespace
} // namespace rekko
