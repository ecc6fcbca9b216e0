// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's state without widgets: the close rules, activation and the status panels.
#include "app/MainController.h"

#include "FakeClock.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

struct Shell {
    test::TempDir program;
    test::TempDir startup;
    test::FakeClock clock{CalendarDate{2024, 5, 3}, TimeOfDay{15, 5, 0}};
    test::ScriptedDialogs dialogs;
    MainController controller{program.path(), startup.path(), clock, dialogs, program / "rescue"};
};

TEST(MainController, CloseIsRefusedDuringRetrievalOrDateChange) {
    Shell shell;
    shell.dialogs.expect(DialogAnswer::Ok, "時刻取得中です。");
    EXPECT_TRUE(shell.controller.refuseClose(true, false));
    shell.dialogs.expect(DialogAnswer::Ok, "今は終了できません。");
    EXPECT_TRUE(shell.controller.refuseClose(false, true));
    EXPECT_FALSE(shell.controller.refuseClose(false, false));
}

TEST(MainController, TheCurrentMonthReturnsAtTheFirstActivationAndAfterAnotherApplication) {
    Shell shell;
    shell.controller.beginStart({});
    shell.controller.setDeferredMessage("前回は不正終了しました。");
    const Activation first = shell.controller.activate(true);
    EXPECT_TRUE(first.showCurrentMonth);
    EXPECT_EQ(first.deferredMessage, "前回は不正終了しました。");
    // One of the program's own dialogs closing activates the window again: the month stays.
    const Activation afterDialog = shell.controller.activate(false);
    EXPECT_FALSE(afterDialog.showCurrentMonth);
    EXPECT_EQ(afterDialog.deferredMessage, std::nullopt);
    // Back from another application (or from hiding): this month, unless cbZenkai keeps the display.
    shell.controller.noteFocusLeftProgram();
    EXPECT_TRUE(shell.controller.returnsToCurrentMonth(false));
    EXPECT_TRUE(shell.controller.activate(false).showCurrentMonth);
    EXPECT_FALSE(shell.controller.activate(false).showCurrentMonth);
    shell.controller.noteFocusLeftProgram();
    EXPECT_FALSE(shell.controller.activate(true).showCurrentMonth);
    // A return that lands on a dialog of the program is used up there.
    shell.controller.noteFocusLeftProgram();
    shell.controller.noteFocusOnDialog();
    EXPECT_FALSE(shell.controller.activate(false).showCurrentMonth);
}

} // namespace
} // namespace rekko
