// SPDX-License-Identifier: GPL-3.0-or-later
// The help key: F1 anywhere in the program opens the help page of the window or page in use.
#pragma once

#include <QObject>

#include <filesystem>
#include <string_view>

namespace rekko {

class HelpKey : public QObject {
    Q_OBJECT
public:
    // Watches every window of the application; the pages are those of the help folder in shippedFolder.
    explicit HelpKey(std::filesystem::path shippedFolder, QObject* parent = nullptr);

    // Opens a help page ("page.html#part") with the desktop's browser; the help menu opens kHelpIndexTopic.
    void open(std::string_view topic) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::filesystem::path m_shippedFolder;
};

} // namespace rekko
