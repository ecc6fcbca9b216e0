// SPDX-License-Identifier: GPL-3.0-or-later
// The port through which a worker thread hands work to the interface thread, and a plain-thread queue for it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace rekko {

class InterfaceThread {
public:
    virtual ~InterfaceThread() = default;

    // Queues a task to run on the interface thread; callable from any thread, returns at once.
    virtual void post(std::function<void()> task) = 0;
};

// An interface thread without a window system: the thread that owns the queue runs what was posted when it asks.
class PostedTasks : public InterfaceThread {
public:
    void post(std::function<void()> task) override;

    // Waits up to the time given for a task and runs every task queued by then; answers how many ran.
    int runPosted(std::chrono::milliseconds wait = std::chrono::milliseconds{0});

private:
    std::mutex m_mutex;
    std::condition_variable m_posted;
    std::deque<std::function<void()>> m_tasks;
};

} // namespace rekko
