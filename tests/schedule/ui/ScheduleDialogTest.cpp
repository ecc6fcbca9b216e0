// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule dialog offscreen: the day editor's colours follow their lines through key edits, undo and redo, and
// carried fields stay; Esc, refused characters and periods, day-page shortcuts, the pages' write flags.

#include "schedule/ui/ScheduleDialog.h"
#include "calendar/Julius.h"
#include "controls/ui/UpDownButtons.h"
#include "schedule/DayLines.h"
#include "schedule/ui/LineColourEditor.h"

#include "FakeClock.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include <utility>

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

const int32_t kDay = EncodeJuliusDay(2026, 5, 12);

// Types text the way an input method commits it, for characters the key-click helpers cannot send.
void typeText(QWidget* widget, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

struct Fixture {
    test::ScriptedDialogs dialogs;
    test::FakeClock clock{CalendarDate{2026, 5, 12}, TimeOfDay{9, 4, 30}};
    ScheduleDialog dialog{dialogs, clock};
    std::optional<TColor> chosen; // the colour chooser's answer, once

    Fixture() {
        dialog.setColourChooser([this](TColor) { return std::exchange(chosen, std::nullopt); });
    }

    void openDay(const std::vector<std::string>& monthLines) {
        dialog.loadDay(kDay, LoadDay(monthLines, 12), {{"創立記念日"}, "S"});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
    }

    LineColourEditor* editor() { return dialog.dayPage()->editor(); }
};

} // namespace

class ScheduleDialogTest : public QObject {
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

    void escapeAsksAndNoKeepsEditing() {
        Fixture f;
        f.openDay({" 0,0,9,2026/ 5", "12,1,,朝会,clRed,,,,,"});
        QCOMPARE(f.dialog.windowTitle(), QString("Rekko -Rekko-"));
        QTest::keyClicks(f.editor(), "x");
        f.dialogs.expect(DialogAnswer::No);
        QTest::keyClick(f.editor(), Qt::Key_Escape);
        QCOMPARE(f.dialogs.shown().size(), size_t{1});
        QCOMPARE(f.dialogs.shown()[0].text, std::string("キャンセルしますか？"));
        QVERIFY(f.dialog.isVisible());
        QTest::keyClicks(f.editor(), "y");
        QCOMPARE(f.dialog.daySchedule().lines[0], std::string("xy朝会"));
        f.dialogs.expect(DialogAnswer::Yes);
        QTest::keyClick(f.editor(), Qt::Key_Escape);
        QVERIFY(!f.dialog.isVisible());
        QVERIFY(!f.dialog.writeFlag()); // cancelled, although modified
    }

