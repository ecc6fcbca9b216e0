// SPDX-License-Identifier: GPL-3.0-or-later
// The maintenance window fmSetup: one page control with hidden tabs showing the page of a page number, the bottom
// bar with 閉じる, the status bar, and section Setup of the settings file read on opening and written on closing.
#pragma once

#include "AnniversaryListPage.h"
#include "CommemorationAdminPage.h"
#include "CommemorationPage.h"
#include "CopyPage.h"
#include "ExcelPage.h"
#include "InstallPage.h"
#include "StartUpPage.h"

#include "maintenance/BackupRestore.h"
#include "maintenance/TextExport.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

namespace rekko {

// The page numbers, as the main window sets them.
enum class SetupPage {
    Copy = 0,
    Setup = 1,
    StartUp = 2,
    Excel = 3,
    Backup = 4, // コピー, its restore controls disabled until switched on (as they always start)
    Anniversaries = 5,
    Commemoration = 6,
    CommemorationAdmin = 7,
    Serial = 8,
    TextView = 9,
    Hotkey = 10,
};

// What the window works with, all outliving it.
struct SetupWindowParts {
    MaintenanceShell& shell;
    Dialogs& dialogs;
    const Drives& drives;
    const Clock& clock;
    const DayRules& rules;
    SpreadsheetProgram& spreadsheet;
    std::filesystem::path shippedFolder; // where the month workbook's template is
    Shortcuts& shortcuts;
    std::filesystem::path program; // the running program file
    ProgramStarter& starter;
    SetupPlaces setupPlaces;
};

class SetupWindow : public QDialog {
    Q_OBJECT
public:
    explicit SetupWindow(SetupWindowParts parts, QWidget* parent = nullptr);

    // Shows the page of the number (テキスト書出 passes exportOnly: only the export sub-page) modally; section
    // Setup is read first and written when the window closes.
    void openOn(SetupPage page, bool exportOnly = false);
    // Shows a text in the text view (page 9), captioned, scrolled to its last lines.
    void showText(const QString& caption, const QString& text);

    QTabWidget* pages() const { return m_pages; }
    CopyPage* copyPage() const { return m_copy; }
    ExcelPage* excelPage() const { return m_excel; }
    StartUpPage* startUpPage() const { return m_startUp; }
    InstallPage* installPage() const { return m_installPage; }
    AnniversaryListPage* anniversaryPage() const { return m_anniversaries; }
    CommemorationPage* commemorationPage() const { return m_commemoration; }
    CommemorationAdminPage* commemorationAdminPage() const { return m_commemorationAdmin; }
    QPlainTextEdit* textView() const { return m_text; }
    QPushButton* closeButton() const { return m_close; }
    QStatusBar* statusBar() const { return m_status; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void showPage(SetupPage page);
    void readSettings();
    void writeSettings();
    std::filesystem::path settingsFile() const;

    MaintenanceShell& m_shell;
    Dialogs& m_dialogs;
    SetupTable m_setup;
    BackupRestore m_backup;
    TextExport m_export;
    ExcelCalendar m_excelCalendar;
    StartupShortcuts m_startupShortcuts;
    SetupRun m_setupRun;
    QTabWidget* m_pages;
    CopyPage* m_copy;
    ExcelPage* m_excel;
    StartUpPage* m_startUp;
    InstallPage* m_installPage;
    AnniversaryListPage* m_anniversaries;
    CommemorationCommands m_commands;
    CommemorationPage* m_commemoration;
    CommemorationAdminPage* m_commemorationAdmin;
    QPlainTextEdit* m_text;
    QPushButton* m_close;
    QStatusBar* m_status;
    bool m_keepsSettings = false; // opened on a page of section Setup, not as the text view
};

} // namespace rekko
