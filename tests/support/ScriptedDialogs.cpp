// SPDX-License-Identifier: GPL-3.0-or-later
// The scripted message-box double and the failures it reports.
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace rekko::test {

namespace {

FailureReporter g_reporter = nullptr;

} // namespace

void SetFailureReporter(FailureReporter reporter) {
    g_reporter = reporter;
}

void ReportTestFailure(const std::string& what) {
    if (g_reporter) {
        g_reporter(what);
    } else if (::testing::UnitTest::GetInstance()->current_test_info()) {
        ADD_FAILURE() << what;
    } else {
        std::fprintf(stderr, "test failure: %s\n", what.c_str());
        std::abort();
    }
}

ScriptedDialogs::~ScriptedDialogs() {
    if (!m_script.empty())
        ReportTestFailure("message box script not used up: " + std::to_string(m_script.size()) +
                          " answer(s) left, the first for a box starting \"" + m_script.front().textStart + "\"");
}

void ScriptedDialogs::expect(DialogAnswer answer, std::string textStart) {
    m_script.push_back({answer, std::move(textStart)});
}

DialogAnswer ScriptedDialogs::show(const DialogMessage& message) {
    m_shown.push_back(message);
    const std::string box = message.caption + " / " + message.text;
    if (m_script.empty()) {
        ReportTestFailure("unexpected message box: " + box);
        return message.defaultAnswer;
    }
    const Expected expected = m_script.front();
    m_script.pop_front();
    if (!message.text.starts_with(expected.textStart))
        ReportTestFailure("message box \"" + box + "\" where one starting \"" + expected.textStart + "\" was scripted");
    return expected.answer;
}

} // namespace rekko::test
