// SPDX-License-Identifier: GPL-3.0-or-later
// The diary button, the Pomta starts and the hotkeys, with doubles of the ports they use.
#include "app/DiaryButton.h"
#include "app/Hotkeys.h"
#include "app/PomtaLauncher.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <set>

namespace rekko {
namespace {

struct Siblings : DiaryButtonView, DiaryLink, ProgramStarter, InstanceRegistry, GlobalHotkeys {
    void showArmed() override { log.push_back("aqua 日付指定"); }
    void showNormal() override { log.push_back("normal Zunbo"); }
    Status sendDay(int32_t day) override {
        log.push_back("send " + std::to_string(day));
        return linkResult;
    }
    Status start(const std::filesystem::path& program, const std::vector<std::string>& arguments) override {
        std::string call = "start " + program.string();
        for (const auto& argument : arguments)
            call += " " + argument;
        log.push_back(call);
        return startResult;
    }
    bool exists(const std::string& title) override { return titles.count(title) > 0; }
    bool wake(const std::string&) override { return false; }
    Status grab(int id, HotkeyKey) override {
        log.push_back("grab " + std::to_string(id));
        return taken.count(id) ? Status(Failure{.cause = "BadAccess"}) : Success();
    }
    Status releaseAll() override {
        log.push_back("release");
        return releaseResult;
    }

    std::vector<std::string> log;
    Status linkResult = Success();
    Status startResult = Success();
    Status releaseResult = Success();
    std::set<std::string> titles;
    std::set<int> taken;
    test::ScriptedDialogs dialogs;
};

TEST(DiaryButton, ArmsThenSendsTheGridDayOrTodayAndStartsZunbo) {
    Siblings s;
    DiaryButton button(s, s, s, s.dialogs, "/opt/Zunbo");
    EXPECT_FALSE(button.gridPressed(2460000));
    button.press(2460451);
    EXPECT_TRUE(button.armed());
    EXPECT_TRUE(button.gridPressed(2460460));
    EXPECT_TRUE(button.armed());
    EXPECT_TRUE(button.gridReleased());
    EXPECT_FALSE(button.armed());
    EXPECT_FALSE(button.gridReleased());

    button.press(2460451);
    button.press(2460451);
    EXPECT_FALSE(button.armed());
    EXPECT_EQ(s.log, (std::vector<std::string>{"aqua 日付指定", "normal Zunbo", "send 2460460", "start /opt/Zunbo",
                                               "aqua 日付指定", "normal Zunbo", "send 2460451", "start /opt/Zunbo"}));
}

TEST(DiaryButton, ReportsTheLinkOrTheStartAndStartsNothingAfterALinkFailure) {
    Siblings s;
    DiaryButton button(s, s, s, s.dialogs, "/opt/Zunbo");
    s.linkResult = Failure{.cause = "Other process Allready Opened Memory Map"};
    s.dialogs.expect(DialogAnswer::Ok);
    button.press(1);
    button.press(2);
    EXPECT_EQ(s.log.back(), "send 2");

    s.linkResult = Success();
    s.startResult = Failure{.cause = "No such file or directory", .path = "/opt/Zunbo"};
    s.dialogs.expect(DialogAnswer::Ok);
    button.press(3);
    button.press(4);
    ASSERT_EQ(s.dialogs.shown().size(), 2u);
    EXPECT_EQ(s.dialogs.shown()[0].text, "Other process Allready Opened Memory Map");
    EXPECT_EQ(s.dialogs.shown()[1].text, "プロセスの生成に失敗しました");
}

TEST(PomtaLauncher, StartsOnlyWhilePomtaIsNotRunning) {
    Siblings s;
    PomtaLauncher pomta(s, s.dialogs, s, "/opt/Pomta");
    pomta.startFromHotkey();
    EXPECT_TRUE(pomta.openMemo("/data/CaMemo.myc"));
    EXPECT_EQ(s.log, (std::vector<std::string>{"start /opt/Pomta", "start /opt/Pomta /data/CaMemo.myc"}));

    s.titles.insert("  Pomta - Pomta - ");
    s.dialogs.expect(DialogAnswer::Ok);
    s.dialogs.expect(DialogAnswer::Ok);
    pomta.startFromHotkey();
    EXPECT_FALSE(pomta.openMemo("x"));
    EXPECT_EQ(s.log.size(), 2u);
    EXPECT_EQ(s.dialogs.shown().at(1).text,
              "「Pomta」が立ち上がっています。\r\nPomtaを終了させてから、もう一度操作してください。");
}

TEST(Hotkeys, EachRefusedKeyIsReportedUnlessTheSetupMarkerExists) {
    Siblings s;
    s.taken = {123, 125};
    s.dialogs.expect(DialogAnswer::Ok);
    s.dialogs.expect(DialogAnswer::Ok);
    RegisterHotkeys(s, s.dialogs, true, false);
    ASSERT_EQ(s.dialogs.shown().size(), 2u);
    EXPECT_EQ(s.dialogs.shown()[0].text, "RegisterHotKey();に失敗しました\r\n[Ctrl]+[F12]は使えません。");
    EXPECT_EQ(s.dialogs.shown()[1].text, "RegisterHotKey();に失敗しました\r\n[Ctrl]+[F11]は使えません。");

    RegisterHotkeys(s, s.dialogs, true, true);
    s.log.clear();
    s.dialogs.expect(DialogAnswer::Ok);
    RegisterHotkeys(s, s.dialogs, false, false);
    EXPECT_EQ(s.log, std::vector<std::string>{"grab 123"});
    EXPECT_EQ(s.dialogs.shown().size(), 3u);

    s.releaseResult = Failure{};
    s.dialogs.expect(DialogAnswer::Ok);
    ReleaseHotkeys(s, s.dialogs);
    EXPECT_EQ(s.dialogs.shown().back().text, "ホットキーが解除エラーになりました。\r\n動作に問題はありません。");
}

} // namespace
} // namespace rekko
