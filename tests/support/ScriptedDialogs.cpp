// The scripted message-box double.
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace rekko::test {

DialogAnswer ScriptedDialogs::show(const DialogMessage& message) {
    m_shown.push_back(message);
    if (m_script.empty()) {
        ADD_FAILURE() << "unexpected message box: " << message.caption << " / " << message.text;
        return message.defaultAnswer;
    }
    const DialogAnswer answer = m_script.front();
    m_script.pop_front();
    return answer;
}

} // namespace rekko::test
