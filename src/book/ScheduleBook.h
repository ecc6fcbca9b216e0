// SPDX-License-Identifier: GPL-3.0-or-later
// The user's schedule: the six month slots, the period list and the rule lists, each with the file as read, and those
// told of edits.
#pragma once

#include "BookListener.h"
#include "MergingWrite.h"

#include "base/Result.h"
#include "base/SaveReport.h"
#include "base/TextFile.h"
#include "calendar/DayRules.h"
#include "calendar/RuleFiles.h"
#include "files/UserFiles.h"
#include "schedule/DayLines.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rekko {

inline constexpr int kBookSlots = 6; // the five months of the window and the jumped month
inline constexpr int kJumpSlot = 5;
inline constexpr const char* kPeriodFileHeader = "***** FromTo予定";

// The lines of a file and the file as read or last written: the file changed when the lines differ from it, so an
// edit undone writes nothing, and writing keeps the bytes of each line read (TextLines).
struct BookFile {
    std::vector<std::string> lines;
    TextLines read;
    size_t loadCount = 0; // lines right after loading; the save guards compare against it
    bool loaded = false;
    bool unreadable = false; // the file exists but could not be read: never written in this run
};

// A month slot: its month and the lines of its month file, header line first.
struct BookSlot : BookFile {
    int32_t year = 0;
    int month = 0; // 1..12 (13 for a slot 5 built in September); 0 for a slot that holds no month yet
};

class ScheduleBook {
public:
    // Listeners are told of every change after it; each stays registered until removed. Watching changes nothing,
    // so a reader holding the book as const may watch it.
    void addListener(BookListener& listener) const;
    void removeListener(BookListener& listener) const;

    const BookSlot& slot(int index) const { return m_slots.at(static_cast<size_t>(index)); }
    const std::vector<std::string>& lines(int index) const { return slot(index).lines; }

    // Gives a slot a month with no lines, not loaded; slot 5 loses its edits with it.
    void setSlotMonth(int index, int32_t year, int month);
    // Fills a slot with a month file as read: its lines, or the header line alone for a file that is empty or
    // missing (read empty). The load count is taken.
    void loadSlot(int index, TextLines read);
    // Marks a slot whose file exists but could not be read.
    void markUnreadable(int index);
    // Replaces the lines of a day of a slot's month by the dialog's lines, appended at the end of the list; an edit
    // of slot 5 marks the jumped month edited.
    void replaceDay(int index, int day, const DaySchedule& schedule);

    // Answers whether a loaded slot's lines differ from its file as read or last written (a month without a file, or
    // with an empty one, counts as its header line).
    bool slotChanged(int index) const;
    // Writes a slot's lines to a file, merged with what changed there since it was read (MergeMonthLines), and holds
    // them as read; after a merge the slot holds the merged lines and its load count becomes their count. Answers the
    // write's failure.
    Status writeSlot(int index, const std::filesystem::path& file);
    // Writes a slot's lines into another file (a rescue copy), keeping the bytes of the lines read.
    Status copySlot(int index, const std::filesystem::path& file) const;

    // The jumped month (slot 5) was edited since it was loaded: save all writes it first.
    bool jumpedMonthEdited() const { return m_jumpedMonthEdited; }
    void setJumpedMonthEdited(bool edited) { m_jumpedMonthEdited = edited; }

    // The period list, header first, and its file.
    const BookFile& periodFile() const { return m_periods; }
    const std::vector<std::string>& periods() const { return m_periods.lines; }

    // How a period file without a header line is held: the header added in memory only is no edit, or it still has
    // to be written (a new file).
    enum class MissingHeader { Added, ToWrite };
    // Fills the period list with a period file as read: a file whose line 1 is a record or that is empty gets the
    // header "***** FromTo予定" in front. The load count is taken.
    void loadPeriods(TextLines read, MissingHeader header = MissingHeader::Added);
    // Fills the period list with lines that are no file of their own, such as the records of one month: never
    // written.
    void viewPeriods(std::vector<std::string> list);
    // Empties the period list of a file that exists but could not be read.
    void markPeriodsUnreadable();
    // Appends a record; replaces the record at index (1 and up) by a record at the end; deletes the record at index.
    void addPeriod(std::string record);
    void changePeriod(size_t index, std::string record);
    void deletePeriod(size_t index);

    // Answers whether the loaded period list differs from its file as read or last written, a header added in
    // memory aside.
    bool periodsChanged() const;
    // Writes the period list to a file, merged with what changed there since it was read (MergeRecordLines), and
    // holds it as read, as writeSlot does; answers the write's failure.
    Status writePeriods(const std::filesystem::path& file);
    // After a merge of the period list with the disk (told as merged): the index in the merged list of the record
    // that stood at index before, 0 when the merge took it out.
    size_t periodIndexAfterMerge(size_t index) const;
    // Writes the period list into another file (a copy), keeping the bytes of the lines read, with the permissions
    // given, if any.
    Status copyPeriods(const std::filesystem::path& file,
                       std::optional<std::filesystem::perms> permissions = std::nullopt) const;

    // The holiday and special-day lists as rules. The lists of "Hday.dat" and "Sday.myc" of the current directory
    // keep those files as read, so that writing the special days keeps the bytes of the lines not edited.
    const DayRules& rules() const { return m_rules; }
    // Replaces the holiday list, as by the built-in rules.
    void setHolidays(std::vector<std::string> lines);
    // Reads "Hday.dat" and "Sday.myc" into the rule lists when they exist; answers the message of each file that
    // could not be read or whose reading stopped at a line.
    std::vector<std::string> readRuleFiles();
    // Writes the special days to "Sday.myc", merged with what changed there since it was read (MergeRecordLines),
    // and, once written, holds them as the list; a file that could not be read is never written. Lines equal to those
    // the file was read with are not written again.
    Status replaceSpecialDays(std::vector<std::string> lines);

    // Takes the notes of the writes that merged with the disk since the last call.
    std::vector<SaveReport::Merged> takeMerged() { return std::exchange(m_merged, {}); }

private:
    void tell(const BookChange& change);
    Status writeMerging(BookFile& target, const std::filesystem::path& file, LineMerger merger,
                        const BookChange& change);
    void noteMerge(const std::filesystem::path& file, MergingWrite& write);

    std::array<BookSlot, kBookSlots> m_slots;
    BookFile m_periods;
    bool m_headerAdded = false; // the period list's header is not in the file
    bool m_jumpedMonthEdited = false;
    DayRules m_rules;
    RuleFile m_holidayFile{RuleList::Holidays, kHolidayFileName};
    RuleFile m_specialDayFile{RuleList::SpecialDays, kSpecialDayFileName};
    mutable std::vector<BookListener*> m_listeners;
    std::vector<SaveReport::Merged> m_merged;
    std::vector<size_t> m_periodIndexes; // old index to new index, of the last merge of the period list
};

// Returns the header line " 0,0,9,%4.d/%2.d" of a month file.
std::string MonthFileHeader(int year, int month);

// Returns the lines of a period file as the period list, header first: a file whose line 1 is a record (anything
// but a line starting with "*") or that is empty gets the header "***** FromTo予定" added in front.
std::vector<std::string> PeriodListOf(std::vector<std::string> fileLines);

} // namespace rekko
