// SPDX-License-Identifier: GPL-3.0-or-later
// Commemoration sets in real folders: the import into month files, the deletion by code, the stamping of a code, and
// the commands' questions, counts and stops.
#include "MaintenanceDoubles.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include "maintenance/CommemorationCommands.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;
using test::ScriptedDialogs;

constexpr const char* kHeader = " 0,0,9,2026/01\r\n";
// A line of a set (delete code 1000), a line of another set and a line the schedule dialog wrote.
constexpr const char* kSetLine = "11,5,0,Seijin,clRed,1,0,,1000,\r\n";
constexpr const char* kOtherSet = "12,5,0,Other,clRed,1,0,,1001,\r\n";
constexpr const char* kOwnLine = "11,1,,Seijin party,clBlack,1,0,,,\r\n";

class CommemorationTest : public ::testing::Test {
protected:
    CommemorationTest() {
        shell.program = program.path();
        shell.data = data.path().string() + "/";
    }
    BulkRun import(const CommemorationImport& how = {}) const {
        return ImportCommemorations(working.path(), shell.data, how);
    }

    test::CurrentTempDir working; // where the sets are found
    test::TempDir program, data;
    test::CountingShell shell;
    ScriptedDialogs dialogs;
};

TEST_F(CommemorationTest, ASetForAMonthWithoutAFileBecomesThatFile) {
    const std::string set = std::string(kHeader) + "1,5,0,Gantan,clRed,1,0,,1000,\r\nshort,line\r\n";
    working.write("Ca202601.cmr", set);
    const BulkRun run = import({.colour = "clTeal"});
    EXPECT_EQ(run.counted, 1);
    EXPECT_TRUE(run.rewrote && !run.stopped);
    EXPECT_EQ(data.read("Ca202601.myc"), set);
    EXPECT_FALSE(fs::exists(working / "Ca202601.cmr"));
    EXPECT_EQ(import().counted, 0); // the set went with its import
}

TEST_F(CommemorationTest, DuplicatesAreTakenOnceAndTheRestGoAfterTheFirstLineInTheImportColour) {
    data.write("Ca202601.myc", std::string(kHeader) + kOwnLine);
    working.write("Ca202601.cmr",
                  std::string(kSetLine) + "3,5,0,Kinen,clRed,1,0,,1000,\r\n" + "3,5,0,Kinen,clRed,1,0,,1000,\r\nx\r\n");
    EXPECT_EQ(import({.colour = "clTeal"}).counted, 1);
    // Seijin is in "Seijin party" on the same day; the second Kinen is the first one again.
    const std::string merged = std::string(kHeader) + "3,5,0,Kinen,clTeal,1,0,,1000,\r\nx\r\n" + kOwnLine;
    EXPECT_EQ(data.read("Ca202601.myc"), merged);

    // The same line from another set is taken once; a new one goes to the end.
    working.write("Ca202601.cmr", std::string("3,5,0,Kinen,clRed,1,0,,1000,\r\n") + kOtherSet);
    EXPECT_EQ(import({.insertBefore = false, .colour = std::nullopt}).counted, 1);
    EXPECT_EQ(data.read("Ca202601.myc"), merged + kOtherSet);
}

TEST_F(CommemorationTest, AMonthFileThatCannotBeWrittenStopsTheImportThere) {
    for (const char* month : {"Ca202601", "Ca202602", "Ca202603"})
        working.write(std::string(month) + ".cmr", kSetLine);
    data.write("Ca202601.myc", kHeader);
    fs::create_directory(data / "Ca202602.myc");
    dialogs.expect(DialogAnswer::Yes, "Rekko記念日の予定を読み込みますか？");
    dialogs.expect(DialogAnswer::Ok,
                   "追加処理の途中でエラーが発生しました。\r\nデータをチェックしてください。\r\n\r\n" +
                       (data / "Ca202602.myc").string());
    CommemorationCommands commands(shell, dialogs);
    EXPECT_EQ(commands.import({}), CommandEnd::Failed);
    EXPECT_EQ(data.read("Ca202601.myc"), std::string(kHeader) + kSetLine);
    EXPECT_FALSE(fs::exists(working / "Ca202601.cmr"));
    EXPECT_TRUE(fs::exists(working / "Ca202602.cmr") && fs::exists(working / "Ca202603.cmr"));
    EXPECT_FALSE(fs::exists(data / "Ca202603.myc"));
    EXPECT_EQ(shell.reloads, 1); // the months in memory are older than the merged file
}

