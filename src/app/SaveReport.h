// What a save could not write, and the message that names it.
#pragma once

#include "calendar/Result.h"

#include <string>
#include <vector>

namespace rekko {

struct SaveReport {
    std::vector<Failure> failures;
    bool ok() const { return failures.empty(); }
    // Adds the failure of a status that failed.
    void add(const Status& status) {
        if (!status)
            failures.push_back(status.error());
    }
    // Returns the message naming each file or store that was not written and why.
    std::string message() const;
};

} // namespace rekko
