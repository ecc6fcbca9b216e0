// SPDX-License-Identifier: GPL-3.0-or-later
// The commemoration page: its groups, switches and commands.
#include "CommemorationPage.h"

#include "base/Colour.h"
#include "controls/ui/ColourConversion.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace rekko {

namespace {

template <class W> W* Named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

CommemorationPage::CommemorationPage(MaintenanceShell& shell, CommemorationCommands& commands, QWidget* parent)
    : QWidget(parent), m_shell(shell), m_commands(commands) {
    setObjectName("tsSP");
    m_c.lblSP = Named(new QLabel(this), "lblSP");

    auto* corner = new QGroupBox(QStringLiteral(" 右下表示 "), this);
    m_c.edtMigishita = Named(new QLineEdit(corner), "edtMigishita");
    m_c.cbMigishita = Named(new QCheckBox(QStringLiteral("表示する"), corner), "cbMigishita");
    m_c.cbHorikomi = Named(new QCheckBox(QStringLiteral("彫り込み"), corner), "cbHorikomi");
    auto* cornerLayout = new QHBoxLayout(corner);
    cornerLayout->addWidget(m_c.edtMigishita, 1);
    cornerLayout->addWidget(m_c.cbMigishita);
    cornerLayout->addWidget(m_c.cbHorikomi);

    auto* import = new QGroupBox(QStringLiteral(" Rekko記念予定読込 "), this);
    m_c.btnYomikomiOn = Named(new QPushButton(QStringLiteral("「読込」をＯＮ"), import), "btnYomikomiOn");
    m_c.cbYYuusen = Named(new QCheckBox(QStringLiteral("前に挿入"), import), "cbYYuusen");
    m_c.cbColor = Named(new QCheckBox(QStringLiteral("規定色"), import), "cbColor");
    m_c.colourLabel = new QLabel(QStringLiteral("読込色"), import);
    m_c.edtSPColor = Named(new QLabel(import), "edtSPColor");
    m_c.edtSPColor->setFixedSize(40, 20);
    m_c.edtSPColor->setAutoFillBackground(true);
    m_c.edtSPColor->setFrameShape(QFrame::Box);
    m_c.changeColour = new QPushButton(QStringLiteral("読込色の変更"), import);
    m_c.btnYMerge = Named(new QPushButton(QStringLiteral("予定追加読込"), import), "btnYMerge");
    auto* importLayout = new QGridLayout(import);
    importLayout->addWidget(m_c.btnYomikomiOn, 0, 0);
    importLayout->addWidget(m_c.cbYYuusen, 0, 1);
    importLayout->addWidget(m_c.cbColor, 0, 2);
    importLayout->addWidget(m_c.btnYMerge, 0, 3);
    importLayout->addWidget(m_c.colourLabel, 1, 1);
    importLayout->addWidget(m_c.edtSPColor, 1, 2);
    importLayout->addWidget(m_c.changeColour, 1, 3);

    auto* removal = new QGroupBox(QStringLiteral(" 削除 "), this);
    m_c.btnDelOn = Named(new QPushButton(QStringLiteral("「削除」をＯＮ"), removal), "btnDelOn");
    m_c.codeLabel = new QLabel(QStringLiteral("削除コード："), removal);
    m_c.edtDel = Named(new QLineEdit(removal), "edtDel");
    m_c.edtDel->setFixedWidth(80);
    m_c.btnDel = Named(new QPushButton(QStringLiteral("削除開始"), removal), "btnDel");
    auto* removalLayout = new QHBoxLayout(removal);
    for (QWidget* w : std::initializer_list<QWidget*>{m_c.btnDelOn, m_c.codeLabel, m_c.edtDel, m_c.btnDel})
        removalLayout->addWidget(w);
    removalLayout->addStretch();

    m_c.apply = Named(new QPushButton(QStringLiteral("適用(&W)"), this), "btnTekiyou");
    m_c.cancel = Named(new QPushButton(QStringLiteral("中止(&Q)"), this), "btnChuushi");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_c.apply);
    buttons->addWidget(m_c.cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_c.lblSP);
    layout->addWidget(corner);
    layout->addWidget(import);
    layout->addWidget(removal);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_c.edtMigishita, &QLineEdit::textEdited, this, &CommemorationPage::changed);
    for (QCheckBox* box : {m_c.cbMigishita, m_c.cbHorikomi})
        connect(box, &QCheckBox::clicked, this, &CommemorationPage::changed);
    connect(m_c.cbColor, &QCheckBox::toggled, this, &CommemorationPage::showColour);
    connect(m_c.changeColour, &QPushButton::clicked, this, [this] {
        const QColor chosen =
            QColorDialog::getColor(ToQColor(StringToColor(m_values.pCedtSPColor).value_or(0), palette()), this);
        if (!chosen.isValid())
            return;
        m_values.pCedtSPColor = ColorToString(FromQColor(chosen));
        showColour();
        changed();
    });
    connect(m_c.btnYomikomiOn, &QPushButton::clicked, this, &CommemorationPage::switchImport);
    connect(m_c.btnYMerge, &QPushButton::clicked, this, [this] {
        const CommandEnd end = m_commands.import(
            {.insertBefore = m_c.cbYYuusen->isChecked(),
             .colour = m_c.cbColor->isChecked() ? std::nullopt : std::optional(m_values.pCedtSPColor)});
        afterRun(end);
        if (end == CommandEnd::Done)
            setImportOn(false);
    });
    connect(m_c.btnDelOn, &QPushButton::clicked, this, &CommemorationPage::switchDeletion);
    connect(m_c.edtDel, &QLineEdit::textEdited, this, [this] { m_c.btnDel->setEnabled(true); });
    connect(m_c.btnDel, &QPushButton::clicked, this, [this] {
        const CommandEnd end = m_commands.remove(m_c.edtDel->text().toStdString());
        afterRun(end);
        if (end == CommandEnd::Done)
            setDeletionOn(false);
    });
    connect(m_c.apply, &QPushButton::clicked, this, &CommemorationPage::apply);
    connect(m_c.cancel, &QPushButton::clicked, this, &CommemorationPage::closeRequested);
}

