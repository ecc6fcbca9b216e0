// SPDX-License-Identifier: GPL-3.0-or-later
// The message-box double fails the test that meets an unexpected box, another box than scripted, or a script not
// used up, under GoogleTest (under Qt Test: unexpected_box_qttest, a test of its own).
#include "ScriptedDialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace rekko::test {
namespace {

TEST(ScriptedDialogs, EveryMisuseFailsAGoogleTest) {
    EXPECT_NONFATAL_FAILURE(ScriptedDialogs().inform("想定外の箱"),
                            "unexpected message box: 確認 -Rekko- / 想定外の箱");
    EXPECT_NONFATAL_FAILURE(ScriptedDialogs().expect(DialogAnswer::Yes, "来ない質問"), "script not used up");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.expect(DialogAnswer::Ok, "予定した箱");
            dialogs.inform("別の箱");
        },
        "where one starting \"予定した箱\" was scripted");
}

} // namespace
} // namespace rekko::test
