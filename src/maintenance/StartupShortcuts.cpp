// SPDX-License-Identifier: GPL-3.0-or-later
// Switching the program's shortcuts on and off with their questions.
#include "StartupShortcuts.h"

namespace rekko {

namespace {

struct Questions {
    const char* on;
    const char* off;
};

Questions QuestionsOf(ShortcutFolder folder) {
    switch (folder) {
    case ShortcutFolder::Startup:
        return {"Rekkoの自動起動を設定しても良いですか？", "Rekkoの自動起動を中止してもいいですか？"};
    case ShortcutFolder::Desktop:
        return {"デスクトップにショートカットを作成してもいいですか？",
                "デスクトップのショートカットを削除していいですか？"};
    case ShortcutFolder::StartMenu:
        return {"スタートメニューにRekkoを登録してもいいですか？", "スタートメニュー登録を解除していいですか？"};
    case ShortcutFolder::Programs:
        break;
    }
    return {"プログラムメニューにRekkoを登録してもいいですか？", "プログラムメニュー登録を解除していいですか？"};
}

} // namespace

StartupShortcuts::StartupShortcuts(Shortcuts& shortcuts, Dialogs& dialogs, std::filesystem::path program)
    : m_shortcuts(shortcuts), m_dialogs(dialogs), m_program(std::move(program)) {}

bool StartupShortcuts::present(ShortcutFolder folder) const {
    return m_shortcuts.state(folder, kShortcutName) != ShortcutState::Absent;
}

bool StartupShortcuts::switchOn(ShortcutFolder folder) {
    if (present(folder))
        return true;
    if (!m_dialogs.ask(QuestionsOf(folder).on))
        return false;
    if (const Status created = m_shortcuts.create(folder, kShortcutName, m_program); !created)
        m_dialogs.inform(created.error().cause);
    return present(folder);
}

bool StartupShortcuts::switchOff(ShortcutFolder folder) {
    if (!m_dialogs.ask(QuestionsOf(folder).off))
        return present(folder);
    // The user switches the group off: a shortcut of the name goes even when another program wrote it.
    if (const Status removed = m_shortcuts.remove(folder, kShortcutName, true); !removed)
        m_dialogs.inform(removed.error().cause);
    return present(folder);
}

} // namespace rekko
