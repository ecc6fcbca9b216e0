// SPDX-License-Identifier: GPL-3.0-or-later
// The page Excel of the maintenance window: the month workbook's options bound to section Setup, the create button
// whose caption follows the preview option, and 規定値に戻す.
#pragma once

#include "maintenance/ExcelCalendar.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>

namespace rekko {

// The controls, by their product names.
struct ExcelPageControls {
    QCheckBox* cbExTitle = nullptr;
    std::array<QRadioButton*, 3> rgExTitle{}; // 年月, 年月+タイトル, タイトルのみ
    QLineEdit* edtExTitle = nullptr;
    QCheckBox* cbExDate = nullptr;
    QCheckBox* cbExSaijitu = nullptr;
    QCheckBox* cbExKinenbi = nullptr;
    QCheckBox* cbExNaiyou = nullptr;
    QCheckBox* cbExShoshiki = nullptr;
    QCheckBox* cbExPreview = nullptr;
    QPushButton* btnExSakusei = nullptr;
    QPushButton* btnExMoto = nullptr; // 規定値に戻す
};

class ExcelPage : public QWidget {
    Q_OBJECT
public:
    ExcelPage(ExcelCalendar& calendar, SetupTable& setup, QWidget* parent = nullptr);

    const ExcelPageControls& controls() const { return m_c; }

    // Shows the options as section Setup holds them.
    void showValues();

signals:
    // A workbook was written to the file.
    void workbookWritten(const QString& file);

private:
    QCheckBox* option(bool SetupSettings::*key, const char* name, const char* caption);
    void create();

    ExcelCalendar& m_calendar;
    SetupTable& m_setup;
    ExcelPageControls m_c;
    bool m_showing = false; // the controls are being set from the settings, not by the user
};

} // namespace rekko
