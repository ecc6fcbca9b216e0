// SPDX-License-Identifier: GPL-3.0-or-later
// The sync state "CaSync.myc" beside the data: per event its place, the hash of its local record, UID, href and
// ETag, and the server's sync token.
#pragma once

#include "base/Result.h"
#include "files/UserFiles.h"

#include <filesystem>
#include <string>
#include <vector>

namespace rekko {

// One event known on both sides, or (href empty) a server version kept as a conflict line and held back from sending.
struct SyncEntry {
    std::string place{}; // DayPlace of a day line, kPeriodPlace, kAnniversaryPlace
    std::string hash{};  // TextDigest of the local line's key
    std::string uid{};
    std::string href{};
    std::string etag{};
    friend bool operator==(const SyncEntry&, const SyncEntry&) = default;
};

struct SyncState {
    std::string token{};
    std::vector<SyncEntry> entries{};
};

// Reads the state file: code page 932 lines "E", place, hash, UID, href and ETag, and "T" with the token, separated
// by tabs, each field with the bytes outside 0x21..0x7E and "%" written as %XX. A missing, torn or foreign file
// gives what of it is sound: malformed lines and a second entry of an href are left out.
SyncState ReadSyncState(const std::filesystem::path& file);

// Writes the state file through the one atomic write; a file holding these bytes already is not touched.
Status WriteSyncState(const std::filesystem::path& file, const SyncState& state);

} // namespace rekko
