// SPDX-License-Identifier: GPL-3.0-or-later
// Moving between months: saving and leaving an edited jumped month.
#include "month/MonthNavigator.h"

#include "calendar/Julius.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using Result = MonthNavigator::JumpResult;

// The shell as the navigation sees it: only its save all is used, and counted.
struct CountingHost : MonthHost {
    int32_t today() const override { return 0; }
    const std::string& dataFolder() const override { return folder; }
    bool writesHeld() const override { return false; }
    SaveReport saveAll() override {
        ++saveAllCalls;
        return {};
    }
    int saveAllCalls = 0;
    std::string folder;
};

class Navigation : public ::testing::Test {
protected:
    Navigation() {
        months.setDataFolder(dir.path());
        months.buildWindow(today);
        for (int i = 0; i < 5; ++i)
            EXPECT_TRUE(months.loadSlot(i).ok());
        dialogs.expect(DialogAnswer::Ok); // the new period file is announced
        periods.load(dir.path(), 2024, 5, 3);
        navigator.reset();
    }

    void editJumpedMonth() { months.replaceDay(kJumpSlot, 1, DaySchedule{{"far"}, {LineAttribute{}}}); }

    const int32_t today = EncodeJuliusDay(2024, 5, 3);
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    std::array<std::string, 3> copies{};
    MonthGrid grid{today};
    MonthStore months{dialogs, grid};
    PeriodStore periods{dialogs, copies, grid};
    CountingHost host;
    MonthNavigator navigator{months, periods, dialogs, host};
};

TEST_F(Navigation, JumpingFromAnEditedFarMonthSavesFirst) {
    navigator.jump("203107");
    editJumpedMonth();
    EXPECT_EQ(navigator.jump("203108"), Result::Jumped);
    EXPECT_EQ(host.saveAllCalls, 1);
    EXPECT_FALSE(months.jumpedMonthEdited);
}

TEST_F(Navigation, LeavingAnEditedMonthAsksBeforeOverwriting) {
    navigator.jump("203107");
    editJumpedMonth();
    dir.write("Ca203107.myc", " 0,0,9,2031/ 7\r\n");
    dialogs.expect(DialogAnswer::No);
    dialogs.expect(DialogAnswer::No);
    EXPECT_EQ(navigator.thisMonth(today), Result::Refused);
    EXPECT_TRUE(navigator.jumpMode());
    EXPECT_TRUE(months.jumpedMonthEdited);
    EXPECT_EQ(dialogs.shown()[1].text, "2031. 7 のファイルは存在します。上書きしますか？");
    EXPECT_EQ(dialogs.shown()[2].text, "今回の入力修正は消えてしまいますがいいのですか？");

    dialogs.expect(DialogAnswer::Yes);
    EXPECT_EQ(navigator.thisMonth(today), Result::InWindow);
    EXPECT_EQ(dir.read("Ca203107.myc"), " 0,0,9,2031/ 7\r\n 1,1,,far,,,,,,\r\n");
    EXPECT_FALSE(navigator.jumpMode());
}

TEST_F(Navigation, LeavingWritesANewJumpedMonthWithoutAsking) {
    navigator.typedMonth("203107");
    editJumpedMonth();
    navigator.standardDisplay();
    EXPECT_EQ(navigator.currentSlot(), 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "Ca203107.myc"));
}

} // namespace
} // namespace rekko
