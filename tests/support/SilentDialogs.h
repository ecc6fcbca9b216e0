// SPDX-License-Identifier: GPL-3.0-or-later
// A Dialogs double that answers every box with its default button and shows none (benchmarks, unattended runs).
#pragma once

#include "platform/Dialogs.h"

namespace rekko::test {

class SilentDialogs : public Dialogs {
public:
    DialogAnswer show(const DialogMessage& message) override { return message.defaultAnswer; }
};

} // namespace rekko::test
