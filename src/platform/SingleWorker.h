// SPDX-License-Identifier: GPL-3.0-or-later
// One background job at a time: it runs on a thread of its own and its result is handed to the interface thread.
#pragma once

#include "InterfaceThread.h"

#include <functional>
#include <memory>

namespace rekko {

class SingleWorker {
public:
    // The job runs on the worker thread and returns what is then run on the interface thread.
    using Job = std::function<std::function<void()>()>;

    explicit SingleWorker(std::shared_ptr<InterfaceThread> interfaceThread);

    // Interface thread only. Starts the job unless one is running: busy is marked before the thread starts and
    // cleared on the interface thread just before the job's result runs there. Answers whether it started. The
    // thread is not joined: a job stuck on the network never holds up the end of the program.
    bool start(Job job);

    // Interface thread only: answers whether a job has started and its result has not yet been handed over.
    bool busy() const { return *m_busy; }

private:
    std::shared_ptr<InterfaceThread> m_interfaceThread;
    std::shared_ptr<bool> m_busy = std::make_shared<bool>(false);
};

} // namespace rekko
