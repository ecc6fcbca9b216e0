// The settings sub-page "暦": holiday, date and rokuyo display, period defaults, anniversary option, first month of
// the year.
#pragma once

#include "app/Settings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QWidget>

namespace rekko {

class CalendarSettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit CalendarSettingsPage(QWidget* parent = nullptr);

    void apply(const Settings& settings);
    void collect(Settings& settings) const;

signals:
    // The user switched cbRokuyo: the calendars show or hide the rokuyo at once.
    void rokuyoSwitched(bool on);

private:
    QCheckBox* m_nextDay;
    QCheckBox* m_neighborJump;
    QCheckBox* m_bold;
    QCheckBox* m_rokuyo;
    QCheckBox* m_kOption;
    QSpinBox* m_kFutosa;
    QLineEdit* m_kColor;
    QButtonGroup* m_firstMonth;
    QSpinBox* m_hajimariTuki;
};

} // namespace rekko
