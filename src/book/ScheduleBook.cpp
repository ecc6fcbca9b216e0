// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule book's slots, period list, rule lists, edits and the listeners told of them.
#include "ScheduleBook.h"

#include "base/AtomicWrite.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <string_view>
#include <unordered_map>

namespace rekko {

namespace {

// Returns for each line of before the index of the same line in after (the n-th of equal lines standing for the n-th),
// or 0 when after lacks it.
std::vector<size_t> IndexesIn(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    std::unordered_map<std::string_view, std::vector<size_t>> places;
    for (size_t i = 0; i < after.size(); ++i)
        places[after[i]].push_back(i);
    std::unordered_map<std::string_view, size_t> seen;
    std::vector<size_t> indexes;
    indexes.reserve(before.size());
    for (const std::string& line : before) {
        const size_t occurrence = seen[line]++;
        const auto found = places.find(line);
        indexes.push_back(found != places.end() && occurrence < found->second.size() ? found->second[occurrence] : 0);
    }
    return indexes;
}

} // namespace

std::string MonthFileHeader(int year, int month) {
    char header[48];
    std::snprintf(header, sizeof header, " 0,0,9,%4.d/%2.d", year, month);
    return header;
}

std::vector<std::string> PeriodListOf(std::vector<std::string> fileLines) {
    if (fileLines.empty() || !fileLines.front().starts_with('*'))
        fileLines.insert(fileLines.begin(), kPeriodFileHeader);
    return fileLines;
}

void ScheduleBook::addListener(BookListener& listener) const {
    m_listeners.push_back(&listener);
}

void ScheduleBook::removeListener(BookListener& listener) const {
    std::erase(m_listeners, &listener);
}

void ScheduleBook::tell(const BookChange& change) {
    for (BookListener* listener : m_listeners)
        listener->bookChanged(change);
}

void ScheduleBook::setSlotMonth(int index, int32_t year, int month) {
    BookSlot& target = m_slots.at(static_cast<size_t>(index));
    target = BookSlot{};
    target.year = year;
    target.month = month;
    if (index == kJumpSlot)
        m_jumpedMonthEdited = false;
    tell({.kind = BookChange::Kind::Slot, .slot = index});
}

void ScheduleBook::loadSlot(int index, TextLines read) {
    BookSlot& target = m_slots.at(static_cast<size_t>(index));
    target.read = std::move(read);
    target.lines = target.read.lines();
    // A month without a file, or with an empty one, is an empty month: its header line only.
    if (target.lines.empty())
        target.lines.push_back(MonthFileHeader(target.year, target.month));
    target.loadCount = target.lines.size();
    target.loaded = true;
    tell({.kind = BookChange::Kind::Slot, .slot = index});
}

void ScheduleBook::markUnreadable(int index) {
    m_slots.at(static_cast<size_t>(index)).unreadable = true;
}

void ScheduleBook::replaceDay(int index, int day, const DaySchedule& schedule) {
    WriteDay(m_slots.at(static_cast<size_t>(index)).lines, day, schedule);
    if (index == kJumpSlot)
        m_jumpedMonthEdited = true;
    tell({.kind = BookChange::Kind::Days, .slot = index, .firstDay = day, .lastDay = day});
}

bool ScheduleBook::slotChanged(int index) const {
    const BookSlot& target = slot(index);
    return target.loaded && !target.read.unchanged(target.lines) &&
           !(target.read.lines().empty() && target.lines.size() == 1);
}

void ScheduleBook::noteMerge(const std::filesystem::path& file, MergingWrite& write) {
    if (!write.report.merged())
        return;
    RescueWrite setAside;
    if (!write.setAside.empty())
        setAside = [bytes = std::move(write.setAside),
                    name = file.filename()](const std::filesystem::path& folder) -> Result<std::filesystem::path> {
            const std::filesystem::path copy = folder / name;
            if (Status written = WriteFileAtomically(copy, bytes); !written)
                return written.error();
            return copy;
        };
    m_merged.push_back({file.string(), write.report.describe(file.filename().string()), std::move(setAside)});
}

Status ScheduleBook::writeMerging(BookFile& target, const std::filesystem::path& file, LineMerger merger,
                                  const BookChange& change) {
    MergingWrite write = WriteMerging(file, target.read, target.lines, merger);
    if (write.held)
        target.read = std::move(*write.held);
    noteMerge(file, write);
    if (write.mergedLines) {
        if (change.kind == BookChange::Kind::Periods)
            m_periodIndexes = IndexesIn(target.lines, *write.mergedLines);
        target.lines = std::move(*write.mergedLines);
        target.loadCount = target.lines.size();
        BookChange merged = change;
        merged.merged = true;
        tell(merged);
    }
    return write.status;
}

Status ScheduleBook::writeSlot(int index, const std::filesystem::path& file) {
    return writeMerging(m_slots.at(static_cast<size_t>(index)), file, MergeMonthLines,
                        {.kind = BookChange::Kind::Slot, .slot = index});
}

Status ScheduleBook::copySlot(int index, const std::filesystem::path& file) const {
    return WriteTextFile(file, lines(index), slot(index).read);
}

void ScheduleBook::loadPeriods(TextLines read, MissingHeader header) {
    m_periods = BookFile{};
    m_periods.read = std::move(read);
    m_periods.lines = PeriodListOf(m_periods.read.lines());
    m_headerAdded = header == MissingHeader::Added && m_periods.lines.size() != m_periods.read.lines().size();
    m_periods.loadCount = m_periods.lines.size();
    m_periods.loaded = true;
    tell({.kind = BookChange::Kind::Periods});
}

void ScheduleBook::viewPeriods(std::vector<std::string> list) {
    m_periods = BookFile{};
    m_periods.lines = std::move(list);
    m_headerAdded = false;
    tell({.kind = BookChange::Kind::Periods});
}

void ScheduleBook::markPeriodsUnreadable() {
    m_periods.lines.clear();
    m_periods.unreadable = true;
    tell({.kind = BookChange::Kind::Periods});
}

void ScheduleBook::addPeriod(std::string record) {
    m_periods.lines.push_back(std::move(record));
    tell({.kind = BookChange::Kind::Periods});
}

void ScheduleBook::changePeriod(size_t index, std::string record) {
    std::vector<std::string>& lines = m_periods.lines;
    if (index < 1 || index >= lines.size())
        return;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    lines.push_back(std::move(record));
    tell({.kind = BookChange::Kind::Periods});
}

void ScheduleBook::deletePeriod(size_t index) {
    std::vector<std::string>& lines = m_periods.lines;
    if (index < 1 || index >= lines.size())
        return;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    tell({.kind = BookChange::Kind::Periods});
}

bool ScheduleBook::periodsChanged() const {
    const size_t added = m_headerAdded && !periods().empty() ? 1 : 0;
    return m_periods.loaded && !m_periods.read.unchanged(std::span(periods()).subspan(added));
}

Status ScheduleBook::writePeriods(const std::filesystem::path& file) {
    if (Status written = writeMerging(m_periods, file, MergeRecordLines, {.kind = BookChange::Kind::Periods}); !written)
        return written;
    m_headerAdded = false;
    return Success();
}

size_t ScheduleBook::periodIndexAfterMerge(size_t index) const {
    return index < m_periodIndexes.size() ? m_periodIndexes[index] : 0;
}

Status ScheduleBook::copyPeriods(const std::filesystem::path& file,
                                 std::optional<std::filesystem::perms> permissions) const {
    return WriteTextFile(file, periods(), m_periods.read, permissions);
}

void ScheduleBook::setHolidays(std::vector<std::string> lines) {
    (void)m_rules.setHolidayList(std::move(lines));
    tell({.kind = BookChange::Kind::Rules});
}

std::vector<std::string> ScheduleBook::readRuleFiles() {
    std::vector<std::string> messages;
    for (auto& message : {m_holidayFile.load(m_rules), m_specialDayFile.load(m_rules)})
        if (message)
            messages.push_back(*message);
    tell({.kind = BookChange::Kind::Rules});
    return messages;
}

Status ScheduleBook::replaceSpecialDays(std::vector<std::string> lines) {
    if (Status writable = m_specialDayFile.writable(); !writable)
        return writable;
    if (!m_specialDayFile.read().unchanged(lines)) {
        MergingWrite write = WriteMerging(m_specialDayFile.file(), m_specialDayFile.read(), lines, MergeRecordLines);
        if (!write.status)
            return write.status;
        m_specialDayFile.setRead(std::move(*write.held));
        noteMerge(m_specialDayFile.file(), write);
        if (write.mergedLines)
            lines = std::move(*write.mergedLines);
    }
    (void)m_rules.setSpecialDayList(std::move(lines));
    tell({.kind = BookChange::Kind::Rules});
    return Success();
}

} // namespace rekko
