// SPDX-License-Identifier: GPL-3.0-or-later
// Backup and restore on real temporary folders: the file sets, the folder choice, the refusals, honest reports and
// the generations of the restore source.
#include "MaintenanceDoubles.h"

#include "FakeClock.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include "maintenance/BackupRestore.h"
#include "maintenance/NoCaseNames.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;
using test::ScriptedDialogs;

std::vector<std::string> Names(const std::vector<fs::path>& files) {
    std::vector<std::string> names;
    for (const fs::path& file : files)
        names.push_back(file.filename().string());
    return names;
}

class BackupRestoreTest : public ::testing::Test {
protected:
    BackupRestoreTest() {
        shell.program = program.path();
        shell.data = data.path().string() + "/";
        data.write("Ca202612.myc", "6,1,,会議\r\n");
        data.write("CaMemo.myc", "memo now\r\n");
        data.write("User.myc", "user\r\n");
        data.write("notes.txt", "not ours\r\n");
        program.write("Sorel.ini", "[Settei]\r\n");
        // Spelled as the Windows program wrote it.
        program.write("SorelSTE.myd", "S:2026/12/06 9:00:00\r\n");
        program.write("XDay.myc", "x\r\n");
        working.write("CaFT6120.mcp", "periods\r\n");
        working.write("Sday.myc", "12/24,Eve\r\n");
    }

    std::string folderText(const test::TempDir& dir) const { return dir.path().string() + "/"; }

    test::TempDir program, data, target;
    test::CurrentTempDir working;
    test::CountingShell shell;
    SetupTable setup = MakeSetupTable();
    ScriptedDialogs dialogs;
    test::SetDrives drives;
    test::FakeClock clock{CalendarDate{2026, 12, 6}, TimeOfDay{9, 5}};
    test::ScriptedWatch watch;
    BackupRestore backup{shell, setup, dialogs, drives, clock};
};

TEST(NoCaseNames, MatchWildcardsWithoutRegardToCase) {
    EXPECT_TRUE(MatchesNoCase("CA202612.MYC", "Ca*.myc"));
    EXPECT_TRUE(MatchesNoCase("hday.DAT", "HDay.dat"));
    EXPECT_TRUE(MatchesNoCase("CaFT6120.mcp", "CaFT????.mcp"));
    EXPECT_FALSE(MatchesNoCase("Ca202612.myc.bak", "Ca*.myc"));
    EXPECT_FALSE(MatchesNoCase("XCa1.myc", "Ca*.myc"));
}

TEST_F(BackupRestoreTest, TheBackupSetTakesEachFileOnceFromWhereTheProgramKeepsIt) {
    EXPECT_EQ(Names(BackupSet({program.path(), data.path(), "."})),
              (std::vector<std::string>{"Ca202612.myc", "CaMemo.myc", "Sorel.ini", "SorelSTE.myd", "CaFT6120.mcp",
                                        "XDay.myc", "Sday.myc", "User.myc"}));
    // The program folder being the working folder under another name: its files are not taken twice.
    EXPECT_EQ(Names(BackupSet({working.path(), data.path(), "."})),
              (std::vector<std::string>{"Ca202612.myc", "CaMemo.myc", "CaFT6120.mcp", "Sday.myc", "User.myc"}));
    EXPECT_EQ(Names(RestoreSet(data.path())), (std::vector<std::string>{"Ca202612.myc", "CaMemo.myc", "User.myc"}));
}

TEST_F(BackupRestoreTest, ACompleteBackupCopiesTheSetAndNotesItsTime) {
    setup.edit().edtCopy2 = folderText(target);
    dialogs.expect(DialogAnswer::Ok, kBackupDone);
    backup.backup(CopyFolder::Backup2, watch);
    EXPECT_EQ(shell.saves, 1);
    EXPECT_TRUE(watch.over);
    EXPECT_EQ(target.read("Ca202612.myc"), "6,1,,会議\r\n");
    EXPECT_EQ(target.read("SorelSTE.myd"), "S:2026/12/06 9:00:00\r\n");
    EXPECT_EQ(target.read("Sday.myc"), "12/24,Eve\r\n");
    EXPECT_FALSE(fs::exists(target / "notes.txt"));
    EXPECT_EQ(setup.values().lblCopy2, "令和8年12月6日(日) 09:05 退避");
    EXPECT_EQ(setup.values().lblCopy1, kNotBackedUpNote);

    // Again into the same folder: すべて上書き at the first file answers for the rest.
    watch.answers = {OverwriteAnswer::OverwriteAll};
    dialogs.expect(DialogAnswer::Ok, kBackupDone);
    backup.backup(CopyFolder::Backup2, watch);
    EXPECT_EQ(watch.asked, std::vector<std::string>{"Ca202612.myc"});
    dialogs.expect(DialogAnswer::No, "「Ca202612.myc」は既に存在します。\r\n上書きしますか？");
    EXPECT_EQ(AskOverwrite(dialogs, "Ca202612.myc"), OverwriteAnswer::OverwriteAll);
    EXPECT_EQ(dialogs.shown().back().buttonTexts, (std::vector<std::string>{"上書き", "すべて上書き", "スキップ"}));
}

