// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the settings file the memo page keeps: where the text was and its jump lines.
#pragma once

#include "MemoJumps.h"

#include "settings/SettingsTable.h"

#include <array>

namespace rekko {

struct MemoPlace {
    int CaMemoTopLine = 0;
    int CaMemoY = 0;
    int CaMemoX = 0;
    std::array<int, kJumpSlots> MemoBtn{};
};

template <class Table> void DeclareMemoKeys(Table& t) {
    t.number(kSetteiSection, "CaMemoTopLine", &MemoPlace::CaMemoTopLine, 0, kAnyHigh);
    t.number(kSetteiSection, "CaMemoY", &MemoPlace::CaMemoY, 0, kAnyHigh);
    t.number(kSetteiSection, "CaMemoX", &MemoPlace::CaMemoX, 0, kAnyHigh);
    for (size_t i = 0; i < static_cast<size_t>(kJumpSlots); ++i)
        t.number(
            kSetteiSection, "MemoBtn" + std::to_string(i + 1), [i](auto& s) -> auto& { return s.MemoBtn[i]; }, 0,
            kAnyHigh);
}

} // namespace rekko
