// SPDX-License-Identifier: GPL-3.0-or-later
// The message-box double fails the test that meets an unexpected box, another box than scripted, or a script not
// used up: under GoogleTest and under Qt Test (where a failure outside QVERIFY used only to print).
#include "ScriptedDialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

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

TEST(ScriptedDialogs, EveryMisuseFailsAQtTestProgram) {
    std::string output;
    FILE* pipe = ::popen(UNEXPECTED_BOX_QTTEST " 2>&1", "r");
    ASSERT_TRUE(pipe);
    char buffer[4096];
    while (const size_t read = std::fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, read);
    const int status = ::pclose(pipe);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 3) << output; // the number of failed functions
    size_t failures = 0;
    for (size_t at = output.find("FAIL!  : Failing::"); at != std::string::npos;
         at = output.find("FAIL!  : Failing::", at + 1))
        ++failures;
    EXPECT_EQ(failures, 3u) << output;
    EXPECT_NE(output.find("unexpected message box"), std::string::npos);
    EXPECT_NE(output.find("script not used up"), std::string::npos);
}

} // namespace
} // namespace rekko::test