TEST_F(BackupRestoreTest, ABackupThatLeftFilesNamesThemAndKeepsTheOldNote) {
    setup.edit().edtCopy1 = folderText(target);
    target.write("Ca202612.myc", "earlier backup\r\n");
    // The user keeps the earlier copy of the month; a folder where the memo should go makes its copy fail.
    watch.answers = {OverwriteAnswer::Skip};
    fs::create_directory(target / "CaMemo.myc");
    dialogs.expect(DialogAnswer::Ok,
                   "次のファイルはコピーされませんでした。\r\n　Ca202612.myc\r\n　CaMemo.myc\r\n　Sorel.ini");
    backup.backup(CopyFolder::Backup1, watch);
    EXPECT_EQ(target.read("Ca202612.myc"), "earlier backup\r\n");
    EXPECT_NE(dialogs.shown().back().text.find("CaMemo.myc："), std::string::npos);
    EXPECT_EQ(setup.values().lblCopy1, kNotBackedUpNote);

    // Cancelled after the first file.
    fs::remove(target / "CaMemo.myc");
    watch.cancelAt = 1;
    dialogs.expect(DialogAnswer::Ok, "次のファイルはコピーされませんでした。\r\n　CaMemo.myc");
    backup.backup(CopyFolder::Backup1, watch);
    EXPECT_NE(dialogs.shown().back().text.find("コピーは中止されました。"), std::string::npos);
    EXPECT_EQ(setup.values().lblCopy1, kNotBackedUpNote);
}

TEST_F(BackupRestoreTest, TheDataAndProgramFoldersAreRefusedHoweverTheyAreNamed) {
    fs::create_directory_symlink(data.path(), target / "link");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {(target / "link").string() + "//", "データフォルダはデータの保存先に出来ません。\r\n中止します。"},
        {folderText(program), "起動フォルダはデータの保存先に出来ません。\r\n中止します。"},
        {" x ", "フォルダの設定が、不明です。\r\n中止します。"},
        {(target / "missing/").string(), "フォルダが存在しません。\r\n中止します。"},
    };
    for (const auto& [folder, message] : cases) {
        setup.edit().edtCopy1 = folder;
        dialogs.expect(DialogAnswer::Ok, message);
        backup.backup(CopyFolder::Backup1, watch);
    }
    setup.edit().edtCopy3 = folderText(data);
    dialogs.expect(DialogAnswer::Yes, "データ回復を行いますか？");
    dialogs.expect(DialogAnswer::Ok, "データフォルダはデータの保存元に出来ません。\r\n中止します。");
    backup.restore(watch);
    shell.data = (target / "gone/").string();
    setup.edit().edtCopy1 = folderText(target);
    dialogs.expect(DialogAnswer::Ok, "データフォルダエラー");
    backup.backup(CopyFolder::Backup1, watch);
    EXPECT_EQ(shell.ends, 0);
    EXPECT_FALSE(fs::exists(data / "Sorel.ini"));
}

TEST_F(BackupRestoreTest, TheFolderChoiceOffersRekkobakUnlessTheMediumIsSmall) {
    dialogs.expect(DialogAnswer::Yes, "指定されたフォルダーに<\\Rekkobak\\>のフォルダを\r\n付け加えますか？");
    ASSERT_TRUE(backup.chooseFolder(CopyFolder::Backup1, target.path()));
    EXPECT_EQ(dialogs.shown().back().caption, "確認");
    EXPECT_EQ(setup.values().edtCopy1, (target / "Rekkobak/").string());
    EXPECT_TRUE(fs::is_directory(target / "Rekkobak"));
    // Found again without asking, and a path holding the name in any case is taken as it is.
    ASSERT_TRUE(backup.chooseFolder(CopyFolder::Backup2, target.path()));
    EXPECT_EQ(setup.values().edtCopy2, (target / "Rekkobak/").string());
    fs::create_directory(target / "old-REKKOBAK");
    ASSERT_TRUE(backup.chooseFolder(CopyFolder::Backup2, target / "old-REKKOBAK"));
    EXPECT_EQ(setup.values().edtCopy2, (target / "old-REKKOBAK/").string());
    // The restore source asks to take the subfolder.
    dialogs.expect(DialogAnswer::No, "指定されたフォルダーに<\\Rekkobak\\>を\r\n付け加えますか？");
    ASSERT_TRUE(backup.chooseFolder(CopyFolder::Restore, target.path()));
    EXPECT_EQ(setup.values().edtCopy3, folderText(target));

    // A floppy disk: no subfolder offered.
    drives.drive = {"/media/fd", true, MediumState::Ready, 1457664};
    dialogs.expect(DialogAnswer::Yes, "メディアをセットしてください。");
    ASSERT_TRUE(backup.chooseFolder(CopyFolder::Backup1, data.path()));
    EXPECT_EQ(setup.values().edtCopy1, folderText(data));
    for (const auto& [state, message] :
         {std::pair{MediumState::NotReady, "メディアがセットされていません。\r\n中止します。"},
          std::pair{MediumState::Unformatted, "メディアが未フォーマットです。\r\n中止します。"},
          std::pair{MediumState::DiskError, "ディスクエラーです。\r\n中止します。"}}) {
        drives.drive.state = state;
        dialogs.expect(DialogAnswer::Yes, "メディアをセットしてください。");
        dialogs.expect(DialogAnswer::Ok, message);
        EXPECT_FALSE(backup.chooseFolder(CopyFolder::Backup1, target.path()));
    }
    drives.drive.mountPoint.clear();
    dialogs.expect(DialogAnswer::Ok, "フォルダ選択エラー\r\n中止します。");
    EXPECT_FALSE(backup.chooseFolder(CopyFolder::Backup1, target.path()));
    EXPECT_EQ(setup.values().edtCopy1, folderText(data));
}

