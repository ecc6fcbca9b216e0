// SPDX-License-Identifier: GPL-3.0-or-later
// The message-box double fails the test that meets an unexpected box, another box than scripted, or a script not
// used up: under GoogleTest and under Qt Test (where a failure outside QVERIFY used only to print).
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

struct Outcome {
    int status = -1;
    std::string output;
};

Outcome run(const std::string& command) {
    Outcome result;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer{};
    while (const size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe))
        result.output.append(buffer.data(), read);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

size_t count(const std::string& text, const std::string& part) {
    size_t found = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

TEST(ScriptedDialogs, EveryMisuseFailsAGoogleTestProgram) {
    const Outcome gtest = run(UNEXPECTED_BOX_GTEST);
    EXPECT_NE(gtest.status, 0) << gtest.output;
    EXPECT_EQ(count(gtest.output, "[  FAILED  ] Failing."), 6u) << gtest.output; // each failure and the summary
    EXPECT_NE(gtest.output.find("unexpected message box: 確認 -Rekko- / 想定外の箱"), std::string::npos);
    EXPECT_NE(gtest.output.find("script not used up"), std::string::npos);
    EXPECT_NE(gtest.output.find("where one starting \"予定した箱\" was scripted"), std::string::npos);
}

TEST(ScriptedDialogs, EveryMisuseFailsAQtTestProgram) {
    const Outcome qtest = run(UNEXPECTED_BOX_QTTEST);
    EXPECT_EQ(qtest.status, 3) << qtest.output; // Qt Test exits with the number of failed functions
    EXPECT_EQ(count(qtest.output, "FAIL!  : Failing::"), 3u) << qtest.output;
    EXPECT_NE(qtest.output.find("unexpected message box"), std::string::npos);
    EXPECT_NE(qtest.output.find("script not used up"), std::string::npos);
}

} // namespace
