// SPDX-License-Identifier: GPL-3.0-or-later
// What a save could not write, and the message that names it; what a save merged from the disk.
#pragma once

#include "Result.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace rekko {

// Writes what a store could not save into the given folder, under the file's own name, and answers the copy's path.
using RescueWrite = std::function<Result<std::filesystem::path>(const std::filesystem::path& folder)>;

struct SaveReport {
    // A file of the user's data that was not saved, and how to write its content elsewhere.
    struct Rescuable {
        std::string file;
        RescueWrite write;
    };

    // A file written after merging what changed on disk since it was read: what happened, and how to keep the
    // disk's content that was not merged from, if any.
    struct Merged {
        std::string file;
        std::string note;
        RescueWrite setAside;
    };

    std::vector<Failure> failures;
    std::vector<Rescuable> rescuable;
    std::vector<Merged> merged;

    bool ok() const { return failures.empty(); }
    // Adds the failure of a status that failed.
    void add(const Status& status) {
        if (!status)
            failures.push_back(status.error());
    }
    // Runs one save of save all: a failure, or an exception's text as its cause, is added under the save's name when
    // it names no file, with the rescue of its content when there is one.
    void run(const std::string& name, const std::function<Status()>& save, RescueWrite rescue = {});
    // Returns the message naming each file or store that was not written and why.
    std::string message() const;
    // Returns the message naming each file merged and what happened to it; empty when none was.
    std::string mergeMessage() const;
};

} // namespace rekko
