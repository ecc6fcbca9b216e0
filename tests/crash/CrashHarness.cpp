// SPDX-License-Identifier: GPL-3.0-or-later
// Kills save all with SIGKILL at random moments and checks each time that every data file holds its old or its new
// bytes, that the link stays a link, and that the next start removes every temporary and starts without a box: save
// all of the driver (the real stores and writes, without widgets), its save all merging what another writer changed
// on disk (a file may then also hold that writer's bytes), and the real Rekko during its start-up and during the save
// all of its orderly end after an edit typed into the schedule dialog.
#include "CrashFolders.h"
#include "RekkoOnDisplay.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <optional>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace crash;
using namespace std::chrono;

// The first and the last write of a step, as times since its start.
using Span = std::pair<steady_clock::duration, steady_clock::duration>;

// Where the kills of one kind fell: before any file changed, between, or after the last change.
struct Tally {
    int untouched = 0, partial = 0, complete = 0, damaged = 0;
};

// Looks at the tracked files every millisecond on a thread of its own and notes when they first and last changed
// after a mark.
class WriteWatch {
public:
    explicit WriteWatch(const Installation& folders)
        : m_thread([this, &folders] {
              for (std::string seen = folders.stamps(); !m_stop; std::this_thread::sleep_for(milliseconds(1)))
                  if (std::string now = folders.stamps(); now != seen) {
                      seen = std::move(now);
                      const auto at = steady_clock::now().time_since_epoch().count();
                      steady_clock::rep none = 0;
                      m_first.compare_exchange_strong(none, at);
                      m_last = at;
                  }
          }) {}
    ~WriteWatch() {
        m_stop = true;
        m_thread.join();
    }
    // Starts a new span of writes, measured from now.
    void mark() {
        m_start = steady_clock::now();
        m_first = 0;
        m_last = 0;
    }
    // The span of the writes since the mark, as times since it; nothing when no file changed.
    std::optional<Span> writes() const {
        if (m_first == 0)
            return std::nullopt;
        return std::pair(steady_clock::duration(m_first) - m_start.time_since_epoch(),
                         steady_clock::duration(m_last) - m_start.time_since_epoch());
    }

private:
    steady_clock::time_point m_start = steady_clock::now();
    std::atomic<bool> m_stop{false};
    std::atomic<steady_clock::rep> m_first{0}, m_last{0};
    std::thread m_thread;
};

struct Harness : Installation {
    // Runs save all of the driver once without a kill: the new state, which must differ where the driver edits and
    // keep the bytes of every line it does not edit. Answers the time it took.
    std::optional<steady_clock::duration> calibrate() {
        prepare();
        const auto start = steady_clock::now();
        if (runDriver("save") != 0)
            return failure("save all without a kill failed", "driver.log");
        const auto took = steady_clock::now() - start;
        next = snapshot();
        for (const auto& [path, bytes] : old)
            if ((next[path] != bytes) != written.contains(path))
                return failure("save all did not write what it should, or wrote what it should not: " + path,
                               "driver.log");
        for (const std::string& path : months)
            if (!UneditedLinesKept(*old.at(path), *next[path]))
                return failure("save all changed the bytes of unedited lines in " + path, "driver.log");
        return took;
    }

    // Runs the merging save all of the driver once without a kill: another writer's state of the months, and the new
    // state, which must hold that writer's line beside the driver's edits. Answers the time it took.
    std::optional<steady_clock::duration> calibrateMerge() {
        prepare();
        const auto start = steady_clock::now();
        if (runDriver("merge") != 0)
            return failure("the merging save all without a kill failed", "driver.log");
        const auto took = steady_clock::now() - start;
        merged = snapshot();
        for (const std::string& path : months) {
            elsewhere[path] = *old.at(path) + kOtherWriterLine;
            const std::string& now = merged.at(path).value_or("");
            if (now.find(kOtherWriterLine) == std::string::npos || !UneditedLinesKept(*old.at(path), now) ||
                now.size() <= next.at(path).value_or("").size())
                return failure("the merging save all lost a line of " + path, "driver.log");
        }
        return took;
    }

    // Runs Rekko once without a kill: the state when its main window shows, and after an edit and SIGTERM, which
    // must hold the edit in the linked month. Answers when the start and the end write: from the first to the last
    // change of a file, measured from the launch and from the signal.
    std::optional<std::pair<Span, Span>> calibrateRekko() {
        prepare();
        RekkoOnDisplay program(root);
        WriteWatch watch(*this);
        program.launch();
        if (!program.waitForMainWindow())
            return failure("Rekko did not show its window", "rekko.log");
        const auto started = watch.writes();
        afterStart = snapshot();
        if (!program.addLine(kEditedDays[0], kRekkoLine))
            return failure("the schedule dialog of Rekko did not open and close", "rekko.log");
        watch.mark();
        program.signal(SIGTERM);
        if (program.waitForEnd() != 0)
            return failure("Rekko did not end in order on SIGTERM", "rekko.log");
        const auto ended = watch.writes();
        afterSave = snapshot();
        if (!started || !ended)
            return failure("Rekko did not write at its start or at its end", "rekko.log");
        if (afterSave.at(months[1]).value_or("").find(kRekkoLine) == std::string::npos)
            return failure("Rekko did not save the edit into " + months[1], "rekko.log");
        return std::pair(*started, *ended);
    }

