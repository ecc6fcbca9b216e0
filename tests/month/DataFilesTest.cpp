// SPDX-License-Identifier: GPL-3.0-or-later
// The month page's data files. Month files: loading, the save guard and byte-exact saving. The period file: copies in
// ten-day stretches, links and unwritable files, the guard, records kept and deleted. Each file of the sample data
// folder, loaded through its store and saved again, comes back byte for byte.
#include "base/TextFile.h"
#include "calendar/Julius.h"
#include "calendar/RuleFiles.h"
#include "controls/MonthGrid.h"
#include "files/UserFiles.h"
#include "month/MonthStore.h"
#include "month/PeriodStore.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sched.h>
#include <set>
#include <sys/mount.h>
#include <tuple>
#include <unistd.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class MonthFiles : public ::testing::Test {
protected:
    MonthFiles() {
        store.setDataFolder(dir.path());
        store.buildWindow(EncodeJuliusDay(2024, 5, 3));
    }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    ScheduleBook book;
    MonthStore store{dialogs, book};
};

// The guard judges the list in memory before any merge with the disk: a month cut below half is refused however much
// another writer added, and stays in memory; one cut to half is written with those additions, and the merged count is
// the new load count.
TEST_F(MonthFiles, TheGuardJudgesTheListBeforeTheMerge) {
    std::string bytes = " 0,0,9,2024/ 5\r\n";
    for (int day = 1; day <= 10; ++day)
        bytes += std::to_string(day) + ",1,,line,,,,,,\r\n";
    dir.write("Ca202405.myc", bytes);
    ASSERT_TRUE(store.loadSlot(1).ok());
    for (int day = 4; day <= 10; ++day)
        store.replaceDay(1, day, DaySchedule{});
    const std::string disk = bytes + "20,1,,disk\r\n";
    dir.write("Ca202405.myc", disk);
    dialogs.expect(DialogAnswer::Ok);
    ASSERT_TRUE(store.saveSlot(1).ok());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              "5月予定が立ち上げ時の半分以下、または０になっています。\r\nこの月は保存しません。");
    EXPECT_EQ(dialogs.shown()[0].caption, "確認 -Rekko-");
    EXPECT_EQ(dir.read("Ca202405.myc"), disk);
    EXPECT_EQ(store.lines(1).size(), 4u);

    store.replaceDay(1, 4, DaySchedule{{"line"}, {LineAttribute{}}});
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_EQ(dir.read("Ca202405.myc"),
              " 0,0,9,2024/ 5\r\n1,1,,line,,,,,,\r\n2,1,,line,,,,,,\r\n3,1,,line,,,,,,\r\n20,1,,disk\r\n"
              " 4,1,,line,,,,,,\r\n");
    EXPECT_EQ(book.slot(1).loadCount, 6u);
}

// Invalid bytes and Windows duplicates: a month none of whose lines was edited is not written; after an edit every
// line the user did not edit keeps its bytes, and an edited line never changes what a carried byte means.
TEST_F(MonthFiles, SavingNeverChangesTheBytesOfLinesNotEdited) {
    const std::string kept = " 0,0,9,2024/ 5\r\n"
                             " 5,1,,A\x81\xEE\xECZ,,,,,,\r\n" // a stray lead byte before an NEC-selected kanji
                             " 6,1,,\xEE\xEE\x71,,,,,,\r\n"
                             " 7,1,,\x87\x90\xFA\x4A\xFA\x54\xFA\x58\xED\x40,,,,,,\r\n"; // duplicates
    dir.write("Ca202405.myc", kept);
    ASSERT_TRUE(store.loadSlot(1).ok());
    fs::remove(dir / "Ca202405.myc");
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_FALSE(fs::exists(dir / "Ca202405.myc")); // nothing edited: not written

    // Day 6 is edited with its own text plus a line; the other days move ahead of it and keep their bytes.
    const std::string day6 = LoadDay(store.lines(1), 6).lines.at(0);
    store.replaceDay(1, 6, DaySchedule{{day6, "x"}, {LineAttribute{}, LineAttribute{}}});
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_EQ(dir.read("Ca202405.myc"), " 0,0,9,2024/ 5\r\n"
                                        " 5,1,,A\x81\xEE\xECZ,,,,,,\r\n"
                                        " 7,1,,\x87\x90\xFA\x4A\xFA\x54\xFA\x58\xED\x40,,,,,,\r\n"
                                        " 6,1,,\xEE\xEE\x71,,,,,,\r\n"
                                        " 6,2,,x,,,,,,\r\n");
    // Day 5 rewritten as it was: 黑 may not take its IBM code FC 4B, which would pair with the stray 0x81.
    const std::string day5 = LoadDay(store.lines(1), 5).lines.at(0);
    store.replaceDay(1, 5, DaySchedule{{day5 + "黑"}, {LineAttribute{}}});
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_NE(dir.read("Ca202405.myc").find(" 5,1,,A\x81\xEE\xECZ\xFC\x4B,,,,,,\r\n"), std::string::npos);
    // The edited line keeps its bytes at the next save, when another day is edited.
    std::string expected = dir.read("Ca202405.myc");
    const std::string day7 = " 7,1,,\x87\x90\xFA\x4A\xFA\x54\xFA\x58\xED\x40,,,,,,\r\n";
    expected.erase(expected.find(day7), day7.size());
    store.replaceDay(1, 7, DaySchedule{{"y"}, {LineAttribute{}}});
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_EQ(dir.read("Ca202405.myc"), expected + " 7,1,,y,,,,,,\r\n");
}