    void writingRefusesCharactersCodePage932CannotHoldAndSelectsTheFirst() {
        Fixture f;
        f.openDay({" 0,0,9,2026/ 5", "12,1,,朝会,,,,,,"});
        QTest::keyClick(f.editor(), Qt::Key_End);
        QTest::keyClick(f.editor(), Qt::Key_Return);
        typeText(f.editor(), QString::fromUtf8("旅行\xF0\x9F\x98\x80 한 \xF0\x9F\x98\x80"));
        f.dialogs.expect(DialogAnswer::Ok);
        QTest::keyClick(f.editor(), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.dialogs.shown().size(), size_t{1});
        QCOMPARE(f.dialogs.shown()[0].text,
                 std::string("「\xF0\x9F\x98\x80」「한」はシフトJISで保存できない文字です。"));
        const QTextCursor cursor = f.editor()->textCursor();
        QCOMPARE(cursor.block().blockNumber(), 1);
        QCOMPARE(cursor.selectedText(), QString::fromUtf8("\xF0\x9F\x98\x80"));
        QVERIFY(f.editor()->hasFocus());
        typeText(f.editor(), QString::fromUtf8("!"));
        QCOMPARE(f.dialog.daySchedule().lines[1], std::string("旅行! 한 \xF0\x9F\x98\x80"));

        f.dialog.loadPeriod(NewPeriod(kDay, 1, kDay, 3, 1, clBlue), false);
        typeText(f.dialog.periodPage()->description(), QString::fromUtf8("研修 한"));
        f.dialogs.expect(DialogAnswer::Ok);
        f.dialog.write();
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.dialog.periodPage()->description()->selectedText(), QString::fromUtf8("한"));
    }

    void shortcutsColourLinesInsertTheTimeAndShowChecks() {
        Fixture f;
        f.openDay({" 0,0,9,2026/ 5", "12,1,,one,,,,,,", "12,2,,two,,,,,,"});
        QTest::keyClick(f.editor(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(f.editor()->attributeOf(0).colour, clRed);
        f.dialog.dayPage()->colourMenu()->popup({0, 0});
        const QList<QAction*> entries = f.dialog.dayPage()->colourMenu()->actions();
        QVERIFY(entries[0]->isChecked() && !entries[6]->isChecked());
        f.dialog.dayPage()->colourMenu()->hide();
        QTest::keyClick(f.editor(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(f.editor()->attributeOf(0).colour, clWindowText);
        f.chosen = clRed;
        QTest::keyClick(f.editor(), Qt::Key_L, Qt::ControlModifier);
        QTest::keyClick(f.editor(), Qt::Key_L, Qt::ControlModifier); // the chooser closed without a choice
        QCOMPARE(f.editor()->attributeOf(0).colour, clRed);
        QTest::keyClick(f.editor(), Qt::Key_Down);
        QTest::keyClick(f.editor(), Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(f.editor()->attributeOf(1).colour, clBlue);
        QTest::keyClick(f.editor(), Qt::Key_Home);
        QTest::keyClick(f.editor(), Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(f.editor(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(f.dialog.daySchedule().lines[1], std::string("09:04two"));
        QTest::keyClick(f.editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.dialog.daySchedule().lines[1], std::string("two"));
        QTest::keyClick(f.editor(), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(f.dialog.daySchedule().lines[1], std::string("09:04two"));
    }

    void periodWriteRefusesAReversedPeriodAndMovesTheDescriptionDateIntoIt() {
        Fixture f;
        const PeriodFields period{
            {2026, 5, 25}, DayPart::Morning, {2026, 5, 29}, DayPart::Evening, {2026, 6, 10}, 2, clNavy, ""};
        f.dialog.loadPeriod(period, false);
        f.dialog.show();
        QCOMPARE(f.dialog.findChild<QLabel*>("pnlKikan")->text(), QString("修正"));
        auto* upDown = f.dialog.findChild<TSeNEdit*>("edtDay_2")->parentWidget()->findChild<UpDownButtons*>();
        for (int i = 0; i < 5; ++i)
            emit upDown->stepped(-1); // the end goes to 24 May
        f.dialogs.expect(DialogAnswer::Ok);
        f.dialog.write();
        QVERIFY(f.dialog.isVisible());
        QCOMPARE(f.dialogs.shown().size(), size_t{1});
        QCOMPARE(f.dialogs.shown()[0].text, std::string("初めと終わりが逆です。"));
        QCOMPARE(f.dialog.period().label, period.label); // nothing moved
        for (int i = 0; i < 8; ++i)
            emit upDown->stepped(1); // 24 → 31 → 1 of June
        QCOMPARE(f.dialog.period().end, (PeriodDate{2026, 6, 1}));
        f.dialog.write();
        QVERIFY(!f.dialog.isVisible());
        QVERIFY(f.dialog.writeFlag());
        // The description date moves to the middle day of 25 May to 1 June.
        QCOMPARE(std::tuple(f.dialog.period().label, f.dialog.period().thickness, f.dialog.period().colour),
                 std::tuple(PeriodDate{2026, 5, 28}, 2, clNavy));
    }

    void anniversaryWritesWhenAYearAloneChanges() {
        Fixture f;
        f.dialog.loadAnniversary(kDay, {"", "", "創立記念日", 3}, {});
        f.dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        TSeEdit* text = f.dialog.anniversaryPage()->text();
        QVERIFY(text->hasFocus() && !text->hasSelectedText() && text->cursorPosition() == text->text().size());
        f.dialog.write();
        QVERIFY(!f.dialog.writeFlag()); // nothing changed
        f.dialog.loadAnniversary(kDay, {"", "", "創立記念日", 3}, {});
        f.dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.dialog));
        QTest::keyClick(f.dialog.anniversaryPage()->text(), Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), "1990x");
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("edtYear1"));
        f.dialog.write();
        QVERIFY(f.dialog.writeFlag());
        const Anniversary edited = f.dialog.anniversary();
        QVERIFY(edited.firstYear == "1990" && edited.position == std::optional<size_t>(3));
    }

    // What a signal would rescue: nothing while the values are as loaded or the dialog is closed, else those of the
    // mode shown, a period's dates as typed.
    void theUnwrittenEditHoldsTheChangedValuesOfTheModeShown() {
        Fixture f;
        f.openDay({" 12,1,,old,,,,,,"});
        QVERIFY(!f.dialog.unwrittenEdit());
        QTest::keyClicks(f.editor(), "new ");
        auto edit = f.dialog.unwrittenEdit();
        QVERIFY(edit && edit->mode == ScheduleMode::Day && edit->jd == kDay);
        QVERIFY(edit->day.lines.size() == 1 && edit->day.lines[0].find("new ") != std::string::npos);

        f.dialog.loadPeriod(
            {{2026, 5, 25}, DayPart::Morning, {2026, 5, 29}, DayPart::Evening, {2026, 5, 27}, 2, clNavy, "trip"},
            false);
        QVERIFY(!f.dialog.unwrittenEdit());
        auto* upDown = f.dialog.findChild<TSeNEdit*>("edtDay_2")->parentWidget()->findChild<UpDownButtons*>();
        emit upDown->stepped(1);
        edit = f.dialog.unwrittenEdit();
        QVERIFY(edit && edit->mode == ScheduleMode::Period);
        QCOMPARE(edit->period.end, (PeriodDate{2026, 5, 30}));

        f.dialog.loadAnniversary(kDay, {"", "", "創立記念日", 3}, {});
        QVERIFY(!f.dialog.unwrittenEdit());
        QTest::keyClicks(f.dialog.anniversaryPage()->text(), "!");
        edit = f.dialog.unwrittenEdit();
        QVERIFY(edit && edit->mode == ScheduleMode::Anniversary);
        QCOMPARE(edit->anniversary.text, std::string("創立記念日!"));
        f.dialog.hide();
        QVERIFY(!f.dialog.unwrittenEdit());
    }
};

} // namespace rekko

QTEST_MAIN(rekko::ScheduleDialogTest)
#include "ScheduleDialogTest.moc"
