// SPDX-License-Identifier: GPL-3.0-or-later
// Rescuing unsaved files at an unattended end and announcing them at the next start.
#include "UnsavedRescue.h"

#include "AppFolders.h"

#include "base/AtomicWrite.h"
#include "base/FileEntry.h"
#include "base/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace rekko {

namespace fs = std::filesystem;

namespace {

constexpr const char* kNoticeHeading = "終了時に、次のファイルを保存できませんでした。\r\n"
                                       "保存できなかった内容は、同じ名前で次のフォルダに残してあります。";

constexpr const char* kMergeNoticeHeading = "他で変更されたファイルを、変更を合わせて保存しました。";

// Only the user may read what the rescue keeps, whatever the modes of the data it came from.
constexpr fs::perms kPrivateFolder = fs::perms::owner_all;
constexpr fs::perms kPrivateFile = fs::perms::owner_read | fs::perms::owner_write;

// Makes root private (made anew, or an existing one of an earlier version closed), then a new private folder named
// after the moment under it; a second end within the same second gets "-2", "-3", ….
Result<fs::path> makeDatedFolder(const fs::path& root, LocalDateTime now) {
    const CalendarDate date = DateOf(now);
    const TimeOfDay time = TimeOf(now);
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%.4d%.2d%.2d-%.2d%.2d%.2d", date.year, date.month, date.day, time.hour,
                  time.minute, time.second);
    std::error_code error;
    fs::create_directories(root.parent_path(), error);
    if (::mkdir(root.c_str(), 0700) != 0 && errno != EEXIST)
        return Failure{std::strerror(errno), root.string()};
    fs::permissions(root, kPrivateFolder, error);
    for (int attempt = 1; attempt < 100; ++attempt) {
        const fs::path folder = root / (attempt == 1 ? std::string(stamp) : stamp + ("-" + std::to_string(attempt)));
        if (::mkdir(folder.c_str(), 0700) == 0)
            return folder;
        if (errno != EEXIST)
            return Failure{std::strerror(errno), folder.string()};
    }
    return Failure{"フォルダを作成できません。", root.string()};
}

// The line of the note for a rescued file: the file, and the copy's name where it is not the file's own.
std::string NoteLine(const std::string& file, const fs::path& copy) {
    const std::string name = copy.filename().string();
    return "\r\n　" + file + (fs::path(file).filename() == name ? "" : " → " + name);
}

// Appends a note to a note file, after the notes of earlier ends not shown yet; answers the failure.
Status appendNote(const fs::path& file, const std::string& note) {
    const auto earlier = FileEntryExists(file) ? ReadFileBytes(file) : Result<std::string>(std::string());
    Status written = earlier ? Success() : Status(earlier.error());
    if (written)
        written = WriteFileAtomically(file, earlier.value().empty() ? note : earlier.value() + "\r\n\r\n" + note);
    std::error_code ignored;
    if (written)
        fs::permissions(file, kPrivateFile, ignored);
    return written;
}

// Reads a note file and removes it; nothing when there is none or it is empty.
std::optional<std::string> takeNote(const fs::path& file) {
    if (!FileEntryExists(file))
        return std::nullopt;
    const auto notes = ReadFileBytes(file);
    std::error_code error;
    fs::remove(file, error);
    if (!notes || notes.value().empty())
        return std::nullopt;
    return notes.value();
}

} // namespace

std::string UnsavedRescue::keepMerged(const SaveReport& report, LocalDateTime now) {
    std::string message = report.mergeMessage();
    const bool anySetAside = std::any_of(report.merged.begin(), report.merged.end(),
                                         [](const SaveReport::Merged& file) { return bool(file.setAside); });
    if (!anySetAside)
        return message;
    const auto folder = makeDatedFolder(m_root, now);
    if (!folder)
        return message + "\r\n他で変更された内容を残すフォルダを作れません: " + folder.error().path + ": " +
               folder.error().cause;
    std::string kept;
    for (const auto& file : report.merged) {
        if (!file.setAside)
            continue;
        const auto copy = file.setAside(folder.value());
        std::error_code ignored; // the folder is private in any case
        if (copy)
            fs::permissions(copy.value(), kPrivateFile, ignored);
        kept += copy ? "\r\n　" + copy.value().filename().string() : "\r\n　" + file.file + ": " + copy.error().cause;
    }
    return message + "\r\n他で変更された内容を次のフォルダに残しました: " + FolderText(folder.value()) + kept;
}

std::string UnsavedRescue::noteMerged(const std::string& message) {
    std::error_code error;
    fs::create_directories(m_root, error);
    (void)appendNote(mergeNoteFile(), message);
    std::string out = "Rekko: " + message + "\n";
    for (size_t at = out.find("\r\n"); at != std::string::npos; at = out.find("\r\n", at))
        out.replace(at, 2, "\n");
    return out;
}

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
    // The copies are written first, so that the report says once what became of them.
    std::string kept, lost, note;
    for (const auto& file : report.rescuable) {
        const auto copy = file.write(folder.value());
        if (copy) {
            std::error_code ignored; // the folder is private in any case
            fs::permissions(copy.value(), kPrivateFile, ignored);
            kept += "  " + copy.value().filename().string() + "\n";
            note += NoteLine(file.file, copy.value());
        } else {
            lost += "  " + file.file + ": " + copy.error().cause + "\n";
        }
    }
    if (note.empty()) {
        // Nothing could be kept: the empty folder would only mislead.
        std::error_code ignored;
        fs::remove_all(folder.value(), ignored);
        return out + "Rekko: 保存できなかった内容は " + FolderText(m_root) + " にも残せませんでした。\n" + lost;
    }
    out += "Rekko: 保存できなかった内容を次のフォルダに残しました: " + FolderText(folder.value()) + "\n" + kept;
    if (!lost.empty())
        out += "Rekko: 次の内容はそこにも残せませんでした。\n" + lost;
    // Notes of earlier ends that were not shown yet stay in front.
    if (const Status written = appendNote(noteFile(), FolderText(folder.value()) + note); !written)
        out += "Rekko: 次回の起動時に知らせることができません: " + written.error().path + ": " + written.error().cause +
               "\n";
    return out;
}

std::optional<std::string> UnsavedRescue::takeNotice() {
    const auto unsaved = takeNote(noteFile());
    const auto merged = takeNote(mergeNoteFile());
    if (!unsaved && !merged)
        return std::nullopt;
    std::string notice;
    if (unsaved)
        notice = std::string(kNoticeHeading) + "\r\n\r\n" + *unsaved;
    if (merged)
        notice += (notice.empty() ? "" : "\r\n\r\n") + std::string(kMergeNoticeHeading) + "\r\n\r\n" + *merged;
    return notice;
}

} // namespace rekko
