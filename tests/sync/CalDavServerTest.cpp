// SPDX-License-Identifier: GPL-3.0-or-later
// The CalDAV client against a real Radicale on the loopback interface, and against scripted failing servers.
#include "sync/CalDavServer.h"
#include "sync/DavMultistatus.h"

#include "LoopbackHttpServer.h"
#include "RadicaleServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

using namespace rekko;
using rekko::test::RadicaleServer;

namespace {

std::string Event(const std::string& uid, const std::string& summary) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Rekko//test//JA\r\nBEGIN:VEVENT\r\nUID:" + uid +
           "\r\nDTSTAMP:20261201T000000Z\r\nDTSTART;VALUE=DATE:20261207\r\nDTEND;VALUE=DATE:20261208\r\nSUMMARY:" +
           summary + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

ServerAccount AccountOf(const RadicaleServer& server, std::string_view path = "/") {
    return {server.address(path), server.user(), server.password(), {}, 5};
}

std::string Answer(std::string_view status, std::string_view body) {
    return "HTTP/1.1 " + std::string(status) +
           "\r\nContent-Type: application/xml\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + std::string(body);
}

std::vector<std::string> HrefsOf(const std::vector<ServerEvent>& events) {
    std::vector<std::string> hrefs;
    for (const ServerEvent& event : events)
        hrefs.push_back(event.href);
    std::sort(hrefs.begin(), hrefs.end());
    return hrefs;
}

} // namespace

TEST(CalDavServer, FindsTheCalendarsFromTheServerAndFromTheCalendarItself) {
    RadicaleServer radicale;
    const std::string calendar = radicale.makeCalendar("work", "仕事");
    ASSERT_EQ(calendar, "/user/work/");

    CalDavServer server(AccountOf(radicale));
    const auto found = server.calendars();
    ASSERT_TRUE(found.ok()) << found.message;
    ASSERT_EQ(found.value.size(), 1u);
    EXPECT_EQ(found.value[0].href, "/user/work/");
    EXPECT_EQ(found.value[0].name, "仕事");

    const auto itself = CalDavServer(AccountOf(radicale, calendar)).calendars();
    ASSERT_TRUE(itself.ok()) << itself.message;
    ASSERT_EQ(itself.value.size(), 1u);
    EXPECT_EQ(itself.value[0].href, "/user/work/");
    EXPECT_EQ(itself.value[0].name, "仕事");
}

TEST(CalDavServer, WritesOverTheRightVersionOnlyAndNeverOverAnExistingEvent) {
    RadicaleServer radicale;
    const std::string calendar = radicale.makeCalendar("work", "仕事");
    CalDavServer server(AccountOf(radicale));
    const std::string href = calendar + "予定 1.ics";

    const auto made = server.put(href, Event("a", "会議"), {});
    ASSERT_TRUE(made.ok()) << made.message;
    EXPECT_FALSE(made.value.empty());
    EXPECT_EQ(server.put(href, Event("a", "二重"), {}).fault, ServerFault::PreconditionFailed);

    const auto changed = server.put(href, Event("a", "打ち合わせ"), made.value);
    ASSERT_TRUE(changed.ok()) << changed.message;
    EXPECT_NE(changed.value, made.value);
    EXPECT_EQ(server.put(href, Event("a", "古い版"), made.value).fault, ServerFault::PreconditionFailed);
    EXPECT_EQ(server.remove(href, made.value).fault, ServerFault::PreconditionFailed);

    const auto fetched = server.fetch(calendar, {href, calendar + "ない.ics"});
    ASSERT_TRUE(fetched.ok()) << fetched.message;
    ASSERT_EQ(fetched.value.size(), 1u);
    EXPECT_EQ(fetched.value[0].href, href);
    EXPECT_EQ(fetched.value[0].etag, changed.value);
    EXPECT_NE(fetched.value[0].ics.find("SUMMARY:打ち合わせ"), std::string::npos);

    EXPECT_TRUE(server.remove(href, changed.value).ok());
    EXPECT_EQ(server.remove(href, changed.value).fault, ServerFault::NotFound);
}

