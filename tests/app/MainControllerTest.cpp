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
    shell.controller.setRetrievalRunning(true);
    shell.dialogs.expect(DialogAnswer::Ok);
    EXPECT_TRUE(shell.controller.refuseClose());
    EXPECT_EQ(shell.dialogs.shown().back().text,
              "時刻取得中です。現在は終了できません。\r\nもう少し後、終了させてください。");
    shell.controller.setRetrievalRunning(false);
    shell.controller.setDateChangeRunning(true);
    shell.dialogs.expect(DialogAnswer::Ok);
    EXPECT_TRUE(shell.controller.refuseClose());
    EXPECT_EQ(shell.dialogs.shown().back().text, "今は終了できません。");
    shell.controller.setDateChangeRunning(false);
    EXPECT_FALSE(shell.controller.refuseClose());
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

TEST(MainController, StatusPanels) {
    Shell shell;
    EXPECT_EQ(shell.controller.statusPanel0(), "2024/5/3 (金) 午後 3 : 05");
    shell.controller.setRetrievalRunning(true);
    EXPECT_EQ(shell.controller.statusPanel0(), "　　時刻取得中　　");
    EXPECT_EQ(shell.controller.statusPanel1(true).text.find("<Jiglo>"), std::string::npos);
    shell.startup.write("Jiglo.desktop", "[Desktop Entry]\n");
    EXPECT_EQ(shell.controller.statusPanel1(true).text.find("<Jiglo>"), 0u);
}

} // namespace
} // namespace rekko
