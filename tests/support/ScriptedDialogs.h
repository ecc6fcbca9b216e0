// A Dialogs double: records every message box and answers from a script; an unexpected box fails the test.
#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <vector>

namespace rekko::test {

class ScriptedDialogs : public Dialogs {
public:
    // Queues the answer for the next box.
    void expect(DialogAnswer answer) { m_script.push_back(answer); }

    DialogAnswer show(const DialogMessage& message) override;

    const std::vector<DialogMessage>& shown() const { return m_shown; }
    // Answers whether every scripted answer was used.
    bool scriptUsed() const { return m_script.empty(); }

private:
    std::deque<DialogAnswer> m_script;
    std::vector<DialogMessage> m_shown;
};

} // namespace rekko::test
