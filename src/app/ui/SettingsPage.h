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
    SettingsPage(DataFolderChange& change, QWidget* parent = nullptr);

    BasicSettingsPage* basic() const { return m_basic; }
    CalendarSettingsPage* calendar() const { return m_calendar; }
    FunctionSettingsPage* functions() const { return m_functions; }

    // Shows the values read from the settings file.
    void apply(const Settings& settings);
    // Copies the controls into the settings (the keys the controls hold; the others stay as they are).
    void collect(Settings& settings) const;

private:
    QTabWidget* m_pages;
    BasicSettingsPage* m_basic;
    CalendarSettingsPage* m_calendar;
    FunctionSettingsPage* m_functions;
    QCheckBox* m_excel;
    QCheckBox* m_jikoku;
};

} // namespace rekko
