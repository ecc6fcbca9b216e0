// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the comma-text rule of rule lines and the comma escaping of schedule text.
#include "FuzzCheck.h"

#include "base/CommaText.h"

using namespace rekko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line = fuzz::BytesOf(data, size);

    const std::vector<std::string> fields = SplitCommaText(line);
    FUZZ_CHECK(SplitCommaText(JoinCommaText(fields)) == fields);

    const std::string escaped = EscapeCommas(line);
    FUZZ_CHECK(escaped.find(',') == std::string::npos);
    const std::string shown = UnescapeDigitComma(escaped);
    FUZZ_CHECK(shown.size() + 2 == escaped.size() || shown == escaped);
    FUZZ_CHECK(EscapeCommas(shown) == escaped);
    return 0;
}
