// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of section Sync of the settings file: the CalDAV account without its password, the calendar, the interval
// and the keys of the self-signed servers the user trusts.
#pragma once

#include "CalendarServer.h"

#include "settings/SettingsFile.h"

#include <string>

namespace rekko {

inline constexpr const char* kSyncSection = "Sync";

struct SyncSettings {
    std::string Server;      // the server's address, as the user typed it
    std::string User;        // the user name on it
    std::string Calendar;    // the href of the calendar synced with
    int Interval = 0;        // minutes between background syncs; 0 by hand only
    std::string TrustedKeys; // "address key" pairs, space-separated: the key of each self-signed server trusted
};

using SyncTable = SettingsTable<SyncSettings>;

// Returns the table of section Sync with its keys and write order.
SyncTable MakeSyncTable();

// Answers the key trusted for a server address ("sha256//…"), empty when its certificate is to be checked.
std::string TrustedKeyOf(const SyncSettings& settings, const std::string& address);
// Returns the trusted keys with the address's key replaced by key; an empty key forgets the address.
std::string WithTrustedKey(const std::string& trustedKeys, const std::string& address, const std::string& key);

// Returns the account of the settings, with the password and the key trusted for its address.
ServerAccount AccountOf(const SyncSettings& settings, const std::string& password);

} // namespace rekko
