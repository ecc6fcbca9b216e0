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
using std::chrono::steady_clock;

// What each tracked file of the folder holds; nothing for a missing file.
using Snapshot = std::map<std::string, std::optional<std::string>>;

std::string format(const char* pattern, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

std::optional<std::string> readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(file), {}};
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Code page 932 texts of the schedule lines: Japanese, a stray lead byte before a NEC-selected kanji, NEC and IBM
// characters, an unassigned row, lone bytes that are no character, a full-width comma between digits.
constexpr const char* kTexts[] = {"\x89\xEF\x8B\x63", "A\x81\xEE\xEC", "\x87\x40\xFA\x40", "\xED\x40\xEE\xEC",
                                  "\x85\x40x",        "\x80\xA0\xFD",  "1\x81\x43",        "plain"};
constexpr const char* kColours[] = {"", "clRed", "clBlue", "$00123456", "1"};
constexpr int kLinesPerMonth = 500;
constexpr int kEditedDays[] = {2, 11, 20}; // as the driver edits them

std::string monthBytes(int year, int month) {
    std::string bytes = format(" 0,0,9,%4d/%2d\r\n", year, month);
    for (int k = 0; k < kLinesPerMonth; ++k)
        bytes += format("%2d,%d,,%s%d,%s,,,,,\r\n", 1 + k % 28, 1 + k / 28, kTexts[k % 8], k, kColours[k % 5]);
    return bytes;
}

// Answers whether every line of a day the driver does not edit kept its bytes in the new month file.
bool uneditedLinesKept(const std::string& before, const std::string& after) {
    for (size_t start = before.find("\r\n") + 2; start < before.size();) {
        const size_t end = before.find("\r\n", start) + 2;
        const std::string line = before.substr(start, end - start);
        start = end;
        if (std::find(std::begin(kEditedDays), std::end(kEditedDays), std::stoi(line)) == std::end(kEditedDays) &&
            after.find(line) == std::string::npos)
            return false;
    }
    return true;
}

// The prepared folders: program folder "prog" with Sorel.ini, data folder "data" with five months (one of them a
// symbolic link into "linked"), the period file and the memo, and the current directory "work" with the copies.
class Installation {
public:
    Installation(fs::path root, const std::tm& today) : m_root(std::move(root)) {
        m_date = format("%04d-%02d-%02d", today.tm_year + 1900, today.tm_mon + 1, today.tm_mday);
        // No hotkeys: on the offscreen platform their registration fails with a box.
        m_old["prog/Sorel.ini"] =
            "[Settei]\r\ncbJigen=1\r\ncbHotkey=0\r\nudKidouGyou=100\r\nedFolder=" + (m_root / "data/").string() +
            "\r\nCaFT1=CaFT9999.mcp\r\nCaFT2=CaFT9998.mcp\r\nCaFT3=CaFT9997.mcp\r\n"
            "Foreign=\x85\x40\xED\x40\r\n[Jikoku]\r\npTDay=3\r\n";
        for (int offset = -1; offset <= 3; ++offset) {
            const int index = today.tm_year * 12 + today.tm_mon + offset;
            const int year = 1900 + index / 12, month = 1 + index % 12;
            const std::string name = format("Ca%04d%02d.myc", year, month);
            m_months.push_back((offset == 0 ? "linked/" : "data/") + name);
            m_old[m_months.back()] = monthBytes(year, month);
            if (offset == 0)
                m_link = "data/" + name;
        }
        std::string periods = "***** FromTo\x97\x5C\x92\xE8\r\n";
        for (int k = 0; k < 20; ++k)
            periods += format("%4d,%2d,%2d,M,%4d,%2d,%2d,E,%4d,%2d,%2d,2,clBlue,\x8c\xa4\x8f\x43%d\r\n", 2026,
                              1 + k % 12, 3, 2026, 1 + k % 12, 9, 2026, 1 + k % 12, 6, k);
        m_old["data/CaFromTo.myc"] = periods;
        m_old["data/CaMemo.myc"] = "memo \x81\x20\xED\x40\r\nline 2\r\n";
        for (const char* copy : {"CaFT9999.mcp", "CaFT9998.mcp", "CaFT9997.mcp"})
            m_old[std::string("work/") + copy] = periods;
        const int tens = today.tm_mday < 30 ? today.tm_mday / 10 : 0;
        const std::string copy = format("work/CaFT%d%02d%d.mcp", (today.tm_year + 1900) % 10, today.tm_mon + 1, tens);
        m_old[copy] = std::nullopt;
        // The start rotates the copies: today's is written, the oldest deleted.
        m_written = {m_months.begin(), m_months.end()};
        m_written.insert({"prog/Sorel.ini", "data/CaFromTo.myc", "work/CaFT9997.mcp", copy});
    }

    const fs::path& root() const { return m_root; }
    const std::string& date() const { return m_date; }
    const Snapshot& old() const { return m_old; }
    const std::vector<std::string>& months() const { return m_months; }
    // Answers whether save all, start-up included, changes the file.
    bool written(const std::string& path) const { return m_written.count(path) > 0; }

