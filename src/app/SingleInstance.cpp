// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance rule of the process entry.
#include "SingleInstance.h"

namespace rekko {

StartVerdict CheckSingleInstance(InstanceRegistry& registry, Dialogs& dialogs, bool startMarkerExists) {
    if (startMarkerExists)
        return StartVerdict::Run;
    if (registry.exists(kSorelWindowTitle)) {
        dialogs.inform("【 Sorel -Sorel- 】が立ち上がっています。\r\nSorelを先に終了させてください。\r\n\r\n"
                       "起動を中止します。");
        return StartVerdict::Quit;
    }
    if (!registry.exists(kMainWindowTitle))
        return StartVerdict::Run;
    for (const char* title : {kDefaultCaption, kScheduleDialogTitle, kMainWindowTitle}) {
        if (registry.wake(title))
            return StartVerdict::Quit;
    }
    dialogs.inform("既に立ち上げっていますので、起動を中止します。");
    return StartVerdict::Quit;
}

std::string InstanceSetupNotice(const Failure& failure) {
    return "二重起動を確かめる仕組みを用意できません。\r\n" + failure.path + "\r\n" + failure.cause +
           "\r\nこのまま起動します。";
}

} // namespace rekko
