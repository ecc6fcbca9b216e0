// SPDX-License-Identifier: GPL-3.0-or-later
// Marker lines, remembering and clearing slots, and moving them with the memo's edits.
#include "MemoJumps.h"

#include <algorithm>
#include <string_view>

namespace rekko {

namespace {

constexpr int kJumpMargin = 11;
constexpr std::string_view kFullWidthAmpersand = "＆";
// The full-width digits "１".."５" are U+FF11..U+FF15: EF BC 91..95 in UTF-8.
constexpr std::string_view kFullWidthDigitLead = "\xEF\xBC";

} // namespace

int MarkerDigit(const std::string& line) {
    const std::string_view text = line;
    if (text.size() >= 2 && text[0] == '&' && text[1] >= '1' && text[1] <= '5')
        return text[1] - '0';
    if (text.starts_with(kFullWidthAmpersand)) {
        const std::string_view digit = text.substr(kFullWidthAmpersand.size());
        if (digit.size() >= 3 && digit.starts_with(kFullWidthDigitLead)) {
            const auto last = static_cast<unsigned char>(digit[2]);
            if (last >= 0x91 && last <= 0x95)
                return last - 0x90;
        }
    }
    return 0;
}

int JumpTopLine(int line) {
    return std::max(line - 1 - kJumpMargin, 0);
}

void MemoJumps::setSlots(const Slots& slots) {
    for (size_t i = 0; i < slots.size(); ++i)
        m_slots[i] = std::max(slots[i], 0);
}

int MemoJumps::setFromMarkers(const std::vector<std::string>& lines) {
    Slots found{};
    for (size_t i = 0; i < lines.size(); ++i)
        if (const int digit = MarkerDigit(lines[i]))
            found[static_cast<size_t>(digit - 1)] = static_cast<int>(i) + 1;
    const int count = static_cast<int>(std::count_if(found.begin(), found.end(), [](int line) { return line > 0; }));
    if (count > 0)
        m_slots = found;
    return count;
}

bool MemoJumps::remember(int slot, int line, Dialogs& dialogs) {
    if (isSet(slot)) {
        dialogs.inform(kSlotTakenMessage);
        return false;
    }
    m_slots.at(static_cast<size_t>(slot)) = std::max(line, 1);
    return true;
}

void MemoJumps::shift(const LineChange& change) {
    if (change.delta() == 0 && change.removed == 0)
        return;
    for (int& slot : m_slots) {
        if (slot <= 0 || slot < change.line)
            continue;
        if (slot > change.line + change.removed)
            slot += change.delta();
        else if (slot > change.line)
            slot = change.line;
        else if (change.column == 0 && change.removed == 0)
            slot += change.added;
    }
}

} // namespace rekko
