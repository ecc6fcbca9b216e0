// SPDX-License-Identifier: GPL-3.0-or-later
// The correction run against a clock, a source and a clock setter of the test: tolerance, confirmation, setting,
// the result lines and the access log.
#include "clocksync/CorrectionRun.h"
#include "clocksync/AutomaticCorrection.h"
#include "clocksync/ClockRetrieval.h"
#include "clocksync/HttpTimeSource.h"
#include "clocksync/RunTexts.h"

#include "FakeClock.h"
#include "LoopbackHttpServer.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include "base/AtomicWrite.h"
#include "base/TextFile.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

constexpr double kUnitDays = 1.0 / 864'000'000; // 1/10 000 s
// The head of every log entry of a run at the test clock's time.
const std::string kHead = "\r\n[ 2002/12/05(木) 13:21:27 ]\r\n";

class FixedSource : public TimeSource {
public:
    std::optional<SourceReading> reading;
    const char* name = "HTTP";
    Result<SourceReading> fetch() override {
        if (!reading)
            return Failure{"no answer"};
        return *reading;
    }
    const char* protocol() const override { return name; }
};

using FakeSetter = test::FakeClockSetter;

class CorrectionRunTest : public ::testing::Test {
protected:
    // 2002-12-05 13:21:27 Japan time.
    test::FakeClock clock{CalendarDate{2002, 12, 5}, TimeOfDay{13, 21, 27}};
    FixedSource source;
    FakeSetter setter;
    test::ScriptedDialogs dialogs;
    RunPorts ports{clock, source, setter, &dialogs};
    JikokuSettings settings;

    // The source's time is the clock's minus the difference given in 1/10 000 s (an NTP reading).
    void differBy(int64_t units) {
        source.reading = SourceReading{clock.utcNow() - static_cast<double>(units) * kUnitDays, false};
    }
    RunOutcome run(RunMode mode = RunMode::Automatic) { return RunCorrection(mode, settings, ports); }
};

