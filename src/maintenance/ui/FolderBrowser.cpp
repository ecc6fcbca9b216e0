// SPDX-License-Identifier: GPL-3.0-or-later
// The folder browser of the copy page.
#include "FolderBrowser.h"

#include <QFileDialog>

namespace rekko {

std::optional<std::filesystem::path> BrowseFolder(QWidget* parent, const std::filesystem::path& start) {
    QFileDialog dialog(parent, QStringLiteral("確認 -Rekko-"), QString::fromStdString(start.string()));
    dialog.setObjectName("FolderBrowser");
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("フォルダを指定してください。"));
    dialog.resize(820, 480);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}

} // namespace rekko
