// SPDX-License-Identifier: GPL-3.0-or-later
// Help pages through the desktop's browser, and F1 to the page of the focused control's window or page.
#include "HelpKey.h"

#include "app/HelpTopics.h"
#include "platform/OpenDocument.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <cstdio>

namespace rekko {

void OpenHelpPage(const std::filesystem::path& shippedFolder, std::string_view topic) {
    const std::string address = HelpAddress(shippedFolder, topic);
    if (!OpenDocument(address))
        std::fprintf(stderr, "Rekko: xdg-open cannot be started for %s\n", address.c_str());
}

HelpKey::HelpKey(std::filesystem::path shippedFolder, QObject* parent)
    : QObject(parent), m_shippedFolder(std::move(shippedFolder)) {
    QApplication::instance()->installEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    // The key comes to the focused widget (the active window when none has the focus) and then to its parents;
    // only its first delivery counts.
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        static_cast<QKeyEvent*>(event)->isAutoRepeat() || !target || watched != target)
        return QObject::eventFilter(watched, event);
    std::vector<std::string> names;
    for (const QWidget* widget = target; widget; widget = widget->parentWidget())
        names.push_back(widget->objectName().toStdString());
    OpenHelpPage(m_shippedFolder, HelpTopic(names));
    return true;
}

} // namespace rekko
