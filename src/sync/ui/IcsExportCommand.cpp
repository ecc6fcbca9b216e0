// SPDX-License-Identifier: GPL-3.0-or-later
// The span dialog and the run of the window's iCalendar export.
#include "IcsExportCommand.h"

#include "calendar/Julius.h"
#include "sync/IcsFile.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>

namespace rekko {

IcsSpanDialog::IcsSpanDialog(QDate shownMonth, QWidget* parent)
    : QDialog(parent), m_from(new QDateEdit(QDate(shownMonth.year(), shownMonth.month(), 1), this)),
      m_to(new QDateEdit(QDate(shownMonth.year(), shownMonth.month(), shownMonth.daysInMonth()), this)),
      m_holidays(new QCheckBox(QStringLiteral("祝日も別のカレンダーとして書き出す"), this)) {
    setObjectName("fmIcal");
    setWindowTitle(QStringLiteral("iCalendar 書出 -Rekko-"));
    // Wide enough for the whole caption beside the window manager's buttons.
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 160);
    for (QDateEdit* edit : {m_from, m_to}) {
        edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
        edit->setCalendarPopup(true);
        edit->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    }
    m_from->setObjectName("edFrom");
    m_to->setObjectName("edTo");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The end never lies before the start.
    connect(m_from, &QDateEdit::dateChanged, this, [this](QDate date) { m_to->setMinimumDate(date); });
    m_to->setMinimumDate(m_from->date());
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("初め："), m_from);
    layout->addRow(QStringLiteral("終わり："), m_to);
    layout->addRow(m_holidays);
    layout->addRow(buttons);
}

IcsExportCommand::IcsExportCommand(const ScheduleBook& book, std::function<FileSet()> files, Dialogs& dialogs,
                                   const Clock& clock)
    : m_book(book), m_files(std::move(files)), m_dialogs(dialogs), m_clock(clock),
      m_chooseFile([](QWidget* parent) -> std::optional<std::filesystem::path> {
          // The chooser asks before a file that exists is replaced.
          const QString file = QFileDialog::getSaveFileName(parent, QStringLiteral("iCalendar 書出"),
                                                            QDir::home().filePath(QStringLiteral("Rekko.ics")),
                                                            QStringLiteral("iCalendar (*.ics)"));
          if (file.isEmpty())
              return std::nullopt;
          return std::filesystem::path(file.toStdString());
      }),
      m_answerSpan([](IcsSpanDialog& dialog) { return dialog.exec(); }) {}

void IcsExportCommand::run(QDate shownMonth, QWidget* parent) {
    IcsSpanDialog span(shownMonth, parent);
    if (m_answerSpan(span) != QDialog::Accepted)
        return;
    const auto file = m_chooseFile(parent);
    if (!file)
        return;
    const QDate from = span.from()->date(), to = span.to()->date();
    std::vector<std::string> unreadable;
    const IcsExport exported = ExportIcs(
        m_book, BookMonthLines(m_book, m_files(), unreadable), EncodeJuliusDay(from.year(), from.month(), from.day()),
        EncodeJuliusDay(to.year(), to.month(), to.day()), span.holidays()->isChecked(), m_clock.utcNow());
    const Status written = WriteIcsFile(*file, exported);
    if (!written) {
        m_dialogs.show(DialogMessage{kDefaultCaption, IcsWriteFailure(*file, written.error()), DialogIcon::Error});
        return;
    }
    m_dialogs.inform(IcsExportNotice(exported, *file, unreadable));
}

} // namespace rekko
