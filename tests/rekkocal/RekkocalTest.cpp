// SPDX-License-Identifier: GPL-3.0-or-later
// The terminal companion end to end: commands, outputs and exit codes.
#include "Commands.h"

#include "FakeClock.h"
#include "LoopbackHttpServer.h"
#include "LoopbackSntpResponder.h"
#include "RadicaleServer.h"
#include "ScriptedSync.h"
#include "TempDir.h"

#include "platform/FolderLock.h"
#include "sync/HttpSession.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <sys/stat.h>
#include <tuple>

namespace rekko {
namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

// Runs a command line (words split at spaces) at 2026-12-06 09:00 with Rekko's program folder as given (none: the
// current directory) and the sync's ports.
Outcome run(const std::string& line, bool interactive = false, std::filesystem::path programFolder = {},
            SyncPorts* sync = nullptr) {
    const test::FakeClock clock(CalendarDate{2026, 12, 6}, TimeOfDay{9, 0, 0});
    std::istringstream words(line);
    const std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
    std::ostringstream out, err;
    cli::Terminal terminal{out, err, interactive};
    const int code = cli::Run(args, cli::Environment{clock, programFolder, {}, {}, sync}, terminal);
    return {code, out.str(), err.str()};
}

// Each refused command line exits 2 with nothing on standard output and a message saying what is accepted.
TEST(Rekkocal, BadArgumentsExitTwoWithAMessage) {
    const auto expectRefused = [](const char* line, const char* says) {
        const Outcome outcome = run(line);
        EXPECT_EQ(std::tuple(outcome.code, outcome.out, outcome.err.empty()), std::tuple(2, "", false)) << line;
        EXPECT_NE(outcome.err.find(says), std::string::npos) << outcome.err;
    };
    for (const char* line : {"jd 2001-02-29", "jd 2001-2", "date -1", "month 2026", "nosuch", "", "day", "year",
                             "holidays 2027 2026", "count 2024-02-30 2024-12-31"})
        expectRefused(line, "");
    for (const char* line : {"jd 99999-01-01", "jd 99999999999999999999-01-01", "day -4713-12-31"})
        expectRefused(line, "-4712..9999");
    expectRefused("month --lines --lines", "more than once");
    const Outcome gap = run("jd 1582-10-10");
    EXPECT_EQ(std::tuple(gap.code, gap.err), std::tuple(2, "rekkocal: 1582/10/5-10/14は存在しません。\n"));
}

TEST(Rekkocal, ClockFetchesOnceAndPrintsTheDifferenceAndTheLogLines) {
    test::LoopbackHttpServer server;
    server.answer(test::TimePageAnswer("Sun Dec 6 09:00:01 2026"));
    const Outcome page = run("clock " + server.address("/t"));
    EXPECT_EQ(page.code, 0) << page.err;
    // The page's second plus the fine adjustment of 700 ms against the clock's 09:00:00.
    EXPECT_EQ(page.out, "difference: -1.7000 s (this clock minus the source's)\n"
                        "source time: 2026/12/06 09:00:01.700 JST\n"
                        "log:\n"
                        "[ 2026/12/06(日) 09:00:00 ]\n"
                        "以前の時刻は、取得した時刻より 1.70 秒遅れていました。\n");
    test::LoopbackSntpResponder responder;
    const Outcome ntp = run("clock " + responder.address());
    EXPECT_EQ(ntp.code, 0) << ntp.err;
    EXPECT_TRUE(ntp.out.starts_with("difference: ")) << ntp.out;

    server.answer("HTTP/1.0 200 OK\r\n\r\nno time here");
    const Outcome none = run("clock " + server.address("/t"));
    EXPECT_EQ(std::tuple(none.code, none.out), std::tuple(1, ""));
    EXPECT_NE(none.err.find("no time from " + server.address("/t") + ": no time on the page"), std::string::npos)
        << none.err;
    for (const char* line : {"clock", "clock https://127.0.0.1/", "clock 6", "clock 1 2"})
        EXPECT_EQ(run(line).code, 2) << line;
}

TEST(Rekkocal, DayNumbersBothWaysAndCountsOfDaysAndPeriods) {
    EXPECT_EQ(run("jd 1582-10-15").out, "2299161\n");
    EXPECT_EQ(run("date 0").out, "-4712-01-01\n");
    EXPECT_EQ(run("count 2026-01-01 2026-12-31").out, "364\n");
    // The year page's day count (checked there across the reform and backwards), with both ends with --period.
    EXPECT_EQ(run("count 2024-01-01 2024-12-31 --period").out, "366\n");
}

// The layout of a month is checked in full with the holidays under its weeks below.
TEST(Rekkocal, MonthCalendarShowsThisMonthAndHighlightsToday) {
    EXPECT_EQ(run("month").out, run("month 2026 12").out);
    EXPECT_NE(run("month", true).out.find("\x1b[7m 6\x1b[0m"), std::string::npos);
    const std::string reform = run("month 1582 10").out;
    EXPECT_NE(reform.find(" 1  2  3  4 15 16"), std::string::npos) << reform;
    EXPECT_EQ(run("--help").code, 0);
}

// Runs the day commands inside a fresh folder, as the program reads the rule files from the current directory;
// program is a program folder for the settings.
struct DayCommands : ::testing::Test {
    DayCommands() { std::filesystem::current_path(dir.path()); }
    ~DayCommands() override { std::filesystem::current_path(previous); }
    std::filesystem::path previous = std::filesystem::current_path();
    test::TempDir dir, program;
};

TEST_F(DayCommands, FilesOfTheCurrentDirectoryOrTheBuiltInRules) {
    dir.write("Hday.dat", "12,6,\x8C\xB3\x93\xFA\r\n");         // 元日 on 6 December
    dir.write("Sday.myc", "12,6,\x8B\x4C\x94\x4F\x93\xFA\r\n"); // 記念日
    EXPECT_EQ(run("day 2026-12-06").out, "date: 2026-12-06\njd: 2461381\nweekday: 1 日\nkind: 21\n"
                                         "names: 記念日,元日\noldmonth: 10\noldday: 28\nrokuyo: 先勝\n"
                                         "solarterm: \nseasonalday: \nkanshi: 甲寅\nyearkanshi: 丙午\n"
                                         "almanacyearkanshi: 丙午\nmarks: 不成就日\n");
    // The year's 干支 changes at 立春 as almanacs count it; 2022-01-11 is 天赦日 and 一粒万倍日.
    EXPECT_NE(run("day 2026-02-03")
                  .out.find("seasonalday: 節分\nkanshi: 戊申\nyearkanshi: 丙午\n"
                            "almanacyearkanshi: 乙巳\n"),
              std::string::npos);
    EXPECT_NE(run("day 2022-01-11").out.find("marks: 天赦日,一粒万倍日\n"), std::string::npos);
    EXPECT_EQ(run("holidays 2026 --builtin").out.find("2026-12-06"), std::string::npos);
    EXPECT_NE(run("day 2026-12-06 --builtin").out.find("kind: 1\nnames: \n"), std::string::npos);
    // The old date and rokuyo inside the old-calendar table, and empty outside it.
    EXPECT_NE(run("day 1990-06-23").out.find("oldmonth: 105\noldday: 1\nrokuyo: 大安\n"), std::string::npos);
    EXPECT_NE(run("day 1800-01-01").out.find("oldmonth: \noldday: \nrokuyo: \n"), std::string::npos);
    // Equinox and substitute holidays are computed whatever the rule file holds.
    EXPECT_EQ(run("holidays 2026").out,
              "2026-03-20\t春分の日\n2026-09-23\t秋分の日\n2026-12-06\t元日\n2026-12-07\t振替休日\n");
}

TEST(Rekkocal, SekkiListsTheSolarTermsOfTheYearsInDateOrder) {
    const std::string terms = run("sekki 1873 2100").out;
    EXPECT_EQ(std::count(terms.begin(), terms.end(), '\n'), (2100 - 1873 + 1) * 24);
    EXPECT_EQ(terms.substr(0, terms.find('\n', 0) + 1), "1873-01-05\t小寒\n");
    EXPECT_NE(terms.find("2021-02-03\t立春\n2021-02-18\t雨水\n"), std::string::npos);
    // The last line is the winter solstice of 2100.
    EXPECT_EQ(terms.substr(terms.rfind('\n', terms.size() - 2) + 1, 8), "2100-12-");
    EXPECT_TRUE(terms.ends_with("\t冬至\n"));
    for (const char* line : {"sekki 1872 1900", "sekki 2000 2101", "sekki 2001 2000", "sekki 2000"})
        EXPECT_EQ(run(line).code, 2) << line;
}

TEST_F(DayCommands, ScheduleLinesOfTheDataFolderNamedInTheSettings) {
    test::TempDir data;
    program.write("Sorel.ini", "[Settei]\r\nedFolder=" + data.path().string() + "\r\n");
    data.write("Ca202612.myc", " 0,0,9,2026/12\r\n 6,1,,1\x81\x43"
                               "000\x89\x7E,clRed,,,,,\r\n 7,1,,x,,,,,,\r\n"
                               " 6,2,,a\x81\x43"
                               "b,,,,,,\r\n" +
                                   std::string(" 6,3,,a\x80\x82\xA0\x00z\xFF,,,,,,\r\n", 21));
    const std::string out = run("day 2026-12-06", false, program.path()).out;
    EXPECT_NE(out.find("marks: 不成就日\nline: 1,000円\nline: a，b\n"), std::string::npos) << out;
    // Invalid bytes and NUL of the files come out as \xHH.
    EXPECT_NE(out.find("line: a\\x80あ\\x00z\\xFF\n"), std::string::npos) << out;
    EXPECT_NE(run("month 2026 12 --lines", false, program.path()).out.find("       a\\x80あ\\x00z\\xFF\n"),
              std::string::npos);
    // Without settings the data folder is the current directory, which holds no month file here.
    EXPECT_EQ(run("day 2026-12-06").out.find("line:"), std::string::npos);
}

TEST_F(DayCommands, ExportWritesAMonthAsTextOrCsv) {
    test::TempDir data;
    program.write("Sorel.ini", "[Settei]\r\nedFolder=" + data.path().string() + "\r\n");
    data.write("Ca202702.myc", "11,1,,a\x81\x43\"b\"\r\n3,1,,x\r\n");
    const Outcome csv = run("export 2027 2 --csv", false, program.path());
    ASSERT_EQ(csv.code, 0) << csv.err;
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 28);
    EXPECT_NE(csv.out.find("2027/02/03,\"(水)\",\"x\"\n"), std::string::npos);
    EXPECT_NE(csv.out.find("2027/02/11,\"(木)\",\"[建国記念の日] a，\"\"b\"\"\"\n"), std::string::npos);
    EXPECT_EQ(run("export 2027 2 --text --builtin", false, program.path()).out.substr(0, 36),
              "2027/02/01(月)  \n2027/02/02(火)  \n");
    ASSERT_EQ(run("export 2027 2 --text " + (dir / "feb.txt").string(), false, program.path()).code, 0);
    EXPECT_EQ(dir.read("feb.txt").substr(0, 18), "2027/02/01(\x8c\x8e)  \r\n");
    EXPECT_EQ(run("export 2027 3 --text", false, program.path()).code, 1);
    EXPECT_EQ(run("export 2027 2", false, program.path()).code, 2);
}

