// SPDX-License-Identifier: GPL-3.0-or-later
// The month page's controls.
#include "MonthPage.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

namespace rekko {

namespace {

constexpr int kTopSpacing = 2;
// What a line edit keeps free on both sides of its text besides the frame (Qt's horizontal margins).
constexpr int kLineEditMargins = 4;

struct Command {
    const char* name;
    const char* caption;
    const char* hint;
    QPushButton* MonthPageButtons::*member;
};

// The command buttons along the bottom; btnM4, btnM5 and btnM7 carry no command.
constexpr Command kCommands[] = {
    {"btnM1", "年月指定", "", &MonthPageButtons::yearMonth},
    {"btnM2", "標準表示", "", &MonthPageButtons::standardDisplay},
    {"btnM3", "設定", "", &MonthPageButtons::settings},
    {"btnM4", "", "", nullptr},
    {"btnM5", "", "", nullptr},
    {"btnM6", "Excel", "", &MonthPageButtons::excel},
    {"btnM7", "", "", nullptr},
    {"btnM8", "メモ", "", &MonthPageButtons::memo},
    {"btnM9", "Zunbo", "", &MonthPageButtons::zunbo},
    {"btnM10", "時限", "", &MonthPageButtons::timer},
    {"btnM11", "今月", "", &MonthPageButtons::thisMonth},
    {"btnM12", "常駐", "", &MonthPageButtons::resident},
};

// The month steps, in their order beside the tabs (the tabs go between the two pairs).
constexpr Command kSteps[] = {
    {"btnZennen", "≪", "前年", &MonthPageButtons::previousYear},
    {"btnZengetu", "＜", "前月", &MonthPageButtons::previousMonth},
    {"btnYokugetu", "＞", "翌月", &MonthPageButtons::nextMonth},
    {"btnYokunen", "≫", "翌年", &MonthPageButtons::nextYear},
};

struct Entry {
    const char* name;
    const char* caption;
    QAction* MonthPageMenus::*member;
};

constexpr Entry kGridEntries[] = {
    {"pmYoteiHenshuu", "予定編集(&E)", &MonthPageMenus::editDay},
    {"pmJouchuu", "常駐(&J)", &MonthPageMenus::resident},
    {"pmYoteiSt", "期間予定開始(&A)", &MonthPageMenus::periodStart},
    {"pmYoteiEd", "期間予定終了(&Z)", &MonthPageMenus::periodEnd},
    {"pmKinenbi", "記念日編集(&K)", &MonthPageMenus::anniversary},
    {"pmShuuryou", "Rekko終了(&X)", &MonthPageMenus::exit},
};

constexpr Entry kPeriodEntries[] = {
    {"pmCancel", "キャンセル(&C)", &MonthPageMenus::cancel},
    {"pmSakujoDelete", "削除(&D)", &MonthPageMenus::deletePeriod},
};

QPushButton* commandButton(const Command& command, MonthPageButtons& buttons, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(command.caption), parent);
    button->setObjectName(command.name);
    button->setToolTip(QString::fromUtf8(command.hint));
    button->setFocusPolicy(Qt::NoFocus);
    // Twelve buttons share the width of the window equally, whatever their captions.
    button->setMinimumWidth(36);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    if (command.member)
        buttons.*command.member = button;
    return button;
}

QMenu* popup(const char* name, const auto& entries, MonthPageMenus& menus, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(name);
    for (const Entry& entry : entries) {
        QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(entry.name);
        menus.*entry.member = action;
    }
    return menu;
}

} // namespace

MonthPage::MonthPage(QWidget* parent) : QWidget(parent) {
    setObjectName("tsMonth");
    m_tabs = new MonthTabBar(this);
    m_yearMonth = new QLineEdit(this);
    m_yearMonth->setObjectName("meNengetu");
    m_yearMonth->setInputMask("999999");
    // Six digits and the caret after them, in the entry's own font, inside its frame and margins.
    const int frame = m_yearMonth->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_yearMonth);
    m_yearMonth->setFixedWidth(m_yearMonth->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 2 * frame +
                               kLineEditMargins);
    m_yearMonth->hide();
    auto* top = new QHBoxLayout;
    top->setSpacing(kTopSpacing);
    for (const Command& step : kSteps) {
        QPushButton* button = commandButton(step, m_buttons, this);
        button->setFixedWidth(32);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    top->addWidget(m_buttons.previousYear);
    top->addWidget(m_buttons.previousMonth);
    top->addWidget(m_tabs, 1);
    top->addWidget(m_buttons.nextMonth);
    top->addWidget(m_buttons.nextYear);

    m_gridPanel = new QWidget(this);
    m_gridPanel->setObjectName("pnlMonth");
    m_gridPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_gridPanel->setAutoFillBackground(true);
    m_gridPanel->setBackgroundRole(QPalette::Base);
    (new QVBoxLayout(m_gridPanel))->setContentsMargins(0, 0, 0, 0);
    m_commemoration = new QLabel(this);
    m_commemoration->setObjectName("pnlCmr");
    m_commemoration->hide();
    m_menus.grid = popup("pMenu1", kGridEntries, m_menus, this);
    m_menus.period = popup("pmSakujo", kPeriodEntries, m_menus, this);

    // The year-month entry opens beside its button, btnM1; the buttons then share what is left equally.
    auto* commands = new QHBoxLayout;
    for (const Command& command : kCommands) {
        QPushButton* button = commandButton(command, m_buttons, this);
        commands->addWidget(button, 1);
        if (button == m_buttons.yearMonth)
            commands->addWidget(m_yearMonth);
        if (button->text().isEmpty())
            makeInert(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_gridPanel, 1);
    layout->addWidget(m_commemoration, 0, Qt::AlignRight);
    layout->addLayout(commands);
}

void MonthPage::makeInert(QPushButton* button) {
    button->setText(QString());
    button->setEnabled(false);
    button->setFlat(true);
}

} // namespace rekko
