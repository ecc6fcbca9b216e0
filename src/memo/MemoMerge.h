// SPDX-License-Identifier: GPL-3.0-or-later
// The memo against the disk at a save: which text to keep when the file changed since it was read or last written.
#pragma once

#include "base/TextFile.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rekko {

inline constexpr const char* kMemoChangedElsewhere = "メモファイルが他で変更されています。";
inline constexpr const char* kKeepOurMemo = "自分の変更を残す";
inline constexpr const char* kKeepTheirMemo = "他の変更を残す";

// What a save of the memo does: write the text in memory (the disk holds the text as read, or no file), keep the
// disk's text (only the disk changed it), or have the user choose (both changed it; whoever cannot be asked keeps the
// disk's text and sets ours aside).
enum class MemoSave { WriteOurs, KeepTheirs, Choose };

// The text a save keeps in the file when the memo was changed here and on disk.
enum class MemoKeep { Ours, Theirs };

// Decides from the memo file as read or last written (base), the memo's lines now (ours) and the file's bytes now
// (disk; nothing for a missing file). Lines are compared as bytes without line ends, the end-of-file mark aside.
MemoSave DecideMemoSave(const TextLines& base, std::span<const std::string> ours,
                        const std::optional<std::string_view>& disk);

} // namespace rekko
