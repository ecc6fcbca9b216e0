// SPDX-License-Identifier: GPL-3.0-or-later
// Work on a thread of its own while the interface thread handles events.
#include "ResponsiveWork.h"

#include "platform/ui/QtInterfaceThread.h"

#include <QEventLoop>

#include <atomic>
#include <optional>
#include <thread>

namespace rekko {

namespace {

// What the interface thread and the work share: the loop is only touched on the interface thread.
struct Waiting {
    QEventLoop* loop = nullptr;
    std::atomic<bool> done = false;
};

// Runs a call that answers a value responsively; nothing when the application quit first.
template <class T> std::optional<T> Answer(std::function<T()> call) {
    auto answer = std::make_shared<std::optional<T>>();
    if (!RunResponsive([call = std::move(call), answer] { answer->emplace(call()); }))
        return std::nullopt;
    return *answer;
}

} // namespace

bool RunResponsive(std::function<void()> work) {
    QEventLoop loop;
    auto waiting = std::make_shared<Waiting>();
    waiting->loop = &loop;
    std::thread([work = std::move(work), waiting, target = std::make_shared<QtInterfaceThread>()] {
        work();
        waiting->done = true;
        target->post([waiting] {
            if (waiting->loop)
                waiting->loop->quit();
        });
    }).detach();
    loop.exec();
    waiting->loop = nullptr;
    return waiting->done;
}

Result<SourceReading> ResponsiveSource::fetch() {
    auto reading = Answer<Result<SourceReading>>([source = m_source] { return source->fetch(); });
    if (!reading)
        return Failure{.cause = "the program is ending"};
    return *reading;
}

bool ResponsiveSetter::set(LocalDateTime utc, bool mayAsk) {
    return Answer<bool>([&setter = m_setter, utc, mayAsk] { return setter.set(utc, mayAsk); }).value_or(false);
}

bool ResponsiveSetter::systemSynchronises() {
    return Answer<bool>([&setter = m_setter] { return setter.systemSynchronises(); }).value_or(false);
}

ClockAccess ResponsiveSetter::access() {
    return Answer<ClockAccess>([&setter = m_setter] { return setter.access(); }).value_or(ClockAccess::None);
}

} // namespace rekko
