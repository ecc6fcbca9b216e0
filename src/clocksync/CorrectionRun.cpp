// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of a correction run, from the entry header to the result line.
#include "CorrectionRun.h"

#include "RunTexts.h"

#include <chrono>
#include <cmath>
#include <cstdlib>

namespace rekko {

namespace {

constexpr double kJapanOffsetDays = Clock::kJapanHoursAheadOfUtc / 24.0;
constexpr double kUnitsPerDay = 86'400.0 * kDifferenceUnitsPerSecond;

class Entry {
public:
    explicit Entry(std::string header) : m_text(std::move(header)) {}
    void add(const std::string& message) { m_text += "\r\n" + message; }
    // Ends the entry: an empty line before it.
    std::string end() const { return "\r\n" + m_text; }

private:
    std::string m_text;
};

} // namespace

RunOutcome RunCorrection(RunMode mode, const JikokuSettings& settings, RunPorts& ports) {
    RunOutcome outcome;
    Entry entry(EntryHeader(ports.clock.utcNow() + kJapanOffsetDays));
    const auto finish = [&] {
        outcome.entry = entry.end();
        return outcome;
    };

    auto reading = ports.source.fetch();
    if (!reading) {
        outcome.failure = reading.error().cause;
        entry.add(std::string(ports.source.protocol()) +
                  " で時刻が取得できません。\r\nインターネットには接続されていますか。\r\n< " +
                  SourceCaption(SelectedSource(settings)) + " >");
        return finish();
    }
    // The fine adjustment makes up for the whole seconds of a page; an NTP time carries its own offset.
    LocalDateTime fetched =
        reading.value().utc + (reading.value().wholeSeconds ? settings.udChousei / 86'400'000.0 : 0.0);
    const int64_t difference = std::llround((ports.clock.utcNow() - fetched) * kUnitsPerDay);
    outcome.fetched = fetched;
    outcome.difference = difference;

    const int tolerance = settings.udGosa;
    if (tolerance < 1 || tolerance > 180) {
        entry.add("エラー回避：時刻の誤差指定が" + std::to_string(std::abs(tolerance)) + "秒になっています。\r\n" +
                  "時刻の修正を、中止します。");
        return finish();
    }

    bool confirmed = false;
    const int64_t magnitude = std::llabs(difference);
    if (magnitude > tolerance * kDifferenceUnitsPerSecond) {
        const std::string seconds = std::to_string(magnitude / kDifferenceUnitsPerSecond);
        const std::string declined =
            "取得時刻との差が" + seconds + "秒ありましたので、\r\n内蔵時計の時刻は修正いたしません。";
        if (mode == RunMode::Automatic) {
            entry.add(declined);
            return finish();
        }
        const auto asked = std::chrono::steady_clock::now();
        const bool yes =
            ports.dialogs != nullptr &&
            ports.dialogs->ask("取得時刻との差が" + seconds + "秒あります。\r\n内蔵時計の時刻を修正しますか？",
                               DialogAnswer::No);
        if (!yes) {
            entry.add(declined);
            return finish();
        }
        entry.add("取得時刻との差は設定より大きいですが、確認されましたので修正します。");
        confirmed = true;
        // The clock is set to the time fetched; the time the question was open has passed since.
        const auto open = std::chrono::duration<double>(std::chrono::steady_clock::now() - asked).count();
        fetched += open / 86'400.0;
        outcome.fetched = fetched;
    }

    const bool testOnly = mode == RunMode::ConnectionTest && !settings.cbSetuzokuT;
    if (testOnly && !confirmed) {
        entry.add("接続テストのみ実施");
    } else if (mode == RunMode::Automatic && ports.setter.systemSynchronises()) {
        // The system keeps the clock itself: an automatic run only records the difference.
    } else {
        outcome.clockSet = ports.setter.set(fetched, mode == RunMode::ConnectionTest);
        if (!outcome.clockSet) {
            entry.add("※※※注意※※※  時刻設定エラー");
            // Where the clock cannot be set, an automatic run only logs; the user who asked is told.
            if (mode == RunMode::ConnectionTest && ports.dialogs != nullptr)
                ports.dialogs->inform("時刻の設定で、エラーがありました。\r\n時刻を必ずチェックしてください。");
        } else if (testOnly) {
            entry.add("接続テストで時刻を修正しました");
        }
    }
    entry.add(ResultLine(difference, outcome.clockSet));
    outcome.status = "　時刻の取得に成功しました " + EntryHeader(ports.clock.utcNow() + kJapanOffsetDays);
    return finish();
}

} // namespace rekko
