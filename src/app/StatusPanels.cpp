// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's panels as the function tick and the "/J" countdown refresh them.
#include "StatusPanels.h"

#include "AppFolders.h"

#include <system_error>

namespace rekko {

StatusPanels::StatusPanels(StatusBar& bar, const Clock& clock, const Settings& settings,
                           std::filesystem::path startupFolder, std::filesystem::path programFolder)
    : m_bar(bar), m_clock(clock), m_settings(settings), m_jigloShortcut(startupFolder / "Jiglo.desktop"),
      m_programFolderText(FolderText(programFolder)) {}

void StatusPanels::refreshPanel0(bool retrieving) {
    m_bar.showPanel0(retrieving ? kRetrievingTimeText : FormatStatusClock(m_clock.now()));
}

bool StatusPanels::jigloShortcutExists() const {
    std::error_code error;
    return std::filesystem::exists(m_jigloShortcut, error);
}

void StatusPanels::refreshPanel1() {
    m_jigloMark = jigloShortcutExists();
    m_bar.showPanel1(StatusPanel1(m_jigloMark, m_countdown, m_settings.cbShiyouchuu, m_programFolderText));
}

void StatusPanels::startCountdown(int seconds) {
    m_countdown = seconds > 0 ? seconds : 0;
    refreshPanel1();
}

bool StatusPanels::countDown() {
    if (m_countdown == 0)
        return false;
    --m_countdown;
    refreshPanel1();
    return m_countdown == 0;
}

void StatusPanels::cancelCountdown() {
    m_countdown = 0;
    refreshPanel1();
}

void StatusPanels::showDateChanging() {
    m_bar.setHighlighted(true);
    m_bar.showPanel1({kDateChangingText, true});
}

void StatusPanels::endDateChanging() {
    m_bar.setHighlighted(false);
    refreshPanel1();
}

} // namespace rekko
