// SPDX-License-Identifier: GPL-3.0-or-later
// Each file of the sample data folder, loaded through its store and saved again, comes back byte for byte.
#include "month/MonthStore.h"
#include "month/PeriodStore.h"

#include "base/TextFile.h"
#include "calendar/Julius.h"
#include "calendar/RuleFiles.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <array>

namespace rekko {
namespace {

class SampleRoundTrip : public ::testing::TestWithParam<const char*> {
protected:
    std::filesystem::path sample() const { return test::TestDataDir() / "sample" / GetParam(); }

    // Loads the sample file through its store and saves it into out; returns the path written.
    std::filesystem::path roundTrip() {
        const std::string name = GetParam();
        const std::filesystem::path folder = test::TestDataDir() / "sample";
        if (name == kSpecialDayFileName) {
            DayRules rules;
            EXPECT_EQ(RuleFile(RuleList::SpecialDays, folder / name).load(rules), std::nullopt);
            EXPECT_TRUE(RuleFile(RuleList::SpecialDays, out / name).save(rules.specialDayList()).ok());
            return out / name;
        }
        if (name == kPeriodFileName) {
            PeriodStore store{dialogs, copies, grid};
            EXPECT_EQ(store.load(folder, 2026, 12, 15, false), PeriodStore::LoadOutcome::Loaded);
            return store.rescue(out.path()).value();
        }
        MonthStore store{dialogs, grid};
        store.setDataFolder(folder);
        store.buildWindow(EncodeJuliusDay(2026, 12, 15));
        const int year = std::stoi(name.substr(2, 4));
        const int slot = store.window().findSlot(year, std::stoi(name.substr(6, 2)));
        EXPECT_GE(slot, 0) << name << " lies outside the month window";
        EXPECT_TRUE(store.loadSlot(slot).ok());
        return store.rescueSlot(slot, out.path()).value();
    }

    test::TempDir out;
    test::ScriptedDialogs dialogs;
    std::array<std::string, 3> copies;
    MonthGrid grid{EncodeJuliusDay(2026, 12, 15)};
};

TEST_P(SampleRoundTrip, SavesTheBytesItLoaded) {
    const std::string original = ReadFileBytes(sample()).value();
    ASSERT_FALSE(original.empty());
    EXPECT_EQ(ReadFileBytes(roundTrip()).value(), original);
}

INSTANTIATE_TEST_SUITE_P(SampleFolder, SampleRoundTrip,
                         ::testing::Values("Ca202611.myc", "Ca202612.myc", "Ca202701.myc", "CaFromTo.myc", "Sday.myc"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                             std::string name = param.param;
                             return name.substr(0, name.find('.'));
                         });

} // namespace
} // namespace rekko