    // Kills save all of the driver after delay.
    int trial(int number, microseconds delay) {
        prepare();
        const pid_t child = spawnDriver("save");
        std::this_thread::sleep_for(delay);
        Kill(child);
        return check(number, old, next, driverKills) + checkRekkoStarts(number);
    }

    // Kills the merging save all of the driver after delay.
    int mergeTrial(int number, microseconds delay) {
        prepare();
        const pid_t child = spawnDriver("merge");
        std::this_thread::sleep_for(delay);
        Kill(child);
        return check(number, old, merged, mergeKills, &elsewhere);
    }

    // Kills Rekko during its start-up.
    int rekkoStartTrial(int number, const Span& writes, std::mt19937& random) {
        prepare();
        RekkoOnDisplay program(root);
        WriteWatch watch(*this);
        program.launch();
        waitToKill(watch, writes, random);
        program.signal(SIGKILL);
        return check(number, old, afterStart, startKills);
    }

    // Kills Rekko during the save all that follows SIGTERM after an edit.
    int rekkoSaveTrial(int number, const Span& writes, std::mt19937& random) {
        prepare();
        RekkoOnDisplay program(root);
        program.launch();
        if (!program.waitForMainWindow() || !program.addLine(kEditedDays[0], kRekkoLine)) {
            std::printf("trial %d: Rekko did not start or take the edit (see %s)\n", number,
                        (root / "rekko.log").c_str());
            ++saveKills.damaged;
            return 1;
        }
        const Snapshot before = snapshot();
        WriteWatch watch(*this);
        program.signal(SIGTERM);
        waitToKill(watch, writes, random);
        program.signal(SIGKILL);
        return check(number, before, afterSave, saveKills);
    }

    // Waits for the moment of a kill in a step whose uninterrupted run wrote during writes. Every other kill falls
    // by time alone, up to a little after the last write; the others follow the first write this run makes by up to
    // a little more than the span of the writes, as a loaded machine moves the writes further than they last.
    static void waitToKill(const WriteWatch& watch, const Span& writes, std::mt19937& random) {
        const auto upTo = [&random](steady_clock::duration span) {
            const long long most = duration_cast<microseconds>(span).count() * 11 / 10 + 1000;
            return microseconds(std::uniform_int_distribution<long long>(0, most)(random));
        };
        if (std::bernoulli_distribution(0.5)(random)) {
            std::this_thread::sleep_for(upTo(writes.second));
            return;
        }
        for (const auto end = steady_clock::now() + seconds(30); !watch.writes() && steady_clock::now() < end;)
            std::this_thread::sleep_for(microseconds(200));
        std::this_thread::sleep_for(upTo(writes.second - writes.first));
    }

    // Checks the folders after a kill between the states before and after (a file may also hold its bytes between,
    // when given), then the next start; answers the damaged files and keeps a copy of the folders when there are any.
    int check(int number, const Snapshot& before, const Snapshot& after, Tally& tally,
              const Snapshot* between = nullptr) {
        int damaged = 0;
        const auto report = [&](const std::string& what) {
            std::printf("trial %d: %s\n", number, what.c_str());
            ++damaged;
        };
        const Snapshot now = snapshot();
        bool allOld = true, allNew = true;
        for (const auto& [path, bytes] : now) {
            allOld = allOld && bytes == before.at(path);
            allNew = allNew && bytes == after.at(path);
            const bool betweenBytes = between && between->contains(path) && bytes == between->at(path);
            if (bytes != before.at(path) && bytes != after.at(path) && !betweenBytes)
                report(path + " holds neither its old nor its new bytes");
        }
        if (!linkIntact())
            report("the month file's symbolic link is gone");
        ++(allOld ? tally.untouched : allNew ? tally.complete : tally.partial);
        temporaries += strays().size();

        if (runDriver("start") != 0)
            report("the next start failed or showed a box");
        for (const std::string& stray : strays())
            report(stray + " survived the next start");
        for (const auto& [path, bytes] : snapshot())
            if (!path.starts_with("work/") && bytes != now.at(path))
                report("the start changed " + path);
        if (damaged > 0) {
            const fs::path kept = root / Format("failed-%d", number);
            fs::create_directories(kept);
            for (const char* name : kFolders)
                fs::copy(root / name, kept / name, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        }
        tally.damaged += damaged;
        return damaged;
    }

    // Every rekkoEvery driver trials: Rekko itself starts on the folder and ends in order.
    int checkRekkoStarts(int number) {
        if (!rekko || number % rekkoEvery != 0)
            return 0;
        RekkoOnDisplay program(root);
        program.launch();
        const bool started = program.waitForMainWindow();
        program.signal(SIGTERM);
        if (started && program.waitForEnd() == 0)
            return 0;
        std::printf("trial %d: Rekko did not start on the folder (see %s)\n", number, (root / "rekko.log").c_str());
        ++driverKills.damaged;
        return 1;
    }

    pid_t spawnDriver(const char* mode) const {
        return Spawn({driver, mode, root.string(), date}, root / "work", root / "driver.log");
    }
    int runDriver(const char* mode) const { return WaitFor(spawnDriver(mode)); }

    std::nullopt_t failure(const std::string& what, const char* log) const {
        std::printf("%s (see %s)\n", what.c_str(), (root / log).c_str());
        return std::nullopt;
    }

    static constexpr const char* kRekkoLine = "crash edit";
    std::string driver;
    bool rekko = false; // the program itself, as "Rekko" in the root folder
    int trials = 50, rekkoEvery = 1, rekkoKills = 0;
    unsigned seed = std::random_device{}();
    Snapshot next, merged, elsewhere, afterStart, afterSave;
    Tally driverKills, mergeKills, startKills, saveKills;
    int temporaries = 0;
};

// Draws a kill from the start of the driver's save all to a little after the time an uninterrupted one needs.
microseconds Within(steady_clock::duration took, std::mt19937& random) {
    return microseconds(
        std::uniform_int_distribution<long long>(0, duration_cast<microseconds>(took).count() * 11 / 10)(random));
}

void PrintTally(const char* what, int kills, const Tally& tally, steady_clock::time_point start) {
    std::printf("%s: %d kills in %lld s: %d before any file changed, %d during, %d after; %d damaged files\n", what,
                kills, static_cast<long long>(duration_cast<seconds>(steady_clock::now() - start).count()),
                tally.untouched, tally.partial, tally.complete, tally.damaged);
}

} // namespace

