// SPDX-License-Identifier: GPL-3.0-or-later
// A correction run with its access-log entry stored.
#include "ClockRetrieval.h"

namespace rekko {

RunOutcome ClockRetrieval::run(RunMode mode, RunPorts& ports) {
    RunOutcome outcome = RunCorrection(mode, m_settings, ports);
    m_log.add(outcome.entry, m_settings.udGyou);
    // The log is a record only: a file that cannot be written does not change the run's outcome.
    (void)m_log.save();
    return outcome;
}

} // namespace rekko