TEST_F(DayCommands, MonthShowsEachWeeksHolidaysAndAnniversariesUnderIt) {
    // 誕生日 and a　b on 5 May.
    dir.write("Sday.myc", "5,5,\x92\x61\x90\xB6\x93\xFA\r\n5,5,a\x81\x40"
                          "b\r\n");
    const std::string expected = "      2026年 5月\n"
                                 "日 月 火 水 木 金 土\n"
                                 "                1  2\n"
                                 " 3  4  5  6  7  8  9\n"
                                 "   3日 憲法記念日\n"
                                 "   4日 みどりの日\n"
                                 "   5日 誕生日,a b こどもの日\n"
                                 "   6日 振替休日\n"
                                 "10 11 12 13 14 15 16\n"
                                 "17 18 19 20 21 22 23\n"
                                 "24 25 26 27 28 29 30\n"
                                 "31\n";
    EXPECT_EQ(run("month 2026 5").out, expected);
    const std::string rokuyo = run("month 2026 5 --rokuyo").out;
    EXPECT_NE(rokuyo.find(" 3    4    5    6    7    8    9\n先勝 友引 先負 仏滅 大安 赤口 先勝\n   3日 憲法記念日\n"),
              std::string::npos)
        << rokuyo;
    EXPECT_EQ(run("month 2026 5 --builtin").out.find("誕生日"), std::string::npos);
}

