// SPDX-License-Identifier: GPL-3.0-or-later
// The two-way sync through Debian's Radicale on the loopback interface, python3-caldav writing as a phone does: two
// data folders converge after edits on each side and on the server, a sync with nothing to do rewrites nothing, a
// wrong password changes nothing here, and a server killed in the middle of 1 000 events leaves a sync that the next
// one completes without duplicates.
#include "sync/CalDavServer.h"

#include "RadicaleServer.h"
#include "SyncFolder.h"

#include "book/ScheduleBook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace rekko {
namespace {

using test::RadicaleServer;
using test::Snapshot;
using test::SyncFolder;

const char* const kMonth = "Ca202612.myc";
const std::string kHeader = MonthFileHeader(2026, 12);

ServerAccount AccountOf(const RadicaleServer& radicale, const std::string& password) {
    return {.address = radicale.address(), .user = radicale.user(), .password = password, .timeoutSeconds = 10};
}

std::vector<std::string> Sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The href of the server's event whose summary is the text.
std::string HrefOf(CalendarServer& server, const std::string& calendar, const std::string& summary) {
    for (const ServerEvent& event : server.changes(calendar, "").value.changed)
        if (event.ics.find("\nSUMMARY:" + summary + "\r\n") != std::string::npos ||
            event.ics.find("\nSUMMARY:" + summary + "\n") != std::string::npos)
            return event.href;
    return {};
}

int Changes(const SyncReport& report) {
    return report.sent + report.received + report.deletedHere + report.deletedThere + report.conflicts;
}

TEST(SyncThroughRadicale, TwoFoldersConvergeAfterEditsOnEachSideAndOnTheServer) {
    RadicaleServer radicale;
    const std::string calendar = radicale.makeCalendar("rekko", "Rekko");
    CalDavServer server(AccountOf(radicale, radicale.password()));
    SyncFolder office(calendar), home(calendar);
    office.write(kMonth, {kHeader, " 3,1,,会議,clRed,,,,,", " 5,1,,1，000円,,,,,,", " 7,1,,歯医者,,,,,,"});
    office.write("CaFromTo.myc", {kPeriodFileHeader, "2026,12, 7,M,2026,12, 9,E,2026,12, 8,2,clGreen,研修"});
    ASSERT_EQ(office.sync(server).sent, 4);
    EXPECT_EQ(home.sync(server).received, 4);
    EXPECT_EQ(Sorted(home.lines(kMonth)), Sorted(office.lines(kMonth)));
    EXPECT_EQ(home.lines("CaFromTo.myc"), office.lines("CaFromTo.myc"));

    for (const SyncFolder* folder : {&office, &home}) {
        const auto before = Snapshot(*folder);
        EXPECT_EQ(Changes(folder->sync(server)), 0);
        EXPECT_EQ(Snapshot(*folder), before);
    }

    // The office edits a line, home adds one, the phone adds one and deletes another.
    office.write(kMonth, {kHeader, " 3,1,,会議 10時,clRed,,,,,", " 5,1,,1，000円,,,,,,", " 7,1,,歯医者,,,,,,"});
    std::vector<std::string> homeLines = home.lines(kMonth);
    homeLines.push_back("12,1,,忘年会,,,,,,");
    home.write(kMonth, homeLines);
    radicale.saveEvent(calendar, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\n"
                                 "UID:phone-1\r\nDTSTAMP:20261201T000000Z\r\nDTSTART;VALUE=DATE:20261215\r\n"
                                 "DTEND;VALUE=DATE:20261216\r\nSUMMARY:電話\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    const std::string dentist = HrefOf(server, calendar, "歯医者");
    ASSERT_FALSE(dentist.empty());
    radicale.deleteEvent(dentist);
    for (const SyncFolder* folder : {&office, &home, &office}) {
        const SyncReport report = folder->sync(server);
        EXPECT_FALSE(report.failed) << report.message;
    }
    const std::vector<std::string> expected = Sorted(
        {kHeader, " 3,1,,会議 10時,clRed,,,,,", " 5,1,,1，000円,,,,,,", "12,1,,忘年会,,,,,,", "15,1,,電話,,,,,,"});
    EXPECT_EQ(Sorted(office.lines(kMonth)), expected);
    EXPECT_EQ(Sorted(home.lines(kMonth)), expected);
    EXPECT_EQ(radicale.events(calendar).size(), 5u);
    EXPECT_EQ(Changes(home.sync(server)), 0);
}

TEST(SyncThroughRadicale, AWrongPasswordChangesNothingHere) {
    RadicaleServer radicale;
    const std::string calendar = radicale.makeCalendar("rekko", "Rekko");
    CalDavServer server(AccountOf(radicale, "wrong"));
    SyncFolder folder(calendar);
    folder.write(kMonth, {kHeader, " 3,1,,会議,,,,,,"});
    const auto before = Snapshot(folder);
    const SyncReport report = folder.sync(server);
    EXPECT_TRUE(report.failed);
    EXPECT_EQ(report.fault, ServerFault::Unauthorized);
    EXPECT_EQ(Snapshot(folder), before);
    EXPECT_EQ(radicale.storedEvents(calendar), 0u);
}

TEST(SyncThroughRadicale, AServerKilledInTheMiddleOfAThousandEventsLeavesASyncTheNextCompletesWithoutDuplicates) {
    RadicaleServer radicale;
    const std::string calendar = radicale.makeCalendar("rekko", "Rekko");
    CalDavServer server(AccountOf(radicale, radicale.password()));
    SyncFolder folder(calendar);
    for (int month = 9; month <= 12; ++month) {
        std::vector<std::string> lines{MonthFileHeader(2026, month)};
        for (int i = 0; i < 250; ++i) {
            const int day = i % 28 + 1;
            lines.push_back((day < 10 ? " " : "") + std::to_string(day) + "," + std::to_string(i / 28 + 1) + ",,予定" +
                            std::to_string(month) + "-" + std::to_string(i) + ",,,,,,");
        }
        folder.write("Ca2026" + std::string(month < 10 ? "0" : "") + std::to_string(month) + ".myc", lines);
    }
    const auto before = Snapshot(folder);

    std::thread killer([&] {
        while (radicale.storedEvents(calendar) < 300)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        radicale.kill();
    });
    const SyncReport cut = folder.sync(server);
    killer.join();
    EXPECT_TRUE(cut.failed);
    EXPECT_EQ(cut.fault, ServerFault::Network);
    auto after = Snapshot(folder);
    after.erase(kSyncStateFileName); // what went up before the server died
    EXPECT_EQ(after, before);

    radicale.restart();
    const SyncReport completed = folder.sync(server);
    EXPECT_FALSE(completed.failed) << completed.message;
    EXPECT_EQ(completed.received, 0);
    EXPECT_EQ(radicale.storedEvents(calendar), 1000u);
    for (const auto& [name, file] : before)
        if (name.starts_with("Ca2026")) {
            EXPECT_EQ(test::ReadFile(folder.dir / name), file.first) << name;
        }
    EXPECT_EQ(Changes(folder.sync(server)), 0);
}

} // namespace
} // namespace rekko
