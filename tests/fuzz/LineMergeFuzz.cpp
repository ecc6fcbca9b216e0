// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the three-way merges of month files and files of records, on a base, ours and theirs separated by
// NUL bytes in the input.
#include "FuzzCheck.h"

#include "base/TextFile.h"
#include "book/LineMerge.h"
#include "schedule/LineAttribute.h"

#include <algorithm>
#include <array>

using namespace rekko;

namespace {

// The merge holds no line more often than both sides do.
bool addsNothing(const ByteLines& merged, const ByteLines& ours, const ByteLines& theirs) {
    const LineCounts o = CountLines(ours), t = CountLines(theirs);
    return std::ranges::all_of(CountLines(merged), [&](const auto& entry) {
        return entry.second <= std::max(CountOf(o, entry.first), CountOf(t, entry.first));
    });
}

// Every line a side added to the base, among those the merge places by their content, is in the merge as often.
template <class Placed>
bool keepsAdditions(const ByteLines& merged, const ByteLines& base, const ByteLines& side, Placed placed) {
    const LineCounts m = CountLines(merged), b = CountLines(base);
    return std::ranges::all_of(CountLines(side), [&](const auto& entry) {
        return !placed(entry.first) || CountOf(m, entry.first) >= entry.second - CountOf(b, entry.first);
    });
}

template <class Placed>
void checkMerge(MergeResult (*merge)(const ByteLines&, const ByteLines&, const ByteLines&), const ByteLines& base,
                const ByteLines& ours, const ByteLines& theirs, Placed placed) {
    FUZZ_CHECK(merge(base, ours, base).lines == ours);
    const bool tooShort = TooShortToMergeFrom(base.size(), theirs.size());
    FUZZ_CHECK(merge(base, base, theirs).lines == (tooShort ? base : theirs));
    FUZZ_CHECK(merge(base, ours, ours).lines == ours);
    FUZZ_CHECK(merge(base, theirs, theirs).lines == theirs);

    const MergeResult result = merge(base, ours, theirs);
    FUZZ_CHECK(result.report.diskTooShort == tooShort);
    FUZZ_CHECK(addsNothing(result.lines, ours, theirs));
    FUZZ_CHECK(keepsAdditions(result.lines, base, ours, placed));
    if (!tooShort)
        FUZZ_CHECK(keepsAdditions(result.lines, base, theirs, placed));
    // Merged again, against the same disk or with the result on disk, nothing is added twice.
    FUZZ_CHECK(merge(theirs, result.lines, theirs).lines == result.lines);
    FUZZ_CHECK(addsNothing(merge(base, ours, result.lines).lines, ours, result.lines));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes = fuzz::BytesOf(data, size);
    std::array<ByteLines, 3> sides; // base, ours, theirs
    for (ByteLines& side : sides) {
        const size_t end = std::min(bytes.find('\0'), bytes.size());
        side = LineBytes(bytes.substr(0, end));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
    }
    const auto& [base, ours, theirs] = sides;
    // Month files place the lines of days 1..31; the header and other lines follow their own rules.
    checkMerge(MergeMonthLines, base, ours, theirs, [](std::string_view line) {
        const auto day = DayOfLine(line);
        return day && *day >= 1 && *day <= 31;
    });
    checkMerge(MergeRecordLines, base, ours, theirs, [](std::string_view line) { return !line.starts_with('*'); });
    return 0;
}
