// SPDX-License-Identifier: GPL-3.0-or-later
// The diary button's states and the sending of a date to Zunbo.
#include "DiaryButton.h"

namespace rekko {

DiaryButton::DiaryButton(DiaryButtonLook& view, DiaryLink& link, ProgramStarter& starter, Dialogs& dialogs,
                         std::filesystem::path zunbo)
    : m_view(view), m_link(link), m_starter(starter), m_dialogs(dialogs), m_zunbo(std::move(zunbo)) {}

void DiaryButton::press(int32_t today) {
    if (!m_armed) {
        m_armed = true;
        m_view.showArmed();
        return;
    }
    m_armed = false;
    send(today);
}

bool DiaryButton::gridPressed(int32_t day) {
    if (!m_armed)
        return false;
    m_sentOnPress = true;
    send(day);
    return true;
}

bool DiaryButton::gridReleased() {
    if (!m_sentOnPress)
        return false;
    m_sentOnPress = false;
    m_armed = false;
    return true;
}

void DiaryButton::send(int32_t day) {
    m_view.showNormal();
    auto sent = m_link.sendDay(day);
    if (sent && sent.value() == DiarySend::NotAnswering) {
        const std::string question = std::string(kDiaryNotAnsweringMessage) + "\r\n" + kDiaryResetQuestion;
        if (!m_dialogs.ask(question, DialogAnswer::No, DialogAnswer::No))
            return;
        const Status reset = m_link.reset();
        sent = reset ? m_link.sendDay(day) : Result<DiarySend>(reset.error());
    }
    if (!sent) {
        m_dialogs.inform(sent.error().cause);
        return;
    }
    // A new semaphore taken again at once: the user has been asked once already.
    if (sent.value() == DiarySend::NotAnswering) {
        m_dialogs.inform(kDiaryNotAnsweringMessage);
        return;
    }
    if (!m_starter.start(m_zunbo, {}, {}))
        m_dialogs.inform(kProcessFailedMessage);
}

} // namespace rekko
