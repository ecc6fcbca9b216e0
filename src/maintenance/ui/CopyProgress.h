// SPDX-License-Identifier: GPL-3.0-or-later
// The progress dialog of a backup or restore copy, with its cancel button and the overwrite question per file.
#pragma once

#include "maintenance/CopyRun.h"

#include <QProgressDialog>

namespace rekko {

class CopyProgress : public CopyWatch {
public:
    CopyProgress(Dialogs& dialogs, QWidget* parent);

    bool progress(size_t done, size_t total, const std::string& name) override;
    OverwriteAnswer askOverwrite(const std::string& name) override;
    void finished() override;

private:
    Dialogs& m_dialogs;
    QProgressDialog m_dialog;
};

} // namespace rekko
