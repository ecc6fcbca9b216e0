// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting on the network or on another program from the interface thread without freezing it: the work runs on a
// thread of its own while the windows go on handling their events; a time source and a clock setter that wait so.
#pragma once

#include "clocksync/TimeSource.h"
#include "platform/ClockSetter.h"

#include <functional>
#include <memory>

namespace rekko {

// Runs work on a thread of its own and handles the interface's events until it has ended. Answers false when the
// application quit meanwhile: the work then ends alone, so it must own everything it uses.
bool RunResponsive(std::function<void()> work);

class ResponsiveSource : public TimeSource {
public:
    explicit ResponsiveSource(std::shared_ptr<TimeSource> source) : m_source(std::move(source)) {}

    Result<SourceReading> fetch() override;
    const char* protocol() const override { return m_source->protocol(); }

private:
    std::shared_ptr<TimeSource> m_source;
};

// The setter must outlive the program's event loop (the system's setter does).
class ResponsiveSetter : public ClockSetter {
public:
    explicit ResponsiveSetter(ClockSetter& setter) : m_setter(setter) {}

    bool set(LocalDateTime utc, bool mayAsk) override;
    bool systemSynchronises() override;
    ClockAccess access() override;

private:
    ClockSetter& m_setter;
};

} // namespace rekko
