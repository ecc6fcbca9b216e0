// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up page's controls and what switching a group does.
#include "StartUpPage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace rekko {

namespace {

struct GroupTexts {
    const char* name;
    const char* caption;
    const char* on;
    const char* off;
};

constexpr std::array<GroupTexts, 4> kGroups = {{
    {"gbStartup", " 自動起動（スタートアップ） ", "登録してあります（登録します）", "登録していません（解除します）"},
    {"gbDeskTop", " デスクトップのショートカット ", "作成して有ります（作成します）", "作成していません（削除します）"},
    {"gbStartMenu", " スタートメニュー登録 ", "登録して有ります（登録します）", "登録していません（解除します）"},
    {"gbProgram", " ＜スタート＞－＜プログラムメニュー＞登録 ", "登録して有ります（登録します）",
     "登録していません（解除します）"},
}};

constexpr const char* kExplanation =
    "ショートカットは「Rekko」の名前のものだけを認識します。別の名前に変えたショートカットは認識しませんので、"
    "ご自身で整理してください。\nRekkoを別のフォルダーに移した後は、ショートカットを一度解除してから登録し直すと、"
    "新しいフォルダーを指すようになります。";

} // namespace

StartUpPage::StartUpPage(StartupShortcuts& shortcuts, QWidget* parent) : QWidget(parent), m_shortcuts(shortcuts) {
    setObjectName("tsKidou");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("下記の＜起動フォルダ＞が登録されます。"), this));
    m_c.folder = new QLabel(QString::fromStdString(m_shortcuts.program().parent_path().string()), this);
    m_c.folder->setObjectName("lblKidouFolder");
    m_c.folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_c.folder);
    for (size_t group = 0; group < kGroups.size(); ++group) {
        const GroupTexts& texts = kGroups[group];
        auto* box = new QGroupBox(QString::fromUtf8(texts.caption), this);
        box->setObjectName(texts.name);
        auto* row = new QHBoxLayout(box);
        auto* buttons = new QButtonGroup(box);
        ShortcutButtons& pair = m_c.groups[group];
        pair.on = new QRadioButton(QString::fromUtf8(texts.on), box);
        pair.off = new QRadioButton(QString::fromUtf8(texts.off), box);
        buttons->addButton(pair.on);
        buttons->addButton(pair.off);
        row->addWidget(pair.on);
        row->addWidget(pair.off);
        row->addStretch();
        connect(pair.on, &QRadioButton::toggled, this, [this, group](bool on) {
            if (!m_showing)
                switched(group, on);
        });
        layout->addWidget(box);
    }
    auto* explanation = new QLabel(QString::fromUtf8(kExplanation), this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    m_c.btnAllKaijo = new QPushButton(QStringLiteral("すべて解除"), this);
    m_c.btnAllKaijo->setObjectName("btnAllKaijo");
    connect(m_c.btnAllKaijo, &QPushButton::clicked, this, [this] {
        for (ShortcutButtons& pair : m_c.groups)
            pair.off->setChecked(true);
    });
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_c.btnAllKaijo);
    layout->addLayout(bottom);
    layout->addStretch();
}

void StartUpPage::showState() {
    for (size_t group = 0; group < kShortcutFolders.size(); ++group)
        show(group, m_shortcuts.present(kShortcutFolders[group]));
}

void StartUpPage::show(size_t group, bool present) {
    m_showing = true;
    (present ? m_c.groups[group].on : m_c.groups[group].off)->setChecked(true);
    m_showing = false;
}

void StartUpPage::switched(size_t group, bool on) {
    const ShortcutFolder folder = kShortcutFolders[group];
    show(group, on ? m_shortcuts.switchOn(folder) : m_shortcuts.switchOff(folder));
}

} // namespace rekko
