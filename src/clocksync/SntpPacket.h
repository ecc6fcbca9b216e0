// SPDX-License-Identifier: GPL-3.0-or-later
// SNTP version 4 packets: the client's request, the checks of a server's reply and the clock offset.
#pragma once

#include "base/LocalDateTime.h"
#include "base/Result.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace rekko {

inline constexpr size_t kSntpPacketSize = 48;
using SntpPacket = std::array<unsigned char, kSntpPacketSize>;

// NTP timestamps: seconds since 1900-01-01 UTC in the high 32 bits, the fraction in the low ones. Conversions take
// era 0 up to 2036 and era 1 for the small values after it.
uint64_t NtpTimestamp(LocalDateTime utc);
LocalDateTime NtpTimeToUtc(uint64_t timestamp);

// Returns a client request (version 4, mode 3) carrying its transmit timestamp.
SntpPacket SntpRequest(uint64_t transmit);

// The server's receive and transmit timestamps of a reply.
struct SntpServerTimes {
    uint64_t receive = 0;
    uint64_t transmit = 0;
};

// Checks a reply to the request sent with the transmit timestamp given: its size, version 3 or 4, server mode, a
// synchronised leap indicator, stratum 1..15 (stratum 0 is a kiss-of-death code), the originate timestamp equal to
// the one sent and non-zero server timestamps. Fails with the reason.
Result<SntpServerTimes> ReadSntpReply(std::string_view reply, uint64_t sent);

// Returns the offset of the server's clock from the client's, in seconds, from the four timestamps: the client's
// sending and receiving, the server's receiving and sending; the round trip is taken as symmetric.
double SntpOffsetSeconds(uint64_t clientSent, const SntpServerTimes& server, uint64_t clientReceived);

} // namespace rekko
