// SPDX-License-Identifier: GPL-3.0-or-later
// The setup's switches between this edition and the earlier edition Sorel installed in the location: the texts of
// the inactive edition kept under ".Srl" or ".Rko", the shortcuts replaced, then the hand-over.
#include "SetupRun.h"

#include "MonthWorkbook.h"
#include "NoCaseNames.h"

#include "base/FileCopy.h"
#include "files/UserFiles.h"

namespace rekko {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSorelFileName = "Sorel";
// The earlier edition's shortcut names: "Sorel" everywhere, "Sorel -Sorel-" also in the two menus.
constexpr const char* kSorelShortcut = "Sorel";
constexpr const char* kSorelMenuShortcut = "Sorel -Sorel-";

bool InMenu(ShortcutFolder folder) {
    return folder == ShortcutFolder::StartMenu || folder == ShortcutFolder::Programs;
}

// Keeps the active texts under the extension of the edition that goes, unless kept already, and puts the other
// edition's texts (restoredFrom, when given) in their place when they are there.
Status ExchangeTexts(const fs::path& folder, const char* keptAs, const char* restoredFrom) {
    std::error_code error;
    for (const char* name : {kReadMeFileName, kUsageFileName}) {
        const fs::path active = folder / name;
        const fs::path kept = fs::path(active).replace_extension(keptAs);
        if (fs::exists(active, error) && !fs::exists(kept, error)) {
            fs::rename(active, kept, error);
            if (error)
                return Failure{.cause = error.message(), .path = active.string()};
        }
        const fs::path restored = fs::path(active).replace_extension(restoredFrom ? restoredFrom : "");
        if (restoredFrom && fs::exists(restored, error))
            if (const Status copied = CopyFileAtomically(restored, active); !copied)
                return copied;
    }
    return Success();
}

} // namespace

Status SetupRun::replaceShortcuts(bool toSorel, const fs::path& destination) const {
    Shortcuts& shortcuts = m_parts.shortcuts;
    for (const ShortcutFolder folder : kShortcutFolders) {
        if (toSorel) {
            if (shortcuts.state(folder, kShortcutName) == ShortcutState::Absent)
                continue;
            if (const Status removed = shortcuts.remove(folder, kShortcutName, false); !removed)
                return removed;
            const char* name = InMenu(folder) ? kSorelMenuShortcut : kSorelShortcut;
            if (const Status created = shortcuts.create(folder, name, destination / kSorelFileName); !created)
                return created;
            continue;
        }
        bool found = false;
        for (const char* name : {kSorelShortcut, kSorelMenuShortcut}) {
            if (shortcuts.state(folder, name) == ShortcutState::Absent)
                continue;
            found = true;
            if (const Status removed = shortcuts.remove(folder, name, true); !removed)
                return removed;
        }
        if (found)
            if (const Status created = shortcuts.create(folder, kShortcutName, destination / kProgramFileName);
                !created)
                return created;
    }
    return Success();
}

Status SetupRun::switchFiles(SetupMode mode, const fs::path& destination, bool sameFolder) const {
    if (mode == SetupMode::ToSorel) {
        if (const Status exchanged = ExchangeTexts(destination, ".Rko", ".Srl"); !exchanged)
            return exchanged;
        return replaceShortcuts(true, destination);
    }
    if (!sameFolder) {
        if (const Status copied = CopyProgramFile(m_parts.program, destination / kProgramFileName); !copied)
            return copied;
        if (const Status copied = copyHelp(destination); !copied)
            return copied;
        if (const Status kept = ExchangeTexts(destination, ".Srl", nullptr); !kept)
            return kept;
        for (const char* name : {kReadMeFileName, kUsageFileName})
            if (const auto found = FindNoCase(m_source, name))
                if (const Status copied = CopyFileAtomically(*found, destination / name); !copied)
                    return copied;
        if (const auto found = FindNoCase(m_source, kWorkbookTemplateName);
            found && !FindNoCase(destination, kWorkbookTemplateName))
            if (const Status copied = CopyFileAtomically(*found, destination / kWorkbookTemplateName); !copied)
                return copied;
    } else if (const Status exchanged = ExchangeTexts(destination, ".Srl", ".Rko"); !exchanged)
        return exchanged;
    return replaceShortcuts(false, destination);
}

bool SetupRun::switchEdition(SetupMode mode, const fs::path& destination) const {
    Dialogs& dialogs = m_parts.dialogs;
    if (!FindNoCase(destination, kSorelFileName)) {
        dialogs.inform("指定されたフォルダーに、Sorel が存在しません。\r\nセットアップの場所を確認してください。\r\n"
                       "セットアップを中止します。");
        return false;
    }
    const bool sameFolder = IsWithinFolder(destination, m_source) && IsWithinFolder(m_source, destination);
    if (mode == SetupMode::ToSorel && !sameFolder) {
        dialogs.inform("受け手と送り手のフォルダーが違います。\r\nセットアップの場所を確認してください。\r\n"
                       "Rekko→Sorelのセットアップを中止します。");
        return false;
    }
    if (const Status switched = switchFiles(mode, destination, sameFolder); !switched) {
        dialogs.inform(mode == SetupMode::FromSorel && !sameFolder
                           ? "「Sorel -Sorel-」に上書きを失敗しました。\r\nセットアップを中止します。"
                           : "「Sorel -Sorel-」からの変更に失敗しました。\r\nセットアップを中止します。");
        return false;
    }
    if (mode == SetupMode::ToSorel)
        return handOver(destination, kSorelFileName,
                        "現在起動中のRekkoを終了させ、\r\n元のSorelを起動させます。\r\n"
                        "確認（ＯＫ）後、10秒程度、そのままでお待ちください。");
    return handOver(destination, kProgramFileName,
                    "現在起動中のRekkoを終了させ、\r\nセットアップ後のRekkoを起動させます。\r\n"
                    "一時的に、Rekkoが２つ立ち上がります。\r\n確認（ＯＫ）後、10秒程度、そのままでお待ちください。");
}

} // namespace rekko
