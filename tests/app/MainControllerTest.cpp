// The main window's shell without widgets: month initialisation, save all, the start and close rules, activation.
#include "app/MainController.h"

#include "FakeClock.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace rekko {
namespace {

namespace fs = std::filesystem;

struct Shell {
    test::TempDir program;
    test::TempDir startup;
    test::FakeClock clock{CalendarDate{2024, 5, 3}, TimeOfDay{15, 5, 0}};
    test::ScriptedDialogs dialogs;
    MainController controller{program.path(), startup.path(), clock, dialogs, program / "rescue"};
    std::vector<std::string> calls;

    void record(MonthInitPhase phase, const std::string& name, Status result = Success()) {
        controller.seams().monthInitialisation.push_back({phase, [this, name, result] {
                                                              calls.push_back(name);
                                                              return result;
                                                          }});
    }
    void participant(const std::string& name, Status result) {
        controller.seams().saveAll.push_back({name, [this, name, result] {
                                                  calls.push_back(name);
                                                  return result;
                                              }});
    }
};

TEST(MainController, MonthInitialisationReadsTheSettingsBetweenItsPhases) {
    Shell shell;
    shell.program.write("Sorel.ini", "[Settei]\r\nedFolder=/data/Sorel\r\ncbZenkai=1\r\n");
    shell.controller.seams().applySettings = [&](const Settings& s) {
        shell.calls.push_back(s.cbZenkai ? "apply zenkai" : "apply");
    };
    shell.record(MonthInitPhase::Finish, "finish");
    shell.record(MonthInitPhase::AfterSettings, "months");
    shell.record(MonthInitPhase::BeforeSettings, "window");
    EXPECT_TRUE(shell.controller.initialiseMonths());
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"window", "apply zenkai", "months", "finish"}));
    EXPECT_EQ(shell.controller.dataFolder(), "/data/Sorel/");
    EXPECT_EQ(shell.controller.dataFolderAtStart(), "/data/Sorel/");
    EXPECT_EQ(shell.controller.files().periodFile, fs::path("/data/Sorel/CaFromTo.myc"));
    EXPECT_EQ(shell.controller.today(), EncodeJuliusDay(2024, 5, 3));

    // A second run (the date rollover) keeps the data folder of this start.
    shell.program.write("Sorel.ini", "[Settei]\r\nedFolder=/elsewhere/\r\n");
    EXPECT_TRUE(shell.controller.initialiseMonths());
    EXPECT_EQ(shell.controller.dataFolder(), "/data/Sorel/");
}

TEST(MainController, AFailingOrThrowingStepFailsButTheFinalStepsStillRun) {
    Shell failing;
    failing.record(MonthInitPhase::BeforeSettings, "window", Failure{"壊れています", "/data/Ca202405.myc"});
    failing.record(MonthInitPhase::AfterSettings, "months");
    failing.record(MonthInitPhase::Finish, "finish", Failure{"later"});
    const Status failed = failing.controller.initialiseMonths();
    ASSERT_FALSE(failed);
    EXPECT_EQ(failed.error().path, "/data/Ca202405.myc"); // the first failure is the one told
    EXPECT_EQ(failing.calls, (std::vector<std::string>{"window", "finish"}));

    Shell throwing;
    throwing.controller.seams().monthInitialisation.push_back(
        {MonthInitPhase::AfterSettings, []() -> Status { throw std::runtime_error("bad month file"); }});
    throwing.record(MonthInitPhase::Finish, "finish");
    const Status thrown = throwing.controller.initialiseMonths();
    ASSERT_FALSE(thrown);
    EXPECT_EQ(thrown.error().cause, "bad month file");
    EXPECT_EQ(throwing.calls, std::vector<std::string>{"finish"});
}

TEST(MainController, TheMonthInitialisationMessageNamesTheFileAndTheCauseOnItsSecondLine) {
    EXPECT_EQ(MonthInitFailedMessage(Failure{"Is a directory", "/data/Ca202406.myc"}),
              "月の初期設定に失敗しました。\r\n/data/Ca202406.myc: Is a directory\r\n"
              "一旦、終了させますので\r\nもう一度、立ち上げ直してください。");
    EXPECT_EQ(MonthInitFailedMessage(Failure{"bad month file"}),
              "月の初期設定に失敗しました。\r\nbad month file\r\n"
              "一旦、終了させますので\r\nもう一度、立ち上げ直してください。");
    EXPECT_EQ(MonthInitFailedMessage(Failure{}), kMonthInitFailedMessage);
}

