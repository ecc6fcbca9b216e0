// SPDX-License-Identifier: GPL-3.0-or-later
// Fetching a time page over HTTP/1.0: the request, redirects, the bounded answer and the page time in UTC.
#include "HttpTimeSource.h"

#include "HttpAddress.h"
#include "HttpResponseReader.h"
#include "NetworkSteps.h"
#include "PageTime.h"

#include "platform/Clock.h"

#include <array>
#include <sys/socket.h>

namespace rekko {

namespace {

// Returns the request for a path on a host: the GET line, Host and the fixed Accept and Content-type lines, each
// ending in CR LF, and the empty line; nothing else.
std::string HttpRequest(const SourceAddressParts& address) {
    return "GET " + address.path + " HTTP/1.0\r\n" + "Host: " + address.host + "\r\n" +
           "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n"
           "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n"
           "Content-type: application/x-www-form-urlencoded\r\n"
           "\r\n";
}

// One HTTP answer, fetched within the limits; fails on any network failure or broken bound.
struct HttpAnswer {
    int status = 0;
    std::string location;
    std::string body;
};

Result<HttpAnswer> FetchHttpAnswer(const SourceAddressParts& address, const FetchLimits& limits, SteadyTime deadline) {
    auto socket = Connect(address.host, address.port, SOCK_STREAM, limits.step, deadline);
    if (!socket)
        return socket.error();
    const int fd = socket.value().get();
    if (auto sent = SendAll(fd, HttpRequest(address), StepEnd(limits.step, deadline)); !sent)
        return sent.error();
    HttpResponseReader reader(limits);
    // A step for each header line, then one for the whole body.
    size_t lines = 0;
    bool inBody = false;
    SteadyTime end = StepEnd(limits.step, deadline);
    std::array<char, 16384> buffer;
    for (;;) {
        auto received = ReceiveSome(fd, buffer.data(), buffer.size(), end);
        if (!received)
            return received.error();
        if (received.value() == 0)
            break;
        if (!reader.feed({buffer.data(), received.value()}))
            return Failure{"the answer is larger than the program takes"};
        if (!inBody && (reader.headerLines() != lines || reader.headerDone())) {
            lines = reader.headerLines();
            inBody = reader.headerDone();
            end = StepEnd(limits.step, deadline);
        }
    }
    if (!reader.headerDone())
        return Failure{"the connection closed within the header"};
    return HttpAnswer{reader.status(), reader.location(), reader.body()};
}

} // namespace

Result<SourceReading> HttpTimeSource::fetch() {
    auto address = ParseSourceAddress(m_address);
    if (!address)
        return address.error();
    if (address.value().scheme != "http")
        return Failure{"not an http:// address: " + m_address};
    const SteadyTime deadline = std::chrono::steady_clock::now() + m_limits.overall;
    SourceAddressParts target = address.value();
    for (int redirects = 0;; ++redirects) {
        auto answer = FetchHttpAnswer(target, m_limits, deadline);
        if (!answer)
            return answer.error();
        const int status = answer.value().status;
        if (status < 299 || status > 399) {
            const LocalDateTime page = ParsePageTime(answer.value().body);
            if (page == 0)
                return Failure{"no time on the page (status " + std::to_string(status) + ")"};
            return SourceReading{page - Clock::kJapanHoursAheadOfUtc / 24.0, true};
        }
        if (redirects == m_limits.maxRedirects)
            return Failure{"more than " + std::to_string(m_limits.maxRedirects) + " redirects"};
        if (status >= 300 && status <= 302) {
            auto next = RedirectTarget(answer.value().location, target);
            if (!next)
                return next.error();
            target = next.value();
        }
    }
}

} // namespace rekko
