// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the start-up benchmark: a bare Qt window of the main window's size that reports its first paint.
#include "ReferenceWindow.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ReferenceWindow window;
    window.show();
    return QApplication::exec();
}
