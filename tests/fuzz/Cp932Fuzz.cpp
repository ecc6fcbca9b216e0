// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: code page 932 decoding and encoding, and whole text files read and saved again.
#include "FuzzCheck.h"

#include "base/Cp932.h"
#include "base/TextFile.h"

using namespace rekko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = fuzz::BytesOf(data, size);

    // Any bytes: the text they read as encodes, and the encoding reads back as the same text.
    const std::string text = DecodeCp932(bytes);
    const auto encoded = EncodeCp932(text);
    FUZZ_CHECK(encoded.ok());
    FUZZ_CHECK(DecodeCp932(encoded.value()) == text);

    // The bytes taken as typed UTF-8 text: what encodes at all is stable from the first save on.
    if (const auto typed = EncodeCp932(bytes)) {
        const auto again = EncodeCp932(DecodeCp932(typed.value()));
        FUZZ_CHECK(again.ok() && again.value() == typed.value());
    }

    // A file saved unedited keeps every byte, line ends made CR LF, and so does the text after the end-of-file mark.
    const TextLines file = ParseTextBytes(bytes);
    const auto saved = file.compose(file.lines());
    FUZZ_CHECK(saved.ok());
    const TextLines reread = ParseTextBytes(saved.value());
    FUZZ_CHECK(reread.lines() == file.lines());
    const size_t mark = bytes.find('\x1A');
    FUZZ_CHECK(mark == std::string_view::npos || saved.value().ends_with(bytes.substr(mark)));
    FUZZ_CHECK(reread.compose(reread.lines()).value() == saved.value());

    // Every line edited: encoded anew, the file reads back as the same lines.
    const auto retyped = TextLines().compose(file.lines());
    FUZZ_CHECK(retyped.ok() && ParseTextBytes(retyped.value()).lines() == file.lines());
    return 0;
}
