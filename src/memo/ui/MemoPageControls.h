// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the memo page and their places: jump and scroll buttons above the text area, the indicators
// and the start-record selector below it.
#pragma once

#include "MemoEditor.h"

#include "memo/MemoJumps.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include <array>

namespace rekko {

// The controls of the page; each carries its name as objectName.
struct MemoPageControls {
    MemoEditor* CaMemo = nullptr;
    QPushButton* btnMemoSave = nullptr;          // "別名保存"
    QPushButton* btnMemoJouchuu = nullptr;       // "常駐"
    QPushButton* btnMomoKensaku = nullptr;       // "切替"
    QPushButton* btnFirst = nullptr;             // "最初"
    QPushButton* btnLast = nullptr;              // "最後"
    QPushButton* btnUp = nullptr;                // "上へ"
    QPushButton* btnDown = nullptr;              // "下へ"
    std::array<QPushButton*, kJumpSlots> btnJ{}; // btnJ1 .. btnJ5, "１" .. "５"
    QMenu* pmMemobtn = nullptr;
    QAction* pmKioku = nullptr;      // "カーソルの場所を記憶(&S)"
    QAction* pmKiokuClear = nullptr; // "このボタンの記憶をクリア(&N)"
    QLabel* lblgyo = nullptr;        // "行：%d 桁：%d"
    QLabel* lblSize = nullptr;       // "空容量：%d%"
    QRadioButton* rbKidouJikoku = nullptr;
    QTimer* tmMemo = nullptr;
};

// Creates the controls with their names and captions inside the page and lays them out; the page wires them.
MemoPageControls BuildMemoPageControls(QWidget* page, Dialogs& dialogs);

} // namespace rekko
