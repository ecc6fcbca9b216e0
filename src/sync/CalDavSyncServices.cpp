// SPDX-License-Identifier: GPL-3.0-or-later
// The sync services of the program: the CalDAV client and the two-way sync.
#include "CalDavServer.h"
#include "HttpSession.h"
#include "SyncPorts.h"

namespace rekko {

SyncServices CalDavSyncServices() {
    SyncServices services;
    services.connect = [](const ServerAccount& account) -> std::unique_ptr<CalendarServer> {
        return std::make_unique<CalDavServer>(account);
    };
    services.peerKeyPin = PeerKeyPin;
    services.run = RunSync;
    services.statusText = SyncStatusText;
    return services;
}

} // namespace rekko
