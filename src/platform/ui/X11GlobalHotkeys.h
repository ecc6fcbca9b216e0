// SPDX-License-Identifier: GPL-3.0-or-later
// Global hotkeys on an X server: passive key grabs on the root window, taken through Qt's connection.
#pragma once

#include "platform/GlobalHotkeys.h"

#include <QAbstractNativeEventFilter>
#include <QObject>

#include <cstdint>
#include <memory>
#include <vector>

struct xcb_connection_t;

namespace rekko {

class X11GlobalHotkeys : public GlobalHotkeys, public QAbstractNativeEventFilter {
public:
    // Answers null unless the application runs on an X server (not offscreen, not Wayland).
    static std::unique_ptr<X11GlobalHotkeys> Create(HotkeyListener& listener);
    // Returns the keycode of the key's function key on that server, 0 when the keyboard has none.
    static uint8_t KeycodeOf(xcb_connection_t* connection, HotkeyKey key);
    ~X11GlobalHotkeys() override;

    X11GlobalHotkeys(const X11GlobalHotkeys&) = delete;
    X11GlobalHotkeys& operator=(const X11GlobalHotkeys&) = delete;

    // Grabs the key with Ctrl, also with CapsLock and NumLock on (or Ctrl+F12 would be dead with NumLock on). The
    // grab is checked: a key another client holds answers BadAccess, and then nothing of it is kept.
    Status grab(int id, HotkeyKey key) override;
    Status releaseAll() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grab {
        int id;
        uint8_t keycode;
    };

    X11GlobalHotkeys(HotkeyListener& listener, xcb_connection_t* connection, uint32_t root);
    std::vector<uint16_t> modifierVariants() const;
    Status ungrab(uint8_t keycode);

    HotkeyListener& m_listener;
    xcb_connection_t* m_connection;
    uint32_t m_root;
    uint16_t m_numLockMask = 0;
    std::vector<Grab> m_grabs;
    QObject m_receiver; // queued deliveries end with this object
};

} // namespace rekko
