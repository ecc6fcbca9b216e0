// SPDX-License-Identifier: GPL-3.0-or-later
// The memo page's place in the main window: loading and saving with the shell, its stored place, and the requests
// it makes of the window.
#include "MemoPageLink.h"

#include "app/StartStopTable.h"
#include "base/TextFile.h"
#include "files/UserFiles.h"
#include "memo/MemoText.h"
#include "platform/ProgramLocation.h"

#include <QFileDialog>

#include <cstdio>

namespace rekko {

MemoPageLink::MemoPageLink(MainController& controller, Dialogs& dialogs, QWidget* parent)
    : QObject(parent), m_controller(controller), m_dialogs(dialogs),
      m_page(new MemoPage(dialogs, *this, controller.programFolder(), ShippedFolder(ExecutablePath()), parent)) {
    m_page->setConflictChoice(
        [this](const std::string& ours, const std::string& theirs) { return settleConflict(ours, theirs); });
}

MemoKeep MemoPageLink::settleConflict(const std::string& ours, const std::string& theirs) {
    const QWidget* window = m_page->window();
    const bool inSight = window->isVisible() && !window->isMinimized();
    MemoKeep keep = MemoKeep::Theirs;
    if (inSight) {
        const DialogMessage question{
            kDefaultCaption,   kMemoChangedElsewhere, DialogIcon::Question,          DialogButtons::YesNo,
            DialogAnswer::Yes, DialogAnswer::No,      {kKeepOurMemo, kKeepTheirMemo}};
        keep = m_dialogs.show(question) == DialogAnswer::Yes ? MemoKeep::Ours : MemoKeep::Theirs;
    }
    SaveReport report;
    const std::string setAside = keep == MemoKeep::Ours ? theirs : ours;
    report.merged.push_back(
        {kMemoFileName, std::string(kMemoFileName) + ": " + (keep == MemoKeep::Ours ? kKeepOurMemo : kKeepTheirMemo),
         [setAside](const std::filesystem::path& folder) -> Result<std::filesystem::path> {
             const std::filesystem::path copy = folder / kMemoFileName;
             if (const Status written = WriteTextFile(copy, MemoLinesOf(setAside), TextLines{}); !written)
                 return written.error();
             return copy;
         }});
    const std::string message = m_controller.rescue().keepMerged(report, m_controller.clock().now());
    if (inSight) {
        m_dialogs.inform(message);
    } else {
        std::fputs(m_controller.rescue().noteMerged(message).c_str(), stderr);
    }
    return keep;
}

Status MemoPageLink::load(const std::filesystem::path& memoFile) {
    const Settings& s = m_controller.settings();
    m_page->apply({s.CaMemoTopLine, s.CaMemoY, s.CaMemoX, s.MemoBtn});
    return m_page->load(memoFile);
}

Status MemoPageLink::save() {
    if (m_controller.writesHeld() && m_page->modified())
        return Failure{m_controller.writesHeldCause(),
                       std::filesystem::absolute(m_controller.files().memoFile).string()};
    return m_page->save();
}

void MemoPageLink::measure() {
    m_page->measure();
}

void MemoPageLink::collectPlace(Settings& settings) const {
    static_cast<MemoPlace&>(settings) = m_page->place();
}

void MemoPageLink::goResident() {
    emit residentRequested();
}

void MemoPageLink::showStartRecord() {
    const std::filesystem::path file = m_controller.files().startStopRecord;
    const auto record = ReadTextFile(file);
    if (!record) {
        m_dialogs.inform(file.string() + "\r\n" + record.error().cause);
        return;
    }
    const std::string table = StartStopTableText(StartStopRows(record.value().lines(), m_dialogs));
    emit textViewRequested(QStringLiteral("Rekko -Rekko-"), QString::fromStdString(table));
}

std::optional<std::filesystem::path> MemoPageLink::chooseSaveFile(const std::string& suggestedName) {
    QFileDialog dialog(m_page->window());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The overwrite question is the memo page's own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(QString::fromStdString(suggestedName));
    // Wide enough for the Japanese column texts of the file list.
    dialog.resize(820, 480);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}

} // namespace rekko
