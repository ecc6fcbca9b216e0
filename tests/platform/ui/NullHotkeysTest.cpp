// SPDX-License-Identifier: GPL-3.0-or-later
// Without an X server (the offscreen platform) the desktop ports give hotkeys that refuse every key.
#include "platform/ui/DesktopPorts.h"

#include <QTest>

using namespace rekko;

class NullHotkeysTest : public QObject {
    Q_OBJECT

private slots:
    void offscreenHasNoGlobalHotkeys() {
        struct : HotkeyListener {
            void hotkeyPressed(int) override {}
        } listener;
        auto hotkeys = MakeGlobalHotkeys(listener);
        QVERIFY(!hotkeys->grab(123, HotkeyKey::ControlF12).ok());
        QVERIFY(hotkeys->releaseAll().ok());
    }
};

QTEST_MAIN(NullHotkeysTest)
#include "NullHotkeysTest.moc"
