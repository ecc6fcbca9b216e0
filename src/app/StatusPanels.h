// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's status bar as the timers keep it: the clock of panel 0, the Jiglo mark, the "/J" countdown and
// the start folder of panel 1, and the date-change notice.
#pragma once

#include "Settings.h"
#include "StatusText.h"

#include "platform/Clock.h"

#include <filesystem>
#include <string>

namespace rekko {

// Shown in panel 1 on a yellow status bar while the date changes.
inline constexpr const char* kDateChangingText = "  **********  日付を変更中  **********";

// The status bar widget: what it shows, and its colour.
class StatusBar {
public:
    virtual ~StatusBar() = default;

    virtual void showPanel0(const std::string& text) = 0;
    virtual void showPanel1(const StatusLine& line) = 0;
    // Colours the status bar yellow, or gives it back its normal colour.
    virtual void setHighlighted(bool highlighted) = 0;
};

class StatusPanels {
public:
    // startupFolder holds the autostart entries ("Jiglo.desktop" when Jiglo sets the clock); programFolder is shown
    // in panel 1 while cbShiyouchuu is on.
    StatusPanels(StatusBar& bar, const Clock& clock, const Settings& settings, std::filesystem::path startupFolder,
                 std::filesystem::path programFolder);

    // Shows the current date and time in panel 0, or the retrieval notice while a time retrieval runs.
    void refreshPanel0(bool retrieving);
    // Shows panel 1, after setting the Jiglo mark when Jiglo's autostart entry exists and clearing it otherwise.
    void refreshPanel1();
    // Answers whether the last refresh of panel 1 found Jiglo's autostart entry.
    bool jigloMark() const { return m_jigloMark; }
    // Answers whether Jiglo's autostart entry exists now.
    bool jigloShortcutExists() const;

    // Starts the "/J" countdown (seconds, 0 for none) and shows it.
    void startCountdown(int seconds);
    int countdownSeconds() const { return m_countdown; }
    // Lowers the countdown by one second and shows it; answers true when it has just reached 0, the moment the
    // program goes resident. Does nothing once it is 0.
    bool countDown();
    // Ends the countdown at once without a move (a press on the page control) and shows panel 1.
    void cancelCountdown();

    // Colours the bar yellow with the date-change notice in panel 1, or gives the bar its colour back and shows
    // panel 1 again.
    void showDateChanging();
    void endDateChanging();

private:
    StatusBar& m_bar;
    const Clock& m_clock;
    const Settings& m_settings;
    std::filesystem::path m_jigloShortcut;
    std::string m_programFolderText;
    bool m_jigloMark = false;
    int m_countdown = 0;
};

} // namespace rekko
