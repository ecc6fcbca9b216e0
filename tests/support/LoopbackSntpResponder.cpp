// SPDX-License-Identifier: GPL-3.0-or-later
// The loopback SNTP responder: server replies stamped with the machine's clock plus an offset.
#include "LoopbackSntpResponder.h"

#include "LoopbackSocket.h"

#include <arpa/inet.h>
#include <cmath>
#include <cstring>
#include <ctime>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace rekko::test {

namespace {

// Seconds from 1900-01-01 to 1970-01-01.
constexpr double kNtpToUnix = 2208988800.0;

void PutTimestamp(unsigned char* at, double unixSeconds) {
    const double ntp = unixSeconds + kNtpToUnix;
    const double whole = std::floor(ntp);
    const uint64_t value =
        static_cast<uint64_t>(static_cast<uint32_t>(whole)) << 32 | static_cast<uint32_t>((ntp - whole) * 4294967296.0);
    for (int i = 0; i < 8; ++i)
        at[i] = static_cast<unsigned char>(value >> (56 - 8 * i));
}

double UnixNow() {
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<double>(ts.tv_sec) + ts.tv_nsec / 1e9;
}

} // namespace

LoopbackSntpResponder::LoopbackSntpResponder() {
    m_socket = OpenLoopbackSocket(SOCK_DGRAM, m_port, "the loopback SNTP responder");
    m_thread = std::thread([this] { serve(); });
}

LoopbackSntpResponder::~LoopbackSntpResponder() {
    m_stopping = true;
    m_thread.join();
    ::close(m_socket);
}

std::string LoopbackSntpResponder::address() const {
    return "ntp://127.0.0.1:" + std::to_string(m_port);
}

void LoopbackSntpResponder::serve() {
    while (!m_stopping) {
        pollfd entry{m_socket, POLLIN, 0};
        if (::poll(&entry, 1, 50) <= 0)
            continue;
        unsigned char packet[512];
        sockaddr_in client{};
        socklen_t length = sizeof client;
        const ssize_t size =
            ::recvfrom(m_socket, packet, sizeof packet, 0, reinterpret_cast<sockaddr*>(&client), &length);
        const double received = UnixNow() + m_offset;
        if (size < 48)
            continue;
        ++m_requests;
        const Fault fault = m_fault;
        if (fault == Fault::Silent)
            continue;
        unsigned char reply[48] = {};
        reply[0] = (fault == Fault::Unsynchronised ? 3 << 6 : 0) | 4 << 3 | 4; // version 4, server
        reply[1] = fault == Fault::KissOfDeath ? 0 : 2;                        // stratum
        reply[2] = packet[2];
        reply[3] = static_cast<unsigned char>(-20); // precision about a microsecond
        if (fault == Fault::KissOfDeath)
            std::memcpy(reply + 12, "RATE", 4);
        std::memcpy(reply + 24, packet + 40, 8); // originate: the client's transmit
        if (fault == Fault::WrongOriginate)
            reply[31] ^= 0x5A;
        PutTimestamp(reply + 16, received - 16); // reference: a while ago
        PutTimestamp(reply + 32, received);
        PutTimestamp(reply + 40, UnixNow() + m_offset);
        ::sendto(m_socket, reply, sizeof reply, 0, reinterpret_cast<sockaddr*>(&client), length);
    }
}

} // namespace rekko::test
