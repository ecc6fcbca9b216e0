// SPDX-License-Identifier: GPL-3.0-or-later
// Taking and giving back the main window's hotkeys on this desktop.
#include "MainHotkeys.h"

#include "app/Hotkeys.h"
#include "files/UserFiles.h"
#include "platform/ui/DesktopPorts.h"

#include <filesystem>
#include <system_error>

namespace rekko {

MainHotkeys::MainHotkeys(const MainController& controller, Dialogs& dialogs)
    : m_controller(controller), m_dialogs(dialogs), m_keys(MakeGlobalHotkeys(*this)) {}

MainHotkeys::~MainHotkeys() = default;

void MainHotkeys::registerKeys() {
    std::error_code error;
    const bool setupRuns = std::filesystem::exists(kStartMarkerName, error);
    const bool editorUsable = m_controller.pomta().has_value() && m_controller.settings().cbEditor;
    RegisterHotkeys(*m_keys, m_dialogs, editorUsable, setupRuns);
}

void MainHotkeys::releaseKeys() {
    ReleaseHotkeys(*m_keys, m_dialogs);
}

} // namespace rekko
