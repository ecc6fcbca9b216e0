// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance port: which of this user's program windows exist, and waking one of them.
#pragma once

#include "Dialogs.h"

#include <string>

namespace rekko {

// Window titles by which instances find each other; a message box is found by its caption, kDefaultCaption.
inline constexpr const char* kMainWindowTitle = "Rekko - Rekko -";
inline constexpr const char* kScheduleDialogTitle = "Rekko -Rekko-";
inline constexpr const char* kSorelWindowTitle = "Sorel - Sorel -";

class InstanceRegistry {
public:
    virtual ~InstanceRegistry() = default;

    // Answers whether a running program of this user shows a window of that title.
    virtual bool exists(const std::string& title) = 0;

    // Asks the program showing that window to show, raise and activate it; answers false when none answered.
    virtual bool wake(const std::string& title) = 0;
};

} // namespace rekko
