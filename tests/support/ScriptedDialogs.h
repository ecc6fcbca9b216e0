// SPDX-License-Identifier: GPL-3.0-or-later
// A Dialogs double: records every message box and answers from a script. An unexpected box, a box other than the
// one scripted, and a script not used up fail the test that runs, under GoogleTest and under Qt Test alike.
#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace rekko::test {

// Fails the test that runs: through the reporter a Qt Test program sets (QtTestFailures.cpp), else GoogleTest's
// current test; with neither, the program ends abnormally after saying why.
void ReportTestFailure(const std::string& what);
using FailureReporter = void (*)(const std::string& what);
void SetFailureReporter(FailureReporter reporter);

class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs() = default;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
    // Fails the test when scripted answers were never asked for.
    ~ScriptedDialogs() override;

    // Queues the answer for the next box; with a text, that box's text must start with it.
    void expect(DialogAnswer answer, std::string textStart = {});

    DialogAnswer show(const DialogMessage& message) override;

    const std::vector<DialogMessage>& shown() const { return m_shown; }

private:
    struct Expected {
        DialogAnswer answer;
        std::string textStart;
    };
    std::deque<Expected> m_script;
    std::vector<DialogMessage> m_shown;
};

} // namespace rekko::test
