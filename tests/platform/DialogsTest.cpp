// The message-box port's helpers and the scripted double the other tests rely on.
#include "ScriptedDialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace rekko {
namespace {

TEST(Dialogs, HelpersUseTheDefaultCaptionIconsAndButtons) {
    test::ScriptedDialogs dialogs;
    dialogs.expect(DialogAnswer::Ok);
    dialogs.expect(DialogAnswer::No);
    dialogs.inform("保存しました。");
    EXPECT_FALSE(dialogs.ask("削除しますか？", DialogAnswer::No));
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].caption, "確認 -Rekko-");
    EXPECT_EQ(dialogs.shown()[0].icon, DialogIcon::Information);
    EXPECT_EQ(dialogs.shown()[0].buttons, DialogButtons::Ok);
    EXPECT_EQ(dialogs.shown()[1].icon, DialogIcon::Question);
    EXPECT_EQ(dialogs.shown()[1].buttons, DialogButtons::YesNo);
    EXPECT_EQ(dialogs.shown()[1].defaultAnswer, DialogAnswer::No);
    EXPECT_TRUE(dialogs.scriptUsed());
}

TEST(Dialogs, UnexpectedBoxFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            test::ScriptedDialogs dialogs;
            dialogs.inform("surprise");
        },
        "unexpected message box");
}

} // namespace
} // namespace rekko
