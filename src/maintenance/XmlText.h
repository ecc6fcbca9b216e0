// SPDX-License-Identifier: GPL-3.0-or-later
// Text made fit for an XML document: what XML cannot hold replaced by U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace rekko {

struct XmlText {
    std::string text;
    int replaced = 0;
};

// Returns the UTF-8 text with every character XML 1.0 cannot hold as U+FFFD: control characters other than tab, line
// feed and carriage return, surrogates (the escapes of bytes code page 932 cannot name), U+FFFE and U+FFFF, and each
// byte that is not part of a well-formed UTF-8 sequence.
XmlText MakeXmlText(std::string_view text);

} // namespace rekko
