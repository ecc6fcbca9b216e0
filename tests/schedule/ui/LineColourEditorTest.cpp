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

// Puts the caret at a row and column, selecting from there to another row and column if one is given.
void placeCaret(LineColourEditor& editor, int row, int column, int toRow = -1, int toColumn = 0) {
    const auto position = [&](int r, int c) { return editor.document()->findBlockByNumber(r).position() + c; };
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(position(row, column));
    if (toRow >= 0)
        cursor.setPosition(position(toRow, toColumn), QTextCursor::KeepAnchor);
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
        const std::tuple<DaySchedule, int, int, Qt::Key, std::vector<std::string>, std::vector<TColor>> cases[] = {
            {three(), 1, 0, Qt::Key_Return, {"red", "", "blue", "teal"}, {clRed, clWindowText, clBlue, 0x808000}},
            {three(), 1, 2, Qt::Key_Enter, {"red", "bl", "ue", "teal"}, {clRed, clBlue, clWindowText, 0x808000}},
            {gap, 2, 0, Qt::Key_Backspace, {"red", "blue"}, {clRed, clBlue}},
            {two, 1, 0, Qt::Key_Backspace, {"redblue"}, {clRed}}};
        for (const auto& [day, row, column, key, lines, colours] : cases) {
            LineColourEditor editor;
            editor.setSchedule(day);
            placeCaret(editor, row, column);
            QTest::keyClick(&editor, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QCOMPARE(editor.schedule().lines, lines);
            QCOMPARE(coloursOf(editor), colours);
        }
    }

    void deletingSeveralLinesKeepsTheColourOfTheLineLeft() {
        LineColourEditor editor;
        editor.setSchedule(three());
        // From the start of "red" to inside "teal": what is left is teal's text, so it keeps teal's colour.
        placeCaret(editor, 0, 0, 2, 2);
        QTest::keyClick(&editor, Qt::Key_Delete);
        QCOMPARE(editor.schedule().lines, (std::vector<std::string>{"al"}));
        QCOMPARE(coloursOf(editor), (std::vector<TColor>{0x808000}));
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(coloursOf(editor), (std::vector<TColor>{clRed, clBlue, 0x808000}));
        // From inside "red" to inside "blue": the joined line starts with red's text.
        placeCaret(editor, 0, 1, 1, 1);
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
        QTest::keyClicks(&editor, "zz");
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(editor.schedule().lines[2] == "teal" && coloursOf(editor)[2] == clRed);
        QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(coloursOf(editor)[2], TColor{0x808000});
        editor.redo();
        QCOMPARE(coloursOf(editor)[2], clRed);
        editor.redo();
        QCOMPARE(editor.schedule().lines[2], std::string("tzzeal"));
        // The colour is drawn: the highlighter follows the restored attribute.
        const auto formats = editor.document()->findBlockByNumber(2).layout()->formats();
        QVERIFY(!formats.isEmpty());
        QCOMPARE(formats.first().format.foreground().color(), QColor(Qt::red));
    }

    void aSelectionColoursItsRowsButNotAnEndRowItOnlyTouches() {
        LineColourEditor editor;
        editor.setSchedule(three());
        placeCaret(editor, 0, 1, 2, 0);
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
        QCOMPARE(written, (std::vector<std::string>{month[0], month[1], month[2], " 5,3,,short!,,,,,,"}));
    }
};

} // namespace rekko

QTEST_MAIN(rekko::LineColourEditorTest)
#include "LineColourEditorTest.moc"
