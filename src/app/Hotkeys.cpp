// SPDX-License-Identifier: GPL-3.0-or-later
// Taking and giving back the main window's hotkeys, and the Ctrl+F12 decision.
#include "Hotkeys.h"

namespace rekko {

void RegisterHotkeys(GlobalHotkeys& hotkeys, Dialogs& dialogs, bool editorUsable, bool quiet) {
    if (!hotkeys.grab(kResidentHotkeyId, HotkeyKey::ControlF12) && !quiet)
        dialogs.inform("RegisterHotKey();に失敗しました\r\n[Ctrl]+[F12]は使えません。");
    if (editorUsable && !hotkeys.grab(kEditorHotkeyId, HotkeyKey::ControlF11) && !quiet)
        dialogs.inform("RegisterHotKey();に失敗しました\r\n[Ctrl]+[F11]は使えません。");
}

void ReleaseHotkeys(GlobalHotkeys& hotkeys, Dialogs& dialogs) {
    if (!hotkeys.releaseAll())
        dialogs.inform("ホットキーが解除エラーになりました。\r\n動作に問題はありません。");
}

std::optional<ResidencyMove> ResidentHotkeyMove(bool hotkeyOn, bool windowShown, bool applicationActive) {
    if (!hotkeyOn)
        return std::nullopt;
    return windowShown && applicationActive ? ResidencyMove::GoResident : ResidencyMove::Restore;
}

} // namespace rekko
