// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the heavy user's data folder.
#include "HeavyData.h"

#include "base/TextFile.h"
#include "book/ScheduleBook.h"
#include "files/UserFiles.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace rekko::bench {

namespace fs = std::filesystem;

namespace {

constexpr int kMonths = 600;
constexpr int kLinesPerMonth = 500;
constexpr int kPeriods = 10000;
constexpr size_t kMemoBytes = 30000;
constexpr int kAnniversaries = 300;

const char* const kColours[] = {"", "clRed", "clBlue", "clGreen"};

std::vector<std::string> monthLines(int year, int month) {
    std::vector<std::string> lines{MonthFileHeader(year, month)};
    for (int i = 1; i < kLinesPerMonth; ++i) {
        const int day = i % 28 + 1;
        std::string text = "打合せ " + std::to_string(9 + i % 9) + ":00 第" + std::to_string(i) + "会議室";
        lines.push_back((day < 10 ? " " : "") + std::to_string(day) + "," + std::to_string(i / 28 + 1) + ",," + text +
                        "," + kColours[i % 4] + ",,,,,");
    }
    return lines;
}

std::vector<std::string> periodLines(int months, int periods) {
    std::vector<std::string> lines{kPeriodFileHeader};
    for (int i = 0; i < periods; ++i) {
        // Spread over the months, each a few days long within one month.
        const int monthIndex = kMonths - months + i % months;
        const int year = kHeavyLastYear - (kMonths - 1 - monthIndex) / 12;
        const int month = monthIndex % 12 + 1;
        const int from = i % 20 + 1;
        const std::string y = std::to_string(year), m = std::to_string(month);
        lines.push_back(y + "," + m + "," + std::to_string(from) + ",M," + y + "," + m + "," +
                        std::to_string(from + 5) + ",E," + y + "," + m + "," + std::to_string(from + 2) + "," +
                        std::to_string(i % 3 + 1) + "," + kColours[i % 3 + 1] + ",研修" + std::to_string(i));
    }
    return lines;
}

// Lines of 24 full-width characters (48 bytes and CR LF each) up to the memo's size.
std::vector<std::string> memoLines() {
    std::vector<std::string> lines;
    for (size_t bytes = 0; bytes + 50 <= kMemoBytes; bytes += 50) {
        std::string line;
        for (int i = 0; i < 12; ++i)
            line += "覚書";
        lines.push_back(line);
    }
    return lines;
}

} // namespace

std::vector<std::string> HeavyAnniversaryLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < kAnniversaries; ++i) {
        const std::string month = std::to_string(i % 12 + 1), day = std::to_string(i % 28 + 1);
        lines.push_back(i % 2 ? month + "," + day + ",記念日" + std::to_string(i)
                              : std::to_string(1950 + i % 70) + ",," + month + "," + day + ",,,誕生日" +
                                    std::to_string(i));
    }
    return lines;
}

Status WriteHeavyMonths(const fs::path& folder, int months, int periods) {
    std::error_code error;
    fs::create_directories(folder, error);
    for (int index = kMonths - months; index < kMonths; ++index) {
        const int monthNumber = kHeavyLastYear * 12 + kHeavyLastMonth - 1 - (kMonths - 1 - index);
        const int year = monthNumber / 12, month = monthNumber % 12 + 1;
        if (Status written = WriteTextFile(folder / MonthFileName(year, month), monthLines(year, month)); !written)
            return written;
    }
    return WriteTextFile(folder / kPeriodFileName, periodLines(months, periods));
}

Status WriteHeavyDataFolder(const fs::path& folder) {
    if (Status written = WriteHeavyMonths(folder, kMonths, kPeriods); !written)
        return written;
    if (Status written = WriteTextFile(folder / kMemoFileName, memoLines()); !written)
        return written;
    return WriteTextFile(folder / kSpecialDayFileName, HeavyAnniversaryLines());
}

fs::path HeavyDataFolder() {
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "rekko-heavy-XXXXXX").string();
        const fs::path dir = ::mkdtemp(pattern.data());
        if (!WriteHeavyDataFolder(dir))
            std::abort();
        return dir;
    }();
    return folder;
}

} // namespace rekko::bench
