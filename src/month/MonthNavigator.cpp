// SPDX-License-Identifier: GPL-3.0-or-later
// Month navigation: jumps inside and outside the window, leaving jump mode, typed months and days.
#include "MonthNavigator.h"

#include "base/TextProcedures.h"
#include "calendar/Julius.h"

#include <cstdio>

namespace rekko {

namespace {

// 109 500 days, about three hundred years, is as far from the window as a jump may go.
constexpr int32_t kFarthestJump = 109'500;

std::string monthText(int year, int month) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4d%.2d", year, month);
    return text;
}

} // namespace

void MonthNavigator::reset() {
    m_currentSlot = 1;
    m_slotBeforeJump = 1;
    m_jumpMode = false;
    m_months.book().setJumpedMonthEdited(false);
}

void MonthNavigator::report(const SaveReport& report) {
    if (!report.ok())
        m_dialogs.inform(report.message());
}

void MonthNavigator::reportFailure(const Status& status) {
    SaveReport failure;
    failure.add(status);
    report(failure);
}

MonthNavigator::JumpResult MonthNavigator::jump(std::string_view yyyymm) {
    const auto year = yyyymm.size() == 6 ? FieldInteger(yyyymm.substr(0, 4)) : std::nullopt;
    const auto month = yyyymm.size() == 6 ? FieldInteger(yyyymm.substr(4, 2)) : std::nullopt;
    if (!year || !month || *month < 1 || *month > 12)
        return JumpResult::Refused;
    MonthWindow& window = m_months.window();
    const int32_t first = EncodeJuliusDay(*year, *month, 1);
    const int inWindow = window.findSlot(*year, *month);
    if (first >= window.firstDay() && first <= window.lastDay() && inWindow >= 0) {
        // Leaving jump mode may be refused by the user: then the jumped month stays on show.
        if (m_jumpMode && !leaveJumpMode())
            return JumpResult::Refused;
        m_currentSlot = inWindow;
        return JumpResult::InWindow;
    }
    // A refused jump changes nothing: the month on show, and its file name, stay as they are.
    if (first > 0 && first < window.firstDay() - kFarthestJump) {
        m_dialogs.inform("日付がむかしすぎます。");
        return JumpResult::TooFarPast;
    }
    if (first > window.lastDay() + kFarthestJump) {
        m_dialogs.inform("日付が未来すぎます。");
        return JumpResult::TooFarFuture;
    }
    if (m_jumpMode && m_months.book().jumpedMonthEdited())
        report(m_host.saveAll());
    m_jumpMode = true;
    m_months.setJumpedMonth(*year, *month);
    if (const Status loaded = m_months.loadSlot(kJumpSlot); !loaded)
        m_dialogs.inform(loaded.error().path + " を読み込めません。\r\n" + loaded.error().cause);
    m_currentSlot = kJumpSlot;
    m_months.book().setJumpedMonthEdited(false);
    return JumpResult::Jumped;
}

bool MonthNavigator::leaveJumpMode() {
    if (!m_jumpMode)
        return true;
    MonthSlot& jumped = m_months.window().slot(kJumpSlot);
    if (jumped.fileName.size() >= 9 && m_months.book().jumpedMonthEdited()) {
        std::error_code error;
        bool save = true;
        if (std::filesystem::exists(m_months.dataFolder() / jumped.fileName, error)) {
            // When the system ends the program meanwhile, both questions keep the edits: they are written.
            const DialogMessage overwrite{"確認",
                                          jumped.label + " のファイルは存在します。上書きしますか？",
                                          DialogIcon::Question,
                                          DialogButtons::YesNo,
                                          DialogAnswer::Yes,
                                          DialogAnswer::Yes};
            save = m_dialogs.show(overwrite) == DialogAnswer::Yes;
            if (!save &&
                !m_dialogs.ask("今回の入力修正は消えてしまいますがいいのですか？", DialogAnswer::Yes, DialogAnswer::No))
                return false;
        }
        if (save)
            reportFailure(m_months.saveSlot(kJumpSlot));
        jumped.fileName.clear();
    }
    reportFailure(m_periods.save());
    m_jumpMode = false;
    m_months.book().setJumpedMonthEdited(false);
    if (m_currentSlot == kJumpSlot)
        m_currentSlot = m_slotBeforeJump;
    return true;
}

MonthNavigator::JumpResult MonthNavigator::stepMonths(int months) {
    const MonthSlot& slot = shown();
    const int total = slot.year * 12 + (slot.month - 1) + months;
    const int year = total >= 0 ? total / 12 : (total - 11) / 12;
    return jump(monthText(year, total - year * 12 + 1));
}

MonthNavigator::JumpResult MonthNavigator::thisMonth(int32_t today) {
    const CalendarDate date = DecodeJuliusDay(today);
    return jump(monthText(date.year, date.month));
}

MonthNavigator::JumpResult MonthNavigator::typedMonth(std::string_view text) {
    const auto month = text.size() == 6 ? FieldInteger(text.substr(4, 2)) : std::nullopt;
    if (!month || *month < 1 || *month > 12 || !FieldInteger(text.substr(0, 4))) {
        m_dialogs.inform("[YYYYMM]形式で、指定してください。");
        return JumpResult::Refused;
    }
    const int before = m_currentSlot;
    const JumpResult result = jump(text);
    if (result == JumpResult::Jumped || result == JumpResult::InWindow)
        m_slotBeforeJump = before == kJumpSlot ? m_slotBeforeJump : before;
    return result;
}

void MonthNavigator::standardDisplay() {
    if (!m_jumpMode)
        return;
    const int back = m_slotBeforeJump;
    if (leaveJumpMode())
        m_currentSlot = back;
}

MonthNavigator::JumpResult MonthNavigator::chooseTab(int tab, int32_t today) {
    if (m_jumpMode)
        return tab == 1 ? thisMonth(today) : JumpResult::Refused;
    if (tab < 0 || tab >= kJumpSlot)
        return JumpResult::Refused;
    m_currentSlot = tab;
    return JumpResult::InWindow;
}

std::optional<int> MonthNavigator::typedDay(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    const MonthSlot& slot = shown();
    const auto day = FieldInteger(text);
    const int32_t first = EncodeJuliusDay(slot.year, slot.month, 1);
    const CalendarDate normal = DecodeJuliusDay(first);
    if (!day || *day < 1 || *day > DaysOfMonth(normal.year, normal.month)) {
        m_dialogs.inform("[ " + std::string(text) + " ]日は、日付に出来ません。");
        return std::nullopt;
    }
    return day;
}

std::vector<std::string> MonthNavigator::tabLabels() const {
    const MonthWindow& window = m_months.window();
    if (m_jumpMode)
        return {window.slot(kJumpSlot).label, kThisMonthTab};
    std::vector<std::string> labels;
    for (int i = 0; i < kJumpSlot; ++i)
        labels.push_back(window.slot(i).label);
    return labels;
}

} // namespace rekko
