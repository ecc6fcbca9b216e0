// SPDX-License-Identifier: GPL-3.0-or-later
// The maintenance window offscreen: each page number shows its page and nothing else, and section Setup is read on
// opening and written on closing with the other sections kept.
#include "maintenance/ui/SetupWindow.h"

#include "../MaintenanceDoubles.h"
#include "FakeClock.h"
#include "FoldersUnder.h"
#include "RecordingStarter.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include "book/ScheduleBook.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace rekko {
namespace {

// The window's doubles over a program folder, the shortcut folders under it.
struct WindowDoubles {
    explicit WindowDoubles(const std::filesystem::path& folder)
        : program(folder), folders(folder / "home"), shortcuts(folders) {
        shell.program = folder;
    }
    SetupWindowParts parts() {
        return {shell,
                dialogs,
                drives,
                clock,
                book.rules(),
                spreadsheet,
                program,
                shortcuts,
                program / "Rekko",
                starter,
                {program / "Vell" / "Rekko", program / "Sorel"}};
    }

    std::filesystem::path program;
    test::CountingShell shell;
    test::ScriptedDialogs dialogs;
    test::SetDrives drives;
    test::FakeClock clock;
    ScheduleBook book;
    test::SetSpreadsheetProgram spreadsheet;
    test::FoldersUnder folders;
    DesktopEntryShortcuts shortcuts;
    test::RecordingStarter starter;
};

class SetupWindowTest : public QObject {
    Q_OBJECT
private slots:
    void eachPageNumberShowsItsPageAlone() {
        test::TempDir program;
        program.write("Sorel.ini", "[Settei]\r\nkept=1\r\n[Setup]\r\nSetupX=40\r\nSetupY=30\r\nedtCopy1=/x/\r\n"
                                   "rgExTitle=2\r\ncbExPreview=0\r\n");
        WindowDoubles doubles(program.path());
        test::CountingShell& shell = doubles.shell;
        test::ScriptedDialogs& dialogs = doubles.dialogs;
        DesktopEntryShortcuts& shortcuts = doubles.shortcuts;
        SetupWindow window(doubles.parts());
        const CopyPageControls& c = window.copyPage()->controls();
        QVERIFY(window.pages()->tabBar()->isHidden());

        // Opens the window on a page, runs check while it shows, and closes it with 閉じる.
        const auto openOn = [&](SetupPage page, bool exportOnly, const std::function<void()>& check) {
            QTimer::singleShot(0, &window, [&] {
                check();
                QTest::mouseClick(window.closeButton(), Qt::LeftButton);
            });
            window.openOn(page, exportOnly);
        };
        const auto tabShown = [&](QWidget* tab) {
            return window.copyPage()->isTabVisible(window.copyPage()->indexOf(tab));
        };
        const auto tabEnabled = [&](QWidget* tab) {
            return window.copyPage()->isTabEnabled(window.copyPage()->indexOf(tab));
        };

        openOn(SetupPage::Copy, false, [&] {
            QCOMPARE(window.pages()->currentWidget(), window.copyPage());
            QCOMPARE(window.pos(), QPoint(40, 30));
            QCOMPARE(window.statusBar()->currentMessage(), QString::fromStdString(program.path().string()));
            QCOMPARE(c.edtCopy[0]->text(), QString("/x/"));
            QCOMPARE(c.lblCopy[1]->text(), QString(kNotBackedUpNote));
            QVERIFY(tabShown(c.restore) && tabEnabled(c.restore) && c.btnKaifukuOn->isEnabled());
            QVERIFY(!c.btnKaifukuGo->isEnabled() && !c.edtCopy[2]->isEnabled());
            QVERIFY(c.rbText->isChecked());
        });
        openOn(SetupPage::Backup, false, [&] {
            QCOMPARE(window.pages()->currentWidget(), window.copyPage());
            QCOMPARE(window.copyPage()->currentWidget(), c.backup);
            QVERIFY(tabShown(c.restore) && c.btnKaifukuOn->isEnabled() && !c.btnKaifukuGo->isEnabled());
        });
        openOn(SetupPage::Backup, true, [&] {
            QCOMPARE(window.copyPage()->currentWidget(), c.exporting);
            QVERIFY(!tabShown(c.backup) && !tabShown(c.restore) && tabShown(c.exporting));
        });
        // The workbook page shows section Setup's options; 規定値に戻す asks and sets the page's defaults.
        const ExcelPageControls& x = window.excelPage()->controls();
        openOn(SetupPage::Excel, false, [&] {
            QVERIFY(window.excelPage()->isVisible());
            QVERIFY(x.rgExTitle[2]->isChecked() && !x.cbExPreview->isChecked() && x.cbExNaiyou->isChecked());
            QCOMPARE(x.btnExSakusei->text(), QString("エクセルカレンダ\n作成"));
            dialogs.expect(DialogAnswer::Yes, "すべて規定値に戻しますか？");
            QTest::mouseClick(x.btnExMoto, Qt::LeftButton);
            QVERIFY(x.rgExTitle[1]->isChecked() && x.cbExPreview->isChecked());
            QCOMPARE(x.btnExSakusei->text(), QString("エクセルカレンダ\nプレビュー"));
        });
        QVERIFY(program.read("Sorel.ini").find("rgExTitle=1\r\n") != std::string::npos);

        // 起動方法 shows which shortcuts are there; a question answered no puts the buttons back.
        QVERIFY(shortcuts.create(ShortcutFolder::Desktop, kShortcutName, program / "Rekko"));
        const StartUpPageControls& k = window.startUpPage()->controls();
        openOn(SetupPage::StartUp, false, [&] {
            QVERIFY(window.startUpPage()->isVisible());
            QCOMPARE(k.folder->text(), QString::fromStdString(program.path().string()));
            QVERIFY(k.groups[0].off->isChecked() && k.groups[1].on->isChecked() && k.groups[2].off->isChecked());
            dialogs.expect(DialogAnswer::No, "Rekkoの自動起動を設定しても良いですか？");
            QTest::mouseClick(k.groups[0].on, Qt::LeftButton);
            QVERIFY(k.groups[0].off->isChecked());
            dialogs.expect(DialogAnswer::Yes, "スタートメニューにRekkoを登録してもいいですか？");
            QTest::mouseClick(k.groups[2].on, Qt::LeftButton);
            QVERIFY(k.groups[2].on->isChecked());
            QVERIFY(shortcuts.state(ShortcutFolder::StartMenu, kShortcutName) == ShortcutState::Ours);
            dialogs.expect(DialogAnswer::No, "デスクトップのショートカットを削除していいですか？");
            dialogs.expect(DialogAnswer::Yes, "スタートメニュー登録を解除していいですか？");
            QTest::mouseClick(k.btnAllKaijo, Qt::LeftButton);
            QVERIFY(k.groups[1].on->isChecked() && k.groups[2].off->isChecked());
            QVERIFY(shortcuts.state(ShortcutFolder::StartMenu, kShortcutName) == ShortcutState::Absent);
            QVERIFY(shortcuts.state(ShortcutFolder::Desktop, kShortcutName) == ShortcutState::Ours);
        });
        for (const auto& [page, caption] :
             {std::pair{SetupPage::Serial, "連続"}, std::pair{SetupPage::Hotkey, "ホットキー"}})
            openOn(page, false, [&, caption = caption] {
                auto* label = qobject_cast<QLabel*>(window.pages()->currentWidget());
                QVERIFY(label && label->isVisible());
                QCOMPARE(label->text(), QStringLiteral("「%1」のページは、まだできていません。").arg(caption));
                QVERIFY(!window.copyPage()->isVisible() && !window.textView()->isVisible());
            });

        // Moved, then closed: the place is written, the other section and keys kept, and so is a key another
        // program changed on disk meanwhile.
        openOn(SetupPage::Copy, false, [&] {
            window.move(120, 90);
            std::string onDisk = program.read("Sorel.ini");
            const size_t at = onDisk.find("edtCopy2=\r\n");
            QVERIFY(at != std::string::npos);
            program.write("Sorel.ini", onDisk.replace(at, 11, "edtCopy2=/theirs/\r\n"));
        });
        const std::string settings = program.read("Sorel.ini");
        QVERIFY(settings.starts_with("[Settei]\r\nkept=1\r\n[Setup]\r\n"));
        QVERIFY(settings.find("SetupX=" + std::to_string(window.frameGeometry().left()) + "\r\n") != std::string::npos);
        QVERIFY(settings.find("edtCopy1=/x/\r\n") != std::string::npos);
        QVERIFY(settings.find("edtCopy2=/theirs/\r\n") != std::string::npos);
        QVERIFY(settings.find("lblCopy1=") != std::string::npos);
        QCOMPARE(shell.saves, 0);
        // 開始 writes the window's settings first, as a setup ends the program without closing the window.
        openOn(SetupPage::Setup, false, [&] {
            window.move(200, 150);
            dialogs.expect(DialogAnswer::No, "セットアップを開始してよろしいですか？");
            dialogs.expect(DialogAnswer::Ok, "中止します。");
            QTest::mouseClick(window.installPage()->controls().btnSetup, Qt::LeftButton);
            QCOMPARE(shell.saves, 1);
            QVERIFY(
                program.read("Sorel.ini").find("SetupX=" + std::to_string(window.frameGeometry().left()) + "\r\n") !=
                std::string::npos);
        });

        // The text view: its caption, scrolled to the end, the settings left alone.
        program.write("Sorel.ini", "[Settei]\r\n");
        QString lines;
        for (int i = 0; i < 200; ++i)
            lines += QString("line %1\n").arg(i);
        QTimer::singleShot(0, &window, [&] {
            QCOMPARE(window.pages()->currentWidget(), window.textView());
            QCOMPARE(window.windowTitle(), QString("Rekko -Rekko-"));
            QVERIFY(window.textView()->verticalScrollBar()->value() > 0);
            QVERIFY(!window.copyPage()->isVisible());
            window.closeButton()->click();
        });
        window.showText("Rekko -Rekko-", lines);
        QCOMPARE(program.read("Sorel.ini"), std::string("[Settei]\r\n"));
    }

