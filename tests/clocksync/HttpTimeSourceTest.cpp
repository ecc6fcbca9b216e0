// SPDX-License-Identifier: GPL-3.0-or-later
// The HTTP time source against a scripted server on loopback: the request, redirects, and hostile servers that must
// each end as no time within their limits.
#include "clocksync/HttpTimeSource.h"
#include "clocksync/HttpAddress.h"
#include "clocksync/HttpResponseReader.h"
#include "clocksync/TimeSources.h"

#include "LoopbackHttpServer.h"

#include "calendar/Julius.h"
#include "platform/Clock.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using namespace std::chrono_literals;
using test::LoopbackConnection;
using test::LoopbackHttpServer;
using test::TimePageAnswer;

// 2002-12-05 13:21:27 Japan time in UTC.
const LocalDateTime kPageUtc = EncodeDateTime({2002, 12, 5}, {4, 21, 27});

// Runs a fetch and answers how long it took.
std::chrono::duration<double> Timed(TimeSource& source, Result<SourceReading>& result) {
    const auto start = std::chrono::steady_clock::now();
    result = source.fetch();
    return std::chrono::steady_clock::now() - start;
}

TEST(HttpTimeSource, SendsExactlyTheRequestLinesAndReadsThePage) {
    LoopbackHttpServer server;
    server.answer(TimePageAnswer("Thu Dec 5 13:21:27 2002"));
    HttpTimeSource source("http://127.0.0.1:" + std::to_string(server.port()));
    const auto reading = source.fetch();
    ASSERT_TRUE(reading) << reading.error().cause;
    EXPECT_NEAR(reading.value().utc, kPageUtc, 1e-9);
    EXPECT_TRUE(reading.value().wholeSeconds);
    EXPECT_EQ(server.requests().at(0), "GET / HTTP/1.0\r\n"
                                       "Host: 127.0.0.1\r\n"
                                       "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n"
                                       "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n"
                                       "Content-type: application/x-www-form-urlencoded\r\n"
                                       "\r\n");
}

TEST(HttpTimeSource, FollowsLocationsAndParsesAnErrorPage) {
    LoopbackHttpServer server;
    server.answer("HTTP/1.0 302 Found\r\nLOCATION: " + server.address("/moved") + "\r\n\r\n");
    server.answer("HTTP/1.0 301 Moved\r\nlocation:  /there \r\n\r\n");
    server.answer("HTTP/1.0 307 Again\r\nLocation: /elsewhere\r\n\r\n"); // the same address again
    server.answer(TimePageAnswer("Thu Dec 5 13:21:27 2002", "404 Not Found"));
    HttpTimeSource source(server.address("/first"));
    const auto reading = source.fetch();
    ASSERT_TRUE(reading) << reading.error().cause;
    EXPECT_NEAR(reading.value().utc, kPageUtc, 1e-9);
    std::vector<std::string> lines;
    for (const auto& request : server.requests())
        lines.push_back(request.substr(0, request.find("\r\n")));
    EXPECT_EQ(lines, (std::vector<std::string>{"GET /first HTTP/1.0", "GET /moved HTTP/1.0", "GET /there HTTP/1.0",
                                               "GET /there HTTP/1.0"}));
}

TEST(HttpTimeSource, RefusesWhatItCannotFetch) {
    const SystemClock clock;
    for (const std::string address : {"", "https://127.0.0.1/", "ftp://127.0.0.1/", "http://", "http://host:99999/"})
        EXPECT_FALSE(MakeTimeSource(address, clock)->fetch()) << address;
    std::string address;
    {
        const LoopbackHttpServer gone; // a port nobody listens on once the server has gone
        address = gone.address();
    }
    EXPECT_FALSE(HttpTimeSource(address).fetch());
}

TEST(SourceAddress, HostPortAndPath) {
    const auto parts = [](std::string_view address) {
        const auto parsed = ParseSourceAddress(address);
        return parsed ? parsed.value().scheme + " " + parsed.value().host + " " + std::to_string(parsed.value().port) +
                            " " + parsed.value().path
                      : "refused";
    };
    EXPECT_EQ(parts("HTTP://Time.Example"), "http Time.Example 80 /");
    EXPECT_EQ(parts("http://[::1]:8080/cgi-bin/JST.cgi?x=1"), "http ::1 8080 /cgi-bin/JST.cgi?x=1");
    EXPECT_EQ(parts("ntp://ntp.nict.jp"), "ntp ntp.nict.jp 123 /");
    for (const char* refused : {"ntp://host/path", "http://[::1", "http://[::1]x/", "http://host:/", "http://:80/"})
        EXPECT_EQ(parts(refused), "refused") << refused;
    const auto redirect = RedirectTarget("/next", ParseSourceAddress("http://h:81/first").value());
    ASSERT_TRUE(redirect);
    EXPECT_EQ(redirect.value().port, 81);
    EXPECT_FALSE(RedirectTarget("https://h/", redirect.value()));
}

