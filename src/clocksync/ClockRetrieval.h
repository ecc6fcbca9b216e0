// SPDX-License-Identifier: GPL-3.0-or-later
// The carrier of one correction run: the settings and the access log it was created with, the run and its entry.
#pragma once

#include "AccessLog.h"
#include "CorrectionRun.h"

#include <filesystem>

namespace rekko {

class ClockRetrieval {
public:
    // Takes the settings as they are now and loads the access log from the file.
    ClockRetrieval(const JikokuSettings& settings, const std::filesystem::path& logFile)
        : m_settings(settings), m_log(logFile) {}

    // Runs a correction and adds its entry to the log, trimmed to the settings' length and saved.
    RunOutcome run(RunMode mode, RunPorts& ports);

    const AccessLog& log() const { return m_log; }

private:
    JikokuSettings m_settings;
    AccessLog m_log;
};

} // namespace rekko
