// SPDX-License-Identifier: GPL-3.0-or-later
// The month page's buttons for Zunbo and Pomta, and the grid press that hands a day to Zunbo.
#include "SiblingPrograms.h"

#include "Residency.h"

#include "app/MainController.h"

#include <QApplication>

namespace rekko {

SiblingPrograms::SiblingPrograms(QObject* parent, MainController& controller, Dialogs& dialogs,
                                 const MonthPageButtons& buttons, MonthView& view, Residency& residency)
    : QObject(parent), m_controller(controller), m_dialogs(dialogs), m_buttons(buttons), m_view(view),
      m_residency(residency) {}

SiblingPrograms::~SiblingPrograms() = default;

void SiblingPrograms::offer(bool editorUsable) {
    if (m_controller.zunbo() && !m_diary) {
        DiaryButtonLook& look = *this;
        m_diary = std::make_unique<DiaryButton>(look, m_link, m_starter, m_dialogs, *m_controller.zunbo());
        connect(m_buttons.zunbo, &QPushButton::clicked, this, [this] { m_diary->press(m_controller.today()); });
        m_view.takeDayPress = [this](int32_t day) { return m_diary->gridPressed(day); };
        m_view.takeRelease = [this] { return m_diary->gridReleased(); };
    }
    if (m_controller.pomta() && !m_pomta) {
        m_pomta = std::make_unique<PomtaLauncher>(m_instances, m_dialogs, m_starter, *m_controller.pomta());
        if (editorUsable)
            connect(m_buttons.memo, &QPushButton::clicked, this, &SiblingPrograms::openMemoInEditor);
    }
}

void SiblingPrograms::startEditor() {
    if (m_pomta)
        m_pomta->startFromHotkey();
}

void SiblingPrograms::openMemoInEditor() {
    // Pomta opens the memo file itself.
    if (m_pomta->openMemo(m_controller.files().memoFile.string()) && m_controller.settings().cbRekkoJ)
        m_residency.goResident();
}

void SiblingPrograms::showArmed() {
    QPushButton* button = m_buttons.zunbo;
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, Qt::cyan);
    button->setPalette(palette);
    button->setText(QStringLiteral("日付指定"));
}

void SiblingPrograms::showNormal() {
    QPushButton* button = m_buttons.zunbo;
    button->setPalette(QApplication::palette(button));
    button->setText(QStringLiteral("Zunbo"));
}

} // namespace rekko