// crash_harness --driver PATH [--trials N] [--rekko PATH [--rekko-every N] [--rekko-kills N]] [--seed N]
// Rekko runs on the X server of DISPLAY.
int main(int argc, char** argv) {
    Harness harness;
    std::string rekko;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i], value = argv[i + 1];
        if (flag == "--driver" || flag == "--rekko")
            (flag == "--driver" ? harness.driver : rekko) = fs::absolute(value);
        else if (flag == "--trials" || flag == "--rekko-every" || flag == "--rekko-kills")
            (flag == "--trials"        ? harness.trials
             : flag == "--rekko-every" ? harness.rekkoEvery
                                       : harness.rekkoKills) = std::stoi(value);
        else if (flag == "--seed")
            harness.seed = static_cast<unsigned>(std::stoul(value));
    }
    if (harness.driver.empty() || harness.trials < 1 || harness.rekkoEvery < 1 ||
        (harness.rekkoKills > 0 && rekko.empty())) {
        std::fputs("usage: crash_harness --driver PATH [--trials N] [--rekko PATH [--rekko-every N] [--rekko-kills N]] "
                   "[--seed N]\n",
                   stderr);
        return 64;
    }
    char pattern[] = "/tmp/rekko-crash-XXXXXX";
    const fs::path root = ::mkdtemp(pattern);
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    ::localtime_r(&now, &today);
    harness.install(root, today);
    if (!rekko.empty()) {
        fs::copy_file(rekko, root / "Rekko");
        harness.rekko = true;
    }
    std::printf("seed %u, folder %s\n", harness.seed, root.c_str());

    const auto took = harness.calibrate();
    if (!took)
        return 1;
    std::mt19937 random(harness.seed);
    auto start = steady_clock::now();
    for (int number = 1; number <= harness.trials; ++number)
        harness.trial(number, Within(*took, random));
    PrintTally("driver save all", harness.trials, harness.driverKills, start);
    const auto mergeTook = harness.calibrateMerge();
    if (!mergeTook)
        return 1;
    start = steady_clock::now();
    for (int number = harness.trials + 1; number <= 2 * harness.trials; ++number)
        harness.mergeTrial(number, Within(*mergeTook, random));
    PrintTally("driver merging save all", harness.trials, harness.mergeKills, start);
    std::printf("%d temporaries left by the kills, all removed at the next start unless reported\n",
                harness.temporaries);

    if (harness.rekkoKills > 0) {
        const auto times = harness.calibrateRekko();
        if (!times)
            return 1;
        start = steady_clock::now();
        // The trials go on numbering, so that the folders kept of failed ones stay apart.
        const int done = 2 * harness.trials;
        for (int number = done + 1; number <= done + harness.rekkoKills; ++number)
            harness.rekkoStartTrial(number, times->first, random);
        PrintTally("Rekko start-up", harness.rekkoKills, harness.startKills, start);
        start = steady_clock::now();
        for (int number = done + harness.rekkoKills + 1; number <= done + 2 * harness.rekkoKills; ++number)
            harness.rekkoSaveTrial(number, times->second, random);
        PrintTally("Rekko save all", harness.rekkoKills, harness.saveKills, start);
    }
    const int damaged = harness.driverKills.damaged + harness.mergeKills.damaged + harness.startKills.damaged +
                        harness.saveKills.damaged;
    std::printf("%d damaged files\n", damaged);
    if (damaged == 0)
        fs::remove_all(root);
    return damaged == 0 ? 0 : 1;
}
