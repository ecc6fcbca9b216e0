// SPDX-License-Identifier: GPL-3.0-or-later
// The settings page tsSettei: sub-pages "基本", "暦", "機能", "同期" and the always hidden "管理", made the first time
// the page is needed, so that a start that never opens it does not pay for them.
#pragma once

#include "BasicSettingsPage.h"
#include "CalendarSettingsPage.h"
#include "FunctionSettingsPage.h"

#include "app/Settings.h"
#include "sync/ui/SyncLink.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QWidget>

#include <optional>

namespace rekko {

class SettingsPage : public QWidget {
    Q_OBJECT
public:
    // Each change of a control is set as its key's value, told to those watching the key. Until the sub-pages are
    // made, the page keeps what the start gives it for them.
    SettingsPage(DataFolderChange& change, SettingsKeys& keys, SyncLink& sync, QWidget* parent = nullptr);

    // Makes the sub-pages, showing the settings and what the start gave the page; nothing once they exist.
    void build();
    bool built() const { return m_pages != nullptr; }
    // The sub-pages, made when they do not exist yet.
    BasicSettingsPage* basic();
    CalendarSettingsPage* calendar();
    FunctionSettingsPage* functions();
    SyncSettingsPage* sync();

    // Shows the values of the settings, as read from the settings file.
    void showValues();
    // Answers whether cbZunbo asks for the diary program to be looked for (a control without a key, checked until
    // the sibling lookup says otherwise).
    bool zunboWanted() const;
    // Shows what the sibling lookup and the feature switches allow (FunctionSettingsPage::offerFeatures).
    void offerFeatures(bool zunboFound, bool pomtaFound, bool timeFeature);
    // Starts the data-folder change over from the folder at start, and shows the program folder.
    void resetDataFolder(const std::string& folderAtStart, const QString& programFolder);
    // Cancels a pending data-folder change, as leaving the page does.
    void cancelPendingChange();
    // Enables or disables cbTShuusei (disabled while the function tick runs).
    void setAutoCorrectionEnabled(bool enabled);
    // A time retrieval started (false) or ended (true): the button "内蔵時計修正設定" follows.
    void setClockCorrectionAvailable(bool available);

signals:
    // The user clicked "内蔵時計修正設定".
    void clockCorrectionClicked();
    // The user clicked cbKidouKiroku: the record follows it.
    void startRecordClicked(bool on);
    // The user clicked the button of the maintenance window's page Setup or 起動方法.
    void setupClicked();
    void startUpClicked();

private:
    struct FeatureOffer {
        bool zunboFound;
        bool pomtaFound;
        bool timeFeature;
    };

    DataFolderChange& m_change;
    SettingsKeys& m_keys;
    SyncLink& m_syncLink;
    const Settings& m_settings;
    std::optional<FeatureOffer> m_offer;
    std::optional<QString> m_programFolder;
    bool m_autoCorrectionEnabled = true;
    bool m_clockCorrectionAvailable = true;
    QTabWidget* m_pages = nullptr;
    BasicSettingsPage* m_basic = nullptr;
    CalendarSettingsPage* m_calendar = nullptr;
    FunctionSettingsPage* m_functions = nullptr;
    SyncSettingsPage* m_sync = nullptr;
    QCheckBox* m_excel = nullptr;
    QCheckBox* m_jikoku = nullptr;
};

} // namespace rekko
