// SPDX-License-Identifier: GPL-3.0-or-later
// Each test function misuses the message-box double and must fail: the test passes on three failures.
#include "ScriptedDialogs.h"

#include <QTest>

class Failing : public QObject {
    Q_OBJECT

private slots:
    void unexpectedBox() {
        rekko::test::ScriptedDialogs dialogs;
        dialogs.inform("想定外の箱");
    }

    void scriptNotUsedUp() {
        rekko::test::ScriptedDialogs dialogs;
        dialogs.expect(rekko::DialogAnswer::Yes, "来ない質問");
    }

    void otherBoxThanScripted() {
        rekko::test::ScriptedDialogs dialogs;
        dialogs.expect(rekko::DialogAnswer::Ok, "予定した箱");
        dialogs.inform("別の箱");
    }
};

QTEST_APPLESS_MAIN(Failing)
#include "UnexpectedBoxQtTest.moc"
