// The main window on the offscreen platform: its named controls, the settings it shows and saves, the start and
// close rules as the user meets them.
#include "RecordingDialogs.h"

#include "FakeClock.h"
#include "TempDir.h"

#include "app/ui/MainWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <algorithm>
#include <fstream>
#include <memory>

using namespace rekko;

namespace {

namespace fs = std::filesystem;

// One main window over a fresh program folder, a fixed clock and recorded message boxes; the current directory,
// where the data lives without a data folder, is a fresh folder too.
struct Fixture {
    Fixture() { fs::current_path(data.path()); }
    ~Fixture() { fs::current_path(previous); }

    fs::path previous = fs::current_path();
    test::TempDir data;
    test::TempDir program;
    test::TempDir startup;
    test::TempDir programs;
    test::FakeClock clock{CalendarDate{2024, 5, 3}, TimeOfDay{15, 5, 0}};
    test::RecordingDialogs dialogs;
    MainController controller{program.path(), startup.path(), clock, dialogs, program / "rescue"};
    std::vector<bool> unattended;
    std::unique_ptr<MainWindow> window =
        std::make_unique<MainWindow>(controller, dialogs, [this](bool on) { unattended.push_back(on); });

    template <class T> T* find(const char* name) const {
        T* found = window->findChild<T*>(name);
        if (!found)
            qWarning("no control named %s", name);
        return found;
    }
    QString textOf(const char* name) const { return find<QAbstractButton>(name)->text(); }
    std::string settingsFile() const { return program.read("Sorel.ini"); }
    // Counts the boxes that told of a failed start: the folder error and the month-initialisation message.
    int failureBoxes() const {
        return static_cast<int>(std::count_if(dialogs.shown().begin(), dialogs.shown().end(), [](const auto& box) {
            return box.caption == "エラー" || box.text.starts_with("月の初期設定に失敗しました。");
        }));
    }
};

std::string fixtureSettings() {
    std::ifstream in(test::TestDataDir() / "Sorel.ini", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void buildsThePagesWithTheirCaptions() {
        Fixture f;
        QTabWidget* pages = f.find<QTabWidget>("PageControl1");
        QCOMPARE(pages->count(), 4);
        const QStringList captions{"月", "年", "設定", "メモ"};
        const QStringList names{"tsMonth", "tsYear", "tsSettei", "tsMemo"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(pages->tabText(i), captions[i]);
            QCOMPARE(pages->widget(i)->objectName(), names[i]);
        }
        QVERIFY(!pages->isTabVisible(2));
        QTabWidget* settings = f.find<QTabWidget>("pcSettei");
        QCOMPARE(settings->tabText(0), QString("基本"));
        QCOMPARE(settings->tabText(1), QString("暦"));
        QCOMPARE(settings->tabText(2), QString("機能"));
        QCOMPARE(settings->tabText(3), QString("管理"));
        QVERIFY(!settings->isTabVisible(3));
        QCOMPARE(settings->widget(3)->objectName(), QString("tsKanri"));
        QVERIFY(f.find<QTabBar>("TabControl1"));
        QVERIFY(f.find<QWidget>("pnlMonth"));
        QCOMPARE(f.window->windowTitle(), QString("Rekko - Rekko -"));
    }

    void buildsTheCommandButtonsAndMenus() {
        Fixture f;
        const std::pair<const char*, const char*> buttons[] = {
            {"btnM1", "年月指定"}, {"btnM2", "標準表示"}, {"btnM3", "設定"}, {"btnM4", ""},
            {"btnM5", ""},         {"btnM6", "Excel"},    {"btnM8", "メモ"}, {"btnM9", "Zunbo"},
            {"btnM10", "時限"},    {"btnM11", "今月"},    {"btnM12", "常駐"}};
        for (const auto& [name, caption] : buttons)
            QCOMPARE(f.textOf(name), QString::fromUtf8(caption));
        QVERIFY(!f.find<QPushButton>("btnM4")->isEnabled());
        for (const char* name : {"btnZengetu", "btnYokugetu", "btnZennen", "btnYokunen", "btnM7"})
            QVERIFY(f.find<QPushButton>(name));

        const std::tuple<const char*, const char*, QKeySequence> moves[] = {
            {"mmZengetu", "前月(&J)", QKeySequence(Qt::CTRL | Qt::Key_J)},
            {"mmYokugetu", "翌月(&K)", QKeySequence(Qt::CTRL | Qt::Key_K)},
            {"mmZennen", "前年(&I)", QKeySequence(Qt::CTRL | Qt::Key_I)},
            {"mmYokunen", "翌年(&M)", QKeySequence(Qt::CTRL | Qt::Key_M)}};
        for (const auto& [name, caption, keys] : moves) {
            QCOMPARE(f.window->menus()->action(name)->text(), QString::fromUtf8(caption));
            QCOMPARE(f.window->menus()->action(name)->shortcut(), keys);
        }
        QStringList menuTexts;
        for (QAction* menu : f.window->menuBar()->actions()) {
            menuTexts << menu->text();
            for (QAction* item : menu->menu()->actions())
                menuTexts << item->text();
        }
        for (const char* caption :
             {"移動(&G)", "メモ欄(&M)", "メモ(&M)", "ReadMe(&R)", "使用法(&U)", "起動時刻(&J)", "日数計算(&N)",
              "エクセルカレンダ作成＆印刷(&X)", "バックアップ(&B)", "テキスト書出(&W)", "記念日等一括編集(&E)",
              "Rekko記念機能(&M)", "時限［タイマー］(&T)", "内蔵時計修正設定(&J)", "終了(&X)"})
            QVERIFY2(menuTexts.contains(QString::fromUtf8(caption)), caption);
        QVERIFY(!f.window->menus()->action("mmSaishin")->isVisible());

        QVERIFY(f.find<QLabel>("pnlStatus0"));
        QVERIFY(f.find<QLabel>("pnlStatus1"));
        QVERIFY(!f.find<QLineEdit>("edtStatus")->isVisibleTo(f.window.get()));
        QVERIFY(!f.find<QLabel>("pnlGyoKeta")->isVisibleTo(f.window.get()));
        QMenu* popup = f.find<QMenu>("pMenu1");
        QCOMPARE(popup->actions().size(), 6);
        QCOMPARE(popup->actions().last()->text(), QString("Rekko終了(&X)"));
    }

    void buildsEverySettingsControlWithItsCaption() {
        Fixture f;
        const std::pair<const char*, const char*> boxes[] = {{"cbJigen", "時限（タイマー）機能を使う"},
                                                             {"cbKidouKiroku", "起動記録を実行"},
                                                             {"cbKirokuHyouji", "前回の終了時刻を起動時に表示する"},
                                                             {"cbZenkai", "前回と同じ表示から始める"},
                                                             {"cbMemo", "メモを使用する"},
                                                             {"cbHotkey", "ホットキーを使用する。"},
                                                             {"cbShiyouchuu", "【 起動フォルダ 】ステータスバー表示"},
                                                             {"cbNextDay", "祭日表示を次の日にまで延長"},
                                                             {"cbNeighborJump", "当月以外の日クリックで隣月移動許可"},
                                                             {"cbBold", "日付を太字"},
                                                             {"cbRokuyo", "六曜を表示する"},
                                                             {"cbKOption", "記念日オプションを使う"},
                                                             {"cbTShuusei", "インターネット自動内部時計修正機能を使う"},
                                                             {"cbZunbo", "Zunboとの連携"},
                                                             {"cbEditor", "エディタを使う"},
                                                             {"cbRekkoJ", "エディタを起動後、「Rekko」を常駐させる。"},
                                                             {"btnJikoku", "内蔵時計修正設定"},
                                                             {"btnHenkou", "変更"},
                                                             {"btnDFJikkou", "変更実行"},
                                                             {"btnDFCancel", "キャンセル"}};
        for (const auto& [name, caption] : boxes)
            QCOMPARE(f.textOf(name), QString::fromUtf8(caption));
        for (const char* name : {"cbPrjN", "cbNoReturn", "cbExcel", "cbJikoku", "btnS9", "btnTen"})
            QVERIFY(f.find<QAbstractButton>(name));
        for (const char* name : {"edtKidouGyou", "edFolder", "edtKColor"})
            QVERIFY(f.find<QLineEdit>(name));
        for (const char* name : {"udCalSize", "udKFutosa", "SpHajimariTuki"})
            QVERIFY(f.find<QSpinBox>(name));
        for (const char* name : {"udKidouGyou", "lblKidou1", "lblKidou2", "lblJikoku1", "lblJikoku2", "gbEditor",
                                 "RadioGroup1", "rgYFirstMonth"})
            QVERIFY(f.find<QWidget>(name));
        QCOMPARE(f.find<QGroupBox>("RadioGroup1")->findChildren<QRadioButton*>().size(), 2);
        QCOMPARE(f.find<QComboBox>("cbTimer")->count(), 10);
        QCOMPARE(f.find<QComboBox>("cbTimer")->itemText(6), QString("10"));
        QCOMPARE(f.find<QToolButton>("FramSpeedBtn17")->toolTip(), QString("フォルダを選択します"));
    }

    void showsTheSettingsReadAndSavesTheControls() {
        Fixture f;
        f.program.write("Sorel.ini", fixtureSettings());
        QVERIFY(f.window->start({}, f.programs.path()));
        QVERIFY(f.find<QCheckBox>("cbKidouKiroku")->isChecked());
        QVERIFY(f.find<QCheckBox>("cbKirokuHyouji")->isEnabled());
        QCOMPARE(f.find<QLineEdit>("edtKidouGyou")->text(), QString("50"));
        QCOMPARE(f.find<QSpinBox>("udKFutosa")->value(), 2);
        QCOMPARE(f.find<QLineEdit>("edtKColor")->text(), QString("clRed"));
        QCOMPARE(f.find<QGroupBox>("rgYFirstMonth")->findChildren<QRadioButton*>()[1]->isChecked(), true);
        QCOMPARE(f.find<QSpinBox>("SpHajimariTuki")->value(), 4);
        QCOMPARE(f.find<QGroupBox>("RadioGroup1")->findChildren<QRadioButton*>()[1]->isChecked(), true);
        QCOMPARE(f.find<QComboBox>("cbTimer")->currentText(), QString("20"));
        QVERIFY(f.find<QCheckBox>("cbTShuusei")->isChecked());
        QVERIFY(f.find<QPushButton>("btnJikoku")->isEnabled());
        QVERIFY(f.window->menus()->action("mmKidouJikoku")->isEnabled());
        QVERIFY(f.window->menus()->action("mnJikoku")->isEnabled());
        QCOMPARE(f.find<QLineEdit>("edFolder")->text(), QString("/home/taro/予定/Sorel/"));
        QVERIFY(f.find<QLineEdit>("edFolder")->isReadOnly());
        QVERIFY(f.find<QLabel>("lblProgramFolder")->text().contains(QString::fromStdString(f.program.path())));
        QCOMPARE(f.window->pos(), QPoint(120, 40));

        f.find<QCheckBox>("cbZenkai")->setChecked(true);
        f.find<QLineEdit>("edtKidouGyou")->setText("abc");
        f.find<QSpinBox>("udKFutosa")->setValue(3);
        QVERIFY(f.window->close());
        const auto saved = ProfileFile::FromBytes(f.settingsFile());
        QCOMPARE(saved.readString("Settei", "cbZenkai"), std::optional<std::string>("1"));
        QCOMPARE(saved.readString("Settei", "udKidouGyou"), std::optional<std::string>("100"));
        QCOMPARE(saved.readString("Settei", "udKFutosa"), std::optional<std::string>("3"));
        QCOMPARE(saved.readString("Jikoku", "edtWebSV1"), std::optional<std::string>("http://時刻.example.jp/jst.cgi"));
        QCOMPARE(saved.readString("Settei", "pTTime"), std::optional<std::string>("073000"));
    }

    void theStartTellsOfRescuedFilesAndRemovesOnlyOurStaleTemporaries() {
        Fixture f;
        SaveReport report;
        report.failures.push_back({"書き込めません: No space left on device", "/gone/Ca202405.myc"});
        report.rescuable.push_back({"/gone/Ca202405.myc", [](const fs::path& folder) -> Result<fs::path> {
                                        std::ofstream(folder / "Ca202405.myc") << " 0,0,9,2024/ 5\r\n";
                                        return folder / "Ca202405.myc";
                                    }});
        f.controller.rescue().rescue(report, f.clock.now());
        // The period file is a link into another folder; interrupted writes left temporaries everywhere.
        test::TempDir store;
        store.write("periods.myc", "***** FromTo\x97\x5C\x92\xE8\r\n");
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
        QVERIFY(!f.dialogs.shown().empty());
        const std::string& notice = f.dialogs.shown().front().text;
        QVERIFY(notice.starts_with("終了時に、次のファイルを保存できませんでした。"));
        QVERIFY(notice.find((f.program / "rescue" / "20240503-150500").string()) != std::string::npos);
        QVERIFY(notice.find("/gone/Ca202405.myc") != std::string::npos);
        QVERIFY(!f.controller.rescue().takeNotice().has_value());
        for (const fs::path& file : stale)
            QVERIFY2(!fs::exists(file), file.c_str());
        for (const fs::path& file : kept)
            QVERIFY2(fs::exists(file), file.c_str());
    }

    void aFailedMonthInitialisationEndsTheStartNamingTheFile() {
        Fixture f;
        fs::create_directory(f.data / "Ca202405.myc");
        QVERIFY(!f.window->start({}, f.programs.path()));
        QCOMPARE(f.failureBoxes(), 1);
        const std::string text = f.dialogs.shown().back().text;
        QVERIFY2(text.starts_with("月の初期設定に失敗しました。\r\nCa202405.myc: "), text.c_str());
        QVERIFY(text.ends_with("\r\n一旦、終了させますので\r\nもう一度、立ち上げ直してください。"));
    }

    void aDataFolderThatCannotBeMadeShowsOneFailure() {
        Fixture f;
        f.program.write("Sorel.ini", "[Settei]\r\nedFolder=/proc/rekko-test/data/\r\n");
        QVERIFY(!f.window->start({}, f.programs.path()));
        QCOMPARE(f.failureBoxes(), 1);
        QCOMPARE(f.dialogs.shown().back().caption, std::string("エラー"));
        QCOMPARE(f.dialogs.shown().back().text, std::string("フォルダを作成できません。"));
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
        box->click();
        QVERIFY(grid->ShowRokuyo());
        QVERIFY(grid->grid().cellDay(0).rokuyo != 0);
        QVERIFY(f.window->close());
        QCOMPARE(ProfileFile::FromBytes(f.settingsFile()).readString("Settei", "cbRokuyo"),
                 std::optional<std::string>("1"));
    }

    void siblingProgramsDecideWhatIsOffered() {
        Fixture without;
        QVERIFY(without.window->start({}, without.programs.path()));
        QCOMPARE(without.textOf("btnM8"), QString());
        QVERIFY(!without.find<QPushButton>("btnM8")->isEnabled());
        QVERIFY(!without.find<QPushButton>("btnM9")->isEnabled());
        QVERIFY(!without.find<QPushButton>("btnM6")->isEnabled());
        QVERIFY(without.find<QCheckBox>("cbPrjN")->isHidden());
        QVERIFY(without.find<QGroupBox>("gbEditor")->isHidden());

        Fixture with;
        with.program.write("Pomta", "#!");
        fs::create_directories(with.programs / "Vell/Zunbo");
        with.programs.write("Vell/Zunbo/Zunbo", "#!");
        with.program.write("Sorel.ini", "[Settei]\r\ncbEditor=1\r\ncbPrjN=1\r\n");
        QVERIFY(with.window->start({}, with.programs.path()));
        QCOMPARE(with.textOf("btnM8"), QString("メモ"));
        QVERIFY(with.find<QPushButton>("btnM8")->isEnabled());
        QVERIFY(with.find<QPushButton>("btnM9")->isEnabled());
        QVERIFY(with.find<QCheckBox>("cbPrjN")->isChecked());
        QVERIFY(!with.find<QGroupBox>("gbEditor")->isHidden());
        QVERIFY(!with.find<QCheckBox>("cbPrjN")->isHidden());
        QVERIFY(!with.window->pages()->isTabVisible(3));
        QVERIFY(!with.window->menus()->action("mmMemo")->isChecked());
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
        QVERIFY(f.controller.saveAll().ok());
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
        const size_t before = f.dialogs.shown().size(); // the new period file was announced
        f.controller.setDeferredMessage("前回は不正終了しました。");
        QSignalSpy painted(f.window.get(), &MainWindow::firstPainted);
        QSignalSpy month(f.window.get(), &MainWindow::currentMonthRequested);
        f.window->show();
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTRY_COMPARE(f.dialogs.shown().size(), before + 1);
        QCOMPARE(f.dialogs.shown()[before].text, std::string("前回は不正終了しました。"));
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
        QCOMPARE(f.controller.residentCountdown(), 0);
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

    void theSystemEndsTheProgramWithoutAsking() {
        // Last: the orderly end quits the application's event loops.
        Fixture f;
        f.program.write("Sorel.ini", "[Settei]\r\ncbKidouKiroku=1\r\n");
        int stopRecords = 0;
        f.controller.seams().appendStopRecord = [&] { ++stopRecords; };
        QVERIFY(f.window->start({}, f.programs.path()));
        f.window->show();
        QMessageBox* box = new QMessageBox(QMessageBox::Question, "確認 -Rekko-", "?",
                                           QMessageBox::Yes | QMessageBox::No, f.window.get());
        box->open();
        QTRY_VERIFY(QApplication::activeModalWidget() == box);
        f.window->closeBySystem();
        f.window->closeBySystem();
        QVERIFY(!box->isVisible());
        QTRY_VERIFY(!f.window->isVisible());
        QCOMPARE(f.unattended, std::vector<bool>{true});
        QCOMPARE(stopRecords, 1);
        QVERIFY(ProfileFile::FromBytes(f.settingsFile()).readString("Settei", "cbJigen").has_value());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
