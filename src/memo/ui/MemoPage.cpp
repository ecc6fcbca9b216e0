// SPDX-License-Identifier: GPL-3.0-or-later
// The memo page: its controls, loading and saving, the jump buttons, the indicators, scrolling and the text view.
#include "MemoPage.h"

#include "controls/ui/LosslessText.h"
#include "controls/ui/TCalExFonts.h"
#include "files/UserFiles.h"
#include "memo/MemoText.h"

#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>

namespace rekko {

namespace {

constexpr const char* kSetButtonStyle = "QPushButton { color: #FF00FF; background-color: #008000; font-weight: bold; }"
                                        "QPushButton:disabled { color: #C0C0C0; }";
constexpr const char* kEmptyButtonStyle = "QPushButton { color: #0000FF; } QPushButton:disabled { color: #C0C0C0; }";

constexpr int kMemoFontPoints = 11;

QTextDocument* plainDocument(QObject* parent) {
    auto* document = new QTextDocument(parent);
    document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    return document;
}

const char* fileNameOf(MemoView view) {
    switch (view) {
    case MemoView::ReadMe:
        return kReadMeFileName;
    case MemoView::Usage:
        return kUsageFileName;
    case MemoView::VersionHistory:
        return kVersionHistoryFileName;
    case MemoView::Memo:
        break;
    }
    return kMemoFileName;
}

} // namespace

MemoPage::MemoPage(Dialogs& dialogs, MemoShell& host, std::filesystem::path programFolder,
                   std::filesystem::path executableFolder, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_host(host), m_programFolder(std::move(programFolder)),
      m_executableFolder(std::move(executableFolder)), m_store(dialogs) {
    setObjectName("tsMemo");
    m_c = BuildMemoPageControls(this, dialogs);
    m_memo = plainDocument(this);
    m_viewer = plainDocument(this);
    m_c.CaMemo->setDocument(m_memo);
    wireButtons();
    wireScrolling();
    connect(m_memo, &QTextDocument::contentsChange, this, &MemoPage::contentsChanged);
    connect(m_c.CaMemo, &QPlainTextEdit::cursorPositionChanged, this, &MemoPage::showCaret);
    measure();
    showCaret();
    colourJumpButtons();
}

void MemoPage::wireButtons() {
    for (int slot = 0; slot < kJumpSlots; ++slot) {
        QPushButton* button = m_c.btnJ[static_cast<size_t>(slot)];
        connect(button, &QPushButton::clicked, this, [this, slot] { jump(slot); });
        connect(button, &QWidget::customContextMenuRequested, this, [this, slot, button](const QPoint& at) {
            m_menuSlot = slot;
            m_c.pmMemobtn->exec(button->mapToGlobal(at));
        });
    }
    connect(m_c.pmKioku, &QAction::triggered, this, [this] {
        if (m_jumps.remember(m_menuSlot, m_c.CaMemo->textCursor().blockNumber() + 1, m_dialogs))
            colourJumpButtons();
    });
    connect(m_c.pmKiokuClear, &QAction::triggered, this, [this] {
        m_jumps.clear(m_menuSlot);
        colourJumpButtons();
    });
    connect(m_c.btnMemoSave, &QPushButton::clicked, this, &MemoPage::saveAs);
    connect(m_c.btnMemoJouchuu, &QPushButton::clicked, this, [this] { m_host.goResident(); });
    connect(m_c.btnMomoKensaku, &QPushButton::clicked, this,
            [this] { showView(m_view == MemoView::Memo ? m_lastText : MemoView::Memo); });
    connect(m_c.rbKidouJikoku, &QRadioButton::clicked, this, [this] {
        m_c.rbKidouJikoku->setChecked(false);
        m_host.showStartRecord();
    });
}

void MemoPage::wireScrolling() {
    connect(m_c.tmMemo, &QTimer::timeout, this, [this] {
        QScrollBar* bar = m_c.CaMemo->verticalScrollBar();
        bar->setValue(bar->value() + m_scrollStep);
    });
    for (const auto& [button, step] : {std::pair{m_c.btnUp, -1}, std::pair{m_c.btnDown, 1}}) {
        connect(button, &QPushButton::pressed, this, [this, step = step] {
            m_scrollStep = step;
            m_c.tmMemo->start();
        });
        // On release the caret goes to the middle of the lines shown.
        connect(button, &QPushButton::released, this, [this] {
            m_c.tmMemo->stop();
            QTextCursor middle = m_c.CaMemo->cursorForPosition(QPoint(0, m_c.CaMemo->viewport()->height() / 2));
            middle.movePosition(QTextCursor::StartOfBlock);
            m_c.CaMemo->setTextCursor(middle);
        });
    }
    connect(m_c.btnFirst, &QPushButton::clicked, this, [this] {
        m_c.CaMemo->moveCursor(QTextCursor::Start);
        m_c.CaMemo->setFocus();
    });
    connect(m_c.btnLast, &QPushButton::clicked, this, [this] {
        m_c.CaMemo->moveCursor(QTextCursor::End);
        m_c.CaMemo->moveCursor(QTextCursor::StartOfBlock);
        m_c.CaMemo->setFocus();
    });
}

QString MemoPage::memoText() const {
    return m_memo->toPlainText();
}

Status MemoPage::load(const std::filesystem::path& memoFile) {
    m_loading = true;
    auto loaded = m_store.load(memoFile);
    if (!loaded) {
        m_memo->clear();
        m_c.CaMemo->setReadOnly(true);
        m_loading = false;
        return loaded.error();
    }
    // A memo that shows this very text, unedited, keeps its document and place; only its jump marks are read again.
    const bool shown = loaded.value().unchanged && !m_memo->isModified();
    if (!shown) {
        m_memo->setPlainText(ToQString(loaded.value().text));
        m_memo->setModified(loaded.value().created);
        m_lineCount = m_memo->blockCount();
    }
    readJumpMarks();
    m_loading = false;
    if (shown)
        return Success();
    if (m_view == MemoView::Memo) {
        m_c.CaMemo->setReadOnly(false);
        restorePlace();
    }
    measure();
    return Success();
}

Status MemoPage::save() {
    const Status saved = m_store.save(FromQString(memoText()), m_memo->isModified());
    if (saved)
        m_memo->setModified(false);
    if (const auto theirs = m_store.takeDiskText())
        showDiskText(*theirs);
    return saved;
}

void MemoPage::readJumpMarks() {
    std::vector<std::string> lines;
    for (QTextBlock block = m_memo->begin(); block.isValid(); block = block.next())
        lines.push_back(FromQString(block.text()));
    m_jumps.setFromMarkers(lines);
    colourJumpButtons();
}

void MemoPage::showDiskText(const std::string& text) {
    m_loading = true;
    m_memo->setPlainText(ToQString(text));
    m_memo->setModified(false);
    m_lineCount = m_memo->blockCount();
    readJumpMarks();
    m_loading = false;
    measure();
}

void MemoPage::measure() {
    const int percent = FreeSpacePercent(MemoByteCount(FromQString(memoText())));
    m_c.lblSize->setText(QString::fromStdString(FreeSpaceText(percent)));
}

void MemoPage::apply(const MemoPlace& place) {
    m_place = place;
    m_jumps.setSlots(place.MemoBtn);
    colourJumpButtons();
    if (m_view == MemoView::Memo)
        restorePlace();
}

MemoPlace MemoPage::place() const {
    MemoPlace place = m_place;
    if (m_view == MemoView::Memo) {
        const QTextCursor cursor = m_c.CaMemo->textCursor();
        place.CaMemoTopLine = m_c.CaMemo->topLine();
        place.CaMemoY = cursor.blockNumber();
        place.CaMemoX = cursor.positionInBlock();
    }
    place.MemoBtn = m_jumps.lines();
    return place;
}

void MemoPage::rememberPlace() {
    m_place = place();
}

void MemoPage::restorePlace() {
    m_c.CaMemo->setCaret(m_place.CaMemoY, m_place.CaMemoX);
    m_c.CaMemo->setTopLine(m_place.CaMemoTopLine);
    // Before the page is first shown its lines are not laid out; the first line is set again then.
    m_restorePending = !isVisible();
}

void MemoPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The memo's face is loaded when the page is first shown, not at every start with the page hidden; the first
    // line is set after it, as the lines are laid out in it.
    if (!m_fontApplied) {
        const QFont font = CalendarFont(kMemoFontPoints);
        m_c.CaMemo->setFont(font);
        m_memo->setDefaultFont(font);
        m_viewer->setDefaultFont(font);
        m_fontApplied = true;
    }
    if (m_restorePending && m_view == MemoView::Memo) {
        m_c.CaMemo->setTopLine(m_place.CaMemoTopLine);
        m_restorePending = false;
    }
}

void MemoPage::showView(MemoView view) {
    if (view == MemoView::Memo) {
        if (m_view != MemoView::Memo) {
            m_c.CaMemo->setDocument(m_memo);
            m_c.CaMemo->setReadOnly(false);
            m_view = MemoView::Memo;
        } else {
            rememberPlace();
        }
        // The file is read again only when that loses nothing.
        if (!m_memo->isModified() && !m_store.file().empty()) {
            if (const Status loaded = load(m_store.file()); !loaded)
                m_dialogs.inform(loaded.error().cause);
        }
        restorePlace();
    } else {
        const auto text = ReadShippedText(ShippedTextPath(fileNameOf(view), m_programFolder, m_executableFolder));
        if (!text) {
            m_dialogs.inform(text.error().cause);
            return;
        }
        if (m_view == MemoView::Memo)
            rememberPlace();
        m_viewer->setPlainText(ToQString(text.value()));
        m_c.CaMemo->setDocument(m_viewer);
        m_c.CaMemo->setReadOnly(true);
        m_c.CaMemo->moveCursor(QTextCursor::Start);
        m_view = view;
        m_lastText = view;
    }
    for (QPushButton* button : m_c.btnJ)
        button->setEnabled(m_view == MemoView::Memo);
    showCaret();
}

void MemoPage::setStartRecordEnabled(bool on) {
    m_c.rbKidouJikoku->setEnabled(on);
}

void MemoPage::contentsChanged(int position, int /*removed*/, int added) {
    measure();
    if (m_loading)
        return;
    const int count = m_memo->blockCount();
    const int delta = count - m_lineCount;
    m_lineCount = count;
    QTextCursor inserted(m_memo);
    inserted.setPosition(std::min(position + added, m_memo->characterCount() - 1));
    inserted.setPosition(position, QTextCursor::KeepAnchor);
    const int addedLines = static_cast<int>(inserted.selectedText().count(QChar::ParagraphSeparator));
    const QTextBlock block = m_memo->findBlock(position);
    const LineChange change{block.blockNumber() + 1, position - block.position(), addedLines,
                            std::max(addedLines - delta, 0)};
    if (change.added == 0 && change.removed == 0)
        return;
    m_jumps.shift(change);
    colourJumpButtons();
    // The message waits until the edit is complete.
    if (const auto message = AddedLinesMessage(delta))
        QMetaObject::invokeMethod(
            this, [this, text = *message] { m_dialogs.inform(text); }, Qt::QueuedConnection);
}

void MemoPage::colourJumpButtons() {
    for (int slot = 0; slot < kJumpSlots; ++slot)
        m_c.btnJ[static_cast<size_t>(slot)]->setStyleSheet(m_jumps.isSet(slot) ? kSetButtonStyle : kEmptyButtonStyle);
}

void MemoPage::jump(int slot) {
    if (!m_jumps.isSet(slot) || m_view != MemoView::Memo)
        return;
    const int line = m_jumps.line(slot);
    m_c.CaMemo->setCaret(line - 1, 0);
    m_c.CaMemo->setTopLine(JumpTopLine(line));
    m_c.CaMemo->setFocus();
}

void MemoPage::saveAs() {
    const auto file = m_host.chooseSaveFile("Memo");
    if (!file)
        return;
    const auto written = m_store.saveAs(*file, FromQString(memoText()));
    if (!written)
        m_dialogs.inform("メモを保存できませんでした。\r\n" + written.error().path + "\r\n" + written.error().cause);
}

void MemoPage::showCaret() {
    const QTextCursor cursor = m_c.CaMemo->textCursor();
    m_c.lblgyo->setText(QString::fromStdString(CaretText(cursor.blockNumber() + 1, cursor.positionInBlock() + 1)));
}

} // namespace rekko
