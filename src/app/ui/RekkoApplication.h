// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: delivers events as QApplication does and catches what an event's handler throws.
#pragma once

#include <QApplication>

namespace rekko {

// Qt cannot carry an exception through its event loop; left alone, one ends the process at once and takes the
// user's unsaved edits with it. Here it stops at the event that raised it and is reported.
class RekkoApplication : public QApplication {
    Q_OBJECT
public:
    RekkoApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

signals:
    // An exception escaped the handler of an event; what is its text. Connect it queued: it is emitted inside the
    // handling of the event that failed.
    void unexpectedError(const QString& what);
};

} // namespace rekko
