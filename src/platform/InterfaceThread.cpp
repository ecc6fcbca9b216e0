// SPDX-License-Identifier: GPL-3.0-or-later
// The plain-thread queue of the interface thread.
#include "InterfaceThread.h"

#include <utility>

namespace rekko {

void PostedTasks::post(std::function<void()> task) {
    {
        const std::lock_guard lock(m_mutex);
        m_tasks.push_back(std::move(task));
    }
    m_posted.notify_all();
}

int PostedTasks::runPosted(std::chrono::milliseconds wait) {
    std::deque<std::function<void()>> tasks;
    {
        std::unique_lock lock(m_mutex);
        m_posted.wait_for(lock, wait, [this] { return !m_tasks.empty(); });
        tasks.swap(m_tasks);
    }
    for (auto& task : tasks)
        task();
    return static_cast<int>(tasks.size());
}

} // namespace rekko
