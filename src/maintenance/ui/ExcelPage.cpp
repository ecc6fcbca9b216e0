// SPDX-License-Identifier: GPL-3.0-or-later
// The Excel page's controls and what its buttons do.
#include "ExcelPage.h"

#include "maintenance/OfficeWorkbook.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace rekko {

namespace {

QString Caption(const char* text) {
    return QString::fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

ExcelPage::ExcelPage(ExcelCalendar& calendar, SetupTable& setup, QWidget* parent)
    : QWidget(parent), m_calendar(calendar), m_setup(setup) {
    setObjectName("tsExcel");
    auto* heading = new QLabel(QStringLiteral("エクセルカレンダ作成＆印刷"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);

    m_c.cbExTitle = option(&SetupSettings::cbExTitle, "cbExTitle", "タイトル記入");
    auto* form = new QGroupBox(QStringLiteral(" タイトル形式 "), this);
    form->setObjectName("rgExTitle");
    auto* forms = new QButtonGroup(form);
    auto* formRow = new QHBoxLayout(form);
    for (int index = 0; const char* caption : {"年月", "年月+タイトル", "タイトルのみ"}) {
        auto* button = new QRadioButton(QString::fromUtf8(caption), form);
        forms->addButton(button, index);
        formRow->addWidget(button);
        m_c.rgExTitle[static_cast<size_t>(index++)] = button;
    }
    connect(forms, &QButtonGroup::idToggled, this, [this](int index, bool on) {
        if (on && !m_showing)
            m_setup.set(&SetupSettings::rgExTitle, index);
    });
    m_c.edtExTitle = new QLineEdit(this);
    m_c.edtExTitle->setObjectName("edtExTitle");
    connect(m_c.edtExTitle, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_setup.set(&SetupSettings::edtExTitle, text.toStdString()); });
    m_c.cbExDate = option(&SetupSettings::cbExDate, "cbExDate", "作成日付記入");
    m_c.cbExSaijitu = option(&SetupSettings::cbExSaijitu, "cbExSaijitu", "祭日記入");
    m_c.cbExKinenbi = option(&SetupSettings::cbExKinenbi, "cbExKinenbi", "記念日記入");
    m_c.cbExNaiyou = option(&SetupSettings::cbExNaiyou, "cbExNaiyou", "内容記入");
    m_c.cbExShoshiki = option(&SetupSettings::cbExShoshiki, "cbExShoshiki", "書式も書き出す");
    m_c.cbExPreview = option(&SetupSettings::cbExPreview, "cbExPreview", "プレビューを表示");
    connect(m_c.cbExPreview, &QCheckBox::toggled, this,
            [this](bool on) { m_c.btnExSakusei->setText(Caption(CreateButtonCaption(on))); });

    m_c.btnExSakusei = new QPushButton(this);
    m_c.btnExSakusei->setObjectName("btnExSakusei");
    m_c.btnExSakusei->setMinimumSize(150, 52);
    connect(m_c.btnExSakusei, &QPushButton::clicked, this, &ExcelPage::create);
    m_c.btnExMoto = new QPushButton(QStringLiteral("規定値に戻す"), this);
    m_c.btnExMoto->setObjectName("btnExMoto");
    connect(m_c.btnExMoto, &QPushButton::clicked, this, [this] {
        if (m_calendar.resetOptions())
            showValues();
    });

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(new QLabel(QStringLiteral("タイトル："), this));
    titleRow->addWidget(m_c.edtExTitle, 1);
    auto* options = new QGridLayout;
    options->addWidget(m_c.cbExTitle, 0, 0);
    options->addWidget(form, 0, 1);
    options->addLayout(titleRow, 1, 1);
    options->addWidget(m_c.cbExDate, 2, 0);
    options->addWidget(m_c.cbExSaijitu, 3, 0);
    options->addWidget(m_c.cbExKinenbi, 4, 0);
    options->addWidget(m_c.cbExNaiyou, 5, 0);
    options->addWidget(m_c.cbExShoshiki, 2, 1);
    options->addWidget(m_c.cbExPreview, 3, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_c.btnExSakusei);
    buttons->addWidget(m_c.btnExMoto);
    buttons->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addLayout(options, 1);
    middle->addSpacing(16);
    middle->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(middle);
    for (const char* note : {"注意：予定の内容を作成できるのは、日々の予定のみで、期間予定は除かれます。",
                             "※プレビュー作業が終わりましたら、「閉じる」ボタンを押してください。",
                             "印刷はプレビュー画面から行ってください。"}) {
        auto* label = new QLabel(QString::fromUtf8(note), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addStretch();
}

QCheckBox* ExcelPage::option(bool SetupSettings::*key, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), this);
    box->setObjectName(name);
    connect(box, &QCheckBox::toggled, this, [this, key](bool on) {
        if (!m_showing)
            m_setup.set(key, on);
    });
    return box;
}

void ExcelPage::showValues() {
    m_showing = true;
    const SetupSettings& s = m_setup.values();
    m_c.cbExTitle->setChecked(s.cbExTitle);
    m_c.rgExTitle[static_cast<size_t>(std::clamp(s.rgExTitle, 0, 2))]->setChecked(true);
    m_c.edtExTitle->setText(QString::fromStdString(s.edtExTitle));
    m_c.cbExDate->setChecked(s.cbExDate);
    m_c.cbExSaijitu->setChecked(s.cbExSaijitu);
    m_c.cbExKinenbi->setChecked(s.cbExKinenbi);
    m_c.cbExNaiyou->setChecked(s.cbExNaiyou);
    m_c.cbExShoshiki->setChecked(s.cbExShoshiki);
    m_c.cbExPreview->setChecked(s.cbExPreview);
    m_c.btnExSakusei->setText(Caption(CreateButtonCaption(s.cbExPreview)));
    m_showing = false;
}

void ExcelPage::create() {
    OfficeWorkbook workbook;
    if (const auto file = m_calendar.create(workbook))
        emit workbookWritten(QString::fromStdString(file->string()));
}

} // namespace rekko
