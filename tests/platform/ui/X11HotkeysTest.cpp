// SPDX-License-Identifier: GPL-3.0-or-later
// Global hotkeys on an X server: keys sent through XTest arrive, also with NumLock and CapsLock on; a key another
// client holds is refused and nothing of it is kept; released keys are free again.
#include "platform/ui/X11GlobalHotkeys.h"

#include "X11Desktop.h"

#include <memory>

using namespace rekko;
using test::Xdotool;

namespace {

class Received : public HotkeyListener {
public:
    void hotkeyPressed(int id) override { ids.push_back(id); }
    std::vector<int> ids;
};

// A second client of the X server, which takes keys for itself.
class OtherClient {
public:
    OtherClient() : m_connection(xcb_connect(nullptr, nullptr)) {}
    ~OtherClient() { xcb_disconnect(m_connection); }
    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;

    // Grabs Ctrl+F12 with the extra modifiers; answers whether the server agreed.
    bool grabControlF12(uint16_t extraModifiers = 0) {
        const uint8_t f12 = X11GlobalHotkeys::KeycodeOf(m_connection, HotkeyKey::ControlF12);
        xcb_generic_error_t* error =
            xcb_request_check(m_connection, xcb_grab_key_checked(m_connection, 1, test::RootOf(m_connection),
                                                                 XCB_MOD_MASK_CONTROL | extraModifiers, f12,
                                                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(error);
        return error == nullptr;
    }

private:
    xcb_connection_t* m_connection;
};

} // namespace

class X11HotkeysTest : public QObject {
    Q_OBJECT

private slots:
    void grabbedKeysArriveWhateverTheLocks() {
        Received received;
        auto hotkeys = X11GlobalHotkeys::Create(received);
        QVERIFY(hotkeys);
        QVERIFY(hotkeys->grab(123, HotkeyKey::ControlF12).ok());
        QVERIFY(hotkeys->grab(125, HotkeyKey::ControlF11).ok());
        Xdotool({"key", "ctrl+F12"});
        QTRY_COMPARE(received.ids, (std::vector<int>{123}));
        // F12 alone and with Shift are not ours; the last Ctrl+F11 shows that everything before it has arrived.
        Xdotool({"key", "Num_Lock", "ctrl+F11", "Num_Lock", "Caps_Lock", "ctrl+F12", "Caps_Lock", "F12",
                 "shift+ctrl+F12", "ctrl+F11"});
        QTRY_COMPARE(received.ids, (std::vector<int>{123, 125, 123, 125}));
    }

    void aKeyAnotherClientHoldsIsRefusedAndNothingOfItKeptAndReleasedKeysAreFree() {
        auto other = std::make_unique<OtherClient>();
        // It holds only the NumLock variant, which an unchecked grab would never notice.
        QVERIFY(other->grabControlF12(XCB_MOD_MASK_2));
        Received received;
        auto hotkeys = X11GlobalHotkeys::Create(received);
        const Status refused = hotkeys->grab(123, HotkeyKey::ControlF12);
        QVERIFY(!refused.ok());
        QCOMPARE(QString::fromStdString(refused.error().cause),
                 QStringLiteral("ほかのプログラムが、このキーを使っています。"));
        QVERIFY(OtherClient().grabControlF12());

        other.reset();
        QVERIFY(hotkeys->grab(123, HotkeyKey::ControlF12).ok());
        QVERIFY(!OtherClient().grabControlF12());
        // Released keys, and those of hotkeys that are gone, are free for others again.
        QVERIFY(hotkeys->releaseAll().ok());
        QVERIFY(OtherClient().grabControlF12(XCB_MOD_MASK_LOCK));

        QVERIFY(hotkeys->grab(123, HotkeyKey::ControlF12).ok());
        hotkeys.reset();
        QVERIFY(OtherClient().grabControlF12(XCB_MOD_MASK_2));
    }
};

QTEST_MAIN(X11HotkeysTest)
#include "X11HotkeysTest.moc"
