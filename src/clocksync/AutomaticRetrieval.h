// SPDX-License-Identifier: GPL-3.0-or-later
// An automatic retrieval in the background: the carrier and the run on the worker, the outcome back on the interface
// thread.
#pragma once

#include "CorrectionRun.h"

#include "platform/SingleWorker.h"

#include <filesystem>
#include <functional>

namespace rekko {

// Interface thread only. Starts an automatic correction run with the settings given on the worker unless a
// retrieval is running: the worker creates the carrier (reading the access log), fetches from the selected source,
// sets the clock and writes the log; done then runs on the interface thread with the outcome, the worker no longer
// busy, and without an outcome when the run raised an error (which is not shown). The clock and the setter must outlive
// the run. Answers whether it started.
bool StartAutomaticRetrieval(SingleWorker& worker, const JikokuSettings& settings, const std::filesystem::path& logFile,
                             const Clock& clock, ClockSetter& setter, std::function<void(const RunOutcome*)> done);

} // namespace rekko