    // Writes the prepared state, removing everything else from the four folders.
    void prepare() const {
        for (const char* folder : {"prog", "data", "linked", "work"}) {
            fs::remove_all(m_root / folder);
            fs::create_directories(m_root / folder);
        }
        for (const auto& [path, bytes] : m_old)
            if (bytes)
                writeFile(m_root / path, *bytes);
        fs::create_symlink("../" + linkTarget(), m_root / m_link);
    }

    Snapshot snapshot() const {
        Snapshot now;
        for (const auto& [path, bytes] : m_old)
            now[path] = readFile(m_root / path);
        return now;
    }

    bool linkIntact() const {
        std::error_code error;
        return fs::is_symlink(m_root / m_link) && fs::read_symlink(m_root / m_link, error) == "../" + linkTarget();
    }

    // Returns the entries of the four folders that are neither tracked files nor the link nor Rekko.
    std::vector<std::string> strays() const {
        std::vector<std::string> found;
        for (const char* folder : {"prog", "data", "linked", "work"})
            for (const auto& entry : fs::directory_iterator(m_root / folder)) {
                const std::string path = std::string(folder) + "/" + entry.path().filename().string();
                if (!m_old.count(path) && path != m_link && path != "prog/Rekko")
                    found.push_back(path);
            }
        return found;
    }

private:
    std::string linkTarget() const { return "linked/" + m_link.substr(5); }

    fs::path m_root;
    std::string m_date;
    std::string m_link;
    std::vector<std::string> m_months;
    std::set<std::string> m_written;
    Snapshot m_old;
};

// Starts a program in a folder with some variables set, its output going to a log file.
pid_t spawn(const std::vector<std::string>& arguments, const fs::path& folder, const fs::path& log,
            const std::vector<std::pair<const char*, std::string>>& environment = {}) {
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    ::dup2(fd, 1);
    ::dup2(fd, 2);
    for (const auto& [name, value] : environment)
        value.empty() ? ::unsetenv(name) : ::setenv(name, value.c_str(), 1);
    if (::chdir(folder.c_str()) == 0) {
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
    }
    ::_exit(127);
}

