// SPDX-License-Identifier: GPL-3.0-or-later
// The two-way sync against a calendar server in memory: first syncs each way, a sync with nothing to do, edits,
// conflicts, deletions, adopted events, the mass-deletion stop, events made elsewhere and a fault in the middle.
#include "sync/SyncRun.h"
#include "sync/SyncState.h"

#include "MemoryCalendarServer.h"
#include "SyncFolder.h"
#include "TempDir.h"
#include "base/TextFile.h"
#include "book/ScheduleBook.h"
#include "sync/IcsReader.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace rekko {
namespace {

using test::InodeOf;
using test::MemoryCalendarServer;
using test::ReadFile;
using test::Snapshot;
using test::TempDir;

const char* const kMonth = "Ca202612.myc";
const std::string kHeader = MonthFileHeader(2026, 12);

// A data folder synced with the server's calendar; its month file is December 2026's unless named.
struct Folder : test::SyncFolder {
    Folder() : SyncFolder(MemoryCalendarServer::kCalendar) {}
    using SyncFolder::lines;
    std::vector<std::string> lines() const { return lines(kMonth); }
};

// An event as a phone writes it: no X- properties.
std::string PhoneEvent(const std::string& uid, const std::string& summary, const std::string& times,
                       const std::string& more = "") {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:" + uid +
           "\r\nDTSTAMP:20261201T000000Z\r\n" + times + "SUMMARY:" + summary + "\r\n" + more +
           "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

std::string AllDay(const std::string& first, const std::string& end) {
    return "DTSTART;VALUE=DATE:" + first + "\r\nDTEND;VALUE=DATE:" + end + "\r\n";
}

// The href of the server's event with that summary; empty when there is none.
std::string HrefOf(const MemoryCalendarServer& server, const std::string& summary) {
    for (const auto& [href, event] : server.events()) {
        if (ParseIcsEvent(event.ics)->summary == summary)
            return href;
    }
    return {};
}

// A server event edited by another client: its summary replaced, the X-REKKO-RECORD (a folded property) dropped if
// asked.
void EditOnServer(MemoryCalendarServer& server, const std::string& summary, const std::string& to,
                  bool dropRecord = false) {
    const std::string href = HrefOf(server, summary);
    ASSERT_FALSE(href.empty()) << summary;
    std::string ics, line;
    bool dropping = false;
    for (size_t start = 0, end; start < server.events().at(href).ics.size(); start = end + 2) {
        end = server.events().at(href).ics.find("\r\n", start);
        line = server.events().at(href).ics.substr(start, end - start);
        dropping = dropRecord && (line.starts_with("X-REKKO-RECORD") || (dropping && line.starts_with(" ")));
        if (line == "SUMMARY:" + summary)
            line = "SUMMARY:" + to;
        if (!dropping)
            ics += line + "\r\n";
    }
    server.store(href, ics);
}

TEST(SyncRun, FirstSyncUpThenDownIntoAnEmptyFolderThenNothingIsRewrittenOrSent) {
    MemoryCalendarServer server;
    Folder first;
    first.write(kMonth, {kHeader, " 3,1,,会議,clRed,,,,,", " 5,1,,1，000円,,,,,,"});
    first.write("CaFromTo.myc", {kPeriodFileHeader, "2026,12, 7,M,2026,12, 9,E,2026,12, 8,2,clGreen,研修",
                                 "2026,12,10,M,2026,12,11,E,2026,12,10,1,D,隠し"});
    first.write("Sday.myc", {"1990,,12,20,,,誕生日"});

    const SyncReport dry = first.sync(server, true);
    EXPECT_EQ(dry.sent, 4);
    EXPECT_EQ(std::count_if(dry.plan.begin(), dry.plan.end(), [](auto& line) { return line.starts_with("> 追加"); }),
              4);
    EXPECT_TRUE(server.events().empty());
    EXPECT_FALSE(std::filesystem::exists(first.dir / kSyncStateFileName));

    const SyncReport up = first.sync(server);
    EXPECT_FALSE(up.failed) << up.message;
    EXPECT_EQ(up.sent, 4); // the hidden period stays here
    EXPECT_EQ(server.events().size(), 4u);
    EXPECT_EQ(SyncStatusText(up), "同期しました：送信 4 件");

    Folder second;
    const SyncReport down = second.sync(server);
    EXPECT_EQ(down.received, 3);
    EXPECT_EQ(down.recurringSkipped, std::vector<std::string>{"誕生日"});
    std::vector<std::string> firstLines = first.lines(), secondLines = second.lines();
    std::sort(firstLines.begin(), firstLines.end());
    std::sort(secondLines.begin(), secondLines.end());
    EXPECT_EQ(secondLines, firstLines); // byte for byte from X-REKKO-RECORD
    EXPECT_EQ(second.lines("CaFromTo.myc"),
              (std::vector<std::string>{kPeriodFileHeader, "2026,12, 7,M,2026,12, 9,E,2026,12, 8,2,clGreen,研修"}));

    for (const Folder* folder : {&first, &second}) {
        const auto before = Snapshot(*folder);
        const int requests = server.requests();
        const SyncReport again = folder->sync(server);
        EXPECT_EQ(again.sent + again.received + again.deletedHere + again.deletedThere, 0);
        EXPECT_EQ(Snapshot(*folder), before);
        EXPECT_EQ(server.requests(), requests + 1); // the changes asked for, nothing sent
        EXPECT_EQ(SyncStatusText(again), "同期しました：変更はありません");
    }
}

TEST(SyncRun, AnAnniversaryAnotherComputerSentIsTakenAsSentNeitherDoubledNorNamedAsForeign) {
    MemoryCalendarServer server;
    Folder office, home;
    for (const Folder* folder : {&office, &home})
        folder->write("Sday.myc", {"1990,,12,20,,,誕生日"});
    ASSERT_EQ(office.sync(server).sent, 1);
    const SyncReport report = home.sync(server);
    EXPECT_EQ(report.sent, 0);
    EXPECT_TRUE(report.recurringSkipped.empty());
    EXPECT_EQ(server.events().size(), 1u);
    EXPECT_EQ(home.sync(server).sent, 0);
}

TEST(SyncRun, EditsOnEachSideAreTakenAndAnEditOnBothKeepsTheServersAsAConflictLine) {
    MemoryCalendarServer server;
    Folder folder;
    folder.write(kMonth, {kHeader, " 3,1,,会議,clRed,,,,,", " 5,1,,買い物,,,,,,", " 7,1,,歯医者,,,,,,"});
    ASSERT_EQ(folder.sync(server).sent, 3);

    EditOnServer(server, "会議", "会議（変更）");
    EditOnServer(server, "歯医者", "歯医者（中止）");
    folder.write(kMonth, {kHeader, " 3,1,,会議,clRed,,,,,", " 5,1,,買い物と散歩,,,,,,", " 7,1,,歯医者 10時,,,,,,"});
    const SyncReport report = folder.sync(server);
    EXPECT_EQ(report.received, 1);
    EXPECT_EQ(report.sent, 1);
    EXPECT_EQ(report.conflicts, 1);
    EXPECT_NE(SyncStatusText(report).find("「（競合）」"), std::string::npos);
    EXPECT_EQ(folder.lines(),
              (std::vector<std::string>{kHeader, " 3,1,,会議（変更）,clRed,,,,,", " 5,1,,買い物と散歩,,,,,,",
                                        " 7,1,,歯医者 10時,,,,,,", " 7,2,,（競合）歯医者（中止）,,,,,,"}));
    EXPECT_FALSE(HrefOf(server, "買い物と散歩").empty());

    // The next sync sends the local version over the server's; the conflict line stays here.
    const SyncReport next = folder.sync(server);
    EXPECT_EQ(next.sent, 1);
    EXPECT_EQ(server.events().size(), 3u);
    EXPECT_FALSE(HrefOf(server, "歯医者 10時").empty());
    EXPECT_EQ(folder.sync(server).sent, 0);

    // Edited, the conflict line goes up like any other.
    folder.write(kMonth, {kHeader, " 3,1,,会議（変更）,clRed,,,,,", " 5,1,,買い物と散歩,,,,,,",
                          " 7,1,,歯医者 10時,,,,,,", " 7,2,,歯医者は中止,,,,,,"});
    EXPECT_EQ(folder.sync(server).sent, 1);
    EXPECT_EQ(server.events().size(), 4u);
}

TEST(SyncRun, DeletionsGoEachWayAChangeOutlivesADeletionAndMassDeletionStops) {
    MemoryCalendarServer server;
    Folder folder;
    folder.write(kMonth, {kHeader, " 1,1,,a,,,,,,", " 2,1,,b,,,,,,", " 3,1,,c,,,,,,", " 4,1,,d,,,,,,", " 5,1,,e,,,,,,",
                          " 6,1,,f,,,,,,"});
    ASSERT_EQ(folder.sync(server).sent, 6);

    server.erase(HrefOf(server, "a"));
    EditOnServer(server, "c", "c2");
    server.erase(HrefOf(server, "d"));
    // b and c deleted here, d edited, e renumbered: a line is matched by its date and fields 3 to 8 only.
    folder.write(kMonth, {kHeader, " 1,1,,a,,,,,,", " 4,1,,d2,,,,,,", " 5,7,,e,,,,,,", " 6,1,,f,,,,,,"});
    const SyncReport report = folder.sync(server);
    EXPECT_EQ(report.deletedHere, 1);
    EXPECT_EQ(report.deletedThere, 1);
    EXPECT_EQ(report.received, 1);
    EXPECT_EQ(report.sent, 1);
    EXPECT_EQ(folder.lines(), (std::vector<std::string>{kHeader, " 4,1,,d2,,,,,,", " 5,7,,e,,,,,,", " 6,1,,f,,,,,,",
                                                        " 3,1,,c2,,,,,,"}));
    EXPECT_EQ(server.events().size(), 4u);
    EXPECT_TRUE(HrefOf(server, "b").empty());
    EXPECT_FALSE(HrefOf(server, "d2").empty());

    folder.write(kMonth, {kHeader, " 3,1,,c2,,,,,,"});
    const auto before = Snapshot(folder);
    const SyncReport stopped = folder.sync(server);
    EXPECT_TRUE(stopped.massDeletion);
    EXPECT_EQ(stopped.deletedThere, 3);
    EXPECT_EQ(server.events().size(), 4u);
    EXPECT_EQ(Snapshot(folder), before);
    EXPECT_EQ(SyncStatusText(stopped), "同期を止めました：削除が予定の半分を超えます（こちら 0 件、サーバー 3 件）");

    EXPECT_EQ(folder.sync(server, false, true).deletedThere, 3);
    EXPECT_EQ(server.events().size(), 1u);
}

TEST(SyncRun, AServerEventEqualToALocalLineAndA412AreAdoptedNeverDuplicated) {
    MemoryCalendarServer server;
    Folder other, folder;
    other.write(kMonth, {kHeader, " 3,1,,会議,,,,,,"});
    folder.write(kMonth, {kHeader, " 3,1,,会議,,,,,,", " 4,1,,昼食,,,,,,"});
    ASSERT_EQ(other.sync(server).sent, 1);
    const auto before = Snapshot(folder);
    const SyncReport first = folder.sync(server);
    EXPECT_EQ(first.sent, 1);
    EXPECT_EQ(first.received, 0);
    EXPECT_EQ(server.events().size(), 2u);
    EXPECT_EQ(ReadFile(folder.dir / kMonth), before.at(kMonth).first);

    // Another client writes the very edit between the sync's listing and its PUT: the PUT is answered 412.
    folder.write(kMonth, {kHeader, " 3,1,,会議室,,,,,,", " 4,1,,昼食,,,,,,"});
    const int listing = server.requests() + 1;
    server.beforeRequest = [&](int request) {
        if (request == listing + 1)
            EditOnServer(server, "会議", "会議室");
    };
    const SyncReport adopted = folder.sync(server);
    EXPECT_FALSE(adopted.failed) << adopted.message;
    EXPECT_EQ(adopted.sent + adopted.received + adopted.conflicts, 0);
    EXPECT_EQ(server.events().size(), 2u);
    EXPECT_EQ(folder.lines(), (std::vector<std::string>{kHeader, " 3,1,,会議室,,,,,,", " 4,1,,昼食,,,,,,"}));
    server.beforeRequest = nullptr;
    const SyncReport quiet = folder.sync(server);
    EXPECT_EQ(quiet.sent + quiet.received, 0);
}

TEST(SyncRun, EventsMadeElsewhereComeDownWithDefaultsTimesPeriodsAndGeta) {
    MemoryCalendarServer server;
    server.store("/e/1.ics", PhoneEvent("1", "電話 😀", AllDay("20261210", "20261211")));
    server.store("/e/2.ics", PhoneEvent("2", "歯医者", "DTSTART:20261211T013000Z\r\nDTEND:20261211T020000Z\r\n"));
    server.store("/e/3.ics", PhoneEvent("3", "出張", "DTSTART:20261212T010000Z\r\nDTEND:20261214T090000Z\r\n"));
    server.store("/e/4.ics", PhoneEvent("4", "旅行", AllDay("20261220", "20261224")));
    server.store("/e/5.ics", PhoneEvent("5", "朝会", AllDay("20261201", "20261202"), "RRULE:FREQ=WEEKLY\r\n"));
    Folder folder;
    folder.write(kMonth, {kHeader, " 8,1,,ピアノ,clRed,,,,,", " 9,1,,水泳,clBlue,,,,,"});
    const SyncReport report = folder.sync(server);
    EXPECT_EQ(report.received, 4);
    EXPECT_EQ(report.unmappable, 1);
    EXPECT_EQ(report.recurringSkipped, std::vector<std::string>{"朝会"});
    EXPECT_NE(SyncStatusText(report).find("1 字を〓にしました"), std::string::npos);
    EXPECT_NE(SyncStatusText(report).find("「朝会」"), std::string::npos);
    std::vector<std::string> lines = folder.lines();
    std::sort(lines.begin() + 3, lines.end());
    EXPECT_EQ(lines, (std::vector<std::string>{kHeader, " 8,1,,ピアノ,clRed,,,,,", " 9,1,,水泳,clBlue,,,,,",
                                               "10,1,,電話 〓,,,,,,", "11,1,,10:30 歯医者,,,,,,"}));
    std::vector<std::string> periods = folder.lines("CaFromTo.myc");
    std::sort(periods.begin(), periods.end());
    EXPECT_EQ(periods,
              (std::vector<std::string>{"***** FromTo予定", "2026,12,12,M,2026,12,14,E,2026,12,13,1,clBlue,出張",
                                        "2026,12,20,M,2026,12,23,E,2026,12,21,1,clBlue,旅行"}));

    // A phone that drops X-REKKO-RECORD: an edit rebuilds the line with the defaults, a mere save keeps it.
    EditOnServer(server, "ピアノ", "ピアノ発表会", true);
    EditOnServer(server, "水泳", "水泳", true);
    const SyncReport edited = folder.sync(server);
    EXPECT_EQ(edited.received, 1);
    EXPECT_EQ(folder.lines()[1], " 8,1,,ピアノ発表会,,,,,,");
    EXPECT_EQ(folder.lines()[2], " 9,1,,水泳,clBlue,,,,,");
}

TEST(SyncRun, AFaultMidRunChangesNothingHereAndTheNextSyncCompletesWithoutDuplicates) {
    MemoryCalendarServer server;
    server.store("/e/1.ics", PhoneEvent("1", "電話", AllDay("20261210", "20261211")));
    server.store("/e/2.ics", PhoneEvent("2", "散髪", AllDay("20261211", "20261212")));
    Folder folder;
    folder.write(kMonth, {kHeader, " 1,1,,a,,,,,,", " 2,1,,b,,,,,,", " 3,1,,c,,,,,,", " 4,1,,d,,,,,,"});
    const auto before = Snapshot(folder);
    server.failAt(3); // the listing, one PUT, then the network goes
    const SyncReport failed = folder.sync(server);
    EXPECT_TRUE(failed.failed);
    EXPECT_EQ(failed.fault, ServerFault::Network);
    EXPECT_EQ(SyncStatusText(failed), "同期できませんでした：injected");
    EXPECT_EQ(server.events().size(), 3u);
    EXPECT_EQ(ReadFile(folder.dir / kMonth), before.at(kMonth).first);
    EXPECT_EQ(InodeOf(folder.dir / kMonth), before.at(kMonth).second);

    const SyncReport completed = folder.sync(server);
    EXPECT_FALSE(completed.failed) << completed.message;
    EXPECT_EQ(completed.sent, 3);
    EXPECT_EQ(completed.received, 2);
    EXPECT_EQ(server.events().size(), 6u);
    EXPECT_EQ(folder.lines().size(), 7u);
    const SyncReport quiet = folder.sync(server);
    EXPECT_EQ(quiet.sent + quiet.received, 0);
}

TEST(SyncRun, AStateFileTornOrForeignGivesWhatOfItIsSound) {
    TempDir dir;
    const auto file =
        dir.write(kSyncStateFileName, "*****\tCaSync\t1\r\nT\tt%2012\r\nE\t20261203\tab\tu1\t/c/1.ics\t\"1\"\r\n"
                                      "E\tP\tcd\tu2\t/c/1.ics\t\"2\"\r\nE\tbroken\r\nE\tS\tef\tu3\t/c/%zz\tx\r\n"
                                      "\x81\xFF garbage\r\nE\t20261204\t01\tu4\t/c/4.ics\t");
    const SyncState state = ReadSyncState(file);
    EXPECT_EQ(state.token, "t 12");
    ASSERT_EQ(state.entries.size(), 2u);
    EXPECT_EQ(state.entries[1], (SyncEntry{"20261204", "01", "u4", "/c/4.ics", ""}));
    ASSERT_TRUE(WriteSyncState(file, state).ok());
    EXPECT_EQ(ReadSyncState(file).entries, state.entries);
}

} // namespace
} // namespace rekko
