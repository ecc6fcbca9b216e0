// SPDX-License-Identifier: GPL-3.0-or-later
// The settings page and its hidden management sub-page.
#include "SettingsPage.h"

#include "SettingsWidgets.h"

#include <QVBoxLayout>

namespace rekko {

SettingsPage::SettingsPage(DataFolderChange& change, Settings& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    setObjectName("tsSettei");
    m_pages = new QTabWidget(this);
    m_pages->setObjectName("pcSettei");
    m_basic = new BasicSettingsPage(change, settings, m_pages);
    m_calendar = new CalendarSettingsPage(settings, m_pages);
    m_functions = new FunctionSettingsPage(settings, m_pages);
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
    const int adminIndex = m_pages->addTab(admin, QStringLiteral("管理"));
    m_pages->setTabVisible(adminIndex, false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    BindKey(m_excel, settings.cbExcel);
    BindKey(m_jikoku, settings.cbJikoku);
}

void SettingsPage::showValues() {
    m_excel->setChecked(m_settings.cbExcel);
    m_jikoku->setChecked(m_settings.cbJikoku);
    m_basic->showValues();
    m_calendar->showValues();
    m_functions->showValues();
}

} // namespace rekko
