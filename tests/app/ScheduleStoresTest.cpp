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

TEST(ScheduleStores, AnUnreadableMonthFailsMonthInitialisation) {
    Program program;
    fs::create_directory(program.data / "Ca202406.myc");
    EXPECT_FALSE(program.controller.initialiseMonths());
}

// A settings file that cannot be read: the user is asked, and going on with the defaults (the current directory as
// data folder) writes, creates and copies nothing until a data folder is chosen; edited files are reported.
TEST(ScheduleStores, AnUnreadableSettingsFileTouchesNoFileUntilADataFolderIsChosen) {
    test::TempDir cwd;
    const fs::path previous = fs::current_path();
    fs::current_path(cwd.path());
    Program program;
    fs::remove(program.folder / "Sorel.ini");
    fs::create_directory(program.folder / "Sorel.ini");
    const std::string may = " 0,0,9,2024/ 5\n 3,1,,x,,,,,,";
    cwd.write("Ca202405.myc", may);
    program.dialogs.expect(DialogAnswer::Yes);
    ASSERT_TRUE(program.controller.initialiseMonths());
    ASSERT_EQ(program.dialogs.shown().size(), 1u);
    const std::string question = program.dialogs.shown()[0].text;
    EXPECT_EQ(
        question.rfind("設定ファイルを読み込めません。\r\n" + (program.folder / "Sorel.ini").string() + "\r\n", 0), 0u)
        << question;
    EXPECT_NE(question.find("既定の設定で続けますか？"), std::string::npos);
    EXPECT_EQ(program.stores.months().lines(1).size(), 2u);
    EXPECT_TRUE(program.controller.saveAll().ok());

    program.stores.months().replaceDay(1, 4, DaySchedule{{"y"}, {LineAttribute{}}});
    const SaveReport held = program.controller.saveAll();
    ASSERT_EQ(held.failures.size(), 1u);
    EXPECT_EQ(held.failures[0].path, "Ca202405.myc");
    EXPECT_EQ(held.failures[0].cause, kWritesHeldCause);
    EXPECT_EQ(cwd.read("Ca202405.myc"), may);
    EXPECT_EQ(std::distance(fs::directory_iterator(cwd.path()), fs::directory_iterator()), 1);

    program.controller.dataFolderChosen();
    const SaveReport chosen = program.controller.saveAll();
    fs::current_path(previous);
    ASSERT_EQ(chosen.failures.size(), 1u); // the settings file, a folder, cannot be replaced
    EXPECT_EQ(chosen.failures[0].path, (program.folder / "Sorel.ini").string());
    EXPECT_EQ(cwd.read("Ca202405.myc"), " 0,0,9,2024/ 5\r\n 3,1,,x,,,,,,\r\n 4,1,,y,,,,,,\r\n");
}

TEST(ScheduleStores, DecliningToGoOnWithoutTheSettingsEndsTheStart) {
    Program program;
    fs::remove(program.folder / "Sorel.ini");
    fs::create_directory(program.folder / "Sorel.ini");
    program.dialogs.expect(DialogAnswer::No);
    EXPECT_FALSE(program.controller.initialiseMonths());
    EXPECT_TRUE(program.controller.startDeclined());
    EXPECT_FALSE(fs::exists(program.data / "CaFromTo.myc"));
    EXPECT_EQ(program.dialogs.shown().size(), 1u);
}

} // namespace
} // namespace rekko
