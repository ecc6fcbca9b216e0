// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the disk before a write and right before its rename, merging with it and writing the result.
#include "MergingWrite.h"

#include "base/AtomicWrite.h"
#include "base/FileEntry.h"

namespace rekko {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The disk as read: nothing for a missing file.
using Disk = std::optional<std::string>;

Result<Disk> readDisk(const std::filesystem::path& path) {
    if (!FileEntryExists(path))
        return Disk();
    auto bytes = ReadFileBytes(path);
    if (!bytes)
        return bytes.error();
    return Disk(std::move(bytes.value()));
}

// What to write against one reading of the disk.
struct Plan {
    std::string bytes;
    MergeReport report;
    bool merged = false; // the lines written are not ours
};

Plan planFor(const TextLines& base, const std::string& oursBytes, const Disk& disk, LineMerger merger) {
    Plan plan;
    if (!disk) {
        plan.bytes = oursBytes;
        return plan;
    }
    const ByteLines theirs = LineBytes(*disk);
    const ByteLines baseLines = base.lineBytes();
    if (theirs == baseLines) {
        plan.bytes = oursBytes;
        return plan;
    }
    const ByteLines ours = LineBytes(oursBytes);
    const MergeResult merge = merger(baseLines, ours, theirs);
    plan.report = merge.report;
    if (merge.report.diskTooShort) {
        plan.bytes = oursBytes;
        return plan;
    }
    plan.merged = merge.lines != ours;
    for (const std::string_view line : merge.lines)
        (plan.bytes += line) += kLineEnd;
    plan.bytes += std::string_view(*disk).substr(std::min(disk->find('\x1A'), disk->size()));
    return plan;
}

} // namespace

MergingWrite WriteMerging(const std::filesystem::path& path, const TextLines& base, std::span<const std::string> ours,
                          LineMerger merger) {
    MergingWrite result;
    auto oursBytes = base.compose(ours);
    if (!oursBytes) {
        Failure failure = oursBytes.error();
        failure.path = path.string();
        result.status = failure;
        return result;
    }
    auto disk = readDisk(path);
    if (!disk) {
        result.status = disk.error();
        return result;
    }
    Disk seen = std::move(disk.value());
    Plan plan = planFor(base, oursBytes.value(), seen, merger);
    // The disk read once more right before the rename: a change meanwhile is merged with as well.
    const BeforeRename recheck = [&]() -> std::optional<std::string> {
        auto again = readDisk(path);
        if (!again || again.value() == seen)
            return std::nullopt;
        seen = std::move(again.value());
        plan = planFor(base, oursBytes.value(), seen, merger);
        return plan.bytes;
    };
    result.status = WriteFileAtomically(path, plan.bytes, std::nullopt, recheck);
    result.report = plan.report;
    if (plan.report.diskTooShort)
        result.setAside = *seen;
    if (plan.merged)
        result.mergedLines = ParseTextBytes(plan.bytes).lines();
    if (result.status)
        result.held = ParseTextBytes(plan.bytes);
    else if (plan.merged)
        result.held = ParseTextBytes(*seen);
    return result;
}

} // namespace rekko
