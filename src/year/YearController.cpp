// SPDX-License-Identifier: GPL-3.0-or-later
// The shown year, its steps and the month-view question of the year page.
#include "YearController.h"

#include "base/TextProcedures.h"

#include <algorithm>
#include <cstdio>

namespace rekko {

namespace {

constexpr const char* kQuestionCaption = "確認";
constexpr const char* kErrorCaption = "Rekko";

} // namespace

std::string MonthViewQuestion(int32_t year, int month) {
    return std::to_string(year) + " 年 " + std::to_string(month) + " 月のマンスリーカレンダーを表示しますか？";
}

void YearController::setYear(int32_t year) {
    m_year = std::clamp(year, kFirstPageYear, kLastPageYear);
}

bool YearController::applyTypedYear(std::string_view text) {
    const auto year = FieldInteger(text);
    if (!year || *year < kFirstPageYear || *year > kLastPageYear)
        return false;
    m_year = *year;
    return true;
}

void YearController::setFirstMonth(FirstMonthRule rule, int specialMonth) {
    m_rule = rule;
    m_specialMonth = std::clamp(specialMonth, 1, 12);
}

bool YearController::offerMonthView(int32_t year, int month) {
    const DialogMessage question{kQuestionCaption, MonthViewQuestion(year, month), DialogIcon::Question,
                                 DialogButtons::YesNo, DialogAnswer::Yes};
    if (m_dialogs.show(question) != DialogAnswer::Yes)
        return false;
    char yyyymm[16];
    std::snprintf(yyyymm, sizeof yyyymm, "%.4d%.2d", static_cast<int>(year), month);
    m_jump.jumpToMonth(yyyymm);
    return true;
}

void YearController::showError(const std::string& message) {
    m_dialogs.show({kErrorCaption, message, DialogIcon::Error});
}

} // namespace rekko
