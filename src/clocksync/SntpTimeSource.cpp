// SPDX-License-Identifier: GPL-3.0-or-later
// One SNTP exchange: the request stamped by the clock, the reply checked, the server's time at the reply.
#include "SntpTimeSource.h"

#include "HttpAddress.h"
#include "NetworkSteps.h"
#include "SntpPacket.h"

#include <array>
#include <sys/socket.h>

namespace rekko {

Result<SourceReading> SntpTimeSource::fetch() {
    auto address = ParseSourceAddress(m_address);
    if (!address)
        return address.error();
    if (address.value().scheme != "ntp")
        return Failure{"not an ntp:// address: " + m_address};
    const SteadyTime deadline = std::chrono::steady_clock::now() + m_limits.overall;
    auto socket = Connect(address.value().host, address.value().port, SOCK_DGRAM, m_limits.step, deadline);
    if (!socket)
        return socket.error();
    const int fd = socket.value().get();
    const SteadyTime end = StepEnd(m_limits.step, deadline);
    const uint64_t sent = NtpTimestamp(m_clock.utcNow());
    const SntpPacket request = SntpRequest(sent);
    if (auto done = SendAll(fd, {reinterpret_cast<const char*>(request.data()), request.size()}, end); !done)
        return done.error();
    std::array<char, 512> reply;
    auto received = ReceiveSome(fd, reply.data(), reply.size(), end);
    const LocalDateTime arrived = m_clock.utcNow();
    if (!received)
        return received.error();
    auto times = ReadSntpReply({reply.data(), received.value()}, sent);
    if (!times)
        return times.error();
    const double offset = SntpOffsetSeconds(sent, times.value(), NtpTimestamp(arrived));
    return SourceReading{arrived + offset / 86400.0, false};
}

} // namespace rekko
