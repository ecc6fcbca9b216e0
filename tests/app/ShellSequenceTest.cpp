// SPDX-License-Identifier: GPL-3.0-or-later
// The shell's sequences over real files: the creation sequence in its order, month initialisation with the month
// and period stores, save all, the orderly end, and the data-safety rules around them.
#include "app/ShellSequence.h"

#include "base/TextFile.h"
#include "month/EditRescue.h"

#include "FakeClock.h"
#include "FileSizeLimit.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;
using ::testing::AllOf;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::Optional;
using ::testing::StartsWith;

// The main window's steps and the ports of the parts still to come, recorded in one list of calls.
class RecordedShell : public ShellWindow,
                      public MonthDisplay,
                      public StartStopLog,
                      public ShellHotkeys,
                      public YearCalendars,
                      public StoredMemo {
public:
    bool zunboWanted() const override { return true; }
    void offerFeatures() override { calls.push_back("features"); }
    void runFunctionTick(int milliseconds) override { calls.push_back("tick " + std::to_string(milliseconds)); }
    void collectWindowState(Settings&) override { calls.push_back("collect"); }
    void showSettings() override { calls.push_back("settings shown"); }
    void showStartState() override { calls.push_back("start state"); }
    void showCommemoration(const Commemoration&) override { calls.push_back("commemoration"); }
    void offerEditor(bool useEditor) override { calls.push_back(useEditor ? "editor" : "no editor"); }
    void place() override { calls.push_back("place"); }
    void tellMerged(const std::string& message) override { calls.push_back("merged: " + message); }
    void finishInitialisation() override { calls.push_back("grid"); }
    void setToday(int32_t) override {}
    void showThisMonth() override {}
    void redraw() override {}
    Result<std::optional<std::string>> appendStart(int, bool) override { return note("start record", startRecord); }
    Status appendStop() override { return note("stop record", stopRecord); }
    Status switchOff() override { return note("record off", stopRecord); }
    Status switchOn() override { return note("record on", Status(Success())); }
    void registerKeys() override { calls.push_back("hotkeys"); }
    void releaseKeys() override { calls.push_back("hotkeys released"); }
    void showYearAtStart() override { calls.push_back("year"); }
    void startDayCount() override { calls.push_back("day count"); }
    void refreshToday() override {}
    Status load(const fs::path& memoFile) override {
        calls.push_back("memo " + memoFile.filename().string());
        if (memoThrows)
            throw std::runtime_error("bad memo");
        return Success();
    }
    Status save() override { return note("memo saved", Status(Success())); }
    void measure() override { calls.push_back("memo measured"); }

    ShellPorts ports() { return {*this, *this, folderLock}; }
    template <class T> T note(const char* call, const T& result) {
        calls.push_back(call);
        return result;
    }

    std::vector<std::string> calls;
    FlockFolderLock folderLock;
    Result<std::optional<std::string>> startRecord = std::optional<std::string>{};
    Status stopRecord = Success();
    bool memoThrows = false;
};

constexpr const char* kEmptyPeriodFile = "***** FromTo\x97\x5C\x92\xE8\r\n";

// A program folder whose settings name a data folder in it (holding an empty period file unless told otherwise),
// with the sequences over real stores.
struct Program {
    explicit Program(const std::string& settings = "", bool periods = true) {
        fs::create_directory(data / "");
        if (periods)
            writeData("CaFromTo.myc", kEmptyPeriodFile);
        // Today's period-file copy is named already, so no copy is written into the current directory.
        folder.write("Sorel.ini",
                     "[Settei]\r\n" + settings + "edFolder=" + (data / "").string() + "\r\nCaFT1=CaFT4050.mcp\r\n");
        sequence.attachMonthPage(stores, shell);
        sequence.attachPages(shell, shell);
    }
    void writeData(const std::string& name, std::string_view bytes) const {
        std::ofstream(data / name, std::ios::binary) << bytes;
    }

    test::TempDir folder;
    test::TempDir startup;
    fs::path data = folder / "data";
    test::FakeClock clock{CalendarDate{2024, 5, 3}, TimeOfDay{9, 0, 0}};
    test::FakeClockSetter setter;
    test::ScriptedDialogs dialogs;
    MainController controller{folder.path(), startup.path(), clock, setter, dialogs, folder / "rescue"};
    RecordedShell shell;
    ShellSequence sequence{controller, dialogs, shell, shell.ports()};
    ScheduleStores stores{sequence, dialogs, controller.book(), controller.settings().CaFT};
};

