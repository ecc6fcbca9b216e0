// SPDX-License-Identifier: GPL-3.0-or-later
// The data-folder change flow of the settings page, message by message.
#include "app/DataFolderChange.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;

struct Flow {
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    int saves = 0;
    DataFolderChange change{dialogs, [this] { ++saves; }};

    std::string folder(std::string_view name) const { return (dir / name).string(); }
    const DialogMessage& lastBox() const { return dialogs.shown().back(); }
};

TEST(DataFolderChange, AChosenFolderIsSavedFirstAndMayGetSorelAppended) {
    Flow flow;
    fs::create_directory(flow.dir / "plain");
    flow.change.reset("");
    flow.dialogs.expect(DialogAnswer::Yes);
    flow.change.chooseFolder(flow.folder("plain"));
    EXPECT_EQ(flow.saves, 1);
    EXPECT_TRUE(flow.change.pending());
    EXPECT_EQ(flow.change.text(), flow.folder("plain") + "/Sorel/");
    const DialogMessage& question = flow.lastBox();
    EXPECT_EQ(question.caption, "確認");
    EXPECT_EQ(question.text, "指定されたフォルダに<\\Sorel>のフォルダを\r\n付け加えますか？");
    EXPECT_EQ(question.buttons, DialogButtons::YesNo);
    EXPECT_EQ(question.icon, DialogIcon::Question);

    flow.dialogs.expect(DialogAnswer::No);
    flow.change.chooseFolder(flow.dir.path().string() + "/");
    EXPECT_EQ(flow.change.text(), flow.dir.path().string() + "/");
    EXPECT_EQ(flow.saves, 2);
}

TEST(DataFolderChange, NoQuestionForSorelFoldersOrFoldersWithData) {
    Flow flow;
    fs::create_directories(flow.dir / "MySorel");
    fs::create_directories(flow.dir / "withdata");
    flow.dir.write("withdata/Ca202405.myc", " 0,0,9,2024/ 5\r\n");
    flow.change.reset("");
    flow.change.chooseFolder(flow.folder("MySorel"));
    EXPECT_EQ(flow.change.text(), flow.folder("MySorel") + "/");
    flow.change.chooseFolder(flow.folder("withdata"));
    EXPECT_EQ(flow.change.text(), flow.folder("withdata") + "/");
    EXPECT_TRUE(flow.dialogs.shown().empty());
}

TEST(DataFolderChange, CarryingOutAsksAndRefusesAnUnchangedFolder) {
    Flow flow;
    const std::string start = flow.folder("start") + "/";
    fs::create_directory(start);
    flow.change.reset(start);
    flow.change.beginEdit();
    flow.change.edit(flow.folder("start"));

    flow.dialogs.expect(DialogAnswer::No);
    flow.change.execute();
    EXPECT_EQ(flow.lastBox().text, "データフォルダの変更を行いますか？");
    EXPECT_EQ(flow.lastBox().buttons, DialogButtons::YesNo);
    EXPECT_TRUE(flow.change.pending());

    flow.dialogs.expect(DialogAnswer::Yes);
    flow.dialogs.expect(DialogAnswer::Ok);
    flow.change.execute();
    EXPECT_EQ(flow.lastBox().text, "フォルダが変更されていません\r\n中止します。");
    EXPECT_EQ(flow.change.text(), start);
    EXPECT_TRUE(flow.dialogs.scriptUsed());
}

TEST(DataFolderChange, AMissingFolderIsCreatedOnRequest) {
    Flow flow;
    flow.change.reset("");
    flow.change.beginEdit();
    const std::string wanted = flow.folder("a/b/c");
    flow.change.edit(wanted);
    flow.dialogs.expect(DialogAnswer::Yes);
    flow.dialogs.expect(DialogAnswer::Yes);
    flow.dialogs.expect(DialogAnswer::Ok);
    flow.change.execute();
    ASSERT_EQ(flow.dialogs.shown().size(), 3u);
    EXPECT_EQ(flow.dialogs.shown()[1].text, "指定されたフォルダーが、存在しません。\r\n作成しますか？");
    EXPECT_EQ(flow.lastBox().text,
              "データフォルダを変更しました。\r\n次回起動時から、このデータフォルダを使用します。\r\n^^^^^^^^^^^^^^\r\n"
              "データの移動が必要な場合は、\r\nRekkoを終了後、ご自分でデータの移動を行ってください。");
    EXPECT_TRUE(fs::is_directory(wanted));
    EXPECT_EQ(flow.change.text(), wanted + "/");
    EXPECT_EQ(flow.change.folderAtStart(), wanted + "/");
    EXPECT_FALSE(flow.change.pending());
}

TEST(DataFolderChange, DecliningOrFailingCreationRestoresTheOldText) {
    Flow flow;
    flow.change.reset("/old/");
    flow.change.beginEdit();
    flow.change.edit(flow.folder("new"));
    flow.dialogs.expect(DialogAnswer::Yes);
    flow.dialogs.expect(DialogAnswer::No);
    flow.dialogs.expect(DialogAnswer::Ok);
    flow.change.execute();
    EXPECT_EQ(flow.lastBox().text, "変更は、キャンセルされます。");
    EXPECT_EQ(flow.change.text(), "/old/");
    EXPECT_FALSE(flow.change.pending());
    EXPECT_FALSE(fs::exists(flow.folder("new")));

    flow.dir.write("file", "not a folder");
    flow.change.beginEdit();
    flow.change.edit(flow.folder("file/sub"));
    flow.dialogs.expect(DialogAnswer::Yes);
    flow.dialogs.expect(DialogAnswer::Yes);
    flow.dialogs.expect(DialogAnswer::Ok);
    flow.change.execute();
    EXPECT_EQ(flow.lastBox().caption, "エラー");
    EXPECT_EQ(flow.lastBox().text, "セットアップフォルダを作成できません。");
    EXPECT_EQ(flow.lastBox().icon, DialogIcon::Error);
    EXPECT_EQ(flow.change.text(), "/old/");
    EXPECT_EQ(flow.change.folderAtStart(), "/old/");
}

TEST(DataFolderChange, TextTheSettingsFileCannotHoldIsRefused) {
    Flow flow;
    flow.change.reset("");
    flow.change.beginEdit();
    flow.change.edit("/home/😀");
    flow.dialogs.expect(DialogAnswer::Yes);
    flow.dialogs.expect(DialogAnswer::Ok);
    flow.change.execute();
    EXPECT_NE(flow.lastBox().text.find("😀"), std::string::npos);
    EXPECT_TRUE(flow.change.pending());
    EXPECT_EQ(flow.change.folderAtStart(), "");
}

} // namespace
} // namespace rekko
