// SPDX-License-Identifier: GPL-3.0-or-later
// The edit, numeric and combo boxes on the offscreen platform: arrow keys with the exact modifier move the focus to
// neighbours, Enter moves on, digits only in the numeric box, and the combo box keeps a history.
#include "controls/ui/TSeComboBox.h"
#include "controls/ui/TSeEdit.h"
#include "controls/ui/TSeNEdit.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTest>

#include <vector>

namespace rekko {

class SeBoxesTest : public QObject {
    Q_OBJECT

private:
    // A row of boxes in a shown, active window.
    struct Row {
        QWidget window;
        std::vector<TSeEdit*> boxes;
        explicit Row(int count) {
            auto* layout = new QHBoxLayout(&window);
            for (int i = 0; i < count; ++i) {
                boxes.push_back(new TSeEdit);
                layout->addWidget(boxes.back());
                if (i > 0)
                    boxes[static_cast<size_t>(i - 1)]->setKeyRightNext(boxes.back());
            }
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            boxes.front()->setFocus();
        }
    };

private slots:
    void onlyTheExactModifierMovesTheFocus() {
        Row row(2);
        TSeEdit* first = row.boxes[0];
        first->setText("abc");
        first->setCursorPosition(0);
        QTest::keyClick(first, Qt::Key_Right);
        QCOMPARE(first->cursorPosition(), 1);
        QVERIFY(first->hasFocus());
        QTest::keyClick(first, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(first->hasFocus());
        QTest::keyClick(first, Qt::Key_Right, Qt::ControlModifier);
        QVERIFY(row.boxes[1]->hasFocus());
        QTest::keyClick(row.boxes[1], Qt::Key_Left, Qt::ControlModifier); // no left neighbour: the caret moves
        QVERIFY(row.boxes[1]->hasFocus());
    }

    void enterMovesOnWhenAsked() {
        Row row(3);
        row.boxes[0]->setIsReturnNext(true);
        row.boxes[1]->setIsReturnNext(true);
        row.boxes[1]->setKeyRightNext(nullptr);
        QTest::keyClick(row.boxes[0], Qt::Key_Return);
        QVERIFY(row.boxes[1]->hasFocus());
        QTest::keyClick(row.boxes[1], Qt::Key_Return); // no neighbour: on along the tab order
        QVERIFY(row.boxes[2]->hasFocus());
    }

    void numericBoxTakesDigitsOnly() {
        TSeNEdit year(4);
        QTest::keyClicks(&year, "19a9x05");
        QCOMPARE(year.text(), QString("1990"));
        QCOMPARE(year.value(-1), 1990);
        year.clear();
        QCOMPARE(year.value(-1), -1);
    }

    // Without a right neighbour Enter moves on along the tab order and then goes on, here to the dialog's default
    // button.
    void comboEnterWithoutNeighbourMovesOnAndReachesTheDialog() {
        QDialog dialog;
        auto* layout = new QHBoxLayout(&dialog);
        auto* combo = new TSeComboBox;
        auto* next = new TSeEdit;
        auto* ok = new QPushButton("OK");
        layout->addWidget(combo);
        layout->addWidget(next);
        layout->addWidget(ok);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(next));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void comboHistoryMovesKnownTextsUpAndDropsTheOldest() {
        QWidget window;
        auto* layout = new QHBoxLayout(&window);
        auto* combo = new TSeComboBox;
        auto* next = new TSeEdit;
        layout->addWidget(combo);
        layout->addWidget(next);
        combo->setItemSort(true);
        combo->setKeyRightNext(next);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (int i = 1; i <= 11; ++i) {
            combo->setFocus();
            combo->setEditText(QString::number(i));
            QTest::keyClick(combo, Qt::Key_Return);
            QVERIFY(next->hasFocus()); // Enter moves on to the right neighbour
        }
        QCOMPARE(combo->count(), 10);
        QCOMPARE(combo->itemText(0), QString("11"));
        QCOMPARE(combo->itemText(9), QString("2"));
        combo->setFocus();
        combo->setEditText("5");
        next->setFocus(); // losing the focus records too
        QCOMPARE(combo->count(), 10);
        QCOMPARE(combo->itemText(0), QString("5"));
        QCOMPARE(combo->itemText(1), QString("11"));
    }
};

} // namespace rekko

QTEST_MAIN(rekko::SeBoxesTest)
#include "SeBoxesTest.moc"
