// SPDX-License-Identifier: GPL-3.0-or-later
// The memo page offscreen with real files: sizes, pastes, refused characters, jumps, text views, save-as.
#include "memo/ui/MemoPage.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

namespace rekko {
namespace {

struct StubHost : MemoShell {
    void goResident() override {}
    void showStartRecord() override {}
    std::optional<std::filesystem::path> chooseSaveFile(const std::string& suggested) override {
        suggestions.push_back(suggested);
        return saveTo;
    }
    std::vector<std::string> suggestions;
    std::optional<std::filesystem::path> saveTo;
};

std::string numberedLines(int from, int to) {
    std::string text;
    for (int i = from; i <= to; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    return text;
}

struct Fixture {
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    StubHost host;
    MemoPage page{dialogs, host, dir.path(), {}};
    const MemoPageControls& c = page.controls();
    Fixture() {
        page.resize(760, 600);
        page.show();
    }
    std::filesystem::path memoFile() const { return dir / "CaMemo.myc"; }
    // Pastes text at the start of a line (counted from 1), as Ctrl+V does.
    void pasteAtLine(int line, const QString& text) {
        c.CaMemo->setCaret(line - 1, 0);
        QApplication::clipboard()->setText(text);
        c.CaMemo->paste();
        QApplication::processEvents();
    }
};

} // namespace

class MemoPageTest : public QObject {
    Q_OBJECT

    // Opens a jump button's menu as a right press does and chooses an entry.
    static void chooseFromMenu(Fixture& f, int slot, QAction* entry) {
        QTimer::singleShot(0, &f.page, [&f, entry] {
            entry->trigger();
            f.c.pmMemobtn->close();
        });
        emit f.c.btnJ[static_cast<size_t>(slot)]->customContextMenuRequested(QPoint(2, 2));
    }

private slots:
    void loadsMeasuresAndSavesTheEditWithCrLf() {
        Fixture f;
        f.dir.write("CaMemo.myc", "\x83\x81\x83\x82\r\n&2 \x89\xEF\x8B\x63\r\n");
        QVERIFY(f.page.load(f.memoFile()));
        QCOMPARE(f.c.CaMemo->toPlainText(), QString("メモ\n&2 会議\n"));
        QCOMPARE(f.c.lblSize->text(), QString("空容量：100%"));
        f.c.CaMemo->selectAll();
        f.c.CaMemo->insertPlainText(QString(8000, QChar(0x6F22)));
        QCOMPARE(f.c.lblSize->text(), QString("空容量：50%"));
        QVERIFY(f.page.save());
        QCOMPARE(f.dir.read("CaMemo.myc").size(), size_t{16002}); // the last line ends in CR LF
        QVERIFY(f.dialogs.shown().empty());
    }

    void elevenPastedLinesAreAnnouncedTenAreNot() {
        Fixture f;
        f.dir.write("CaMemo.myc", numberedLines(1, 50));
        QVERIFY(f.page.load(f.memoFile()));
        f.pasteAtLine(3, QString("pasted\n").repeated(10));
        QVERIFY(f.dialogs.shown().empty());
        f.dialogs.expect(DialogAnswer::Ok);
        f.pasteAtLine(3, QString("pasted\n").repeated(11));
        QCOMPARE(f.dialogs.shown().size(), size_t{1});
        QCOMPARE(QString::fromStdString(f.dialogs.shown()[0].text), QString("11行が追加されました。"));
    }

    void jumpSlotsFollowInsertedLines() {
        Fixture f;
        f.dir.write("CaMemo.myc", numberedLines(1, 60));
        MemoPlace place;
        place.MemoBtn = {40, 0, 0, 0, 0};
        f.page.apply(place);
        QVERIFY(f.page.load(f.memoFile()));
        f.pasteAtLine(10, "a\nb\nc\n");
        QCOMPARE(f.page.place().MemoBtn[0], 43);
        f.c.btnJ[0]->click();
        QCOMPARE(f.c.CaMemo->textCursor().blockNumber(), 42);
        QCOMPARE(f.c.CaMemo->textCursor().block().text(), QString("line 40"));
        QCOMPARE(f.c.lblgyo->text(), QString("行：43 桁：1"));
        // The right-press menu remembers the caret line in an empty slot and refuses a set one.
        f.c.CaMemo->setCaret(4, 0);
        chooseFromMenu(f, 2, f.c.pmKioku);
        QCOMPARE(f.page.place().MemoBtn[2], 5);
        QVERIFY(f.c.btnJ[2]->styleSheet().contains("#008000"));
        f.dialogs.expect(DialogAnswer::Ok);
        chooseFromMenu(f, 0, f.c.pmKioku);
        QCOMPARE(QString::fromStdString(f.dialogs.shown().back().text), QString("すでに、登録されています。"));
        chooseFromMenu(f, 0, f.c.pmKiokuClear);
        QCOMPARE(f.page.place().MemoBtn, (std::array<int, 5>{0, 0, 5, 0, 0}));
    }

