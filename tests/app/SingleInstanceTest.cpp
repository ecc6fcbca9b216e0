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

} // namespace
} // namespace rekko