TEST(MainController, SaveAllWritesSettingsFirstThenEveryParticipantEvenAfterAFailure) {
    Shell shell;
    ASSERT_TRUE(shell.controller.initialiseMonths());
    shell.controller.seams().collectSettings = [&](Settings& s) {
        shell.calls.push_back("collect");
        s.cbZenkai = true;
    };
    shell.controller.seams().saveAll.push_back({"months", [&]() -> Status {
                                                    shell.calls.push_back(fs::exists(shell.program / "Sorel.ini")
                                                                              ? "months after settings"
                                                                              : "months before settings");
                                                    return Failure{.cause = "この月は保存しません。", .path = ""};
                                                }});
    shell.participant("memo", Success());
    const SaveReport report = shell.controller.saveAll();
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"collect", "months after settings", "memo"}));
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].path, "months");
    EXPECT_NE(report.message().find("この月は保存しません。"), std::string::npos);
    const auto saved = ProfileFile::Load(shell.program / "Sorel.ini");
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.value().readString("Settei", "cbZenkai"), "1");
}

TEST(MainController, SaveAllKeepsWhatOtherWindowsWroteMeanwhile) {
    Shell shell;
    shell.program.write("Sorel.ini", "[Settei]\r\ncbMemo=0\r\n");
    ASSERT_TRUE(shell.controller.initialiseMonths());
    shell.program.write("Sorel.ini", "[Settei]\r\ncbMemo=0\r\n[Jikoku]\r\nudGosa=45\r\n");
    ASSERT_TRUE(shell.controller.saveAll().ok());
    const auto saved = ProfileFile::Load(shell.program / "Sorel.ini");
    EXPECT_EQ(saved.value().readString("Jikoku", "udGosa"), "45");
    EXPECT_EQ(saved.value().readString("Settei", "cbMemo"), "0");
}

TEST(MainController, AnUnwritableProgramFolderIsReportedAndTheRestStillSaves) {
    Shell shell;
    shell.program.write("Sorel.ini", "[Settei]\r\ncbMemo=0\r\n");
    ASSERT_TRUE(shell.controller.initialiseMonths());
    shell.participant("months", Success());
    fs::remove_all(shell.program.path());
    const SaveReport report = shell.controller.saveAll();
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].path, (shell.program / "Sorel.ini").string());
    EXPECT_EQ(shell.calls, std::vector<std::string>{"months"});
}

TEST(MainController, ASettingsFileThatCannotBeReadIsNotWrittenUntilADataFolderIsChosen) {
    Shell shell;
    fs::create_directory(shell.program / "Sorel.ini");
    shell.dialogs.expect(DialogAnswer::Yes);
    ASSERT_TRUE(shell.controller.initialiseMonths());
    EXPECT_TRUE(shell.controller.settings().cbMemo);
    EXPECT_TRUE(shell.controller.writesHeld());
    EXPECT_TRUE(shell.controller.saveAll().ok());
    EXPECT_TRUE(shell.controller.initialiseMonths()); // asked once
    shell.controller.dataFolderChosen();
    fs::remove(shell.program / "Sorel.ini");
    shell.program.write("Sorel.ini", "unread\r\n");
    EXPECT_TRUE(shell.controller.saveAll().ok());
    EXPECT_EQ(shell.program.read("Sorel.ini").find("unread"), std::string::npos);
    EXPECT_NE(shell.program.read("Sorel.ini").find("cbMemo=1"), std::string::npos);
}

