// SPDX-License-Identifier: GPL-3.0-or-later
// Countdown and status lines, and the set-time fields.
#include "timer/TimerTexts.h"
#include "timer/SetTimeFields.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

int32_t ms(int hour, int minute, int second = 0, int millisecond = 0) {
    return ((hour * 60 + minute) * 60 + second) * 1000 + millisecond;
}

TEST(TimerTexts, CountdownCountsTheStartedMinute) {
    const int32_t t = ms(15, 0);
    EXPECT_EQ(CountdownLine(t, t - ms(0, 59, 30)), "設定時刻まで、60 分");
    EXPECT_EQ(CountdownLine(t, t - ms(1, 0, 10)), "設定時刻まで、1 時間 1 分");
    EXPECT_EQ(CountdownLine(t, t - 1), "設定時刻まで、1 分");
    // A set time already passed today counts towards tomorrow's.
    EXPECT_EQ(CountdownLine(t, ms(15, 40)), "設定時刻まで、23 時間 21 分");
    EXPECT_EQ(CountdownLine(ms(0, 5), ms(23, 56, 30)), "設定時刻まで、9 分");
}

TEST(TimerTexts, StatusLineSaysHowFarTheSetTimeIs) {
    const int32_t t = ms(15, 0);
    const struct {
        int32_t now;
        const char* line;
    } cases[] = {
        {ms(14, 59, 0, 500), "設定時刻、2 分前です"},
        {ms(14, 59, 1), "設定時刻です"},
        {ms(15, 0, 59, 999), "設定時刻です"},
        {ms(16, 10, 30), "設定時刻を、1 時間 10 分経過しています"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AlertStatusLine(t, c.now), c.line) << c.now;
    // A window left open across midnight counts from the nearest set time.
    EXPECT_EQ(AlertStatusLine(ms(23, 58), ms(0, 10)), "設定時刻を、12 分経過しています");
    EXPECT_EQ(AlertStatusLine(ms(0, 5), ms(23, 57)), "設定時刻、9 分前です");
}

TEST(SetTimeFields, ReadsDigitsOnly) {
    const struct {
        SetTimeFields fields;
        std::optional<int32_t> time;
    } cases[] = {
        {{"07", "05", "09"}, ms(7, 5, 9)}, {{"", "30", ""}, ms(0, 30)},       {{"23", "59", "59"}, ms(23, 59, 59)},
        {{"24", "0", "0"}, std::nullopt},  {{"1", "60", "0"}, std::nullopt},  {{"1", " 5", "0"}, std::nullopt},
        {{"+1", "0", "0"}, std::nullopt},  {{"123", "0", "0"}, std::nullopt}, {{"１", "0", "0"}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadSetTime(c.fields), c.time) << c.fields.hour << ":" << c.fields.minute << ":" << c.fields.second;
}

TEST(SetTimeFields, StepsCarryIntoTheNextField) {
    const struct {
        SetTimeFields from;
        TimeField field;
        int step;
        SetTimeFields to;
    } cases[] = {
        {{"0", "0", "0"}, TimeField::Minute, -1, {"23", "59", "0"}},
        {{"10", "59", "59"}, TimeField::Second, 1, {"11", "0", "0"}},
        {{"0", "30", "0"}, TimeField::Hour, -1, {"23", "30", "0"}},
        {{"5", "x", ""}, TimeField::Minute, 1, {"5", "1", "0"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepSetTimeField(c.from, c.field, c.step), c.to) << c.from.hour << ":" << c.from.minute;
}

} // namespace
} // namespace rekko
