// SPDX-License-Identifier: GPL-3.0-or-later
// The combo box offscreen: Enter without a right neighbour moves on and reaches the dialog's default button.
#include "controls/ui/TSeComboBox.h"
#include "controls/ui/TSeEdit.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTest>

namespace rekko {

class TSeComboBoxTest : public QObject {
    Q_OBJECT

private slots:
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
};

} // namespace rekko

QTEST_MAIN(rekko::TSeComboBoxTest)
#include "TSeComboBoxTest.moc"
