// SPDX-License-Identifier: GPL-3.0-or-later
// The commemoration sets merged into, removed from and stamped on the month files.
#include "CommemorationSets.h"

#include "NoCaseNames.h"

#include "base/TextFile.h"
#include "base/TextProcedures.h"
#include "files/UserFiles.h"

#include <algorithm>
#include <functional>

namespace fs = std::filesystem;

namespace rekko {

namespace {

constexpr size_t kCodedFields = 10;
constexpr size_t kCodeField = 8;
constexpr size_t kColourField = 4;

std::string Field(const std::vector<std::string>& fields, size_t index) {
    return index < fields.size() ? fields[index] : std::string();
}

std::string Joined(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i)
        line += (i > 0 ? "," : "") + fields[i];
    return line;
}

bool Duplicates(const std::vector<std::string>& present, const std::vector<std::string>& added) {
    return present.size() > 0 && Field(present, 0) == Field(added, 0) &&
           Field(present, 3).find(Field(added, 3)) != std::string::npos;
}

// The month file a set file goes into: "Ca", its year and month, ".myc"; nothing for a name of no month.
std::optional<std::string> MonthNameOf(const fs::path& setFile) {
    const std::string name = setFile.filename().string();
    const std::string month = "Ca" + name.substr(2, name.size() - 6) + ".myc";
    return IsMonthFileName(month) ? std::optional(month) : std::nullopt;
}

// Rewrites each file through change, which answers the new lines and whether the file counts; a file whose lines
// stay the same is not written, and counts all the same when change says so.
BulkRun
Rewrite(const std::vector<fs::path>& files,
        const std::function<std::pair<std::vector<std::string>, bool>(const std::vector<std::string>&)>& change) {
    BulkRun run;
    for (const fs::path& file : files) {
        Result<TextLines> read = ReadTextFile(file);
        if (!read) {
            run.stopped = read.error();
            return run;
        }
        const auto [lines, counts] = change(read.value().lines());
        if (!read.value().unchanged(lines)) {
            if (Status written = WriteTextFile(file, lines, read.value()); !written) {
                run.stopped = written.error();
                return run;
            }
            run.rewrote = true;
        }
        run.counted += counts ? 1 : 0;
    }
    return run;
}

} // namespace

std::vector<std::string> MergeCommemoration(const std::vector<std::string>& month, const std::vector<std::string>& set,
                                            const CommemorationImport& how) {
    std::vector<std::vector<std::string>> present;
    for (const std::string& line : month)
        present.push_back(SplitAt(line, ','));
    std::vector<std::string> taken;
    for (const std::string& line : set) {
        std::vector<std::string> fields = SplitAt(line, ',');
        if (how.colour && fields.size() > kColourField)
            fields[kColourField] = *how.colour;
        if (std::ranges::any_of(present, [&](const auto& kept) { return Duplicates(kept, fields); }))
            continue;
        taken.push_back(how.colour ? Joined(fields) : line);
        present.push_back(std::move(fields));
    }
    std::vector<std::string> merged = month;
    const auto at = how.insertBefore && !merged.empty() ? merged.begin() + 1 : merged.end();
    merged.insert(at, taken.begin(), taken.end());
    return merged;
}

std::vector<std::string> WithoutDeleteCode(const std::vector<std::string>& lines, int code) {
    std::vector<std::string> kept;
    for (const std::string& line : lines) {
        const std::vector<std::string> fields = SplitAt(line, ',');
        if (fields.size() < kCodedFields || DeleteCodeOf(fields[kCodeField]) != code)
            kept.push_back(line);
    }
    return kept;
}

std::vector<std::string> WithDeleteCode(const std::vector<std::string>& lines, int code) {
    std::vector<std::string> stamped;
    for (const std::string& line : lines) {
        std::vector<std::string> fields = SplitAt(line, ',');
        if (fields.size() < kCodedFields) {
            stamped.push_back(line);
            continue;
        }
        fields[kCodeField] = std::to_string(code);
        stamped.push_back(Joined(fields));
    }
    return stamped;
}

int DeleteCodeOf(std::string_view text) {
    return FieldInteger(text).value_or(-1);
}

fs::path CommemorationFolder(const fs::path& working, const fs::path& program) {
    return FilesMatching(working, kCommemorationFilePattern).empty() ? program : working;
}

BulkRun ImportCommemorations(const fs::path& setFolder, const std::string& dataFolder, const CommemorationImport& how) {
    BulkRun run;
    for (const fs::path& setFile : FilesMatching(setFolder, kCommemorationFilePattern)) {
        const std::optional<std::string> monthName = MonthNameOf(setFile);
        if (!monthName)
            continue;
        Result<TextLines> set = ReadTextFile(setFile);
        if (!set) {
            run.stopped = set.error();
            return run;
        }
        const fs::path target = DataFolderPath(dataFolder) / *monthName;
        std::error_code error;
        Status written = Success();
        if (!fs::exists(target, error)) {
            written = WriteTextFile(target, set.value().lines(), set.value());
        } else if (Result<TextLines> month = ReadTextFile(target); !month) {
            written = month.error();
        } else {
            written = WriteTextFile(target, MergeCommemoration(month.value().lines(), set.value().lines(), how),
                                    month.value());
        }
        if (!written) {
            run.stopped = written.error();
            return run;
        }
        run.rewrote = true;
        if (!fs::remove(setFile, error) || error) {
            run.stopped = Failure{error ? error.message() : "not removed", setFile.string()};
            return run;
        }
        ++run.counted;
    }
    return run;
}

BulkRun DeleteCommemorations(const std::string& dataFolder, int code) {
    return Rewrite(FilesMatching(DataFolderPath(dataFolder), kMonthFilePattern), [code](const auto& lines) {
        std::vector<std::string> kept = WithoutDeleteCode(lines, code);
        const bool lost = kept.size() < lines.size();
        return std::pair{std::move(kept), lost};
    });
}

BulkRun StampDeleteCode(const fs::path& folder, std::string_view pattern, int code) {
    return Rewrite(FilesMatching(folder, pattern), [code](const auto& lines) {
        return std::pair{WithDeleteCode(lines, code), true};
    });
}

} // namespace rekko
