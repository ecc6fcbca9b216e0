// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion between the program's UTF-8 text and QString that keeps the U+DC00 + byte code points of bytes code
// page 932 could not read, so such text comes back byte-exact.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace rekko {

// Returns the QString of UTF-8 text; a three-byte surrogate code point becomes that lone surrogate, and a byte that
// starts no valid sequence becomes U+DC00 + byte.
QString ToQString(std::string_view text);

// Returns the UTF-8 text of a QString, writing a lone surrogate as its three-byte form.
std::string FromQString(const QString& text);

} // namespace rekko
