// SPDX-License-Identifier: GPL-3.0-or-later
// Built but not run by itself: ScriptedDialogsTest runs it and expects each of its tests to fail.
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace rekko::test {
namespace {

TEST(Failing, UnexpectedBox) {
    ScriptedDialogs dialogs;
    dialogs.inform("想定外の箱");
}

TEST(Failing, ScriptNotUsedUp) {
    ScriptedDialogs dialogs;
    dialogs.expect(DialogAnswer::Yes, "来ない質問");
}

TEST(Failing, OtherBoxThanScripted) {
    ScriptedDialogs dialogs;
    dialogs.expect(DialogAnswer::Ok, "予定した箱");
    dialogs.inform("別の箱");
}

} // namespace
} // namespace rekko::test
