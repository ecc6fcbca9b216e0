// SPDX-License-Identifier: GPL-3.0-or-later
// The doubles of the ports every benchmark shares: silent message boxes and a clock that stands still.
#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"

namespace rekko::bench {

// Answers every box with its default button; the benchmarks show none.
class SilentDialogs : public Dialogs {
public:
    DialogAnswer show(const DialogMessage& message) override { return message.defaultAnswer; }
};

// A clock that always reads the moment it was given.
class StillClock : public Clock {
public:
    explicit StillClock(LocalDateTime moment) : m_moment(moment) {}
    LocalDateTime now() const override { return m_moment; }

private:
    LocalDateTime m_moment;
};

} // namespace rekko::bench
