// SPDX-License-Identifier: GPL-3.0-or-later
// Two writers of one file: the book's writes of month files, the period file and "Sday.myc" merge what another writer
// changed on disk since the file was read, and hold the result.
#include "book/ScheduleBook.h"

#include "FileSizeLimit.h"
#include "TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

struct ChangeLog : BookListener {
    void bookChanged(const BookChange& change) override { changes.push_back(change); }
    std::vector<BookChange> changes;
};

constexpr std::string_view kHeader = " 0,0,9,2024/ 5\r\n";

DaySchedule OneLine(std::string text) {
    return DaySchedule{{std::move(text)}, {LineAttribute{}}};
}

class TwoWriters : public ::testing::Test {
protected:
    void load(std::string_view bytes) {
        dir.write(kName, bytes);
        book.setSlotMonth(1, 2024, 5);
        book.loadSlot(1, ReadTextFile(file).value());
    }
    // The other writer: a shell appending to the file.
    void append(std::string_view bytes) const { std::ofstream(file, std::ios::app | std::ios::binary) << bytes; }

    static constexpr std::string_view kName = "Ca202405.myc";
    test::TempDir dir;
    fs::path file = dir / kName;
    ScheduleBook book;
};

TEST_F(TwoWriters, ADayChangedOnDiskSurvivesTheWriteOfAnotherDayOnce) {
    load(std::string(kHeader) + " 3,1,,a,,,,,,\r\n");
    ChangeLog log;
    book.addListener(log);
    book.replaceDay(1, 7, OneLine("ours"));
    append(" 5,1,,shell\n\x1A tail");
    ASSERT_TRUE(book.writeSlot(1, file).ok());
    const std::string merged = std::string(kHeader) + " 3,1,,a,,,,,,\r\n 5,1,,shell\r\n 7,1,,ours,,,,,,\r\n";
    EXPECT_EQ(dir.read(kName), merged + "\x1A tail"); // the disk's end-of-file mark and what follows it stay
    EXPECT_EQ(book.lines(1), (Lines{" 0,0,9,2024/ 5", " 3,1,,a,,,,,,", " 5,1,,shell", " 7,1,,ours,,,,,,"}));
    EXPECT_EQ(book.slot(1).loadCount, 4u);
    EXPECT_FALSE(book.slotChanged(1));
    EXPECT_EQ(log.changes.back(), (BookChange{.kind = BookChange::Kind::Slot, .slot = 1, .merged = true}));
    const auto notes = book.takeMerged();
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].file, file.string());
    EXPECT_NE(notes[0].note.find("（5日）"), std::string::npos) << notes[0].note;
    EXPECT_FALSE(notes[0].setAside);

    // The next write merges nothing again.
    book.replaceDay(1, 9, OneLine("more"));
    ASSERT_TRUE(book.writeSlot(1, file).ok());
    EXPECT_EQ(dir.read(kName), merged + " 9,1,,more,,,,,,\r\n\x1A tail");
    EXPECT_TRUE(book.takeMerged().empty());
    book.removeListener(log);
}

// A disk that differs in its line ends or its end-of-file mark only holds the lines read: ours are written as ever.
TEST_F(TwoWriters, LineEndsOrAnEndOfFileMarkAloneAreNoChange) {
    for (const std::string_view disk : {" 0,0,9,2024/ 5\n 3,1,,a,,,,,,\r", " 0,0,9,2024/ 5\r\n 3,1,,a,,,,,,\r\n\x1A"}) {
        load(std::string(kHeader) + " 3,1,,a,,,,,,\r\n");
        book.replaceDay(1, 7, OneLine("ours"));
        dir.write(kName, disk);
        ASSERT_TRUE(book.writeSlot(1, file).ok());
        EXPECT_EQ(dir.read(kName), std::string(kHeader) + " 3,1,,a,,,,,,\r\n 7,1,,ours,,,,,,\r\n");
        EXPECT_TRUE(book.takeMerged().empty());
    }
}

TEST_F(TwoWriters, AVanishedFileIsWrittenWholeAndOneCreatedMergesWithAnEmptyBase) {
    load(std::string(kHeader) + " 3,1,,a,,,,,,\r\n");
    book.replaceDay(1, 7, OneLine("ours"));
    fs::remove(file);
    ASSERT_TRUE(book.writeSlot(1, file).ok());
    EXPECT_EQ(dir.read(kName), std::string(kHeader) + " 3,1,,a,,,,,,\r\n 7,1,,ours,,,,,,\r\n");

    book.setSlotMonth(2, 2024, 6);
    book.loadSlot(2, TextLines());
    book.replaceDay(2, 1, OneLine("ours"));
    dir.write("Ca202406.myc", " 0,0,9,2024/ 6\r\n 9,1,,disk\r\n");
    ASSERT_TRUE(book.writeSlot(2, dir / "Ca202406.myc").ok());
    EXPECT_EQ(dir.read("Ca202406.myc"), " 0,0,9,2024/ 6\r\n 9,1,,disk\r\n 1,1,,ours,,,,,,\r\n");
}

