// SPDX-License-Identifier: GPL-3.0-or-later
// The process port: starting a sibling program that runs on its own.
#pragma once

#include "base/Result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace rekko {

// Shown when a sibling program cannot be started.
inline constexpr const char* kProcessFailedMessage = "プロセスの生成に失敗しました";

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    // Starts a program with the arguments in the working folder (empty: this process's) and returns without waiting
    // for it; fails with the cause when the program cannot be started.
    virtual Status start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                         const std::filesystem::path& workingFolder) = 0;
};

// Starts the program as a grandchild that inherits no files but the standard ones, no blocked or ignored signals,
// and no parent to wait for it: the child in between ends at once, so a program resident for weeks leaves no
// zombies behind.
class DetachedProgramStarter : public ProgramStarter {
public:
    Status start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                 const std::filesystem::path& workingFolder) override;
};

} // namespace rekko
