// SPDX-License-Identifier: GPL-3.0-or-later
// The install as a desktop reads it: make install's files under a prefix, the desktop entry's program on the
// prefix's PATH, and its icon found in the hicolor theme and drawn at 48 px in an application grid (screenshot).
#include "Pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace rekko {
namespace {

// Reads the keys of the [Desktop Entry] group.
QMap<QString, QString> DesktopEntry(const QString& path) {
    QFile file(path);
    QMap<QString, QString> keys;
    if (!file.open(QIODevice::ReadOnly))
        return keys;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            keys.insert(line.left(equals), line.mid(equals + 1));
    }
    return keys;
}

class MenuEntryTest : public QObject {
    Q_OBJECT
private slots:
    void theEntryStartsTheInstalledProgramWithItsIconAt48Pixels() {
        QTemporaryDir prefix;
        QProcess install;
        install.start("cmake", {"--install", REKKO_BUILD_DIR, "--prefix", prefix.path()});
        QVERIFY(install.waitForFinished(60000));
        QCOMPARE(install.exitCode(), 0);

        const auto entry = DesktopEntry(prefix.filePath("share/applications/jp.rekko.Rekko.desktop"));
        QCOMPARE(entry.value("Name"), QString("Rekko"));
        QVERIFY(QFileInfo(prefix.filePath("bin/" + entry.value("Exec"))).isExecutable());
        QVERIFY(QFileInfo::exists(prefix.filePath("share/rekko/Hday.dat")));
        QVERIFY(QFileInfo::exists(prefix.filePath("share/rekko/help/index.html")));

        // The theme's index comes from the system's hicolor theme, as on a desktop; the icon from the prefix.
        QIcon::setThemeSearchPaths({prefix.filePath("share/icons"), "/usr/share/icons"});
        QIcon::setThemeName("hicolor");
        const QIcon icon = QIcon::fromTheme(entry.value("Icon"));
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(48, 48)));

        QListWidget grid;
        grid.setViewMode(QListView::IconMode);
        grid.setIconSize(QSize(48, 48));
        grid.setGridSize(QSize(96, 84));
        grid.resize(320, 120);
        grid.addItem(new QListWidgetItem(icon, entry.value("Name")));
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        const QRect iconArea = grid.visualItemRect(grid.item(0));
        const QImage shown = grid.viewport()->grab().toImage();
        // The calendar page's red header lies in the upper part of the icon.
        QVERIFY(test::CountPixels(shown, iconArea.adjusted(0, 0, 0, -iconArea.height() / 2), test::Reddish) > 100);
        test::SaveScreenshot(grid, "menu-entry-48px");
    }
};

} // namespace
} // namespace rekko

QTEST_MAIN(rekko::MenuEntryTest)
#include "MenuEntryTest.moc"