TEST_F(TwoWriters, ADiskCutShortIsSetAsideAndOursWrittenWhole) {
    const std::string full = std::string(kHeader) + " 1,1,,a\r\n 2,1,,b\r\n 3,1,,c\r\n 4,1,,d\r\n";
    load(full);
    book.replaceDay(1, 7, OneLine("ours"));
    dir.write(kName, " 1,1,,a\r\n");
    ASSERT_TRUE(book.writeSlot(1, file).ok());
    EXPECT_EQ(dir.read(kName), full + " 7,1,,ours,,,,,,\r\n");
    const auto notes = book.takeMerged();
    ASSERT_EQ(notes.size(), 1u);
    ASSERT_TRUE(notes[0].setAside);
    test::TempDir rescue;
    ASSERT_EQ(notes[0].setAside(rescue.path()).value(), rescue / kName);
    EXPECT_EQ(rescue.read(kName), " 1,1,,a\r\n");
}

TEST_F(TwoWriters, AFileThatCannotBeReadNowIsNotWritten) {
    load(std::string(kHeader) + " 3,1,,a,,,,,,\r\n");
    book.replaceDay(1, 7, OneLine("ours"));
    fs::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    EXPECT_FALSE(book.writeSlot(1, file).ok());
    EXPECT_TRUE(fs::is_fifo(file));
    EXPECT_TRUE(book.slotChanged(1));
}

// The failed write leaves the merged lines in the book and the disk as read for the base: the retry merges nothing
// twice.
TEST_F(TwoWriters, AFailedWriteThenARetryTakesTheDiskOnce) {
    load(std::string(kHeader) + " 3,1,,a,,,,,,\r\n");
    book.replaceDay(1, 7, OneLine("ours"));
    append(" 5,1,,shell\r\n");
    {
        const test::FileSizeLimit limit(40);
        ASSERT_TRUE(limit.set());
        EXPECT_FALSE(book.writeSlot(1, file).ok());
    }
    EXPECT_EQ(book.lines(1), (Lines{" 0,0,9,2024/ 5", " 3,1,,a,,,,,,", " 5,1,,shell", " 7,1,,ours,,,,,,"}));
    EXPECT_EQ(book.takeMerged().size(), 1u);
    ASSERT_TRUE(book.writeSlot(1, file).ok());
    EXPECT_EQ(dir.read(kName), std::string(kHeader) + " 3,1,,a,,,,,,\r\n 5,1,,shell\r\n 7,1,,ours,,,,,,\r\n");
    EXPECT_TRUE(book.takeMerged().empty());
}

constexpr std::string_view R1 = "2024, 5, 1,M,2024, 5, 2,E,2024, 5, 1,1,clRed,one";
constexpr std::string_view R2 = "2024, 5, 9,M,2024, 5, 9,E,2024, 5, 9,1,clRed,two";
constexpr std::string_view R3 = "2024, 6, 1,M,2024, 6, 1,E,2024, 6, 1,1,clRed,three";

std::string Records(std::initializer_list<std::string_view> lines) {
    std::string bytes;
    for (const std::string_view line : lines)
        (bytes += line) += "\r\n";
    return bytes;
}

TEST_F(TwoWriters, APeriodEditedOnBothSidesIsKeptInBothVersions) {
    const std::string header = "***** FromTo\x97\x5C\x92\xE8"; // ***** FromTo予定 in code page 932
    const fs::path periods = dir.write("CaFromTo.myc", Records({header, R1, R2}));
    book.loadPeriods(ReadTextFile(periods).value());
    const std::string ours = "2024, 5, 1,M,2024, 5, 2,E,2024, 5, 1,1,clRed,ours";
    book.changePeriod(1, ours);
    dir.write("CaFromTo.myc", Records({header, R2, "2024, 5, 1,M,2024, 5, 2,E,2024, 5, 1,1,clRed,disk"}));
    ASSERT_TRUE(book.writePeriods(periods).ok());
    EXPECT_EQ(dir.read("CaFromTo.myc"),
              Records({header, R2, "2024, 5, 1,M,2024, 5, 2,E,2024, 5, 1,1,clRed,disk", ours}));
    EXPECT_EQ(book.periods().size(), 4u);
    EXPECT_NE(book.takeMerged().at(0).note.find("両方の版を残しました"), std::string::npos);
}

TEST_F(TwoWriters, APeriodFileWithoutItsHeaderGetsItWithTheDisksRecords) {
    const fs::path periods = dir.write("CaFromTo.myc", Records({R1}));
    book.loadPeriods(ReadTextFile(periods).value());
    book.addPeriod(std::string(R2));
    std::ofstream(periods, std::ios::app | std::ios::binary) << R3; // a last line without its line end
    ASSERT_TRUE(book.writePeriods(periods).ok());
    EXPECT_EQ(dir.read("CaFromTo.myc"), "***** FromTo\x97\x5C\x92\xE8\r\n" + Records({R1, R3, R2}));
}

TEST(SpecialDayWrites, TheDisksAnniversariesAreKept) {
    test::CurrentTempDir dir;
    dir.write("Sday.myc", "7,7,abc\r\n12,6,old\r\n");
    ScheduleBook book;
    EXPECT_TRUE(book.readRuleFiles().empty());
    dir.write("Sday.myc", "7,7,abc\r\n12,6,old\r\n1,1,disk\r\n");
    ASSERT_TRUE(book.replaceSpecialDays({"7,7,abc", "12,24,ours"}).ok());
    EXPECT_EQ(dir.read("Sday.myc"), "7,7,abc\r\n1,1,disk\r\n12,24,ours\r\n");
    EXPECT_EQ(book.rules().specialDayList(), (Lines{"7,7,abc", "1,1,disk", "12,24,ours"}));
    EXPECT_EQ(book.takeMerged().size(), 1u);
}

} // namespace
} // namespace rekko
