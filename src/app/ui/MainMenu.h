// The main window's menu bar: every command by its name, grouped as a Japanese user expects.
#pragma once

#include <QAction>
#include <QHash>
#include <QMenuBar>
#include <QString>

namespace rekko {

class MainMenu : public QObject {
    Q_OBJECT
public:
    // Builds the menus into the menu bar.
    explicit MainMenu(QMenuBar* bar);

    // Returns a command by its name (mmShuuryou, mmZengetu, mmKidouJikoku, mnJikoku, mmMemo, …); null for none.
    QAction* action(const QString& name) const { return m_actions.value(name); }

private:
    QAction* add(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut = {});

    QHash<QString, QAction*> m_actions;
};

} // namespace rekko
