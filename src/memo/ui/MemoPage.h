// SPDX-License-Identifier: GPL-3.0-or-later
// The memo page (tsMemo): the memo text with its five jump buttons, line and free-space indicators, scroll
// buttons and save-as, and the read-only view of the program's own texts in the memo's place.
#pragma once

#include "MemoPageControls.h"

#include "memo/MemoJumps.h"
#include "memo/MemoSettings.h"
#include "memo/MemoStore.h"
#include "platform/Dialogs.h"

#include <QTextDocument>
#include <QWidget>

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace rekko {

// What the memo page asks of the main window.
class MemoShell {
public:
    virtual ~MemoShell() = default;
    // Goes resident (常駐).
    virtual void goResident() = 0;
    // Shows the start-and-stop record (起動時刻).
    virtual void showStartRecord() = 0;
    // Asks for the file to save the memo under, suggesting a name; nothing when the user cancelled.
    virtual std::optional<std::filesystem::path> chooseSaveFile(const std::string& suggestedName) = 0;
};

// What the text area shows.
enum class MemoView { Memo, ReadMe, Usage, VersionHistory };

class MemoPage : public QWidget {
    Q_OBJECT
public:
    // The shipped texts are looked for in the program folder, then in the executable's folder.
    MemoPage(Dialogs& dialogs, MemoShell& host, std::filesystem::path programFolder,
             std::filesystem::path executableFolder, QWidget* parent = nullptr);

    const MemoPageControls& controls() const { return m_c; }

    // Loads the memo file (month initialisation): the text, the jump buttons from its marker lines, the caret and
    // first line of the stored place. Fails for a file that exists but cannot be read; the memo then stays
    // read-only and is never written.
    Status load(const std::filesystem::path& memoFile);
    // Writes the memo when it was modified (save all); the text area may show another text meanwhile. When the
    // file keeps what someone else wrote to it, the page shows that text.
    Status save();
    // Decides which text the file keeps when the memo was changed here and by someone else (MemoStore).
    void setConflictChoice(MemoStore::ConflictChoice choice) { m_store.setConflictChoice(std::move(choice)); }
    // Shows the free space of the memo text.
    void measure();

    // Takes the stored place and jump lines; returns them for storing.
    void apply(const MemoPlace& place);
    MemoPlace place() const;

    // Shows the memo or one of the program's texts (menu "メモ欄(&M)", Alt+M). The memo comes back with its edits;
    // when it has none it is read again from its file. A shipped text that is missing is announced.
    void showView(MemoView view);
    MemoView view() const { return m_view; }

    // Enables the start-record selector, which follows cbKidouKiroku.
    void setStartRecordEnabled(bool on);
    // Answers whether the memo holds edits not yet written.
    bool modified() const { return m_memo->isModified(); }
    QTextDocument* memoDocument() const { return m_memo; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Reads the jump marks of the text shown and colours the jump buttons.
    void readJumpMarks();
    // Shows the file's text in place of the memo's, unmodified.
    void showDiskText(const std::string& text);
    void wireButtons();
    void wireScrolling();
    void contentsChanged(int position, int removed, int added);
    void colourJumpButtons();
    void jump(int slot);
    void saveAs();
    void rememberPlace();
    void restorePlace();
    void showCaret();
    QString memoText() const;

    Dialogs& m_dialogs;
    MemoShell& m_host;
    std::filesystem::path m_programFolder;
    std::filesystem::path m_executableFolder;
    MemoStore m_store;
    MemoJumps m_jumps;
    MemoPageControls m_c;
    QTextDocument* m_memo;
    QTextDocument* m_viewer;
    MemoView m_view = MemoView::Memo;
    MemoView m_lastText = MemoView::ReadMe;
    MemoPlace m_place;
    int m_lineCount = 1;
    int m_menuSlot = 0;
    int m_scrollStep = 0;
    bool m_loading = false;
    bool m_restorePending = false;
    bool m_fontApplied = false;
};

} // namespace rekko