TEST_F(DayCommands, MonthLinesListSchedulesAndPeriodsOfTheDataFolder) {
    test::CopySampleData(dir.path());
    const std::string out = run("month 2026 12 --lines").out;
    EXPECT_NE(out.find("   3日\n       歯医者 10:30\n       資料提出\n"), std::string::npos) << out;
    EXPECT_NE(out.find("  14日\n       出張 (〜12/18)\n"), std::string::npos) << out;
    EXPECT_NE(out.find("   6日 創立記念日\n"), std::string::npos) << out;
    EXPECT_EQ(run("month 2026 12").out.find("歯医者"), std::string::npos);
}

TEST_F(DayCommands, YearShowsTheTwelveMonthsOfTheYearPage) {
    const std::string year = run("year 2026 --builtin").out;
    EXPECT_EQ(year.rfind("2026/1 - 2026/12\n\n      2026年 1月\n日 月 火 水 木 金 土\n", 0), 0u) << year;
    EXPECT_NE(year.find("  12日 成人の日\n"), std::string::npos);
    // The first month comes from the settings ("年度": April) or from --from.
    program.write("Sorel.ini", "[Settei]\r\nrgYFirstMonth=1\r\n");
    const std::string fiscal = run("year 2025 --builtin", false, program.path()).out;
    EXPECT_EQ(fiscal.rfind("2025/4 - 2026/3\n\n      2025年 4月\n", 0), 0u) << fiscal;
    EXPECT_EQ(run("year 2026 --from 10").out.rfind("2026/10 - 2027/9\n", 0), 0u);
}

