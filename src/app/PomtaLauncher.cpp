// SPDX-License-Identifier: GPL-3.0-or-later
// The Pomta check and the two ways of starting it.
#include "PomtaLauncher.h"

namespace rekko {

PomtaLauncher::PomtaLauncher(InstanceRegistry& instances, Dialogs& dialogs, ProgramStarter& starter,
                             std::filesystem::path pomta)
    : m_instances(instances), m_dialogs(dialogs), m_starter(starter), m_pomta(std::move(pomta)) {}

bool PomtaLauncher::busy() {
    if (!m_instances.exists(kPomtaWindowTitle))
        return false;
    m_dialogs.inform("「Pomta」が立ち上がっています。\r\nPomtaを終了させてから、もう一度操作してください。");
    return true;
}

void PomtaLauncher::startFromHotkey() {
    if (!busy())
        start({});
}

bool PomtaLauncher::openMemo(const std::string& argument) {
    return !busy() && start({argument});
}

bool PomtaLauncher::start(const std::vector<std::string>& arguments) {
    if (m_starter.start(m_pomta, arguments, {}))
        return true;
    m_dialogs.inform(kProcessFailedMessage);
    return false;
}

} // namespace rekko
