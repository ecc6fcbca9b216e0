// SPDX-License-Identifier: GPL-3.0-or-later
// Passive key grabs on the X root window and the native event filter that receives them.
#include "X11GlobalHotkeys.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <string>

namespace rekko {

namespace {

constexpr uint32_t kKeysymF11 = 0xffc8;
constexpr uint32_t kKeysymF12 = 0xffc9;
constexpr uint32_t kKeysymNumLock = 0xff7f;
constexpr uint8_t kResponseTypeMask = 0x7f;
constexpr uint16_t kModifierMask = 0xff;

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

// Returns the keycode that gives the keysym, preferring one where it is the unshifted symbol; 0 when none does.
uint8_t KeycodeOfKeysym(xcb_connection_t* connection, uint32_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const uint8_t first = setup->min_keycode;
    const auto cookie = xcb_get_keyboard_mapping(connection, first, setup->max_keycode - first + 1);
    const Reply<xcb_get_keyboard_mapping_reply_t> reply(xcb_get_keyboard_mapping_reply(connection, cookie, nullptr),
                                                        &std::free);
    if (!reply || reply->keysyms_per_keycode == 0)
        return 0;
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(reply.get());
    const int count = xcb_get_keyboard_mapping_keysyms_length(reply.get());
    const int perKeycode = reply->keysyms_per_keycode;
    for (const bool unshiftedOnly : {true, false}) {
        for (int i = 0; i < count; ++i) {
            if (symbols[i] == keysym && (!unshiftedOnly || i % perKeycode == 0))
                return static_cast<uint8_t>(first + i / perKeycode);
        }
    }
    return 0;
}

// Returns the modifier mask NumLock sets on this server (usually Mod2), 0 when it has none.
uint16_t NumLockMask(xcb_connection_t* connection) {
    const uint8_t numLock = KeycodeOfKeysym(connection, kKeysymNumLock);
    if (numLock == 0)
        return 0;
    const Reply<xcb_get_modifier_mapping_reply_t> reply(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr), &std::free);
    if (!reply)
        return 0;
    const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(reply.get());
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int k = 0; k < perModifier; ++k) {
            if (keycodes[modifier * perModifier + k] == numLock)
                return static_cast<uint16_t>(1u << modifier);
        }
    }
    return 0;
}

} // namespace

uint8_t X11GlobalHotkeys::KeycodeOf(xcb_connection_t* connection, HotkeyKey key) {
    return KeycodeOfKeysym(connection, key == HotkeyKey::ControlF11 ? kKeysymF11 : kKeysymF12);
}

std::unique_ptr<X11GlobalHotkeys> X11GlobalHotkeys::Create(HotkeyListener& listener) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || xcb_connection_has_error(connection))
        return nullptr;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return nullptr;
    std::unique_ptr<X11GlobalHotkeys> hotkeys(new X11GlobalHotkeys(listener, connection, screen->root));
    qGuiApp->installNativeEventFilter(hotkeys.get());
    return hotkeys;
}

X11GlobalHotkeys::X11GlobalHotkeys(HotkeyListener& listener, xcb_connection_t* connection, uint32_t root)
    : m_listener(listener), m_connection(connection), m_root(root), m_numLockMask(NumLockMask(connection)) {}

X11GlobalHotkeys::~X11GlobalHotkeys() {
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
    (void)releaseAll();
}

std::vector<uint16_t> X11GlobalHotkeys::modifierVariants() const {
    std::vector<uint16_t> variants{XCB_MOD_MASK_CONTROL, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_LOCK};
    if (m_numLockMask != 0) {
        variants.push_back(XCB_MOD_MASK_CONTROL | m_numLockMask);
        variants.push_back(XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_LOCK | m_numLockMask);
    }
    return variants;
}

Status X11GlobalHotkeys::grab(int id, HotkeyKey key) {
    const uint8_t keycode = KeycodeOf(m_connection, key);
    if (keycode == 0)
        return Failure{.cause = "このキーボードには、そのキーがありません。"};
    std::vector<xcb_void_cookie_t> cookies;
    for (const uint16_t modifiers : modifierVariants())
        cookies.push_back(xcb_grab_key_checked(m_connection, 1, m_root, modifiers, keycode, XCB_GRAB_MODE_ASYNC,
                                               XCB_GRAB_MODE_ASYNC));
    // A key another client holds is refused with BadAccess, which only a checked request reports.
    uint8_t errorCode = 0;
    for (const xcb_void_cookie_t& cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
            errorCode = error->error_code;
            std::free(error);
        }
    }
    if (errorCode != 0) {
        (void)ungrab(keycode);
        return Failure{.cause = errorCode == XCB_ACCESS ? "ほかのプログラムが、このキーを使っています。"
                                                        : "X エラー " + std::to_string(errorCode)};
    }
    m_grabs.push_back({id, keycode});
    return Success();
}

Status X11GlobalHotkeys::ungrab(uint8_t keycode) {
    std::vector<xcb_void_cookie_t> cookies;
    for (const uint16_t modifiers : modifierVariants())
        cookies.push_back(xcb_ungrab_key_checked(m_connection, keycode, m_root, modifiers));
    Status result = Success();
    for (const xcb_void_cookie_t& cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
            result = Failure{.cause = "X エラー " + std::to_string(error->error_code)};
            std::free(error);
        }
    }
    return result;
}

Status X11GlobalHotkeys::releaseAll() {
    Status result = Success();
    for (const Grab& grab : m_grabs) {
        if (Status released = ungrab(grab.keycode); !released)
            result = released;
    }
    m_grabs.clear();
    return result;
}

bool X11GlobalHotkeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & kResponseTypeMask) != XCB_KEY_PRESS)
        return false;
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
    const uint16_t modifiers = press->state & kModifierMask & ~(XCB_MOD_MASK_LOCK | m_numLockMask);
    if (press->event != m_root || modifiers != XCB_MOD_MASK_CONTROL)
        return false;
    for (const Grab& grab : m_grabs) {
        if (grab.keycode != press->detail)
            continue;
        // The listener may open windows: it runs after this event, never inside the native event handling.
        QMetaObject::invokeMethod(
            &m_receiver, [this, id = grab.id] { m_listener.hotkeyPressed(id); }, Qt::QueuedConnection);
        return true;
    }
    return false;
}

} // namespace rekko
