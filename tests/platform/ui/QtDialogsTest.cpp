// SPDX-License-Identifier: GPL-3.0-or-later
// The message-box port on QMessageBox, and the single-instance endpoints it and the main window answer on.
#include "platform/ui/QtDialogs.h"
#include "platform/ui/LocalInstance.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace rekko;

namespace {

// Runs check on the box once it is up, then presses the button with that text (or Esc when it is empty).
void whenBoxShows(std::function<void(QMessageBox*)> check, QString press) {
    QTimer::singleShot(0, [check = std::move(check), press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        check(box);
        if (press.isEmpty())
            return QTest::keyClick(box, Qt::Key_Escape);
        for (QAbstractButton* button : box->buttons())
            if (button->text() == press)
                button->click();
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

    // Esc gives the safe answer, not the default.
    void aQuestionHasItsLinesButtonsAndDefaultAndEscapeGivesTheSafeAnswer() {
        QtDialogs dialogs(false);
        whenBoxShows(
            [](QMessageBox* box) {
                QCOMPARE(box->text(), QString("一行目\n二行目"));
                QCOMPARE(box->defaultButton()->text(), QString("いいえ(&N)"));
            },
            "はい(&Y)");
        QCOMPARE(
            dialogs.show({"確認", "一行目\r\n二行目", DialogIcon::Question, DialogButtons::YesNo, DialogAnswer::No}),
            DialogAnswer::Yes);
        whenBoxShows([](QMessageBox*) {}, "");
        QCOMPARE(dialogs.show({"エラー", "x", DialogIcon::Error, DialogButtons::YesNo, DialogAnswer::Yes}),
                 DialogAnswer::No);
    }

    // A box with a short text is still wide enough for its caption beside a title bar's icon and three buttons,
    // each at least a line high, as window managers cut a caption that does not fit.
    void aShortBoxIsWideEnoughForItsCaption() {
        QtDialogs dialogs(false);
        whenBoxShows(
            [](QMessageBox* box) {
                QFont bold = box->font();
                bold.setBold(true);
                const QFontMetrics metrics(bold);
                QCOMPARE(box->windowTitle(), QString("確認 -Rekko-"));
                QVERIFY2(box->width() >= metrics.horizontalAdvance(box->windowTitle()) + 4 * metrics.height(),
                         qPrintable(QString::number(box->width())));
            },
            "OK");
        dialogs.inform("済");
    }

    // The system ending the program closes the open boxes with the answer that keeps the user's data, which need not
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
        // From then on no box shows.
        QCOMPARE(dialogs.show(
                     {"確認", "?", DialogIcon::Question, DialogButtons::YesNo, DialogAnswer::Yes, DialogAnswer::No}),
                 DialogAnswer::No);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // A megabyte of path is cut in its middle to a screen line; the message's own words stay.
    void aPathLongerThanTheScreenIsElidedInItsMiddle() {
        QtDialogs dialogs(false);
        const std::string path = "/start/" + std::string(1 << 20, 'a') + "/CaFromTo.myc";
        whenBoxShows(
            [](QMessageBox* box) {
                const QRect screen = box->screen()->availableGeometry();
                QVERIFY(box->height() <= screen.height());
                QVERIFY(box->text().startsWith("期間ファイルを書き込めません。\n/start/aaa"));
                QVERIFY(box->text().endsWith("a/CaFromTo.myc が存在しません。\n書き込めません。"));
                QVERIFY(box->text().contains(QChar(0x2026)));
            },
            "OK");
        dialogs.inform("期間ファイルを書き込めません。\r\n" + path + " が存在しません。\r\n書き込めません。");
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

    // One endpoint per name; a socket file without a listener, as a crash leaves it, is taken over.
    void anEndpointIsAloneAndReplacesAStaleSocket() {
        LocalInstanceRegistry registry;
        {
            InstanceEndpoint first(kMainWindowTitle);
            QVERIFY(first.listening());
            QVERIFY(!InstanceEndpoint(kMainWindowTitle).listening());
            QVERIFY(registry.exists(kMainWindowTitle));
        }
        QVERIFY(!registry.exists(kMainWindowTitle));
        QVERIFY(!registry.wake(kMainWindowTitle));
        QFile stale(InstanceEndpointPath(kScheduleDialogTitle).value());
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        QVERIFY(InstanceEndpoint(kScheduleDialogTitle).listening());

        // The instance a setup starts takes the endpoint over once the one that started it has ended.
        auto old = std::make_unique<InstanceEndpoint>(kMainWindowTitle);
        InstanceEndpoint successor(kMainWindowTitle);
        QVERIFY(!successor.listen());
        old.reset();
        QVERIFY(successor.listen());
        QSignalSpy woken(&successor, &InstanceEndpoint::woken);
        QVERIFY(registry.wake(kMainWindowTitle));
        QVERIFY(woken.wait(2000));
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_MAIN(QtDialogsTest)
#include "QtDialogsTest.moc"
