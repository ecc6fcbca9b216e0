// SPDX-License-Identifier: GPL-3.0-or-later
// The global hotkey port: keys the desktop hands to this program whichever window has the focus.
#pragma once

#include "base/Result.h"

namespace rekko {

enum class HotkeyKey { ControlF11, ControlF12 };

// Receives the hotkeys taken, by their ids, on the user-interface thread.
class HotkeyListener {
public:
    virtual ~HotkeyListener() = default;
    virtual void hotkeyPressed(int id) = 0;
};

class GlobalHotkeys {
public:
    virtual ~GlobalHotkeys() = default;

    // Takes a key for this program under an id; fails when the desktop has no global keys or another program
    // holds the key.
    virtual Status grab(int id, HotkeyKey key) = 0;
    // Gives back every key taken; fails when the desktop refused to give one back.
    virtual Status releaseAll() = 0;
};

// A desktop without global hotkeys (the offscreen platform, Wayland): every grab fails.
class NullGlobalHotkeys : public GlobalHotkeys {
public:
    Status grab(int, HotkeyKey) override { return Failure{.cause = "この画面には、ホットキーがありません。"}; }
    Status releaseAll() override { return Success(); }
};

} // namespace rekko
