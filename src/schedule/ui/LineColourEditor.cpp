// SPDX-License-Identifier: GPL-3.0-or-later
// The day editor with line attributes kept in the block formats of its document.
#include "LineColourEditor.h"

#include "controls/ui/ColourConversion.h"
#include "controls/ui/LosslessText.h"
#include "schedule/LineColours.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>

namespace rekko {

namespace {

// Block-format properties that hold a line's attribute; an absent property is the standard value.
enum AttributeProperty {
    kColour = QTextFormat::UserProperty + 1,
    kUnreadableColour,
    kFirstFlag,
    kTimeOfDay,
    kSecondFlag,
    kNumber,
};

// The carried fields keep their stored bytes, which need not be valid text.
void putBytes(QTextBlockFormat& format, int property, const std::string& bytes) {
    if (!bytes.empty())
        format.setProperty(property, QByteArray::fromStdString(bytes));
}

std::string bytesOf(const QTextBlockFormat& format, int property) {
    return format.property(property).toByteArray().toStdString();
}

QTextBlockFormat formatOf(const LineAttribute& attribute) {
    QTextBlockFormat format;
    if (attribute.colour != clWindowText)
        format.setProperty(kColour, attribute.colour);
    putBytes(format, kUnreadableColour, attribute.unreadableColour);
    putBytes(format, kFirstFlag, attribute.firstFlag);
    putBytes(format, kTimeOfDay, attribute.timeOfDay);
    putBytes(format, kSecondFlag, attribute.secondFlag);
    putBytes(format, kNumber, attribute.number);
    return format;
}

LineAttribute attributeOfBlock(const QTextBlock& block) {
    const QTextBlockFormat format = block.blockFormat();
    LineAttribute attribute;
    if (format.hasProperty(kColour))
        attribute.colour = format.property(kColour).toUInt();
    attribute.unreadableColour = bytesOf(format, kUnreadableColour);
    attribute.firstFlag = bytesOf(format, kFirstFlag);
    attribute.timeOfDay = bytesOf(format, kTimeOfDay);
    attribute.secondFlag = bytesOf(format, kSecondFlag);
    attribute.number = bytesOf(format, kNumber);
    return attribute;
}

void setLineAttribute(QTextCursor& cursor, const LineAttribute& attribute) {
    cursor.setBlockFormat(formatOf(attribute));
}

// Draws each line in the colour of its attribute.
class LineColourHighlighter : public QSyntaxHighlighter {
public:
    LineColourHighlighter(QPlainTextEdit* editor) : QSyntaxHighlighter(editor->document()), m_editor(editor) {}

protected:
    void highlightBlock(const QString& text) override {
        setFormat(0, static_cast<int>(text.size()),
                  ToQColor(attributeOfBlock(currentBlock()).colour, m_editor->palette()));
    }

private:
    QPlainTextEdit* m_editor;
};

} // namespace

LineColourEditor::LineColourEditor(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("Memo2");
    setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font("IPAGothic", 11);
    font.setFamilies({"IPAGothic", "Noto Sans Mono CJK JP", "monospace"});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    setFont(font);
    QTextOption option = document()->defaultTextOption();
    option.setFlags(option.flags() | QTextOption::ShowLineAndParagraphSeparators | QTextOption::ShowDocumentTerminator);
    document()->setDefaultTextOption(option);
    new LineColourHighlighter(this);
}

void LineColourEditor::setSchedule(const DaySchedule& schedule) {
    QTextDocument* document = this->document();
    document->setUndoRedoEnabled(false);
    document->clear();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    const LineAttribute standard;
    for (size_t i = 0; i < schedule.lines.size(); ++i) {
        const LineAttribute& attribute = i < schedule.attributes.size() ? schedule.attributes[i] : standard;
        if (i > 0)
            cursor.insertBlock(formatOf(attribute));
        else
            setLineAttribute(cursor, attribute);
        cursor.insertText(ToQString(schedule.lines[i]));
    }
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
    document->setModified(false);
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
}

DaySchedule LineColourEditor::schedule() const {
    DaySchedule schedule;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        schedule.lines.push_back(FromQString(block.text()));
        schedule.attributes.push_back(attributeOfBlock(block));
    }
    return schedule;
}

LineAttribute LineColourEditor::attributeOf(int row) const {
    return attributeOfBlock(document()->findBlockByNumber(row));
}

TextSelection LineColourEditor::selectionOf(const QTextCursor& cursor) const {
    const QTextBlock start = document()->findBlock(cursor.selectionStart());
    const QTextBlock end = document()->findBlock(cursor.selectionEnd());
    return {start.blockNumber(), end.blockNumber(), cursor.selectionStart() - start.position(),
            cursor.selectionEnd() - end.position()};
}

