// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar sync against Debian's Radicale on the loopback interface: a first sync of the heavy user's last months
// beside python3-caldav putting the same events one by one (the peer), a sync of one change, and syncs killed at
// random moments, after which no line may be lost or twice.
#include "HeavyData.h"

#include "sync/CalDavServer.h"
#include "sync/SyncRun.h"

#include "RadicaleServer.h"
#include "TempDir.h"
#include "base/TextFile.h"
#include "book/ScheduleBook.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <map>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace rekko::bench {
namespace {

namespace fs = std::filesystem;

// The heavy folder cut to this many months, with its share of the ten-year cut's 2 000 periods.
constexpr int kMonthsSynced = 2;
constexpr int kPeriodsSynced = 2000 * kMonthsSynced / 120;

ServerAccount AccountOf(const test::RadicaleServer& radicale) {
    return {.address = radicale.address(), .user = radicale.user(), .password = radicale.password()};
}

SyncRequest RequestFor(const fs::path& folder, const std::string& calendar) {
    return {.files = BuildFileSet(folder, folder.string() + "/"),
            .specialDays = folder / "none",
            .calendar = calendar,
            .utcNow = 46000.5};
}

void BM_FirstSyncOfHeavyMonthsBesideThePeer(benchmark::State& state) {
    test::RadicaleServer radicale;
    int events = 0;
    double peerSeconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const test::TempDir data;
        if (!WriteHeavyMonths(data.path(), kMonthsSynced, kPeriodsSynced))
            state.SkipWithError("the heavy months could not be written");
        const std::string calendar = radicale.makeCalendar("ours" + std::to_string(events), "Rekko");
        CalDavServer server(AccountOf(radicale));
        state.ResumeTiming();
        const SyncReport report = RunSync(RequestFor(data.path(), calendar), server);
        state.PauseTiming();
        if (report.failed)
            state.SkipWithError(report.message.c_str());
        events = report.sent;
        // The peer puts the very events our sync wrote, one by one, into a calendar of its own.
        const test::TempDir peerFiles;
        int index = 0;
        for (const ServerEvent& event : server.changes(calendar, "").value.changed)
            peerFiles.write(std::to_string(index++) + ".ics", event.ics);
        const std::string peerCalendar = radicale.makeCalendar("peer" + std::to_string(events), "Peer");
        const std::string command = "/usr/bin/python3 " + std::string(REKKO_SOURCE_DIR) + "/bench/caldav-peer.py " +
                                    radicale.address(peerCalendar) + " " + radicale.user() + " " + radicale.password() +
                                    " " + peerFiles.path().string();
        if (FILE* peer = ::popen(command.c_str(), "r")) {
            int put = 0;
            if (std::fscanf(peer, "%d %lf", &put, &peerSeconds) != 2 || put != index)
                state.SkipWithError("the peer did not put every event");
            ::pclose(peer);
        }
        state.ResumeTiming();
    }
    state.counters["events"] = events;
    state.counters["peer_s"] = peerSeconds;
}
BENCHMARK(BM_FirstSyncOfHeavyMonthsBesideThePeer)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

// A folder of one month's heavy lines synced once; each iteration changes one line and syncs.
void BM_SyncOfOneChange(benchmark::State& state) {
    test::RadicaleServer radicale;
    const std::string calendar = radicale.makeCalendar("rekko", "Rekko");
    CalDavServer server(AccountOf(radicale));
    const test::TempDir data;
    if (!WriteHeavyMonths(data.path(), 1, 0) || RunSync(RequestFor(data.path(), calendar), server).failed)
        state.SkipWithError("the first sync failed");
    const fs::path month = data.path() / MonthFileName(2026, 12);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> lines = ReadTextFile(month).value().lines();
        lines[1] = " 2,1,,変更" + std::to_string(round++) + ",,,,,,";
        (void)WriteTextFile(month, lines);
        state.ResumeTiming();
        const SyncReport report = RunSync(RequestFor(data.path(), calendar), server);
        if (report.failed || report.sent != 1)
            state.SkipWithError("the change was not sent alone");
    }
}
BENCHMARK(BM_SyncOfOneChange)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

