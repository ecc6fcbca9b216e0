// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a help page, and the help key: F1 anywhere in the program opens the page of the window or page in use.
#pragma once

#include <QObject>

#include <filesystem>
#include <string_view>

namespace rekko {

// Opens a page of the help in shippedFolder ("page.html#part") with the desktop's browser; the help menu opens
// kHelpIndexTopic. A browser that cannot be started is said on the standard error.
void OpenHelpPage(const std::filesystem::path& shippedFolder, std::string_view topic);

class HelpKey : public QObject {
    Q_OBJECT
public:
    // Watches every window of the application; the pages are those of the help folder in shippedFolder.
    explicit HelpKey(std::filesystem::path shippedFolder, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::filesystem::path m_shippedFolder;
};

} // namespace rekko
