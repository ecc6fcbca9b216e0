// SPDX-License-Identifier: GPL-3.0-or-later
// The data-folder change of the settings page: choose or type a folder, then carry the change out or cancel it.
#pragma once

#include "platform/Dialogs.h"

#include <functional>
#include <string>

namespace rekko {

// Holds the text of edFolder and whether a change is pending. The new folder is only stored; it is written by the
// next save all and used from the next start, and no data is moved.
class DataFolderChange {
public:
    // saveAll runs the main window's save all before a chosen folder replaces the text; carriedOut runs after a
    // change was carried out.
    DataFolderChange(Dialogs& dialogs, std::function<void()> saveAll, std::function<void()> carriedOut = {});

    // Sets the data folder at start and shows it, leaving any pending change.
    void reset(const std::string& folderAtStart);

    const std::string& text() const { return m_text; }
    const std::string& folderAtStart() const { return m_folderAtStart; }
    // Answers whether a change is pending: the field is editable and the two decision buttons are enabled.
    bool pending() const { return m_pending; }

    // Takes the text the user typed into the field while it is editable.
    void edit(const std::string& text);

    // Takes the folder picked in the folder browser (empty when the browser was cancelled). A different folder runs
    // save all, becomes the text with a trailing "/", may get "Sorel/" appended after a question, and makes the
    // change pending. The folder already shown changes nothing.
    void chooseFolder(const std::string& chosen);

    // Makes the field editable for typing a folder (btnHenkou).
    void beginEdit();

    // Answers whether leaving the field must be refused: while a change is pending it shows why and answers true.
    bool refuseLeaving();

    // Carries the change out after a question (btnDFJikkou): checks the folder, offers to create a missing one,
    // and on success makes it the data folder at start.
    void execute();

    // Restores the text from before the change and leaves the pending state (btnDFCancel, leaving the page).
    void cancel();

private:
    void startPending();

    Dialogs& m_dialogs;
    std::function<void()> m_saveAll;
    std::function<void()> m_carriedOut;
    std::string m_folderAtStart;
    std::string m_text;
    std::string m_textBefore;
    bool m_pending = false;
};

} // namespace rekko
