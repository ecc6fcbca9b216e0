// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the HTTP answer reader, fed at once and in pieces, keeps its bounds and reads the same either way.
#include "FuzzCheck.h"

#include "clocksync/HttpResponseReader.h"

using namespace rekko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte sets the size of the pieces.
    const size_t piece = data[0] % 64 + 1;
    const std::string_view answer = fuzz::BytesOf(data + 1, size - 1);
    FetchLimits limits;
    limits.maxHeaderLine = 64;
    limits.maxHeader = 256;
    limits.maxBody = 1024;

    HttpResponseReader whole(limits);
    const bool wholeOk = whole.feed(answer);
    HttpResponseReader pieces(limits);
    bool piecesOk = true;
    for (size_t at = 0; at < answer.size() && piecesOk; at += piece)
        piecesOk = pieces.feed(answer.substr(at, piece));

    FUZZ_CHECK(wholeOk == piecesOk);
    FUZZ_CHECK(whole.failed() == !wholeOk);
    FUZZ_CHECK(whole.body().size() <= limits.maxBody && whole.location().size() <= limits.maxHeaderLine);
    if (wholeOk) {
        FUZZ_CHECK(whole.status() == pieces.status());
        FUZZ_CHECK(whole.location() == pieces.location());
        FUZZ_CHECK(whole.body() == pieces.body());
        FUZZ_CHECK(whole.headerDone() == pieces.headerDone());
        FUZZ_CHECK(whole.headerDone() || whole.body().empty());
    }
    return 0;
}
