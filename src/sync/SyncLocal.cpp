// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the local files of a sync into events, and writing the server's changes into them.
#include "SyncLocal.h"

#include "base/FileEntry.h"
#include "base/TextProcedures.h"
#include "book/ScheduleBook.h"

#include <algorithm>

namespace rekko {

namespace {

constexpr const char* kHiddenPeriodColour = "D";
// The anniversaries' events start in their first year, else in this one.
constexpr int32_t kAnniversaryEpochYear = 1970;

Result<LocalFile> ReadLocalFile(const std::filesystem::path& path) {
    LocalFile file{.path = path};
    if (!FileEntryExists(path))
        return file;
    Result<TextLines> read = ReadTextFile(path);
    if (!read)
        return read.error();
    file.read = std::move(read.value());
    file.lines = file.read.lines();
    return file;
}

LocalItem ItemOf(SyncKind kind, std::string place, std::string key, size_t file, IcsEvent event) {
    LocalItem item{.kind = kind, .place = std::move(place), .key = std::move(key), .file = file};
    item.hash = TextDigest(item.key);
    item.line = event.source;
    item.event = std::move(event);
    return item;
}

} // namespace

std::vector<std::string> LocalFile::changed() const {
    std::vector<std::string> result;
    for (size_t index = 0; index < lines.size(); ++index) {
        const auto edit = edits.find(index);
        if (edit == edits.end())
            result.push_back(lines[index]);
        else if (edit->second)
            result.push_back(*edit->second);
    }
    result.insert(result.end(), added.begin(), added.end());
    return result;
}

Result<LocalSide> LocalSide::read(const SyncRequest& request) {
    LocalSide side;
    side.m_set = request.files;
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(DataFolderPath(request.files.dataFolder), error)) {
        const std::string name = entry.path().filename().string();
        if (MonthOfFileName(name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const auto [year, month] = *MonthOfFileName(name);
        Result<LocalFile> file = ReadLocalFile(request.files.monthFile(year, month));
        if (!file)
            return file.error();
        file.value().year = year;
        file.value().month = month;
        side.m_files.push_back(std::move(file.value()));
        IcsEvents events;
        AddDayLineEvents(events, year, month, side.m_files.back().lines, 1, DaysOfMonth(year, month));
        for (IcsEvent& event : events.events) {
            const CalendarDate date = event.start.date;
            const std::string key = DayLineKey(date, side.m_files.back().lines[event.source]);
            side.m_items.push_back(ItemOf(SyncKind::Day, DayPlace(date), key, side.m_files.size() - 1, event));
        }
    }
    const int32_t firstJd = EncodeJuliusDay(1, 1, 1), lastJd = EncodeJuliusDay(9999, 12, 31);
    if (FileEntryExists(request.files.periodFile)) {
        Result<LocalFile> file = ReadLocalFile(request.files.periodFile);
        if (!file)
            return file.error();
        file.value().merger = MergeRecordLines;
        side.m_files.push_back(std::move(file.value()));
        const std::vector<std::string>& records = side.m_files.back().lines;
        IcsEvents events;
        AddPeriodEvents(events, records, firstJd, lastJd);
        for (IcsEvent& event : events.events) {
            const std::vector<std::string> fields = SplitAt(records[event.source], ',');
            if (fields.size() > 12 && fields[12] == kHiddenPeriodColour)
                continue;
            const std::string key = records[event.source];
            side.m_items.push_back(ItemOf(SyncKind::Period, kPeriodPlace, key, side.m_files.size() - 1, event));
        }
    }
    if (!request.specialDays.empty()) {
        Result<LocalFile> file = ReadLocalFile(request.specialDays);
        if (!file)
            return file.error();
        file.value().writable = false;
        side.m_files.push_back(std::move(file.value()));
        IcsEvents events;
        AddAnniversaryEvents(events, side.m_files.back().lines, EncodeJuliusDay(kAnniversaryEpochYear, 1, 1), lastJd);
        // A wrapped year range gives two events of one line: the UID tells them apart and changes with the line.
        for (IcsEvent& event : events.events) {
            const std::string key = event.uid;
            side.m_items.push_back(
                ItemOf(SyncKind::Anniversary, kAnniversaryPlace, key, side.m_files.size() - 1, event));
        }
    }
    return side;
}

LocalFile& LocalSide::monthFile(const CalendarDate& date) {
    for (LocalFile& file : m_files) {
        if (file.year == date.year && file.month == date.month)
            return file;
    }
    LocalFile file{.path = m_set.monthFile(date.year, date.month)};
    file.year = date.year;
    file.month = date.month;
    file.lines = {MonthFileHeader(date.year, date.month)};
    m_files.push_back(std::move(file));
    return m_files.back();
}

LocalFile& LocalSide::periodFile() {
    for (LocalFile& file : m_files) {
        if (file.path == m_set.periodFile)
            return file;
    }
    LocalFile file{.path = m_set.periodFile, .merger = MergeRecordLines};
    file.lines = {kPeriodFileHeader};
    m_files.push_back(std::move(file));
    return m_files.back();
}

std::string LocalSide::placed(LocalFile& file, const DownLine& down, std::optional<int> lineNumber) {
    if (!lineNumber) {
        const auto ofDay = [&](const std::string& line) { return DayOfLine(line) == down.date.day; };
        lineNumber = 1 + static_cast<int>(std::count_if(file.added.begin(), file.added.end(), ofDay));
        for (size_t index = 0; index < file.lines.size(); ++index) {
            const auto edit = file.edits.find(index);
            const std::optional<std::string>& line =
                edit == file.edits.end() ? std::optional(file.lines[index]) : edit->second;
            *lineNumber += line && ofDay(*line) ? 1 : 0;
        }
    }
    return down.line(*lineNumber);
}

void LocalSide::replace(const LocalItem& item, const DownLine& down) {
    const std::string& old = lineOf(item);
    const bool sameFile = down.kind == SyncKind::Period ? m_files[item.file].path == m_set.periodFile
                                                        : m_files[item.file].year == down.date.year &&
                                                              m_files[item.file].month == down.date.month;
    if (!sameFile || item.kind == SyncKind::Anniversary) {
        remove(item);
        add(down);
        return;
    }
    const std::vector<std::string> fields = SplitAt(old, ',');
    const int lineNumber = fields.size() > 1 ? FieldInteger(fields[1]).value_or(1) : 1;
    LocalFile& file = m_files[item.file];
    file.edits[item.line] = placed(file, down, lineNumber);
}

void LocalSide::remove(const LocalItem& item) {
    m_files[item.file].edits[item.line] = std::nullopt;
}

void LocalSide::add(const DownLine& down) {
    LocalFile& file = down.kind == SyncKind::Period ? periodFile() : monthFile(down.date);
    file.added.push_back(placed(file, down, std::nullopt));
}

bool LocalSide::changed() const {
    return std::any_of(m_files.begin(), m_files.end(),
                       [](const LocalFile& file) { return file.writable && file.changed() != file.lines; });
}

Status LocalSide::write() {
    for (const LocalFile& file : m_files) {
        const std::vector<std::string> lines = file.changed();
        if (!file.writable || lines == file.lines)
            continue;
        const MergingWrite written = WriteMerging(file.path, file.read, lines, file.merger);
        if (!written.status)
            return written.status;
    }
    return Success();
}

} // namespace rekko
