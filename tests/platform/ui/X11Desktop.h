// SPDX-License-Identifier: GPL-3.0-or-later
// What the X11 tests read from the X server (a window's WM_STATE, whether a window manager manages new windows), and
// input sent through xdotool.
#pragma once

#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace rekko::test {

inline xcb_connection_t* QtConnection() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

inline xcb_window_t RootOf(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

inline xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// Returns the first 32-bit value of a window property, or 0 when the window has none.
inline uint32_t Property(xcb_window_t window, const char* name) {
    xcb_connection_t* connection = QtConnection();
    const xcb_atom_t atom = Atom(connection, name);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, atom, XCB_ATOM_ANY, 0, 1), nullptr),
        &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) < 4)
        return 0;
    return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
}

// WM_STATE as the window manager sets it: 0 withdrawn (or none), 1 normal, 3 iconic.
inline uint32_t WmState(xcb_window_t window) {
    return Property(window, "WM_STATE");
}
inline constexpr uint32_t kNormalState = 1;
inline constexpr uint32_t kIconicState = 3;

// Waits until the window manager manages new windows. It announces itself before it is ready, and a window mapped
// in between stays unmanaged, so a probe window is shown again until the manager takes it.
inline bool WaitForWindowManager() {
    QWidget probe;
    probe.resize(10, 10);
    for (int attempt = 0; attempt < 20; ++attempt) {
        probe.show();
        if (QTest::qWaitFor([&] { return WmState(probe.winId()) == kNormalState; }, 500))
            return true;
        probe.hide();
    }
    return false;
}

// Runs xdotool with the arguments; a failure fails the test function.
inline void Xdotool(const QStringList& arguments) {
    QCOMPARE(QProcess::execute("xdotool", arguments), 0);
}

} // namespace rekko::test
