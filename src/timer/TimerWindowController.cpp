// SPDX-License-Identifier: GPL-3.0-or-later
// States, commands and the display tick of the timer window.
#include "TimerWindowController.h"

#include "TimerTexts.h"

namespace rekko {

namespace {

constexpr int32_t kMinute = 60'000;
constexpr int32_t kTwelveHours = 12 * 60 * kMinute;
constexpr const char* kWaitingLabel = "タイマー作動中";
constexpr const char* kAlertLabel = "設定された時刻になりました。";

} // namespace

TimerWindowController::TimerWindowController(const Clock& clock, Dialogs& dialogs, const CountdownTimer& timer,
                                             TimerWindowMode mode)
    : m_clock(clock), m_dialogs(dialogs), m_timer(timer) {
    if (mode == TimerWindowMode::Setting && !m_timer.armed()) {
        m_openingFields = currentTimeFields();
        return;
    }
    m_openingFields = FieldsForTime(m_timer.setTime());
    if (mode == TimerWindowMode::Alert)
        enterAlert();
    else
        enterWaiting();
}

int32_t TimerWindowController::now() const {
    return MillisecondOfDay(m_clock.now());
}

std::optional<int32_t> TimerWindowController::fieldsChanged(const SetTimeFields& fields) {
    const auto time = ReadSetTime(fields);
    if (!time)
        m_dialogs.show({"Rekko", "時刻変換エラー", DialogIcon::None});
    return time;
}

SetTimeFields TimerWindowController::currentTimeFields() const {
    SetTimeFields fields = FieldsForTime(now());
    fields.second = "0";
    return fields;
}

void TimerWindowController::setNotice(int minutes) {
    m_timer.setNotice(minutes);
    if (m_state == TimerWindowState::Waiting)
        m_display.noticeLine = NoticeLine(m_timer.notice());
}

bool TimerWindowController::start(const SetTimeFields& fields) {
    const auto setTime = ReadSetTime(fields);
    if (!setTime) {
        m_dialogs.inform("時刻が不正です。\r\n正しい時刻を入力してください。");
        return false;
    }
    const int32_t current = now();
    const int notice = m_timer.notice();
    if (current + notice * kMinute > *setTime && current - (notice + 30) * kMinute < *setTime) {
        m_dialogs.inform(current > *setTime ? "時刻が既に過ぎています。\r\n中止いたします。"
                                            : "時刻が過ぎようとしています。\r\n中止いたします。");
        return false;
    }
    const int32_t ahead = current < *setTime ? *setTime - current : kMillisecondsOfDay - current + *setTime;
    if (ahead >= kTwelveHours && !m_dialogs.ask(TwelveHourQuestion(ahead), DialogAnswer::No)) {
        m_dialogs.inform("もう一度、時刻の設定をお願いいたします。");
        return false;
    }
    m_timer.arm(*setTime);
    enterWaiting();
    return true;
}

void TimerWindowController::stop() {
    m_timer.disarm();
    m_state = TimerWindowState::Setting;
    m_display = {};
}

bool TimerWindowController::mayClose() {
    return m_state != TimerWindowState::Setting ||
           m_dialogs.ask("タイマーをセットせずに、閉じてもよろしいですか？", DialogAnswer::No);
}

bool TimerWindowController::tick() {
    if (m_state == TimerWindowState::Waiting) {
        if (IsAlertDue(m_timer.setTime(), m_timer.notice(), now())) {
            enterAlert();
            return true;
        }
        m_display.labelEnabled = !m_display.labelEnabled;
        refreshWaiting();
    } else if (m_state == TimerWindowState::Alert) {
        m_display.labelEnabled = !m_display.labelEnabled;
        if (m_display.labelEnabled)
            m_display.status = AlertStatusLine(m_timer.setTime(), now());
    }
    return false;
}

void TimerWindowController::enterWaiting() {
    m_state = TimerWindowState::Waiting;
    m_display = {};
    m_display.label = kWaitingLabel;
    refreshWaiting();
}

void TimerWindowController::enterAlert() {
    m_timer.disarm();
    m_state = TimerWindowState::Alert;
    m_display = {};
    m_display.label = kAlertLabel;
    m_display.status = AlertStatusLine(m_timer.setTime(), now());
}

void TimerWindowController::refreshWaiting() {
    m_display.countdown = CountdownLine(m_timer.setTime(), now());
    m_display.noticeLine = NoticeLine(m_timer.notice());
}

} // namespace rekko