// The table itself is the record page's; here it is read from the program folder, with what does not read reported.
TEST_F(DayCommands, RecordShowsTheStartAndStopTable) {
    program.write("SorelSte.myd", "S:2019/05/01 8:00:00\r\nS:bad\r\n");
    const Outcome outcome = run("record", false, program.path());
    EXPECT_EQ(std::tuple(outcome.code, outcome.out, outcome.err),
              std::tuple(0,
                         "日付                    開始時刻    終了時刻\n"
                         "令和元年5月1日(水)      8:00:00     不正終了\n"
                         "不明                    不明        -\n",
                         "rekkocal: some dates of the record do not read; they show as 不明\n"));
    EXPECT_NE(run("record", false, program.path() / "none").err.find("no start-and-stop record"), std::string::npos);
}

// Unreadable rule and month files are reported and the command goes on.
TEST_F(DayCommands, SpecialFilesAreRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo("Ca202612.myc", 0600), 0);
    std::filesystem::create_symlink("/dev/zero", "Sday.myc");
    std::filesystem::create_symlink("gone.myc", "CaFromTo.myc");
    const Outcome day = run("day 2026-12-06");
    EXPECT_EQ(std::tuple(day.code, day.err), std::tuple(0, "rekkocal: スペシャルDayファイル読込ミス 処理は続けます。\n"
                                                           "rekkocal: Ca202612.myc: 通常のファイルではありません\n"));
    const Outcome month = run("month 2026 12 --lines");
    EXPECT_NE(month.err.find("rekkocal: CaFromTo.myc: シンボリックリンクの先のファイルがありません\n"),
              std::string::npos)
        << month.err;
}

// A period file whose line 1 is a record: that record is listed like the others. A record written end first lists
// on its earlier day, its text with its invalid byte. Periods on the month's first and last day are listed.
TEST_F(DayCommands, APeriodFileWithoutItsHeaderListsEveryRecordToTheMonthsEdges) {
    dir.write("CaFromTo.myc", "2026,12, 3,M,2026,12, 4,E,2026,12, 3,2,clBlue,first\r\n"
                              "2026,11, 3,M,2026,11, 4,E,2026,11, 3,2,clBlue,november\r\n"
                              "2026,11,28,M,2026,12, 2,E,2026,11,28,2,clBlue,carried\r\n"
                              "2026,12, 1,M,2026,12, 1,E,2026,12, 1,2,clBlue,one day\r\n"
                              "2026,12,31,M,2027, 1, 2,E,2026,12,31,2,clBlue,new year\r\n"
                              "2026,12,10,M,2026,12,11,E,2026,12,10,2,clBlue,second\n"
                              "2026,12,20,E,2026,12,18,M,2026,12,19,2,clBlue,\x8B\x74\x80\r\n");
    const std::string out = run("month 2026 12 --lines").out;
    // A period that began in November and still runs is listed on the 1st, with its first day.
    for (const char* listed :
         {"   1日\n       carried (11/28〜12/2)\n       one day (〜12/1)\n", "  31日\n       new year (〜1/2)\n",
          "   3日\n       first (〜12/4)\n", "  10日\n       second (〜12/11)\n", "  18日\n       逆\\x80 (〜12/20)\n"})
        EXPECT_NE(out.find(listed), std::string::npos) << out;
    EXPECT_EQ(out.find("november"), std::string::npos) << out;
}

