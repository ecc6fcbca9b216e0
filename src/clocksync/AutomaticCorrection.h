// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic clock correction of the main window: the schedule check at each tick, one retrieval at a time in the
// background, the main window marked busy while it runs.
#pragma once

#include "ClockCorrection.h"
#include "ClockCorrectionSettings.h"

#include "platform/Clock.h"
#include "platform/ClockSetter.h"
#include "platform/SingleWorker.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace rekko {

class AutomaticCorrection : public ClockCorrection {
public:
    struct Ports {
        SingleWorker& worker;
        const Clock& clock;
        ClockSetter& setter;
        RetrievalView& view;
        // Answers whether the settings window is open: no retrieval starts meanwhile.
        std::function<bool()> settingsWindowOpen;
    };

    // schedule is the main window's, saved with its settings; the settings file holds section Jikoku, read afresh
    // for each retrieval; the access log is kept in logFile.
    AutomaticCorrection(const Ports& ports, ClockCorrectionSettings& schedule, std::filesystem::path settingsFile,
                        std::filesystem::path logFile);
    ~AutomaticCorrection() override { *m_self = nullptr; }
    AutomaticCorrection(const AutomaticCorrection&) = delete;
    AutomaticCorrection& operator=(const AutomaticCorrection&) = delete;

    bool retrievalRunning() const override { return m_ports.worker.busy(); }
    bool checkSchedule(LocalDateTime now, int ticksSinceStart) override;

private:
    // Starts a retrieval unless the settings window is open or one runs: the main window is marked busy before the
    // worker starts and idle once its run has ended, whether it ended well or not. Answers whether it started.
    bool start();

    Ports m_ports;
    ClockCorrectionSettings& m_schedule;
    std::filesystem::path m_settingsFile;
    std::filesystem::path m_logFile;
    // Cleared when this goes: the end of a retrieval still running then is told to no one.
    std::shared_ptr<AutomaticCorrection*> m_self = std::make_shared<AutomaticCorrection*>(this);
};

} // namespace rekko
