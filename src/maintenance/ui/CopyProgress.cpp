// SPDX-License-Identifier: GPL-3.0-or-later
// The copy's progress dialog.
#include "CopyProgress.h"

#include <QCoreApplication>

namespace rekko {

CopyProgress::CopyProgress(Dialogs& dialogs, QWidget* parent)
    : m_dialogs(dialogs), m_dialog(QStringLiteral("コピーしています…"), QStringLiteral("キャンセル"), 0, 1, parent) {
    m_dialog.setObjectName("CopyProgress");
    m_dialog.setWindowTitle(QString::fromUtf8(kDefaultCaption));
    m_dialog.setWindowModality(Qt::WindowModal);
    // Shown only when a copy takes longer than a moment.
    m_dialog.setMinimumDuration(500);
    m_dialog.setMinimumWidth(420);
}

bool CopyProgress::progress(size_t done, size_t total, const std::string& name) {
    m_dialog.setMaximum(static_cast<int>(total));
    m_dialog.setLabelText(QString::fromStdString(name));
    m_dialog.setValue(static_cast<int>(done));
    QCoreApplication::processEvents();
    return !m_dialog.wasCanceled();
}

OverwriteAnswer CopyProgress::askOverwrite(const std::string& name) {
    // The progress would cover the question: it goes, and comes back at the next file.
    m_dialog.reset();
    return AskOverwrite(m_dialogs, name);
}

void CopyProgress::finished() {
    m_dialog.reset();
    m_dialog.hide();
}

} // namespace rekko
