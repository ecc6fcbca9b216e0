// SPDX-License-Identifier: GPL-3.0-or-later
// The sync's indicator in the status bar: idle, running or the last result, a failure in red; a click syncs now.
#pragma once

#include "sync/SyncCommand.h"

#include <QToolButton>

namespace rekko {

class SyncIndicator : public QToolButton, public SyncView {
    Q_OBJECT
public:
    explicit SyncIndicator(QWidget* parent = nullptr);

    void showSync(SyncState state, const std::string& text) override;
    SyncState state() const { return m_state; }

private:
    SyncState m_state = SyncState::Idle;
};

} // namespace rekko
