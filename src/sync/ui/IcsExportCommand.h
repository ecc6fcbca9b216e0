// SPDX-License-Identifier: GPL-3.0-or-later
// The window's iCalendar export ("iCalendar 書出…"): the span and the holidays asked in a small dialog, the file
// chosen (the chooser asks before overwriting), the export written and told.
#pragma once

#include "files/UserFiles.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>

#include <filesystem>
#include <functional>
#include <optional>

namespace rekko {

class ScheduleBook;

// The span and holidays choice of an export.
class IcsSpanDialog : public QDialog {
    Q_OBJECT
public:
    // Starts with the month shown, from its first day to its last.
    IcsSpanDialog(QDate shownMonth, QWidget* parent = nullptr);

    QDateEdit* from() const { return m_from; }
    QDateEdit* to() const { return m_to; }
    QCheckBox* holidays() const { return m_holidays; }

private:
    QDateEdit* m_from;
    QDateEdit* m_to;
    QCheckBox* m_holidays;
};

class IcsExportCommand {
public:
    // Chooses the file to write, nothing when the user cancels; the real one is a save-file chooser.
    using FileChooser = std::function<std::optional<std::filesystem::path>(QWidget* parent)>;
    // Answers the span dialog (exec), so tests can fill it in.
    using SpanAnswer = std::function<int(IcsSpanDialog& dialog)>;

    IcsExportCommand(const ScheduleBook& book, std::function<FileSet()> files, Dialogs& dialogs, const Clock& clock);

    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void setSpanAnswer(SpanAnswer answer) { m_answerSpan = std::move(answer); }

    // Runs the command for the month shown in the window.
    void run(QDate shownMonth, QWidget* parent);

private:
    const ScheduleBook& m_book;
    std::function<FileSet()> m_files;
    Dialogs& m_dialogs;
    const Clock& m_clock;
    FileChooser m_chooseFile;
    SpanAnswer m_answerSpan;
};

} // namespace rekko
