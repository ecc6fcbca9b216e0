// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the benchmarks' sample data folder.
#include "SampleData.h"

#include "base/TextFile.h"
#include "calendar/Julius.h"
#include "month/MonthWindow.h"
#include "month/PeriodStore.h"

#include <cstdlib>
#include <string>

namespace rekko::bench {

namespace fs = std::filesystem;

const int32_t kSampleToday = EncodeJuliusDay(2026, 12, 6);

fs::path SampleDataFolder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "rekko-bench-XXXXXX").string();
        const fs::path dir = ::mkdtemp(pattern.data());
        MonthWindow window;
        window.build(kSampleToday);
        for (int slot = 0; slot < 5; ++slot) {
            const auto& month = window.slot(slot);
            std::vector<std::string> text{MonthFileHeader(month.year, month.month)};
            for (int i = 0; i < 499; ++i)
                text.push_back(std::to_string(i % 28 + 1) + "," + std::to_string(i / 28 + 1) + ",,打合せ 10:00 第" +
                               std::to_string(i) + "会議室,clRed,,,,,");
            (void)WriteTextFile(dir / month.fileName, text);
        }
        std::vector<std::string> periods{kPeriodFileHeader};
        for (int i = 0; i < 1000; ++i)
            periods.push_back("2026,12, 1,M,2026,12, 9,E,2026,12, 5,2,clBlue,研修" + std::to_string(i));
        (void)WriteTextFile(dir / kPeriodFileName, periods);
        return dir;
    }();
    return folder;
}

} // namespace rekko::bench
