// SPDX-License-Identifier: GPL-3.0-or-later
// The maintenance window offscreen: each page number shows its page and nothing else, and section Setup is read on
// opening and written on closing with the other sections kept.
#include "maintenance/ui/SetupWindow.h"

#include "../MaintenanceDoubles.h"
#include "FakeClock.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"

#include "book/ScheduleBook.h"

#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>

namespace rekko {
namespace {

class SetupWindowTest : public QObject {
    Q_OBJECT
private slots:
    void eachPageNumberShowsItsPageAlone() {
        test::TempDir program;
        program.write("Sorel.ini", "[Settei]\r\nkept=1\r\n[Setup]\r\nSetupX=40\r\nSetupY=30\r\nedtCopy1=/x/\r\n"
                                   "rgExTitle=2\r\ncbExPreview=0\r\n");
        test::CountingShell shell;
        shell.program = program.path();
        test::ScriptedDialogs dialogs;
        test::SetDrives drives;
        test::FakeClock clock;
        ScheduleBook book;
        test::SetSpreadsheetProgram spreadsheet;
        SetupWindow window({shell, dialogs, drives, clock, book.rules(), spreadsheet, program.path()});
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
        for (const auto& [page, caption] :
             {std::pair{SetupPage::Setup, "Setup"}, std::pair{SetupPage::StartUp, "起動方法"},
              std::pair{SetupPage::Anniversaries, "記念日"}, std::pair{SetupPage::Commemoration, "Rekko記念"},
              std::pair{SetupPage::CommemorationAdmin, "記念管理"}, std::pair{SetupPage::Serial, "連続"},
              std::pair{SetupPage::Hotkey, "ホットキー"}})
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
};

} // namespace
} // namespace rekko

QTEST_MAIN(rekko::SetupWindowTest)
#include "SetupWindowTest.moc"