// Without the hotkeys, and with a start record that fails: its message, and the start goes on.
TEST(ShellSequence, TheCreationSequenceGoesOnAfterAFailedStartRecord) {
    Program failing("cbKidouKiroku=1\r\ncbHotkey=0\r\n");
    failing.shell.startRecord = Failure{.cause = "disk full"};
    failing.dialogs.expect(DialogAnswer::Ok, "起動時刻取得エラー\r\n処理は続けます。");
    ASSERT_TRUE(failing.sequence.start({}, failing.startup.path()));
    EXPECT_THAT(failing.shell.calls, Not(Contains("hotkeys")));
    EXPECT_EQ(failing.shell.calls.back(), "place");
}

TEST(ShellSequence, MonthInitialisationLoadsTheWindowAndTakesTheDataFolderOnce) {
    Program program;
    program.writeData("Ca202405.myc", " 0,0,9,2024/ 5\r\n 3,1,,x,,,,,,\r\n");
    ASSERT_TRUE(program.sequence.initialiseMonths());
    EXPECT_EQ(program.stores.months().lines(1).size(), 2u);
    EXPECT_EQ(program.stores.months().lines(0), (std::vector<std::string>{" 0,0,9,2024/ 4"}));
    // A second run (the date rollover) keeps the data folder of this start.
    program.folder.write("Sorel.ini", "[Settei]\r\nedFolder=/elsewhere/\r\nCaFT1=CaFT4050.mcp\r\n");
    ASSERT_TRUE(program.sequence.initialiseMonths());
    EXPECT_EQ(program.controller.dataFolder(), program.data.string() + "/");
}

// A part that throws ends month initialisation with the exception's text; the final steps still run.
TEST(ShellSequence, AFailureOfMonthInitialisationCarriesItsCauseAndTheFinalStepsStillRun) {
    Program throwing;
    throwing.shell.memoThrows = true;
    EXPECT_EQ(throwing.sequence.initialiseMonths().error().cause, "bad memo");
    EXPECT_THAT(throwing.shell.calls, Contains("grid"));
    EXPECT_EQ(throwing.shell.calls.back(), "tick 10000");
}

TEST(ShellSequence, SaveAllWritesTheMemoThenTheSettingsTheJumpedMonthMonthsAndPeriodsGoingOnAfterAFailure) {
    Program program;
    ASSERT_TRUE(program.sequence.initialiseMonths());
    program.folder.write("Sorel.ini", program.folder.read("Sorel.ini") + "[Jikoku]\r\nudGosa=45\r\n");
    program.controller.settings().cbZenkai = true;
    program.stores.navigator().jump("203107");
    program.stores.months().replaceDay(kJumpSlot, 2, DaySchedule{{"far"}, {LineAttribute{}}});
    program.stores.months().replaceDay(1, 3, DaySchedule{{"near"}, {LineAttribute{}}});
    program.shell.calls.clear();
    ASSERT_TRUE(program.sequence.saveAll().ok());
    EXPECT_EQ(program.shell.calls, (std::vector<std::string>{"memo saved", "collect"}));
    for (const char* month : {"Ca203107.myc", "Ca202405.myc"})
        EXPECT_TRUE(fs::exists(program.data / month)) << month;
    EXPECT_FALSE(fs::exists(program.data / "Ca202406.myc")); // not edited
    EXPECT_FALSE(program.controller.book().jumpedMonthEdited());
    const auto saved = ProfileFile::Load(program.folder / "Sorel.ini");
    EXPECT_EQ(saved.value().readString("Jikoku", "udGosa"), "45"); // what other windows wrote stays
    EXPECT_EQ(saved.value().readString("Settei", "cbZenkai"), "1");

    // The settings file cannot be replaced: it is reported, the rest still saves.
    program.stores.months().replaceDay(1, 4, DaySchedule{{"kept"}, {LineAttribute{}}});
    fs::remove(program.folder / "Sorel.ini");
    fs::create_directory(program.folder / "Sorel.ini");
    const SaveReport report = program.sequence.saveAll();
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].path, (program.folder / "Sorel.ini").string());
    EXPECT_THAT(ReadFileBytes(program.data / "Ca202405.myc").value(), HasSubstr(" 4,1,,kept,"));
}

