// SPDX-License-Identifier: GPL-3.0-or-later
// Picks the implementation of the desktop's ports for the platform the application runs on.
#pragma once

#include "platform/GlobalHotkeys.h"

#include <memory>

namespace rekko {

// Returns X11 key grabs on an X server, and the null class elsewhere (offscreen, Wayland). Must be destroyed before
// the application object.
std::unique_ptr<GlobalHotkeys> MakeGlobalHotkeys(HotkeyListener& listener);

} // namespace rekko
