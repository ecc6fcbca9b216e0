// SPDX-License-Identifier: GPL-3.0-or-later
// The day editor driven with keys: colours follow their lines through edits, undo and redo; carried fields stay.
#include "schedule/ui/LineColourEditor.h"

#include "schedule/DayLines.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>

namespace rekko {
namespace {

LineAttribute coloured(TColor colour) {
    LineAttribute attribute;
    attribute.setColour(colour);
    return attribute;
}

std::vector<TColor> coloursOf(const LineColourEditor& editor) {
    std::vector<TColor> colours;
    for (const auto& attribute : editor.schedule().attributes)
        colours.push_back(attribute.colour);
    return colours;
}

void placeCaret(LineColourEditor& editor, int row, int column) {
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(editor.document()->findBlockByNumber(row).position() + column);
    editor.setTextCursor(cursor);
}

// Three lines: "red" red, "blue" blue, "teal" blue-green.
DaySchedule three() {
    return {{"red", "blue", "teal"}, {coloured(clRed), coloured(clBlue), coloured(0x808000)}};
}

} // namespace

class LineColourEditorTest : public QObject {
    Q_OBJECT

private slots:
    void enterAndBackspaceKeepTheColourOfTheLineThatMoves() {
        // Enter at column 0 keeps the moved line's colour, inside a line the second half is standard; Backspace onto
        // an empty line keeps the moved line's colour, onto a line with text that line's.
        const DaySchedule gap{{"red", "", "blue"}, {coloured(clRed), {}, coloured(clBlue)}};
        const DaySchedule two{{"red", "blue"}, {coloured(clRed), coloured(clBlue)}};
        const struct {
            DaySchedule day;
            int row, column;
            Qt::Key key;
            std::vector<std::string> lines;
            std::vector<TColor> colours;
        } cases[] = {
            {three(), 1, 0, Qt::Key_Return, {"red", "", "blue", "teal"}, {clRed, clWindowText, clBlue, 0x808000}},
            {three(), 1, 2, Qt::Key_Enter, {"red", "bl", "ue", "teal"}, {clRed, clBlue, clWindowText, 0x808000}},
            {gap, 2, 0, Qt::Key_Backspace, {"red", "blue"}, {clRed, clBlue}},
            {two, 1, 0, Qt::Key_Backspace, {"redblue"}, {clRed}}};
        for (const auto& c : cases) {
            LineColourEditor editor;
            editor.setSchedule(c.day);
            placeCaret(editor, c.row, c.column);
            QTest::keyClick(&editor, c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QCOMPARE(editor.schedule().lines, c.lines);
            QCOMPARE(coloursOf(editor), c.colours);
        }
    }

    void deletingSeveralLinesKeepsTheColourOfTheLineLeft() {
        LineColourEditor editor;
        editor.setSchedule(three());
        // From the start of "red" to inside "teal": what is left is teal's text, so it keeps teal's colour.
        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(0);
        cursor.setPosition(editor.document()->findBlockByNumber(2).position() + 2, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
        QTest::keyClick(&editor, Qt::Key_Delete);
        QCOMPARE(editor.schedule().lines, (std::vector<std::string>{"al"}));
        QCOMPARE(coloursOf(editor), (std::vector<TColor>{0x808000}));
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(coloursOf(editor), (std::vector<TColor>{clRed, clBlue, 0x808000}));
        // From inside "red" to inside "blue": the joined line starts with red's text.
        cursor.setPosition(1);
        cursor.setPosition(editor.document()->findBlockByNumber(1).position() + 1, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
        QTest::keyClicks(&editor, "x");
        QCOMPARE(editor.schedule().lines, (std::vector<std::string>{"rxlue", "teal"}));
        QCOMPARE(coloursOf(editor), (std::vector<TColor>{clRed, 0x808000}));
    }

    void pastingThreeLinesAddsStandardLinesAroundTheOriginal() {
        LineColourEditor editor;
        editor.setSchedule(three());
        QApplication::clipboard()->setText("one\r\ntwo\nthree");
        placeCaret(editor, 1, 2);
        QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor.schedule().lines, (std::vector<std::string>{"red", "blone", "two", "threeue", "teal"}));
        QCOMPARE(coloursOf(editor), (std::vector<TColor>{clRed, clBlue, clWindowText, clWindowText, 0x808000}));
        // At a line's start the original line, now the last one, keeps its colour.
        editor.undo();
        placeCaret(editor, 1, 0);
        editor.paste();
        QCOMPARE(editor.schedule().lines, (std::vector<std::string>{"red", "one", "two", "threeblue", "teal"}));
        QCOMPARE(coloursOf(editor), (std::vector<TColor>{clRed, clWindowText, clWindowText, clBlue, 0x808000}));
    }

    void undoAndRedoRestoreAColourChangeWithTheText() {
        LineColourEditor editor;
        editor.setSchedule(three());
        QVERIFY(!editor.document()->isModified());
        placeCaret(editor, 2, 1);
        editor.applyColour(clRed, false);
        QCOMPARE(coloursOf(editor), (std::vector<TColor>{clRed, clBlue, clRed}));
        QVERIFY(editor.document()->isModified());
        editor.applyColour(clRed, false); // the same fixed colour again switches it off
        QCOMPARE(coloursOf(editor)[2], clWindowText);
        QTest::keyClicks(&editor, "zz");
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor.schedule().lines[2], std::string("teal"));
        QCOMPARE(coloursOf(editor)[2], clRed);
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(coloursOf(editor)[2], TColor{0x808000});
        editor.redo();
        editor.redo();
        QCOMPARE(coloursOf(editor)[2], clWindowText);
        editor.redo();
        QCOMPARE(editor.schedule().lines[2], std::string("tzzeal"));
        // The colour is drawn: the highlighter follows the restored attribute.
        editor.undo();
        editor.undo();
        QCOMPARE(coloursOf(editor)[2], clRed);
        const auto formats = editor.document()->findBlockByNumber(2).layout()->formats();
        QVERIFY(!formats.isEmpty());
        QCOMPARE(formats.first().format.foreground().color(), QColor(Qt::red));
    }

    void aSelectionColoursItsRowsButNotAnEndRowItOnlyTouches() {
        LineColourEditor editor;
        editor.setSchedule(three());
        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(1);
        cursor.setPosition(editor.document()->findBlockByNumber(2).position(), QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
        QCOMPARE(editor.checkedColour(), std::nullopt);
        editor.applyColour(clMaroon, true);
        QCOMPARE(coloursOf(editor), (std::vector<TColor>{clMaroon, clMaroon, 0x808000}));
        QVERIFY(!editor.textCursor().hasSelection());
    }

    void carriedFieldsAndUnreadableBytesSurviveAnEdit() {
        const std::vector<std::string> month = {" 0,0,9,2026/ 5",
                                                " 5,1,,a\xED\xB2\x81z 1，000,$00123456,3,12:30:00,1,77,",
                                                " 5,2,,second,nocolour,,,,-4,", " 5,3,,short,"};
        std::vector<std::string> written = month;
        LineColourEditor editor;
        editor.setSchedule(LoadDay(month, 5));
        placeCaret(editor, 2, 5);
        QTest::keyClicks(&editor, "!");
        WriteDay(written, 5, editor.schedule());
        QCOMPARE(written.at(1), month.at(1));
        QCOMPARE(written.at(2), month.at(2));
        QCOMPARE(written.at(3), std::string(" 5,3,,short!,,,,,,"));
    }
};

} // namespace rekko

QTEST_MAIN(rekko::LineColourEditorTest)
#include "LineColourEditorTest.moc"
