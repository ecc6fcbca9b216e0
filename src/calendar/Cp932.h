// Conversion between code page 932 bytes and the program's UTF-8 text, lossless for bytes that are not valid text.
#pragma once

#include "Result.h"

#include <string>
#include <string_view>

namespace rekko {

// Decodes code page 932 bytes to UTF-8. A byte that does not start a valid character (or a lead byte cut off at
// the end) becomes the code point U+DC00 + byte, so that EncodeCp932 gives the very byte back.
std::string DecodeCp932(std::string_view bytes);

// Encodes UTF-8 text to code page 932, turning those code points back into their bytes. A character with several
// codes takes the one Windows writes, unless that code would pair with a carried lead byte just before it; then it
// takes one that does not, so DecodeCp932(EncodeCp932(DecodeCp932(x))) == DecodeCp932(x) for all bytes x. Fails,
// naming the character, when the text holds a character code page 932 cannot hold or is not valid UTF-8.
Result<std::string> EncodeCp932(std::string_view text);

// Returns the text in a form safe to print: each carried invalid byte as \xHH, NUL as \x00, and any other byte that
// is not part of valid UTF-8 as \xHH.
std::string PrintableText(std::string_view text);

} // namespace rekko
