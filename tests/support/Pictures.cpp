// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots and image checks of the widget tests.
#include "Pictures.h"

#include <QDir>
#include <QSet>
#include <QTest>

namespace rekko::test {

void SaveScreenshot(QWidget& widget, const QString& name) {
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    const QString folder = qEnvironmentVariable("REKKO_SCREENSHOT_DIR", "screenshots");
    QDir().mkpath(folder);
    const QImage image = widget.grab().toImage();
    QVERIFY2(ColourCount(image) >= 20, qPrintable(name + " shows almost nothing"));
    QVERIFY2(image.save(QDir(folder).filePath(name + ".png")), qPrintable(name));
}

int ColourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

QStringList ToQStringList(const std::vector<std::string>& lines) {
    QStringList list;
    for (const auto& line : lines)
        list << QString::fromStdString(line);
    return list;
}

} // namespace rekko::test