    void charactersCodePage932CannotHoldAreRefused() {
        Fixture f;
        f.dialogs.expect(DialogAnswer::Ok, "メモファイルが見あたりません。\r\n新しいメモファイルを作ります。");
        f.dialogs.expect(DialogAnswer::Ok);
        f.dialogs.expect(DialogAnswer::Ok);
        QVERIFY(f.page.load(f.memoFile()));
        f.c.CaMemo->setFocus();
        QTest::keyClicks(f.c.CaMemo, "ab");
        QKeyEvent emoji(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("😀"));
        QApplication::sendEvent(f.c.CaMemo, &emoji);
        QApplication::clipboard()->setText(QString::fromUtf8("x\xEF\xBC\x8A€y"));
        f.c.CaMemo->paste();
        QApplication::clipboard()->setText(QString::fromUtf8("①髙"));
        f.c.CaMemo->paste();
        QCOMPARE(f.c.CaMemo->toPlainText(), QString::fromUtf8("ab①髙"));
        // The missing-file notice, then one refusal each for the emoji and the pasted euro sign.
        QCOMPARE(f.dialogs.shown().size(), size_t{3});
        QCOMPARE(QString::fromStdString(f.dialogs.shown()[1].text),
                 QString::fromUtf8("「😀」はシフトJISで保存できない文字です。"));
        // The missing file is made at the save.
        QVERIFY(f.page.save());
        QCOMPARE(f.dir.read("CaMemo.myc"), std::string("ab\x87\x40\xFB\xFC\r\n"));
    }

    void textViewNeverDestroysMemoEdits() {
        Fixture f;
        f.dir.write("CaMemo.myc", "first\r\n");
        f.dir.write("ReadMe.txt", "\x83\x8A\x81\x5B\x83\x68\x83\x7E\x81\x5B\r\n");
        QVERIFY(f.page.load(f.memoFile()));
        f.c.CaMemo->moveCursor(QTextCursor::End);
        f.c.CaMemo->insertPlainText("edited");
        f.page.showView(MemoView::ReadMe);
        QCOMPARE(f.c.CaMemo->toPlainText(), QString("リードミー\n"));
        QVERIFY(f.c.CaMemo->isReadOnly());
        QVERIFY(!f.c.btnJ[0]->isEnabled());
        // Save all while the read-me shows writes the memo's edits, not the read-me.
        QVERIFY(f.page.save());
        QCOMPARE(f.dir.read("CaMemo.myc"), std::string("first\r\nedited\r\n"));
        f.page.showView(MemoView::Memo);
        QCOMPARE(f.c.CaMemo->toPlainText(), QString("first\nedited\n"));
        QVERIFY(!f.c.CaMemo->isReadOnly());
        // An unedited memo is read again from its file.
        f.dir.write("CaMemo.myc", "changed outside\r\n");
        f.page.showView(MemoView::Memo);
        QCOMPARE(f.c.CaMemo->toPlainText(), QString("changed outside\n"));
        // A missing text is announced and the memo stays.
        f.dialogs.expect(DialogAnswer::Ok);
        f.page.showView(MemoView::Usage);
        QCOMPARE(f.page.view(), MemoView::Memo);
        QCOMPARE(QString::fromStdString(f.dialogs.shown().back().text), QString("「CaSima.dat」が見あたりません。"));
    }

    void invalidBytesSurviveAnEditAndSaveAs() {
        Fixture f;
        f.dir.write("CaMemo.myc", numberedLines(1, 80) + "bad \x81\x20 byte\r\n");
        QVERIFY(f.page.load(f.memoFile()));
        f.c.CaMemo->moveCursor(QTextCursor::Start);
        f.c.CaMemo->insertPlainText("top\n");
        QVERIFY(f.page.save());
        QCOMPARE(f.dir.read("CaMemo.myc"), "top\r\n" + numberedLines(1, 80) + "bad \x81\x20 byte\r\n");
        f.host.saveTo = f.dir / "Memo";
        f.c.btnMemoSave->click();
        QCOMPARE(f.host.suggestions, (std::vector<std::string>{"Memo"}));
        QCOMPARE(f.dir.read("Memo"), f.dir.read("CaMemo.myc"));
    }
};

} // namespace rekko

QTEST_MAIN(rekko::MemoPageTest)
#include "MemoPageTest.moc"
