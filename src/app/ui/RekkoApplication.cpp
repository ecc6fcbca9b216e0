// SPDX-License-Identifier: GPL-3.0-or-later
// Catching the exceptions that escape event handlers.
#include "RekkoApplication.h"

#include <exception>

namespace rekko {

RekkoApplication::RekkoApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool RekkoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        emit unexpectedError(QString::fromUtf8(error.what()));
    } catch (...) {
        emit unexpectedError(QStringLiteral("不明なエラーが起きました。"));
    }
    return false;
}

} // namespace rekko
