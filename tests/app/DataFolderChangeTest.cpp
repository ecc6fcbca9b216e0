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
    Flow() { change.reset("/old/"); }
    // Types a folder into the field and carries the change out, the boxes answered in order.
    void execute(const std::string& folder, std::initializer_list<DialogAnswer> answers) {
        change.beginEdit();
        change.edit(folder);
        for (const DialogAnswer answer : answers)
            dialogs.expect(answer);
        change.execute();
    }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    int saves = 0;
    DataFolderChange change{dialogs, [this] { ++saves; }};

    std::string folder(std::string_view name) const { return (dir / name).string(); }
    const DialogMessage& lastBox() const { return dialogs.shown().back(); }
};

// A chosen folder is saved first; a plain one may get "Sorel" appended, one holding data is taken as is.
TEST(DataFolderChange, AChosenFolderIsSavedFirstAndMayGetSorelAppended) {
    Flow flow;
    fs::create_directory(flow.dir / "plain");
    flow.dialogs.expect(DialogAnswer::Yes, "指定されたフォルダに<\\Sorel>のフォルダを\r\n付け加えますか？");
    flow.change.chooseFolder(flow.folder("plain"));
    EXPECT_EQ(flow.saves, 1);
    EXPECT_TRUE(flow.change.pending());
    EXPECT_EQ(flow.change.text(), flow.folder("plain") + "/Sorel/");

    fs::create_directories(flow.dir / "withdata");
    flow.dir.write("withdata/Ca202405.myc", " 0,0,9,2024/ 5\r\n");
    flow.change.chooseFolder(flow.folder("withdata"));
    EXPECT_EQ(flow.change.text(), flow.folder("withdata") + "/");
}

TEST(DataFolderChange, AMissingFolderIsCreatedOnRequest) {
    Flow flow;
    const std::string wanted = flow.folder("a/b/c");
    flow.execute(wanted, {DialogAnswer::Yes, DialogAnswer::Yes, DialogAnswer::Ok});
    EXPECT_EQ(flow.dialogs.shown()[1].text, "指定されたフォルダーが、存在しません。\r\n作成しますか？");
    EXPECT_TRUE(flow.lastBox().text.starts_with("データフォルダを変更しました。"));
    EXPECT_TRUE(fs::is_directory(wanted));
    EXPECT_EQ(flow.change.folderAtStart(), wanted + "/");
    EXPECT_FALSE(flow.change.pending());
}

TEST(DataFolderChange, DecliningOrFailingCreationRestoresTheOldText) {
    Flow flow;
    flow.execute(flow.folder("new"), {DialogAnswer::Yes, DialogAnswer::No, DialogAnswer::Ok});
    EXPECT_EQ(flow.lastBox().text, "変更は、キャンセルされます。");
    EXPECT_EQ(flow.change.text(), "/old/");
    EXPECT_FALSE(flow.change.pending());
    EXPECT_FALSE(fs::exists(flow.folder("new")));

    flow.dir.write("file", "not a folder");
    flow.execute(flow.folder("file/sub"), {DialogAnswer::Yes, DialogAnswer::Yes, DialogAnswer::Ok});
    EXPECT_EQ(flow.lastBox().text, "セットアップフォルダを作成できません。");
    EXPECT_EQ(flow.lastBox().icon, DialogIcon::Error);
    EXPECT_EQ(flow.change.text(), "/old/");
    EXPECT_EQ(flow.change.folderAtStart(), "/old/");
}

// Text the settings file cannot hold, or that could not be read back as a path, is refused; nothing is created.
TEST(DataFolderChange, TextTheSettingsFileCannotHoldIsRefused) {
    Flow flow;
    flow.execute("/home/😀", {DialogAnswer::Yes, DialogAnswer::Ok});
    EXPECT_NE(flow.lastBox().text.find("😀"), std::string::npos);
    EXPECT_TRUE(flow.change.pending());
    EXPECT_EQ(flow.change.folderAtStart(), "/old/");
    flow.execute(flow.folder("new") + "\n", {DialogAnswer::Yes, DialogAnswer::Ok});
    EXPECT_EQ(flow.lastBox().text, "フォルダ名に使えません。\r\n制御文字を含んでいます");
    EXPECT_TRUE(fs::is_empty(flow.dir.path()));
    EXPECT_EQ(flow.change.folderAtStart(), "/old/");
}

} // namespace
} // namespace rekko
