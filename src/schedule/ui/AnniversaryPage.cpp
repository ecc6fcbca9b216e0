// SPDX-License-Identifier: GPL-3.0-or-later
// The anniversary page.
#include "AnniversaryPage.h"

#include "controls/ui/LosslessText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace rekko {

AnniversaryPage::AnniversaryPage(QWidget* parent)
    : QWidget(parent), m_text(new TSeEdit), m_firstYear(new TSeNEdit(4)), m_lastYear(new TSeNEdit(4)) {
    setObjectName("tsKinenbi");
    m_text->setObjectName("edtKinenbi");
    m_firstYear->setObjectName("edtYear1");
    m_lastYear->setObjectName("edtYear2");
    for (TSeNEdit* year : {m_firstYear, m_lastYear})
        year->setFixedWidth(56);
    m_text->setKeyDownNext(m_firstYear);
    m_firstYear->setKeyUpNext(m_text);
    m_firstYear->setKeyRightNext(m_lastYear);
    m_lastYear->setKeyUpNext(m_text);
    m_lastYear->setKeyLeftNext(m_firstYear);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QString::fromUtf8("記念日")), 0, 0);
    grid->addWidget(m_text, 0, 1);
    auto* years = new QHBoxLayout;
    years->addWidget(m_firstYear);
    years->addWidget(new QLabel(QString::fromUtf8("年から")));
    years->addWidget(m_lastYear);
    years->addWidget(new QLabel(QString::fromUtf8("年まで")));
    years->addStretch();
    grid->addWidget(new QLabel(QString::fromUtf8("表示年")), 1, 0);
    grid->addLayout(years, 1, 1);
    grid->setRowStretch(2, 1);
}

void AnniversaryPage::setAnniversary(const Anniversary& anniversary) {
    m_text->setText(ToQString(anniversary.text));
    m_firstYear->setText(ToQString(anniversary.firstYear));
    m_lastYear->setText(ToQString(anniversary.lastYear));
    m_position = anniversary.position;
    for (QLineEdit* field :
         {static_cast<QLineEdit*>(m_text), static_cast<QLineEdit*>(m_firstYear), static_cast<QLineEdit*>(m_lastYear)})
        field->setModified(false);
}

Anniversary AnniversaryPage::anniversary() const {
    return {FromQString(m_firstYear->text()), FromQString(m_lastYear->text()), FromQString(m_text->text()), m_position};
}

} // namespace rekko
