// SPDX-License-Identifier: GPL-3.0-or-later
// The timer window's decisions: its three states, start, stop and close with their messages, and the display tick.
#pragma once

#include "CountdownTimer.h"
#include "SetTimeFields.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <optional>
#include <string>

namespace rekko {

// Setting comes from the main window's button and menu, Alert from its tick.
enum class TimerWindowMode { Setting, Alert };
enum class TimerWindowState { Setting, Waiting, Alert };

// What the window shows besides its fields.
struct TimerDisplay {
    std::string label;        // "タイマー作動中" or "設定された時刻になりました。"
    bool labelEnabled = true; // the label blinks by turning enabled and disabled
    std::string countdown;    // waiting state
    std::string noticeLine;   // waiting state
    std::string status;       // alert state
};

// Usage from the window: construct with a copy of the main window's timer, show fields() and display(), forward the
// user's commands, call tick() every 800 ms while ticking() holds, and hand timer() back when the window closes.
class TimerWindowController {
public:
    TimerWindowController(const Clock& clock, Dialogs& dialogs, const CountdownTimer& timer, TimerWindowMode mode);

    TimerWindowState state() const { return m_state; }
    // The timer as the main window takes it back.
    const CountdownTimer& timer() const { return m_timer; }
    const TimerDisplay& display() const { return m_display; }
    // The fields on opening: the set time while armed or alerting, else the current hour and minute.
    const SetTimeFields& openingFields() const { return m_openingFields; }
    // Whether the 800 ms display tick runs (waiting and alert states).
    bool ticking() const { return m_state != TimerWindowState::Setting; }

    // Reads the edited fields for the clock "設定時刻"; when they are not a time, shows "時刻変換エラー" and answers
    // nothing.
    std::optional<int32_t> fieldsChanged(const SetTimeFields& fields);
    // Returns the fields for "現在時刻セット": the current hour and minute, second 0.
    SetTimeFields currentTimeFields() const;
    // Sets the notice minutes from the list.
    void setNotice(int minutes);

    // Starts the timer with the set time of the fields: refuses an unreadable time, a time whose alert would be due
    // at once and a time 12 hours or more ahead that the user does not confirm, each with its message. Answers whether
    // the timer is armed (the window is then waiting).
    bool start(const SetTimeFields& fields);
    // Disarms the timer and returns to the setting state.
    void stop();
    // Answers whether the window may close: in the setting state only when the user confirms.
    bool mayClose();
    // One display tick: in the waiting state enters the alert when it is due, or refreshes the countdown; in the
    // alert state blinks the label and refreshes the status line whenever the label turns enabled. Answers whether
    // this tick entered the alert state.
    bool tick();

private:
    int32_t now() const;
    void enterWaiting();
    void enterAlert();
    void refreshWaiting();

    const Clock& m_clock;
    Dialogs& m_dialogs;
    CountdownTimer m_timer;
    TimerWindowState m_state = TimerWindowState::Setting;
    TimerDisplay m_display;
    SetTimeFields m_openingFields;
};

} // namespace rekko
