// SPDX-License-Identifier: GPL-3.0-or-later
// Rekko as a process: a second start wakes the first, two starts at once leave one, and the system's signals end it
// in order with the settings saved.
#include "platform/ui/LocalInstance.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

using namespace rekko;

namespace {

constexpr int kStartTimeoutMs = 20000;

// A private copy of the program in its own program folder, started with this test's runtime folder.
class Installation {
public:
    explicit Installation(const QString& runtime) {
        m_program = m_folder.path() + "/Rekko";
        QFile::copy(REKKO_EXECUTABLE, m_program);
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert("QT_QPA_PLATFORM", "offscreen");
        m_environment.insert("XDG_RUNTIME_DIR", runtime);
        m_environment.insert("HOME", m_folder.path());
        m_environment.remove("XDG_CONFIG_HOME");
        m_environment.remove("XDG_DATA_HOME");
    }

    std::unique_ptr<QProcess> start() const {
        auto process = std::make_unique<QProcess>();
        process->setProgram(m_program);
        process->setWorkingDirectory(m_folder.path());
        process->setProcessEnvironment(m_environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start();
        return process;
    }

    bool hasSettings() const { return QFile::exists(m_folder.path() + "/Sorel.ini"); }
    QByteArray settings() const {
        QFile file(m_folder.path() + "/Sorel.ini");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_folder;
    QString m_program;
    QProcessEnvironment m_environment;
};

bool runningInstance() {
    return LocalInstanceRegistry().exists(kMainWindowTitle);
}

bool endsCleanly(QProcess& process) {
    return process.waitForFinished(kStartTimeoutMs) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

class InstanceProcessTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
    }

    void aSecondStartWakesTheRunningMainWindow() {
        InstanceEndpoint running(kMainWindowTitle);
        QVERIFY(running.listening());
        QSignalSpy woken(&running, &InstanceEndpoint::woken);
        Installation second(m_runtime.path());
        auto process = second.start();
        QVERIFY(endsCleanly(*process));
        QTRY_COMPARE(woken.size(), 1);
        // It ended before building a window: nothing of its own was saved.
        QVERIFY(!second.hasSettings());
    }

    // A second signal while the first one's end runs does not cut it short.
    void twoStartsAtOnceLeaveOneThatEndsInOrderOnSignals() {
        Installation installation(m_runtime.path());
        auto first = installation.start();
        auto second = installation.start();
        QTRY_VERIFY_WITH_TIMEOUT(first->state() == QProcess::NotRunning || second->state() == QProcess::NotRunning,
                                 kStartTimeoutMs);
        QProcess& loser = first->state() == QProcess::NotRunning ? *first : *second;
        QProcess& winner = &loser == first.get() ? *second : *first;
        QCOMPARE(loser.exitCode(), 0);
        QTest::qWait(300);
        QCOMPARE(winner.state(), QProcess::Running);
        QTRY_VERIFY_WITH_TIMEOUT(runningInstance(), kStartTimeoutMs);

        ::kill(static_cast<pid_t>(winner.processId()), SIGHUP);
        ::kill(static_cast<pid_t>(winner.processId()), SIGTERM);
        QVERIFY(endsCleanly(winner));
        QVERIFY(installation.settings().startsWith("[Settei]\r\ncbJigen=1\r\n"));
        QVERIFY(installation.settings().contains("\r\ncbNoReturn=0\r\n"));
        QVERIFY(!runningInstance());
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_MAIN(InstanceProcessTest)
#include "InstanceProcessTest.moc"
