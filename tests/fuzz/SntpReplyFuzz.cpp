// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the SNTP reply checks accept only a reply to the request sent, with server times and a finite offset.
#include "FuzzCheck.h"

#include "clocksync/SntpPacket.h"

#include <cmath>

using namespace rekko;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view reply = fuzz::BytesOf(data, size);
    // The request the reply answers: its originate field when there is one, so that the other checks are reached.
    uint64_t sent = 0;
    for (size_t i = 24; i < 32 && i < size; ++i)
        sent = sent << 8 | data[i];
    const auto times = ReadSntpReply(reply, sent);
    if (!times)
        return 0;
    FUZZ_CHECK(size >= kSntpPacketSize && (data[0] & 7) == 4 && data[1] >= 1 && data[1] <= 15);
    FUZZ_CHECK(times.value().receive != 0 && times.value().transmit != 0);
    FUZZ_CHECK(std::isfinite(SntpOffsetSeconds(sent, times.value(), sent)));
    FUZZ_CHECK(!ReadSntpReply(reply, sent + 1));
    return 0;
}