TEST(MainController, StartStepsFollowTheirSwitches) {
    Shell shell;
    int hotkeys = 0;
    shell.controller.seams().registerHotkeys = [&] { ++hotkeys; };
    shell.controller.seams().appendStartRecord = [&]() -> Status { return Failure{.cause = "disk full", .path = ""}; };
    shell.program.write("Sorel.ini", "[Settei]\r\ncbKidouKiroku=1\r\ncbHotkey=0\r\npTChien=200\r\n");
    shell.controller.beginStart({"/J05"});
    ASSERT_TRUE(shell.controller.initialiseMonths());
    shell.dialogs.expect(DialogAnswer::Ok);
    shell.controller.recordStart();
    ASSERT_EQ(shell.dialogs.shown().size(), 1u);
    EXPECT_EQ(shell.dialogs.shown()[0].text, "起動時刻取得エラー\r\n処理は続けます。");
    shell.controller.registerHotkeys();
    EXPECT_EQ(hotkeys, 0);
    shell.controller.finishStart();
    EXPECT_EQ(shell.controller.settings().pTChien, 60);
    EXPECT_EQ(shell.controller.residentCountdown(), 5);
    EXPECT_EQ(shell.controller.warmUpCounter(), 180);
    EXPECT_EQ(shell.controller.functionTickMilliseconds(), 10000);
}

TEST(MainController, CloseIsRefusedDuringRetrievalOrDateChangeOtherwiseRecordsAndSaves) {
    Shell shell;
    ASSERT_TRUE(shell.controller.initialiseMonths());
    shell.controller.setRetrievalRunning(true);
    shell.dialogs.expect(DialogAnswer::Ok);
    EXPECT_TRUE(shell.controller.refuseClose());
    EXPECT_EQ(shell.dialogs.shown().back().text,
              "時刻取得中です。現在は終了できません。\r\nもう少し後、終了させてください。");
    shell.controller.setRetrievalRunning(false);
    shell.controller.setDateChangeRunning(true);
    shell.dialogs.expect(DialogAnswer::Ok);
    EXPECT_TRUE(shell.controller.refuseClose());
    EXPECT_EQ(shell.dialogs.shown().back().text, "今は終了できません。");
    shell.controller.setDateChangeRunning(false);
    EXPECT_FALSE(shell.controller.refuseClose());

    shell.controller.seams().appendStopRecord = [&] { shell.calls.push_back("stop record"); };
    shell.participant("months", Success());
    shell.controller.seams().collectSettings = [](Settings& s) { s.cbKidouKiroku = true; };
    EXPECT_TRUE(shell.controller.shutDown().ok());
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"stop record", "months"}));
    EXPECT_TRUE(fs::exists(shell.program / "Sorel.ini"));
}

TEST(MainController, TheCurrentMonthReturnsAtTheFirstActivationAndAfterAnotherApplication) {
    Shell shell;
    shell.controller.beginStart({});
    shell.controller.setDeferredMessage("前回は不正終了しました。");
    const Activation first = shell.controller.activate(true);
    EXPECT_TRUE(first.showCurrentMonth);
    EXPECT_EQ(first.deferredMessage, "前回は不正終了しました。");
    // One of the program's own dialogs closing activates the window again: the month stays.
    const Activation afterDialog = shell.controller.activate(false);
    EXPECT_FALSE(afterDialog.showCurrentMonth);
    EXPECT_EQ(afterDialog.deferredMessage, std::nullopt);
    // Back from another application (or from hiding): this month, unless cbZenkai keeps the display.
    shell.controller.noteFocusLeftProgram();
    EXPECT_TRUE(shell.controller.returnsToCurrentMonth(false));
    EXPECT_TRUE(shell.controller.activate(false).showCurrentMonth);
    EXPECT_FALSE(shell.controller.activate(false).showCurrentMonth);
    shell.controller.noteFocusLeftProgram();
    EXPECT_FALSE(shell.controller.activate(true).showCurrentMonth);
    // A return that lands on a dialog of the program is used up there.
    shell.controller.noteFocusLeftProgram();
    shell.controller.noteFocusOnDialog();
    EXPECT_FALSE(shell.controller.activate(false).showCurrentMonth);
}

TEST(MainController, StatusPanels) {
    Shell shell;
    EXPECT_EQ(shell.controller.statusPanel0(), "2024/5/3 (金) 午後 3 : 05");
    shell.controller.setRetrievalRunning(true);
    EXPECT_EQ(shell.controller.statusPanel0(), "　　時刻取得中　　");
    EXPECT_EQ(shell.controller.statusPanel1(true).text.find("<Jiglo>"), std::string::npos);
    shell.startup.write("Jiglo.desktop", "[Desktop Entry]\n");
    EXPECT_EQ(shell.controller.statusPanel1(true).text.find("<Jiglo>"), 0u);
}

} // namespace
} // namespace rekko
