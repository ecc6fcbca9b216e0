// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a document or web address with the desktop's registered program.
#pragma once

#include <string>

namespace rekko {

// Starts xdg-open on the file name or address without waiting for it; answers false when it cannot start.
bool OpenDocument(const std::string& nameOrAddress);

} // namespace rekko
