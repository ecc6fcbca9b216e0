// SPDX-License-Identifier: GPL-3.0-or-later
// The start-and-stop record "SorelSte.myd": a start line at every start (trimmed to the lines kept) with the
// message about the last stop, a stop line at every orderly end, and the option switched off and on.
#pragma once

#include "ShellPorts.h"

#include "base/Result.h"
#include "calendar/Julius.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace rekko {

inline constexpr const char* kRecordMissingQuestion =
    "Rekkoの「起動＆終了時刻」を書き込むファイルが存在しません。\r\nファイルが消えてしまった可能性があります。\r\n"
    "新しく作成いたしますか？";
inline constexpr const char* kRecordSkippedMessage = "起動＆終了時刻の記録を今回は中止いたします。";
inline constexpr const char* kAbnormalEndMessage = "前回は不正終了しました。";

// Returns the date and time as the record writes them: "yyyy/mm/dd h:nn:ss", such as "2024/05/03 8:15:42".
std::string RecordDateTimeText(LocalDateTime t);

// Reads a date "yyyy/m/d" of an existing day, optionally followed by a blank and a time "h:nn" or "h:nn:ss";
// blanks around are allowed. Answers nothing for anything else.
std::optional<LocalDateTime> ParseRecordDateTime(std::string_view text);

// Returns the number of lines to keep, from the text of edtKidouGyou: its integer, 100 when it is not one, and at
// least 1, so that the new start line always stays.
int RecordLineLimit(std::string_view text);

class StartStopRecord : public StartStopLog {
public:
    StartStopRecord(std::filesystem::path file, const Clock& clock, Dialogs& dialogs)
        : m_file(std::move(file)), m_clock(clock), m_dialogs(dialogs) {}

    // Appends "S:" and now, keeping the newest lineLimit lines (at least 1). A missing file is made after the user
    // agreed, or the record is skipped with a notice. With showPrevious, answers the message for the first
    // activation: when the file's last line was a stop, "前回は … に終了しました。", otherwise "前回は不正終了しまし
    // た。"; no message without an earlier record. Fails when the file cannot be read or written, or the last stop's
    // date cannot be read; the caller reports it and start-up goes on.
    Result<std::optional<std::string>> appendStart(int lineLimit, bool showPrevious) override;

    // Appends "E:" and now to an existing record; without a file nothing happens.
    Status appendStop() override;

    // The option cbKidouKiroku switched off: an existing record gets a stop line.
    Status switchOff() override { return appendStop(); }
    // The option switched on: a missing record is made holding a start line.
    Status switchOn() override;

    const std::filesystem::path& file() const { return m_file; }

private:
    std::string stamped(char kind) const;

    std::filesystem::path m_file;
    const Clock& m_clock;
    Dialogs& m_dialogs;
};

} // namespace rekko
