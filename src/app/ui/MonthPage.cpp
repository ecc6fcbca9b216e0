// The month page's controls.
#include "MonthPage.h"

#include <QGridLayout>
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
};

// The command buttons along the bottom; btnM4, btnM5 and btnM7 carry no command.
constexpr Command kCommands[] = {
    {"btnM1", "年月指定", ""}, {"btnM2", "標準表示", ""}, {"btnM3", "設定", ""},  {"btnM4", "", ""},
    {"btnM5", "", ""},         {"btnM6", "Excel", ""},    {"btnM7", "", ""},      {"btnM8", "メモ", ""},
    {"btnM9", "Zunbo", ""},    {"btnM10", "時限", ""},    {"btnM11", "今月", ""}, {"btnM12", "常駐", ""},
};

constexpr Command kSteps[] = {
    {"btnZennen", "≪", "前年"},
    {"btnZengetu", "＜", "前月"},
    {"btnYokugetu", "＞", "翌月"},
    {"btnYokunen", "≫", "翌年"},
};

QPushButton* commandButton(const Command& command, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(command.caption), parent);
    button->setObjectName(command.name);
    button->setToolTip(QString::fromUtf8(command.hint));
    button->setFocusPolicy(Qt::NoFocus);
    // Twelve buttons share the width of the window equally, whatever their captions.
    button->setMinimumWidth(36);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return button;
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
    // The window is as wide as five full tabs need; when the entry shows, the tabs narrow to make its room.
    m_tabs->leaveRoom(m_yearMonth->width() + kTopSpacing);
    auto* top = new QHBoxLayout;
    top->setSpacing(kTopSpacing);
    QPushButton* steps[4];
    for (int i = 0; i < 4; ++i) {
        steps[i] = commandButton(kSteps[i], this);
        steps[i]->setFixedWidth(32);
        steps[i]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    top->addWidget(steps[0]);
    top->addWidget(steps[1]);
    top->addWidget(m_tabs, 1);
    top->addWidget(m_yearMonth);
    top->addWidget(steps[2]);
    top->addWidget(steps[3]);

    m_gridPanel = new QWidget(this);
    m_gridPanel->setObjectName("pnlMonth");
    m_gridPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_gridPanel->setAutoFillBackground(true);
    m_gridPanel->setBackgroundRole(QPalette::Base);
    (new QVBoxLayout(m_gridPanel))->setContentsMargins(0, 0, 0, 0);
    m_commemoration = new QLabel(this);
    m_commemoration->setObjectName("pnlCmr");
    m_commemoration->hide();

    m_gridMenu = new QMenu(this);
    m_gridMenu->setObjectName("pMenu1");
    const std::pair<const char*, const char*> entries[] = {
        {"pmYoteiHenshuu", "予定編集(&E)"}, {"pmJouchuu", "常駐(&J)"},       {"pmYoteiSt", "期間予定開始(&A)"},
        {"pmYoteiEd", "期間予定終了(&Z)"},  {"pmKinenbi", "記念日編集(&K)"}, {"pmShuuryou", "Rekko終了(&X)"},
    };
    for (const auto& [name, caption] : entries)
        m_gridMenu->addAction(QString::fromUtf8(caption))->setObjectName(name);
    connect(m_gridMenu->findChild<QAction*>("pmShuuryou"), &QAction::triggered, this, &MonthPage::exitRequested);
    m_periodMenu = new QMenu(this);
    m_periodMenu->setObjectName("pmSakujo");
    m_periodMenu->addAction(QStringLiteral("キャンセル(&C)"))->setObjectName("pmCancel");
    m_periodMenu->addAction(QStringLiteral("削除(&D)"))->setObjectName("pmSakujoDelete");

    auto* commands = new QGridLayout;
    for (int i = 0; i < static_cast<int>(std::size(kCommands)); ++i) {
        QPushButton* button = commandButton(kCommands[i], this);
        commands->addWidget(button, 0, i);
        if (button->text().isEmpty())
            makeInert(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_gridPanel, 1);
    layout->addWidget(m_commemoration, 0, Qt::AlignRight);
    layout->addLayout(commands);
}

QPushButton* MonthPage::button(const QString& name) const {
    return findChild<QPushButton*>(name);
}

void MonthPage::makeInert(QPushButton* button) {
    button->setText(QString());
    button->setEnabled(false);
    button->setFlat(true);
}

} // namespace rekko