// A settings file that cannot be read ends each command that needs the data folder, with the reason.
TEST_F(DayCommands, AnUnreadableSettingsFileEndsDataCommandsWithTheReason) {
    std::filesystem::create_directory(program / "Sorel.ini");
    for (const char* line : {"day 2026-12-06", "month 2026 12 --lines"}) {
        const Outcome outcome = run(line, false, program.path());
        EXPECT_EQ(std::tuple(outcome.code, outcome.out), std::tuple(1, "")) << line;
        EXPECT_EQ(outcome.err.rfind("rekkocal: " + (program / "Sorel.ini").string() + ": ", 0), 0u) << outcome.err;
    }
    EXPECT_EQ(run("month 2026 12", false, program.path()).code, 0); // needs no data folder
    // So does a data folder that cannot become a path: a NUL would cut it short to another folder.
    std::filesystem::remove(program / "Sorel.ini");
    program.write("Sorel.ini", "[Settei]\r\nedFolder=" + dir.path().string() + std::string("\0/x\r\n", 5));
    const Outcome cut = run("day 2026-12-06", false, program.path());
    EXPECT_EQ(cut.code, 1);
    EXPECT_EQ(cut.err, "rekkocal: " + (program / "Sorel.ini").string() + ": edFolder: 制御文字を含んでいます\n");
}

// The iCalendar export goes to the standard output or into a new file; an existing file only with --force, an
// unwritable one with the reason, and malformed lines are counted.
TEST_F(DayCommands, IcsWritesANewFileOrWithForceAndCountsMalformedLines) {
    dir.write("Ca202612.myc", " 0,0,9,2026/12\r\n 6,1,,x,,,,,,\r\nzz,1,,bad\r\n");
    const Outcome shown = run("ics 2026-12-06 2026-12-06");
    EXPECT_EQ(shown.out.rfind("BEGIN:VCALENDAR\r\n", 0), 0u) << shown.out;
    EXPECT_NE(shown.out.find("DTSTAMP:20261206T000000Z\r\n"), std::string::npos) << shown.out;
    const Outcome written = run("ics 2026-12-01 2026-12-31 out.ics");
    EXPECT_EQ(std::tuple(written.code, written.out), std::tuple(0, ""));
    EXPECT_EQ(written.err, "rekkocal: 1 malformed lines skipped\nrekkocal: 1 events written to out.ics\n");
    EXPECT_NE(dir.read("out.ics").find("SUMMARY:x\r\n"), std::string::npos);
    dir.write("out.ics", "mine");
    const Outcome refused = run("ics 2026-12-01 2026-12-31 out.ics");
    EXPECT_EQ(std::tuple(refused.code, refused.err),
              std::tuple(1, "rekkocal: out.ics exists (--force overwrites it)\n"));
    EXPECT_EQ(dir.read("out.ics"), "mine");
    EXPECT_EQ(run("ics 2026-12-01 2026-12-31 out.ics --force").code, 0);
    EXPECT_NE(dir.read("out.ics"), "mine");
    const Outcome unwritable = run("ics 2026-12-01 2026-12-31 nosuch/out.ics");
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_NE(unwritable.err.find("nosuch/out.ics"), std::string::npos) << unwritable.err;
    EXPECT_EQ(run("ics 2026-12-31 2026-12-01").code, 2);
}

} // namespace
} // namespace rekko

