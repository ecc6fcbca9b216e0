// SPDX-License-Identifier: GPL-3.0-or-later
// The page Setup of the maintenance window: the location with its folder button, the five modes, the options of the
// options mode, 規定値に戻す and 開始.
#pragma once

#include "maintenance/SetupRun.h"
#include "maintenance/SetupSettings.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>

namespace rekko {

// The controls, by their product names.
struct InstallPageControls {
    QLabel* lblCurrent = nullptr; // the program folder
    QLineEdit* edtSetup = nullptr;
    QPushButton* btnSetupDir = nullptr;
    // In the order of SetupMode.
    std::array<QRadioButton*, 5> modes{}; // rbNewSetup, rbOpSetup, rbUwagaki, rbFromSorel, rbToSorel
    QWidget* options = nullptr;
    QCheckBox* cbDataC = nullptr;
    QCheckBox* cbStartup = nullptr;
    QCheckBox* cbDeskTop = nullptr;
    QCheckBox* cbStartMenu = nullptr;
    QCheckBox* cbProgram = nullptr;
    QPushButton* btnKiteichi = nullptr;
    QPushButton* btnSetup = nullptr;
};

// Where the page starts from.
struct SetupPlaces {
    std::filesystem::path defaultLocation;
    std::filesystem::path sorelLocation;
};

class InstallPage : public QWidget {
    Q_OBJECT
public:
    InstallPage(SetupRun& run, SetupTable& setup, Dialogs& dialogs, SetupPlaces places,
                const std::filesystem::path& programFolder, QWidget* parent = nullptr);

    const InstallPageControls& controls() const { return m_c; }

    // The choice as the page shows it.
    SetupChoice choice() const;
    // Shows the location section Setup holds, the default when it holds none.
    void showValues();

signals:
    // 開始 was pressed: the window's settings are written before the setup runs, as it may end the program.
    void runRequested();

private:
    void showLocation(const std::filesystem::path& location);
    void reset();
    void showOptions(const SetupChoice& options);
    void modeChosen(SetupMode mode);
    void browse();

    SetupRun& m_run;
    SetupTable& m_setup;
    Dialogs& m_dialogs;
    SetupPlaces m_places;
    InstallPageControls m_c;
    bool m_showing = false; // the controls are being set by the page, not by the user
};

} // namespace rekko
