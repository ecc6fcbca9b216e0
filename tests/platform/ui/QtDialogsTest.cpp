// SPDX-License-Identifier: GPL-3.0-or-later
// The message-box port on QMessageBox, and the single-instance endpoints it and the main window answer on.
#include "platform/ui/QtDialogs.h"
#include "platform/ui/LocalInstance.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace rekko;

namespace {

// Runs check on the box once it is up, then presses the button with that text (or Esc when it is empty).
void whenBoxShows(std::function<void(QMessageBox*)> check, QString press) {
    QTimer::singleShot(0, [check = std::move(check), press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        check(box);
        if (press.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == press)
                button->click();
        }
    });
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
    }

    void aQuestionHasItsCaptionIconButtonsAndDefault() {
        QtDialogs dialogs(false);
        whenBoxShows(
            [](QMessageBox* box) {
                QCOMPARE(box->windowTitle(), QString("確認"));
                QCOMPARE(box->text(), QString("一行目\n二行目"));
                QCOMPARE(box->defaultButton()->text(), QString("いいえ(&N)"));
            },
            "はい(&Y)");
        const DialogMessage question{"確認", "一行目\r\n二行目", DialogIcon::Question, DialogButtons::YesNo,
                                     DialogAnswer::No};
        QCOMPARE(dialogs.show(question), DialogAnswer::Yes);
    }

    void escapeGivesTheSafeAnswer() {
        QtDialogs dialogs(false);
        whenBoxShows([](QMessageBox*) {}, "");
        QCOMPARE(dialogs.show({"エラー", "x", DialogIcon::Error, DialogButtons::YesNo, DialogAnswer::Yes}),
                 DialogAnswer::No);
        whenBoxShows([](QMessageBox* box) { QCOMPARE(box->windowTitle(), QString("確認 -Rekko-")); }, "");
        dialogs.inform("情報");
    }

    void anUnattendedBoxIsNotShown() {
        QtDialogs dialogs(false);
        dialogs.setUnattended(true);
        QCOMPARE(dialogs.show({"確認", "?", DialogIcon::Question, DialogButtons::YesNo, DialogAnswer::No}),
                 DialogAnswer::No);
        QCOMPARE(dialogs.show(
                     {"確認", "?", DialogIcon::Question, DialogButtons::YesNo, DialogAnswer::Yes, DialogAnswer::No}),
                 DialogAnswer::No);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The system ending the program closes an open box with the answer that keeps the user's data, which need not
    // be the default nor the Esc answer.
    void goingUnattendedAnswersTheOpenBoxes() {
        QtDialogs dialogs(false);
        DialogAnswer inner = DialogAnswer::Ok;
        QTimer::singleShot(0, [&] {
            QVERIFY(QApplication::activeModalWidget());
            QTimer::singleShot(0, [&] {
                QCOMPARE(QApplication::activeModalWidget()->windowTitle(), QString("inner"));
                dialogs.setUnattended(true);
            });
            inner = dialogs.show(
                {"inner", "?", DialogIcon::Question, DialogButtons::YesNo, DialogAnswer::Yes, DialogAnswer::No});
        });
        QCOMPARE(dialogs.show(
                     {"outer", "?", DialogIcon::Question, DialogButtons::YesNo, DialogAnswer::No, DialogAnswer::Yes}),
                 DialogAnswer::Yes);
        QCOMPARE(inner, DialogAnswer::No);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aShownBoxAnswersASecondStart() {
        QtDialogs dialogs(true);
        LocalInstanceRegistry registry;
        QVERIFY(!registry.exists(kDefaultCaption));
        bool seen = false;
        whenBoxShows(
            [&](QMessageBox*) {
                seen = registry.exists(kDefaultCaption);
                QVERIFY(registry.wake(kDefaultCaption));
            },
            "OK");
        dialogs.inform("表示中");
        QVERIFY(seen);
        QVERIFY(!registry.exists(kDefaultCaption));
    }

    void anEndpointIsWokenAndReplacesAStaleSocket() {
        LocalInstanceRegistry registry;
        {
            InstanceEndpoint first(kMainWindowTitle);
            QVERIFY(first.listening());
            InstanceEndpoint second(kMainWindowTitle);
            QVERIFY(!second.listening());
            QSignalSpy woken(&first, &InstanceEndpoint::woken);
            QVERIFY(registry.exists(kMainWindowTitle));
            QVERIFY(registry.wake(kMainWindowTitle));
            QTRY_COMPARE(woken.size(), 1);
            QTest::qWait(50);
            QCOMPARE(woken.size(), 1);
        }
        QVERIFY(!registry.exists(kMainWindowTitle));
        QVERIFY(!registry.wake(kMainWindowTitle));
        // A socket file without a listener, as a crash leaves it, is taken over.
        QFile stale(InstanceEndpointPath(kScheduleDialogTitle));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        InstanceEndpoint replacing(kScheduleDialogTitle);
        QVERIFY(replacing.listening());
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_MAIN(QtDialogsTest)
#include "QtDialogsTest.moc"
