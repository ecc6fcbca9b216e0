// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every Qt Test program: the failures of the test doubles fail the test function that runs.
#include "ScriptedDialogs.h"

#include <QTest>

namespace {

[[maybe_unused]] const bool g_registered = [] {
    rekko::test::SetFailureReporter(
        [](const std::string& what) { QTest::qFail(what.c_str(), "tests/support/ScriptedDialogs.cpp", 0); });
    return true;
}();

} // namespace
