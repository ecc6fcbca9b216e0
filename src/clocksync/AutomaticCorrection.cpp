// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule check and the start of an automatic retrieval.
#include "AutomaticCorrection.h"

#include "AutomaticRetrieval.h"
#include "ClockSchedule.h"
#include "JikokuFile.h"

namespace rekko {

AutomaticCorrection::AutomaticCorrection(const Ports& ports, ClockCorrectionSettings& schedule,
                                         std::filesystem::path settingsFile, std::filesystem::path logFile)
    : m_ports(ports), m_schedule(schedule), m_settingsFile(std::move(settingsFile)), m_logFile(std::move(logFile)) {}

bool AutomaticCorrection::checkSchedule(LocalDateTime now, int ticksSinceStart) {
    if (retrievalRunning() || !RetrievalDue(m_schedule, now, ticksSinceStart))
        return false;
    if (!start())
        RetrievalRefused(m_schedule);
    return true;
}

bool AutomaticCorrection::start() {
    if (m_ports.settingsWindowOpen && m_ports.settingsWindowOpen())
        return false;
    // The carrier takes the settings as the file holds them now; only the settings window writes them back.
    const JikokuSettings settings = ReadJikokuKeys(m_settingsFile, m_ports.clock.now()).values();
    const bool started = StartAutomaticRetrieval(m_ports.worker, settings, m_logFile, m_ports.clock, m_ports.setter,
                                                 [self = m_self](const RunOutcome*) {
                                                     if (*self)
                                                         (*self)->m_ports.view.showRetrieval(false);
                                                 });
    if (started)
        m_ports.view.showRetrieval(true);
    return started;
}

} // namespace rekko
