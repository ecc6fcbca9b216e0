// SPDX-License-Identifier: GPL-3.0-or-later
// The settings sub-page "同期".
#include "SyncSettingsPage.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace rekko {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

template <class W> W* Named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

SyncSettingsPage::SyncSettingsPage(SyncTable& settings, SyncCommand& command, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_command(command) {
    setObjectName("tsDouki");
    m_c.edtServer = Named(new QLineEdit(this), "edtServer");
    m_c.edtServer->setPlaceholderText(QStringLiteral("https://example.com/dav/"));
    m_c.edtUser = Named(new QLineEdit(this), "edtUser");
    m_c.edtPassword = Named(new QLineEdit(this), "edtPassword");
    m_c.edtPassword->setEchoMode(QLineEdit::Password);
    m_c.lblPassword = Named(new QLabel(this), "lblPassword");
    m_c.lblPassword->setWordWrap(true);
    m_c.cbCalendar = Named(new QComboBox(this), "cbCalendar");
    m_c.cbCalendar->setMinimumContentsLength(20);
    m_c.btnCalendars = Named(new QPushButton(QStringLiteral("一覧を取得(&L)"), this), "btnCalendars");
    m_c.udInterval = Named(new QSpinBox(this), "udInterval");
    m_c.udInterval->setRange(0, 1440);
    m_c.cbTrust = Named(new QCheckBox(QStringLiteral("自己署名の証明書のサーバーを信頼する(&K)"), this), "cbTrust");
    m_c.lblKey = Named(new QLabel(this), "lblKey");
    m_c.lblKey->setWordWrap(true);
    m_c.lblKey->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* form = new QFormLayout;
    const auto row = [form, this](const QString& caption, QWidget* field) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    row(QStringLiteral("サーバーのアドレス(&S)"), m_c.edtServer);
    row(QStringLiteral("ユーザー名(&U)"), m_c.edtUser);
    row(QStringLiteral("パスワード(&P)"), m_c.edtPassword);
    form->addRow(QString(), m_c.lblPassword);
    auto* calendar = new QHBoxLayout;
    calendar->addWidget(m_c.cbCalendar, 1);
    calendar->addWidget(m_c.btnCalendars);
    auto* calendarLabel = new QLabel(QStringLiteral("カレンダー(&C)"), this);
    calendarLabel->setBuddy(m_c.cbCalendar);
    form->addRow(calendarLabel, calendar);
    auto* interval = new QHBoxLayout;
    interval->addWidget(m_c.udInterval);
    interval->addWidget(new QLabel(QStringLiteral("分ごと（0：手動のみ）"), this));
    interval->addStretch();
    auto* intervalLabel = new QLabel(QStringLiteral("同期の間隔(&I)"), this);
    intervalLabel->setBuddy(m_c.udInterval);
    form->addRow(intervalLabel, interval);
    form->addRow(QString(), m_c.cbTrust);
    form->addRow(QString(), m_c.lblKey);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();

    connect(m_c.edtServer, &QLineEdit::editingFinished, this, &SyncSettingsPage::takeServer);
    connect(m_c.edtUser, &QLineEdit::editingFinished, this, [this] {
        m_settings.set(&SyncSettings::User, m_c.edtUser->text().trimmed().toStdString());
        showPasswordKept();
    });
    connect(m_c.edtPassword, &QLineEdit::editingFinished, this, &SyncSettingsPage::takePassword);
    // The indicator and the menu take no focus, so the field is not left before a sync they start.
    connect(m_c.edtPassword, &QLineEdit::textEdited, this, [this](const QString& typed) {
        if (!typed.isEmpty())
            m_command.usePassword(typed.toStdString());
    });
    connect(m_c.btnCalendars, &QPushButton::clicked, this, &SyncSettingsPage::listCalendars);
    connect(m_c.cbCalendar, &QComboBox::activated, this, [this](int index) {
        m_settings.set(&SyncSettings::Calendar, m_c.cbCalendar->itemData(index).toString().toStdString());
    });
    connect(m_c.udInterval, &QSpinBox::valueChanged, this,
            [this](int minutes) { m_settings.set(&SyncSettings::Interval, minutes); });
    connect(m_c.cbTrust, &QCheckBox::clicked, this, &SyncSettingsPage::trustToggled);
    showValues();
}

void SyncSettingsPage::showValues() {
    const SyncSettings& s = m_settings.values();
    m_c.edtServer->setText(Text(s.Server));
    m_c.edtUser->setText(Text(s.User));
    m_c.udInterval->setValue(s.Interval);
    const int shown = m_c.cbCalendar->findData(Text(s.Calendar));
    if (shown >= 0) {
        m_c.cbCalendar->setCurrentIndex(shown);
    } else if (!s.Calendar.empty()) {
        m_c.cbCalendar->addItem(Text(s.Calendar), Text(s.Calendar));
        m_c.cbCalendar->setCurrentIndex(m_c.cbCalendar->count() - 1);
    }
    showTrust();
    showPasswordKept();
}

void SyncSettingsPage::takeServer() {
    const std::string server = m_c.edtServer->text().trimmed().toStdString();
    if (server == m_settings.values().Server)
        return;
    m_settings.set(&SyncSettings::Server, server);
    showTrust();
    showPasswordKept();
}

void SyncSettingsPage::takePassword() {
    const QString password = m_c.edtPassword->text();
    if (password.isEmpty())
        return;
    // A secret store that refuses it leaves the password with the command for this run.
    (void)m_command.setPassword(password.toStdString());
    m_c.edtPassword->clear();
    showPasswordKept();
}

void SyncSettingsPage::showPasswordKept() {
    const PasswordPlace place = m_command.passwordPlace();
    m_c.edtPassword->setPlaceholderText(place == PasswordPlace::Store     ? QStringLiteral("（保存済み）")
                                        : place == PasswordPlace::ThisRun ? QStringLiteral("（終了まで有効）")
                                                                          : QString());
    m_c.lblPassword->setText(place == PasswordPlace::None ? QStringLiteral("パスワードは保存されていません。")
                             : place == PasswordPlace::Store ? QString()
                                                             : QString::fromUtf8(kPasswordNotStoredNote));
}

void SyncSettingsPage::listCalendars() {
    m_c.btnCalendars->setEnabled(false);
    const bool asked = m_command.listCalendars([this](const ServerReply<std::vector<ServerCalendar>>& reply) {
        m_c.btnCalendars->setEnabled(true);
        if (!reply.ok()) {
            m_c.lblKey->setText(QStringLiteral("カレンダーの一覧を取得できません：") + Text(reply.message));
            return;
        }
        const QString chosen = Text(m_settings.values().Calendar);
        m_c.cbCalendar->clear();
        for (const ServerCalendar& calendar : reply.value)
            m_c.cbCalendar->addItem(Text(calendar.name), Text(calendar.href));
        const int shown = m_c.cbCalendar->findData(chosen);
        m_c.cbCalendar->setCurrentIndex(shown >= 0 ? shown : 0);
        // With no calendar chosen before, the first one found is the one synced with.
        if (shown < 0 && !reply.value.empty())
            m_settings.set(&SyncSettings::Calendar, reply.value.front().href);
        showTrust();
    });
    if (!asked) {
        m_c.btnCalendars->setEnabled(true);
        showNotAsked();
    }
}

void SyncSettingsPage::trustToggled(bool on) {
    const std::string server = m_settings.values().Server;
    if (!on) {
        m_settings.set(&SyncSettings::TrustedKeys, WithTrustedKey(m_settings.values().TrustedKeys, server, ""));
        showTrust();
        return;
    }
    m_c.cbTrust->setEnabled(false);
    const bool asked = m_command.fetchKeyPin([this, server](const ServerReply<std::string>& reply) {
        m_c.cbTrust->setEnabled(true);
        if (reply.ok() && m_settings.values().Server == server)
            m_settings.set(&SyncSettings::TrustedKeys,
                           WithTrustedKey(m_settings.values().TrustedKeys, server, reply.value));
        showTrust();
        if (!reply.ok())
            m_c.lblKey->setText(QStringLiteral("サーバーの鍵を取得できません：") + Text(reply.message));
    });
    if (!asked) {
        m_c.cbTrust->setEnabled(true);
        showTrust();
        showNotAsked();
    }
}

void SyncSettingsPage::showNotAsked() {
    m_c.lblKey->setText(m_command.running() ? QStringLiteral("同期中です。終わってからもう一度お試しください。")
                                            : QStringLiteral("同期機能がありません。"));
}

void SyncSettingsPage::showTrust() {
    const std::string key = TrustedKeyOf(m_settings.values(), m_settings.values().Server);
    m_c.cbTrust->setChecked(!key.empty());
    m_c.lblKey->setText(key.empty() ? QStringLiteral("証明書は認証局の署名で確かめます。")
                                    : QStringLiteral("信頼する鍵：") + Text(key));
}

} // namespace rekko