// The texts of the day lines of a folder's month, each with how often it is there.
std::map<std::string, int> TextsOf(const fs::path& month) {
    std::map<std::string, int> texts;
    const auto read = ReadTextFile(month);
    if (read)
        for (size_t i = 1; i < read.value().lines().size(); ++i) {
            const std::string& line = read.value().lines()[i];
            const size_t first = line.find(",,");
            ++texts[line.substr(first + 2, line.find(',', first + 2) - first - 2)];
        }
    return texts;
}

// 200 syncs, each after an edit here and one on the server, killed (SIGKILL) at a random moment of its run; then a
// sync to the end. Lost: a line edited here or made on the server that is not in the folder once; twice: one that is
// there more than once, or an event the server holds twice.
void BM_SyncsKilledAtRandom(benchmark::State& state) {
    test::RadicaleServer radicale;
    const std::string calendar = radicale.makeCalendar("rekko", "Rekko");
    const test::TempDir data;
    const fs::path month = data.path() / MonthFileName(2026, 12);
    std::vector<std::string> lines{MonthFileHeader(2026, 12)};
    std::map<std::string, int> expected;
    for (int i = 0; i < 50; ++i) {
        lines.push_back(std::to_string(10 + i % 18) + ",1,,元" + std::to_string(i) + ",,,,,,");
        expected["元" + std::to_string(i)] = 1;
    }
    (void)WriteTextFile(month, lines);
    std::mt19937 random(20261207);
    int killed = 0, lost = 0, twice = 0;
    for (auto _ : state) {
        for (int round = 0; round < 200; ++round) {
            // An edit here (a line added, or one changed) and an event made on the server by another client.
            lines = ReadTextFile(month).value().lines();
            const std::string added = "足" + std::to_string(round);
            if (round % 2 == 0 && lines.size() > 2) {
                const size_t at = 1 + random() % (lines.size() - 1);
                const std::string& line = lines[at];
                const size_t first = line.find(",,");
                const std::string text = line.substr(first + 2, line.find(',', first + 2) - first - 2);
                if (text.find("（競合）") == std::string::npos && expected.erase(text)) {
                    lines[at] = line.substr(0, first + 2) + added + line.substr(line.find(',', first + 2));
                    expected[added] = 1;
                }
            } else {
                lines.push_back(" 1,1,," + added + ",,,,,,");
                expected[added] = 1;
            }
            (void)WriteTextFile(month, lines);
            const std::string uid = "phone-" + std::to_string(round);
            radicale.saveEvent(calendar,
                               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:" + uid +
                                   "\r\nDTSTAMP:20261201T000000Z\r\nDTSTART;VALUE=DATE:20261205\r\n"
                                   "SUMMARY:" +
                                   uid + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
            expected[uid] = 1;

            const pid_t child = ::fork();
            if (child == 0) {
                CalDavServer server(AccountOf(radicale));
                ::_exit(RunSync(RequestFor(data.path(), calendar), server).failed ? 1 : 0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(random() % 400));
            killed += ::kill(child, SIGKILL) == 0 ? 1 : 0;
            ::waitpid(child, nullptr, 0);
        }
        CalDavServer server(AccountOf(radicale));
        for (int settle = 0; settle < 3; ++settle)
            (void)RunSync(RequestFor(data.path(), calendar), server);
        std::map<std::string, int> found = TextsOf(month);
        for (const auto& [text, count] : expected)
            lost += found.contains(text) ? 0 : 1;
        for (const auto& [text, count] : found)
            twice += count > 1 ? count - 1 : 0;
        const size_t held = radicale.storedEvents(calendar);
        size_t local = 0;
        for (const auto& [text, count] : found)
            local += static_cast<size_t>(count);
        twice += held > local ? static_cast<int>(held - local) : 0;
    }
    state.counters["syncs"] = 200;
    state.counters["killed"] = killed;
    state.counters["lost"] = lost;
    state.counters["twice"] = twice;
}
BENCHMARK(BM_SyncsKilledAtRandom)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

} // namespace
} // namespace rekko::bench
