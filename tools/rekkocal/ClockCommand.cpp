// SPDX-License-Identifier: GPL-3.0-or-later
// The clock command: one fetch of the time from a source, its difference to this machine's clock and the access-log
// lines a correction run would write; the clock is never set.
#include "Arguments.h"
#include "CommandSet.h"
#include "DataFolder.h"

#include "base/ProfileFile.h"
#include "calendar/Julius.h"
#include "clocksync/CorrectionRun.h"
#include "clocksync/HttpAddress.h"
#include "clocksync/TimeSources.h"
#include "files/UserFiles.h"

#include <cstdio>

namespace rekko::cli {

namespace {

// Stands in for the clock setter: reports the clock set, as a run would, and leaves it alone.
class DryRunSetter : public ClockSetter {
public:
    bool set(LocalDateTime, bool) override { return true; }
};

// Returns the settings that select the source: a choice of the settings window by number (the user's server
// addresses from "Sorel.ini"), or an address used as the first user server.
JikokuSettings SourceSettings(const std::string& argument, const Environment& environment) {
    JikokuSettings settings;
    settings.rbJapan = false;
    if (argument.size() == 1 && argument[0] >= '1' && argument[0] <= '5') {
        auto profile = ProfileFile::Load(environment.programFolder / kSettingsFileName);
        if (!profile)
            throw DataError(kSettingsFileName + (": " + profile.error().cause));
        settings.edtWebSV1 = profile.value().readString("Jikoku", "edtWebSV1").value_or("");
        settings.edtWebSV2 = profile.value().readString("Jikoku", "edtWebSV2").value_or("");
        bool* choices[] = {&settings.rbJapan, &settings.rbTamaru1, &settings.rbTamaru2, &settings.rbWebSV1,
                           &settings.rbWebSV2};
        *choices[argument[0] - '1'] = true;
        return settings;
    }
    if (auto address = ParseSourceAddress(argument); !address)
        throw UsageError("clock: " + address.error().cause +
                         " (SOURCE is 1..5, http://host[:port]/path or "
                         "ntp://host[:port])");
    settings.rbWebSV1 = true;
    settings.edtWebSV1 = argument;
    return settings;
}

std::string JapanTimeText(LocalDateTime utc) {
    const LocalDateTime japan = utc + Clock::kJapanHoursAheadOfUtc / 24.0;
    const CalendarDate date = DateOf(japan);
    const TimeOfDay time = TimeOf(japan);
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d.%03d JST", date.year, date.month, date.day,
                  time.hour, time.minute, time.second, time.millisecond);
    return text;
}

} // namespace

int clockCommand(const Args& args, const Environment& environment, Terminal& terminal) {
    ExpectCount(args, 1, 1, "clock SOURCE");
    const JikokuSettings settings = SourceSettings(args[0], environment);
    const std::string address = SourceAddress(settings, SelectedSource(settings));
    auto source = MakeTimeSource(address, environment.clock);
    DryRunSetter setter;
    RunPorts ports{environment.clock, *source, setter};
    const RunOutcome outcome = RunCorrection(RunMode::Automatic, settings, ports);
    if (!outcome.difference) {
        terminal.err << "rekkocal: no time from " << (address.empty() ? "an empty address" : address) << ": "
                     << outcome.failure << '\n';
        return kExitData;
    }
    char difference[32];
    std::snprintf(difference, sizeof difference, "%.4f",
                  static_cast<double>(*outcome.difference) / kDifferenceUnitsPerSecond);
    terminal.out << "difference: " << difference << " s (this clock minus the source's)\n"
                 << "source time: " << JapanTimeText(*outcome.fetched) << '\n'
                 << "log:";
    // The entry's lines, which end in CR LF in the log file, each on a line of its own.
    for (size_t at = 0, next = 0; next != std::string::npos; at = next + 2) {
        next = outcome.entry.find("\r\n", at);
        terminal.out << outcome.entry.substr(at, next - at) << '\n';
    }
    return kExitOk;
}

} // namespace rekko::cli
