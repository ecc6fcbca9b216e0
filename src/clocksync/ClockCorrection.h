// SPDX-License-Identifier: GPL-3.0-or-later
// Automatic clock correction as the main window's function tick drives it, and the main window as a retrieval marks
// it busy.
#pragma once

#include "base/LocalDateTime.h"

namespace rekko {

class ClockCorrection {
public:
    virtual ~ClockCorrection() = default;

    // Answers whether a time retrieval runs (from its start to the end of its run).
    virtual bool retrievalRunning() const = 0;
    // Runs the schedule check of automatic correction (called only while cbTShuusei is on); ticksSinceStart counts
    // the ticks since start, this one included, for the start delay pTChien. Answers whether the tick ends here
    // because a retrieval was due.
    virtual bool checkSchedule(LocalDateTime now, int ticksSinceStart) = 0;
};

// The main window while a retrieval runs: "　　時刻取得中　　" in its first status panel and its commands that open the
// settings window disabled; idle, its clock again and the commands back.
class RetrievalView {
public:
    virtual ~RetrievalView() = default;

    virtual void showRetrieval(bool running) = 0;
};

} // namespace rekko
