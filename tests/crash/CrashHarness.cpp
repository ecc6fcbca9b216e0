// SPDX-License-Identifier: GPL-3.0-or-later
// Kills save all with SIGKILL at random moments and checks each time that every data file holds its old or its new
// bytes, that the link stays a link, and that the next start removes every temporary and starts without a box.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

// What each tracked file of the folder holds; nothing for a missing file.
using Snapshot = std::map<std::string, std::optional<std::string>>;
constexpr const char* kFolders[] = {"prog", "data", "linked", "work"};

std::string format(const char* pattern, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

std::optional<std::string> readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return file ? std::optional(std::string{std::istreambuf_iterator<char>(file), {}}) : std::nullopt;
}

// Code page 932 texts of the schedule lines: Japanese, a stray lead byte before a NEC-selected kanji, NEC and IBM
// characters, an unassigned row, lone bytes that are no character, a full-width comma between digits.
constexpr const char* kTexts[] = {"\x89\xEF\x8B\x63", "A\x81\xEE\xEC", "\x87\x40\xFA\x40", "\xED\x40\xEE\xEC",
                                  "\x85\x40x",        "\x80\xA0\xFD",  "1\x81\x43",        "plain"};
constexpr const char* kColours[] = {"", "clRed", "clBlue", "$00123456", "1"};
constexpr int kEditedDays[] = {2, 11, 20}; // as the driver edits them

std::string monthBytes(int year, int month) {
    std::string bytes = format(" 0,0,9,%4d/%2d\r\n", year, month);
    for (int k = 0; k < 500; ++k)
        bytes += format("%2d,%d,,%s%d,%s,,,,,\r\n", 1 + k % 28, 1 + k / 28, kTexts[k % 8], k, kColours[k % 5]);
    return bytes;
}

// Answers whether every line of a day the driver does not edit kept its bytes in the new month file.
bool uneditedLinesKept(const std::string& before, const std::string& after) {
    for (size_t start = before.find("\r\n") + 2, end; start < before.size(); start = end) {
        end = before.find("\r\n", start) + 2;
        const std::string line = before.substr(start, end - start);
        if (std::ranges::find(kEditedDays, std::stoi(line)) == std::end(kEditedDays) &&
            after.find(line) == std::string::npos)
            return false;
    }
    return true;
}

// The prepared folders: program folder "prog" with Sorel.ini, data folder "data" with five months (one of them a
// symbolic link into "linked"), the period file and the memo, and the current directory "work" with the copies.
struct Installation {
    void install(fs::path folder, const std::tm& today) {
        root = std::move(folder);
        date = format("%04d-%02d-%02d", today.tm_year + 1900, today.tm_mon + 1, today.tm_mday);
        // No hotkeys: on the offscreen platform their registration fails with a box.
        old["prog/Sorel.ini"] =
            "[Settei]\r\ncbJigen=1\r\ncbHotkey=0\r\nudKidouGyou=100\r\nedFolder=" + (root / "data/").string() +
            "\r\nCaFT1=CaFT9999.mcp\r\nCaFT2=CaFT9998.mcp\r\nCaFT3=CaFT9997.mcp\r\n"
            "Foreign=\x85\x40\xED\x40\r\n[Jikoku]\r\npTDay=3\r\n";
        for (int offset = -1; offset <= 3; ++offset) {
            const int index = today.tm_year * 12 + today.tm_mon + offset;
            const std::string name = format("Ca%04d%02d.myc", 1900 + index / 12, 1 + index % 12);
            months.push_back((offset == 0 ? "linked/" : "data/") + name);
            old[months.back()] = monthBytes(1900 + index / 12, 1 + index % 12);
            if (offset == 0)
                link = "data/" + name;
        }
        std::string periods = "***** FromTo\x97\x5C\x92\xE8\r\n";
        for (int k = 0; k < 20; ++k)
            periods += format("%4d,%2d,%2d,M,%4d,%2d,%2d,E,%4d,%2d,%2d,2,clBlue,\x8c\xa4\x8f\x43%d\r\n", 2026,
                              1 + k % 12, 3, 2026, 1 + k % 12, 9, 2026, 1 + k % 12, 6, k);
        old["data/CaFromTo.myc"] = periods;
        old["data/CaMemo.myc"] = "memo \x81\x20\xED\x40\r\nline 2\r\n";
        for (const char* copy : {"work/CaFT9999.mcp", "work/CaFT9998.mcp", "work/CaFT9997.mcp"})
            old[copy] = periods;
        const int tens = today.tm_mday < 30 ? today.tm_mday / 10 : 0;
        const std::string copy = format("work/CaFT%d%02d%d.mcp", (today.tm_year + 1900) % 10, today.tm_mon + 1, tens);
        old[copy] = std::nullopt;
        // Save all, start-up included, changes these; the start rotates the copies: today's is written, the oldest
        // deleted.
        written = {months.begin(), months.end()};
        written.insert({"prog/Sorel.ini", "data/CaFromTo.myc", "work/CaFT9997.mcp", copy});
    }