TEST_F(MonthFiles, UnreadableMonthIsNeverOverwritten) {
    fs::create_directory(dir / "Ca202405.myc");
    EXPECT_FALSE(store.loadSlot(1).ok());
    EXPECT_TRUE(book.slot(1).unreadable);
    store.replaceDay(1, 1, DaySchedule{{"x"}, {LineAttribute{}}});
    ASSERT_TRUE(store.saveSlot(1).ok());
    EXPECT_TRUE(fs::is_directory(dir / "Ca202405.myc"));
}

// Runs in a fresh current directory, where the copies are written.
class PeriodFile : public ::testing::Test {
protected:
    PeriodFile() : m_previous(fs::current_path()) {
        fs::current_path(cwd.path());
        fs::create_directory(dataDir());
    }
    ~PeriodFile() override { fs::current_path(m_previous); }

    fs::path dataDir() const { return cwd / "data"; }
    void writePeriods(int records) {
        std::string bytes = "***** FromTo\x97\x5C\x92\xE8\r\n";
        for (int i = 1; i <= records; ++i)
            bytes +=
                "2024, 5, " + std::to_string(i) + ",M,2024, 5, 9,E,2024, 5, 6,2,clBlue,p" + std::to_string(i) + "\r\n";
        std::ofstream(dataDir() / "CaFromTo.myc", std::ios::binary) << bytes;
    }
    PeriodStore::LoadOutcome loadOn(int year, int month, int day) { return store.load(dataDir(), year, month, day); }

    test::TempDir cwd;
    test::ScriptedDialogs dialogs;
    std::array<std::string, 3> copies{};
    // Keeps the first n lines of the period list.
    void keepPeriods(size_t n) {
        while (book.periods().size() > n)
            book.deletePeriod(n);
    }

    ScheduleBook book;
    PeriodStore store{dialogs, copies, book};

private:
    fs::path m_previous;
};

// Each copy takes the mode of the period file.
TEST_F(PeriodFile, RotatesOncePerStretch) {
    writePeriods(2);
    fs::permissions(dataDir() / "CaFromTo.myc", static_cast<fs::perms>(0600));
    EXPECT_EQ(loadOn(2024, 5, 9), PeriodStore::LoadOutcome::Loaded);
    EXPECT_EQ(copies, (std::array<std::string, 3>{"CaFT4050.mcp", "", ""}));
    EXPECT_EQ(fs::status("CaFT4050.mcp").permissions(), static_cast<fs::perms>(0600));
    EXPECT_EQ(loadOn(2024, 5, 10), PeriodStore::LoadOutcome::Loaded);
    EXPECT_EQ(copies, (std::array<std::string, 3>{"CaFT4051.mcp", "CaFT4050.mcp", ""}));
    // The 29th and the 30th are different stretches; the oldest copy goes, from the disk too, when a fourth arrives.
    loadOn(2024, 5, 29);
    loadOn(2024, 5, 30);
    EXPECT_EQ(copies, (std::array<std::string, 3>{"CaFT4050.mcp", "CaFT4052.mcp", "CaFT4051.mcp"}));
    loadOn(2024, 6, 1);
    EXPECT_EQ(copies, (std::array<std::string, 3>{"CaFT4060.mcp", "CaFT4050.mcp", "CaFT4052.mcp"}));
    std::set<std::string> onDisk;
    for (const fs::directory_entry& entry : fs::directory_iterator("."))
        onDisk.insert(entry.path().filename().string());
    EXPECT_EQ(onDisk, (std::set<std::string>{"CaFT4050.mcp", "CaFT4052.mcp", "CaFT4060.mcp", "data"}));
}

