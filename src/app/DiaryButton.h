// SPDX-License-Identifier: GPL-3.0-or-later
// The diary button btnM9: arming it, choosing a date on the grid or today, handing the date to Zunbo and starting it.
#pragma once

#include "platform/Dialogs.h"
#include "platform/DiaryLink.h"
#include "platform/ProgramStarter.h"

#include <cstdint>
#include <filesystem>

namespace rekko {

// Said when the diary link's semaphore stays taken; the first time it is asked with kDiaryResetQuestion, and Yes
// resets the link and sends again.
inline constexpr const char* kDiaryNotAnsweringMessage = "日記プログラム（Zunbo）が応答しません。";
inline constexpr const char* kDiaryResetQuestion = "日付を渡す連携が使用中のままです。\r\n\r\n連携をリセットしますか？";

// The button's look: armed is aqua with the caption "日付指定", normal has the usual colours and "Zunbo".
class DiaryButtonLook {
public:
    virtual ~DiaryButtonLook() = default;
    virtual void showArmed() = 0;
    virtual void showNormal() = 0;
};

class DiaryButton {
public:
    // zunbo is the diary program's executable.
    DiaryButton(DiaryButtonLook& view, DiaryLink& link, ProgramStarter& starter, Dialogs& dialogs,
                std::filesystem::path zunbo);

    // The first press arms the link; a press while armed disarms it and sends today.
    void press(int32_t today);
    // A press on a grid day while armed sends that day and answers true: the grid does nothing else with it.
    bool gridPressed(int32_t day);
    // The release after such a press disarms the link and answers true; other releases answer false.
    bool gridReleased();
    bool armed() const { return m_armed; }

private:
    // Leaves the day for Zunbo and starts it; a link that is not answering is reset and used again when the user
    // agrees.
    void send(int32_t day);

    DiaryButtonLook& m_view;
    DiaryLink& m_link;
    ProgramStarter& m_starter;
    Dialogs& m_dialogs;
    std::filesystem::path m_zunbo;
    bool m_armed = false;
    bool m_sentOnPress = false;
};

} // namespace rekko
