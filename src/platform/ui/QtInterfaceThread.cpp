// SPDX-License-Identifier: GPL-3.0-or-later
// Posting a worker's task to the Qt event loop of the interface thread.
#include "QtInterfaceThread.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace rekko {

void QtInterfaceThread::post(std::function<void()> task) {
    if (QCoreApplication* application = QCoreApplication::instance())
        QMetaObject::invokeMethod(application, std::move(task), Qt::QueuedConnection);
}

} // namespace rekko