TEST_F(PeriodFile, CopiesAreBareNamesAndOnlyCopiesAreEverDeleted) {
    writePeriods(1);
    const fs::path precious = cwd.write("precious.txt", "keep");
    cwd.write("Ca202001.myc", " 0,0,9,2020/ 1\r\n");
    // Even handed a name of another form (the settings read such names as empty), the rotation deletes no file but
    // a copy.
    copies = {"CaFT4050.mcp", "", "Ca202001.myc"};
    loadOn(2024, 5, 15);
    EXPECT_TRUE(fs::exists("Ca202001.myc"));
    copies = {"CaFT4051.mcp", "", precious.string()};
    loadOn(2024, 5, 25);
    EXPECT_TRUE(fs::exists(precious));

    for (const char* name : {"CaFT1111.mcp", "CaFT.mcp", "CaFT12345.mcp", "CaFTab.mcp", "CaFT1111.mcpx"})
        std::ofstream(name) << "x";
    fs::create_directory("CaFT9999.mcp");
    ASSERT_TRUE(store.removeStaleCopies().ok());
    EXPECT_FALSE(fs::exists("CaFT1111.mcp"));
    for (const char* kept : {"CaFT.mcp", "CaFT12345.mcp", "CaFTab.mcp", "CaFT1111.mcpx", "CaFT9999.mcp", "CaFT4052.mcp",
                             "Ca202001.myc", "precious.txt"})
        EXPECT_TRUE(fs::exists(kept)) << kept;
}

// Today's copy name is easy to foresee: another user may lay it as a link in a shared working folder. The copy is
// refused with the cause, and what the link leads to stays as it was.
TEST_F(PeriodFile, ACopyNameLaidAsALinkByAnotherUserInASharedFolderIsRefused) {
    writePeriods(1);
    fs::permissions(cwd.path(), static_cast<fs::perms>(01777));
    const fs::path victim = dataDir() / "victim.txt";
    std::ofstream(victim) << "mine";
    fs::create_symlink(victim, "CaFT4050.mcp");
    if (!test::GiveToNobody("CaFT4050.mcp"))
        GTEST_SKIP() << "only root can lay a link of another user";
    dialogs.expect(DialogAnswer::Ok);
    loadOn(2024, 5, 3);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              "期間ファイルを書き込めません。\r\nCaFT4050.mcp\r\n"
              "他のユーザーが共有フォルダに置いたシンボリックリンクはたどりません: CaFT4050.mcp");
    EXPECT_EQ(test::ReadFile(victim), "mine");
    EXPECT_TRUE(fs::is_symlink("CaFT4050.mcp"));
}