TEST_F(CorrectionRunTest, ExactlyTheToleranceIsCorrectedOneUnitMoreIsNot) {
    differBy(30 * 10'000);
    RunOutcome outcome = run();
    EXPECT_EQ(outcome.difference, 300'000);
    ASSERT_EQ(setter.set_.size(), 1u);
    EXPECT_NEAR(setter.set_[0], clock.utcNow() - 30 / 86400.0, 1e-9);
    EXPECT_EQ(outcome.entry, kHead + "以前の時刻は、取得した時刻より 30.00 秒進んでいました。");
    EXPECT_EQ(outcome.status, "　時刻の取得に成功しました [ 2002/12/05(木) 13:21:27 ]");

    differBy(-(30 * 10'000 + 1));
    outcome = run();
    EXPECT_EQ(setter.set_.size(), 1u);
    EXPECT_EQ(outcome.entry, kHead + "取得時刻との差が30秒ありましたので、\r\n"
                                     "内蔵時計の時刻は修正いたしません。");
    EXPECT_EQ(outcome.status, "");
}

TEST_F(CorrectionRunTest, AConnectionTestAsksBeyondTheTolerance) {
    differBy(30 * 10'000 + 1);
    dialogs.expect(DialogAnswer::No, "取得時刻との差が30秒あります。\r\n内蔵時計の時刻を修正しますか？");
    RunOutcome outcome = run(RunMode::ConnectionTest);
    EXPECT_TRUE(setter.set_.empty());
    EXPECT_NE(outcome.entry.find("内蔵時計の時刻は修正いたしません。"), std::string::npos);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].defaultAnswer, DialogAnswer::No);
    EXPECT_EQ(dialogs.shown()[0].icon, DialogIcon::Question);

    dialogs.expect(DialogAnswer::Yes);
    outcome = run(RunMode::ConnectionTest);
    ASSERT_EQ(setter.set_.size(), 1u);
    EXPECT_GE(setter.set_[0], clock.utcNow() - (30 * 10'000 + 1) * kUnitDays);
    EXPECT_EQ(outcome.entry, kHead + "取得時刻との差は設定より大きいですが、確認されましたので修正します。\r\n"
                                     "接続テストで時刻を修正しました\r\n"
                                     "以前の時刻は、取得した時刻より 30.00 秒進んでいました。");
}

TEST_F(CorrectionRunTest, AToleranceOutsideItsRangeStopsTheRun) {
    differBy(0);
    for (const auto& [tolerance, named] : {std::pair{0, "0"}, {181, "181"}, {-5, "5"}}) {
        settings.udGosa = tolerance;
        EXPECT_EQ(run().entry, kHead + "エラー回避：時刻の誤差指定が" + std::string(named) +
                                   "秒になっています。\r\n時刻の修正を、中止します。");
    }
    EXPECT_TRUE(setter.set_.empty());
}

TEST_F(CorrectionRunTest, AConnectionTestWithoutCorrectingOnlyReports) {
    differBy(-500);
    const RunOutcome outcome = run(RunMode::ConnectionTest);
    EXPECT_TRUE(setter.set_.empty());
    EXPECT_EQ(outcome.entry, kHead + "接続テストのみ実施\r\n"
                                     "現在の時刻は、取得した時刻とほぼ合っていました（0.1秒以内 [-0.05])");

    settings.cbSetuzokuT = true;
    differBy(50);
    EXPECT_EQ(run(RunMode::ConnectionTest).entry, kHead + "以前の時刻は、取得した時刻と合っていました(0.01秒以内)");
    EXPECT_EQ(setter.set_.size(), 1u);
}

TEST_F(CorrectionRunTest, AClockThatCannotBeSetIsReportedAndNeverSaidSet) {
    setter.works = false;
    differBy(-12'345);
    EXPECT_EQ(run().entry, kHead + "※※※注意※※※  時刻設定エラー\r\n"
                                   "現在の時刻は、取得した時刻より 1.23 秒遅れていました。");
    EXPECT_TRUE(dialogs.shown().empty()); // the automatic run never shows a box

    settings.cbSetuzokuT = true;
    dialogs.expect(DialogAnswer::Ok, "時刻の設定で、エラーがありました。\r\n時刻を必ずチェックしてください。");
    EXPECT_FALSE(run(RunMode::ConnectionTest).clockSet);
}

TEST_F(CorrectionRunTest, OnlyTheUserWhoAskedIsAskedForAPasswordAndASynchronisedSystemIsLeftAlone) {
    differBy(20'000);
    settings.cbSetuzokuT = true;
    run(RunMode::ConnectionTest);
    run(RunMode::Automatic);
    EXPECT_EQ(setter.mayAsk, (std::vector<bool>{true, false}));
    setter.synchronised = true;
    EXPECT_EQ(run().entry, kHead + "現在の時刻は、取得した時刻より 2.00 秒進んでいました。");
    EXPECT_EQ(setter.set_.size(), 2u);
}

TEST_F(CorrectionRunTest, NoTimeNamesTheProtocolAndTheSource) {
    settings.rbJapan = false;
    settings.rbWebSV1 = true;
    EXPECT_EQ(run().entry, kHead + "HTTP で時刻が取得できません。\r\n"
                                   "インターネットには接続されていますか。\r\n< Ｗｅｂサーバー１ >");
    source.name = "NTP";
    EXPECT_NE(run().entry.find("\r\nNTP で時刻が取得できません。"), std::string::npos);
    EXPECT_TRUE(setter.set_.empty());
}

TEST_F(CorrectionRunTest, TheFineAdjustmentAppliesToWholeSecondsOnly) {
    settings.udChousei = 700;
    source.reading = SourceReading{clock.utcNow() - 2 / 86400.0, true};
    EXPECT_EQ(run().difference, 13'000);
    source.reading->wholeSeconds = false;
    EXPECT_EQ(run().difference, 20'000);
}

TEST(RunTexts, NumbersHaveTwoDecimalsAndThousandsSeparators) {
    EXPECT_EQ(TwoDecimals(1234.567), "1,234.57");
    EXPECT_EQ(TwoDecimals(-1234567.5), "-1,234,567.50");
    EXPECT_EQ(TwoDecimals(0.004), "0.00");
    EXPECT_EQ(ResultLine(-10'000'000, false), "現在の時刻は、取得した時刻より 1,000.00 秒遅れていました。");
}

TEST(ClockRetrieval, ALogOfItsLengthDropsAsManyOldLinesAsTheEntryBrings) {
    test::TempDir dir;
    const auto file = dir.path() / "Jikoku.txt";
    std::vector<std::string> old;
    for (int i = 1; i <= 100; ++i)
        old.push_back("line " + std::to_string(i));
    ASSERT_TRUE(WriteTextFile(file, old));
    test::FakeClock clock{CalendarDate{2002, 12, 5}, TimeOfDay{13, 21, 27}};
    FixedSource source; // a minute off: the header and a message of two lines
    source.reading = SourceReading{clock.utcNow() - 60 / 86400.0, false};
    FakeSetter setter;
    RunPorts ports{clock, source, setter};
    ClockRetrieval retrieval(JikokuSettings{}, file);
    retrieval.run(RunMode::Automatic, ports);

    const auto read = ReadTextFile(file);
    ASSERT_TRUE(read);
    const auto& lines = read.value().lines();
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines[0], "line 5");
    EXPECT_EQ(lines[96], "");
    EXPECT_EQ(lines[97], "[ 2002/12/05(木) 13:21:27 ]");
    EXPECT_EQ(lines[99], "内蔵時計の時刻は修正いたしません。");
}

TEST(ClockRetrieval, AConnectionTestAgainstALoopbackPageLogsItsEntry) {
    test::LoopbackHttpServer server;
    server.answer(test::TimePageAnswer("Thu, Dec 05 13:21:26 2002"));
    test::TempDir dir;
    test::FakeClock clock{CalendarDate{2002, 12, 5}, TimeOfDay{13, 21, 27}};
    JikokuSettings settings;
    settings.rbJapan = false;
    settings.rbWebSV1 = true;
    settings.edtWebSV1 = server.address("/time");
    settings.cbSetuzokuT = true;
    HttpTimeSource source(SourceAddress(settings, SelectedSource(settings)));
    FakeSetter setter;
    test::ScriptedDialogs dialogs;
    RunPorts ports{clock, source, setter, &dialogs};
    ClockRetrieval retrieval(settings, dir.path() / "Jikoku.txt");
    const RunOutcome outcome = retrieval.run(RunMode::ConnectionTest, ports);
    // 13:21:26 plus the 700 ms of the fine adjustment is 0.3 s behind the clock.
    EXPECT_EQ(outcome.difference, 3'000);
    ASSERT_EQ(setter.set_.size(), 1u);
    EXPECT_EQ(retrieval.log().lines(),
              (std::vector<std::string>{"", "[ 2002/12/05(木) 13:21:27 ]",
                                        "以前の時刻は、取得した時刻より 0.30 秒進んでいました。"}));
    EXPECT_EQ(server.requests().at(0).substr(0, 20), "GET /time HTTP/1.0\r\n");
}

// The main window as the retrieval marks it.
struct RecordedView : RetrievalView {
    std::vector<bool> shown;
    void showRetrieval(bool running) override { shown.push_back(running); }
};

TEST(AutomaticCorrection, ADueRetrievalRunsOnTheWorkerWithTheWindowBusyUntilItsRunEnds) {
    using namespace std::chrono_literals;
    test::LoopbackHttpServer server;
    server.answer([](test::LoopbackConnection& connection) {
        if (connection.pause(300ms))
            connection.send(test::TimePageAnswer("Thu Dec 5 13:21:30 2002"));
    });
    server.answer(std::string("HTTP/1.0 500 Broken\r\n\r\n"));
    test::TempDir dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "Sorel.ini",
                                    "[Jikoku]\r\nrbJapan=0\r\nrbWebSV2=1\r\nedtWebSV2=" + server.address() + "\r\n"));
    const test::FakeClock clock{CalendarDate{2002, 12, 5}, TimeOfDay{13, 21, 27}};
    FakeSetter setter;
    RecordedView view;
    bool windowOpen = true;
    auto interfaceThread = std::make_shared<PostedTasks>();
    SingleWorker worker(interfaceThread);
    ClockCorrectionSettings schedule{.cbTShuusei = true, .pTChien = 0};
    AutomaticCorrection correction({worker, clock, setter, view, [&] { return windowOpen; }}, schedule,
                                   dir / "Sorel.ini", dir / "Jikoku.txt");

    // Due while the settings window is open: nothing starts and the daily rule tries again.
    EXPECT_TRUE(correction.checkSchedule(clock.now(), 1));
    EXPECT_EQ(schedule.pTDay, 0);
    EXPECT_TRUE(view.shown.empty());
    windowOpen = false;
    EXPECT_TRUE(correction.checkSchedule(clock.now(), 2));
    EXPECT_TRUE(correction.retrievalRunning());
    EXPECT_EQ(view.shown, std::vector<bool>{true});
    schedule.pTDay = 0;
    EXPECT_FALSE(correction.checkSchedule(clock.now(), 3)); // one at a time
    EXPECT_EQ(interfaceThread->runPosted(100ms), 0);        // the interface thread is free meanwhile
    EXPECT_EQ(interfaceThread->runPosted(5s), 1);
    EXPECT_FALSE(correction.retrievalRunning());
    EXPECT_EQ(view.shown, (std::vector<bool>{true, false}));
    EXPECT_EQ(setter.set_.size(), 1u);
    auto log = ReadTextFile(dir / "Jikoku.txt");
    ASSERT_TRUE(log);
    EXPECT_EQ(log.value().lines().back(), "以前の時刻は、取得した時刻より 3.70 秒遅れていました。");

    // A retrieval that gets no time ends idle all the same.
    schedule.pTDay = 0;
    EXPECT_TRUE(correction.checkSchedule(clock.now(), 4));
    EXPECT_EQ(interfaceThread->runPosted(5s), 1);
    EXPECT_EQ(view.shown, (std::vector<bool>{true, false, true, false}));
    log = ReadTextFile(dir / "Jikoku.txt");
    ASSERT_TRUE(log);
    EXPECT_EQ(log.value().lines().at(log.value().lines().size() - 3), "HTTP で時刻が取得できません。");
    EXPECT_EQ(server.requests().size(), 2u);
}

} // namespace
} // namespace rekko
