// SPDX-License-Identifier: GPL-3.0-or-later
// The settings page, its hidden management sub-page, and what it stands in for until its sub-pages are made.
#include "SettingsPage.h"

#include "SettingsWidgets.h"

#include <QVBoxLayout>

namespace rekko {

SettingsPage::SettingsPage(DataFolderChange& change, SettingsKeys& keys, SyncLink& sync, QWidget* parent)
    : QWidget(parent), m_change(change), m_keys(keys), m_syncLink(sync), m_settings(keys.values()) {
    setObjectName("tsSettei");
}

void SettingsPage::build() {
    if (m_pages)
        return;
    m_pages = new QTabWidget(this);
    m_pages->setObjectName("pcSettei");
    m_basic = new BasicSettingsPage(m_change, m_keys, m_pages);
    m_calendar = new CalendarSettingsPage(m_keys, m_pages);
    m_functions = new FunctionSettingsPage(m_keys, m_pages);
    m_sync = m_syncLink.makePage(m_pages);
    auto* admin = new QWidget(m_pages);
    admin->setObjectName("tsKanri");
    m_excel = NamedCheckBox("cbExcel", QStringLiteral("Excel"), admin);
    m_jikoku = NamedCheckBox("cbJikoku", QStringLiteral("時刻取得"), admin);
    auto* adminLayout = new QVBoxLayout(admin);
    adminLayout->addWidget(m_excel);
    adminLayout->addWidget(m_jikoku);
    adminLayout->addStretch();
    m_pages->addTab(m_basic, QStringLiteral("基本"));
    m_pages->addTab(m_calendar, QStringLiteral("暦"));
    m_pages->addTab(m_functions, QStringLiteral("機能"));
    m_pages->addTab(m_sync, QStringLiteral("同期"));
    const int adminIndex = m_pages->addTab(admin, QStringLiteral("管理"));
    m_pages->setTabVisible(adminIndex, false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    BindKey(m_excel, m_keys, &Settings::cbExcel);
    BindKey(m_jikoku, m_keys, &Settings::cbJikoku);
    connect(m_basic, &BasicSettingsPage::startRecordClicked, this, &SettingsPage::startRecordClicked);
    connect(m_basic->setupButton(), &QPushButton::clicked, this, &SettingsPage::setupClicked);
    connect(m_basic->startUpButton(), &QPushButton::clicked, this, &SettingsPage::startUpClicked);

    if (m_offer)
        m_functions->offerFeatures(m_offer->zunboFound, m_offer->pomtaFound, m_offer->timeFeature);
    m_functions->autoCorrection()->setEnabled(m_autoCorrectionEnabled);
    m_functions->setClockCorrectionAvailable(m_clockCorrectionAvailable);
    connect(m_functions->clockCorrection(), &QPushButton::clicked, this, &SettingsPage::clockCorrectionClicked);
    if (m_programFolder)
        m_basic->dataFolder()->reset(m_change.folderAtStart(), *m_programFolder);
    showValues();
}

BasicSettingsPage* SettingsPage::basic() {
    build();
    return m_basic;
}

CalendarSettingsPage* SettingsPage::calendar() {
    build();
    return m_calendar;
}

FunctionSettingsPage* SettingsPage::functions() {
    build();
    return m_functions;
}

SyncSettingsPage* SettingsPage::sync() {
    build();
    return m_sync;
}

void SettingsPage::showValues() {
    // The size control holds 0 or 1 only, and cbPrjN stays off without Zunbo: the keys keep what the page shows.
    m_keys.set(&Settings::udCalSize, m_settings.udCalSize == 0 ? 0 : 1);
    m_keys.set(&Settings::cbPrjN, m_settings.cbPrjN && zunboWanted());
    if (!m_pages)
        return;
    m_excel->setChecked(m_settings.cbExcel);
    m_jikoku->setChecked(m_settings.cbJikoku);
    m_basic->showValues();
    m_calendar->showValues();
    m_functions->showValues();
    m_sync->showValues();
}

bool SettingsPage::zunboWanted() const {
    if (m_functions)
        return m_functions->zunboWanted();
    return !m_offer || m_offer->zunboFound;
}

void SettingsPage::offerFeatures(bool zunboFound, bool pomtaFound, bool timeFeature) {
    m_offer = FeatureOffer{zunboFound, pomtaFound, timeFeature};
    if (m_functions)
        m_functions->offerFeatures(zunboFound, pomtaFound, timeFeature);
}

void SettingsPage::resetDataFolder(const std::string& folderAtStart, const QString& programFolder) {
    m_programFolder = programFolder;
    if (m_basic)
        m_basic->dataFolder()->reset(folderAtStart, programFolder);
    else
        m_change.reset(folderAtStart);
}

void SettingsPage::cancelPendingChange() {
    if (m_basic)
        m_basic->dataFolder()->cancelPending();
}

void SettingsPage::setAutoCorrectionEnabled(bool enabled) {
    m_autoCorrectionEnabled = enabled;
    if (m_functions)
        m_functions->autoCorrection()->setEnabled(enabled);
}

void SettingsPage::setClockCorrectionAvailable(bool available) {
    m_clockCorrectionAvailable = available;
    if (m_functions)
        m_functions->setClockCorrectionAvailable(available);
}

} // namespace rekko
