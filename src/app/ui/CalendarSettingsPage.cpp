// The settings sub-page "暦".
#include "CalendarSettingsPage.h"

#include "SettingsWidgets.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace rekko {

CalendarSettingsPage::CalendarSettingsPage(QWidget* parent) : QWidget(parent) {
    setObjectName("tsKoyomi");
    auto* days = new QGroupBox(QStringLiteral("日付の表示"), this);
    m_nextDay = NamedCheckBox("cbNextDay", QStringLiteral("祭日表示を次の日にまで延長"), days);
    m_neighborJump = NamedCheckBox("cbNeighborJump", QStringLiteral("当月以外の日クリックで隣月移動許可"), days);
    m_bold = NamedCheckBox("cbBold", QStringLiteral("日付を太字"), days);
    m_rokuyo = NamedCheckBox("cbRokuyo", QStringLiteral("六曜を表示する"), days);
    m_kOption = NamedCheckBox("cbKOption", QStringLiteral("記念日オプションを使う"), days);
    auto* daysLayout = new QVBoxLayout(days);
    for (QCheckBox* box : {m_nextDay, m_neighborJump, m_bold, m_rokuyo, m_kOption})
        daysLayout->addWidget(box);
    connect(m_rokuyo, &QCheckBox::clicked, this, &CalendarSettingsPage::rokuyoSwitched);

    auto* period = new QGroupBox(QStringLiteral("期間予定の初期値"), this);
    m_kFutosa = new QSpinBox(period);
    m_kFutosa->setObjectName("udKFutosa");
    m_kFutosa->setRange(1, 3);
    m_kColor = new QLineEdit(period);
    m_kColor->setObjectName("edtKColor");
    m_kColor->setReadOnly(true);
    m_kColor->setMaximumWidth(120);
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
}

void CalendarSettingsPage::apply(const Settings& s) {
    m_nextDay->setChecked(s.cbNextDay);
    m_neighborJump->setChecked(s.cbNeighborJump);
    m_bold->setChecked(s.cbBold);
    m_rokuyo->setChecked(s.cbRokuyo);
    m_kOption->setChecked(s.cbKOption);
    m_kFutosa->setValue(s.udKFutosa);
    m_kColor->setText(QString::fromStdString(s.edtKColor));
    SelectIndex(m_firstMonth, s.rgYFirstMonth);
    m_hajimariTuki->setValue(s.SpHajimariTuki);
}

void CalendarSettingsPage::collect(Settings& s) const {
    s.cbNextDay = m_nextDay->isChecked();
    s.cbNeighborJump = m_neighborJump->isChecked();
    s.cbBold = m_bold->isChecked();
    s.cbRokuyo = m_rokuyo->isChecked();
    s.cbKOption = m_kOption->isChecked();
    s.udKFutosa = m_kFutosa->value();
    s.edtKColor = m_kColor->text().toStdString();
    s.rgYFirstMonth = std::max(0, m_firstMonth->checkedId());
    s.SpHajimariTuki = m_hajimariTuki->value();
}

} // namespace rekko
