// SPDX-License-Identifier: GPL-3.0-or-later
// The settings sub-page "暦".
#include "CalendarSettingsPage.h"

#include "SettingsWidgets.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace rekko {

CalendarSettingsPage::CalendarSettingsPage(SettingsKeys& keys, QWidget* parent)
    : QWidget(parent), m_keys(keys), m_settings(keys.values()) {
    setObjectName("tsKoyomi");
    auto* days = new QGroupBox(QStringLiteral("日付の表示"), this);
    m_nextDay = NamedCheckBox("cbNextDay", QStringLiteral("祭日表示を次の日にまで延長"), days);
    m_neighborJump = NamedCheckBox("cbNeighborJump", QStringLiteral("当月以外の日クリックで隣月移動許可"), days);
    m_bold = NamedCheckBox("cbBold", QStringLiteral("日付を太字"), days);
    m_rokuyo = NamedCheckBox("cbRokuyo", QStringLiteral("六曜を表示する"), days);
    m_sekki = NamedCheckBox("cbSekki", QStringLiteral("二十四節気・雑節を表示する"), days);
    m_rekichu = NamedCheckBox("cbRekichu", QStringLiteral("干支・暦注を表示する"), days);
    m_kOption = NamedCheckBox("cbKOption", QStringLiteral("記念日オプションを使う"), days);
    auto* daysLayout = new QVBoxLayout(days);
    for (QCheckBox* box : {m_nextDay, m_neighborJump, m_bold, m_rokuyo, m_sekki, m_rekichu, m_kOption})
        daysLayout->addWidget(box);

    auto* period = new QGroupBox(QStringLiteral("期間予定の初期値"), this);
    m_kFutosa = new QSpinBox(period);
    m_kFutosa->setObjectName("udKFutosa");
    m_kFutosa->setRange(1, 3);
    m_kColor = new ColourField(period);
    m_kColor->setObjectName("edtKColor");
    // The key keeps the colour text of the choice.
    connect(m_kColor, &ColourField::colourChosen, this,
            [this](TColor colour) { m_keys.set(&Settings::edtKColor, ColorToString(colour)); });
    m_kFutosa->setMaximumWidth(60);
    auto* periodLayout = new QFormLayout(period);
    periodLayout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    periodLayout->addRow(QStringLiteral("線の太さ："), m_kFutosa);
    periodLayout->addRow(QStringLiteral("線の色："), m_kColor);

    auto* firstMonth =
        RadioGroup("rgYFirstMonth", QStringLiteral("表示"),
                   {QStringLiteral("標準"), QStringLiteral("年度"), QStringLiteral("特別")}, m_firstMonth, this);
    m_hajimariTuki = new QSpinBox(firstMonth);
    m_hajimariTuki->setObjectName("SpHajimariTuki");
    m_hajimariTuki->setRange(1, 12);
    m_hajimariTuki->setSuffix(QStringLiteral(" 月"));
    static_cast<QVBoxLayout*>(firstMonth->layout())->addWidget(m_hajimariTuki);

    auto* layout = new QGridLayout(this);
    layout->addWidget(days, 0, 0);
    layout->addWidget(firstMonth, 0, 1, 2, 1);
    layout->addWidget(period, 1, 0);
    layout->setRowStretch(2, 1);

    BindKey(m_nextDay, keys, &Settings::cbNextDay);
    BindKey(m_neighborJump, keys, &Settings::cbNeighborJump);
    BindKey(m_bold, keys, &Settings::cbBold);
    BindKey(m_rokuyo, keys, &Settings::cbRokuyo);
    BindKey(m_sekki, keys, &Settings::cbSekki);
    BindKey(m_rekichu, keys, &Settings::cbRekichu);
    BindKey(m_kOption, keys, &Settings::cbKOption);
    BindKey(m_kFutosa, keys, &Settings::udKFutosa);
    BindKey(m_firstMonth, keys, &Settings::rgYFirstMonth);
    BindKey(m_hajimariTuki, keys, &Settings::SpHajimariTuki);
}

void CalendarSettingsPage::showValues() {
    const Settings& s = m_settings;
    m_nextDay->setChecked(s.cbNextDay);
    m_neighborJump->setChecked(s.cbNeighborJump);
    m_bold->setChecked(s.cbBold);
    m_rokuyo->setChecked(s.cbRokuyo);
    m_sekki->setChecked(s.cbSekki);
    m_rekichu->setChecked(s.cbRekichu);
    m_kOption->setChecked(s.cbKOption);
    m_kFutosa->setValue(s.udKFutosa);
    m_kColor->setColour(StringToColor(s.edtKColor).value_or(clBlue));
    SelectIndex(m_firstMonth, s.rgYFirstMonth);
    m_hajimariTuki->setValue(s.SpHajimariTuki);
}

} // namespace rekko
