// SPDX-License-Identifier: GPL-3.0-or-later
// The crash harness's folders and children.
#include "CrashFolders.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace crash {

using namespace std::chrono;

namespace {

// Code page 932 texts of the schedule lines: Japanese, a stray lead byte before a NEC-selected kanji, NEC and IBM
// characters, an unassigned row, lone bytes that are no character, a full-width comma between digits.
constexpr const char* kTexts[] = {"\x89\xEF\x8B\x63", "A\x81\xEE\xEC", "\x87\x40\xFA\x40", "\xED\x40\xEE\xEC",
                                  "\x85\x40x",        "\x80\xA0\xFD",  "1\x81\x43",        "plain"};
constexpr const char* kColours[] = {"", "clRed", "clBlue", "$00123456", "1"};

std::string MonthBytes(int year, int month) {
    std::string bytes = Format(" 0,0,9,%4d/%2d\r\n", year, month);
    for (int k = 0; k < 500; ++k)
        bytes += Format("%2d,%d,,%s%d,%s,,,,,\r\n", 1 + k % 28, 1 + k / 28, kTexts[k % 8], k, kColours[k % 5]);
    return bytes;
}

} // namespace

std::optional<std::string> ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return file ? std::optional(std::string{std::istreambuf_iterator<char>(file), {}}) : std::nullopt;
}

bool UneditedLinesKept(const std::string& before, const std::string& after) {
    for (size_t start = before.find("\r\n") + 2, end; start < before.size(); start = end) {
        end = before.find("\r\n", start) + 2;
        const std::string line = before.substr(start, end - start);
        if (std::ranges::find(kEditedDays, std::stoi(line)) == std::end(kEditedDays) &&
            after.find(line) == std::string::npos)
            return false;
    }
    return true;
}

void Installation::install(fs::path folder, const std::tm& today) {
    root = std::move(folder);
    date = Format("%04d-%02d-%02d", today.tm_year + 1900, today.tm_mon + 1, today.tm_mday);
    // No hotkeys: where their registration fails it shows a box. A timer time of its own, as the program would
    // otherwise take the time of its start, and each end of Rekko write other bytes.
    old["prog/Sorel.ini"] = "[Settei]\r\ncbJigen=1\r\ncbHotkey=0\r\nudKidouGyou=100\r\npTimer=12:00:00\r\nedFolder=" +
                            (root / "data/").string() +
                            "\r\nCaFT1=CaFT9999.mcp\r\nCaFT2=CaFT9998.mcp\r\nCaFT3=CaFT9997.mcp\r\n"
                            "Foreign=\x85\x40\xED\x40\r\n[Jikoku]\r\npTDay=3\r\n";
    for (int offset = -1; offset <= 3; ++offset) {
        const int index = today.tm_year * 12 + today.tm_mon + offset;
        const std::string name = Format("Ca%04d%02d.myc", 1900 + index / 12, 1 + index % 12);
        months.push_back((offset == 0 ? "linked/" : "data/") + name);
        old[months.back()] = MonthBytes(1900 + index / 12, 1 + index % 12);
        if (offset == 0)
            link = "data/" + name;
    }
    std::string periods = "***** FromTo\x97\x5C\x92\xE8\r\n";
    for (int k = 0; k < 20; ++k)
        periods += Format("%4d,%2d,%2d,M,%4d,%2d,%2d,E,%4d,%2d,%2d,2,clBlue,\x8c\xa4\x8f\x43%d\r\n", 2026, 1 + k % 12,
                          3, 2026, 1 + k % 12, 9, 2026, 1 + k % 12, 6, k);
    old["data/CaFromTo.myc"] = periods;
    old["data/CaMemo.myc"] = "memo \x81\x20\xED\x40\r\nline 2\r\n";
    for (const char* copy : {"work/CaFT9999.mcp", "work/CaFT9998.mcp", "work/CaFT9997.mcp"})
        old[copy] = periods;
    const int tens = today.tm_mday < 30 ? today.tm_mday / 10 : 0;
    const std::string copy = Format("work/CaFT%d%02d%d.mcp", (today.tm_year + 1900) % 10, today.tm_mon + 1, tens);
    old[copy] = std::nullopt;
    // The start rotates the copies: today's is written, the oldest deleted.
    written = {months.begin(), months.end()};
    written.insert({"prog/Sorel.ini", "data/CaFromTo.myc", "work/CaFT9997.mcp", copy});
}

void Installation::prepare() const {
    for (const char* folder : kFolders) {
        fs::remove_all(root / folder);
        fs::create_directories(root / folder);
    }
    for (const auto& [path, bytes] : old)
        if (bytes)
            std::ofstream(root / path, std::ios::binary) << *bytes;
    fs::create_symlink(linkTarget(), root / link);
}

Snapshot Installation::snapshot() const {
    Snapshot now;
    for (const auto& [path, bytes] : old)
        now[path] = ReadFile(root / path);
    // Where Rekko keeps the schedule dialog depends on whether the window manager has told the frame's size when the
    // dialog closes, which differs from run to run; the rest of the file must hold the same bytes.
    if (auto& settings = now["prog/Sorel.ini"])
        for (const std::string key : {"\r\nfmDayTop=", "\r\nfmDayLeft="})
            if (const size_t at = settings->find(key); at != std::string::npos)
                settings->replace(at + key.size(), settings->find('\r', at + key.size()) - at - key.size(), "*");
    return now;
}

std::string Installation::stamps() const {
    std::string all;
    for (const auto& entry : old) {
        struct stat status {};
        all += ::stat((root / entry.first).c_str(), &status) != 0
                   ? "-;"
                   : Format("%lu,%ld,%ld.%ld;", static_cast<unsigned long>(status.st_ino),
                            static_cast<long>(status.st_size), static_cast<long>(status.st_ctim.tv_sec),
                            static_cast<long>(status.st_ctim.tv_nsec));
    }
    return all;
}

bool Installation::linkIntact() const {
    std::error_code error;
    return fs::is_symlink(root / link) && fs::read_symlink(root / link, error) == linkTarget();
}

std::vector<std::string> Installation::strays() const {
    std::vector<std::string> found;
    for (const char* folder : kFolders)
        for (const auto& entry : fs::directory_iterator(root / folder))
            if (std::string path = std::string(folder) + "/" + entry.path().filename().string();
                !old.count(path) && path != link && path != "prog/Rekko")
                found.push_back(path);
    return found;
}

pid_t Spawn(const std::vector<std::string>& arguments, const fs::path& folder, const fs::path& log,
            const std::vector<std::string>& environment) {
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

int WaitFor(pid_t pid) {
    int status = 0;
    for (const auto end = steady_clock::now() + minutes(2); ::waitpid(pid, &status, WNOHANG) == 0;) {
        if (steady_clock::now() > end) {
            Kill(pid);
            return -1;
        }
        std::this_thread::sleep_for(milliseconds(2));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Kill(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

} // namespace crash