TEST(CalDavServer, ListsEverythingFirstAndThenOnlyWhatChanged) {
    RadicaleServer radicale;
    const std::string calendar = radicale.makeCalendar("work", "仕事");
    CalDavServer server(AccountOf(radicale));
    const auto first = server.put(calendar + "a.ics", Event("a", "会議"), {});
    const auto second = server.put(calendar + "b.ics", Event("b", "出張"), {});
    ASSERT_TRUE(first.ok() && second.ok());

    const auto all = server.changes(calendar, {});
    ASSERT_TRUE(all.ok()) << all.message;
    EXPECT_TRUE(all.value.complete);
    EXPECT_FALSE(all.value.syncToken.empty());
    EXPECT_EQ(HrefsOf(all.value.changed), (std::vector<std::string>{calendar + "a.ics", calendar + "b.ics"}));
    EXPECT_TRUE(all.value.removed.empty());

    const auto changed = server.put(calendar + "a.ics", Event("a", "打ち合わせ"), first.value);
    ASSERT_TRUE(changed.ok());
    ASSERT_TRUE(server.remove(calendar + "b.ics", second.value).ok());

    const auto since = server.changes(calendar, all.value.syncToken);
    ASSERT_TRUE(since.ok()) << since.message;
    EXPECT_FALSE(since.value.complete);
    EXPECT_NE(since.value.syncToken, all.value.syncToken);
    ASSERT_EQ(HrefsOf(since.value.changed), std::vector<std::string>{calendar + "a.ics"});
    EXPECT_EQ(since.value.changed[0].etag, changed.value);
    EXPECT_NE(since.value.changed[0].ics.find("SUMMARY:打ち合わせ"), std::string::npos);
    EXPECT_EQ(since.value.removed, std::vector<std::string>{calendar + "b.ics"});

    // A token the server does not know gives the whole calendar again.
    const auto unknown = server.changes(calendar, "http://radicale.org/ns/sync/unknown");
    ASSERT_TRUE(unknown.ok()) << unknown.message;
    EXPECT_TRUE(unknown.value.complete);
    EXPECT_EQ(HrefsOf(unknown.value.changed), std::vector<std::string>{calendar + "a.ics"});
}

TEST(CalDavServer, ReceivesWhatAnotherClientWritesAndDeletes) {
    RadicaleServer radicale;
    const std::string calendar = radicale.makeCalendar("work", "仕事");
    CalDavServer server(AccountOf(radicale));
    const auto before = server.changes(calendar, {});
    ASSERT_TRUE(before.ok()) << before.message;
    EXPECT_TRUE(before.value.changed.empty());

    const std::string href = radicale.saveEvent(calendar, Event("phone-1", "電話で入れた予定"));
    const auto since = server.changes(calendar, before.value.syncToken);
    ASSERT_TRUE(since.ok()) << since.message;
    ASSERT_EQ(since.value.changed.size(), 1u);
    EXPECT_EQ(since.value.changed[0].href, href);
    EXPECT_NE(since.value.changed[0].ics.find("UID:phone-1"), std::string::npos);
    EXPECT_NE(since.value.changed[0].ics.find("SUMMARY:電話で入れた予定"), std::string::npos);

    // What this client writes, the other client reads.
    ASSERT_TRUE(server.put(calendar + "desk.ics", Event("desk-1", "机で入れた予定"), {}).ok());
    const auto texts = radicale.events(calendar);
    EXPECT_EQ(texts.size(), 2u);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const std::string& text) { return text.find("机で入れた予定") != std::string::npos; }));

    radicale.deleteEvent(href);
    const auto removed = server.changes(calendar, since.value.syncToken);
    ASSERT_TRUE(removed.ok()) << removed.message;
    EXPECT_EQ(removed.value.removed, std::vector<std::string>{href});
    EXPECT_EQ(HrefsOf(removed.value.changed), std::vector<std::string>{calendar + "desk.ics"});
}

TEST(CalDavServer, AWrongPasswordIsUnauthorizedAndAKilledServerANetworkFaultUntilItIsBack) {
    RadicaleServer radicale;
    const std::string calendar = radicale.makeCalendar("work", "仕事");
    ServerAccount account = AccountOf(radicale);
    account.password = "wrong";
    const auto refused = CalDavServer(account).changes(calendar, {});
    EXPECT_EQ(refused.fault, ServerFault::Unauthorized);
    EXPECT_FALSE(refused.message.empty());

    CalDavServer server(AccountOf(radicale));
    ASSERT_TRUE(server.changes(calendar, {}).ok());
    radicale.kill();
    EXPECT_EQ(server.changes(calendar, {}).fault, ServerFault::Network);
    radicale.restart();
    EXPECT_TRUE(server.changes(calendar, {}).ok());
}

