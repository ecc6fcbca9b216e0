// SPDX-License-Identifier: GPL-3.0-or-later
// Starting an automatic retrieval on the single worker.
#include "AutomaticRetrieval.h"

#include "ClockRetrieval.h"
#include "TimeSources.h"

#include <memory>

namespace rekko {

bool StartAutomaticRetrieval(SingleWorker& worker, const JikokuSettings& settings, const std::filesystem::path& logFile,
                             const Clock& clock, ClockSetter& setter, std::function<void(const RunOutcome*)> done) {
    return worker.start([settings, logFile, &clock, &setter, done = std::move(done)]() -> std::function<void()> {
        std::shared_ptr<const RunOutcome> outcome;
        try {
            ClockRetrieval carrier(settings, logFile);
            const auto source = MakeTimeSource(SourceAddress(settings, SelectedSource(settings)), clock);
            RunPorts ports{clock, *source, setter};
            outcome = std::make_shared<const RunOutcome>(carrier.run(RunMode::Automatic, ports));
        } catch (...) {
            // An error of an automatic run is not shown; the entry written so far is its only trace.
        }
        return [done, outcome] {
            if (done)
                done(outcome.get());
        };
    });
}

} // namespace rekko
