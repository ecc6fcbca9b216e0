// SPDX-License-Identifier: GPL-3.0-or-later
// A program starter that starts nothing and keeps what it was asked to start.
#pragma once

#include "platform/ProgramStarter.h"

namespace rekko::test {

struct RecordingStarter : ProgramStarter {
    struct Start {
        std::filesystem::path program;
        std::vector<std::string> arguments;
        std::filesystem::path workingFolder;
    };
    std::vector<Start> starts;
    Status answer = Success();

    Status start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                 const std::filesystem::path& workingFolder) override {
        starts.push_back({program, arguments, workingFolder});
        return answer;
    }
};

} // namespace rekko::test
