// SPDX-License-Identifier: GPL-3.0-or-later
// The menu entries of the maintenance window and the window made when first needed.
#include "MaintenanceLink.h"

#include "platform/ProgramLocation.h"

#include <QApplication>

namespace rekko {

MaintenanceLink::MaintenanceLink(const MaintenanceMenu& menu, MaintenanceCalls calls, Dialogs& dialogs,
                                 const Clock& clock, const DayRules& rules, QWidget* window)
    : QObject(window), m_calls(std::move(calls)), m_dialogs(dialogs), m_clock(clock), m_rules(rules), m_window(window) {
    for (const auto& [action, page] :
         {std::pair{menu.backup, SetupPage::Backup}, std::pair{menu.excel, SetupPage::Excel},
          std::pair{menu.anniversaries, SetupPage::Anniversaries},
          std::pair{menu.commemoration, SetupPage::Commemoration},
          std::pair{menu.commemorationAdmin, SetupPage::CommemorationAdmin}})
        connect(action, &QAction::triggered, this, [this, page = page] { open(page); });
    connect(menu.textExport, &QAction::triggered, this, [this] { open(SetupPage::Backup, true); });
    connect(menu.revealsAdmin, &QAbstractButton::released, this, [admin = menu.commemorationAdmin] {
        constexpr Qt::KeyboardModifiers held = Qt::ControlModifier | Qt::AltModifier;
        if ((QApplication::keyboardModifiers() & held) == held)
            admin->setVisible(true);
    });
}

SetupWindow& MaintenanceLink::setupWindow() {
    if (!m_setupWindow)
        m_setupWindow = new SetupWindow({*this,
                                         m_dialogs,
                                         m_drives,
                                         m_clock,
                                         m_rules,
                                         m_spreadsheet,
                                         ShippedFolder(ExecutablePath()),
                                         m_shortcuts,
                                         ExecutablePath(),
                                         m_starter,
                                         {DefaultSetupLocation(m_folders), SorelLocation(m_folders)}},
                                        m_window);
    return *m_setupWindow;
}

void MaintenanceLink::open(SetupPage page, bool exportOnly) {
    m_calls.saveAll();
    setupWindow().openOn(page, exportOnly);
}

void MaintenanceLink::showText(const QString& caption, const QString& text) {
    setupWindow().showText(caption, text);
}

} // namespace rekko
