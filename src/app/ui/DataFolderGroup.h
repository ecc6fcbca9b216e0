// SPDX-License-Identifier: GPL-3.0-or-later
// The settings page's group "データフォルダ": edFolder with its folder browser and the change buttons.
#pragma once

#include "app/DataFolderChange.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <functional>

namespace rekko {

class DataFolderGroup : public QGroupBox {
    Q_OBJECT
public:
    // chooseFolder opens the folder browser on a start folder and returns the chosen folder, empty when cancelled.
    using FolderBrowser = std::function<QString(QWidget* parent, const QString& start)>;

    DataFolderGroup(DataFolderChange& change, QWidget* parent = nullptr);

    void setFolderBrowser(FolderBrowser browser) { m_browser = std::move(browser); }
    // Shows the data folder at start and the program folder; leaves any pending change.
    void reset(const std::string& folderAtStart, const QString& programFolder);
    // Returns the folder the settings file stores: the last one carried out, never a change still pending, which
    // has passed none of the checks.
    const std::string& confirmedFolder() const { return m_change.folderAtStart(); }
    // Cancels a pending change, as leaving the settings page does.
    void cancelPending();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void browse();
    void refresh();

    DataFolderChange& m_change;
    FolderBrowser m_browser;
    QLineEdit* m_edFolder;
    QToolButton* m_browse;
    QPushButton* m_henkou;
    QPushButton* m_jikkou;
    QPushButton* m_cancel;
    QLabel* m_programFolder;
    bool m_refusing = false;
};

} // namespace rekko
