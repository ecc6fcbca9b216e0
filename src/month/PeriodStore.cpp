// SPDX-License-Identifier: GPL-3.0-or-later
// The period file, its copies and its records.
#include "PeriodStore.h"

#include "MonthStore.h"

#include "controls/ScheduleLines.h"

#include "base/Cp932.h"
#include "base/FileEntry.h"
#include "base/TextFile.h"
#include "base/TextProcedures.h"
#include "files/UserFiles.h"

#include <utility>

namespace fs = std::filesystem;

namespace rekko {

namespace {

// A copy is a file or a link; a folder of a copy's name is never removed.
bool isCopyFile(const fs::path& path) {
    std::error_code error;
    const fs::file_type type = fs::symlink_status(path, error).type();
    return type == fs::file_type::regular || type == fs::file_type::symlink;
}

} // namespace

std::vector<std::string> PeriodListTouching(std::string_view fileBytes, int32_t firstDay, int32_t lastDay) {
    std::vector<std::string> list{kPeriodFileHeader};
    // A header line has no days, so it is passed over as any line that is no period.
    for (const std::string_view line : LineBytes(fileBytes)) {
        const auto days = ReadPeriodDays(line);
        if (days && days->start <= lastDay && days->end >= firstDay)
            list.push_back(DecodeCp932(line));
    }
    return list;
}

PeriodStore::LoadOutcome PeriodStore::load(const fs::path& dataFolder, int year, int month, int day,
                                           PeriodWrites writes) {
    const fs::path previousFile = std::exchange(m_file, dataFolder / kPeriodFileName);
    const BookFile& held = m_book.periodFile();
    const bool wasRead = held.loaded && !held.unreadable;
    std::error_code error;
    LoadOutcome outcome = LoadOutcome::Loaded;
    if (FileEntryExists(m_file)) {
        auto bytes = ReadFileBytes(m_file);
        if (!bytes) {
            m_book.markPeriodsUnreadable();
            m_loadFailure = bytes.error();
            return LoadOutcome::Unreadable;
        }
        // The same file read again as it was, its list not edited since, would give the same list: it stays.
        if (!wasRead || m_file != previousFile || !held.read.readFrom(bytes.value()) || edited())
            m_book.loadPeriods(ParseTextBytes(bytes.value()));
        const std::string copyName = PeriodCopyName(year, month, day);
        if (writes.copies && copyName != m_copyNames[0])
            rotateCopies(copyName);
    } else if (!writes.dataFolder) {
        m_book.loadPeriods(TextLines());
    } else {
        m_dialogs.inform(WithTrailingSeparator(dataFolder.string()) + kPeriodFileName +
                         " が存在しません。\r\n新しい期間データを作ります。");
        m_book.loadPeriods(TextLines(), ScheduleBook::MissingHeader::ToWrite);
        if (!dataFolder.empty() && !fs::exists(dataFolder, error))
            fs::create_directories(dataFolder, error);
        if (!dataFolder.empty() && !fs::is_directory(dataFolder, error)) {
            m_dialogs.show({"エラー", "フォルダを作成できません。", DialogIcon::Error});
            m_loadFailure =
                Failure{.cause = "フォルダを作成できません。", .path = dataFolder.string(), .reported = true};
            return LoadOutcome::FolderMissing;
        }
        // The list stays in memory; each later save reports its own failure.
        if (const Status written = m_book.writePeriods(m_file); !written)
            m_dialogs.show({kDefaultCaption,
                            "期間ファイルを書き込めません。\r\n" + m_file.string() + "\r\n" + written.error().cause,
                            DialogIcon::Warning});
        outcome = LoadOutcome::Created;
    }
    return outcome;
}

void PeriodStore::rotateCopies(const std::string& copyName) {
    m_rotated = true;
    std::error_code error;
    const std::string& oldest = m_copyNames[2];
    if (IsPeriodCopyName(oldest) && isCopyFile(oldest) && !fs::remove(oldest, error))
        m_dialogs.inform("旧期間ファイルを削除できません。\r\n" + oldest);
    m_copyNames = {copyName, m_copyNames[0], m_copyNames[1]};
    // The copy is as private as the period file; a copy that cannot be written says why on a line of its own.
    if (const Status written = m_book.copyPeriods(copyName, PermissionsOf(m_file)); !written)
        m_dialogs.inform("期間ファイルを書き込めません。\r\n" + copyName + "\r\n" + written.error().cause);
}

Status PeriodStore::save() {
    const BookFile& held = m_book.periodFile();
    if (!held.loaded || held.unreadable)
        return Success();
    if (!SaveGuardAllows(held.loadCount, list().size())) {
        m_dialogs.inform("期間予定が立ち上げ時の半分以下、または０になっています。\r\n期間予定は保存しません。");
        return Success();
    }
    if (!edited())
        return Success();
    return m_book.writePeriods(m_file);
}

bool PeriodStore::edited() const {
    return m_book.periodsChanged();
}

Result<fs::path> PeriodStore::rescue(const fs::path& folder) const {
    const fs::path copy = folder / kPeriodFileName;
    if (const Status written = m_book.copyPeriods(copy); !written)
        return written.error();
    return copy;
}

Status PeriodStore::removeStaleCopies(const fs::path& directory) {
    if (!m_rotated)
        return Success();
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!IsPeriodCopyName(name) || !isCopyFile(it->path()))
            continue;
        if (name == m_copyNames[0] || name == m_copyNames[1] || name == m_copyNames[2])
            continue;
        std::error_code removeError;
        if (!fs::remove(it->path(), removeError))
            return Failure{removeError.message(), it->path().string()};
    }
    return Success();
}

bool PeriodStore::store(size_t index, const PeriodFields& period) {
    if (const auto invalid = FirstInvalidPeriodDate(period)) {
        m_dialogs.show({kDefaultCaption, "不正な日付：" + *invalid, DialogIcon::Warning});
        m_dialogs.inform("登録いたしません。");
        return false;
    }
    if (index > 0 && index < list().size())
        m_book.changePeriod(index, FormatPeriodRecord(period));
    else
        m_book.addPeriod(FormatPeriodRecord(period));
    return true;
}

bool PeriodStore::remove(size_t index) {
    if (index < 1 || index >= list().size())
        return false;
    // The second line says which period goes, as the selected bar may lie outside the shown weeks.
    const DialogMessage question{"確認", "この予定を削除してもいいですか？\r\n" + PeriodSummary(list()[index]),
                                 DialogIcon::Question, DialogButtons::YesNo, DialogAnswer::No};
    if (m_dialogs.show(question) != DialogAnswer::Yes)
        return false;
    m_book.deletePeriod(index);
    return true;
}

} // namespace rekko