    std::string linkTarget() const { return "../linked/" + link.substr(5); }

    // Writes the prepared state, removing everything else from the four folders.
    void prepare() const {
        for (const char* folder : kFolders) {
            fs::remove_all(root / folder);
            fs::create_directories(root / folder);
        }
        for (const auto& [path, bytes] : old)
            if (bytes)
                std::ofstream(root / path, std::ios::binary) << *bytes;
        fs::create_symlink(linkTarget(), root / link);
    }

    Snapshot snapshot() const {
        Snapshot now;
        for (const auto& [path, bytes] : old)
            now[path] = readFile(root / path);
        return now;
    }

    bool linkIntact() const {
        std::error_code error;
        return fs::is_symlink(root / link) && fs::read_symlink(root / link, error) == linkTarget();
    }

    // Returns the entries of the four folders that are neither tracked files nor the link nor Rekko.
    std::vector<std::string> strays() const {
        std::vector<std::string> found;
        for (const char* folder : kFolders)
            for (const auto& entry : fs::directory_iterator(root / folder))
                if (std::string path = std::string(folder) + "/" + entry.path().filename().string();
                    !old.count(path) && path != link && path != "prog/Rekko")
                    found.push_back(path);
        return found;
    }

    fs::path root;
    std::string date, link;
    std::vector<std::string> months;
    std::set<std::string> written;
    Snapshot old;
};

// Starts a program in a folder with variables set ("NAME=value"; a bare name unsets), its output going to a log.
pid_t spawn(const std::vector<std::string>& arguments, const fs::path& folder, const fs::path& log,
            const std::vector<std::string>& environment = {}) {
    if (const pid_t pid = ::fork(); pid != 0)
        return pid;
    const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    ::dup2(fd, 1);
    ::dup2(fd, 2);
    for (const std::string& variable : environment)
        variable.find('=') == std::string::npos ? ::unsetenv(variable.c_str()) : ::putenv(strdup(variable.c_str()));
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (::chdir(folder.c_str()) == 0)
        ::execv(argv[0], argv.data());
    ::_exit(127);
}