// A file system of a few pages mounted on a new folder and filled up, the current directory while it lives. It is
// mounted in a mount namespace of the test's own, so nothing stays mounted whatever happens; only root may mount.
class FullDisk {
public:
    explicit FullDisk(const fs::path& folder) : m_folder(folder) {
        fs::create_directory(folder);
        m_mounted = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                    ::mount("rekko-full", folder.c_str(), "tmpfs", 0, "size=16k") == 0;
        if (!m_mounted)
            return;
        fs::current_path(folder);
        const int filler = ::open("filler", O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const std::string block(4096, 'x');
        while (::write(filler, block.data(), block.size()) > 0) {
        }
        ::close(filler);
    }
    ~FullDisk() {
        if (!m_mounted)
            return;
        fs::current_path(m_folder.parent_path());
        ::umount2(m_folder.c_str(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return m_mounted; }

private:
    fs::path m_folder;
    bool m_mounted = false;
};

TEST_F(PeriodFile, ACopyThatCannotBeWrittenSaysWhyOnALineOfItsOwn) {
    writePeriods(1);
    const FullDisk disk(cwd / "full");
    if (!disk.mounted())
        GTEST_SKIP() << "a small full file system needs root to mount: " << std::strerror(errno);
    dialogs.expect(DialogAnswer::Ok);
    loadOn(2024, 5, 3);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              std::string("期間ファイルを書き込めません。\r\nCaFT4050.mcp\r\n書き込めません: ") +
                  std::strerror(ENOSPC));
    EXPECT_EQ(copies[0], "CaFT4050.mcp") << "the rotation goes on";
}

TEST_F(PeriodFile, ADanglingLinkIsUnreadableAndNeverReplaced) {
    fs::create_symlink(cwd / "moved" / "CaFromTo.myc", dataDir() / "CaFromTo.myc");
    EXPECT_EQ(loadOn(2024, 5, 3), PeriodStore::LoadOutcome::Unreadable);
    EXPECT_TRUE(dialogs.shown().empty()) << "never announced as missing";
    ASSERT_TRUE(store.save().ok());
    EXPECT_TRUE(fs::is_symlink(dataDir() / "CaFromTo.myc"));
    EXPECT_FALSE(fs::exists(cwd / "moved"));
}

TEST_F(PeriodFile, ANewFileThatCannotBeWrittenIsAWarningAndTheListGoesOn) {
    dialogs.expect(DialogAnswer::Ok);
    dialogs.expect(DialogAnswer::Ok);
    // /proc refuses new files even to root.
    EXPECT_EQ(store.load("/proc", 2024, 5, 3), PeriodStore::LoadOutcome::Created);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    const DialogMessage& warning = dialogs.shown()[1];
    EXPECT_EQ(warning.icon, DialogIcon::Warning);
    const std::string heading = "期間ファイルを書き込めません。\r\n/proc/CaFromTo.myc\r\n";
    EXPECT_TRUE(warning.text.starts_with(heading) && warning.text.size() > heading.size()) << warning.text;
    EXPECT_EQ(store.list(), (Lines{"***** FromTo予定"}));
    EXPECT_FALSE(store.save().ok()) << "each later save reports its own failure";
}

TEST_F(PeriodFile, GuardWritesThreeOfSevenAndTheHeaderOnly) {
    writePeriods(6);
    loadOn(2024, 5, 3);
    keepPeriods(3);
    ASSERT_TRUE(store.save().ok());
    keepPeriods(2);
    dialogs.expect(DialogAnswer::Ok);
    ASSERT_TRUE(store.save().ok());
    EXPECT_EQ(dialogs.shown().back().text,
              "期間予定が立ち上げ時の半分以下、または０になっています。\r\n期間予定は保存しません。");
    EXPECT_EQ(ReadTextFile(dataDir() / "CaFromTo.myc").value().lines().size(), 3u);

    writePeriods(0);
    PeriodStore headerOnly{dialogs, copies, book};
    headerOnly.load(dataDir(), 2024, 5, 3);
    ASSERT_TRUE(headerOnly.save().ok());
    EXPECT_EQ(ReadTextFile(dataDir() / "CaFromTo.myc").value().lines(), (Lines{"***** FromTo予定"}));
}

// A file whose line 1 is a record gets the header in front in memory, and in the file at its next write; that is no
// edit: the first save writes the bytes it read.
TEST_F(PeriodFile, AHeaderlessFileKeepsEveryRecord) {
    const std::string records = "2024, 5, 1,M,2024, 5, 9,E,2024, 5, 6,2,clBlue,p\x81\r\n"
                                "2024, 5, 2,M,2024, 5, 9,E,2024, 5, 6,2,clBlue,q\n";
    std::ofstream(dataDir() / "CaFromTo.myc", std::ios::binary) << records;
    loadOn(2024, 5, 3);
    ASSERT_EQ(store.list().size(), 3u);
    EXPECT_EQ(store.list()[0], kPeriodFileHeader);
    EXPECT_TRUE(store.list()[1].starts_with("2024, 5, 1,M,"));
    ASSERT_TRUE(store.save().ok());
    EXPECT_EQ(cwd.read("data/CaFromTo.myc"), records);
    PeriodFields period = NewPeriod(EncodeJuliusDay(2024, 6, 1), 1, EncodeJuliusDay(2024, 6, 3), 3, 1, clRed);
    period.text = "new";
    ASSERT_TRUE(store.store(0, period));
    ASSERT_TRUE(store.save().ok());
    EXPECT_EQ(cwd.read("data/CaFromTo.myc"), "***** FromTo\x97\x5C\x92\xE8\r\n"
                                             "2024, 5, 1,M,2024, 5, 9,E,2024, 5, 6,2,clBlue,p\x81\r\n"
                                             "2024, 5, 2,M,2024, 5, 9,E,2024, 5, 6,2,clBlue,q\r\n"
                                             "2024, 6, 1,M,2024, 6, 3,E,2024, 6, 2,1,clRed,new\r\n");
    // Written with its header, the list is as the file: a later save leaves a change made elsewhere alone.
    EXPECT_FALSE(store.edited());
    cwd.write("data/CaFromTo.myc", "changed elsewhere\r\n");
    ASSERT_TRUE(store.save().ok());
    EXPECT_EQ(cwd.read("data/CaFromTo.myc"), "changed elsewhere\r\n");

    std::ofstream(dataDir() / "CaFromTo.myc", std::ios::binary).flush();
    PeriodStore empty{dialogs, copies, book};
    empty.load(dataDir(), 2024, 5, 3);
    EXPECT_EQ(empty.list(), (Lines{kPeriodFileHeader}));
    ASSERT_TRUE(empty.save().ok());
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(cwd.read("data/CaFromTo.myc"), "");
}

// Month initialisation loads the file again: as it was, the list stays and an edit by index replaces the right
// record; changed on disk, or edited and held back by the guard, the file is read afresh.
TEST_F(PeriodFile, LoadingAgainReadsTheFileAfreshWhenItOrTheListChanged) {
    writePeriods(4);
    loadOn(2024, 5, 3);
    loadOn(2024, 5, 3);
    PeriodFields period = ReadPeriodRecord(store.list()[2], clBlue);
    period.text = "edited p2";
    ASSERT_TRUE(store.store(2, period));
    ASSERT_TRUE(store.save().ok());
    const std::string record = "2024, 5, 2,M,2024, 5, 9,E,2024, 5, 6,2,clBlue,";
    EXPECT_EQ(cwd.read("data/CaFromTo.myc"),
              "***** FromTo\x97\x5C\x92\xE8\r\n2024, 5, 1,M,2024, 5, 9,E,2024, 5, 6,2,clBlue,p1\r\n"
              "2024, 5, 3,M,2024, 5, 9,E,2024, 5, 6,2,clBlue,p3\r\n"
              "2024, 5, 4,M,2024, 5, 9,E,2024, 5, 6,2,clBlue,p4\r\n" +
                  record + "edited p2\r\n");
    loadOn(2024, 5, 3);
    EXPECT_EQ(store.list().back(), record + "edited p2");
    EXPECT_FALSE(store.edited());

    writePeriods(4);
    loadOn(2024, 5, 3);
    EXPECT_EQ(store.list()[2], record + "p2");
    keepPeriods(1);
    dialogs.expect(DialogAnswer::Ok);
    ASSERT_TRUE(store.save().ok());
    loadOn(2024, 5, 3);
    EXPECT_EQ(store.list().size(), 5u);
    EXPECT_FALSE(store.edited());
}

TEST_F(PeriodFile, StoreAppendsReplacesAndRefusesInvalidDates) {
    writePeriods(2);
    loadOn(2024, 5, 3);
    PeriodFields period = NewPeriod(EncodeJuliusDay(2024, 6, 1), 1, EncodeJuliusDay(2024, 6, 3), 3, 1, clRed);
    period.text = "new";
    EXPECT_TRUE(store.store(0, period));
    EXPECT_EQ(store.list().back(), "2024, 6, 1,M,2024, 6, 3,E,2024, 6, 2,1,clRed,new");
    period.text = "edited p1";
    EXPECT_TRUE(store.store(1, period));
    EXPECT_EQ(store.list().size(), 4u);
    EXPECT_EQ(store.list()[1].substr(store.list()[1].rfind(',') + 1), "p2");
    EXPECT_EQ(store.list().back().substr(store.list().back().rfind(',') + 1), "edited p1");

    period.end = {2024, 6, 31};
    dialogs.expect(DialogAnswer::Ok);
    dialogs.expect(DialogAnswer::Ok);
    EXPECT_FALSE(store.store(0, period));
    EXPECT_EQ(std::tuple(dialogs.shown()[0].text, dialogs.shown()[0].icon, dialogs.shown()[1].text),
              std::tuple("不正な日付：2024/06/31", DialogIcon::Warning, "登録いたしません。"));
    EXPECT_EQ(store.list().size(), 4u);
}

// Deleting asks first, naming the period with its ends in date order; a grid drawing the book follows.
TEST_F(PeriodFile, RemoveAsksAndDeletesOnlyOnYes) {
    writePeriods(0);
    loadOn(2024, 5, 3);
    book.addPeriod("2024, 5, 5,E,2024, 5, 3,M,2024, 5, 4,1,clBlue,a");
    book.addPeriod("2024, 5, 9,M,2024, 5, 9,E,2024, 5, 9,1,clBlue,b");
    MonthGrid grid{EncodeJuliusDay(2024, 5, 3), book};
    dialogs.expect(DialogAnswer::No);
    EXPECT_FALSE(store.remove(1));
    EXPECT_EQ(store.list().size(), 3u);
    dialogs.expect(DialogAnswer::Yes);
    EXPECT_TRUE(store.remove(1));
    ASSERT_EQ(store.list().size(), 2u);
    grid.layout();
    const Lane moved = grid.cellLanes(EncodeJuliusDay(2024, 5, 9) - grid.firstVisibleDay())[0];
    EXPECT_EQ(moved, (Lane{'F', 1}));
    EXPECT_EQ(grid.periodBar(moved)->title, "b");
    // The header and lines beyond the list are never asked about.
    EXPECT_FALSE(store.remove(0));
    EXPECT_FALSE(store.remove(2));
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].text, "この予定を削除してもいいですか？\r\n2024/05/03～2024/05/05 a");
    EXPECT_EQ(dialogs.shown()[0].defaultAnswer, DialogAnswer::No);
}

