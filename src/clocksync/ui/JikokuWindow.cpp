// SPDX-License-Identifier: GPL-3.0-or-later
// The clock-correction settings window.
#include "JikokuWindow.h"

#include "ResponsiveWork.h"

#include "clocksync/ClockRetrieval.h"
#include "clocksync/ClockSchedule.h"
#include "clocksync/RunTexts.h"
#include "clocksync/TimeSources.h"
#include "platform/ui/QtInterfaceThread.h"
#include "settings/ValueText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include <thread>

namespace rekko {

namespace {

// The pages shown, by their index among all six pages of the window (the others are never shown).
constexpr std::array<int, 3> kShownPages = {0, 2, 5};

constexpr const char* kWeekdayChoices[] = {"毎日",       "毎週日曜日", "毎週月曜日", "毎週火曜日",
                                           "毎週水曜日", "毎週木曜日", "毎週金曜日", "毎週土曜日"};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QSpinBox* Spinner(const char* name, int low, int high, int step, QWidget* parent) {
    auto* spinner = new QSpinBox(parent);
    spinner->setObjectName(name);
    spinner->setRange(low, high);
    spinner->setSingleStep(step);
    return spinner;
}

// A row of texts and controls from left to right, the rest of the row left empty.
QHBoxLayout* Row(std::initializer_list<QWidget*> parts) {
    auto* row = new QHBoxLayout;
    for (QWidget* part : parts)
        row->addWidget(part);
    row->addStretch();
    return row;
}

} // namespace

// A field of the set time: two digits, wrapping from its maximum to its minimum and back.
class JikokuWindow::TwoDigits : public QSpinBox {
public:
    TwoDigits(const char* name, int maximum, QWidget* parent) : QSpinBox(parent) {
        setObjectName(name);
        setRange(0, maximum);
        setWrapping(true);
    }

protected:
    QString textFromValue(int value) const override { return QString("%1").arg(value, 2, 10, QChar('0')); }
};

JikokuWindow::JikokuWindow(const JikokuWindowParts& parts, QWidget* parent)
    : QDialog(parent), m_parts(parts), m_keys(ReadJikokuKeys(parts.settingsFile, parts.clock.now())),
      m_alive(std::make_shared<JikokuWindow*>(this)) {
    ++s_open;
    setObjectName("fmJikoku");
    setWindowTitle(QStringLiteral("Rekko -Rekko-"));
    m_test = new QPushButton(QStringLiteral("接続テスト"), this);
    m_test->setObjectName("btnSetuzokuTest");
    m_close = new QPushButton(QStringLiteral("閉じる"), this);
    m_close->setObjectName("btnClose");
    m_setuzokuT = new QCheckBox(QStringLiteral("接続テストで、内蔵時計を修正する。"), this);
    m_setuzokuT->setObjectName("cbSetuzokuT");
    m_pages = new QTabWidget(this);
    m_pages->setObjectName("PageControl1");
    m_pages->addTab(buildCommonPage(), QStringLiteral(" 内蔵時計修正共通 "));
    m_pages->addTab(buildSourcePage(), QStringLiteral(" 取得時刻設定 "));
    m_pages->addTab(buildLogPage(), QStringLiteral(" アクセス記録 "));
    m_status = new QStatusBar(this);
    m_status->setObjectName("StatusBar1");
    m_status->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(Row({m_test, m_close, m_setuzokuT}));
    layout->addWidget(m_pages);
    layout->addWidget(m_status);

    connect(m_test, &QPushButton::clicked, this, &JikokuWindow::runConnectionTest);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int tab) {
        if (m_pages->widget(tab) == m_log->parentWidget())
            m_log->setFocus();
    });
    showValues();
    showLog(AccessLog(m_parts.logFile).lines());
    showAccessNote();
}

void JikokuWindow::open(const JikokuWindowParts& parts, bool retrievalRunning, QWidget* parent) {
    if (retrievalRunning || isOpen()) {
        parts.dialogs.inform("時刻取得中です。\r\n時間をおいてクリックしてください。");
        return;
    }
    JikokuWindow window(parts, parent);
    window.exec();
}

JikokuWindow::~JikokuWindow() {
    *m_alive = nullptr;
    --s_open;
}

