// SPDX-License-Identifier: GPL-3.0-or-later
// Creating and placing the memo page's controls.
#include "MemoPageControls.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace rekko {

namespace {

constexpr int kHeldScrollMilliseconds = 20;

QPushButton* namedButton(const QString& name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption));
    button->setObjectName(name);
    return button;
}

} // namespace

MemoPageControls BuildMemoPageControls(QWidget* page, Dialogs& dialogs) {
    MemoPageControls c;
    c.CaMemo = new MemoEditor(dialogs);
    c.btnMemoSave = namedButton("btnMemoSave", "別名保存");
    c.btnMemoJouchuu = namedButton("btnMemoJouchuu", "常駐");
    c.btnMomoKensaku = namedButton("btnMomoKensaku", "切替");
    c.btnFirst = namedButton("btnFirst", "最初");
    c.btnLast = namedButton("btnLast", "最後");
    c.btnUp = namedButton("btnUp", "上へ");
    c.btnDown = namedButton("btnDown", "下へ");
    c.pmMemobtn = new QMenu(page);
    c.pmMemobtn->setObjectName("pmMemobtn");
    c.pmKioku = c.pmMemobtn->addAction(QStringLiteral("カーソルの場所を記憶(&S)"));
    c.pmKioku->setObjectName("pmKioku");
    c.pmKiokuClear = c.pmMemobtn->addAction(QStringLiteral("このボタンの記憶をクリア(&N)"));
    c.pmKiokuClear->setObjectName("pmKiokuClear");
    c.lblgyo = new QLabel;
    c.lblgyo->setObjectName("lblgyo");
    c.lblgyo->setMinimumWidth(c.lblgyo->fontMetrics().horizontalAdvance(QStringLiteral("行：99999 桁：9999")));
    c.lblSize = new QLabel;
    c.lblSize->setObjectName("lblSize");
    c.rbKidouJikoku = new QRadioButton(QStringLiteral("起動時刻"));
    c.rbKidouJikoku->setObjectName("rbKidouJikoku");
    c.rbKidouJikoku->setAutoExclusive(false);
    c.rbKidouJikoku->setEnabled(false);
    c.tmMemo = new QTimer(page);
    c.tmMemo->setObjectName("tmMemo");
    c.tmMemo->setInterval(kHeldScrollMilliseconds);

    auto* top = new QHBoxLayout;
    const std::array<const char*, kJumpSlots> digits = {"１", "２", "３", "４", "５"};
    for (int slot = 0; slot < kJumpSlots; ++slot) {
        QPushButton* button = namedButton(QString("btnJ%1").arg(slot + 1), digits[static_cast<size_t>(slot)]);
        button->setFixedWidth(32);
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        top->addWidget(button);
        c.btnJ[static_cast<size_t>(slot)] = button;
    }
    top->addSpacing(12);
    for (QPushButton* button : {c.btnFirst, c.btnUp, c.btnDown, c.btnLast})
        top->addWidget(button);
    top->addStretch();
    for (QPushButton* button : {c.btnMomoKensaku, c.btnMemoSave, c.btnMemoJouchuu})
        top->addWidget(button);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(c.lblgyo);
    bottom->addSpacing(24);
    bottom->addWidget(c.lblSize);
    bottom->addStretch();
    bottom->addWidget(c.rbKidouJikoku);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(c.CaMemo, 1);
    layout->addLayout(bottom);
    return c;
}

} // namespace rekko
