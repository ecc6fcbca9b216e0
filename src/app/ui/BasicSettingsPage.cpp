// SPDX-License-Identifier: GPL-3.0-or-later
// The settings sub-page "基本".
#include "BasicSettingsPage.h"

#include "SettingsWidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace rekko {

namespace {

// The lines of the start-and-stop record kept when edtKidouGyou holds no number.
constexpr int kDefaultRecordLines = 100;

} // namespace

BasicSettingsPage::BasicSettingsPage(DataFolderChange& change, SettingsKeys& keys, QWidget* parent)
    : QWidget(parent), m_keys(keys), m_settings(keys.values()) {
    setObjectName("tsKihon");
    auto* record = new QGroupBox(QStringLiteral("起動記録"), this);
    m_kidouKiroku = NamedCheckBox("cbKidouKiroku", QStringLiteral("起動記録を実行"), record);
    m_kirokuHyouji = NamedCheckBox("cbKirokuHyouji", QStringLiteral("前回の終了時刻を起動時に表示する"), record);
    m_kidou1 = new QLabel(QStringLiteral("記録する行数："), record);
    m_kidou1->setObjectName("lblKidou1");
    m_kidouGyou = new QLineEdit(record);
    m_kidouGyou->setObjectName("edtKidouGyou");
    m_kidouGyou->setMaximumWidth(60);
    m_udKidouGyou = new UpDown(m_kidouGyou, 1, 9999, record);
    m_udKidouGyou->setObjectName("udKidouGyou");
    m_kidou2 = new QLabel(QStringLiteral("行"), record);
    m_kidou2->setObjectName("lblKidou2");
    auto* recordLayout = new QGridLayout(record);
    recordLayout->addWidget(m_kidouKiroku, 0, 0, 1, 5);
    recordLayout->addWidget(m_kirokuHyouji, 1, 0, 1, 5);
    recordLayout->addWidget(m_kidou1, 2, 0);
    recordLayout->addWidget(m_kidouGyou, 2, 1);
    recordLayout->addWidget(m_udKidouGyou, 2, 2);
    recordLayout->addWidget(m_kidou2, 2, 3);
    recordLayout->setColumnStretch(4, 1);

    auto* display = new QGroupBox(QStringLiteral("表示"), this);
    m_calSize = new QSpinBox(display);
    m_calSize->setObjectName("udCalSize");
    m_calSize->setRange(0, 1);
    m_zenkai = NamedCheckBox("cbZenkai", QStringLiteral("前回と同じ表示から始める"), display);
    m_memo = NamedCheckBox("cbMemo", QStringLiteral("メモを使用する"), display);
    m_hotkey = NamedCheckBox("cbHotkey", QStringLiteral("ホットキーを使用する。"), display);
    m_shiyouchuu = NamedCheckBox("cbShiyouchuu", QStringLiteral("【 起動フォルダ 】ステータスバー表示"), display);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(QStringLiteral("カレンダーの大きさ："), display));
    sizeRow->addWidget(m_calSize);
    sizeRow->addWidget(new QLabel(QStringLiteral("（[0] ３行表示  [1] ５行表示）"), display));
    sizeRow->addStretch();
    auto* displayLayout = new QVBoxLayout(display);
    displayLayout->addLayout(sizeRow);
    for (QWidget* box : {static_cast<QWidget*>(m_zenkai), static_cast<QWidget*>(m_memo),
                         static_cast<QWidget*>(m_hotkey), static_cast<QWidget*>(m_shiyouchuu)})
        displayLayout->addWidget(box);

    auto* position = RadioGroup("RadioGroup1", QStringLiteral("表示位置"),
                                {QStringLiteral("画面の真ん中"), QStringLiteral("終了時位置")}, m_position, this);
    m_dataFolder = new DataFolderGroup(change, this);
    m_setup = new QPushButton(QStringLiteral("セットアップ"), this);
    m_setup->setObjectName("btnSetupPage");
    m_startUp = new QPushButton(QStringLiteral("起動方法"), this);
    m_startUp->setObjectName("btnStartUpPage");
    auto* setupRow = new QHBoxLayout;
    setupRow->addWidget(m_setup);
    setupRow->addWidget(m_startUp);
    setupRow->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(record, 0, 0);
    layout->addWidget(position, 0, 1);
    layout->addWidget(display, 1, 0, 1, 2);
    layout->addWidget(m_dataFolder, 2, 0, 1, 2);
    layout->addLayout(setupRow, 3, 0, 1, 2);
    layout->setRowStretch(4, 1);

    connect(m_kidouKiroku, &QCheckBox::toggled, this, &BasicSettingsPage::enableRecordControls);
    connect(m_kidouKiroku, &QCheckBox::clicked, this, &BasicSettingsPage::startRecordClicked);
    enableRecordControls(false);
    BindKey(m_kidouKiroku, keys, &Settings::cbKidouKiroku);
    BindKey(m_kirokuHyouji, keys, &Settings::cbKirokuHyouji);
    connect(m_kidouGyou, &QLineEdit::textChanged, this,
            [this] { m_keys.set(&Settings::udKidouGyou, m_udKidouGyou->value(kDefaultRecordLines)); });
    BindKey(m_calSize, keys, &Settings::udCalSize);
    BindKey(m_zenkai, keys, &Settings::cbZenkai);
    BindKey(m_memo, keys, &Settings::cbMemo);
    BindKey(m_hotkey, keys, &Settings::cbHotkey);
    BindKey(m_shiyouchuu, keys, &Settings::cbShiyouchuu);
    BindKey(m_position, keys, &Settings::HyoujiIchi);
}

void BasicSettingsPage::enableRecordControls(bool on) {
    for (QWidget* control :
         {static_cast<QWidget*>(m_kirokuHyouji), static_cast<QWidget*>(m_kidou1), static_cast<QWidget*>(m_kidou2),
          static_cast<QWidget*>(m_kidouGyou), static_cast<QWidget*>(m_udKidouGyou)})
        control->setEnabled(on);
}

void BasicSettingsPage::showValues() {
    const Settings& s = m_settings;
    m_kidouKiroku->setChecked(s.cbKidouKiroku);
    enableRecordControls(s.cbKidouKiroku);
    m_kirokuHyouji->setChecked(s.cbKirokuHyouji);
    m_udKidouGyou->setValue(s.udKidouGyou);
    m_calSize->setValue(s.udCalSize);
    m_zenkai->setChecked(s.cbZenkai);
    m_memo->setChecked(s.cbMemo);
    m_hotkey->setChecked(s.cbHotkey);
    m_shiyouchuu->setChecked(s.cbShiyouchuu);
    SelectIndex(m_position, s.HyoujiIchi);
}

} // namespace rekko
