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

// The frontmost window of a running Rekko (here a box before the main window) is woken; a running Sorel or a
// Rekko that no longer answers stops the start with a box; the setup marker skips both.
TEST(SingleInstance, TheRunningWindowsDecideTheStart) {
    const std::string sorelBox =
        "【 Sorel -Sorel- 】が立ち上がっています。\r\nSorelを先に終了させてください。\r\n\r\n起動を中止します。";
    const std::set<std::string> withBox{kMainWindowTitle, kDefaultCaption};
    struct Case {
        std::set<std::string> windows, deaf;
        bool setupMarker;
        StartVerdict verdict;
        std::vector<std::string> woken;
        std::string box;
    };
    const Case cases[] = {
        {{}, {}, false, StartVerdict::Run, {}, ""},
        {{kSorelWindowTitle, kMainWindowTitle}, {}, false, StartVerdict::Quit, {}, sorelBox},
        {{kMainWindowTitle, kDefaultCaption, kScheduleDialogTitle},
         {},
         false,
         StartVerdict::Quit,
         {"確認 -Rekko-"},
         ""},
        {withBox, withBox, false, StartVerdict::Quit, {}, "既に立ち上げっていますので、起動を中止します。"},
        {{kSorelWindowTitle, kMainWindowTitle}, {}, true, StartVerdict::Run, {}, ""},
    };
    for (const Case& c : cases) {
        FakeRegistry registry;
        registry.windows = c.windows;
        registry.deaf = c.deaf;
        test::ScriptedDialogs dialogs;
        if (!c.box.empty())
            dialogs.expect(DialogAnswer::Ok, c.box);
        EXPECT_EQ(CheckSingleInstance(registry, dialogs, c.setupMarker), c.verdict) << c.windows.size();
        EXPECT_EQ(registry.woken, c.woken);
        ASSERT_EQ(dialogs.shown().size(), c.box.empty() ? 0u : 1u);
        if (!c.box.empty())
            EXPECT_EQ(dialogs.shown()[0].caption, "確認 -Rekko-");
    }
}

} // namespace
} // namespace rekko
