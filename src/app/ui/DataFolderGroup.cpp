// SPDX-License-Identifier: GPL-3.0-or-later
// The data-folder group of the settings page, bound to the data-folder change flow.
#include "DataFolderGroup.h"

#include <QApplication>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>

namespace rekko {

DataFolderGroup::DataFolderGroup(DataFolderChange& change, QWidget* parent)
    : QGroupBox(QStringLiteral("データフォルダ"), parent), m_change(change) {
    m_browser = [](QWidget* owner, const QString& start) {
        return QFileDialog::getExistingDirectory(owner, QStringLiteral("データフォルダ"), start);
    };
    m_edFolder = new QLineEdit(this);
    m_edFolder->setObjectName("edFolder");
    m_browse = new QToolButton(this);
    m_browse->setObjectName("FramSpeedBtn17");
    m_browse->setText(QStringLiteral("…"));
    m_browse->setToolTip(QStringLiteral("フォルダを選択します"));
    m_henkou = new QPushButton(QStringLiteral("変更"), this);
    m_henkou->setObjectName("btnHenkou");
    m_jikkou = new QPushButton(QStringLiteral("変更実行"), this);
    m_jikkou->setObjectName("btnDFJikkou");
    m_cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    m_cancel->setObjectName("btnDFCancel");
    auto* note = new QLabel(QStringLiteral("指定なし（推奨）は、Rekkoを起動したフォルダ"), this);
    m_programFolder = new QLabel(this);
    m_programFolder->setObjectName("lblProgramFolder");
    m_programFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_edFolder, 0, 0, 1, 3);
    layout->addWidget(m_browse, 0, 3);
    layout->addWidget(note, 1, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_henkou);
    buttons->addWidget(m_jikkou);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    layout->addLayout(buttons, 2, 0, 1, 4);
    layout->addWidget(m_programFolder, 3, 0, 1, 4);
    layout->setColumnStretch(0, 1);

    connect(m_browse, &QToolButton::clicked, this, &DataFolderGroup::browse);
    connect(m_henkou, &QPushButton::clicked, this, [this] {
        m_change.beginEdit();
        refresh();
        m_edFolder->setFocus();
    });
    connect(m_jikkou, &QPushButton::clicked, this, [this] {
        m_change.execute();
        refresh();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_change.cancel();
        refresh();
    });
    connect(m_edFolder, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_change.edit(text.toStdString()); });
    m_edFolder->installEventFilter(this);
    refresh();
}

void DataFolderGroup::reset(const std::string& folderAtStart, const QString& programFolder) {
    m_change.reset(folderAtStart);
    m_programFolder->setText(QStringLiteral("プログラムフォルダ：") + programFolder);
    refresh();
}

void DataFolderGroup::cancelPending() {
    m_change.cancel();
    refresh();
}

void DataFolderGroup::browse() {
    const QString chosen = m_browser(window(), QString::fromStdString(m_change.text()));
    m_change.chooseFolder(chosen.toStdString());
    refresh();
}

void DataFolderGroup::refresh() {
    m_edFolder->setText(QString::fromStdString(m_change.text()));
    const bool pending = m_change.pending();
    m_edFolder->setReadOnly(!pending);
    QPalette palette = m_edFolder->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(pending ? QPalette::Base : QPalette::Button));
    m_edFolder->setPalette(palette);
    m_jikkou->setEnabled(pending);
    m_cancel->setEnabled(pending);
}

bool DataFolderGroup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edFolder && event->type() == QEvent::FocusOut && !m_refusing) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        QWidget* next = QApplication::focusWidget();
        // Switching to another window is no leaving, and the buttons that decide the change must stay reachable.
        const bool leaving = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                             next != m_jikkou && next != m_cancel && next != m_browse;
        if (leaving && m_change.pending()) {
            m_refusing = true;
            m_change.refuseLeaving();
            m_refusing = false;
            QTimer::singleShot(0, m_edFolder, [this] { m_edFolder->setFocus(); });
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace rekko