// A replacing write gives a file a new inode: a save all after one edited day replaces its month file only.
TEST(ShellSequence, SaveAllReplacesOnlyTheFilesWhoseBytesChanged) {
    Program program;
    program.writeData("Ca202405.myc", " 0,0,9,2024/ 5\r\n 3,1,,old,\r\n");
    program.writeData("Ca202406.myc", " 0,0,9,2024/ 6\r\n 9,1,,june,\r\n");
    ASSERT_TRUE(program.sequence.initialiseMonths());
    ASSERT_TRUE(program.sequence.saveAll().ok()); // the settings file takes the window's state once
    const std::vector<fs::path> files{program.folder / "Sorel.ini", program.data / "CaFromTo.myc",
                                      program.data / "Ca202405.myc", program.data / "Ca202406.myc"};
    std::vector<uintmax_t> inodes;
    for (const fs::path& file : files)
        inodes.push_back(test::InodeOf(file));

    program.stores.months().replaceDay(1, 3, DaySchedule{{"new"}, {LineAttribute{}}});
    ASSERT_TRUE(program.sequence.saveAll().ok());
    for (size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(test::InodeOf(files[i]) == inodes[i], i != 2) << files[i];
}

TEST(ShellSequence, TheOrderlyEndWritesTheStopRecordWhileSwitchedOnThenSavesAll) {
    Program program;
    ASSERT_TRUE(program.sequence.initialiseMonths());
    program.controller.settings().cbKidouKiroku = true;
    program.shell.calls.clear();
    EXPECT_TRUE(program.sequence.shutDown().ok());
    EXPECT_EQ(program.shell.calls.front(), "stop record");
    // A stop record that cannot be written is reported with everything else, and save all still runs.
    program.shell.stopRecord = Failure{.cause = "disk full", .path = (program.folder / "SorelSte.myd").string()};
    const SaveReport report = program.sequence.shutDown();
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].path, (program.folder / "SorelSte.myd").string());
    EXPECT_EQ(program.shell.calls.back(), "collect");
}

TEST(ShellSequence, LinkedDataFilesStayLinks) {
    Program program;
    const fs::path store = program.folder / "store";
    fs::create_directory(store);
    std::ofstream(store / "may.myc", std::ios::binary) << " 0,0,9,2024/ 5\r\n";
    fs::rename(program.data / "CaFromTo.myc", store / "periods.myc");
    fs::rename(program.folder / "Sorel.ini", store / "Sorel.ini");
    fs::create_symlink(store / "may.myc", program.data / "Ca202405.myc");
    fs::create_symlink(store / "periods.myc", program.data / "CaFromTo.myc");
    fs::create_symlink(store / "Sorel.ini", program.folder / "Sorel.ini");
    ASSERT_TRUE(program.sequence.initialiseMonths());
    program.stores.months().replaceDay(1, 3, DaySchedule{{"linked"}, {LineAttribute{}}});
    ASSERT_TRUE(program.sequence.saveAll().ok());
    for (const fs::path& link :
         {program.data / "Ca202405.myc", program.data / "CaFromTo.myc", program.folder / "Sorel.ini"})
        EXPECT_TRUE(fs::is_symlink(link)) << link;
    EXPECT_THAT(program.folder.read("store/may.myc"), HasSubstr(" 3,1,,linked,"));
    EXPECT_THAT(program.folder.read("store/Sorel.ini"), HasSubstr("\r\ncbJigen=1\r\n"));
}

