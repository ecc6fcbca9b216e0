// SPDX-License-Identifier: GPL-3.0-or-later
// The commemoration management page: the warning, the delete-code stamp and the display name.
#include "CommemorationAdminPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace rekko {

CommemorationAdminPage::CommemorationAdminPage(MaintenanceShell& shell, CommemorationCommands& commands,
                                               QWidget* parent)
    : QWidget(parent), m_shell(shell), m_commands(commands) {
    setObjectName("tsKinenKanri");
    auto* layout = new QVBoxLayout(this);
    for (const char* line :
         {"データフォルダーにある以下の拡張子のファイルすべてに削除コードを記入し、 *.cmr にする",
          "この機能をよく見つけられました。ヤンヤ！ヤンヤ！",
          "しかし、ここの機能はよくわかっている方でないと危険ですから、", "絶対に、使用しないでください。"})
        layout->addWidget(new QLabel(QString::fromUtf8(line), this));

    m_c.edtCD = new QLineEdit(this);
    m_c.edtCD->setObjectName("edtCD");
    m_c.cbCD = new QComboBox(this);
    m_c.cbCD->setObjectName("cbCD");
    m_c.cbCD->addItems({QStringLiteral("cmr"), QStringLiteral("myc")});
    m_c.btnCD = new QPushButton(QStringLiteral("削除コード記入"), this);
    m_c.btnCD->setObjectName("btnCD");
    m_c.edtSP = new QLineEdit(this);
    m_c.edtSP->setObjectName("edtSP");
    m_c.btnSP = new QPushButton(QStringLiteral("ＯＫ"), this);
    m_c.btnSP->setObjectName("btnSP");
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("記入する削除コード："), this), 0, 0);
    grid->addWidget(m_c.edtCD, 0, 1);
    grid->addWidget(m_c.cbCD, 0, 2);
    grid->addWidget(m_c.btnCD, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("表示名："), this), 1, 0);
    grid->addWidget(m_c.edtSP, 1, 1, 1, 2);
    grid->addWidget(m_c.btnSP, 1, 3);
    layout->addLayout(grid);
    layout->addStretch();

    connect(m_c.btnCD, &QPushButton::clicked, this, [this] {
        const StampTarget target = m_c.cbCD->currentIndex() == 1 ? StampTarget::MonthFiles : StampTarget::SetFiles;
        const CommandEnd end = m_commands.stamp(m_c.edtCD->text().toStdString(), target);
        if (end == CommandEnd::Failed)
            emit closeRequested();
    });
    connect(m_c.edtSP, &QLineEdit::textEdited, this, [this] { m_c.btnSP->setEnabled(true); });
    connect(m_c.btnSP, &QPushButton::clicked, this, [this] {
        Commemoration values = m_shell.commemoration();
        values.pCedtSp = values.pClblSp = m_c.edtSP->text().toStdString();
        m_shell.keepCommemoration(values);
        m_c.btnSP->setEnabled(false);
        emit nameChanged(m_c.edtSP->text());
    });
}

void CommemorationAdminPage::open() {
    m_c.edtSP->setText(QString::fromStdString(m_shell.commemoration().pCedtSp));
    m_c.btnSP->setEnabled(false);
}

} // namespace rekko
