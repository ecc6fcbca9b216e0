// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance rule of the process entry: refuse next to Sorel, wake a running Rekko, or go on.
#pragma once

#include "base/Result.h"
#include "platform/Dialogs.h"
#include "platform/InstanceRegistry.h"

#include <string>

namespace rekko {

enum class StartVerdict { Run, Quit };

// Applies the rule before any window exists. With the setup marker present both checks are skipped. When the
// earlier program Sorel runs, its message is shown and the start ends. When Rekko runs, the first window found of
// its message box, its schedule dialog and its main window is woken and the start ends quietly; when none of them
// answers any more, the "already started" message is shown and the start ends too.
StartVerdict CheckSingleInstance(InstanceRegistry& registry, Dialogs& dialogs, bool startMarkerExists);

// Returns the notice about a part of the single-instance rule that could not be set up (the runtime folder refused,
// the start lock or the main window's endpoint not made): the file, the cause, and that the start goes on.
std::string InstanceSetupNotice(const Failure& failure);

} // namespace rekko
