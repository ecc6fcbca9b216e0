// SPDX-License-Identifier: GPL-3.0-or-later
// Deciding which memo text a save keeps.
#include "MemoMerge.h"

#include <algorithm>

namespace rekko {

MemoSave DecideMemoSave(const TextLines& base, std::span<const std::string> ours,
                        const std::optional<std::string_view>& disk) {
    if (!disk || LineBytes(*disk) == base.lineBytes())
        return MemoSave::WriteOurs;
    return base.unchanged(ours) ? MemoSave::KeepTheirs : MemoSave::Choose;
}

} // namespace rekko
