// SPDX-License-Identifier: GPL-3.0-or-later
// The period file "CaFromTo.myc": loading it into the schedule book's period list with the three rotating copies,
// the guarded save, and storing and deleting a period from the month page.
#pragma once

#include "base/Result.h"
#include "book/ScheduleBook.h"
#include "files/UserFiles.h"
#include "platform/Dialogs.h"
#include "schedule/PeriodRecord.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace rekko {

// Returns the period list of a period file's bytes with only the records whose days touch firstDay..lastDay (day
// numbers), header first; the other records are neither decoded nor copied.
std::vector<std::string> PeriodListTouching(std::string_view fileBytes, int32_t firstDay, int32_t lastDay);

// Where a load of the period file may write: the data folder (a missing period file and its folder), the current
// directory (the copies).
struct PeriodWrites {
    bool dataFolder = true;
    bool copies = true;
};

class PeriodStore {
public:
    // copyNames are the settings CaFT1, CaFT2, CaFT3 (newest first); the store rotates them. The book keeps the
    // period list.
    PeriodStore(Dialogs& dialogs, std::array<std::string, 3>& copyNames, ScheduleBook& book)
        : m_dialogs(dialogs), m_copyNames(copyNames), m_book(book) {}

    enum class LoadOutcome { Loaded, Created, FolderMissing, Unreadable };

    // Loads the period file of the data folder and, at the first start of a new ten-day stretch, writes today's
    // copy into the current directory, dropping the oldest. A missing file is announced and created with the
    // header only; FolderMissing (after the error box) means the program must end. Without writes.dataFolder
    // nothing is created and a missing file is the header alone, silently; without writes.copies nothing rotates.
    LoadOutcome load(const std::filesystem::path& dataFolder, int year, int month, int day, PeriodWrites writes = {});

    // Writes the list unless it fell to half of its load count or below, or to nothing (a message then); a list
    // of the header only is written. A file that could not be read is never written, nor one whose list was not
    // edited (a header added in memory is not an edit). Each line read keeps its bytes (TextLines).
    Status save();

    // Writes the list, as save would, into another folder as "CaFromTo.myc" (a rescue copy), with no guard;
    // answers the copy's path.
    Result<std::filesystem::path> rescue(const std::filesystem::path& folder) const;

    // Answers whether the list differs from the file as read or last written, the added header aside.
    bool edited() const;

    // Deletes the copies of the directory (names "CaFT" + four characters + ".mcp", files or links) other than the
    // three named, when a rotation happened in this run. Answers the failure of the first deletion that failed.
    Status removeStaleCopies(const std::filesystem::path& directory = kWorkingFolder);

    // Checks a period from the dialog and stores it: a new one (index 0) is appended; an edited one replaces
    // the record at index by a new record at the end. An invalid date is shown and nothing changes.
    bool store(size_t index, const PeriodFields& period);
    // Asks "この予定を削除してもいいですか？" for a record (index 1 and up), its dates and title on a second line, and
    // on Yes deletes it. Answers whether it deleted the record.
    bool remove(size_t index);

    // Returns why the last load failed (Unreadable, or FolderMissing marked as reported by its error box).
    const Failure& loadFailure() const { return m_loadFailure; }

    // Returns the period list, header first.
    const std::vector<std::string>& list() const { return m_book.periods(); }
    bool rotated() const { return m_rotated; }

private:
    void rotateCopies(const std::string& copyName);

    Dialogs& m_dialogs;
    std::array<std::string, 3>& m_copyNames;
    ScheduleBook& m_book;
    std::filesystem::path m_file;
    Failure m_loadFailure;
    bool m_rotated = false;
};

} // namespace rekko
