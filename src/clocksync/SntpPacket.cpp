// SPDX-License-Identifier: GPL-3.0-or-later
// Building SNTP requests, checking replies and computing the offset from the four timestamps.
#include "SntpPacket.h"

#include <cmath>
#include <string>

namespace rekko {

namespace {

// 1900-01-01 in local date-and-time units (1899-12-30 is day 0).
constexpr double kNtpEpochDay = 2;
constexpr double kEraSeconds = 4294967296.0;

uint64_t ReadBig64(std::string_view bytes, size_t at) {
    uint64_t value = 0;
    for (size_t i = 0; i < 8; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Returns the signed difference a − b of two timestamps in seconds (they lie within 68 years of each other).
double Seconds(uint64_t a, uint64_t b) {
    return static_cast<double>(static_cast<int64_t>(a - b)) / kEraSeconds;
}

} // namespace

uint64_t NtpTimestamp(LocalDateTime utc) {
    const double seconds = std::fmod((utc - kNtpEpochDay) * 86400.0, kEraSeconds);
    const double whole = std::floor(seconds);
    return static_cast<uint64_t>(whole) << 32 | static_cast<uint64_t>((seconds - whole) * kEraSeconds);
}

LocalDateTime NtpTimeToUtc(uint64_t timestamp) {
    double seconds = static_cast<double>(timestamp >> 32) + static_cast<double>(timestamp & 0xFFFFFFFFu) / kEraSeconds;
    if ((timestamp >> 63) == 0)
        seconds += kEraSeconds; // era 1: from 2036-02-07
    return kNtpEpochDay + seconds / 86400.0;
}

SntpPacket SntpRequest(uint64_t transmit) {
    SntpPacket packet{};
    packet[0] = 0 << 6 | 4 << 3 | 3; // no leap warning, version 4, client
    for (size_t i = 0; i < 8; ++i)
        packet[40 + i] = static_cast<unsigned char>(transmit >> (56 - 8 * i));
    return packet;
}

Result<SntpServerTimes> ReadSntpReply(std::string_view reply, uint64_t sent) {
    if (reply.size() < kSntpPacketSize)
        return Failure{"the NTP reply is too short"};
    const auto first = static_cast<unsigned char>(reply[0]);
    const int leap = first >> 6, version = first >> 3 & 7, mode = first & 7;
    const auto stratum = static_cast<unsigned char>(reply[1]);
    if (version < 3 || version > 4 || mode != 4)
        return Failure{"not an NTP server reply"};
    if (stratum == 0)
        return Failure{"the NTP server refused with the code " + std::string(reply.substr(12, 4))};
    if (leap == 3 || stratum > 15)
        return Failure{"the NTP server is not synchronised"};
    if (ReadBig64(reply, 24) != sent)
        return Failure{"the NTP reply does not answer the request sent"};
    const SntpServerTimes times{ReadBig64(reply, 32), ReadBig64(reply, 40)};
    if (times.receive == 0 || times.transmit == 0)
        return Failure{"the NTP reply carries no time"};
    return times;
}

double SntpOffsetSeconds(uint64_t clientSent, const SntpServerTimes& server, uint64_t clientReceived) {
    return (Seconds(server.receive, clientSent) + Seconds(server.transmit, clientReceived)) / 2;
}

} // namespace rekko
