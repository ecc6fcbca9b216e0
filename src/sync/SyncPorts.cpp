// SPDX-License-Identifier: GPL-3.0-or-later
// The sync ports of a program without a secret service or a server.
#include "SyncPorts.h"

namespace rekko {

SyncPorts NoSyncPorts() {
    static NoSecretStore secrets;
    return {secrets, {}};
}

} // namespace rekko
