// SPDX-License-Identifier: GPL-3.0-or-later
// The name rules of the user's files: the month-file name and its recogniser, and which names the program writes.
#include "files/UserFiles.h"

#include <gtest/gtest.h>

#include <utility>

namespace rekko {
namespace {

TEST(UserFiles, MonthFileNamesAreRecognisedAsTheyAreMade) {
    for (const auto& [year, month] : {std::pair{2026, 12}, {1, 1}, {-5, 3}, {9999, 12}}) {
        const std::string name = MonthFileName(year, month);
        EXPECT_TRUE(IsMonthFileName(name)) << name;
    }
    EXPECT_EQ(MonthFileName(2026, 3), "Ca202603.myc");
    EXPECT_EQ(MonthFileName(-5, 3), "Ca-000503.myc");
    for (const char* other :
         {"Ca20260.myc", "Ca2026012.myc", "Ca2026ab.myc", "Ca202601.myd", "Cb202601.myc", "Ca--20261.myc", "Ca.myc"})
        EXPECT_FALSE(IsMonthFileName(other)) << other;
}

TEST(UserFiles, WrittenNamesAreTheSettingsAndTheDataFiles) {
    for (const char* written :
         {"Sorel.ini", "CaFromTo.myc", "CaMemo.myc", "Sday.myc", "Ca202601.myc", "CaFT6120.mcp", "CaSync.myc"})
        EXPECT_TRUE(IsWrittenFileName(written)) << written;
    for (const char* other : {"Hday.dat", "Cmr.myc", "User.myc", "SorelSte.myd", "ReadMe.txt", "CaFT612.mcp"})
        EXPECT_FALSE(IsWrittenFileName(other)) << other;
}

} // namespace
} // namespace rekko