TEST_F(BackupRestoreTest, ARestoreKeepsTwoGenerationsInTheSourceAndEndsTheProgram) {
    setup.edit().edtCopy3 = folderText(target);
    program.write("Sorel.ini", "[Settei]\r\nkept=1\r\n");
    for (const char* memo : {"memo 1\r\n", "memo 2\r\n"}) {
        target.write("CaMemo.myc", memo);
        target.write("CaFromTo.myc", memo);
        dialogs.expect(DialogAnswer::Yes, "データ回復を行いますか？");
        dialogs.expect(DialogAnswer::Ok, std::string(kRestoreDone) + kRestoreEnds);
        backup.restore(watch);
    }
    EXPECT_EQ(shell.ends, 2);
    EXPECT_EQ(target.read("CaMTmp2.myc"), "memo 1\r\n");
    EXPECT_EQ(target.read("CaMTmp1.myc"), "memo 2\r\n");
    EXPECT_EQ(target.read("CaFTTmp2.myc"), "memo 1\r\n");
    EXPECT_EQ(data.read("CaMemo.myc"), "memo 2\r\n");
    EXPECT_EQ(data.read("CaMTmp2.myc"), "memo 1\r\n");
    // The window's own settings were written beside the others before the copy.
    EXPECT_EQ(program.read("Sorel.ini").substr(0, 27), "[Settei]\r\nkept=1\r\n[Setup]\r\n");
}

TEST_F(BackupRestoreTest, ARestoreOfUserOnlySaysHowManyAndASourceThatRefusesCopiesStillRestores) {
    setup.edit().edtCopy3 = folderText(target);
    target.write("User.myc", "restored user\r\n");
    // The generation step cannot write where a folder stands in its way.
    fs::create_directory(target / "CaMTmp1.myc");
    target.write("CaMemo.myc", "memo\r\n");
    dialogs.expect(DialogAnswer::Yes, "データ回復を行いますか？");
    dialogs.expect(DialogAnswer::Ok,
                   std::string(kRestoreDone) + "\r\n（コピー元の世代を残せませんでした：CaMTmp1.myc：");
    backup.restore(watch);
    EXPECT_EQ(data.read("User.myc"), "restored user\r\n");
    EXPECT_EQ(data.read("CaMemo.myc"), "memo\r\n");
    EXPECT_EQ(shell.ends, 1);

    fs::remove(target / "CaMTmp1.myc");
    fs::remove(target / "CaMemo.myc");
    for (const auto& file : {"CaMTmp1.myc", "CaMTmp2.myc", "CaFTTmp1.myc", "CaFTTmp2.myc"})
        fs::remove(target / file);
    dialogs.expect(DialogAnswer::Yes, "データ回復を行いますか？");
    dialogs.expect(DialogAnswer::Ok, std::string(kRestoreDone) + "\r\n回復したファイルは 1 個です。" + kRestoreEnds);
    backup.restore(watch);
    EXPECT_EQ(shell.ends, 2);

    // Declined, and cancelled before anything was copied: the program goes on.
    dialogs.expect(DialogAnswer::No, "データ回復を行いますか？");
    dialogs.expect(DialogAnswer::Ok, kStopped);
    backup.restore(watch);
    watch.cancelAt = 0;
    dialogs.expect(DialogAnswer::Yes, "データ回復を行いますか？");
    dialogs.expect(DialogAnswer::Ok,
                   "次のファイルはコピーされませんでした。\r\n　User.myc\r\nコピーは中止されました。");
    backup.restore(watch);
    EXPECT_EQ(shell.ends, 2);
}

} // namespace
} // namespace rekko