    void commemorationImportRunsBehindTheBackupQuestionAndLeavesOnlyByApply() {
        test::CurrentTempDir working;
        test::TempDir program, data;
        working.write("Ca202601.cmr", "1,5,0,Gantan,clRed,1,0,,1000,\r\n");
        WindowDoubles doubles(program.path());
        test::CountingShell& shell = doubles.shell;
        shell.data = data.path().string() + "/";
        test::ScriptedDialogs& dialogs = doubles.dialogs;
        SetupWindow window(doubles.parts());
        const CommemorationControls& c = window.commemorationPage()->controls();
        QTimer::singleShot(0, &window, [&] {
            QVERIFY(!c.btnYMerge->isEnabled() && !c.apply->isEnabled() && window.closeButton()->isVisible());
            dialogs.expect(DialogAnswer::No, "予定データは退避（バックアップ）されましたでしょうか？");
            dialogs.expect(DialogAnswer::Ok, "退避（バックアップ）してから、実行してください。");
            c.btnYomikomiOn->click();
            QVERIFY(!c.btnYMerge->isEnabled());
            dialogs.expect(DialogAnswer::Yes, "予定データは退避（バックアップ）されましたでしょうか？");
            c.btnYomikomiOn->click();
            QVERIFY(c.btnYMerge->isEnabled() && c.cbColor->isEnabled());
            dialogs.expect(DialogAnswer::Yes, "Rekko記念日の予定を読み込みますか？");
            dialogs.expect(DialogAnswer::Ok, "1 件（ファイル単位）読み込みました。");
            c.btnYMerge->click();
            QVERIFY(!c.btnYMerge->isEnabled() && c.apply->isEnabled() && !c.cancel->isEnabled());
            QVERIFY(!window.closeButton()->isVisible());
            QTest::keyClicks(c.edtMigishita, "!");
            c.apply->click();
        });
        window.openOn(SetupPage::Commemoration);
        QCOMPARE(data.read("Ca202601.myc"), std::string("1,5,0,Gantan,clRed,1,0,,1000,\r\n"));
        QCOMPARE(shell.reloads, 1);
        QCOMPARE(shell.cmr.pCedtMigishita, Commemoration().pCedtMigishita + "!");
    }