QWidget* JikokuWindow::buildCommonPage() {
    auto* page = new QWidget;
    m_chousei = Spinner("udChousei", -5000, 5000, 10, page);

    auto* schedule = new QGroupBox(QStringLiteral(" インターネットへのアクセス時刻設定 "), page);
    m_day = new QRadioButton(QStringLiteral("毎起動時に時刻を修正（１日に何回起動しても、アクセスは１回／日です）"),
                             schedule);
    m_day->setObjectName("rbDay");
    m_week = new QRadioButton(QStringLiteral("毎週、月曜日以降の起動時に時刻を修正"), schedule);
    m_week->setObjectName("rbWeek");
    m_shitei = new QRadioButton(QStringLiteral("以下の時刻に、インターネットにアクセスし、時刻を修正する"), schedule);
    m_shitei->setObjectName("rbShitei");
    m_youbi = new QComboBox(schedule);
    m_youbi->setObjectName("cbYoubi");
    for (const char* choice : kWeekdayChoices)
        m_youbi->addItem(QString::fromUtf8(choice));
    m_youbi->installEventFilter(this);
    m_time = {new TwoDigits("edtHour", 23, schedule), new TwoDigits("edtMinute", 59, schedule),
              new TwoDigits("edtSecond", 59, schedule)};
    m_timeEdit = new QPushButton(QStringLiteral("時刻修正"), schedule);
    m_timeEdit->setObjectName("btnTimeEdit");
    m_decide = new QPushButton(QStringLiteral("決定"), schedule);
    m_decide->setObjectName("btnDecide");
    m_cancel = new QPushButton(QStringLiteral("Cancel"), schedule);
    m_cancel->setObjectName("btnCancel");
    auto* setTime =
        Row({new QLabel(QStringLiteral("曜日："), schedule), m_youbi, new QLabel(QStringLiteral("　時刻："), schedule),
             m_time[0], new QLabel(QStringLiteral(":"), schedule), m_time[1], new QLabel(QStringLiteral(":"), schedule),
             m_time[2], m_timeEdit, m_decide, m_cancel});
    setTime->insertSpacing(0, 24);
    auto* scheduleLayout = new QVBoxLayout(schedule);
    scheduleLayout->addWidget(m_day);
    scheduleLayout->addWidget(m_week);
    scheduleLayout->addWidget(m_shitei);
    scheduleLayout->addLayout(setTime);

    m_chien = Spinner("udChien", 0, 180, 10, page);
    m_gosa = Spinner("udGosa", 1, 180, 1, page);
    m_gyou = Spinner("udGyou", 10, 300, 1, page);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(Row({new QLabel(QStringLiteral("微調整　　　　： 取得時刻 ＋ "), page), m_chousei,
                           new QLabel(QStringLiteral("ms(1/1000秒)"), page)}));
    layout->addWidget(schedule);
    layout->addLayout(Row({new QLabel(QStringLiteral("動作遅延　　　：　Sorel起動、"), page), m_chien,
                           new QLabel(QStringLiteral("秒後にインターネットより時刻を取得[30 ～ 180秒 ]"), page)}));
    layout->addLayout(Row({new QLabel(QStringLiteral("エラー回避　　： "), page), m_gosa,
                           new QLabel(QStringLiteral("秒以上の時刻の誤差は、時刻を修正しない[ 1 ～ 180秒 ]"), page)}));
    layout->addLayout(Row({new QLabel(QStringLiteral("アクセス記録　："), page), m_gyou,
                           new QLabel(QStringLiteral("行まで記録[ 10 ～ 300行 ]"), page)}));
    layout->addStretch();

    for (QRadioButton* button : {m_day, m_week, m_shitei})
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                followSchedule();
        });
    connect(m_timeEdit, &QPushButton::clicked, this, &JikokuWindow::beginTimeEdit);
    connect(m_decide, &QPushButton::clicked, this, [this] {
        if (decideTime())
            endTimeEdit();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        showSetTime();
        endTimeEdit();
    });
    return page;
}

