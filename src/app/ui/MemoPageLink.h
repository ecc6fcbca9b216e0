// SPDX-License-Identifier: GPL-3.0-or-later
// The memo page in the main window: its steps of month initialisation, the creation sequence and save all, its
// place kept in the settings, and what it asks of the window (residency, the start-and-stop table, a file to save
// under).
#pragma once

#include "app/MainController.h"
#include "app/ShellPorts.h"
#include "memo/ui/MemoPage.h"

#include <QObject>

namespace rekko {

class MemoPageLink : public QObject, public StoredMemo, public MemoShell {
    Q_OBJECT
public:
    // Makes the memo page inside parent; the shipped texts are looked for in the controller's program folder, then
    // beside the executable.
    MemoPageLink(MainController& controller, Dialogs& dialogs, QWidget* parent);

    MemoPage* page() const { return m_page; }

    // Takes the stored place and jump lines first, then loads the memo file.
    Status load(const std::filesystem::path& memoFile) override;
    // Writes an edited memo; while writes are held an edited memo is reported as not written.
    Status save() override;
    void measure() override;

    // Copies the memo's place and jump lines into the settings (before they are written).
    void collectPlace(Settings& settings) const;

    void goResident() override;
    // Asks for the start-and-stop record to be shown as a table in the text view, captioned "Rekko -Rekko-".
    void showStartRecord() override;
    std::optional<std::filesystem::path> chooseSaveFile(const std::string& suggestedName) override;

signals:
    // 常駐 on the memo page.
    void residentRequested();
    // A text for the maintenance window's text view.
    void textViewRequested(const QString& caption, const QString& text);

private:
    // Which text the memo file keeps when it was changed here and by someone else: asked while the window is in
    // sight, the other's otherwise; the text not kept goes to the rescue folder, and what happened is told.
    MemoKeep settleConflict(const std::string& ours, const std::string& theirs);

    MainController& m_controller;
    Dialogs& m_dialogs;
    MemoPage* m_page;
};

} // namespace rekko
