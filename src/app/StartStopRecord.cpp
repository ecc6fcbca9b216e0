// SPDX-License-Identifier: GPL-3.0-or-later
// Appending start and stop lines to the record, trimming it, and the message about the last stop.
#include "StartStopRecord.h"

#include "settings/ValueText.h"

#include "base/TextFile.h"
#include "base/TextProcedures.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace rekko {

namespace {

constexpr int kDefaultLineLimit = 100;
// The date and time of a line start after "S:" or "E:" and take at most 30 characters.
constexpr size_t kStampStart = 2;
constexpr size_t kStampLength = 30;

bool fileExists(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::exists(file, error);
}

} // namespace

std::string RecordDateTimeText(LocalDateTime t) {
    const CalendarDate date = DateOf(t);
    char text[32];
    std::snprintf(text, sizeof text, "%.4d/%.2d/%.2d ", static_cast<int>(date.year), date.month, date.day);
    return text + FormatLongTime(t);
}

std::optional<LocalDateTime> ParseRecordDateTime(std::string_view text) {
    text = TrimBlanks(text);
    const size_t blank = text.find(' ');
    const std::vector<std::string> parts = SplitAt(text.substr(0, blank), '/');
    if (parts.size() != 3)
        return std::nullopt;
    const auto year = FieldInteger(parts[0]);
    const auto month = FieldInteger(parts[1]);
    const auto day = FieldInteger(parts[2]);
    if (!year || !month || !day || *year < 1 || *year > 9999 || *month < 1 || *month > 12 || *day < 1 || *day > 31)
        return std::nullopt;
    if (!ExistingJuliusDay(*year, *month, *day))
        return std::nullopt;
    double time = 0;
    if (blank != std::string_view::npos) {
        const auto parsed = ParseTimeOfDay(text.substr(blank + 1));
        if (!parsed)
            return std::nullopt;
        time = *parsed;
    }
    const CalendarDate date{*year, static_cast<uint8_t>(*month), static_cast<uint8_t>(*day)};
    return EncodeDateTime(date) + time;
}

int RecordLineLimit(std::string_view text) {
    return std::max(IntegerOr(text, kDefaultLineLimit), 1);
}

std::string StartStopRecord::stamped(char kind) const {
    return std::string(1, kind) + ":" + RecordDateTimeText(m_clock.now());
}

Result<std::optional<std::string>> StartStopRecord::appendStart(int lineLimit, bool showPrevious) {
    const std::string line = stamped('S');
    if (!fileExists(m_file)) {
        if (!m_dialogs.ask(kRecordMissingQuestion)) {
            m_dialogs.inform(kRecordSkippedMessage);
            return std::optional<std::string>{};
        }
        if (auto written = WriteTextFile(m_file, std::vector{line}); !written)
            return written.error();
        return std::optional<std::string>{};
    }
    auto read = ReadTextFile(m_file);
    if (!read)
        return read.error();
    TextLines record = std::move(read).value();
    std::vector<std::string> lines = record.lines();
    const std::optional<std::string> last = lines.empty() ? std::nullopt : std::optional<std::string>(lines.back());
    lines.push_back(line);
    const size_t keep = static_cast<size_t>(std::max(lineLimit, 1));
    if (lines.size() > keep)
        lines.erase(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(keep));
    if (auto written = record.save(m_file, lines); !written)
        return written.error();
    if (!showPrevious || !last)
        return std::optional<std::string>{};
    if (!last->starts_with('E'))
        return std::optional<std::string>{kAbnormalEndMessage};
    const auto stopped = ParseRecordDateTime(last->substr(std::min(kStampStart, last->size()), kStampLength));
    if (!stopped)
        return Failure{"終了時刻を読めません: " + *last, m_file.string(), lines.size()};
    return std::optional<std::string>{"前回は " + RecordDateTimeText(*stopped) + " に終了しました。"};
}

Status StartStopRecord::appendStop() {
    if (!fileExists(m_file))
        return Success();
    auto read = ReadTextFile(m_file);
    if (!read)
        return Failure{"終了時刻を書き込めません: " + read.error().cause, m_file.string()};
    TextLines record = std::move(read).value();
    std::vector<std::string> lines = record.lines();
    lines.push_back(stamped('E'));
    if (auto written = record.save(m_file, lines); !written)
        return Failure{"終了時刻を書き込めません: " + written.error().cause, m_file.string()};
    return Success();
}

Status StartStopRecord::switchOn() {
    if (fileExists(m_file))
        return Success();
    return WriteTextFile(m_file, std::vector{stamped('S')});
}

} // namespace rekko
