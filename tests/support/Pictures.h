// SPDX-License-Identifier: GPL-3.0-or-later
// What the widget tests share for pictures: the screenshot folder, saving a screenshot that must show something, and
// counting pixels of a drawn image.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <string>
#include <vector>

namespace rekko::test {

// Saves a widget's picture as name.png in REKKO_SCREENSHOT_DIR (else "screenshots"), for a person to look at, and
// fails the test when it cannot be saved or shows fewer than 20 colours (a blank or unpainted window).
void SaveScreenshot(QWidget& widget, const QString& name);

// Returns the number of distinct colours of an image, sampled on every second pixel.
int ColourCount(const QImage& image);

// Counts the pixels of an image area that pass a test.
template <class Test> int CountPixels(const QImage& image, const QRect& area, Test test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// Answers whether a pixel is a strong red, as holidays and red schedule lines are drawn.
inline bool Reddish(QRgb pixel) {
    return qRed(pixel) > 180 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

QStringList ToQStringList(const std::vector<std::string>& lines);

} // namespace rekko::test