TEST_F(CommemorationTest, DeletionRemovesExactlyTheLinesOfItsCodeAndCountsTheFilesThatLostOne) {
    const std::string kept = std::string(kHeader) + kOtherSet + kOwnLine + "11,1,,Own,clBlack,1,0,,0,\r\n1000\r\n";
    data.write("Ca202601.myc", std::string(kSetLine) + kHeader + kOtherSet + kSetLine + kOwnLine +
                                   "11,1,,Own,clBlack,1,0,,0,\r\n1000\r\n");
    data.write("Ca202602.myc", std::string(kHeader) + kOtherSet);
    const auto inode = test::InodeOf(data / "Ca202602.myc");
    CommemorationCommands commands(shell, dialogs);
    for (const char* refused : {"999", "abc", "-5"}) {
        dialogs.expect(DialogAnswer::Ok, "削除番号が不明です。");
        EXPECT_EQ(commands.remove(refused), CommandEnd::Stopped);
    }
    dialogs.expect(DialogAnswer::No, "Rekko記念日の予定の内、削除コード[1000]を削除しますか？");
    dialogs.expect(DialogAnswer::Ok, "中止いたします。");
    EXPECT_EQ(commands.remove("1000"), CommandEnd::Stopped);
    EXPECT_EQ(shell.reloads, 0);

    dialogs.expect(DialogAnswer::Yes, "Rekko記念日の予定の内、削除コード[1000]を削除しますか？");
    dialogs.expect(DialogAnswer::Ok, "1 件（ファイル単位）削除しました。");
    EXPECT_EQ(commands.remove("1000"), CommandEnd::Done);
    EXPECT_EQ(data.read("Ca202601.myc"), kept);
    EXPECT_EQ(data.read("Ca202602.myc"), std::string(kHeader) + kOtherSet);
    EXPECT_EQ(test::InodeOf(data / "Ca202602.myc"), inode);
    EXPECT_EQ(shell.reloads, 1);
}

TEST_F(CommemorationTest, StampingTheMonthFilesAsksForTheBackupNamingThem) {
    program.write("Ca202601.cmr", std::string(kOtherSet) + "short\r\n");
    data.write("Ca202601.myc", std::string(kHeader) + kOwnLine);
    CommemorationCommands commands(shell, dialogs);
    dialogs.expect(DialogAnswer::Ok, "削除コードが不明です。");
    EXPECT_EQ(commands.stamp("0", StampTarget::SetFiles), CommandEnd::Stopped);

    dialogs.expect(DialogAnswer::Yes, "データの削除コードを[1234]に変更しますか？");
    dialogs.expect(DialogAnswer::Ok, (program / "Ca2*.cmr").string());
    dialogs.expect(DialogAnswer::Ok, "削除コードを 1 件変更しました。");
    EXPECT_EQ(commands.stamp("1234", StampTarget::SetFiles), CommandEnd::Done);
    EXPECT_EQ(program.read("Ca202601.cmr"), "12,5,0,Other,clRed,1,0,,1234,\r\nshort\r\n");

    const std::string monthFiles = (data / "Ca2*.myc").string();
    dialogs.expect(DialogAnswer::Yes, "データの削除コードを[1234]に変更しますか？");
    dialogs.expect(DialogAnswer::Ok, monthFiles);
    dialogs.expect(DialogAnswer::No, "予定データは退避（バックアップ）されましたでしょうか？\r\n\r\n" + monthFiles);
    dialogs.expect(DialogAnswer::Ok, "退避（バックアップ）してから、実行してください。");
    EXPECT_EQ(commands.stamp("1234", StampTarget::MonthFiles), CommandEnd::Stopped);
    EXPECT_EQ(data.read("Ca202601.myc"), std::string(kHeader) + kOwnLine);
}

} // namespace
} // namespace rekko
