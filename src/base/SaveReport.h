// SPDX-License-Identifier: GPL-3.0-or-later
// What a save could not write, and the message that names it.
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

    std::vector<Failure> failures;
    std::vector<Rescuable> rescuable;

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
};

} // namespace rekko
