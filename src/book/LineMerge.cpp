// SPDX-License-Identifier: GPL-3.0-or-later
// Three-way merges of month files and files of records, line by line as bytes.
#include "LineMerge.h"

#include "schedule/LineAttribute.h"

#include <algorithm>
#include <array>
#include <optional>
#include <unordered_map>

namespace rekko {

namespace {

constexpr int kLastDay = 31;

// Theirs' lines with ours' changes: the lines ours removed that theirs did not remove as well taken out, first ones
// first; the lines ours added that theirs did not add as well appended in ours' order.
struct CountMerge {
    ByteLines lines;
    long removedByBoth = 0;
    long appended = 0;
    long addedByTheirs = 0;
    long changedByTheirs = 0;
};

CountMerge mergeCounts(const ByteLines& base, const ByteLines& ours, const ByteLines& theirs) {
    const LineCounts b = CountLines(base), o = CountLines(ours), t = CountLines(theirs);
    CountMerge merge;
    LineCounts toRemove, toAppend;
    for (const auto& [line, inBase] : b) {
        const long removedHere = inBase - CountOf(o, line);
        const long removedThere = std::max(0L, inBase - CountOf(t, line));
        if (removedHere > 0) {
            toRemove[line] = std::max(0L, removedHere - removedThere);
            merge.removedByBoth += std::min(removedHere, removedThere);
        }
        merge.changedByTheirs += removedThere;
    }
    for (const auto& [line, inTheirs] : t) {
        const long addedThere = std::max(0L, inTheirs - CountOf(b, line));
        merge.addedByTheirs += addedThere;
        merge.changedByTheirs += addedThere;
    }
    for (const auto& [line, inOurs] : o) {
        const long addedHere = inOurs - CountOf(b, line);
        if (addedHere > 0)
            toAppend[line] = std::max(0L, addedHere - std::max(0L, CountOf(t, line) - CountOf(b, line)));
    }
    for (const std::string_view line : theirs) {
        const auto found = toRemove.find(line);
        if (found != toRemove.end() && found->second > 0)
            --found->second;
        else
            merge.lines.push_back(line);
    }
    for (const std::string_view line : ours) {
        const auto found = toAppend.find(line);
        if (found != toAppend.end() && found->second > 0) {
            --found->second;
            merge.lines.push_back(line);
            ++merge.appended;
        }
    }
    return merge;
}

// The merges every file shares: theirs as the base is ours; theirs cut short is not merged from; ours as the base,
// or as theirs, is theirs.
std::optional<MergeResult> plainMerge(const ByteLines& base, const ByteLines& ours, const ByteLines& theirs) {
    if (theirs == base)
        return MergeResult{ours, {}};
    if (TooShortToMergeFrom(base.size(), theirs.size())) {
        MergeResult result{ours, {}};
        result.report.diskTooShort = true;
        return result;
    }
    if (ours == base || ours == theirs)
        return MergeResult{theirs, {}};
    return std::nullopt;
}

// Ours' header goes in front of a disk without one, unless the disk holds it elsewhere: nothing is doubled.
bool holds(const ByteLines& lines, std::string_view line) {
    return std::ranges::find(lines, line) != lines.end();
}

// The day 1..31 a month line belongs to, or 0.
int dayOf(std::string_view line) {
    const auto day = DayOfLine(line);
    return day && *day >= 1 && *day <= kLastDay ? *day : 0;
}

// The lines of each day of a month file, and where the first of each stands.
struct MonthSplit {
    bool hasHeader = false;
    std::array<ByteLines, kLastDay + 1> days;
    std::array<size_t, kLastDay + 1> first{};
};

MonthSplit splitMonth(const ByteLines& lines) {
    MonthSplit split;
    split.hasHeader = !lines.empty() && dayOf(lines.front()) == 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int day = dayOf(lines[i]);
        if (day == 0)
            continue;
        ByteLines& ofDay = split.days[static_cast<size_t>(day)];
        if (ofDay.empty())
            split.first[static_cast<size_t>(day)] = i;
        ofDay.push_back(lines[i]);
    }
    return split;
}

bool hasRecordHeader(const ByteLines& lines) {
    return !lines.empty() && lines.front().starts_with('*');
}

ByteLines recordsOf(const ByteLines& lines) {
    return ByteLines(lines.begin() + (hasRecordHeader(lines) ? 1 : 0), lines.end());
}

std::string dayList(const std::vector<int>& days) {
    std::string text;
    for (const int day : days)
        text += (text.empty() ? "" : "、") + std::to_string(day) + "日";
    return "（" + text + "）";
}

} // namespace

LineCounts CountLines(const ByteLines& lines) {
    LineCounts counts;
    for (const std::string_view line : lines)
        ++counts[line];
    return counts;
}