TEST(ShellSequence, WhatAnUnattendedEndCouldNotSaveIsRescuedAndAnnouncedOnce) {
    Program program;
    program.writeData("Ca202405.myc", " 0,0,9,2024/ 5\r\n 1,1,,old,,,,,,\r\n");
    program.writeData("Ca202406.myc", " 0,0,9,2024/ 6\r\n 1,1,,a,,,,,,\r\n 2,1,,b,,,,,,\r\n 3,1,,c,,,,,,\r\n");
    ASSERT_TRUE(program.sequence.initialiseMonths());
    program.stores.months().replaceDay(1, 3, DaySchedule{{"rescue me"}, {LineAttribute{}}});
    for (int day = 1; day <= 3; ++day)
        program.stores.months().replaceDay(2, day, DaySchedule{});
    program.controller.book().addPeriod("2024,05, 3,M,2024,05, 4,E,2024,05, 3,2,clBlue,trip");
    // The data folder disappears before the end; the June guard refuses as always.
    fs::rename(program.data, program.folder / "moved");
    program.dialogs.expect(DialogAnswer::Ok, "6月予定が立ち上げ時の半分以下");
    const SaveReport report = program.sequence.saveAll();
    ASSERT_EQ(report.failures.size(), 2u);

    const std::string err = program.controller.rescue().rescue(report, program.clock.now());
    const fs::path copies = program.folder / "rescue" / "20240503-090000";
    EXPECT_THAT(err, HasSubstr((program.data / "CaFromTo.myc").string() + ": "));
    EXPECT_THAT(program.folder.read("rescue/20240503-090000/Ca202405.myc"), HasSubstr(" 3,1,,rescue me,"));
    EXPECT_TRUE(fs::exists(copies / "CaFromTo.myc"));
    EXPECT_FALSE(fs::exists(copies / "Ca202406.myc")) << "a guard refusal holds nothing new";
    EXPECT_THAT(program.controller.rescue().takeNotice(), Optional(HasSubstr(copies.string() + "/\r\n")));
    EXPECT_FALSE(program.controller.rescue().takeNotice().has_value());
}

// A save all that merged a month with a line appended on disk tells the window what it did; the content of a file cut
// short on disk, which is not merged from, is kept in the rescue folder, and a message noted unseen waits for the
// next start.
TEST(ShellSequence, SaveAllTellsWhatItMergedAndKeepsWhatTheDiskHeldAndWasNotMergedFrom) {
    Program program;
    program.writeData("Ca202405.myc", " 0,0,9,2024/ 5\r\n 1,1,,a,,,,,,\r\n 2,1,,b,,,,,,\r\n 3,1,,c,,,,,,\r\n");
    program.writeData("Ca202406.myc", " 0,0,9,2024/ 6\r\n 1,1,,d,,,,,,\r\n 2,1,,e,,,,,,\r\n 3,1,,f,,,,,,\r\n");
    ASSERT_TRUE(program.sequence.initialiseMonths());
    program.stores.months().replaceDay(1, 4, DaySchedule{{"ours"}, {LineAttribute{}}});
    program.stores.months().replaceDay(2, 4, DaySchedule{{"ours too"}, {LineAttribute{}}});
    program.writeData("Ca202405.myc",
                      " 0,0,9,2024/ 5\r\n 1,1,,a,,,,,,\r\n 2,1,,b,,,,,,\r\n 3,1,,c,,,,,,\r\n 9,1,,theirs,,,,,,\r\n");
    program.writeData("Ca202406.myc", " 0,0,9,2024/ 6\r\n");
    program.shell.calls.clear();
    ASSERT_TRUE(program.sequence.saveAll().ok());
    EXPECT_THAT(ReadFileBytes(program.data / "Ca202405.myc").value(),
                AllOf(HasSubstr(" 9,1,,theirs,"), HasSubstr(" 4,1,,ours,")));
    const fs::path kept = program.folder / "rescue" / "20240503-090000";
    EXPECT_THAT(program.shell.calls, Contains(AllOf(StartsWith("merged: "), HasSubstr("Ca202405.myc"),
                                                    HasSubstr("Ca202406.myc"), HasSubstr(kept.string()))));
    EXPECT_EQ(program.folder.read("rescue/20240503-090000/Ca202406.myc"), " 0,0,9,2024/ 6\r\n");

    program.controller.rescue().noteMerged("merged unseen");
    EXPECT_THAT(program.controller.rescue().takeNotice(), Optional(HasSubstr("merged unseen")));
    EXPECT_FALSE(program.controller.rescue().takeNotice().has_value());
}

