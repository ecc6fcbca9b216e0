// SPDX-License-Identifier: GPL-3.0-or-later
// The single background worker.
#include "SingleWorker.h"

#include <thread>
#include <utility>

namespace rekko {

SingleWorker::SingleWorker(std::shared_ptr<InterfaceThread> interfaceThread)
    : m_interfaceThread(std::move(interfaceThread)) {}

bool SingleWorker::start(Job job) {
    if (*m_busy)
        return false;
    *m_busy = true;
    // The busy flag is only read and written on the interface thread; the worker carries it there with its result.
    std::thread([job = std::move(job), target = m_interfaceThread, busy = m_busy]() mutable {
        std::function<void()> result;
        try {
            result = job();
        } catch (...) {
            // An error of a background job has no one to tell; its result is then nothing but the end of busy.
        }
        target->post([busy = std::move(busy), result = std::move(result)] {
            *busy = false;
            if (result)
                result();
        });
    }).detach();
    return true;
}

} // namespace rekko
