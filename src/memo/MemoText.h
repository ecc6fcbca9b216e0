// SPDX-License-Identifier: GPL-3.0-or-later
// Measures and texts of the memo page: the size in code page 932 bytes, the free-space figure, the caret
// indicator, the added-lines message, and the memo text as the lines of its file.
#pragma once

#include <vector>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rekko {

// The size the free-space figure measures against, in bytes.
inline constexpr size_t kMemoCapacity = 32000;

// Returns the bytes the memo text (lines ended by "\n") takes in its file: code page 932, CR LF line ends.
size_t MemoByteCount(std::string_view text);

// Returns the free space in percent: 100 - Trunc(bytes * 100 / 32 000), and 0 for a memo over the capacity.
int FreeSpacePercent(size_t bytes);

// Returns "空容量：" + the percent + "%".
std::string FreeSpaceText(int percent);

// Returns "行：%d 桁：%d" of a caret line and column, both counted from 1.
std::string CaretText(int line, int column);

// Returns the message "N行が追加されました。" when more than 10 lines came in at once, else nothing.
std::optional<std::string> AddedLinesMessage(int delta);

// Returns the memo text of a file's lines: each line followed by "\n" (every line of the file ends in CR LF).
std::string MemoTextOf(const std::vector<std::string>& lines);

// Returns the lines of the file holding a memo text: one line per "\n"; a last line without "\n" counts as well, so
// MemoTextOf gives the text back with its last line ended.
std::vector<std::string> MemoLinesOf(std::string_view text);

} // namespace rekko