class HostileServer : public ::testing::Test {
protected:
    LoopbackHttpServer server;
    Result<SourceReading> result = Failure{};
    std::chrono::duration<double> fetch(FetchLimits limits = {}) {
        HttpTimeSource source(server.address(), limits);
        return Timed(source, result);
    }
};

TEST_F(HostileServer, SilenceEndsAfterTheStepLimit) {
    server.answer([](LoopbackConnection& connection) { connection.pause(60s); });
    const auto took = fetch();
    EXPECT_FALSE(result);
    EXPECT_GE(took, 9s);
    EXPECT_LT(took, 12s);
}

TEST_F(HostileServer, ASlowDripEndsWithTheBodysStep) {
    server.answer([](LoopbackConnection& connection) {
        if (!connection.send("HTTP/1.0 200 OK\r\n\r\n"))
            return;
        while (connection.send("x") && connection.pause(1s)) {
        }
    });
    const auto took = fetch();
    EXPECT_FALSE(result);
    EXPECT_LT(took, 12s);
}

TEST_F(HostileServer, HeaderLinesDrippedWithinTheStepEndAtTheOverallDeadline) {
    server.answer([](LoopbackConnection& connection) {
        connection.send("HTTP/1.0 200 OK\r\n");
        while (connection.send("X-Wait: 1\r\n") && connection.pause(90ms)) {
        }
    });
    const auto took = fetch({.step = 300ms, .overall = 1s});
    EXPECT_FALSE(result);
    EXPECT_GE(took, 900ms);
    EXPECT_LT(took, 2s);
}

TEST_F(HostileServer, AnEndlessBodyOrHeaderLineStopsAtItsBound) {
    const std::string chunk(64 * 1024, 'a');
    server.answer([&](LoopbackConnection& connection) {
        connection.send("HTTP/1.0 200 OK\r\n\r\n");
        while (connection.send(chunk)) {
        }
    });
    EXPECT_LT(fetch(), 5s);
    EXPECT_FALSE(result);
    // A header line of 100 MB.
    server.answer([&](LoopbackConnection& connection) {
        connection.send("HTTP/1.0 200 OK\r\nX-Long: ");
        for (int sent = 0; sent < 1600 && connection.send(chunk); ++sent) {
        }
    });
    EXPECT_LT(fetch(), 5s);
    EXPECT_FALSE(result);
}

TEST_F(HostileServer, ARedirectLoopEndsAfterFiveRedirects) {
    server.answer("HTTP/1.0 302 Found\r\nLocation: " + server.address() + "\r\n\r\n");
    fetch();
    EXPECT_FALSE(result);
    EXPECT_EQ(server.requests().size(), 6u);
}

TEST_F(HostileServer, OddStatusesAndGarbageGiveNoTime) {
    std::string garbage;
    for (int i = 0; i < 100'000; ++i)
        garbage += static_cast<char>(i * 7919 % 256);
    // The last answer is closed inside the header.
    for (const std::string& answer :
         {std::string("HTTP/1.0 999\r\n\r\nnothing here"), "HTTP/1.0 200 OK\r\n\r\n" + garbage,
          TimePageAnswer("Thu Dec 5 13:21:27"), TimePageAnswer("Thu Foo 5 13:21:27 2002"),
          std::string("HTTP/1.0 200 OK\r\nX-Cut: ")}) {
        server.answer(answer);
        fetch();
        EXPECT_FALSE(result) << answer.substr(0, 40);
    }
}

TEST(HttpResponseReader, KeepsTheHeaderWithinItsBounds) {
    FetchLimits limits;
    limits.maxHeaderLine = 16;
    limits.maxHeader = 40;
    HttpResponseReader reader(limits);
    EXPECT_TRUE(reader.feed("HTTP/1.0 200\r\nA: 0123456789\r\n"));
    EXPECT_EQ(reader.status(), 200);
    EXPECT_FALSE(reader.feed("B: 0123456789\r\n")); // 43 header bytes
    HttpResponseReader longLine(limits);
    EXPECT_FALSE(longLine.feed("HTTP/1.0 200 but a long status line\r\n"));
}

} // namespace
} // namespace rekko
