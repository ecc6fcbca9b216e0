// SPDX-License-Identifier: GPL-3.0-or-later
// oldcal: computes the old-calendar table resource from astronomy and reports where the result is sensitive.
#include "GeneratorReport.h"
#include "LunisolarCalendar.h"

#include "base/AtomicWrite.h"

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

int main(int argc, char** argv) {
    using namespace rekko::oldcal;
    std::string output;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--output" && i + 1 < argc) {
            output = argv[++i];
        } else {
            std::fprintf(stderr, "usage: oldcal [--output JDOLDCAL.txt]\n"
                                 "Prints the report; with --output also writes the table resource.\n");
            return 2;
        }
    }
    try {
        const OldCalendarComputation computation = computeOldCalendar(kTableFirstDay, kTableLastDay);
        std::fputs(formatGeneratorReport(computation).c_str(), stdout);
        if (!output.empty()) {
            const rekko::Status written = rekko::WriteFileAtomically(output, formatOldMonthTable(computation));
            if (!written) {
                std::fprintf(stderr, "oldcal: %s: %s\n", output.c_str(), written.error().cause.c_str());
                return 1;
            }
            std::printf("\nWrote %s\n", output.c_str());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "oldcal: %s\n", e.what());
        return 1;
    }
    return 0;
}