void CommemorationPage::open() {
    m_values = m_shell.commemoration();
    setTitle(QString::fromStdString(m_values.pClblSp));
    m_c.edtMigishita->setText(QString::fromStdString(m_values.pCedtMigishita));
    m_c.cbMigishita->setChecked(m_values.pCcbMigishita);
    m_c.cbHorikomi->setChecked(m_values.pCcbHorikomi);
    m_c.cbYYuusen->setChecked(m_values.pCcbYuusen);
    m_c.cbColor->setChecked(true);
    showColour();
    setImportOn(false);
    setDeletionOn(false);
    m_c.apply->setEnabled(false);
    m_c.cancel->setEnabled(false);
}

void CommemorationPage::setTitle(const QString& name) {
    m_c.lblSP->setText(name);
}

void CommemorationPage::changed() {
    m_c.apply->setEnabled(true);
    m_c.cancel->setEnabled(true);
}

void CommemorationPage::showColour() {
    const bool own = !m_c.cbColor->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{m_c.colourLabel, m_c.edtSPColor, m_c.changeColour})
        w->setVisible(own);
    QPalette swatch = m_c.edtSPColor->palette();
    swatch.setColor(QPalette::Window, ToQColor(StringToColor(m_values.pCedtSPColor).value_or(0), palette()));
    m_c.edtSPColor->setPalette(swatch);
}

void CommemorationPage::setImportOn(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_c.cbYYuusen, m_c.cbColor, m_c.btnYMerge})
        w->setEnabled(on);
}

void CommemorationPage::switchImport() {
    setImportOn(!m_c.btnYMerge->isEnabled() && m_commands.mayImport());
}

void CommemorationPage::setDeletionOn(bool on) {
    m_c.edtDel->setEnabled(on);
    m_c.codeLabel->setEnabled(on);
    m_c.btnDel->setEnabled(false);
    if (on)
        m_c.edtDel->setFocus();
}

void CommemorationPage::switchDeletion() {
    setDeletionOn(!m_c.edtDel->isEnabled() && m_commands.mayDelete());
}

void CommemorationPage::afterRun(CommandEnd end) {
    if (end == CommandEnd::Failed) {
        emit closeRequested();
        return;
    }
    if (end != CommandEnd::Done)
        return;
    m_c.apply->setEnabled(true);
    m_c.cancel->setEnabled(false);
    emit leaveByApplyOnly();
}

void CommemorationPage::apply() {
    m_values.pCedtMigishita = m_c.edtMigishita->text().toStdString();
    m_values.pCcbMigishita = m_c.cbMigishita->isChecked();
    m_values.pCcbHorikomi = m_c.cbHorikomi->isChecked();
    m_values.pCcbYuusen = m_c.cbYYuusen->isChecked();
    m_shell.keepCommemoration(m_values);
    emit closeRequested();
}

} // namespace rekko