TEST(CalDavServer, ASelfSignedServerIsRefusedUntilItsKeyIsPinned) {
    RadicaleServer radicale(RadicaleServer::Transport::SelfSignedTls);
    ServerAccount account = AccountOf(radicale);
    EXPECT_EQ(CalDavServer(account).calendars().fault, ServerFault::Certificate);

    const auto pin = PeerKeyPin(account);
    ASSERT_TRUE(pin.ok()) << pin.message;
    EXPECT_EQ(pin.value.rfind("sha256//", 0), 0u);
    account.pinnedKey = pin.value;
    const auto found = CalDavServer(account).calendars();
    EXPECT_TRUE(found.ok()) << found.message;

    account.pinnedKey = "sha256//" + std::string(43, 'A') + "=";
    EXPECT_EQ(CalDavServer(account).calendars().fault, ServerFault::Certificate);
}

TEST(CalDavServer, AnErrorAnswerOrEndlessRedirectsAreServerErrorsAndAStallTimesOut) {
    test::LoopbackHttpServer failing;
    failing.answer("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    const auto error = CalDavServer({failing.address(), "user", "secret", {}, 5}).calendars();
    EXPECT_EQ(error.fault, ServerFault::ServerError);

    test::LoopbackHttpServer looping;
    looping.answer("HTTP/1.1 302 Found\r\nLocation: /again/\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(CalDavServer({looping.address(), "user", "secret", {}, 5}).changes("/cal/", {}).fault,
              ServerFault::ServerError);
    EXPECT_EQ(looping.requests().size(), 6u);

    test::LoopbackHttpServer stalling;
    stalling.answer([](test::LoopbackConnection& connection) { connection.pause(std::chrono::seconds(10)); });
    const auto start = std::chrono::steady_clock::now();
    const auto stalled = CalDavServer({stalling.address(), "user", "secret", {}, 1}).changes("/user/work/", {});
    EXPECT_EQ(stalled.fault, ServerFault::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

TEST(CalDavServer, ReadsAnswersWhateverPrefixesTheServerChose) {
    const auto read = ReadMultistatus(R"(<?xml version="1.0"?>
<multistatus xmlns="DAV:"><response xmlns:cal="urn:ietf:params:xml:ns:caldav"><href> /cal/a%20b.ics </href>
<propstat><prop><getetag>"1"</getetag><cal:calendar-data><![CDATA[BEGIN:VCALENDAR]]></cal:calendar-data></prop>
<status>HTTP/1.1 200 OK</status></propstat>
<propstat><prop><displayname>not found</displayname></prop><status>HTTP/1.1 404 Not Found</status></propstat>
</response><response><href>/cal/gone.ics</href><status>HTTP/1.1 404 Not Found</status></response>
<x:sync-token xmlns:x="DAV:">token-2</x:sync-token><sync-token xmlns="urn:other">not ours</sync-token></multistatus>)");
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->responses.size(), 2u);
    EXPECT_EQ(read->responses[0].href, "/cal/a%20b.ics");
    EXPECT_EQ(read->responses[0].etag, "\"1\"");
    EXPECT_EQ(read->responses[0].calendarData, "BEGIN:VCALENDAR");
    EXPECT_EQ(read->responses[0].displayName, "");
    EXPECT_EQ(read->responses[1].status, 404);
    EXPECT_EQ(read->syncToken, "token-2");
    EXPECT_FALSE(ReadMultistatus("<multistatus><response/></multistatus>").has_value());
}

TEST(CalDavServer, QueriesAServerWithoutSyncCollectionAndFetchesWhatCameWithoutData) {
    test::LoopbackHttpServer server;
    server.answer(Answer("501 Not Implemented", ""));
    server.answer(Answer("207 Multi-Status", R"(<D:multistatus xmlns:D="DAV:"><D:response>
<D:href>http://127.0.0.1/cal/%E4%BA%88%E5%AE%9A.ics</D:href><D:propstat><D:prop><D:getetag>"e1"</D:getetag></D:prop>
<D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response></D:multistatus>)"));
    server.answer(Answer("207 Multi-Status", R"(<D:multistatus xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav">
<D:response><D:href>/cal/%E4%BA%88%E5%AE%9A.ics</D:href><D:propstat><D:prop><D:getetag>"e1"</D:getetag>
<C:calendar-data>BEGIN:VCALENDAR</C:calendar-data></D:prop><D:status>HTTP/1.1 200 OK</D:status></D:propstat>
</D:response></D:multistatus>)"));
    const auto listed = CalDavServer({server.address(), "user", "secret", {}, 5}).changes("/cal/", "token-1");
    ASSERT_TRUE(listed.ok()) << listed.message;
    EXPECT_TRUE(listed.value.complete);
    EXPECT_TRUE(listed.value.syncToken.empty());
    ASSERT_EQ(listed.value.changed.size(), 1u);
    EXPECT_EQ(listed.value.changed[0].href, "/cal/予定.ics");
    EXPECT_EQ(listed.value.changed[0].etag, "\"e1\"");
    EXPECT_EQ(listed.value.changed[0].ics, "BEGIN:VCALENDAR");
    EXPECT_EQ(server.requests().size(), 3u);
}

TEST(CalDavServer, SignsInWithDigestWhenTheServerAsksForIt) {
    test::LoopbackHttpServer server;
    server.answer("HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Digest realm=\"cal\", nonce=\"n1\", qop=\"auth\"\r\n"
                  "Content-Length: 0\r\nConnection: close\r\n\r\n");
    server.answer(Answer("204 No Content", ""));
    const auto removed = CalDavServer({server.address(), "user", "secret", {}, 5}).remove("/cal/a.ics", "\"e1\"");
    EXPECT_TRUE(removed.ok()) << removed.message;
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_NE(requests[1].find("Authorization: Digest username=\"user\""), std::string::npos);
    EXPECT_NE(requests[1].find("If-Match: \"e1\""), std::string::npos);
}

TEST(CalDavServer, FollowsASyncAnswerCutShortToItsEnd) {
    const auto part = [](std::string_view event, std::string_view more, std::string_view token) {
        return Answer("207 Multi-Status",
                      std::string(R"(<multistatus xmlns="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav"><response>)") +
                          "<href>/cal/" + std::string(event) + "</href><propstat><prop><getetag>\"1\"</getetag>" +
                          "<C:calendar-data>BEGIN:VCALENDAR</C:calendar-data></prop><status>HTTP/1.1 200 OK</status>" +
                          "</propstat></response>" + std::string(more) + "<sync-token>" + std::string(token) +
                          "</sync-token></multistatus>");
    };
    test::LoopbackHttpServer server;
    server.answer(part("a.ics",
                       "<response><href>/cal/</href><status>HTTP/1.1 507 Insufficient Storage</status>"
                       "</response>",
                       "t1"));
    server.answer(part("b.ics", "", "t2"));
    const auto listed = CalDavServer({server.address(), "user", "secret", {}, 5}).changes("/cal/", {});
    ASSERT_TRUE(listed.ok()) << listed.message;
    EXPECT_TRUE(listed.value.complete);
    EXPECT_EQ(listed.value.syncToken, "t2");
    EXPECT_EQ(HrefsOf(listed.value.changed), (std::vector<std::string>{"/cal/a.ics", "/cal/b.ics"}));
}

TEST(CalDavServer, FindsTheCalendarsThroughTheWellKnownAddressAndItsRedirect) {
    test::LoopbackHttpServer server;
    server.answer("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    server.answer("HTTP/1.1 301 Moved\r\nLocation: /dav/me/\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
    server.answer(Answer("207 Multi-Status", R"(<d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav">
<d:response><d:href>/dav/me/</d:href><d:propstat><d:prop><c:calendar-home-set><d:href>calendars/</d:href>
</c:calendar-home-set></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response></d:multistatus>)"));
    server.answer(Answer("207 Multi-Status", R"(<d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav">
<d:response><d:href>work/</d:href><d:propstat><d:prop><d:resourcetype><d:collection/><c:calendar/></d:resourcetype>
<d:displayname>仕事</d:displayname></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>
<d:response><d:href>tasks/</d:href><d:propstat><d:prop><d:resourcetype><d:collection/><c:calendar/></d:resourcetype>
<c:supported-calendar-component-set><c:comp name="VTODO"/></c:supported-calendar-component-set></d:prop>
<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response></d:multistatus>)"));
    const auto found = CalDavServer({server.address(), "user", "secret", {}, 5}).calendars();
    ASSERT_TRUE(found.ok()) << found.message;
    ASSERT_EQ(found.value.size(), 1u);
    EXPECT_EQ(found.value[0].href, "/dav/me/calendars/work/");
    EXPECT_EQ(found.value[0].name, "仕事");
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[1].rfind("PROPFIND /.well-known/caldav ", 0), 0u);
}
