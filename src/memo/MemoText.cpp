// SPDX-License-Identifier: GPL-3.0-or-later
// The memo's byte count, free space, caret text, added-lines message and its text as file lines.
#include "MemoText.h"

#include "base/Cp932.h"
#include "base/TextProcedures.h"

#include <algorithm>
#include <cstdio>

namespace rekko {

size_t MemoByteCount(std::string_view text) {
    const size_t lineEnds = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
    if (const auto encoded = EncodeCp932(text))
        return encoded.value().size() + lineEnds;
    // Text the memo refuses cannot reach here; should it all the same, each character beyond ASCII counts two.
    size_t bytes = lineEnds;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            bytes += static_cast<unsigned char>(c) < 0x80 ? 1 : 2;
    return bytes;
}

int FreeSpacePercent(size_t bytes) {
    const size_t used = std::min(bytes, kMemoCapacity) * 100 / kMemoCapacity;
    return 100 - static_cast<int>(used);
}

std::string FreeSpaceText(int percent) {
    return "空容量：" + std::to_string(percent) + "%";
}

std::string CaretText(int line, int column) {
    char text[64];
    std::snprintf(text, sizeof text, "行：%d 桁：%d", line, column);
    return text;
}

std::optional<std::string> AddedLinesMessage(int delta) {
    if (delta <= 10)
        return std::nullopt;
    return std::to_string(delta) + "行が追加されました。";
}

std::string MemoTextOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        (text += line) += '\n';
    return text;
}

std::vector<std::string> MemoLinesOf(std::string_view text) {
    if (text.ends_with('\n'))
        text.remove_suffix(1);
    else if (text.empty())
        return {};
    return SplitAt(text, '\n');
}

} // namespace rekko
