// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's two hotkeys: taking them at start with their failure messages, giving them back, and what
// Ctrl+F12 does.
#pragma once

#include "platform/Dialogs.h"
#include "platform/GlobalHotkeys.h"

#include <optional>

namespace rekko {

inline constexpr int kResidentHotkeyId = 123; // Ctrl+F12: go resident or restore
inline constexpr int kEditorHotkeyId = 125;   // Ctrl+F11: start Pomta

// Takes Ctrl+F12 and, when Pomta is usable (found and cbEditor on), Ctrl+F11; called at start while cbHotkey is on.
// A key that cannot be taken shows its message, unless quiet (the setup marker exists); the program goes on without
// it.
void RegisterHotkeys(GlobalHotkeys& hotkeys, Dialogs& dialogs, bool editorUsable, bool quiet);

// Gives the keys back when the main window goes away; a refusal shows the release message.
void ReleaseHotkeys(GlobalHotkeys& hotkeys, Dialogs& dialogs);

enum class ResidencyMove { Restore, GoResident };

// Decides what Ctrl+F12 does: nothing while cbHotkey is off; a hidden (or minimised) window is restored, a visible
// one goes resident when the application is active and is brought forward otherwise.
std::optional<ResidencyMove> ResidentHotkeyMove(bool hotkeyOn, bool windowShown, bool applicationActive);

} // namespace rekko