    void anniversaryPageAsksForAnEditedRowAndTakesTheFieldsOfItsForm() {
        test::TempDir program;
        WindowDoubles doubles(program.path());
        test::CountingShell& shell = doubles.shell;
        shell.specialLines = {"5,3,憲法記念日", ",,,,3,,火曜", "9,1,2,月"};
        test::ScriptedDialogs& dialogs = doubles.dialogs;
        SetupWindow window(doubles.parts());
        const AnniversaryListControls& c = window.anniversaryPage()->controls();
        QTableWidget* grid = c.grdKinenbi;
        const auto clickRow = [grid](int row) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualRect(grid->model()->index(row, 7)).center());
        };
        const auto enabled = [&c] {
            return std::array{c.edtEMonth->isEnabled(), c.edtEDay->isEnabled(), c.cbEYoubi->isEnabled(),
                              c.edtENan->isEnabled()};
        };
        QTimer::singleShot(0, &window, [&] {
            QCOMPARE(window.pages()->currentWidget(), window.anniversaryPage());
            QCOMPARE(grid->rowCount(), 54);
            QCOMPARE(grid->item(2, 5)->text(), QString("月曜日"));
            QVERIFY(c.rgKHantei[0]->isChecked());
            QCOMPARE(enabled(), (std::array{true, true, false, false}));
            clickRow(1);
            QVERIFY(c.rgKHantei[1]->isChecked());
            QCOMPARE(c.cbEYoubi->currentText(), QString("火曜日"));
            QCOMPARE(enabled(), (std::array{false, false, true, false}));
            QTest::mouseClick(c.rgKHantei[4], Qt::LeftButton, {}, QPoint(6, c.rgKHantei[4]->height() / 2));
            QCOMPARE(enabled(), (std::array{true, false, true, true}));
            QTest::mouseClick(c.rgKHantei[5], Qt::LeftButton, {}, QPoint(6, c.rgKHantei[5]->height() / 2));
            QCOMPARE(enabled(), (std::array{true, true, true, true}));
            // An edit left in the form: opening another row asks, and yes writes it into its row first.
            QTest::keyClicks(c.edtEKinenbi, " 2");
            dialogs.expect(DialogAnswer::Yes, "変更事項を書き込みますか？");
            clickRow(0);
            QCOMPARE(dialogs.shown().back().defaultAnswer, DialogAnswer::Yes);
            QCOMPARE(grid->item(1, 7)->text(), QString("火曜　2"));
            QCOMPARE(c.edtEKinenbi->text(), QString("憲法記念日"));
            clickRow(2); // nothing edited: no question
            // Enter steps through the columns and on to the next row; Ctrl+Down goes to the text field.
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            grid->setCurrentCell(2, 7);
            QTest::keyClick(grid, Qt::Key_Return);
            QCOMPARE(QPoint(grid->currentRow(), grid->currentColumn()), QPoint(3, 1));
            QTest::keyClick(grid, Qt::Key_Return);
            QCOMPARE(grid->currentColumn(), 2);
            QTest::keyClick(grid, Qt::Key_Down, Qt::ControlModifier);
            QCOMPARE(QApplication::focusWidget(), c.edtEKinenbi);
            c.btnKoushin->click();
        });
        window.openOn(SetupPage::Anniversaries);
        QCOMPARE(shell.specialLines, (std::vector<std::string>{"5,3,憲法記念日", ",,,,3,,火曜　2", "9,1,2,月"}));
    }
};

} // namespace
} // namespace rekko

QTEST_MAIN(rekko::SetupWindowTest)
#include "SetupWindowTest.moc"