void LineColourEditor::applyColour(TColor colour, bool chosen) {
    QTextCursor cursor = textCursor();
    std::vector<LineAttribute> attributes = schedule().attributes;
    const std::vector<LineAttribute> before = attributes;
    const TextSelection selection = selectionOf(cursor);
    ApplyLineColour(attributes, cursor.hasSelection() ? &selection : nullptr, cursor.blockNumber(),
                    cursor.positionInBlock(), colour, chosen);
    cursor.beginEditBlock();
    QTextCursor walker(document());
    for (size_t row = 0; row < attributes.size(); ++row) {
        if (attributes[row] != before[row]) {
            walker.setPosition(document()->findBlockByNumber(static_cast<int>(row)).position());
            setLineAttribute(walker, attributes[row]);
        }
    }
    cursor.clearSelection();
    cursor.endEditBlock();
    setTextCursor(cursor);
    document()->setModified(true);
}

std::optional<TColor> LineColourEditor::checkedColour() const {
    const QTextCursor cursor = textCursor();
    const TextSelection selection = selectionOf(cursor);
    return CheckedLineColour(schedule().attributes, cursor.hasSelection() ? &selection : nullptr, cursor.blockNumber());
}

void LineColourEditor::insertLines(const QString& text) {
    QString lines = text;
    lines.replace("\r\n", "\n").replace('\r', '\n').replace(QChar::ParagraphSeparator, '\n');
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    if (cursor.hasSelection())
        removeSelection(cursor);
    const int firstRow = cursor.blockNumber();
    const int column = cursor.positionInBlock();
    const LineAttribute original = attributeOfBlock(cursor.block());
    cursor.insertText(lines);
    const int lastRow = cursor.blockNumber();
    // The line that still holds the original line's text keeps its attribute: the last one when the insertion
    // was at the line's start, else the first. Every other line is new and standard.
    QTextCursor walker(document()->findBlockByNumber(firstRow));
    for (int row = firstRow; row <= lastRow && lastRow > firstRow; ++row) {
        const bool keeps = column == 0 ? row == lastRow : row == firstRow;
        setLineAttribute(walker, keeps ? original : LineAttribute{});
        walker.movePosition(QTextCursor::NextBlock);
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void LineColourEditor::removeSelection(QTextCursor& cursor) {
    const QTextBlock first = document()->findBlock(cursor.selectionStart());
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    // The joined line keeps the attribute of the line its text starts with: the first line's when text of it is
    // left before the selection, else the last line's.
    const LineAttribute survivor = attributeOfBlock(cursor.selectionStart() == first.position() ? last : first);
    const bool joins = first != last;
    cursor.removeSelectedText();
    if (joins)
        setLineAttribute(cursor, survivor);
}

void LineColourEditor::removeSelectionAsOneStep() {
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    removeSelection(cursor);
    cursor.endEditBlock();
    setTextCursor(cursor);
}

bool LineColourEditor::joinAtCaret(bool backward) {
    QTextCursor cursor = textCursor();
    if (backward ? !cursor.atBlockStart() || cursor.blockNumber() == 0 : !cursor.atBlockEnd() || cursor.atEnd())
        return false;
    cursor.movePosition(backward ? QTextCursor::PreviousCharacter : QTextCursor::NextCharacter,
                        QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    removeSelectionAsOneStep();
    return true;
}

void LineColourEditor::copyAndDeselect() {
    copy();
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
}

void LineColourEditor::cutSelection() {
    if (!textCursor().hasSelection())
        return;
    copy();
    removeSelectionAsOneStep();
}

bool LineColourEditor::handledHere(QKeyEvent* event) {
    const bool selected = textCursor().hasSelection();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->matches(QKeySequence::Copy))
        copyAndDeselect();
    else if (event->matches(QKeySequence::Cut))
        cutSelection();
    else if (enter && plain)
        insertLines("\n");
    else if (plain && event->key() == Qt::Key_Backspace && !selected)
        return joinAtCaret(true);
    else if (plain && event->key() == Qt::Key_Delete && !selected)
        return joinAtCaret(false);
    else if (selected && plain && (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete))
        removeSelectionAsOneStep();
    else if (selected && !event->text().isEmpty() && (event->text()[0].isPrint() || event->text() == "\t"))
        insertLines(event->text());
    else
        return false;
    return true;
}

void LineColourEditor::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ControlModifier))
        event->ignore(); // Ctrl+Enter belongs to the dialog: it writes and closes
    else if (!handledHere(event))
        QPlainTextEdit::keyPressEvent(event);
}

void LineColourEditor::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty() && textCursor().hasSelection())
        removeSelectionAsOneStep();
    QPlainTextEdit::inputMethodEvent(event);
}

void LineColourEditor::insertFromMimeData(const QMimeData* source) {
    if (source->hasText())
        insertLines(source->text());
}

void LineColourEditor::wheelEvent(QWheelEvent* event) {
    // One line per notch of 120; finer wheels add up to whole notches.
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    verticalScrollBar()->setValue(verticalScrollBar()->value() - notches);
    event->accept();
}

} // namespace rekko
