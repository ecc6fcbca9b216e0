// SPDX-License-Identifier: GPL-3.0-or-later
// The diary button and the Pomta starts when the link or the start fails, with doubles of the ports they use.
#include "app/DiaryButton.h"
#include "app/PomtaLauncher.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <set>

namespace rekko {
namespace {

struct Siblings : DiaryButtonView, DiaryLink, ProgramStarter, InstanceRegistry {
    void showArmed() override {}
    void showNormal() override {}
    Status sendDay(int32_t day) override {
        log.push_back("send " + std::to_string(day));
        return linkResult;
    }
    Status start(const std::filesystem::path& program, const std::vector<std::string>&) override {
        log.push_back("start " + program.string());
        return startResult;
    }
    bool exists(const std::string& title) override { return titles.count(title) > 0; }
    bool wake(const std::string&) override { return false; }

    std::vector<std::string> log;
    Status linkResult = Success();
    Status startResult = Success();
    std::set<std::string> titles;
    test::ScriptedDialogs dialogs;
};

TEST(DiaryButton, ReportsTheLinkOrTheStartAndStartsNothingAfterALinkFailure) {
    Siblings s;
    DiaryButton button(s, s, s, s.dialogs, "/opt/Zunbo");
    s.linkResult = Failure{.cause = "Other process Allready Opened Memory Map"};
    s.dialogs.expect(DialogAnswer::Ok, "Other process Allready Opened Memory Map");
    button.press(1);
    button.press(2);
    EXPECT_EQ(s.log.back(), "send 2");

    s.linkResult = Success();
    s.startResult = Failure{.cause = "No such file or directory", .path = "/opt/Zunbo"};
    s.dialogs.expect(DialogAnswer::Ok, "プロセスの生成に失敗しました");
    button.press(3);
    button.press(4);
    EXPECT_EQ(s.log.back(), "start /opt/Zunbo");
}

TEST(PomtaLauncher, StartsNothingWhilePomtaIsRunning) {
    Siblings s;
    PomtaLauncher pomta(s, s.dialogs, s, "/opt/Pomta");
    s.titles.insert("  Pomta - Pomta - ");
    s.dialogs.expect(DialogAnswer::Ok);
    s.dialogs.expect(DialogAnswer::Ok, "「Pomta」が立ち上がっています。");
    pomta.startFromHotkey();
    EXPECT_FALSE(pomta.openMemo("x"));
    EXPECT_TRUE(s.log.empty());
}

} // namespace
} // namespace rekko
