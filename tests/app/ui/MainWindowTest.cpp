// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on the offscreen platform: its named controls, the settings it shows and saves, the start and
// close rules as the user meets them.
#include "ScriptedDialogs.h"

#include "FakeClock.h"
#include "TempDir.h"

#include "app/ui/MainWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <fstream>
#include <memory>

using namespace rekko;

namespace {

namespace fs = std::filesystem;

// One main window over a fresh program folder, a fixed clock and scripted message boxes; the current directory,
// where the data lives without a data folder, is a fresh folder too, with an empty period file.
struct Fixture {
    Fixture() {
        fs::current_path(data.path());
        data.write("CaFromTo.myc", "***** FromTo\x97\x5C\x92\xE8\r\n");
        data.write("CaMemo.myc", "");
    }
    ~Fixture() { fs::current_path(previous); }

    fs::path previous = fs::current_path();
    test::TempDir data;
    test::TempDir program;
    test::TempDir startup;
    test::TempDir programs;
    test::FakeClock clock{CalendarDate{2024, 5, 3}, TimeOfDay{15, 5, 0}};
    test::ScriptedDialogs dialogs;
    MainController controller{program.path(), startup.path(), clock, dialogs, program / "rescue"};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(controller, dialogs);

    // Finds a control by name; the settings page makes its controls first.
    template <class T> T* find(const char* name) const {
        window->settingsPage()->build();
        T* found = window->findChild<T*>(name);
        if (!found)
            qWarning("no control named %s", name);
        return found;
    }
    std::string settingsFile() const { return program.read("Sorel.ini"); }
};

// The settings of the test data, their data folder moved to the given one (the file names a folder of a user's home).
std::string fixtureSettings(const fs::path& dataFolder) {
    std::ifstream in(test::TestDataDir() / "Sorel.ini", std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const size_t begin = bytes.find("\nedFolder=") + 1;
    const size_t end = bytes.find("\r\n", begin);
    return bytes.replace(begin, end - begin, "edFolder=" + dataFolder.string() + "/");
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void everyNamedControlIsThere() {
        Fixture f;
        f.window->settingsPage()->build();
        // The controls the product names: tests and the settings find them by these names. Their captions show in
        // the screenshots.
        const QString names = QString::fromLatin1(
            "tsMonth tsYear tsSettei tsMemo tsKihon tsKoyomi tsKinou tsKanri btnM1 btnM2 btnM3 btnM4 btnM5 btnM6 "
            "btnM7 btnM8 btnM9 btnM10 btnM11 btnM12 btnZennen btnZengetu btnYokugetu btnYokunen mmBackup "
            "mmTextKakidashi mmShuuryou mmZengetu mmYokugetu mmZennen mmYokunen mmNissuu mmKidouJikoku mmMemo "
            "mmReadMe mmShiyouhou mmJigen mnJikoku mmExcel mmKinenbi mmRekkoKinen pmShuuryou cbJigen cbKidouKiroku "
            "cbKirokuHyouji cbZenkai cbMemo cbHotkey cbShiyouchuu cbNextDay cbNeighborJump cbBold cbRokuyo cbKOption "
            "cbTShuusei cbZunbo cbEditor cbRekkoJ btnJikoku btnHenkou btnDFJikkou btnDFCancel cbPrjN cbNoReturn "
            "cbExcel cbJikoku btnS9 btnTen edtKidouGyou edFolder edtKColor udCalSize udKFutosa SpHajimariTuki "
            "udKidouGyou lblJikoku1 lblJikoku2 gbEditor RadioGroup1 rgYFirstMonth TabControl1 pnlMonth pnlStatus0 "
            "pnlStatus1 edtStatus pnlGyoKeta tmKinou tmJouchuu");
        for (const QString& name : names.split(' '))
            QVERIFY2(f.window->findChild<QObject*>(name), qPrintable(name));
        QCOMPARE(f.window->windowTitle(), QString("Rekko - Rekko -"));
        QCOMPARE(f.window->menus()->actions().previousMonth->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_J));
        QCOMPARE(f.find<QComboBox>("cbTimer")->itemText(6), QString("10"));
        QCOMPARE(f.find<QToolButton>("FramSpeedBtn17")->toolTip(), QString("フォルダを選択します"));
        // Hidden until asked for: the settings tab, the management tab, the day entry, the empty buttons.
        QVERIFY(!f.window->pages()->isTabVisible(2));
        QVERIFY(!f.find<QLineEdit>("edtStatus")->isVisibleTo(f.window.get()));
        QVERIFY(!f.find<QPushButton>("btnM4")->isEnabled());
        QVERIFY(!f.window->menus()->actions().latest->isVisible());
    }

    // The settings read are shown (the controls follow them) and each change is saved; keys of other sections and
    // keys whose controls are hidden stay.
    void showsTheSettingsReadAndSavesTheControls() {
        Fixture f;
        f.program.write("Sorel.ini", fixtureSettings(f.data.path()));
        QVERIFY(f.window->start({}, f.programs.path()));
        // The switches reach the menus before the settings page is made, on its first opening.
        QVERIFY(f.window->menus()->actions().startRecord->isEnabled());
        QVERIFY(f.window->menus()->actions().clockCorrection->isEnabled());
        QVERIFY(!f.window->settingsPage()->built());
        QVERIFY(f.find<QCheckBox>("cbKirokuHyouji")->isEnabled());
        QCOMPARE(f.find<QLineEdit>("edtKidouGyou")->text(), QString("50"));
        QCOMPARE(f.find<QGroupBox>("rgYFirstMonth")->findChildren<QRadioButton*>()[1]->isChecked(), true);
        QCOMPARE(f.find<QComboBox>("cbTimer")->currentText(), QString("20"));
        QVERIFY(f.find<QPushButton>("btnJikoku")->isEnabled());
        QCOMPARE(f.find<QLineEdit>("edFolder")->text(), QString::fromStdString(f.data.path().string() + "/"));
        QVERIFY(f.find<QLabel>("lblProgramFolder")->text().contains(QString::fromStdString(f.program.path())));
        QCOMPARE(f.window->pos(), QPoint(120, 40));

        f.find<QCheckBox>("cbZenkai")->setChecked(true);
        f.find<QLineEdit>("edtKidouGyou")->setText("abc");
        f.find<QSpinBox>("udKFutosa")->setValue(3);
        QVERIFY(f.window->close());
        const auto saved = ProfileFile::FromBytes(f.settingsFile());
        const std::pair<const char*, const char*> values[] = {
            {"cbZenkai", "1"}, {"udKidouGyou", "100"}, {"udKFutosa", "3"}, {"pTTime", "073000"}};
        for (const auto& [key, value] : values)
            QCOMPARE(saved.readString("Settei", key), std::optional<std::string>(value));
        QCOMPARE(saved.readString("Jikoku", "edtWebSV1"), std::optional<std::string>("http://時刻.example.jp/jst.cgi"));
    }

    // Interrupted writes left temporaries everywhere, the period file being a link into another folder: the start
    // removes those of the program's own files and nothing else.
    void theStartRemovesOnlyOurStaleTemporaries() {
        Fixture f;
        test::TempDir store;
        store.write("periods.myc", "***** FromTo\x97\x5C\x92\xE8\r\n");
        fs::remove(f.data / "CaFromTo.myc");
        fs::create_symlink(store / "periods.myc", f.data / "CaFromTo.myc");
        const fs::path stale[] = {f.program / ".Sorel.ini.Ab12Cd", f.data / ".Ca202405.myc.Ab12Cd",
                                  f.data / ".Sday.myc.q1w2e3", store / ".CaFromTo.myc.Zx9Yw8"};
        const fs::path kept[] = {f.data / ".notes.txt.Ab12Cd", f.program / ".Sorel.ini.Ab12C",
                                 store / ".Ca202405.myc.Ab12Cd"};
        for (const fs::path& file : stale)
            std::ofstream(file) << "partial";
        for (const fs::path& file : kept)
            std::ofstream(file) << "keep";
        QVERIFY(f.window->start({}, f.programs.path()));
        for (const fs::path& file : stale)
            QVERIFY2(!fs::exists(file), file.c_str());
        for (const fs::path& file : kept)
            QVERIFY2(fs::exists(file), file.c_str());
    }

    void aFailedStartShowsOneMessageNamingTheFile() {
        Fixture f;
        fs::create_directory(f.data / "Ca202405.myc");
        f.dialogs.expect(DialogAnswer::Ok, "月の初期設定に失敗しました。\r\nCa202405.myc: ");
        QVERIFY(!f.window->start({}, f.programs.path()));
        QVERIFY(f.dialogs.shown().back().text.ends_with(
            "\r\n一旦、終了させますので\r\nもう一度、立ち上げ直してください。"));

        // A data folder that cannot be made: its own error box ends the start, no second message.
        Fixture folder;
        folder.program.write("Sorel.ini", "[Settei]\r\nedFolder=/proc/rekko-test/data/\r\n");
        folder.dialogs.expect(DialogAnswer::Ok, "/proc/rekko-test/data/CaFromTo.myc が存在しません。");
        folder.dialogs.expect(DialogAnswer::Ok, "フォルダを作成できません。");
        QVERIFY(!folder.window->start({}, folder.programs.path()));
        QCOMPARE(folder.dialogs.shown().back().caption, std::string("エラー"));
    }

    void theRokuyoSwitchReachesTheGridAtOnce() {
        Fixture f;
        f.program.write("Sorel.ini", "[Settei]\r\ncbRokuyo=0\r\n");
        QVERIFY(f.window->start({}, f.programs.path()));
        TSeMCal* grid = f.window->monthView()->grid();
        QVERIFY(!grid->ShowRokuyo());
        QCheckBox* box = f.find<QCheckBox>("cbRokuyo");
        QVERIFY(!box->isChecked());
        f.window->openSettings();
        f.window->show();
        QVERIFY(!f.window->yearPage()->controls().SeMCalendar[0]->ShowRokuyo());
        box->click();
        QVERIFY(grid->ShowRokuyo());
        QVERIFY(grid->grid().cellDay(0).rokuyo != 0);
        QVERIFY(f.window->yearPage()->controls().SeMCalendar[0]->ShowRokuyo());
        QVERIFY(f.window->close());
        QCOMPARE(ProfileFile::FromBytes(f.settingsFile()).readString("Settei", "cbRokuyo"),
                 std::optional<std::string>("1"));
    }

    // The year and memo pages show their keys of the settings file, write changes through, follow the first month
    // chosen on the settings page, and give their keys back at save all.
    void theYearAndMemoPagesKeepTheirKeys() {
        Fixture f;
        f.data.write("CaMemo.myc", "one\r\ntwo\r\nthree\r\n");
        f.program.write("Sorel.ini", "[Settei]\r\nrgYFirstMonth=1\r\npcNen=1\r\nrgNissuu=1\r\ncbKeisan=0\r\n"
                                     "cbMemo=0\r\nCaMemoY=2\r\nCaMemoX=1\r\n");
        QVERIFY(f.window->start({}, f.programs.path()));
        const YearPageControls& year = f.window->yearPage()->controls();
        QCOMPARE(year.lblYM->text(), QString("2024/4 - 2025/3")); // 年度 on 2024-05-03
        QCOMPARE(year.pcNen->currentWidget(), static_cast<QWidget*>(year.tsNisuu));
        QCOMPARE(year.tsNisuu->controls().lblNissuu->text(), QString("1日")); // 期間 from today to today
        QTabWidget* pages = f.window->pages();
        QVERIFY(!pages->isTabVisible(pages->indexOf(f.window->memoPage())));
        f.find<QCheckBox>("cbMemo")->click();
        QVERIFY(pages->isTabVisible(pages->indexOf(f.window->memoPage())));

        f.window->settingsPage()->findChild<QGroupBox*>("rgYFirstMonth")->findChildren<QRadioButton*>()[0]->click();
        pages->setCurrentWidget(f.window->yearPage());
        QCOMPARE(year.lblYM->text(), QString("2024/1 - 2024/12"));
        year.rgYFirstMonth[2]->click();
        year.SpHajimariTuki->setValue(7);
        year.pcNen->setCurrentIndex(0);
        QCOMPARE(year.lblYM->text(), QString("2024/7 - 2025/6"));
        QVERIFY(f.window->close());
        const auto saved = ProfileFile::FromBytes(f.settingsFile());
        const std::pair<const char*, const char*> values[] = {
            {"rgYFirstMonth", "2"}, {"SpHajimariTuki", "7"}, {"pcNen", "0"},   {"rgNissuu", "1"},
            {"cbKeisan", "0"},      {"cbMemo", "1"},         {"CaMemoY", "2"}, {"CaMemoX", "1"}};
        for (const auto& [key, value] : values)
            QCOMPARE(saved.readString("Settei", key), std::optional<std::string>(value));
    }

    void siblingProgramsDecideWhatIsOffered() {
        for (const bool found : {false, true}) {
            Fixture f;
            if (found) {
                f.program.write("Pomta", "#!");
                fs::create_directories(f.programs / "Vell/Zunbo");
                f.programs.write("Vell/Zunbo/Zunbo", "#!");
                f.program.write("Sorel.ini", "[Settei]\r\ncbEditor=1\r\ncbPrjN=1\r\n");
            }
            QVERIFY(f.window->start({}, f.programs.path()));
            const MonthPageButtons& buttons = f.window->monthPage()->buttons();
            QCOMPARE(buttons.memo->text(), found ? QString("メモ") : QString());
            QCOMPARE(buttons.memo->isEnabled(), found);
            QCOMPARE(buttons.zunbo->isEnabled(), found);
            QVERIFY(!buttons.excel->isEnabled());
            QCOMPARE(f.find<QCheckBox>("cbPrjN")->isHidden(), !found);
            QCOMPARE(f.find<QCheckBox>("cbPrjN")->isChecked(), found);
            QCOMPARE(f.find<QGroupBox>("gbEditor")->isHidden(), !found);
            // With the editor the memo lives in Pomta: the memo tab hides.
            QCOMPARE(f.window->pages()->isTabVisible(3), !found);
            QCOMPARE(f.window->menus()->actions().memo->isChecked(), !found);
        }
    }

    void theDataFolderGroupFollowsTheChangeFlow() {
        Fixture f;
        QVERIFY(f.window->start({}, f.programs.path()));
        f.window->settingsPage()->basic()->dataFolder()->setFolderBrowser(
            [&f](QWidget*, const QString&) { return QString::fromStdString(f.programs.path()); });
        QLineEdit* field = f.find<QLineEdit>("edFolder");
        QVERIFY(!f.find<QPushButton>("btnDFJikkou")->isEnabled());

        f.dialogs.expect(DialogAnswer::No);
        QTest::mouseClick(f.find<QToolButton>("FramSpeedBtn17"), Qt::LeftButton);
        QCOMPARE(f.dialogs.shown().back().caption, std::string("確認"));
        QVERIFY(fs::exists(f.program / "Sorel.ini"));
        QCOMPARE(field->text(), QString::fromStdString(f.programs.path().string() + "/"));
        QVERIFY(!field->isReadOnly());
        QVERIFY(f.find<QPushButton>("btnDFJikkou")->isEnabled());
        // A change still pending is not what the settings file keeps.
        QVERIFY(f.window->sequence().saveAll().ok());
        QCOMPARE(ProfileFile::FromBytes(f.settingsFile()).readString("Settei", "edFolder"),
                 std::optional<std::string>(""));

        QTest::mouseClick(f.find<QPushButton>("btnDFCancel"), Qt::LeftButton);
        QCOMPARE(field->text(), QString());
        QVERIFY(field->isReadOnly());

        QTest::mouseClick(f.find<QPushButton>("btnHenkou"), Qt::LeftButton);
        QVERIFY(!field->isReadOnly());
        f.window->openSettings();
        QVERIFY(f.window->pages()->isTabVisible(2));
        f.window->pages()->setCurrentIndex(0);
        QVERIFY(field->isReadOnly());
    }

    void activationShowsTheClockAndTheDeferredMessageOnce() {
        Fixture f;
        QVERIFY(f.window->start({}, f.programs.path()));
        f.controller.setDeferredMessage("前回は不正終了しました。");
        f.dialogs.expect(DialogAnswer::Ok, "前回は不正終了しました。");
        QSignalSpy painted(f.window.get(), &MainWindow::firstPainted);
        QSignalSpy month(f.window.get(), &MainWindow::currentMonthRequested);
        f.window->show();
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTRY_VERIFY(f.dialogs.scriptUsed());
        QCOMPARE(f.find<QLabel>("pnlStatus0")->text(), QString("2024/5/3 (金) 午後 3 : 05"));
        QVERIFY(f.find<QLabel>("pnlStatus1")->text().contains("【 起動フォルダ 】"));
        QCOMPARE(month.size(), 1);
        QTRY_VERIFY(!painted.isEmpty());
        QVERIFY(f.window->functionTimer()->isActive());
    }

    void aPressOnTheGridStopsTheResidentCountdown() {
        Fixture f;
        QVERIFY(f.window->start({"/J05"}, f.programs.path()));
        QSignalSpy resident(f.window.get(), &MainWindow::residentRequested);
        f.window->show();
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTimer* countdown = f.window->findChild<QTimer*>("tmJouchuu");
        QVERIFY(countdown->isActive());
        QTest::mouseClick(f.window->monthView()->grid(), Qt::LeftButton);
        QVERIFY(!countdown->isActive());
        QCOMPARE(f.window->tick()->status().countdownSeconds(), 0);
        QVERIFY(!f.find<QLabel>("pnlStatus1")->text().contains("自動常駐"));
        QVERIFY(resident.isEmpty());
    }

    void aFailedSaveAsksBeforeClosing() {
        Fixture f;
        QVERIFY(f.window->start({}, f.programs.path()));
        f.window->show();
        fs::remove_all(f.program.path());
        f.dialogs.expect(DialogAnswer::No);
        QVERIFY(!f.window->close());
        QVERIFY(f.dialogs.shown().back().text.find("このまま終了しますか？") != std::string::npos);
        QVERIFY(f.dialogs.shown().back().text.find("Sorel.ini") != std::string::npos);
        f.dialogs.expect(DialogAnswer::Yes);
        QVERIFY(f.window->close());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
