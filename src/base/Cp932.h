// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion between code page 932 bytes and the program's UTF-8 text, lossless for bytes that are not valid text.
#pragma once

#include "Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace rekko {

// Decodes code page 932 bytes to UTF-8. A byte that does not start a valid character (or a lead byte cut off at
// the end) becomes the code point U+DC00 + byte, so that EncodeCp932 gives the very byte back.
std::string DecodeCp932(std::string_view bytes);

// Encodes UTF-8 text to code page 932, turning those code points back into their bytes. A character with several
// codes takes the one Windows writes, unless that code would pair with a carried lead byte just before it; then it
// takes one that does not, so DecodeCp932(EncodeCp932(DecodeCp932(x))) == DecodeCp932(x) for all bytes x. A
// character every code of which would pair with the carried byte (an edit put it there) cannot be written in that
// place, nor can a carried byte that would pair with the one before it. Fails, naming every character code page 932
// cannot hold there (or byte that is not valid UTF-8) once, in the order they first appear.
Result<std::string> EncodeCp932(std::string_view text);

// Returns the text in a form safe to print: each carried invalid byte as \xHH, NUL as \x00, and any other byte that
// is not part of valid UTF-8 as \xHH.
std::string PrintableText(std::string_view text);

// A character of UTF-8 text that code page 932 cannot hold, and the byte offset where it starts. One that cannot
// follow the carried byte before it names that byte and the character the two would read back as.
struct UnencodableCharacter {
    std::string character;
    size_t offset = 0;
    int strayByte = -1;
    std::string formed;
};

// Returns every character of UTF-8 text that code page 932 cannot hold where it stands, in text order, repeats
// included; a byte that is not valid UTF-8 counts as one character.
std::vector<UnencodableCharacter> FindUnencodableCharacters(std::string_view text);

// Returns the refusal naming each distinct character once: "「😀」「한」はシフトJISで保存できない文字です。", then
// each that cannot follow its stray byte with the byte and what the two would form:
// "「Y」は直前のバイト \x83 と合わせて「ズ」と読まれるため保存できません。" (a carried byte is named as a byte).
std::string UnencodableMessage(const std::vector<UnencodableCharacter>& characters);

} // namespace rekko
