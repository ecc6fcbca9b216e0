// SPDX-License-Identifier: GPL-3.0-or-later
// The real Rekko on the crash harness's folders, on the X server of DISPLAY as the desktop flow tests start it: the
// xcb platform, a private home and runtime folder, input through xdotool.
#pragma once

#include "CrashFolders.h"

#include <chrono>
#include <string>

namespace crash {

class RekkoOnDisplay {
public:
    // root holds the program as "Rekko" beside the prepared folders.
    explicit RekkoOnDisplay(fs::path root) : m_root(std::move(root)) {}
    ~RekkoOnDisplay() { stop(); }
    RekkoOnDisplay(const RekkoOnDisplay&) = delete;
    RekkoOnDisplay& operator=(const RekkoOnDisplay&) = delete;

    // Starts Rekko from the program folder in the current directory "work" (its output goes to rekko.log).
    void launch();
    // Waits for the main window and gives it the focus; false when it did not come within 30 s.
    bool waitForMainWindow();
    // Types a line into a day of the shown month through the day entry (Ctrl+L) and writes it (Ctrl+Enter);
    // false when the schedule dialog did not open or close.
    bool addLine(int day, const std::string& text);
    // Sends a signal; SIGKILL also reaps the process.
    void signal(int number);
    // Waits for the end and answers the exit code, -1 when it did not end normally.
    int waitForEnd();
    // Kills a program still running and removes its program file.
    void stop();

private:
    // The first visible window of the program whose title matches; empty when there is none.
    std::string findWindow(const std::string& titlePattern) const;
    // Such a window, waiting up to timeoutMs; empty when none came.
    std::string waitForWindow(const std::string& titlePattern, int timeoutMs) const;
    // Waits up to timeoutMs until no such window is left; false when one stayed.
    bool waitUntilGone(const std::string& titlePattern, int timeoutMs) const;

    fs::path m_root;
    pid_t m_pid = 0;
    std::string m_mainWindow;
};

} // namespace crash
