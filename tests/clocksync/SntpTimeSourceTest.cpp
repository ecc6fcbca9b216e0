// SPDX-License-Identifier: GPL-3.0-or-later
// SNTP: timestamps, the checks of a reply, the offset, and the client against a responder on loopback.
#include "clocksync/SntpTimeSource.h"
#include "clocksync/SntpPacket.h"
#include "clocksync/TimeSources.h"

#include "LoopbackSntpResponder.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

#include <ctime>

namespace rekko {
namespace {

using namespace std::chrono_literals;
using test::LoopbackSntpResponder;

// A reply as a server would send it to the request with the transmit timestamp given.
std::string Reply(uint64_t originate, int stratum = 2, int leap = 0) {
    std::string reply(48, '\0');
    reply[0] = static_cast<char>(leap << 6 | 4 << 3 | 4);
    reply[1] = static_cast<char>(stratum);
    for (int i = 0; i < 8; ++i) {
        reply[24 + i] = static_cast<char>(originate >> (56 - 8 * i));
        reply[32 + i] = static_cast<char>(0x11);
        reply[40 + i] = static_cast<char>(0x12);
    }
    return reply;
}

TEST(SntpPacket, TimestampsRoundTripAcrossTheEras) {
    const LocalDateTime t = EncodeDateTime({2026, 12, 7}, {9, 30, 15, 250});
    EXPECT_NEAR(NtpTimeToUtc(NtpTimestamp(t)), t, 1e-10);
    EXPECT_EQ(NtpTimestamp(EncodeDateTime({1970, 1, 1})) >> 32, 2208988800u);
    const LocalDateTime later = EncodeDateTime({2040, 1, 1}, {12, 0, 0});
    EXPECT_NEAR(NtpTimeToUtc(NtpTimestamp(later)), later, 1e-10);
    EXPECT_EQ(SntpRequest(0x0102030405060708)[0], 0x23);
    EXPECT_EQ(SntpRequest(0x0102030405060708)[47], 0x08);
}

TEST(SntpPacket, RepliesAreChecked) {
    const uint64_t sent = 0xE000000012345678;
    EXPECT_TRUE(ReadSntpReply(Reply(sent), sent));
    EXPECT_FALSE(ReadSntpReply(Reply(sent + 1), sent));
    EXPECT_FALSE(ReadSntpReply(Reply(sent, 0), sent));
    EXPECT_FALSE(ReadSntpReply(Reply(sent, 16), sent));
    EXPECT_FALSE(ReadSntpReply(Reply(sent, 2, 3), sent));
    EXPECT_FALSE(ReadSntpReply(Reply(sent).substr(0, 47), sent));
}

TEST(SntpPacket, TheOffsetTakesTheRoundTripAsSymmetric) {
    // Client sends at 100 s, the server (5 s ahead) receives at 105.1 s and answers at 105.2 s, the client receives
    // at 100.3 s: 0.1 s each way.
    const auto at = [](double seconds) { return static_cast<uint64_t>(seconds * 4294967296.0); };
    EXPECT_NEAR(SntpOffsetSeconds(at(100), {at(105.1), at(105.2)}, at(100.3)), 5.0, 1e-6);
}

// The clock the time sources are compared with is UTC in any zone, daylight saving included.
TEST(SntpTimeSource, TheSystemClocksUtcIsTheZoneFreeTime) {
    const SystemClock clock;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    EXPECT_NEAR(clock.utcNow(), 25569 + static_cast<double>(now) / 86400, 2 / 86400.0);
    EXPECT_NEAR((clock.now() - clock.utcNow()) * 86400, static_cast<double>(local.tm_gmtoff), 2);
}

TEST(SntpTimeSource, ReadsTheOffsetOfTheResponder) {
    LoopbackSntpResponder responder;
    responder.setOffset(-3.25);
    const SystemClock clock;
    SntpTimeSource source(responder.address(), clock);
    const auto reading = source.fetch();
    ASSERT_TRUE(reading) << reading.error().cause;
    EXPECT_FALSE(reading.value().wholeSeconds);
    EXPECT_NEAR((reading.value().utc - clock.utcNow()) * 86400, -3.25, 0.005);
    EXPECT_EQ(MakeTimeSource(responder.address(), clock)->protocol(), std::string("NTP"));
}

TEST(SntpTimeSource, FaultyRepliesGiveNoTime) {
    LoopbackSntpResponder responder;
    const SystemClock clock;
    for (const auto fault : {LoopbackSntpResponder::Fault::WrongOriginate, LoopbackSntpResponder::Fault::KissOfDeath,
                             LoopbackSntpResponder::Fault::Unsynchronised}) {
        responder.setFault(fault);
        EXPECT_FALSE(SntpTimeSource(responder.address(), clock).fetch());
    }
    responder.setFault(LoopbackSntpResponder::Fault::Silent);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(SntpTimeSource(responder.address(), clock, {.step = 500ms}).fetch());
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, 450ms);
    EXPECT_LT(took, 2s);
    EXPECT_EQ(responder.requests(), 4);
}

} // namespace
} // namespace rekko
