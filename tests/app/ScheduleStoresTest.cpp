// The month and period stores inside month initialisation and save all of the main window's shell.
#include "app/ScheduleStores.h"

#include "FakeClock.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;

struct Program {
    Program() {
        fs::create_directory(data / "");
        folder.write("Sorel.ini", "[Settei]\r\nedFolder=" + (data / "").string() + "\r\nCaFT1=CaFT4050.mcp\r\n");
        stores.attach();
    }

    test::TempDir folder;
    test::TempDir startup;
    fs::path data = folder / "data";
    test::FakeClock clock{CalendarDate{2024, 5, 3}, TimeOfDay{9, 0, 0}};
    test::ScriptedDialogs dialogs;
    MainController controller{folder.path(), startup.path(), clock, dialogs};
    MonthGrid grid{EncodeJuliusDay(2024, 5, 3)};
    ScheduleStores stores{controller, dialogs, grid};
};

TEST(ScheduleStores, MonthInitialisationLoadsTheWindowAndThePeriodFile) {
    Program program;
    std::ofstream(program.data / "Ca202405.myc", std::ios::binary) << " 0,0,9,2024/ 5\r\n 3,1,,x,,,,,,\r\n";
    std::ofstream(program.data / "CaFromTo.myc", std::ios::binary) << "***** FromTo\x97\x5C\x92\xE8\r\n";
    ASSERT_TRUE(program.controller.initialiseMonths());
    EXPECT_EQ(program.stores.months().lines(1).size(), 2u);
    EXPECT_EQ(program.grid.monthList(0).lines, (std::vector<std::string>{" 0,0,9,2024/ 4"}));
    EXPECT_EQ(program.grid.periodList().size(), 1u);
    EXPECT_EQ(program.stores.navigator().currentSlot(), 1);
    EXPECT_TRUE(program.dialogs.shown().empty());
}

TEST(ScheduleStores, SaveAllWritesTheJumpedMonthFirstThenMonthsAndPeriods) {
    Program program;
    program.dialogs.expect(DialogAnswer::Ok); // the period file is new
    ASSERT_TRUE(program.controller.initialiseMonths());
    MonthStore& months = program.stores.months();
    program.stores.navigator().jump("203107");
    months.replaceDay(kJumpSlot, 2, DaySchedule{{"far"}, {LineAttribute{}}});
    months.replaceDay(1, 3, DaySchedule{{"near"}, {LineAttribute{}}});
    ASSERT_TRUE(program.controller.saveAll().ok());
    EXPECT_TRUE(fs::exists(program.data / "Ca203107.myc"));
    EXPECT_TRUE(fs::exists(program.data / "Ca202405.myc"));
    EXPECT_FALSE(fs::exists(program.data / "Ca202406.myc"));
    EXPECT_FALSE(months.jumpedMonthEdited);
    EXPECT_NE(program.folder.read("Sorel.ini").find("CaFT1=CaFT4050.mcp"), std::string::npos);
}

TEST(ScheduleStores, AnUnreadableMonthFailsMonthInitialisationNamingTheFile) {
    Program program;
    fs::create_directory(program.data / "Ca202406.myc");
    const Status result = program.controller.initialiseMonths();
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().path, (program.data / "Ca202406.myc").string());
    EXPECT_FALSE(result.error().cause.empty());
    EXPECT_FALSE(result.error().reported);
}

TEST(ScheduleStores, AnUnreadablePeriodFileFailsMonthInitialisationNamingTheFile) {
    Program program;
    fs::create_directory(program.data / "CaFromTo.myc");
    const Status result = program.controller.initialiseMonths();
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().path, (program.data / "CaFromTo.myc").string());
    EXPECT_TRUE(program.dialogs.shown().empty());
}

TEST(ScheduleStores, ADataFolderThatCannotBeMadeIsToldOnce) {
    Program program;
    program.folder.write("Sorel.ini", "[Settei]\r\nedFolder=/proc/rekko-test/data/\r\n");
    program.dialogs.expect(DialogAnswer::Ok); // the period file is new
    program.dialogs.expect(DialogAnswer::Ok);
    const Status result = program.controller.initialiseMonths();
    ASSERT_FALSE(result);
    EXPECT_TRUE(result.error().reported);
    ASSERT_EQ(program.dialogs.shown().size(), 2u);
    EXPECT_EQ(program.dialogs.shown()[1].text, "フォルダを作成できません。");
}

} // namespace
} // namespace rekko
