// SPDX-License-Identifier: GPL-3.0-or-later
// The one-day page.
#include "DayPage.h"

#include "controls/ui/LosslessText.h"
#include "schedule/LineColours.h"
#include "schedule/ScheduleDialogRules.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextBlock>
#include <QVBoxLayout>

namespace rekko {

namespace {

// The shortcuts of the fixed colours, in the order of kFixedLineColours; 色指定 sits between 茶色 and 標準色 in the
// menu.
constexpr std::array<QKeyCombination, 6> kFixedKeys = {Qt::CTRL | Qt::Key_R, Qt::CTRL | Qt::Key_B,
                                                       Qt::CTRL | Qt::Key_F, Qt::CTRL | Qt::Key_G,
                                                       Qt::CTRL | Qt::Key_H, Qt::CTRL | Qt::Key_O};

} // namespace

DayPage::DayPage(const Clock& clock, ColourChooser chooser, QWidget* parent)
    : QWidget(parent), m_clock(clock), m_chooser(std::move(chooser)), m_editor(new LineColourEditor(this)) {
    setObjectName("ts1Nichi");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_editor);

    QAction* insertTime = addCommand(QString(), QKeySequence(Qt::CTRL | Qt::Key_I, Qt::CTRL | Qt::Key_N));
    connect(insertTime, &QAction::triggered, this, [this] {
        if (!m_editor->textCursor().hasSelection())
            m_editor->insertLines(ToQString(TimeInsertText(m_clock)));
    });
    connect(addCommand(QString(), Qt::CTRL | Qt::ALT | Qt::Key_Z), &QAction::triggered, m_editor,
            &QPlainTextEdit::redo);

    m_colourMenu = new QMenu(QString::fromUtf8("文字色(&M)"), this);
    for (size_t i = 0; i < kFixedKeys.size(); ++i) {
        if (i == kFixedKeys.size() - 1) {
            QAction* choose = addCommand(QString::fromUtf8("色指定"), Qt::CTRL | Qt::Key_L);
            connect(choose, &QAction::triggered, this, &DayPage::chooseColour);
            m_colourMenu->addAction(choose);
        }
        QAction* action = addCommand(QString::fromUtf8(kFixedLineColourNames[i]), kFixedKeys[i]);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, colour = kFixedLineColours[i]] { m_editor->applyColour(colour, false); });
        m_colourMenu->addAction(action);
        m_fixedColours[i] = action;
    }
    connect(m_colourMenu, &QMenu::aboutToShow, this, &DayPage::updateChecks);
    connect(addCommand(QString(), Qt::Key_F9), &QAction::triggered, this,
            [this] { m_colourMenu->popup(m_editor->viewport()->mapToGlobal(m_editor->cursorRect().bottomLeft())); });

    m_cut = addCommand(QString::fromUtf8("切り取り(&T)"), Qt::CTRL | Qt::Key_X);
    connect(m_cut, &QAction::triggered, m_editor, &LineColourEditor::cutSelection);
    m_copy = addCommand(QString::fromUtf8("コピー(&C)"), Qt::CTRL | Qt::Key_C);
    connect(m_copy, &QAction::triggered, m_editor, &LineColourEditor::copyAndDeselect);
    m_paste = addCommand(QString::fromUtf8("貼り付け(&P)"), Qt::CTRL | Qt::Key_V);
    connect(m_paste, &QAction::triggered, m_editor, &QPlainTextEdit::paste);

    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_editor, &QWidget::customContextMenuRequested, this, &DayPage::showContextMenu);
}

QAction* DayPage::addCommand(const QString& text, const QKeySequence& shortcut) {
    auto* action = new QAction(text, m_editor);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    m_editor->addAction(action);
    return action;
}

void DayPage::setDay(const DaySchedule& schedule) {
    m_editor->setSchedule(schedule);
    QTextCursor cursor = m_editor->textCursor();
    const QTextBlock row = m_editor->document()->findBlockByNumber(m_caretRow);
    if (row.isValid())
        cursor.setPosition(row.position());
    else
        cursor.movePosition(QTextCursor::End);
    m_editor->setTextCursor(cursor);
}

void DayPage::showContextMenu(const QPoint& position) {
    const bool selected = m_editor->textCursor().hasSelection();
    m_cut->setEnabled(selected);
    m_copy->setEnabled(selected);
    m_paste->setEnabled(!selected && !QGuiApplication::clipboard()->text().isEmpty());
    QMenu menu(this);
    menu.addMenu(m_colourMenu);
    menu.addSeparator();
    menu.addActions({m_cut, m_copy, m_paste});
    menu.exec(m_editor->viewport()->mapToGlobal(position));
    for (QAction* action : {m_cut, m_copy, m_paste})
        action->setEnabled(true);
}

void DayPage::updateChecks() {
    const std::optional<TColor> checked = m_editor->checkedColour();
    for (size_t i = 0; i < m_fixedColours.size(); ++i)
        m_fixedColours[i]->setChecked(checked == kFixedLineColours[i]);
}

void DayPage::chooseColour() {
    const TColor current = m_editor->attributeOf(m_editor->textCursor().blockNumber()).colour;
    if (const std::optional<TColor> chosen = m_chooser ? m_chooser(current) : std::nullopt)
        m_editor->applyColour(*chosen, true);
}

} // namespace rekko