// Waits for a child; answers its exit code, or -1 when it was killed, crashed or outlived the timeout (then killed).
int waitFor(pid_t pid, std::chrono::seconds timeout) {
    int status = 0;
    for (const auto end = steady_clock::now() + timeout; ::waitpid(pid, &status, WNOHANG) == 0;) {
        if (steady_clock::now() > end) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Options {
    std::string driver;
    std::string rekko; // the program itself, started on the folder every rekkoEvery trials
    int trials = 50;
    int rekkoEvery = 1;
    unsigned seed = std::random_device{}();
};

class Harness {
public:
    Harness(const Options& options, Installation& installation) : m_options(options), m_folder(installation) {}

    // Runs save all once without a kill: the new state, which must differ where the driver edits and keep the
    // bytes of every line it does not edit. Answers the time it took.
    std::optional<steady_clock::duration> calibrate() {
        m_folder.prepare();
        const auto start = steady_clock::now();
        if (runDriver("save") != 0)
            return failure("save all without a kill failed");
        const auto took = steady_clock::now() - start;
        m_new = m_folder.snapshot();
        for (const auto& [path, bytes] : m_folder.old())
            if ((m_new[path] != bytes) != m_folder.written(path))
                return failure("save all did not write what it should, or wrote what it should not: " + path);
        for (const std::string& path : m_folder.months())
            if (!uneditedLinesKept(*m_folder.old().at(path), *m_new[path]))
                return failure("save all changed the bytes of unedited lines in " + path);
        return took;
    }

    // Kills save all after delay and checks the folder, then the next start; answers the damaged files.
    int trial(int number, std::chrono::microseconds delay) {
        m_folder.prepare();
        const pid_t child = spawnDriver("save");
        std::this_thread::sleep_for(delay);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        int damaged = 0;
        const Snapshot now = m_folder.snapshot();
        bool allOld = true, allNew = true;
        for (const auto& [path, bytes] : now) {
            allOld = allOld && bytes == m_folder.old().at(path);
            allNew = allNew && bytes == m_new.at(path);
            if (bytes != m_folder.old().at(path) && bytes != m_new.at(path))
                damaged += report(number, path + " holds neither its old nor its new bytes");
        }
        if (!m_folder.linkIntact())
            damaged += report(number, "the month file's symbolic link is gone");
        ++(allOld ? m_untouched : allNew ? m_complete : m_partial);
        m_temporaries += m_folder.strays().size();

        if (runDriver("start") != 0)
            damaged += report(number, "the next start failed or showed a box");
        for (const std::string& stray : m_folder.strays())
            damaged += report(number, stray + " survived the next start");
        for (const auto& [path, bytes] : m_folder.snapshot())
            if (path.rfind("work/", 0) != 0 && bytes != now.at(path))
                damaged += report(number, "the start changed " + path);
        if (!m_options.rekko.empty() && number % m_options.rekkoEvery == 0 && !rekkoStarts())
            damaged += report(number, "Rekko did not start on the folder");
        if (damaged > 0)
            keepFolder(number);
        return damaged;
    }

    void summary(int trials, int damaged, std::chrono::seconds took) const {
        std::printf("%d kills in %lld s: %d before any file changed, %d during save all, %d after it; %d temporaries "
                    "left by the kills, all removed at the next start unless reported; %d damaged files\n",
                    trials, static_cast<long long>(took.count()), m_untouched, m_partial, m_complete, m_temporaries,
                    damaged);
    }

private:
    pid_t spawnDriver(const char* mode) const {
        return spawn({m_options.driver, mode, m_folder.root().string(), m_folder.date()}, m_folder.root() / "work",
                     m_folder.root() / "driver.log");
    }
    int runDriver(const char* mode) const { return waitFor(spawnDriver(mode), std::chrono::seconds(120)); }

    // Starts Rekko itself on the folder, offscreen, until its first paint, after which it closes by itself.
    bool rekkoStarts() const {
        const fs::path root = m_folder.root();
        fs::create_hard_link(root / "Rekko", root / "prog/Rekko");
        fs::create_directories(root / "home");
        fs::create_directories(root / "run");
        fs::permissions(root / "run", fs::perms::owner_all);
        fs::remove(root / "rekko.log");
        // A screen of the size of a desktop; on the default 800 x 600 Rekko says the screen is too small.
        writeFile(root / "screen.json", R"({"screens": [{"name": "crash", "width": 1280, "height": 1024}]})");
        const pid_t pid = spawn({(root / "prog/Rekko").string()}, root / "work", root / "rekko.log",
                                {{"QT_QPA_PLATFORM", "offscreen:configfile=" + (root / "screen.json").string()},
                                 {"REKKO_REPORT_FIRST_PAINT", "1"},
                                 {"HOME", (root / "home").string()},
                                 {"XDG_RUNTIME_DIR", (root / "run").string()},
                                 {"XDG_DATA_HOME", ""},
                                 {"XDG_CONFIG_HOME", ""}});
        const bool ok = waitFor(pid, std::chrono::seconds(120)) == 0 &&
                        readFile(root / "rekko.log").value_or("").find("first-paint") != std::string::npos;
        fs::remove(root / "prog/Rekko");
        return ok;
    }

    int report(int number, const std::string& what) const {
        std::printf("trial %d: %s\n", number, what.c_str());
        return 1;
    }

    std::nullopt_t failure(const std::string& what) const {
        std::printf("%s (see %s)\n", what.c_str(), (m_folder.root() / "driver.log").c_str());
        return std::nullopt;
    }

    void keepFolder(int number) const {
        const fs::path kept = m_folder.root() / format("failed-%d", number);
        fs::create_directories(kept);
        for (const char* folder : {"prog", "data", "linked", "work"})
            fs::copy(m_folder.root() / folder, kept / folder,
                     fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    }

    const Options& m_options;
    Installation& m_folder;
    Snapshot m_new;
    int m_untouched = 0, m_partial = 0, m_complete = 0, m_temporaries = 0;
};

} // namespace

// crash_harness --driver PATH [--trials N] [--rekko PATH [--rekko-every N]] [--seed N]
int main(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i], value = argv[i + 1];
        if (flag == "--driver")
            options.driver = fs::absolute(value);
        else if (flag == "--rekko")
            options.rekko = fs::absolute(value);
        else if (flag == "--trials")
            options.trials = std::stoi(value);
        else if (flag == "--rekko-every")
            options.rekkoEvery = std::stoi(value);
        else if (flag == "--seed")
            options.seed = static_cast<unsigned>(std::stoul(value));
    }
    if (options.driver.empty() || options.trials < 1 || options.rekkoEvery < 1) {
        std::fputs("usage: crash_harness --driver PATH [--trials N] [--rekko PATH [--rekko-every N]] [--seed N]\n",
                   stderr);
        return 64;
    }
    char pattern[] = "/tmp/rekko-crash-XXXXXX";
    const fs::path root = ::mkdtemp(pattern);
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    ::localtime_r(&now, &today);
    Installation installation(root, today);
    if (!options.rekko.empty())
        fs::copy_file(options.rekko, root / "Rekko");
    std::printf("seed %u, folder %s\n", options.seed, root.c_str());

    Harness harness(options, installation);
    const auto took = harness.calibrate();
    if (!took)
        return 1;
    std::mt19937 random(options.seed);
    // Kills fall anywhere from the start of the child to a little after the time an uninterrupted run needs.
    std::uniform_int_distribution<long long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(*took).count() * 11 / 10);
    const auto start = steady_clock::now();
    int damaged = 0;
    for (int number = 1; number <= options.trials; ++number)
        damaged += harness.trial(number, std::chrono::microseconds(delay(random)));
    harness.summary(options.trials, damaged,
                    std::chrono::duration_cast<std::chrono::seconds>(steady_clock::now() - start));
    if (damaged == 0)
        fs::remove_all(root);
    return damaged == 0 ? 0 : 1;
}
