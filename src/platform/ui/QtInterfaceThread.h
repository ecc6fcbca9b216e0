// SPDX-License-Identifier: GPL-3.0-or-later
// The interface thread of a Qt program: tasks run in the application's event loop.
#pragma once

#include "platform/InterfaceThread.h"

namespace rekko {

class QtInterfaceThread : public InterfaceThread {
public:
    // Queues the task to the application object's thread; dropped when the application is gone.
    void post(std::function<void()> task) override;
};

} // namespace rekko
