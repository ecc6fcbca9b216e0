// SPDX-License-Identifier: GPL-3.0-or-later
// What the sync command is given: the secret store, and the server, the sync and its status text as functions, so
// that the shell and rekkocal join the CalDAV client and the engine where they are built.
#pragma once

#include "CalendarServer.h"
#include "SyncRun.h"

#include "platform/SecretStore.h"

#include <functional>
#include <memory>

namespace rekko {

struct SyncServices {
    // Makes the client of the account's server.
    std::function<std::unique_ptr<CalendarServer>(const ServerAccount&)> connect;
    // Fetches the public-key pin ("sha256//…") of the server's certificate, whoever signed it.
    std::function<ServerReply<std::string>(const ServerAccount&)> peerKeyPin;
    // Runs one sync (RunSync) and says what it did (SyncStatusText).
    std::function<SyncReport(const SyncRequest&, CalendarServer&)> run;
    std::function<std::string(const SyncReport&)> statusText;

    bool available() const { return connect && peerKeyPin && run && statusText; }
};

struct SyncPorts {
    SecretStore& secrets;
    SyncServices services;
};

// Returns the services of the program: the CalDAV client (CalDavServer, PeerKeyPin) and the sync (RunSync,
// SyncStatusText).
SyncServices CalDavSyncServices();

// Returns ports without a secret service and without a server: every sync reports that it is not available (tests,
// and a build without the CalDAV client).
SyncPorts NoSyncPorts();

} // namespace rekko