class SampleRoundTrip : public ::testing::TestWithParam<const char*> {
protected:
    fs::path sample() const { return test::TestDataDir() / "sample" / GetParam(); }

    // Loads the sample file through its store and saves it into out; returns the path written.
    fs::path roundTrip() {
        const std::string name = GetParam();
        const fs::path folder = test::TestDataDir() / "sample";
        if (name == kSpecialDayFileName) {
            DayRules rules;
            EXPECT_EQ(RuleFile(RuleList::SpecialDays, folder / name).load(rules), std::nullopt);
            EXPECT_TRUE(WriteTextFile(out / name, rules.specialDayList()).ok());
            return out / name;
        }
        if (name == kPeriodFileName) {
            PeriodStore store{dialogs, copies, book};
            EXPECT_EQ(store.load(folder, 2026, 12, 15, {false, false}), PeriodStore::LoadOutcome::Loaded);
            return store.rescue(out.path()).value();
        }
        MonthStore store{dialogs, book};
        store.setDataFolder(folder);
        store.buildWindow(EncodeJuliusDay(2026, 12, 15));
        const int year = std::stoi(name.substr(2, 4));
        const int slot = store.window().findSlot(year, std::stoi(name.substr(6, 2)));
        EXPECT_GE(slot, 0) << name << " lies outside the month window";
        EXPECT_TRUE(store.loadSlot(slot).ok());
        return store.rescueSlot(slot, out.path()).value();
    }

    test::TempDir out;
    test::ScriptedDialogs dialogs;
    std::array<std::string, 3> copies;
    ScheduleBook book;
};

TEST_P(SampleRoundTrip, SavesTheBytesItLoaded) {
    const std::string original = ReadFileBytes(sample()).value();
    ASSERT_FALSE(original.empty());
    EXPECT_EQ(ReadFileBytes(roundTrip()).value(), original);
}

INSTANTIATE_TEST_SUITE_P(SampleFolder, SampleRoundTrip,
                         ::testing::Values("Ca202611.myc", "Ca202612.myc", "Ca202701.myc", "CaFromTo.myc", "Sday.myc"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                             std::string name = param.param;
                             return name.substr(0, name.find('.'));
                         });

} // namespace
} // namespace rekko