// The schedule dialog's values at a signal: the lines they would have become, each mode in a file named after its own,
// as typed (an invalid date, a character code page 932 cannot hold); folders 0700 and copies 0600, whatever the
// modes of the data and the mask.
TEST(ShellSequence, TheScheduleDialogsUnwrittenValuesAreKeptAsTheirFileLinesInPrivateFiles) {
    test::CurrentTempDir cwd;
    Program program;
    const std::string dataFolder = (program.data / "").string();
    SaveReport report;
    ScheduleEdit day{.mode = ScheduleMode::Day, .jd = EncodeJuliusDay(2024, 5, 3)};
    day.day = {{"会議 🎉", ""}, {LineAttribute{}, LineAttribute{}}};
    AddUnwrittenEdit(report, day, dataFolder);
    ScheduleEdit trip{.mode = ScheduleMode::Period};
    trip.period.start = {2024, 2, 30};
    trip.period.end = {2024, 3, 2};
    trip.period.label = {2024, 3, 1};
    trip.period.text = "旅行";
    AddUnwrittenEdit(report, trip, dataFolder);
    ScheduleEdit anniversary{.mode = ScheduleMode::Anniversary, .jd = EncodeJuliusDay(2024, 5, 3)};
    anniversary.anniversary.firstYear = "1990";
    anniversary.anniversary.text = "記念";
    AddUnwrittenEdit(report, anniversary, "");
    // An emptied anniversary comes to no line and is no loss.
    AddUnwrittenEdit(report, ScheduleEdit{.mode = ScheduleMode::Anniversary, .jd = 1}, "");
    ASSERT_EQ(report.failures.size(), 3u);
    EXPECT_EQ(report.failures[0].path, (program.data / "Ca202405.myc").string());
    EXPECT_EQ(report.failures[2].path, (cwd / "Sday.myc").string());

    const mode_t mask = ::umask(0);
    const std::string err = program.controller.rescue().rescue(report, program.clock.now());
    ::umask(mask);
    const fs::path copies = program.folder / "rescue" / "20240503-090000";
    EXPECT_EQ(program.folder.read("rescue/20240503-090000/Ca202405.myc.txt"), " 3,1,,会議 🎉,,,,,,\n 3,2,,,,,,,,\n");
    EXPECT_EQ(program.folder.read("rescue/20240503-090000/CaFromTo.myc.txt"),
              "2024, 2,30,M,2024, 3, 2,E,2024, 3, 1,1,clBlue,旅行\n");
    EXPECT_EQ(program.folder.read("rescue/20240503-090000/Sday.myc.txt"), "1990,,5,3,,,記念\n");
    EXPECT_THAT(err, HasSubstr("Ca202405.myc: " + std::string(kUnwrittenEditCause)));
    EXPECT_FALSE(fs::exists(program.data / "Ca202405.myc"));
    for (const fs::path& folder : {copies.parent_path(), copies})
        EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all) << folder;
    for (const auto& copy : fs::directory_iterator(copies))
        EXPECT_EQ(copy.status().permissions(), fs::perms::owner_read | fs::perms::owner_write) << copy.path();
    EXPECT_EQ(fs::status(copies.parent_path() / "unreported.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_THAT(program.controller.rescue().takeNotice(),
                Optional(HasSubstr("\r\n　" + (program.data / "Ca202405.myc").string() + " → Ca202405.myc.txt")));
}

// A rescue folder on the full disk too (files limited to no byte): one report of what happened, no empty folder, no
// note for the next start.
TEST(ShellSequence, ARescueThatCannotBeWrittenEitherIsReportedOnceAndLeavesNoFolder) {
    Program program;
    program.writeData("Ca202405.myc", " 0,0,9,2024/ 5\r\n 1,1,,old,,,,,,\r\n");
    ASSERT_TRUE(program.sequence.initialiseMonths());
    program.stores.months().replaceDay(1, 3, DaySchedule{{"lost"}, {LineAttribute{}}});
    SaveReport report;
    std::string err;
    {
        const test::FileSizeLimit full(0);
        ASSERT_TRUE(full.set());
        report = program.sequence.saveAll();
        err = program.controller.rescue().rescue(report, program.clock.now());
    }

    ASSERT_FALSE(report.ok());
    EXPECT_THAT(err, Not(HasSubstr("残しました")));
    EXPECT_THAT(err, HasSubstr("Rekko: 保存できなかった内容は " + (program.folder / "rescue").string() +
                               "/ にも残せませんでした。\n  " + (program.data / "Ca202405.myc").string() + ": "));
    EXPECT_TRUE(fs::is_empty(program.folder / "rescue"));
    EXPECT_FALSE(program.controller.rescue().takeNotice().has_value());
}

