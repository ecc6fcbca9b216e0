// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up decisions: the "/J" argument, the single-instance rule, and where the windows are placed.
#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "app/WindowPlacement.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

namespace rekko {
namespace {

using Args = std::vector<std::string>;

// Only the third and fourth characters of a first "/J" argument count; anything else means no move.
TEST(CommandLine, SlashJWithDigitsCountsDown) {
    const std::pair<Args, int> cases[] = {{{"/j05"}, 5}, {{"/J7"}, 7}, {{"/J123"}, 12},
                                          {{}, 0},       {{"/J"}, 0},  {{"/J5x"}, 0},
                                          {{"/J-5"}, 0}, {{"J05"}, 0}, {{"-platform", "/J05"}, 0}};
    for (const auto& [args, seconds] : cases)
        EXPECT_EQ(ResidentCountdownSeconds(args), seconds) << (args.empty() ? "" : args.back());
}

// Windows that "exist", which of them answer a wake-up, and the wake-ups sent.
struct FakeRegistry : InstanceRegistry {
    std::set<std::string> windows, deaf;
    std::vector<std::string> woken;

    bool exists(const std::string& title) override { return windows.count(title) > 0; }
    bool wake(const std::string& title) override {
        if (!windows.count(title) || deaf.count(title))
            return false;
        woken.push_back(title);
        return true;
    }
};

// Runs the check over the windows; a box, when given, must be shown with the program's caption.
std::vector<std::string> Check(std::set<std::string> windows, std::set<std::string> deaf, bool setupMarker,
                               StartVerdict verdict, const std::string& box = "") {
    FakeRegistry registry;
    registry.windows = std::move(windows);
    registry.deaf = std::move(deaf);
    test::ScriptedDialogs dialogs;
    if (!box.empty())
        dialogs.expect(DialogAnswer::Ok, box);
    EXPECT_EQ(CheckSingleInstance(registry, dialogs, setupMarker), verdict) << box;
    EXPECT_EQ(dialogs.shown().size(), box.empty() ? 0u : 1u);
    if (!box.empty() && !dialogs.shown().empty()) {
        EXPECT_EQ(dialogs.shown()[0].caption, "確認 -Rekko-");
    }
    return registry.woken;
}

// The frontmost window of a running Rekko (here a box before the main window) is woken; a running Sorel or a Rekko
// that no longer answers stops the start with a box; the setup marker skips both.
TEST(SingleInstance, TheRunningWindowsDecideTheStart) {
    const std::set<std::string> sorel{kSorelWindowTitle, kMainWindowTitle};
    const std::set<std::string> withBox{kMainWindowTitle, kDefaultCaption};
    EXPECT_TRUE(Check({}, {}, false, StartVerdict::Run).empty());
    Check(sorel, {}, false, StartVerdict::Quit,
          "【 Sorel -Sorel- 】が立ち上がっています。\r\nSorelを先に終了させてください。");
    EXPECT_EQ(Check({kMainWindowTitle, kDefaultCaption, kScheduleDialogTitle}, {}, false, StartVerdict::Quit),
              std::vector<std::string>{"確認 -Rekko-"});
    Check(withBox, withBox, false, StartVerdict::Quit, "既に立ち上げっていますので、起動を中止します。");
    Check(sorel, {}, true, StartVerdict::Run);
}

// A 782 x 701 window on a 1024 x 741 work area below a 27-pixel panel; stored at (100, 50), its dialog at (200, 300).
TEST(WindowPlacement, CentredStoredOrLeftWhereItIs) {
    struct Case {
        int rule;
        ScreenPoint storedMain;
        int workWidth;
        ScreenPoint main;
        ScreenPoint dialog;
        bool tooSmall;
    };
    const Case cases[] = {
        {0, {100, 50}, 1024, {121, 47}, {363, 319}, false},
        {0, {100, 50}, 700, {3, 4}, {1, 2}, true}, // too small: where it is
        {1, {100, 50}, 1024, {100, 50}, {200, 300}, false},
        {1, {100, 50}, 700, {100, 50}, {200, 300}, true},
        {1, {100, 67}, 1024, {100, 67}, {200, 300}, false}, // the lowest top that keeps the window on the work area
        {1, {100, 68}, 1024, {121, 47}, {363, 319}, false}, // out of reach: centred
        {1, {1024, 50}, 1024, {121, 47}, {363, 319}, false},
        {1, {-782, 50}, 1024, {121, 47}, {363, 319}, false},
        {1, {100, 0}, 1024, {121, 47}, {363, 319}, false},
    };
    for (size_t row = 0; row < std::size(cases); ++row) {
        const Case& c = cases[row];
        const Placement p = PlaceWindows({.rule = c.rule,
                                          .current = {3, 4},
                                          .width = 782,
                                          .height = 701,
                                          .workArea = {0, 27, c.workWidth, 741},
                                          .storedMain = c.storedMain,
                                          .storedDialog = {200, 300},
                                          .currentDialog = {1, 2}});
        EXPECT_EQ(std::tie(p.mainWindow, p.scheduleDialog, p.tooSmall), std::tie(c.main, c.dialog, c.tooSmall))
            << "row " << row;
    }
}

} // namespace
} // namespace rekko
