// SPDX-License-Identifier: GPL-3.0-or-later
// The one place that chooses between the X11 and the null desktop ports.
#include "DesktopPorts.h"

#include "X11GlobalHotkeys.h"

namespace rekko {

std::unique_ptr<GlobalHotkeys> MakeGlobalHotkeys(HotkeyListener& listener) {
    if (auto x11 = X11GlobalHotkeys::Create(listener))
        return x11;
    return std::make_unique<NullGlobalHotkeys>();
}

} // namespace rekko