QWidget* JikokuWindow::buildSourcePage() {
    auto* page = new QWidget;
    auto* group = new QGroupBox(QStringLiteral("  取得する時刻  "), page);
    auto* grid = new QGridLayout(group);
    constexpr const char* names[] = {"rbJapan", "rbTamaru1", "rbTamaru2", "rbWebSV1", "rbWebSV2"};
    for (size_t i = 0; i < m_sources.size(); ++i) {
        m_sources[i] = new QRadioButton(QString::fromUtf8(kTimeSourceCaptions[i]), group);
        m_sources[i]->setObjectName(names[i]);
        grid->addWidget(m_sources[i], static_cast<int>(i), 0);
    }
    const JikokuSettings& values = m_keys.values();
    for (const auto& [row, address, name] :
         {std::tuple{3, values.edtWebSV1, "edtWebSV1"}, std::tuple{4, values.edtWebSV2, "edtWebSV2"}}) {
        auto* field = new QLineEdit(Text(address), group);
        field->setObjectName(name);
        field->setReadOnly(true);
        grid->addWidget(field, row, 1);
        m_sources[static_cast<size_t>(row)]->setEnabled(!field->text().trimmed().isEmpty());
    }
    grid->setColumnStretch(1, 1);
    // A choice without an address can never get a time: the maker's second page has none, and the first one only
    // when the program was built with it.
    for (const TimeSourceChoice choice : {TimeSourceChoice::Tamaru1, TimeSourceChoice::Tamaru2})
        m_sources[static_cast<size_t>(choice)]->setEnabled(!SourceAddress(values, choice).empty());

    m_message = new QLabel(QStringLiteral("インターネットに接続されていますと、【接続テスト】が出来ます。"), page);
    m_message->setObjectName("lblMessage");
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setFrameShape(QFrame::StyledPanel);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addWidget(m_message, 1);
    return page;
}

QWidget* JikokuWindow::buildLogPage() {
    auto* page = new QWidget;
    m_log = new QPlainTextEdit(page);
    m_log->setObjectName("memAccess");
    m_log->setReadOnly(true);
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* first = new QPushButton(QStringLiteral("最初"), page);
    first->setObjectName("btnFirst");
    auto* last = new QPushButton(QStringLiteral("最後"), page);
    last->setObjectName("btnLast");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_log, 1);
    layout->addLayout(Row({first, last}));
    connect(first, &QPushButton::clicked, this,
            [this] { m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->minimum()); });
    connect(last, &QPushButton::clicked, this,
            [this] { m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum()); });
    return page;
}

void JikokuWindow::showValues() {
    const JikokuSettings& v = m_keys.values();
    m_setuzokuT->setChecked(v.cbSetuzokuT);
    m_chousei->setValue(v.udChousei);
    (v.rbShitei ? m_shitei : v.rbWeek ? m_week : m_day)->setChecked(true);
    m_youbi->setCurrentIndex(v.cbYoubi);
    showSetTime();
    endTimeEdit();
    m_chien->setValue(m_parts.schedule.pTChien);
    m_gosa->setValue(v.udGosa);
    m_gyou->setValue(v.udGyou);
    m_sources[static_cast<size_t>(SelectedSource(v))]->setChecked(true);
    const auto shown = std::find(kShownPages.begin(), kShownPages.end(), v.ActivePage);
    m_pages->setCurrentIndex(shown == kShownPages.end() ? 0 : static_cast<int>(shown - kShownPages.begin()));
}

void JikokuWindow::collectValues() {
    JikokuSettings& v = m_keys.edit();
    v.JikokuY = y();
    v.JikokuX = x();
    v.ActivePage = kShownPages[static_cast<size_t>(std::max(0, m_pages->currentIndex()))];
    v.cbSetuzokuT = m_setuzokuT->isChecked();
    v.udChousei = m_chousei->value();
    v.rbDay = m_day->isChecked();
    v.rbWeek = m_week->isChecked();
    v.rbShitei = m_shitei->isChecked();
    v.cbYoubi = m_youbi->currentIndex();
    v.udGosa = m_gosa->value();
    v.udGyou = m_gyou->value();
    const std::array<bool*, 5> chosen = {&v.rbJapan, &v.rbTamaru1, &v.rbTamaru2, &v.rbWebSV1, &v.rbWebSV2};
    for (size_t i = 0; i < chosen.size(); ++i)
        *chosen[i] = m_sources[i]->isChecked();
}