long CountOf(const LineCounts& counts, std::string_view line) {
    const auto found = counts.find(line);
    return found == counts.end() ? 0 : found->second;
}

bool TooShortToMergeFrom(size_t baseCount, size_t theirCount) {
    return theirCount * 2 < baseCount;
}

bool MergeReport::merged() const {
    return !daysFromDisk.empty() || !daysFromBoth.empty() || recordsFromDisk != 0 || diskTooShort;
}

std::string MergeReport::describe(std::string_view file) const {
    if (!merged())
        return {};
    std::string text(file);
    text += ": ";
    if (diskTooShort)
        return text + "他で行が半分未満に減っていたため取り込まず、この内容で保存しました（他の内容は退避しました）。";
    if (!daysFromDisk.empty())
        text += "他で変更された日" + dayList(daysFromDisk) + "を取り込みました。";
    if (!daysFromBoth.empty())
        text += "両方で変更された日" + dayList(daysFromBoth) + "は両方の行を残しました。";
    if (recordsFromDisk != 0)
        text += "他で変更された" + std::to_string(recordsFromDisk) + "行を取り込みました。";
    if (keptTwice != 0)
        text += "両方で変更された" + std::to_string(keptTwice) + "件は両方の版を残しました。";
    return text;
}

MergeResult MergeMonthLines(const ByteLines& base, const ByteLines& ours, const ByteLines& theirs) {
    if (auto plain = plainMerge(base, ours, theirs))
        return std::move(*plain);
    const MonthSplit b = splitMonth(base), o = splitMonth(ours), t = splitMonth(theirs);
    MergeResult result;
    std::array<ByteLines, kLastDay + 1> merged;
    std::vector<int> moved; // the days whose lines are not exactly theirs'
    for (int day = 1; day <= kLastDay; ++day) {
        const auto d = static_cast<size_t>(day);
        if (o.days[d] == b.days[d]) {
            if (t.days[d] != b.days[d])
                result.report.daysFromDisk.push_back(day);
            continue;
        }
        if (t.days[d] == b.days[d]) {
            merged[d] = o.days[d];
        } else {
            merged[d] = mergeCounts(b.days[d], o.days[d], t.days[d]).lines;
            if (o.days[d] != t.days[d])
                result.report.daysFromBoth.push_back(day);
        }
        if (merged[d] != t.days[d])
            moved.push_back(day);
    }
    // Days in the order of their first line in ours; a day ours no longer holds after them, by its place in theirs.
    const auto placeOf = [&](int day) {
        const auto d = static_cast<size_t>(day);
        if (!o.days[d].empty())
            return o.first[d];
        return ours.size() + (t.days[d].empty() ? theirs.size() + d : t.first[d]);
    };
    std::ranges::sort(moved, [&](int one, int other) { return placeOf(one) < placeOf(other); });

    if (!t.hasHeader && o.hasHeader && !holds(theirs, ours.front()))
        result.lines.push_back(ours.front());
    std::array<bool, kLastDay + 1> isMoved{};
    for (const int day : moved)
        isMoved[static_cast<size_t>(day)] = true;
    for (const std::string_view line : theirs)
        if (!isMoved[static_cast<size_t>(dayOf(line))])
            result.lines.push_back(line);
    for (const int day : moved)
        result.lines.insert(result.lines.end(), merged[static_cast<size_t>(day)].begin(),
                            merged[static_cast<size_t>(day)].end());
    return result;
}

MergeResult MergeRecordLines(const ByteLines& base, const ByteLines& ours, const ByteLines& theirs) {
    if (auto plain = plainMerge(base, ours, theirs))
        return std::move(*plain);
    CountMerge records = mergeCounts(recordsOf(base), recordsOf(ours), recordsOf(theirs));
    MergeResult result;
    if (hasRecordHeader(theirs))
        result.lines.push_back(theirs.front());
    else if (hasRecordHeader(ours) && !holds(theirs, ours.front()))
        result.lines.push_back(ours.front());
    // A line ours added as a record that is the header now in front is not doubled.
    if (!result.lines.empty()) {
        const auto appended = records.lines.end() - records.appended;
        if (const auto doubled = std::find(appended, records.lines.end(), result.lines.front());
            doubled != records.lines.end())
            records.lines.erase(doubled);
    }
    result.lines.insert(result.lines.end(), records.lines.begin(), records.lines.end());
    result.report.recordsFromDisk = static_cast<size_t>(records.changedByTheirs);
    result.report.keptTwice =
        static_cast<size_t>(std::min({records.removedByBoth, records.appended, records.addedByTheirs}));
    return result;
}

} // namespace rekko
