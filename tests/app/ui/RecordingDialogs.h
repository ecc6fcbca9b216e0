// A Dialogs double for widget tests: records every box and answers from a queue, Ok when the queue is empty.
#pragma once

#include "platform/Dialogs.h"

#include <deque>
#include <vector>

namespace rekko::test {

class RecordingDialogs : public Dialogs {
public:
    void expect(DialogAnswer answer) { m_answers.push_back(answer); }

    DialogAnswer show(const DialogMessage& message) override {
        m_shown.push_back(message);
        if (m_answers.empty())
            return DialogAnswer::Ok;
        const DialogAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

    const std::vector<DialogMessage>& shown() const { return m_shown; }

private:
    std::deque<DialogAnswer> m_answers;
    std::vector<DialogMessage> m_shown;
};

} // namespace rekko::test
