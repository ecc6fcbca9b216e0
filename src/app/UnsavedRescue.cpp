// SPDX-License-Identifier: GPL-3.0-or-later
// Rescuing unsaved files at an unattended end and announcing them at the next start.
#include "UnsavedRescue.h"

#include "AppFolders.h"

#include "base/AtomicWrite.h"
#include "base/FileEntry.h"
#include "base/TextFile.h"

#include <cstdio>

namespace rekko {

namespace fs = std::filesystem;

namespace {

constexpr const char* kNoticeHeading = "終了時に、次のファイルを保存できませんでした。\r\n"
                                       "保存できなかった内容は、同じ名前で次のフォルダに残してあります。";

// Makes a new folder named after the moment under root; a second end within the same second gets "-2", "-3", ….
Result<fs::path> makeDatedFolder(const fs::path& root, LocalDateTime now) {
    const CalendarDate date = DateOf(now);
    const TimeOfDay time = TimeOf(now);
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%.4d%.2d%.2d-%.2d%.2d%.2d", date.year, date.month, date.day, time.hour,
                  time.minute, time.second);
    std::error_code error;
    fs::create_directories(root, error);
    for (int attempt = 1; attempt < 100; ++attempt) {
        const fs::path folder = root / (attempt == 1 ? std::string(stamp) : stamp + ("-" + std::to_string(attempt)));
        if (fs::create_directory(folder, error))
            return folder;
        if (error)
            return Failure{error.message(), folder.string()};
    }
    return Failure{"フォルダを作成できません。", root.string()};
}

} // namespace

std::string UnsavedRescue::rescue(const SaveReport& report, LocalDateTime now) {
    std::string out = "Rekko: 終了時に次の保存ができませんでした。\n";
    for (const auto& failure : report.failures)
        out += "  " + failure.path + ": " + failure.cause + "\n";
    if (report.rescuable.empty())
        return out;
    const auto folder = makeDatedFolder(m_root, now);
    if (!folder) {
        out += "Rekko: 保存できなかった内容を残すフォルダを作れません: " + folder.error().path + ": " +
               folder.error().cause + "\n";
        return out;
    }
    std::string note = FolderText(folder.value());
    out += "Rekko: 保存できなかった内容を次のフォルダに残しました: " + FolderText(folder.value()) + "\n";
    for (const auto& file : report.rescuable) {
        const auto copy = file.write(folder.value());
        if (copy) {
            out += "  " + copy.value().filename().string() + "\n";
            note += "\r\n　" + file.file;
        } else {
            out += "  " + file.file + ": 残せませんでした: " + copy.error().cause + "\n";
        }
    }
    // Notes of earlier ends that were not shown yet stay in front.
    const auto earlier = FileEntryExists(noteFile()) ? ReadFileBytes(noteFile()) : Result<std::string>(std::string());
    Status written = earlier ? Success() : Status(earlier.error());
    if (written)
        written = WriteFileAtomically(noteFile(), earlier.value().empty() ? note : earlier.value() + "\r\n\r\n" + note);
    if (!written)
        out += "Rekko: 次回の起動時に知らせることができません: " + written.error().path + ": " + written.error().cause +
               "\n";
    return out;
}

std::optional<std::string> UnsavedRescue::takeNotice() {
    if (!FileEntryExists(noteFile()))
        return std::nullopt;
    const auto notes = ReadFileBytes(noteFile());
    std::error_code error;
    fs::remove(noteFile(), error);
    if (!notes || notes.value().empty())
        return std::nullopt;
    return std::string(kNoticeHeading) + "\r\n\r\n" + notes.value();
}

} // namespace rekko
