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
    MainController controller{folder.path(), startup.path(), clock, dialogs, folder / "rescue"};
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

TEST(ScheduleStores, LinkedDataFilesStayLinksAndABrokenLinkIsNeverTakenForMissing) {
    Program program;
    const fs::path store = program.folder / "store";
    fs::create_directory(store);
    std::ofstream(store / "may.myc", std::ios::binary) << " 0,0,9,2024/ 5\r\n";
    std::ofstream(store / "periods.myc", std::ios::binary) << "***** FromTo\x97\x5C\x92\xE8\r\n";
    fs::rename(program.folder / "Sorel.ini", store / "Sorel.ini");
    fs::create_symlink(store / "may.myc", program.data / "Ca202405.myc");
    fs::create_symlink(store / "periods.myc", program.data / "CaFromTo.myc");
    fs::create_symlink(store / "Sorel.ini", program.folder / "Sorel.ini");
    ASSERT_TRUE(program.controller.initialiseMonths());
    program.stores.months().replaceDay(1, 3, DaySchedule{{"linked"}, {LineAttribute{}}});
    ASSERT_TRUE(program.controller.saveAll().ok());
    for (const fs::path& link :
         {program.data / "Ca202405.myc", program.data / "CaFromTo.myc", program.folder / "Sorel.ini"})
        EXPECT_TRUE(fs::is_symlink(link)) << link;
    EXPECT_NE(program.folder.read("store/may.myc").find(" 3,1,,linked,"), std::string::npos);
    EXPECT_NE(program.folder.read("store/Sorel.ini").find("\r\ncbJigen=1\r\n"), std::string::npos);

    // A period-file link whose target is gone is unreadable: no "missing" message, no new file.
    Program broken;
    fs::create_symlink(broken.folder / "gone" / "CaFromTo.myc", broken.data / "CaFromTo.myc");
    EXPECT_FALSE(broken.controller.initialiseMonths());
    EXPECT_TRUE(broken.dialogs.shown().empty());
    EXPECT_TRUE(fs::is_symlink(broken.data / "CaFromTo.myc"));
    EXPECT_FALSE(fs::exists(broken.folder / "gone"));
}

TEST(ScheduleStores, WhatAnUnattendedEndCouldNotSaveIsRescuedAndAnnouncedOnce) {
    Program program;
    std::ofstream(program.data / "Ca202405.myc", std::ios::binary) << " 0,0,9,2024/ 5\r\n 1,1,,old,,,,,,\r\n";
    std::ofstream(program.data / "Ca202406.myc", std::ios::binary)
        << " 0,0,9,2024/ 6\r\n 1,1,,a,,,,,,\r\n 2,1,,b,,,,,,\r\n 3,1,,c,,,,,,\r\n";
    std::ofstream(program.data / "CaFromTo.myc", std::ios::binary) << "***** FromTo\x97\x5C\x92\xE8\r\n";
    ASSERT_TRUE(program.controller.initialiseMonths());
    program.stores.months().replaceDay(1, 3, DaySchedule{{"rescue me"}, {LineAttribute{}}});
    program.grid.editMonthList(2, [](std::vector<std::string>& lines) { lines.resize(1); });
    program.grid.editPeriodList(
        [](std::vector<std::string>& lines) { lines.push_back("2024,05, 3,M,2024,05, 4,E,2024,05, 3,2,clBlue,trip"); });
    // The data folder disappears before the end; the June guard refuses as always.
    fs::rename(program.data, program.folder / "moved");
    program.dialogs.expect(DialogAnswer::Ok);
    const SaveReport report = program.controller.saveAll();
    ASSERT_EQ(report.failures.size(), 2u);

    const std::string err = program.controller.rescue().rescue(report, program.clock.now());
    const fs::path copies = program.folder / "rescue" / "20240503-090000";
    EXPECT_NE(err.find((program.data / "Ca202405.myc").string() + ": "), std::string::npos) << err;
    EXPECT_NE(err.find((program.data / "CaFromTo.myc").string() + ": "), std::string::npos) << err;
    EXPECT_NE(err.find(copies.string()), std::string::npos) << err;
    EXPECT_NE(program.folder.read("rescue/20240503-090000/Ca202405.myc").find(" 3,1,,rescue me,"), std::string::npos);
    EXPECT_TRUE(fs::exists(copies / "CaFromTo.myc"));
    EXPECT_FALSE(fs::exists(copies / "Ca202406.myc")) << "a guard refusal holds nothing new";

    const auto notice = program.controller.rescue().takeNotice();
    ASSERT_TRUE(notice.has_value());
    EXPECT_TRUE(notice->starts_with("終了時に、次のファイルを保存できませんでした。")) << *notice;
    EXPECT_NE(notice->find(copies.string() + "/\r\n"), std::string::npos) << *notice;
    EXPECT_NE(notice->find((program.data / "Ca202405.myc").string()), std::string::npos) << *notice;
    EXPECT_FALSE(program.controller.rescue().takeNotice().has_value());
}

// Runs a test in a fresh current directory, where the period-file copies live.
struct InFolder {
    InFolder() : previous(fs::current_path()) { fs::current_path(folder.path()); }
    ~InFolder() { fs::current_path(previous); }
    test::TempDir folder;
    fs::path previous;
};

TEST(ScheduleStores, RemovingStaleCopiesSavesAllFirstAndDeletesOnlyUnnamedCopies) {
    InFolder cwd;
    Program program;
    program.folder.write("Sorel.ini", "[Settei]\r\nedFolder=" + (program.data / "").string() +
                                          "\r\nCaFT1=CaFT4041.mcp\r\nCaFT2=CaFT4040.mcp\r\nCaFT3=CaFT4032.mcp\r\n");
    for (const char* name : {"CaFT4041.mcp", "CaFT4040.mcp", "CaFT4032.mcp", "CaFT4031.mcp"})
        cwd.folder.write(name, "copy");
    std::ofstream(program.data / "CaFromTo.myc", std::ios::binary) << "***** FromTo\x97\x5C\x92\xE8\r\n";
    ASSERT_TRUE(program.controller.initialiseMonths());
    EXPECT_FALSE(fs::exists("CaFT4032.mcp")) << "the rotation dropped the oldest";
    program.stores.months().replaceDay(1, 3, DaySchedule{{"saved first"}, {LineAttribute{}}});

    EXPECT_TRUE(program.stores.removeStaleCopies());
    EXPECT_TRUE(program.dialogs.shown().empty());
    EXPECT_TRUE(fs::exists(program.data / "Ca202405.myc"));
    EXPECT_FALSE(fs::exists("CaFT4031.mcp"));
    for (const char* kept : {"CaFT4050.mcp", "CaFT4041.mcp", "CaFT4040.mcp"})
        EXPECT_TRUE(fs::exists(kept)) << kept;

    // A save that fails stops the removal.
    cwd.folder.write("CaFT4030.mcp", "stale");
    program.stores.months().replaceDay(1, 4, DaySchedule{{"unsaved"}, {LineAttribute{}}});
    fs::remove_all(program.data);
    program.dialogs.expect(DialogAnswer::Ok);
    EXPECT_FALSE(program.stores.removeStaleCopies());
    ASSERT_EQ(program.dialogs.shown().size(), 1u);
    EXPECT_TRUE(
        program.dialogs.shown()[0].text.starts_with("不要アイテム削除エラー\r\n\r\n次の保存ができませんでした。"));
    EXPECT_NE(program.dialogs.shown()[0].text.find("Ca202405.myc"), std::string::npos);
    EXPECT_TRUE(fs::exists("CaFT4030.mcp"));
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
