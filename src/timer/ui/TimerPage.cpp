// SPDX-License-Identifier: GPL-3.0-or-later
// Building and laying out the timer page.
#include "TimerPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace rekko {

namespace {

// The part that stays visible in the narrow window; the two-touch group lies to its right.
constexpr int kMainColumnWidth = 470;
constexpr int kClockSize = 150;

QLabel* label(const char* text, QWidget* parent = nullptr) {
    return new QLabel(QString::fromUtf8(text), parent);
}

QPushButton* button(const char* name, const QString& text, QWidget* parent = nullptr) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(name);
    made->setAutoDefault(false);
    return made;
}

QLabel* line(const char* name, int pointSize, const QColor& colour) {
    auto* made = new QLabel;
    made->setObjectName(name);
    made->setAlignment(Qt::AlignCenter);
    QFont font = made->font();
    font.setPointSize(pointSize);
    made->setFont(font);
    QPalette palette = made->palette();
    palette.setColor(QPalette::WindowText, colour);
    made->setPalette(palette);
    return made;
}

} // namespace

TimerPage::TimerPage(const Clock& clock, QWidget* parent) : QWidget(parent) {
    setObjectName("tsTimer");
    auto* main = new QWidget;
    main->setFixedWidth(kMainColumnWidth);
    auto* column = new QVBoxLayout(main);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(buildClocks(clock));
    column->addWidget(buildFields());
    column->addWidget(buildLines());
    column->addStretch();

    m_controls.startStopButton = button("btnStart", QString::fromUtf8("タイマー開始(&G)"));
    m_controls.closeButton = button("btnClose", QString::fromUtf8("閉じる(&X)"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {m_controls.startStopButton, m_controls.closeButton}) {
        b->setMinimumSize(140, 30);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    column->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(main);
    layout->addWidget(buildTwoTouch(), 0, Qt::AlignTop);
}

QWidget* TimerPage::buildClocks(const Clock& clock) {
    auto* clocks = new QWidget;
    auto* layout = new QGridLayout(clocks);
    layout->setContentsMargins(0, 0, 0, 0);
    m_controls.currentClock = new TClock(clock);
    m_controls.currentClock->setObjectName("clkGenzai");
    m_controls.setClock = new TClock(clock);
    m_controls.setClock->setObjectName("clkSettei");
    m_controls.setClock->setAutoUpdate(false);
    m_controls.setClock->setShowSecondArm(false);
    const std::array<std::pair<const char*, TClock*>, 2> shown = {std::pair{"現在時刻", m_controls.currentClock},
                                                                  std::pair{"設定時刻", m_controls.setClock}};
    for (int i = 0; i < 2; ++i) {
        auto* caption = label(shown[static_cast<size_t>(i)].first);
        caption->setAlignment(Qt::AlignCenter);
        TClock* dial = shown[static_cast<size_t>(i)].second;
        dial->setFixedSize(kClockSize, kClockSize);
        dial->setAutoFillBackground(true);
        QPalette palette = dial->palette();
        palette.setColor(QPalette::Window, Qt::white);
        dial->setPalette(palette);
        layout->addWidget(caption, 0, i);
        layout->addWidget(dial, 1, i, Qt::AlignHCenter);
    }
    return clocks;
}

QWidget* TimerPage::buildFields() {
    auto* rows = new QWidget;
    auto* column = new QVBoxLayout(rows);
    column->setContentsMargins(0, 6, 0, 0);
    auto* layout = new QHBoxLayout;
    layout->setSpacing(2);
    layout->addStretch();
    layout->addWidget(label("設定時刻："));
    static constexpr std::array<const char*, 3> kFieldNames = {"edHour", "edMinute", "edSecond"};
    static constexpr std::array<const char*, 3> kUpDownNames = {"udHour", "udMinute", "udSecond"};
    for (size_t i = 0; i < 3; ++i) {
        if (i > 0)
            layout->addWidget(label("："));
        auto* field = new QLineEdit;
        field->setObjectName(kFieldNames[i]);
        field->setMaxLength(2);
        field->setFixedWidth(36);
        field->setAlignment(Qt::AlignRight);
        auto* upDown = new UpDownButtons;
        upDown->setObjectName(kUpDownNames[i]);
        m_controls.fields[i] = field;
        m_controls.upDowns[i] = upDown;
        layout->addWidget(field);
        layout->addWidget(upDown);
    }
    layout->addSpacing(12);
    m_controls.nowButton = button("btnGenzai", QString::fromUtf8("現在時刻セット"));
    layout->addWidget(m_controls.nowButton);
    layout->addStretch();
    column->addLayout(layout);

    auto* notice = new QHBoxLayout;
    notice->addStretch();
    notice->addWidget(label("通知時刻："));
    m_controls.noticeList = new QComboBox;
    m_controls.noticeList->setObjectName("cbNotice");
    for (int minutes = 0; minutes <= 9; ++minutes)
        m_controls.noticeList->addItem(QString::number(minutes));
    notice->addWidget(m_controls.noticeList);
    notice->addWidget(label("分前"));
    notice->addStretch();
    column->addLayout(notice);
    return rows;
}

QWidget* TimerPage::buildLines() {
    auto* lines = new QWidget;
    auto* layout = new QGridLayout(lines);
    layout->setContentsMargins(0, 6, 0, 6);
    m_controls.stateLabel = line("lblState", 16, QColor(0xC0, 0, 0));
    m_controls.countdownLine = line("lblCountdown", 12, QColor(0, 0, 0x80));
    m_controls.statusLine = line("lblStatus", 12, QColor(0, 0, 0x80));
    m_controls.noticeLine = line("lblNotice", 10, QColor(0, 0x60, 0));
    QFont bold = m_controls.stateLabel->font();
    bold.setBold(true);
    m_controls.stateLabel->setFont(bold);
    for (QLabel* l : {m_controls.stateLabel, m_controls.countdownLine, m_controls.statusLine, m_controls.noticeLine}) {
        // Each line keeps its room while hidden, so the window does not jump between states.
        QSizePolicy policy = l->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        l->setSizePolicy(policy);
        l->setMinimumHeight(l->fontMetrics().height() + 4);
    }
    layout->addWidget(m_controls.stateLabel, 0, 0);
    // The countdown (waiting) and the status line (alert) share a row; one of them shows at a time.
    layout->addWidget(m_controls.countdownLine, 1, 0);
    layout->addWidget(m_controls.statusLine, 1, 0);
    layout->addWidget(m_controls.noticeLine, 2, 0);
    return lines;
}

QGroupBox* TimerPage::buildTwoTouch() {
    m_controls.twoTouch = new QGroupBox(QString::fromUtf8(" ２タッチ設定 "));
    m_controls.twoTouch->setObjectName("gbTwoTouch");
    auto* grid = new QGridLayout(m_controls.twoTouch);
    grid->setSpacing(3);
    grid->addWidget(label("時"), 0, 0, 1, 6);
    for (int hour = 0; hour < 24; ++hour) {
        auto* b = button(("btnHour" + std::to_string(hour)).c_str(), QString::number(hour));
        b->setFixedSize(36, 26);
        m_controls.hourButtons[static_cast<size_t>(hour)] = b;
        grid->addWidget(b, 1 + hour / 6, hour % 6);
    }
    grid->addWidget(label("分"), 5, 0, 1, 6);
    for (int i = 0; i < 12; ++i) {
        auto* b = button(("btnMinute" + std::to_string(i * 5)).c_str(), QString::number(i * 5));
        b->setFixedSize(36, 26);
        m_controls.minuteButtons[static_cast<size_t>(i)] = b;
        grid->addWidget(b, 6 + i / 6, i % 6);
    }
    return m_controls.twoTouch;
}

} // namespace rekko
