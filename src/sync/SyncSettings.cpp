// SPDX-License-Identifier: GPL-3.0-or-later
// Section Sync of the settings file and the trusted keys held in it.
#include "SyncSettings.h"

#include <sstream>
#include <utility>
#include <vector>

namespace rekko {

namespace {

using KeyPairs = std::vector<std::pair<std::string, std::string>>;

KeyPairs Pairs(const std::string& text) {
    KeyPairs pairs;
    std::istringstream words(text);
    std::string address, key;
    while (words >> address >> key)
        pairs.emplace_back(address, key);
    return pairs;
}

} // namespace

SyncTable MakeSyncTable() {
    SyncTable t;
    t.text(kSyncSection, "Server", &SyncSettings::Server);
    t.text(kSyncSection, "User", &SyncSettings::User);
    t.text(kSyncSection, "Calendar", &SyncSettings::Calendar);
    t.number(kSyncSection, "Interval", &SyncSettings::Interval, 0, 1440);
    t.text(kSyncSection, "TrustedKeys", &SyncSettings::TrustedKeys);
    t.setWriteOrder(kSyncSection, {"Server", "User", "Calendar", "Interval", "TrustedKeys"});
    return t;
}

std::string TrustedKeyOf(const SyncSettings& settings, const std::string& address) {
    for (const auto& [server, key] : Pairs(settings.TrustedKeys))
        if (server == address)
            return key;
    return {};
}

std::string WithTrustedKey(const std::string& trustedKeys, const std::string& address, const std::string& key) {
    std::string text;
    const auto append = [&text](const std::string& server, const std::string& pin) {
        text += (text.empty() ? "" : " ") + server + " " + pin;
    };
    for (const auto& [server, pin] : Pairs(trustedKeys))
        if (server != address)
            append(server, pin);
    // An address with a blank in it cannot be read back as one word: it is never remembered.
    if (!key.empty() && !address.empty() && address.find_first_of(" \t") == std::string::npos)
        append(address, key);
    return text;
}

ServerAccount AccountOf(const SyncSettings& settings, const std::string& password) {
    ServerAccount account;
    account.address = settings.Server;
    account.user = settings.User;
    account.password = password;
    account.pinnedKey = TrustedKeyOf(settings, settings.Server);
    return account;
}

} // namespace rekko
