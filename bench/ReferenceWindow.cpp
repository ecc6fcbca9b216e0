// SPDX-License-Identifier: GPL-3.0-or-later
// The reference window's size, title and the report of its first paint.
#include "ReferenceWindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

ReferenceWindow::ReferenceWindow() {
    setWindowTitle("Rekko - Rekko -");
    resize(782, 700);
}

void ReferenceWindow::paintEvent(QPaintEvent*) {
    paintContents();
    if (m_painted)
        return;
    m_painted = true;
    // Reported after the paint pass, as Rekko reports its own.
    QTimer::singleShot(0, qApp, [] {
        std::fputs("first-paint\n", stdout);
        std::fflush(stdout);
        QApplication::quit();
    });
}
