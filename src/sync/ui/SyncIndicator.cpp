// SPDX-License-Identifier: GPL-3.0-or-later
// The sync's indicator.
#include "SyncIndicator.h"

namespace rekko {

namespace {

constexpr int kWidestText = 320; // pixels; a longer result is cut with "…" and shown whole as the tip

} // namespace

SyncIndicator::SyncIndicator(QWidget* parent) : QToolButton(parent) {
    setObjectName("btnDouki");
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    showSync(SyncState::Idle, "同期");
}

void SyncIndicator::showSync(SyncState state, const std::string& text) {
    m_state = state;
    const QString whole =
        (state == SyncState::Failed ? QStringLiteral("⚠ ") : QString()) + QString::fromStdString(text);
    setText(fontMetrics().elidedText(whole, Qt::ElideRight, kWidestText));
    setToolTip(whole + QStringLiteral("\n（クリックで今すぐ同期）"));
    setStyleSheet(state == SyncState::Failed ? QStringLiteral("QToolButton { color: #c00000; font-weight: bold; }")
                                             : QString());
}

} // namespace rekko
