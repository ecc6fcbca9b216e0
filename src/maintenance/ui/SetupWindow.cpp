// SPDX-License-Identifier: GPL-3.0-or-later
// The maintenance window: its pages by number, its bars, and its settings.
#include "SetupWindow.h"

#include "controls/ui/TCalExFonts.h"
#include "files/UserFiles.h"

#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace rekko {

namespace {

// The pages of later work, each with its caption, in the order of their numbers.
constexpr std::array<std::pair<SetupPage, const char*>, 2> kUnbuiltPages = {{
    {SetupPage::Serial, "連続"},
    {SetupPage::Hotkey, "ホットキー"},
}};

constexpr const char* kSetupWindowTitle = "メンテナンス -Rekko-";

int Index(SetupPage page) {
    return static_cast<int>(page);
}

// Waits while the windows keep drawing but take no input.
void Pause(std::chrono::milliseconds wait) {
    QEventLoop loop;
    QTimer::singleShot(wait, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

SetupWindow::SetupWindow(SetupWindowParts parts, QWidget* parent)
    : QDialog(parent), m_shell(parts.shell), m_dialogs(parts.dialogs), m_setup(MakeSetupTable()),
      m_backup(parts.shell, m_setup, parts.dialogs, parts.drives, parts.clock),
      m_export(parts.shell, m_setup, parts.dialogs, parts.rules),
      m_excelCalendar(parts.shell, m_setup, parts.dialogs, parts.spreadsheet, parts.clock,
                      parts.shippedFolder / kWorkbookTemplateName),
      m_startupShortcuts(parts.shortcuts, parts.dialogs, parts.program),
      m_setupRun({parts.shell, parts.dialogs, parts.shortcuts, parts.starter, parts.program, Pause}),
      m_pages(new QTabWidget(this)), m_copy(new CopyPage(m_backup, m_export, m_setup, parts.dialogs, parts.drives,
                                                         parts.shell.programFolder(), m_pages)),
      m_excel(new ExcelPage(m_excelCalendar, m_setup, m_pages)),
      m_startUp(new StartUpPage(m_startupShortcuts, m_pages)),
      m_installPage(
          new InstallPage(m_setupRun, m_setup, parts.dialogs, parts.setupPlaces, parts.program.parent_path(), m_pages)),
      m_anniversaries(new AnniversaryListPage(parts.shell, parts.dialogs, m_pages)),
      m_commands(parts.shell, parts.dialogs), m_commemoration(new CommemorationPage(parts.shell, m_commands, m_pages)),
      m_commemorationAdmin(new CommemorationAdminPage(parts.shell, m_commands, m_pages)),
      m_text(new QPlainTextEdit(m_pages)), m_close(new QPushButton(QStringLiteral("閉じる"), this)),
      m_status(new QStatusBar(this)) {
    setObjectName("fmSetup");
    m_pages->setObjectName("PageControl1");
    m_pages->tabBar()->hide();
    // One tab per page number; 0 and 4 share the copy page.
    for (int number = 0; number <= Index(SetupPage::Hotkey); ++number) {
        const auto page = static_cast<SetupPage>(number);
        QWidget* widget = nullptr;
        if (page == SetupPage::Copy)
            widget = m_copy;
        else if (page == SetupPage::TextView)
            widget = m_text;
        else if (page == SetupPage::Excel)
            widget = m_excel;
        else if (page == SetupPage::StartUp)
            widget = m_startUp;
        else if (page == SetupPage::Setup)
            widget = m_installPage;
        else if (page == SetupPage::Anniversaries)
            widget = m_anniversaries;
        else if (page == SetupPage::Commemoration)
            widget = m_commemoration;
        else if (page == SetupPage::CommemorationAdmin)
            widget = m_commemorationAdmin;
        else if (page == SetupPage::Backup)
            continue;
        else {
            const auto unbuilt = std::find_if(kUnbuiltPages.begin(), kUnbuiltPages.end(),
                                              [page](const auto& entry) { return entry.first == page; });
            widget = new QLabel(QStringLiteral("「%1」のページは、まだできていません。").arg(unbuilt->second), m_pages);
            widget->setObjectName(QStringLiteral("tsPage%1").arg(number));
            static_cast<QLabel*>(widget)->setAlignment(Qt::AlignCenter);
        }
        m_pages->addTab(widget, QString::number(number));
    }
    m_text->setObjectName("meDbg");
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tables in the view are padded for a font in which a kanji is as wide as two Latin letters.
    m_text->setFont(CalendarFont(11));
    m_close->setObjectName("btnClose");
    m_status->setObjectName("StatusBar1");
    m_status->setSizeGripEnabled(false);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_installPage, &InstallPage::runRequested, this, &SetupWindow::writeSettings);
    connect(m_anniversaries, &AnniversaryListPage::closeRequested, this, &QDialog::accept);
    connect(m_commemoration, &CommemorationPage::closeRequested, this, &QDialog::accept);
    connect(m_commemorationAdmin, &CommemorationAdminPage::closeRequested, this, &QDialog::accept);
    connect(m_commemoration, &CommemorationPage::leaveByApplyOnly, m_close, &QWidget::hide);
    connect(m_commemorationAdmin, &CommemorationAdminPage::nameChanged, m_commemoration, &CommemorationPage::setTitle);
    connect(m_excel, &ExcelPage::workbookWritten, this,
            [this](const QString& file) { m_status->showMessage(QStringLiteral("「%1」を作成しました。").arg(file)); });
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(bottom);
    layout->addWidget(m_status);
    resize(640, 460);
}

std::filesystem::path SetupWindow::settingsFile() const {
    return m_shell.programFolder() / kSettingsFileName;
}

void SetupWindow::readSettings() {
    if (const Status read = ReadSetupSettings(m_setup, settingsFile()); !read)
        m_dialogs.inform(settingsFile().string() + "\r\n" + read.error().cause);
    const SetupSettings& s = m_setup.values();
    // A window never placed yet opens over the main window.
    if (s.SetupX != 0 || s.SetupY != 0)
        move(s.SetupX, s.SetupY);
    else if (parentWidget())
        move(parentWidget()->window()->frameGeometry().center() - rect().center());
}

void SetupWindow::showPage(SetupPage page) {
    m_pages->setCurrentIndex(page == SetupPage::Backup ? Index(SetupPage::Copy)
                                                       : Index(page) - (page > SetupPage::Backup ? 1 : 0));
}

void SetupWindow::openOn(SetupPage page, bool exportOnly) {
    m_keepsSettings = true;
    setWindowTitle(QString::fromUtf8(kSetupWindowTitle));
    readSettings();
    m_status->showMessage(QString::fromStdString(m_shell.programFolder().string()));
    showPage(page);
    m_excel->showValues();
    m_startUp->showState();
    m_installPage->showValues();
    if (page == SetupPage::Copy || page == SetupPage::Backup)
        m_copy->open(exportOnly ? CopyPageMode::ExportOnly : CopyPageMode::Full);
    if (page == SetupPage::Anniversaries)
        m_anniversaries->open();
    if (page == SetupPage::Commemoration)
        m_commemoration->open();
    if (page == SetupPage::CommemorationAdmin)
        m_commemorationAdmin->open();
    m_close->show();
    exec();
}

void SetupWindow::showText(const QString& caption, const QString& text) {
    m_keepsSettings = false;
    setWindowTitle(caption);
    m_text->setPlainText(text);
    showPage(SetupPage::TextView);
    exec();
}

void SetupWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Laid out only now, so the scroll range is known only now.
    m_text->moveCursor(QTextCursor::End);
    m_text->verticalScrollBar()->setValue(m_text->verticalScrollBar()->maximum());
}

void SetupWindow::writeSettings() {
    m_setup.edit().SetupY = frameGeometry().top();
    m_setup.edit().SetupX = frameGeometry().left();
    if (const Status written = WriteSettingsFile(m_setup, settingsFile(), TheirChanges::Kept); !written)
        m_dialogs.inform(settingsFile().string() + "\r\n" + written.error().cause);
}

void SetupWindow::done(int result) {
    if (m_keepsSettings)
        writeSettings();
    QDialog::done(result);
}

} // namespace rekko
