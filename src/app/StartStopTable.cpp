// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the start-and-stop table and their text.
#include "StartStopTable.h"

#include "StartStopRecord.h"
#include "settings/ValueText.h"

#include "calendar/JapaneseEra.h"

#include <optional>

namespace rekko {

namespace {

constexpr const char* kCancelQuestion = "中止しますか？";
constexpr size_t kDateColumn = 24;
constexpr size_t kTimeColumn = 12;

// Reads the rows one record line after another; remembers whether the user was already asked.
class RowBuilder {
public:
    explicit RowBuilder(Dialogs& dialogs) : m_dialogs(dialogs) {}

    // Answers the date and time of a line after its two-character kind, or nothing after noting the failure.
    std::optional<LocalDateTime> stamp(const std::string& line) {
        const auto stamp = ParseRecordDateTime(line.size() > 2 ? std::string_view(line).substr(2) : "");
        if (!stamp && !m_asked) {
            m_asked = true;
            m_cancelled = m_dialogs.show(DialogMessage{kDefaultCaption, kCancelQuestion, DialogIcon::Question,
                                                       DialogButtons::YesNo, DialogAnswer::No}) == DialogAnswer::Yes;
        }
        return stamp;
    }
    bool cancelled() const { return m_cancelled; }

private:
    Dialogs& m_dialogs;
    bool m_asked = false;
    bool m_cancelled = false;
};

std::string dateCell(const std::optional<LocalDateTime>& stamp) {
    return stamp ? EraDateText(DateTimeToJuliusDay(*stamp)) : kUnknownCell;
}

std::string timeCell(const std::optional<LocalDateTime>& stamp) {
    return stamp ? FormatLongTime(*stamp) : kUnknownCell;
}

// Returns the date of a "T" or "F" line when it carries one; their format is not ours, so nothing is asked.
std::string markDateCell(const std::string& line) {
    const auto stamp = ParseRecordDateTime(line.size() > 2 ? std::string_view(line).substr(2) : "");
    return stamp ? EraDateText(DateTimeToJuliusDay(*stamp)) : kMissingCell;
}

char kindOf(const std::string& line) {
    if (line.starts_with("S:"))
        return 'S';
    if (line.starts_with("E:"))
        return 'E';
    if (line.starts_with('T') || line.starts_with('F'))
        return line.front();
    return 0;
}

size_t columns(const std::string& text) {
    size_t width = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            width += static_cast<unsigned char>(c) < 0x80 ? 1 : 2;
    return width;
}

std::string padded(const std::string& text, size_t width) {
    const size_t used = columns(text);
    return text + std::string(used < width ? width - used : 1, ' ');
}

} // namespace

std::vector<StartStopRow> StartStopRows(const std::vector<std::string>& all, Dialogs& dialogs) {
    std::vector<const std::string*> lines;
    for (const std::string& line : all)
        if (kindOf(line) != 0)
            lines.push_back(&line);
    RowBuilder builder(dialogs);
    std::vector<StartStopRow> rows;
    for (size_t i = 0; i < lines.size() && !builder.cancelled(); ++i) {
        const std::string& line = *lines[i];
        switch (kindOf(line)) {
        case 'S': {
            const auto start = builder.stamp(line);
            StartStopRow row{dateCell(start), timeCell(start), kMissingCell};
            const char next = i + 1 < lines.size() ? kindOf(*lines[i + 1]) : 0;
            if (next == 'E') {
                row.stop = timeCell(builder.stamp(*lines[++i]));
            } else if (next == 'F') {
                row.stop = "記録停止";
                ++i;
            } else if (next == 'S' || next == 'T') {
                row.stop = kAbnormalEndCell;
            }
            rows.push_back(std::move(row));
            break;
        }
        case 'E': {
            const auto stop = builder.stamp(line);
            rows.push_back({dateCell(stop), kMissingCell, timeCell(stop)});
            break;
        }
        case 'T':
            rows.push_back({markDateCell(line), "記録開始", kMissingCell});
            break;
        default:
            rows.push_back({markDateCell(line), kMissingCell, "記録終了"});
            break;
        }
    }
    return rows;
}

std::string StartStopTableText(const std::vector<StartStopRow>& rows) {
    std::string text = padded("日付", kDateColumn) + padded("開始時刻", kTimeColumn) + "終了時刻\n";
    for (const StartStopRow& row : rows)
        text += padded(row.date, kDateColumn) + padded(row.start, kTimeColumn) + row.stop + "\n";
    return text;
}

} // namespace rekko