// Waits for a child; answers its exit code, or -1 when it was killed, crashed or outlived two minutes (then killed).
int waitFor(pid_t pid) {
    int status = 0;
    for (const auto end = steady_clock::now() + minutes(2); ::waitpid(pid, &status, WNOHANG) == 0;) {
        if (steady_clock::now() > end) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(milliseconds(2));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Harness : Installation {
    // Runs save all once without a kill: the new state, which must differ where the driver edits and keep the
    // bytes of every line it does not edit. Answers the time it took.
    std::optional<steady_clock::duration> calibrate() {
        prepare();
        const auto start = steady_clock::now();
        if (runDriver("save") != 0)
            return failure("save all without a kill failed");
        const auto took = steady_clock::now() - start;
        next = snapshot();
        for (const auto& [path, bytes] : old)
            if ((next[path] != bytes) != written.contains(path))
                return failure("save all did not write what it should, or wrote what it should not: " + path);
        for (const std::string& path : months)
            if (!uneditedLinesKept(*old.at(path), *next[path]))
                return failure("save all changed the bytes of unedited lines in " + path);
        return took;
    }

    // Kills save all after delay and checks the folder, then the next start; answers the damaged files.
    int trial(int number, microseconds delay) {
        prepare();
        const pid_t child = spawnDriver("save");
        std::this_thread::sleep_for(delay);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        int damaged = 0;
        const auto report = [&](const std::string& what) {
            std::printf("trial %d: %s\n", number, what.c_str());
            ++damaged;
        };
        const Snapshot now = snapshot();
        bool allOld = true, allNew = true;
        for (const auto& [path, bytes] : now) {
            allOld = allOld && bytes == old.at(path);
            allNew = allNew && bytes == next.at(path);
            if (bytes != old.at(path) && bytes != next.at(path))
                report(path + " holds neither its old nor its new bytes");
        }
        if (!linkIntact())
            report("the month file's symbolic link is gone");
        ++(allOld ? untouched : allNew ? complete : partial);
        temporaries += strays().size();

        if (runDriver("start") != 0)
            report("the next start failed or showed a box");
        for (const std::string& stray : strays())
            report(stray + " survived the next start");
        for (const auto& [path, bytes] : snapshot())
            if (!path.starts_with("work/") && bytes != now.at(path))
                report("the start changed " + path);
        if (!rekko.empty() && number % rekkoEvery == 0 && !rekkoStarts())
            report("Rekko did not start on the folder");
        if (damaged > 0) {
            const fs::path kept = root / format("failed-%d", number);
            fs::create_directories(kept);
            for (const char* name : kFolders)
                fs::copy(root / name, kept / name, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        }
        return damaged;
    }

    pid_t spawnDriver(const char* mode) const {
        return spawn({driver, mode, root.string(), date}, root / "work", root / "driver.log");
    }
    int runDriver(const char* mode) const { return waitFor(spawnDriver(mode)); }

    // Starts Rekko itself on the folder, offscreen, until its first paint, after which it closes by itself.
    bool rekkoStarts() const {
        fs::create_hard_link(root / "Rekko", root / "prog/Rekko");
        fs::create_directories(root / "home");
        fs::create_directories(root / "run");
        fs::permissions(root / "run", fs::perms::owner_all);
        fs::remove(root / "rekko.log");
        // A screen of the size of a desktop; on the default 800 x 600 Rekko says the screen is too small.
        std::ofstream(root / "screen.json") << R"({"screens": [{"name": "crash", "width": 1280, "height": 1024}]})";
        const pid_t pid = spawn({(root / "prog/Rekko").string()}, root / "work", root / "rekko.log",
                                {"QT_QPA_PLATFORM=offscreen:configfile=" + (root / "screen.json").string(),
                                 "REKKO_REPORT_FIRST_PAINT=1", "HOME=" + (root / "home").string(),
                                 "XDG_RUNTIME_DIR=" + (root / "run").string(), "XDG_DATA_HOME", "XDG_CONFIG_HOME"});
        const bool ok =
            waitFor(pid) == 0 && readFile(root / "rekko.log").value_or("").find("first-paint") != std::string::npos;
        fs::remove(root / "prog/Rekko");
        return ok;
    }

    std::nullopt_t failure(const std::string& what) const {
        std::printf("%s (see %s)\n", what.c_str(), (root / "driver.log").c_str());
        return std::nullopt;
    }

    std::string driver;
    std::string rekko; // the program itself, started on the folder every rekkoEvery trials
    int trials = 50, rekkoEvery = 1;
    unsigned seed = std::random_device{}();
    Snapshot next;
    int untouched = 0, partial = 0, complete = 0, temporaries = 0;
};

} // namespace

// crash_harness --driver PATH [--trials N] [--rekko PATH [--rekko-every N]] [--seed N]
int main(int argc, char** argv) {
    Harness harness;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i], value = argv[i + 1];
        if (flag == "--driver" || flag == "--rekko")
            (flag == "--driver" ? harness.driver : harness.rekko) = fs::absolute(value);
        else if (flag == "--trials" || flag == "--rekko-every")
            (flag == "--trials" ? harness.trials : harness.rekkoEvery) = std::stoi(value);
        else if (flag == "--seed")
            harness.seed = static_cast<unsigned>(std::stoul(value));
    }
    if (harness.driver.empty() || harness.trials < 1 || harness.rekkoEvery < 1) {
        std::fputs("usage: crash_harness --driver PATH [--trials N] [--rekko PATH [--rekko-every N]] [--seed N]\n",
                   stderr);
        return 64;
    }
    char pattern[] = "/tmp/rekko-crash-XXXXXX";
    const fs::path root = ::mkdtemp(pattern);
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    ::localtime_r(&now, &today);
    harness.install(root, today);
    if (!harness.rekko.empty())
        fs::copy_file(harness.rekko, root / "Rekko");
    std::printf("seed %u, folder %s\n", harness.seed, root.c_str());

    const auto took = harness.calibrate();
    if (!took)
        return 1;
    std::mt19937 random(harness.seed);
    // Kills fall anywhere from the start of the child to a little after the time an uninterrupted run needs.
    std::uniform_int_distribution<long long> delay(0, duration_cast<microseconds>(*took).count() * 11 / 10);
    const auto start = steady_clock::now();
    int damaged = 0;
    for (int number = 1; number <= harness.trials; ++number)
        damaged += harness.trial(number, microseconds(delay(random)));
    std::printf("%d kills in %lld s: %d before any file changed, %d during save all, %d after it; %d temporaries "
                "left by the kills, all removed at the next start unless reported; %d damaged files\n",
                harness.trials, static_cast<long long>(duration_cast<seconds>(steady_clock::now() - start).count()),
                harness.untouched, harness.partial, harness.complete, harness.temporaries, damaged);
    if (damaged == 0)
        fs::remove_all(root);
    return damaged == 0 ? 0 : 1;
}
