// SPDX-License-Identifier: GPL-3.0-or-later
// Rekko as a process on an X server: an edit made through the keyboard, the data folder made read-only, SIGTERM.
// The end reports on standard error, exits with 1 and leaves a rescued copy; the next start shows a box about it.
#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <memory>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int kTimeoutMs = 20000;

// Runs xdotool and returns its output; empty when it failed.
QString xdotool(const QStringList& arguments) {
    QProcess process;
    process.start("xdotool", arguments);
    if (!process.waitForFinished(kTimeoutMs) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// Returns the id of a visible window whose title matches the pattern; empty when there is none.
QString visibleWindow(const QString& pattern) {
    return xdotool({"search", "--onlyvisible", "--name", pattern}).section('\n', 0, 0);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A program folder with Rekko and its settings, a data folder, a home and a runtime folder. As root, where folder
// permissions bind nobody, everything belongs to the user "nobody" and Rekko runs as that user.
class Installation {
public:
    Installation() {
        m_root.setAutoRemove(true);
        for (const char* folder : {"prog", "data", "home", "run"})
            QDir(m_root.path()).mkdir(folder);
        QFile::copy(REKKO_EXECUTABLE, path("prog/Rekko"));
        const QDate today = QDate::currentDate();
        m_monthFile = QString::asprintf("Ca%.4d%.2d.myc", today.year(), today.month());
        write("prog/Sorel.ini", "[Settei]\r\nedFolder=" + path("data/").toUtf8() + "\r\n");
        write("data/" + m_monthFile,
              QString::asprintf(" 0,0,9,%4d/%2d\r\n 2,1,,old,,,,,,\r\n", today.year(), today.month()).toUtf8());
        write("data/CaFromTo.myc", "***** FromTo\x97\x5C\x92\xE8\r\n");
        write("data/CaMemo.myc", "");
        if (const QByteArray authority = qgetenv("XAUTHORITY"); !authority.isEmpty())
            QFile::copy(QString::fromLocal8Bit(authority), path("home/.Xauthority"));
        fs::permissions(m_root.path().toStdString(), fs::perms(0755));
        fs::permissions(path("run").toStdString(), fs::perms(0700));
        if (::geteuid() == 0) {
            const passwd* nobody = ::getpwnam("nobody");
            m_user = {nobody->pw_uid, nobody->pw_gid};
            for (const auto& entry : fs::recursive_directory_iterator(m_root.path().toStdString()))
                ::lchown(entry.path().c_str(), m_user->first, m_user->second);
        }
    }

    QString path(const QString& relative) const { return m_root.path() + "/" + relative; }
    const QString& monthFile() const { return m_monthFile; }
    void setDataWritable(bool writable) const {
        fs::permissions(path("data").toStdString(), fs::perms(writable ? 0755 : 0555));
    }

    std::unique_ptr<QProcess> start() const {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("HOME", path("home"));
        environment.insert("XDG_RUNTIME_DIR", path("run"));
        environment.insert("XAUTHORITY", path("home/.Xauthority"));
        environment.remove("XDG_DATA_HOME");
        environment.remove("XDG_CONFIG_HOME");
        process->setProcessEnvironment(environment);
        process->setWorkingDirectory(path("home"));
        if (m_user) {
            process->setProgram("setpriv");
            process->setArguments({"--reuid=" + QString::number(m_user->first),
                                   "--regid=" + QString::number(m_user->second), "--clear-groups", "--",
                                   path("prog/Rekko")});
        } else {
            process->setProgram(path("prog/Rekko"));
        }
        process->start();
        return process;
    }

    // Returns the rescued copies of the month file.
    QStringList rescuedMonthFiles() const {
        QStringList found;
        QDirIterator it(path("home/.local/share/Rekko/rescue"), {m_monthFile}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        return found;
    }

private:
    void write(const QString& relative, const QByteArray& bytes) const {
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QTemporaryDir m_root;
    QString m_monthFile;
    std::optional<std::pair<uid_t, gid_t>> m_user;
};

} // namespace

class RescueProcessTest : public QObject {
    Q_OBJECT

private slots:
    void anEditThatCannotBeSavedOnSigtermIsReportedRescuedAndAnnounced() {
        Installation installation;
        auto rekko = installation.start();
        QString main;
        QTRY_VERIFY2_WITH_TIMEOUT(!(main = visibleWindow("^Rekko - Rekko -$")).isEmpty(), "no main window", kTimeoutMs);
        QTest::qWait(500);
        // Day 1 of this month through the day entry (Ctrl+L), one line typed, written with Ctrl+Enter.
        xdotool({"windowfocus", "--sync", main});
        xdotool({"key", "--delay", "80", "ctrl+l", "1", "Return"});
        QTRY_VERIFY2_WITH_TIMEOUT(!visibleWindow("^Rekko -Rekko-$").isEmpty(), "no schedule dialog", kTimeoutMs);
        QTest::qWait(300);
        xdotool({"type", "--delay", "40", "rescue-e2e"});
        xdotool({"key", "ctrl+Return"});
        QTRY_VERIFY_WITH_TIMEOUT(visibleWindow("^Rekko -Rekko-$").isEmpty(), kTimeoutMs);

        installation.setDataWritable(false);
        rekko->terminate();
        QVERIFY(rekko->waitForFinished(kTimeoutMs));
        installation.setDataWritable(true);
        const QString err = QString::fromUtf8(rekko->readAllStandardError());
        QCOMPARE(rekko->exitStatus(), QProcess::NormalExit);
        QCOMPARE(rekko->exitCode(), 1);
        QVERIFY2(err.contains(installation.path("data/") + installation.monthFile() + ": "), qPrintable(err));
        QVERIFY2(err.contains(installation.path("home/.local/share/Rekko/rescue/")), qPrintable(err));
        QVERIFY(!readFile(installation.path("data/") + installation.monthFile()).contains("rescue-e2e"));
        const QStringList copies = installation.rescuedMonthFiles();
        QCOMPARE(copies.size(), 1);
        QVERIFY(readFile(copies[0]).contains(" 1,1,,rescue-e2e,"));

        // The next start shows the box before anything else, and only once.
        const QString note = installation.path("home/.local/share/Rekko/rescue/unreported.txt");
        QVERIFY(QFile::exists(note));
        auto next = installation.start();
        QString box;
        QTRY_VERIFY2_WITH_TIMEOUT(!(box = visibleWindow("Rekko-$")).isEmpty(),
                                  ("no box at the next start: " + next->readAllStandardError()).constData(),
                                  kTimeoutMs);
        QCOMPARE(xdotool({"getwindowname", box}), QString::fromUtf8("確認 -Rekko-"));
        QVERIFY(!QFile::exists(note));
        next->terminate();
        QVERIFY(next->waitForFinished(kTimeoutMs));
        QCOMPARE(next->exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(RescueProcessTest)
#include "RescueProcessTest.moc"
