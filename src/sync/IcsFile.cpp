// SPDX-License-Identifier: GPL-3.0-or-later
// The months of the window's export, its file and its messages.
#include "IcsFile.h"

#include "base/AtomicWrite.h"
#include "base/TextFile.h"

namespace rekko {

MonthLinesSource BookMonthLines(const ScheduleBook& book, const FileSet& files, std::vector<std::string>& unreadable) {
    return [&book, files, &unreadable](int32_t year, int month) -> std::vector<std::string> {
        for (int index = 0; index < kBookSlots; ++index) {
            const BookSlot& slot = book.slot(index);
            if (slot.loaded && slot.year == year && slot.month == month)
                return slot.lines;
        }
        const std::filesystem::path file = files.monthFile(year, month);
        std::error_code error;
        if (!std::filesystem::exists(file, error))
            return {};
        const Result<TextLines> read = ReadTextFile(file);
        if (!read) {
            unreadable.push_back(file.filename().string());
            return {};
        }
        return read.value().lines();
    };
}

Status WriteIcsFile(const std::filesystem::path& file, const IcsExport& exported) {
    return WriteFileAtomically(file, exported.text);
}

std::string IcsExportNotice(const IcsExport& exported, const std::filesystem::path& file,
                            const std::vector<std::string>& unreadable) {
    std::string notice = std::to_string(exported.events) + " 件の予定を書き出しました。\r\n" + file.string();
    if (exported.skipped > 0)
        notice += "\r\n読めない行 " + std::to_string(exported.skipped) + " 行は飛ばしました。";
    for (const std::string& name : unreadable)
        notice += "\r\n「" + name + "」を読めませんでした。";
    return notice;
}

std::string IcsWriteFailure(const std::filesystem::path& file, const Failure& failure) {
    return file.string() + "\r\nに書き込めませんでした。\r\n" + failure.cause;
}

} // namespace rekko
