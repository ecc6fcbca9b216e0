// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up decisions of the single-instance rule.
#include "app/SingleInstance.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace rekko {
namespace {

// Windows that "exist", which of them answer a wake-up, and the wake-ups sent.
class FakeRegistry : public InstanceRegistry {
public:
    std::set<std::string> windows;
    std::set<std::string> deaf;
    std::vector<std::string> woken;

    bool exists(const std::string& title) override { return windows.count(title) > 0; }
    bool wake(const std::string& title) override {
        if (!windows.count(title) || deaf.count(title))
            return false;
        woken.push_back(title);
        return true;
    }
};

TEST(SingleInstance, AloneItRuns) {
    FakeRegistry registry;
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(CheckSingleInstance(registry, dialogs, false), StartVerdict::Run);
    EXPECT_TRUE(registry.woken.empty());
}

TEST(SingleInstance, SorelRunningStopsTheStart) {
    FakeRegistry registry;
    registry.windows = {kSorelWindowTitle, kMainWindowTitle};
    test::ScriptedDialogs dialogs;
    dialogs.expect(DialogAnswer::Ok);
    EXPECT_EQ(CheckSingleInstance(registry, dialogs, false), StartVerdict::Quit);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              "【 Sorel -Sorel- 】が立ち上がっています。\r\nSorelを先に終了させてください。\r\n\r\n起動を中止します。");
    EXPECT_EQ(dialogs.shown()[0].caption, "確認 -Rekko-");
    EXPECT_TRUE(registry.woken.empty());
}

TEST(SingleInstance, ARunningRekkoIsWokenAtItsFrontmostWindow) {
    test::ScriptedDialogs dialogs;
    FakeRegistry boxShown;
    boxShown.windows = {kMainWindowTitle, kDefaultCaption, kScheduleDialogTitle};
    EXPECT_EQ(CheckSingleInstance(boxShown, dialogs, false), StartVerdict::Quit);
    EXPECT_EQ(boxShown.woken, std::vector<std::string>{"確認 -Rekko-"});

    FakeRegistry dialogShown;
    dialogShown.windows = {kMainWindowTitle, kScheduleDialogTitle};
    EXPECT_EQ(CheckSingleInstance(dialogShown, dialogs, false), StartVerdict::Quit);
    EXPECT_EQ(dialogShown.woken, std::vector<std::string>{"Rekko -Rekko-"});

    FakeRegistry plain;
    plain.windows = {kMainWindowTitle};
    EXPECT_EQ(CheckSingleInstance(plain, dialogs, false), StartVerdict::Quit);
    EXPECT_EQ(plain.woken, std::vector<std::string>{"Rekko - Rekko -"});
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST(SingleInstance, ARekkoThatNoLongerAnswersStillStopsTheStart) {
    FakeRegistry registry;
    registry.windows = {kMainWindowTitle, kDefaultCaption};
    registry.deaf = {kMainWindowTitle, kDefaultCaption};
    test::ScriptedDialogs dialogs;
    dialogs.expect(DialogAnswer::Ok);
    EXPECT_EQ(CheckSingleInstance(registry, dialogs, false), StartVerdict::Quit);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "既に立ち上げっていますので、起動を中止します。");
}

TEST(SingleInstance, TheSetupMarkerSkipsBothChecks) {
    FakeRegistry registry;
    registry.windows = {kSorelWindowTitle, kMainWindowTitle};
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(CheckSingleInstance(registry, dialogs, true), StartVerdict::Run);
    EXPECT_TRUE(registry.woken.empty());
    EXPECT_TRUE(dialogs.shown().empty());
}

} // namespace
} // namespace rekko
