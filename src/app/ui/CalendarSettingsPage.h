// SPDX-License-Identifier: GPL-3.0-or-later
// The settings sub-page "暦": holiday, date and rokuyo display, period defaults, anniversary option, first month of
// the year.
#pragma once

#include "app/Settings.h"
#include "schedule/ui/ColourField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QSpinBox>
#include <QWidget>

namespace rekko {

class CalendarSettingsPage : public QWidget {
    Q_OBJECT
public:
    // Each change of a control is written through to its key of settings.
    explicit CalendarSettingsPage(SettingsKeys& keys, QWidget* parent = nullptr);

    // Shows the values of the settings, as read from the settings file.
    void showValues();

    // 線の色: the default colour of a new period's line.
    ColourField* lineColour() const { return m_kColor; }

private:
    SettingsKeys& m_keys;
    const Settings& m_settings;
    QCheckBox* m_nextDay;
    QCheckBox* m_neighborJump;
    QCheckBox* m_bold;
    QCheckBox* m_rokuyo;
    QCheckBox* m_sekki;
    QCheckBox* m_rekichu;
    QCheckBox* m_kOption;
    QSpinBox* m_kFutosa;
    ColourField* m_kColor;
    QButtonGroup* m_firstMonth;
    QSpinBox* m_hajimariTuki;
};

} // namespace rekko
