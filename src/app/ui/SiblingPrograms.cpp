// SPDX-License-Identifier: GPL-3.0-or-later
// The month page's buttons for Zunbo and Pomta, and the grid press that hands a day to Zunbo.
#include "SiblingPrograms.h"

#include "MainWindow.h"
#include "Residency.h"

#include <QApplication>

namespace rekko {

SiblingPrograms::SiblingPrograms(MainWindow& window, Residency& residency)
    : QObject(&window), m_window(window), m_residency(residency) {}

SiblingPrograms::~SiblingPrograms() = default;

void SiblingPrograms::offer(bool editorUsable) {
    MainController& controller = m_window.controller();
    const MonthPageButtons& buttons = m_window.monthPage()->buttons();
    if (controller.zunbo() && !m_diary) {
        DiaryButtonView& look = *this;
        m_diary = std::make_unique<DiaryButton>(look, m_link, m_starter, m_window.dialogs(), *controller.zunbo());
        connect(buttons.zunbo, &QPushButton::clicked, this, [this] { m_diary->press(m_window.controller().today()); });
        MonthView* view = m_window.monthView();
        view->takeDayPress = [this](int32_t day) { return m_diary->gridPressed(day); };
        view->takeRelease = [this] { return m_diary->gridReleased(); };
    }
    if (controller.pomta() && !m_pomta) {
        m_pomta = std::make_unique<PomtaLauncher>(m_instances, m_window.dialogs(), m_starter, *controller.pomta());
        if (editorUsable)
            connect(buttons.memo, &QPushButton::clicked, this, &SiblingPrograms::openMemoInEditor);
    }
}

void SiblingPrograms::startEditor() {
    if (m_pomta)
        m_pomta->startFromHotkey();
}

void SiblingPrograms::openMemoInEditor() {
    // Pomta opens the memo file itself.
    if (m_pomta->openMemo(m_window.controller().files().memoFile.string()) && m_window.controller().settings().cbRekkoJ)
        m_residency.goResident();
}

void SiblingPrograms::showArmed() {
    QPushButton* button = m_window.monthPage()->buttons().zunbo;
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, Qt::cyan);
    button->setPalette(palette);
    button->setText(QStringLiteral("日付指定"));
}

void SiblingPrograms::showNormal() {
    QPushButton* button = m_window.monthPage()->buttons().zunbo;
    button->setPalette(QApplication::palette(button));
    button->setText(QStringLiteral("Zunbo"));
}

} // namespace rekko
