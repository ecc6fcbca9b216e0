// SPDX-License-Identifier: GPL-3.0-or-later
// The settings sub-page "機能".
#include "FunctionSettingsPage.h"

#include "SettingsWidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace rekko {

FunctionSettingsPage::FunctionSettingsPage(SettingsKeys& keys, QWidget* parent)
    : QWidget(parent), m_keys(keys), m_settings(keys.values()) {
    setObjectName("tsKinou");
    auto* time = new QGroupBox(QStringLiteral("時刻"), this);
    m_jigen = NamedCheckBox("cbJigen", QStringLiteral("時限（タイマー）機能を使う"), time);
    m_jikoku1 = new QLabel(QStringLiteral("時刻チェック間隔"), time);
    m_jikoku1->setObjectName("lblJikoku1");
    m_timer = new QComboBox(time);
    m_timer->setObjectName("cbTimer");
    for (const int seconds : kCheckIntervalSeconds)
        m_timer->addItem(QString::number(seconds));
    m_jikoku2 = new QLabel(QStringLiteral("秒（規定値：１０秒）"), time);
    m_jikoku2->setObjectName("lblJikoku2");
    m_tShuusei = NamedCheckBox("cbTShuusei", QStringLiteral("インターネット自動内部時計修正機能を使う"), time);
    m_jikoku = new QPushButton(QStringLiteral("内蔵時計修正設定"), time);
    m_jikoku->setObjectName("btnJikoku");
    auto* interval = new QHBoxLayout;
    interval->addWidget(m_jikoku1);
    interval->addWidget(m_timer);
    interval->addWidget(m_jikoku2);
    interval->addStretch();
    auto* timeLayout = new QGridLayout(time);
    timeLayout->addWidget(m_jigen, 0, 0, 1, 2);
    timeLayout->addLayout(interval, 1, 0, 1, 2);
    auto* correction = new QHBoxLayout;
    correction->addWidget(m_tShuusei);
    correction->addWidget(m_jikoku);
    correction->addStretch();
    timeLayout->addLayout(correction, 2, 0, 1, 2);

    auto* siblings = new QGroupBox(QStringLiteral("連携"), this);
    m_zunbo = NamedCheckBox("cbZunbo", QStringLiteral("Zunboとの連携"), siblings);
    m_zunbo->setChecked(true);
    m_prjN = NamedCheckBox("cbPrjN", QStringLiteral("Zunboへ日付を渡す"), siblings);
    m_editorGroup = new QGroupBox(QStringLiteral("エディタ"), siblings);
    m_editorGroup->setObjectName("gbEditor");
    m_editor = NamedCheckBox("cbEditor", QStringLiteral("エディタを使う"), m_editorGroup);
    m_rekkoJ = NamedCheckBox("cbRekkoJ", QStringLiteral("エディタを起動後、「Rekko」を常駐させる。"), m_editorGroup);
    m_noReturn = NamedCheckBox("cbNoReturn", QStringLiteral("エディタ終了後に戻らない"), m_editorGroup);
    m_noReturn->hide();
    auto* editorLayout = new QVBoxLayout(m_editorGroup);
    editorLayout->addWidget(m_editor);
    editorLayout->addWidget(m_rekkoJ);
    auto* siblingsLayout = new QVBoxLayout(siblings);
    siblingsLayout->addWidget(m_zunbo);
    siblingsLayout->addWidget(m_prjN);
    siblingsLayout->addWidget(m_editorGroup);

    for (const char* name : {"btnS9", "btnTen"}) {
        auto* hidden = new QPushButton(this);
        hidden->setObjectName(name);
        hidden->hide();
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(time);
    layout->addWidget(siblings);
    layout->addStretch();

    connect(m_tShuusei, &QCheckBox::toggled, this,
            [this](bool on) { m_jikoku->setEnabled(on && m_clockCorrectionAvailable); });
    m_jikoku->setEnabled(false);
    BindKey(m_jigen, keys, &Settings::cbJigen);
    BindKey(m_timer, keys, &Settings::cbTimerNo, kDefaultCheckItem);
    BindKey(m_tShuusei, keys, &Settings::cbTShuusei);
    BindKey(m_prjN, keys, &Settings::cbPrjN);
    BindKey(m_editor, keys, &Settings::cbEditor);
    BindKey(m_rekkoJ, keys, &Settings::cbRekkoJ);
    BindKey(m_noReturn, keys, &Settings::cbNoReturn);
}

void FunctionSettingsPage::offerFeatures(bool zunboFound, bool pomtaFound, bool timeFeature) {
    m_zunbo->setChecked(zunboFound);
    m_prjN->setVisible(zunboFound);
    m_editorGroup->setVisible(pomtaFound);
    for (QWidget* control :
         {static_cast<QWidget*>(m_jikoku), static_cast<QWidget*>(m_tShuusei), static_cast<QWidget*>(m_jikoku1),
          static_cast<QWidget*>(m_jikoku2), static_cast<QWidget*>(m_timer)})
        control->setVisible(timeFeature);
}

void FunctionSettingsPage::setClockCorrectionAvailable(bool available) {
    m_clockCorrectionAvailable = available;
    m_jikoku->setEnabled(m_settings.cbTShuusei && available);
}

void FunctionSettingsPage::showValues() {
    const Settings& s = m_settings;
    m_jigen->setChecked(s.cbJigen);
    m_timer->setCurrentIndex(s.cbTimerNo);
    m_tShuusei->setChecked(s.cbTShuusei);
    m_jikoku->setEnabled(s.cbTShuusei && m_clockCorrectionAvailable);
    m_prjN->setChecked(s.cbPrjN);
    m_editor->setChecked(s.cbEditor);
    m_rekkoJ->setChecked(s.cbRekkoJ);
    m_noReturn->setChecked(s.cbNoReturn);
}

} // namespace rekko
