// SPDX-License-Identifier: GPL-3.0-or-later
// Starting, driving and killing the real Rekko for the crash harness.
#include "RekkoOnDisplay.h"

#include <csignal>
#include <thread>
#include <unistd.h>

namespace crash {

namespace {

using namespace std::chrono;

// Runs xdotool with its arguments (no quoting needed: ids, key names, plain text and patterns without quotes), for
// 10 s at most (windowactivate --sync waits for ever when the window manager does not give the focus), and returns
// its standard output.
std::string Xdotool(const std::string& arguments) {
    std::string output;
    if (FILE* pipe = ::popen(("timeout --foreground 10 xdotool " + arguments + " 2>/dev/null").c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        ::pclose(pipe);
    }
    return output;
}

} // namespace

void RekkoOnDisplay::launch() {
    std::error_code ignored;
    fs::remove(m_root / "prog/Rekko", ignored);
    fs::create_hard_link(m_root / "Rekko", m_root / "prog/Rekko");
    fs::create_directories(m_root / "home");
    fs::create_directories(m_root / "run");
    fs::permissions(m_root / "run", fs::perms::owner_all);
    fs::remove(m_root / "rekko.log", ignored);
    m_mainWindow.clear();
    m_pid = Spawn({(m_root / "prog/Rekko").string()}, m_root / "work", m_root / "rekko.log",
                  {"QT_QPA_PLATFORM=xcb", "HOME=" + (m_root / "home").string(),
                   "XDG_RUNTIME_DIR=" + (m_root / "run").string(), "XDG_DATA_HOME", "XDG_CONFIG_HOME"});
}

std::string RekkoOnDisplay::findWindow(const std::string& titlePattern) const {
    const std::string found =
        Xdotool("search --all --onlyvisible --pid " + std::to_string(m_pid) + " --name '" + titlePattern + "'");
    return found.substr(0, found.find('\n'));
}

std::string RekkoOnDisplay::waitForWindow(const std::string& titlePattern, int timeoutMs) const {
    const auto end = steady_clock::now() + milliseconds(timeoutMs);
    for (std::string found = findWindow(titlePattern);; found = findWindow(titlePattern)) {
        if (!found.empty() || steady_clock::now() >= end)
            return found;
        std::this_thread::sleep_for(milliseconds(10));
    }
}

bool RekkoOnDisplay::waitUntilGone(const std::string& titlePattern, int timeoutMs) const {
    const auto end = steady_clock::now() + milliseconds(timeoutMs);
    while (!findWindow(titlePattern).empty()) {
        if (steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(milliseconds(10));
    }
    return true;
}

bool RekkoOnDisplay::waitForMainWindow() {
    m_mainWindow = waitForWindow("^Rekko - Rekko -$", 30000);
    if (m_mainWindow.empty())
        return false;
    Xdotool("windowactivate --sync " + m_mainWindow);
    return true;
}

bool RekkoOnDisplay::addLine(int day, const std::string& text) {
    // Keys that come while the window manager still hands the focus over go astray; the day entry is tried again.
    std::string dialog;
    for (int attempt = 0; attempt < 3 && dialog.empty(); ++attempt) {
        Xdotool("windowactivate --sync " + m_mainWindow);
        std::this_thread::sleep_for(milliseconds(200));
        Xdotool("key ctrl+l");
        Xdotool("type --delay 20 " + std::to_string(day));
        Xdotool("key Return");
        dialog = waitForWindow("^Rekko -Rekko-$", 5000);
    }
    if (dialog.empty()) {
        std::puts("the schedule dialog did not open");
        return false;
    }
    // Settled under the window manager, the dialog keeps the same place at every run, and so do the settings.
    Xdotool("windowactivate --sync " + dialog);
    std::this_thread::sleep_for(milliseconds(300));
    Xdotool("type --delay 20 '" + text + "'");
    Xdotool("key ctrl+Return");
    if (!waitUntilGone("^Rekko -Rekko-$", 5000)) {
        std::puts("the schedule dialog did not close");
        return false;
    }
    return true;
}

void RekkoOnDisplay::signal(int number) {
    if (number == SIGKILL) {
        Kill(m_pid);
        m_pid = 0;
    } else {
        ::kill(m_pid, number);
    }
}

int RekkoOnDisplay::waitForEnd() {
    const int code = WaitFor(m_pid);
    m_pid = 0;
    return code;
}

void RekkoOnDisplay::stop() {
    if (m_pid > 0)
        signal(SIGKILL);
    std::error_code ignored;
    fs::remove(m_root / "prog/Rekko", ignored);
}

} // namespace crash