// Which copies go is the period store's; here, that all is saved first and a failed save keeps every copy.
TEST(ShellSequence, RemovingStaleCopiesSavesAllFirst) {
    test::CurrentTempDir cwd;
    Program program("CaFT1=CaFT4041.mcp\r\nCaFT2=CaFT4040.mcp\r\nCaFT3=CaFT4032.mcp\r\n");
    cwd.write("CaFT4031.mcp", "stale");
    ASSERT_TRUE(program.sequence.initialiseMonths());
    program.stores.months().replaceDay(1, 3, DaySchedule{{"saved first"}, {LineAttribute{}}});
    EXPECT_TRUE(program.stores.removeStaleCopies());
    EXPECT_TRUE(fs::exists(program.data / "Ca202405.myc"));
    EXPECT_FALSE(fs::exists("CaFT4031.mcp"));

    // A save that fails stops the removal.
    cwd.write("CaFT4030.mcp", "stale");
    program.stores.months().replaceDay(1, 4, DaySchedule{{"unsaved"}, {LineAttribute{}}});
    fs::remove_all(program.data);
    program.dialogs.expect(DialogAnswer::Ok, "不要アイテム削除エラー\r\n\r\n次の保存ができませんでした。");
    EXPECT_FALSE(program.stores.removeStaleCopies());
    EXPECT_THAT(program.dialogs.shown()[0].text, HasSubstr("Ca202405.myc"));
    EXPECT_TRUE(fs::exists("CaFT4030.mcp"));
}

// A settings file that cannot be read: the user is asked, and going on with the defaults (the current directory as
// data folder) writes, creates and copies nothing until a data folder is chosen; edited files are reported.
TEST(ShellSequence, AnUnreadableSettingsFileTouchesNoFileUntilADataFolderIsChosen) {
    test::CurrentTempDir cwd;
    Program program;
    fs::remove(program.folder / "Sorel.ini");
    fs::create_directory(program.folder / "Sorel.ini");
    const std::string may = " 0,0,9,2024/ 5\n 3,1,,x,,,,,,";
    cwd.write("Ca202405.myc", may);
    program.dialogs.expect(DialogAnswer::Yes,
                           "設定ファイルを読み込めません。\r\n" + (program.folder / "Sorel.ini").string() + "\r\n");
    ASSERT_TRUE(program.sequence.initialiseMonths());
    EXPECT_THAT(program.dialogs.shown()[0].text, HasSubstr("既定の設定で続けますか？"));
    EXPECT_EQ(program.stores.months().lines(1).size(), 2u);
    EXPECT_TRUE(program.sequence.saveAll().ok());

    program.stores.months().replaceDay(1, 4, DaySchedule{{"y"}, {LineAttribute{}}});
    const SaveReport held = program.sequence.saveAll();
    ASSERT_EQ(held.failures.size(), 1u);
    EXPECT_EQ(held.failures[0].path, "Ca202405.myc");
    EXPECT_EQ(held.failures[0].cause, kWritesHeldCause);
    EXPECT_EQ(cwd.read("Ca202405.myc"), may);
    EXPECT_EQ(std::distance(fs::directory_iterator(cwd.path()), fs::directory_iterator()), 1);

    program.controller.dataFolderChosen();
    const SaveReport chosen = program.sequence.saveAll();
    ASSERT_EQ(chosen.failures.size(), 1u); // the settings file, a folder, cannot be replaced
    EXPECT_EQ(chosen.failures[0].path, (program.folder / "Sorel.ini").string());
    EXPECT_EQ(cwd.read("Ca202405.myc"), " 0,0,9,2024/ 5\r\n 3,1,,x,,,,,,\r\n 4,1,,y,,,,,,\r\n");
}

TEST(ShellSequence, DecliningToGoOnWithoutTheSettingsEndsTheStart) {
    Program program("", false);
    fs::remove(program.folder / "Sorel.ini");
    fs::create_directory(program.folder / "Sorel.ini");
    program.dialogs.expect(DialogAnswer::No, "設定ファイルを読み込めません。");
    EXPECT_FALSE(program.sequence.initialiseMonths());
    EXPECT_TRUE(program.controller.startDeclined());
    EXPECT_FALSE(fs::exists(program.data / "CaFromTo.myc"));
}

