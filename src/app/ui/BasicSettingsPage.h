// SPDX-License-Identifier: GPL-3.0-or-later
// The settings sub-page "基本": start record, calendar size, display options, window position, data folder.
#pragma once

#include "DataFolderGroup.h"
#include "UpDown.h"

#include "app/Settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>

namespace rekko {

class BasicSettingsPage : public QWidget {
    Q_OBJECT
public:
    // Each change of a control is written through to its key of settings; edFolder is written when a data-folder
    // change is carried out.
    BasicSettingsPage(DataFolderChange& change, SettingsKeys& keys, QWidget* parent = nullptr);

    DataFolderGroup* dataFolder() const { return m_dataFolder; }
    // The buttons that open the maintenance window's pages Setup and 起動方法.
    QPushButton* setupButton() const { return m_setup; }
    QPushButton* startUpButton() const { return m_startUp; }

    // Shows the values of the settings, as read from the settings file.
    void showValues();

signals:
    // The user clicked cbKidouKiroku: the record follows it.
    void startRecordClicked(bool on);

private:
    void enableRecordControls(bool on);

    SettingsKeys& m_keys;
    const Settings& m_settings;
    QCheckBox* m_kidouKiroku;
    QCheckBox* m_kirokuHyouji;
    QLabel* m_kidou1;
    QLabel* m_kidou2;
    QLineEdit* m_kidouGyou;
    UpDown* m_udKidouGyou;
    QSpinBox* m_calSize;
    QCheckBox* m_zenkai;
    QCheckBox* m_memo;
    QCheckBox* m_hotkey;
    QCheckBox* m_shiyouchuu;
    QButtonGroup* m_position;
    DataFolderGroup* m_dataFolder;
    QPushButton* m_setup;
    QPushButton* m_startUp;
};

} // namespace rekko
