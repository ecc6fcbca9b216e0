// SPDX-License-Identifier: GPL-3.0-or-later
// oldcal: computes the old-calendar and solar-term table resources from astronomy and reports where the result is
// sensitive.
#include "GeneratorReport.h"
#include "LunisolarCalendar.h"
#include "SolarTermTable.h"

#include "base/AtomicWrite.h"

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

namespace {

bool writeTable(const std::string& path, const std::string& text) {
    if (path.empty())
        return true;
    const rekko::Status written = rekko::WriteFileAtomically(path, text);
    if (!written) {
        std::fprintf(stderr, "oldcal: %s: %s\n", path.c_str(), written.error().cause.c_str());
        return false;
    }
    std::printf("\nWrote %s\n", path.c_str());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    using namespace rekko::oldcal;
    std::string output;
    std::string termsOutput;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--output" && i + 1 < argc) {
            output = argv[++i];
        } else if (arg == "--terms" && i + 1 < argc) {
            termsOutput = argv[++i];
        } else {
            std::fprintf(stderr, "usage: oldcal [--output JDOLDCAL.txt] [--terms JDSEKKI.txt]\n"
                                 "Prints the report; with --output also writes the old-calendar table, with --terms "
                                 "the solar-term table.\n");
            return 2;
        }
    }
    try {
        const OldCalendarComputation computation = computeOldCalendar(kTableFirstDay, kTableLastDay);
        const std::vector<SolarEvent> events = computeSolarEvents(kSolarTableFirstDay, kTableLastDay);
        std::fputs(formatGeneratorReport(computation).c_str(), stdout);
        std::fputs(formatSolarTermReport(events).c_str(), stdout);
        if (!writeTable(output, formatOldMonthTable(computation)) ||
            !writeTable(termsOutput, formatSolarTermTable(events)))
            return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "oldcal: %s\n", e.what());
        return 1;
    }
    return 0;
}
