// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialogs in the user's language: the qtbase catalogue of Japanese is found and the colour chooser, the
// folder browser and the standard buttons use it.
#include "app/ui/Entry.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class QtTranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void noCatalogueForALanguageQtDoesNotSpeak() { QVERIFY(!rekko::UseQtTranslations(QLocale(QLocale::Swahili))); }

    void japaneseDialogsAndButtons() {
        QVERIFY(rekko::UseQtTranslations(QLocale(QLocale::Japanese, QLocale::Japan)));
        QColorDialog colours;
        colours.setOption(QColorDialog::DontUseNativeDialog);
        QCOMPARE(colours.windowTitle(), QString("色を選択"));
        QStringList buttons;
        for (const QPushButton* button : colours.findChildren<QPushButton*>())
            buttons << button->text();
        QVERIFY2(buttons.contains("キャンセル"), qPrintable(buttons.join(", ")));
        QVERIFY2(buttons.contains("カスタムカラーに追加(&A)"), qPrintable(buttons.join(", ")));

        QFileDialog folders;
        folders.setOption(QFileDialog::DontUseNativeDialog);
        folders.setFileMode(QFileDialog::Directory);
        QStringList labels;
        for (const QLabel* label : folders.findChildren<QLabel*>())
            labels << label->text();
        QVERIFY2(labels.contains("アドレス:"), qPrintable(labels.join(", ")));
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(),
                 QString("キャンセル"));
    }
};

QTEST_MAIN(QtTranslationsTest)
#include "QtTranslationsTest.moc"