namespace rekko {
namespace {

TEST_F(DayCommands, SyncHoldsTheDataFolderAndPrintsWhatItSendsAndReceives) {
    test::TempDir data;
    program.write("Sorel.ini", "[Settei]\r\nedFolder=" + data.path().string() +
                                   "\r\n[Sync]\r\nServer=https://cal.example/\r\nUser=hanako\r\nCalendar=/cal/\r\n");
    test::ScriptedSync sync;
    test::MemorySecrets secrets;
    SyncPorts ports{secrets, sync.services()};
    const auto syncRun = [&](const std::string& line) { return run(line, false, program.path(), &ports); };
    for (const char* line : {"sync now", "sync --dry-run --dry-run", "sync --force"})
        EXPECT_EQ(syncRun(line).code, 2) << line;
    EXPECT_NE(syncRun("sync").err.find("no password kept for hanako at https://cal.example/"), std::string::npos);
    ASSERT_TRUE(secrets.store("https://cal.example/", "hanako", "pw"));
    {
        FlockFolderLock rekko;
        ASSERT_EQ(rekko.claim(data.path()).outcome, FolderClaimOutcome::Taken);
        const Outcome held = syncRun("sync --dry-run");
        EXPECT_EQ(std::tuple(held.code, held.out), std::tuple(3, ""));
        EXPECT_NE(held.err.find("is in use by Rekko"), std::string::npos) << held.err;
    }
    EXPECT_TRUE(sync.calls().empty());

    sync.expect({.sent = 1, .received = 1, .plan = {"> 2026-12-06 会議", "< 2026-12-07 歯医者"}});
    const Outcome dry = syncRun("sync --dry-run");
    EXPECT_EQ(std::tuple(dry.code, dry.out), std::tuple(0, "> 2026-12-06 会議\n< 2026-12-07 歯医者\n送信 1・受信 1\n"));
    ASSERT_EQ(sync.calls().size(), 1u);
    EXPECT_TRUE(sync.calls()[0].request.dryRun);
    EXPECT_EQ(sync.calls()[0].request.calendar, "/cal/");
    EXPECT_EQ(sync.calls()[0].account.password, "pw");
    EXPECT_EQ(sync.calls()[0].request.files.periodFile, data.path() / "CaFromTo.myc");

    sync.expect({.fault = ServerFault::ServerError, .message = "500", .failed = true});
    const Outcome failed = syncRun("sync");
    EXPECT_EQ(std::tuple(failed.code, failed.out, failed.err), std::tuple(1, "", "同期できません：500\n"));
    EXPECT_FALSE(sync.calls()[1].request.dryRun);
}

// Against a real Radicale: a wrong password and a dead server exit 1; a dry run sends nothing; the sync sends the
// month's line; a self-signed server is refused until its key is trusted in the settings.
TEST_F(DayCommands, SyncWithRadicaleSendsTheLinesAndChecksTheServersCertificate) {
    for (const auto transport :
         {test::RadicaleServer::Transport::Http, test::RadicaleServer::Transport::SelfSignedTls}) {
        test::RadicaleServer radicale(transport);
        const std::string calendar = radicale.makeCalendar("rekko", "予定");
        test::TempDir data;
        data.write("Ca202612.myc", " 0,0,9,2026/12\r\n 6,1,,\x89\xEF\x8B\x63,,,,,,\r\n"); // 会議
        data.write("CaFromTo.myc", "***** FromTo\x97\x5c\x92\xe8\r\n");
        const std::string settings = "[Settei]\r\nedFolder=" + data.path().string() +
                                     "/\r\n[Sync]\r\nServer=" + radicale.address("/") +
                                     "\r\nUser=user\r\nCalendar=" + calendar + "\r\n";
        program.write("Sorel.ini", settings);
        test::MemorySecrets secrets;
        SyncPorts ports{secrets, CalDavSyncServices()};
        const auto syncRun = [&](const std::string& line) { return run(line, false, program.path(), &ports); };
        ASSERT_TRUE(secrets.store(radicale.address("/"), "user", radicale.password()));
        if (transport == test::RadicaleServer::Transport::SelfSignedTls) {
            const Outcome refused = syncRun("sync");
            EXPECT_EQ(std::tuple(refused.code, refused.out), std::tuple(1, "")) << refused.err;
            ServerAccount account;
            account.address = radicale.address("/");
            const ServerReply<std::string> pin = PeerKeyPin(account);
            ASSERT_TRUE(pin.ok()) << pin.message;
            program.write("Sorel.ini", settings + "TrustedKeys=" + radicale.address("/") + " " + pin.value + "\r\n");
        }
        ASSERT_TRUE(secrets.store(radicale.address("/"), "user", "wrong"));
        EXPECT_EQ(syncRun("sync").code, 1);
        ASSERT_TRUE(secrets.store(radicale.address("/"), "user", radicale.password()));
        const Outcome dry = syncRun("sync --dry-run");
        EXPECT_EQ(dry.code, 0) << dry.err;
        EXPECT_NE(dry.out.find(">"), std::string::npos) << dry.out;
        EXPECT_TRUE(radicale.events(calendar).empty());
        const Outcome done = syncRun("sync");
        EXPECT_EQ(done.code, 0) << done.err;
        const std::vector<std::string> events = radicale.events(calendar);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_NE(events[0].find("会議"), std::string::npos);
        radicale.kill();
        EXPECT_EQ(syncRun("sync").code, 1);
    }
}

} // namespace
} // namespace rekko