// Two processes on one data folder: the second is told, and writes nothing there (a missing month is not created,
// an edited one not written, no temporary removed), while its own settings file is saved as usual.
TEST(ShellSequence, ADataFolderHeldByAnotherProcessIsToldAndNeverWritten) {
    Program first, second;
    ASSERT_TRUE(first.sequence.initialiseMonths());
    const std::string may = " 0,0,9,2024/ 5\r\n 3,1,,first,,,,,,\r\n";
    first.writeData("Ca202405.myc", may);
    first.writeData(".Ca202406.myc.AbC123", "the first one's write in progress");
    second.folder.write("Sorel.ini", "[Settei]\r\nedFolder=" + first.data.string() + "\r\nCaFT1=CaFT4050.mcp\r\n");
    const std::string busy = first.data.string() + "/は他の Rekko が使用中です。";
    second.dialogs.expect(DialogAnswer::Ok, busy);
    ASSERT_TRUE(second.sequence.start({}, second.startup.path()));
    EXPECT_EQ(second.dialogs.shown()[0].text, busy);
    EXPECT_TRUE(fs::exists(first.data / ".Ca202406.myc.AbC123"));

    second.stores.months().replaceDay(1, 4, DaySchedule{{"second"}, {LineAttribute{}}});
    second.stores.months().replaceDay(2, 1, DaySchedule{{"june"}, {LineAttribute{}}});
    const SaveReport report = second.sequence.shutDown();
    ASSERT_EQ(report.failures.size(), 2u);
    EXPECT_EQ(report.failures[0].cause, busy);
    EXPECT_EQ(first.folder.read("data/Ca202405.myc"), may);
    EXPECT_FALSE(fs::exists(first.data / "Ca202406.myc"));
    EXPECT_THAT(second.folder.read("Sorel.ini"), HasSubstr("\r\ncbJigen=1\r\n"));
}

// The data folder named later (a date rollover after the settings got one) takes the lock with it.
TEST(ShellSequence, TheLockFollowsTheDataFolder) {
    test::CurrentTempDir cwd;
    Program program;
    program.folder.write("Sorel.ini", "[Settei]\r\nCaFT1=CaFT4050.mcp\r\n");
    cwd.write("CaFromTo.myc", kEmptyPeriodFile);
    ASSERT_TRUE(program.sequence.initialiseMonths());
    EXPECT_EQ(FlockFolderLock().claim(cwd.path()).outcome, FolderClaimOutcome::Busy);
    program.folder.write("Sorel.ini", "[Settei]\r\nedFolder=" + program.data.string() + "\r\nCaFT1=CaFT4050.mcp\r\n");
    ASSERT_TRUE(program.sequence.initialiseMonths());
    EXPECT_EQ(program.controller.dataFolder(), program.data.string() + "/");
    EXPECT_EQ(FlockFolderLock().claim(program.data).outcome, FolderClaimOutcome::Busy);
    EXPECT_EQ(FlockFolderLock().claim(cwd.path()).outcome, FolderClaimOutcome::Taken);
}

// A data folder text that cannot become a path is the settings' question, and nothing is created from it: a NUL
// would have cut the path short, a megabyte is no path at all.
TEST(ShellSequence, AnEdFolderWithAControlCharacterOrTooLongIsAskedAboutAndCreatesNothing) {
    test::CurrentTempDir cwd;
    const std::pair<std::string, const char*> values[] = {
        {(cwd / "rel").string() + std::string("\0/x", 3), "edFolder: 制御文字を含んでいます"},
        {(cwd / "rel").string() + "\t/", "edFolder: 制御文字を含んでいます"},
        {"/" + std::string(1 << 20, 'a') + "/", "edFolder: パスとして長すぎます"}};
    for (const auto& [value, cause] : values) {
        Program program;
        program.folder.write("Sorel.ini", "[Settei]\r\nedFolder=" + value + "\r\ncbZenkai=1\r\n");
        const std::string settings = program.folder.read("Sorel.ini");
        program.dialogs.expect(DialogAnswer::Yes, "設定ファイルを読み込めません。\r\n" +
                                                      (program.folder / "Sorel.ini").string() + "\r\n" + cause +
                                                      "\r\n\r\n既定の設定で続けますか？");
        ASSERT_TRUE(program.sequence.initialiseMonths());
        EXPECT_EQ(program.controller.dataFolder(), "");
        EXPECT_TRUE(program.controller.settings().cbZenkai); // the other keys are read
        EXPECT_TRUE(program.sequence.saveAll().ok());
        EXPECT_EQ(program.folder.read("Sorel.ini"), settings);
        EXPECT_TRUE(fs::is_empty(cwd.path()));
    }
}

} // namespace
} // namespace rekko
