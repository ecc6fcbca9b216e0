// SPDX-License-Identifier: GPL-3.0-or-later
// The page コピー of the maintenance window: the sub-pages backup, restore and export, bound to their decisions.
#pragma once

#include "maintenance/BackupRestore.h"
#include "maintenance/TextExport.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <array>

namespace rekko {

// How the page is offered: whole, or only the export (from the menu テキスト書出).
enum class CopyPageMode { Full, ExportOnly };

// The controls, by their product names.
struct CopyPageControls {
    std::array<QLineEdit*, 3> edtCopy{};      // edtCopy1, edtCopy2 (destinations), edtCopy3 (restore source)
    std::array<QPushButton*, 3> btnDirCopy{}; // the folder buttons
    std::array<QPushButton*, 2> btnCopyGo{};  // btnCopy1Go, btnCopy2Go "← データ退避実行"
    std::array<QLabel*, 2> lblCopy{};         // the notes of the last backups
    QPushButton* btnKaifukuOn = nullptr;      // "「データ回復」をオン"
    QPushButton* btnKaifukuGo = nullptr;      // "← データ回復"
    QRadioButton* rbText = nullptr;
    QRadioButton* rbCSV = nullptr;
    QPushButton* btnText = nullptr; // "ファイル書出"
    QWidget* backup = nullptr;      // the three sub-pages
    QWidget* restore = nullptr;
    QWidget* exporting = nullptr;
};

class CopyPage : public QTabWidget {
    Q_OBJECT
public:
    CopyPage(BackupRestore& backup, TextExport& exporter, SetupTable& setup, Dialogs& dialogs, const Drives& drives,
             std::filesystem::path programFolder, QWidget* parent = nullptr);

    const CopyPageControls& controls() const { return m_c; }

    // Shows the values of section Setup, the sub-pages the mode offers, and the restore's controls disabled until
    // the user switches the restore on.
    void open(CopyPageMode mode);

private:
    QWidget* buildBackup();
    QWidget* buildRestore();
    QWidget* buildExport();
    QLineEdit* folderRow(int index, const char* caption, QWidget* page, QGridLayout* grid, int row);
    void chooseFolder(int index);
    void setRestoreEnabled(bool on);
    void showValues();

    BackupRestore& m_backup;
    TextExport& m_export;
    SetupTable& m_setup;
    Dialogs& m_dialogs;
    const Drives& m_drives;
    std::filesystem::path m_programFolder;
    CopyPageControls m_c;
    std::vector<QWidget*> m_restoreParts;
};

} // namespace rekko
