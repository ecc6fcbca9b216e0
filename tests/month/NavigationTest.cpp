// SPDX-License-Identifier: GPL-3.0-or-later
// Getting around the month page: the grid's mouse rules the desktop flows do not reach (what opens a day, and
// double-clicks), and moving between months, saving and leaving an edited jumped month.
#include "calendar/Julius.h"
#include "month/GridInteraction.h"
#include "month/MonthNavigator.h"
#include "month/ScheduleStores.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <array>
#include <gtest/gtest.h>

namespace rekko {
namespace {

using Kind = GridAction::Kind;

const int32_t k3rd = EncodeJuliusDay(2024, 5, 3);
const int32_t k5th = EncodeJuliusDay(2024, 5, 5);

const auto dayLineAt = [](int32_t day) { return GridPoint{day, 2, true, Lane{'1', 4}}; };
const auto emptyAt = [](int32_t day) { return GridPoint{day, 1, true, Lane{}}; };
const auto barAt = [](int32_t day, int index) { return GridPoint{day, 1, true, Lane{'F', index}}; };

// The popup flow on the desktop takes the right click.
TEST(GridInteraction, ALeftReleaseOnADayLineOpensTheDay) {
    GridInteraction mouse;
    GridState state;
    mouse.press(MouseButton::Left, {}, dayLineAt(k3rd), state);
    const GridAction open = mouse.release(MouseButton::Left, {}, dayLineAt(k3rd), state);
    EXPECT_EQ(std::pair(open.kind, open.day), std::pair(Kind::OpenDay, k3rd));
    // An empty line opens only with Ctrl; a neighbouring month's day or a busy grid opens nothing.
    EXPECT_EQ(mouse.release(MouseButton::Left, {}, emptyAt(k3rd), state).kind, Kind::None);
    EXPECT_EQ(mouse.release(MouseButton::Left, {.ctrl = true}, emptyAt(k3rd), state).kind, Kind::OpenDay);
    GridPoint neighbour = dayLineAt(k3rd);
    neighbour.inShownMonth = false;
    EXPECT_EQ(mouse.release(MouseButton::Left, {}, neighbour, state).kind, Kind::None);
    state.suspend = true;
    EXPECT_EQ(mouse.release(MouseButton::Left, {}, dayLineAt(k3rd), state).kind, Kind::None);
}

// A right press keeps the selected period only on a day it covers, so the popup offers 削除 only there.
TEST(GridInteraction, ARightPressOffADayTheSelectedPeriodCoversClearsTheSelection) {
    GridInteraction mouse;
    GridState state;
    state.selectedPeriod = 2;
    GridPoint covered = emptyAt(k3rd);
    covered.onSelectedPeriod = true;
    mouse.press(MouseButton::Right, {}, covered, state);
    EXPECT_EQ(state.selectedPeriod, 2);
    mouse.press(MouseButton::Right, {}, emptyAt(k5th), state);
    EXPECT_EQ(state.selectedPeriod, 0);
    EXPECT_EQ(mouse.clickedDay(), k5th);
}

// Qt turns the second press of a double-click into a double-click event; the day opens once, at its release.
TEST(GridInteraction, ADoubleClickOpensTheDayOnce) {
    GridInteraction mouse;
    GridState state;
    const auto doubleClickAt = [&](const GridPoint& at) {
        mouse.press(MouseButton::Left, {}, at, state);
        const GridAction first = mouse.release(MouseButton::Left, {}, at, state);
        mouse.doubleClick(MouseButton::Left, {}, at, state);
        return std::pair{first.kind, mouse.release(MouseButton::Left, {}, at, state).kind};
    };
    // Empty days are double-clicked on the desktop in the month flow. A period bar: select, then open, as two clicks
    // do.
    EXPECT_EQ(doubleClickAt(barAt(k3rd, 4)), std::pair(Kind::None, Kind::EditPeriod));
    GridPoint neighbour = emptyAt(k3rd);
    neighbour.inShownMonth = false;
    EXPECT_EQ(doubleClickAt(neighbour).second, Kind::None);
    // On a day line the first click opens the day; the double-click adds nothing.
    EXPECT_EQ(doubleClickAt(dayLineAt(k5th)), std::pair(Kind::OpenDay, Kind::None));
}

using Result = MonthNavigator::JumpResult;

// The shell as the navigation sees it: its save all is counted, and the current directory's files may be held.
struct CountingHost : MonthShell {
    int32_t today() const override { return 0; }
    const std::string& dataFolder() const override { return folder; }
    bool writesHeld() const override { return false; }
    bool workingFolderHeld() const override { return workingHeld; }
    std::string writesHeldCause() const override { return "held"; }
    SaveReport saveAll() override {
        ++saveAllCalls;
        return {};
    }
    int saveAllCalls = 0;
    bool workingHeld = false;
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
    ScheduleBook book;
    MonthStore months{dialogs, book};
    PeriodStore periods{dialogs, copies, book};
    CountingHost host;
    MonthNavigator navigator{months, periods, dialogs, host};
};

TEST_F(Navigation, JumpingFromAnEditedFarMonthSavesFirst) {
    navigator.jump("203107");
    editJumpedMonth();
    EXPECT_EQ(navigator.jump("203108"), Result::Jumped);
    EXPECT_EQ(host.saveAllCalls, 1);
    EXPECT_FALSE(book.jumpedMonthEdited());
}

TEST_F(Navigation, LeavingAnEditedMonthAsksBeforeOverwriting) {
    navigator.jump("203107");
    editJumpedMonth();
    dir.write("Ca203107.myc", " 0,0,9,2031/ 7\r\n");
    dialogs.expect(DialogAnswer::No);
    dialogs.expect(DialogAnswer::No);
    EXPECT_EQ(navigator.thisMonth(today), Result::Refused);
    EXPECT_TRUE(navigator.jumpMode());
    EXPECT_TRUE(book.jumpedMonthEdited());
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

// Leaving the jumped month writes it merged with what another writer added meanwhile; the next save all tells of it.
TEST_F(Navigation, LeavingAJumpedMonthKeepsTheDisksLinesAndSaveAllTellsOfThem) {
    dir.write("Ca203107.myc", " 0,0,9,2031/ 7\r\n 2,1,,disk,,,,,,\r\n");
    navigator.jump("203107");
    editJumpedMonth();
    dir.write("Ca203107.myc", " 0,0,9,2031/ 7\r\n 2,1,,disk,,,,,,\r\n 9,1,,other\r\n");
    dialogs.expect(DialogAnswer::Yes);
    EXPECT_EQ(navigator.thisMonth(today), Result::InWindow);
    EXPECT_EQ(dir.read("Ca203107.myc"), " 0,0,9,2031/ 7\r\n 2,1,,disk,,,,,,\r\n 9,1,,other\r\n 1,1,,far,,,,,,\r\n");
    ScheduleStores stores(host, dialogs, book, copies);
    SaveReport report;
    stores.save(report);
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(report.mergeMessage(), "Ca203107.myc: 他で変更された日（9日）を取り込みました。");
}

// Reloading after another writer (a sync) changed the files reads the months already held again.
TEST(ScheduleStoresReload, ReadsTheMonthsHeldAgain) {
    struct TodayHost : CountingHost {
        int32_t today() const override { return EncodeJuliusDay(2024, 5, 3); }
    } host;
    test::CurrentTempDir dir; // the period file's copies go to the current directory
    host.folder = (dir.path() / "").string();
    test::ScriptedDialogs dialogs;
    std::array<std::string, 3> copies{};
    ScheduleBook book;
    ScheduleStores stores(host, dialogs, book, copies);
    stores.buildWindow();
    dialogs.expect(DialogAnswer::Ok); // the new period file is announced
    ASSERT_TRUE(stores.load().ok());
    const std::string header = book.lines(1).front();
    dir.write(stores.months().window().slot(1).fileName, header + "\r\n15,1,,synced,,,,,,\r\n");
    ASSERT_TRUE(stores.reload().ok());
    EXPECT_EQ(book.lines(1), (std::vector<std::string>{header, "15,1,,synced,,,,,,"}));
}

// The day entry takes each month's last day and refuses the day after it, in a leap year and in a century year that
// is none; day 0 is refused too.
TEST_F(Navigation, TheDayEntryTakesEachMonthsLastDayAndRefusesTheNext) {
    const std::pair<const char*, std::array<int, 12>> years[] = {
        {"1900", {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}},
        {"2024", {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}}};
    for (const auto& [year, lengths] : years) {
        for (int month = 1; month <= 12; ++month) {
            const std::string yyyymm = year + std::string(month < 10 ? "0" : "") + std::to_string(month);
            ASSERT_NE(navigator.jump(yyyymm), Result::Refused) << yyyymm;
            const int last = lengths[static_cast<size_t>(month - 1)];
            EXPECT_EQ(navigator.typedDay(std::to_string(last)), last) << yyyymm;
            dialogs.expect(DialogAnswer::Ok);
            EXPECT_EQ(navigator.typedDay(std::to_string(last + 1)), std::nullopt) << yyyymm;
            EXPECT_EQ(dialogs.shown().back().text, "[ " + std::to_string(last + 1) + " ]日は、日付に出来ません。");
        }
    }
    dialogs.expect(DialogAnswer::Ok);
    EXPECT_EQ(navigator.typedDay("0"), std::nullopt);
}

// An edited anniversary goes where the special days were read, in place of the one found; while the host holds
// the current directory's files nothing changes, in the file or in the book.
TEST_F(Navigation, AnAnniversaryIsWrittenWhereItWasReadUnlessThatFolderIsHeld) {
    test::CurrentTempDir cwd;
    cwd.write("Sday.myc", ",,1,1,,,old\r\n,,12,24,,,eve\r\n");
    EXPECT_TRUE(book.readRuleFiles().empty());
    ScheduleStores stores(host, dialogs, book, copies);
    const Anniversary found = stores.anniversaryOf(12, 24);
    EXPECT_EQ(found.text, "eve");
    Anniversary edited = found;
    edited.text = "party";
    host.workingHeld = true;
    const Status held = stores.saveAnniversary(12, 24, found, edited);
    ASSERT_FALSE(held.ok());
    EXPECT_EQ(held.error().cause, "held");
    EXPECT_EQ(cwd.read("Sday.myc"), ",,1,1,,,old\r\n,,12,24,,,eve\r\n");
    EXPECT_EQ(stores.anniversaryOf(12, 24).text, "eve");
    host.workingHeld = false;
    ASSERT_TRUE(stores.saveAnniversary(12, 24, found, edited).ok());
    EXPECT_EQ(cwd.read("Sday.myc"), ",,1,1,,,old\r\n,,12,24,,,party\r\n");
    EXPECT_EQ(stores.anniversaryOf(12, 24).text, "party");
}

} // namespace
} // namespace rekko