void JikokuWindow::showAccessNote() {
    // Asking the system may take a few seconds: the answer comes back to the window if it is still there.
    std::thread([setter = &m_parts.setter, alive = m_alive, target = std::make_shared<QtInterfaceThread>()] {
        auto note =
            std::make_shared<const std::string>(ClockAccessNote(setter->access(), setter->systemSynchronises()));
        target->post([alive, note] {
            if (*alive && !note->empty() && !(*alive)->m_testing)
                (*alive)->m_status->showMessage(Text(*note));
        });
    }).detach();
}

void JikokuWindow::runConnectionTest() {
    if (m_testing)
        return;
    m_status->clearMessage();
    m_status->setStyleSheet({});
    m_pages->setCurrentWidget(m_log->parentWidget());
    m_test->setEnabled(false);
    m_close->setEnabled(false);
    m_testing = true;
    m_parts.view.showRetrieval(true);
    collectValues();
    const JikokuSettings settings = m_keys.values();
    bool unexpected = false;
    try {
        ResponsiveSource source(MakeTimeSource(SourceAddress(settings, SelectedSource(settings)), m_parts.clock));
        ResponsiveSetter setter(m_parts.setter);
        RunPorts ports{m_parts.clock, source, setter, &m_parts.dialogs};
        ClockRetrieval retrieval(settings, m_parts.logFile);
        const RunOutcome outcome = retrieval.run(RunMode::ConnectionTest, ports);
        m_message->setText(Text(outcome.entry));
        showLog(retrieval.log().lines());
        if (!outcome.status.empty())
            m_status->showMessage(Text(outcome.status));
    } catch (...) {
        unexpected = true;
    }
    m_parts.view.showRetrieval(false);
    m_testing = false;
    m_test->setEnabled(true);
    m_close->setEnabled(true);
    if (unexpected) {
        m_status->setStyleSheet(QStringLiteral("QStatusBar { background: yellow; }"));
        m_status->showMessage(QStringLiteral("  **********  日付変更エラー  **********"));
    }
}

void JikokuWindow::showLog(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines)
        text += Text(line) + '\n';
    text.chop(1);
    m_log->setPlainText(text);
    m_log->verticalScrollBar()->setValue(m_log->verticalScrollBar()->maximum());
}

void JikokuWindow::beginTimeEdit() {
    m_editingTime = true;
    for (QSpinBox* field : m_time) {
        field->setEnabled(true);
        field->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    }
    m_timeEdit->hide();
    m_decide->show();
    m_cancel->show();
    m_time[0]->setFocus();
}

bool JikokuWindow::decideTime() {
    const QString text = m_time[0]->cleanText() + ':' + m_time[1]->cleanText() + ':' + m_time[2]->cleanText();
    if (!ParseTimeOfDay(text.toStdString())) {
        m_parts.dialogs.inform("時刻が正しくありません。");
        return false;
    }
    m_keys.edit().vTime = TimeDigits(m_time[0]->value(), m_time[1]->value(), m_time[2]->value());
    return true;
}

void JikokuWindow::endTimeEdit() {
    m_editingTime = false;
    for (QSpinBox* field : m_time) {
        field->setEnabled(false);
        field->setButtonSymbols(QAbstractSpinBox::NoButtons);
    }
    m_decide->hide();
    m_cancel->hide();
    m_timeEdit->show();
    m_timeEdit->setEnabled(m_shitei->isChecked());
}

void JikokuWindow::showSetTime() {
    const std::string digits = ValidSetTime(m_keys.values().vTime);
    for (size_t i = 0; i < m_time.size(); ++i)
        m_time[i]->setValue(std::stoi(digits.substr(i * 2, 2)));
}

void JikokuWindow::followSchedule() {
    if (m_editingTime)
        showSetTime();
    endTimeEdit();
}

bool JikokuWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_youbi && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_time[0]->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void JikokuWindow::done(int result) {
    if (m_testing)
        return;
    if (m_editingTime) {
        showSetTime();
        endTimeEdit();
    }
    collectValues();
    CopySchedule(m_keys.values(), m_chien->value(), m_parts.schedule);
    if (const Status written = WriteJikokuKeys(m_parts.settingsFile, m_keys); !written)
        m_parts.dialogs.inform("設定を書き込めません。\r\n" + written.error().path + "\r\n" + written.error().cause);
    QDialog::done(result);
}

} // namespace rekko
