// SPDX-License-Identifier: GPL-3.0-or-later
// The settings page tsSettei: sub-pages "基本", "暦", "機能" and the always hidden "管理".
#pragma once

#include "BasicSettingsPage.h"
#include "CalendarSettingsPage.h"
#include "FunctionSettingsPage.h"

#include "app/Settings.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QWidget>

namespace rekko {

class SettingsPage : public QWidget {
    Q_OBJECT
public:
    // Each change of a control is written through to its key of settings.
    SettingsPage(DataFolderChange& change, Settings& settings, QWidget* parent = nullptr);

    BasicSettingsPage* basic() const { return m_basic; }
    CalendarSettingsPage* calendar() const { return m_calendar; }
    FunctionSettingsPage* functions() const { return m_functions; }

    // Shows the values of the settings, as read from the settings file.
    void showValues();

private:
    Settings& m_settings;
    QTabWidget* m_pages;
    BasicSettingsPage* m_basic;
    CalendarSettingsPage* m_calendar;
    FunctionSettingsPage* m_functions;
    QCheckBox* m_excel;
    QCheckBox* m_jikoku;
};

} // namespace rekko
