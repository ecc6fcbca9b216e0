// SPDX-License-Identifier: GPL-3.0-or-later
// The month files of the window: loading them into the schedule book's slots, the save guard, replacing a day's
// lines.
#pragma once

#include "MonthWindow.h"

#include "base/Result.h"
#include "book/ScheduleBook.h"
#include "platform/Dialogs.h"
#include "schedule/DayLines.h"

#include <filesystem>

namespace rekko {

class MonthStore {
public:
    // The book keeps the month lines: its slot k holds the window's slot k.
    MonthStore(Dialogs& dialogs, ScheduleBook& book) : m_dialogs(dialogs), m_book(book) {}

    // Sets the data folder the month files are read from and written to.
    void setDataFolder(std::filesystem::path folder) { m_dataFolder = std::move(folder); }
    const std::filesystem::path& dataFolder() const { return m_dataFolder; }

    MonthWindow& window() { return m_window; }
    const MonthWindow& window() const { return m_window; }
    ScheduleBook& book() { return m_book; }
    const ScheduleBook& book() const { return m_book; }
    // Returns the month lines of a slot.
    const std::vector<std::string>& lines(int index) const { return m_book.lines(index); }

    // Builds the window around today with every list emptied.
    void buildWindow(int32_t today);
    // Makes slot 5 the jumped month with an empty list, not loaded yet.
    void setJumpedMonth(int year, int month);

    // Fills a slot's list when it is empty: the month file when it exists, else the header line only (no file is
    // made). A file that exists but cannot be read leaves the slot marked unreadable and answers the failure.
    Status loadSlot(int index);
    // Reads a slot's month file again, whatever the list held: after a save all, when another writer (a sync, a bulk
    // command) has changed the files.
    Status readSlot(int index);

    // Writes a slot's list with the save guard: a list that fell to half of its load count or below, or to nothing,
    // is refused with a message naming the month; a list of the header only, or an unedited one, is not written and
    // nothing is said. A month that could not be read is never written. Each line read keeps its bytes (TextLines).
    // Answers a failure only when the write itself failed.
    Status saveSlot(int index);

    // Writes a slot's list, as saveSlot would, into another folder under the month file's name (a rescue copy), with
    // no guard; answers the copy's path.
    Result<std::filesystem::path> rescueSlot(int index, const std::filesystem::path& folder);

    // Answers whether a slot's list differs from its month file as read or last written (a month without a file,
    // or with an empty one, counts as its header line).
    bool edited(int index) const;

    // Replaces the lines of a day of a slot's month by the dialog's lines (appended at the end of the list).
    void replaceDay(int index, int day, const DaySchedule& schedule);

private:
    void emptyList(int index);

    Dialogs& m_dialogs;
    ScheduleBook& m_book;
    std::filesystem::path m_dataFolder;
    MonthWindow m_window;
};

// Returns the guard's message for a month: its number, then "月予定が立ち上げ時の半分以下、または０になっています。"
// and "この月は保存しません。" on the next line.
std::string MonthGuardMessage(int month);

// Answers whether the save guard lets a list of now lines be written after loading loadCount lines.
bool SaveGuardAllows(size_t loadCount, size_t now);

} // namespace rekko
