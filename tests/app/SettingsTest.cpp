// SPDX-License-Identifier: GPL-3.0-or-later
// Section Settei: types, ranges, the conditional keys, and what a save leaves of a user's file.
#include "app/Settings.h"

#include "settings/ValueText.h"

#include "base/TextFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace rekko {
namespace {

// The values read from a file into a table that held before.
Settings read(std::string_view bytes, bool readDataFolder = true, const Settings& before = {}) {
    SettingsKeys table = MakeSettingsTable();
    table.edit() = before;
    (void)ReadSettings(ProfileFile::FromBytes(bytes), table, readDataFolder);
    return table.values();
}

std::string written(const Settings& settings, std::string_view before = "") {
    SettingsKeys table = MakeSettingsTable();
    table.edit() = settings;
    auto file = ProfileFile::FromBytes(before);
    EXPECT_TRUE(WriteSettings(file, table).ok());
    return file.bytes();
}

// Every key of the user's file is read: written back unchanged, the file keeps every byte (a key read wrongly would
// be written with another value).
TEST(Settings, ARealFileReadsEveryKeyAndSavesByteForByte) {
    auto original = ReadFileBytes(test::TestDataDir() / "Sorel.ini");
    ASSERT_TRUE(original.ok());
    Settings s = read(original.value());
    EXPECT_EQ(s.edFolder, "/home/taro/予定/Sorel/");
    EXPECT_EQ(FormatLongTime(s.pTimer), "15:00:00");
    // The file is from before the rokuyo and almanac switches, which join the end of its section and read as their
    // defaults: rokuyo and solar terms on, the almanac marks off.
    std::string expected = original.value();
    expected.insert(expected.find("cbNoReturn=0\r\n") + 14, "cbRokuyo=1\r\ncbSekki=1\r\ncbRekichu=0\r\n");
    EXPECT_EQ(written(s, original.value()), expected);
    s.cbZenkai = true;
    expected.replace(expected.find("cbZenkai=0"), 10, "cbZenkai=1");
    EXPECT_EQ(written(s, original.value()), expected);
}

// Each line of a file, and the value a save writes for it: a value that is not of the key's type, or out of its
// range, takes the key's default.
TEST(Settings, UnreadableValuesTakeTheirDefaults) {
    const std::pair<const char*, const char*> lines[] = {
        {"cbKidouKiroku=2", "1"},
        {"udCalSize=$10", "16"},
        {"edtKColor=purplish", "clBlue"},
        {"pTTime=1500", "150000"},
        {"DhFolderNo=99999999999", "2"},
        // A copy name of another form would let the rotation delete that file: it reads as empty.
        {"CaFT1=CaFT4050.mcp", "CaFT4050.mcp"},
        {"CaFT2=/home/taro/precious.txt", ""},
        {"CaFT3=Ca202001.myc", ""}};
    for (const auto& [line, value] : lines) {
        const std::string key(line, std::string_view(line).find('='));
        const auto file = ProfileFile::FromBytes(written(read(std::string("[Settei]\r\n") + line + "\r\n")));
        EXPECT_EQ(file.readString("Settei", key), value) << line;
    }
}

// Each ranged key at the lowest and the highest value its control allows reads back as stored; one step beyond
// either end takes the default. The time fields take 23:59:59 and refuse 24:00:00.
TEST(Settings, RangedKeysReadTheirLowestAndHighestValueAndNoneBeyond) {
    constexpr int kNoBound = std::numeric_limits<int>::max();
    const std::tuple<const char*, int Settings::*, int, int> ranges[] = {
        {"udKidouGyou", &Settings::udKidouGyou, 1, 9999},
        {"rgYFirstMonth", &Settings::rgYFirstMonth, 0, 2},
        {"udKFutosa", &Settings::udKFutosa, 1, 3},
        {"SpHajimariTuki", &Settings::SpHajimariTuki, 1, 12},
        {"HyoujiIchi", &Settings::HyoujiIchi, 0, 1},
        {"cbTimerNo", &Settings::cbTimerNo, 0, 9},
        {"pTimerBf", &Settings::pTimerBf, 0, 9},
        {"pTAccess", &Settings::pTAccess, 0, 2},
        {"pTYoubi", &Settings::pTYoubi, 0, 7},
        {"rgNissuu", &Settings::rgNissuu, 0, 1},
        {"pcNen", &Settings::pcNen, 0, 1},
        {"CaMemoTopLine", &Settings::CaMemoTopLine, 0, kNoBound},
        {"pTDay", &Settings::pTDay, 0, kNoBound}};
    const Settings defaults;
    for (const auto& [key, field, low, high] : ranges) {
        const auto valueOf = [&](int64_t stored) {
            return read("[Settei]\r\n" + std::string(key) + "=" + std::to_string(stored) + "\r\n").*field;
        };
        EXPECT_EQ(valueOf(low), low) << key;
        EXPECT_EQ(valueOf(high), high) << key;
        EXPECT_EQ(valueOf(low - 1), defaults.*field) << key;
        if (high != kNoBound) {
            EXPECT_EQ(valueOf(high + 1), defaults.*field) << key;
        }
    }
    EXPECT_EQ(read("[Settei]\r\npTTime=235959\r\n").pTTime, "235959");
    EXPECT_EQ(read("[Settei]\r\npTTime=240000\r\n").pTTime, "150000");
    EXPECT_EQ(FormatLongTime(read("[Settei]\r\npTimer=23:59:59\r\n").pTimer), "23:59:59");
    EXPECT_EQ(read("[Settei]\r\npTimer=24:00:00\r\n").pTimer, defaults.pTimer);
}

TEST(Settings, TheStartClampsTheDelayAndTheTimer) {
    Settings high = read("[Settei]\r\npTChien=200\r\npTimer=0:00:00\r\n");
    Settings edge = read("[Settei]\r\npTChien=180\r\npTimer=9:05\r\n");
    ClampSettingsAtStart(high, 45000.75);
    ClampSettingsAtStart(edge, 45000.75);
    EXPECT_EQ(high.pTChien, 60);
    EXPECT_EQ(high.pTimer, 45000.75); // a timer time of midnight becomes now
    EXPECT_EQ(edge.pTChien, 180);
    EXPECT_EQ(FormatLongTime(edge.pTimer), "9:05:00");
}

TEST(Settings, SwitchedOffGroupsAreNotReadTheTimerIsWrittenClockCorrectionLeftAlone) {
    const std::string timerOff = "[Settei]\r\ncbJigen=0\r\ncbTimerNo=9\r\npTimer=12:00:00\r\npTimerBf=8\r\n";
    Settings timer;
    timer.pTimer = 0.25;
    timer = read(timerOff, true, timer);
    EXPECT_EQ(timer.cbTimerNo, 6);
    EXPECT_EQ(timer.pTimerBf, 3);
    EXPECT_EQ(ProfileFile::FromBytes(written(timer, timerOff)).readString("Settei", "pTimer"), "6:00:00");

    const std::string correction = "[Settei]\r\ncbTShuusei=1\r\npTDay=5\r\npTChien=10\r\n";
    Settings noTime;
    noTime.cbJikoku = false;
    noTime = read(correction, true, noTime);
    EXPECT_FALSE(noTime.cbTShuusei);
    EXPECT_EQ(noTime.pTDay, 0);
    EXPECT_EQ(written(noTime, correction).find("pTAccess"), std::string::npos);
    EXPECT_NE(written(noTime, correction).find("cbTShuusei=1\r\npTDay=5\r\n"), std::string::npos);

    EXPECT_EQ(read("[Settei]\r\nedFolder=/data/\r\n", false).edFolder, "");
    EXPECT_EQ(read("[Settei]\r\nedFolder=/data/\r\n", true).edFolder, "/data/");
}

// A new settings file written from the defaults: every key once, in the order the file has always had.
TEST(Settings, ANewFileFromTheDefaultsEqualsTheGoldenFile) {
    EXPECT_EQ(MakeSettingsTable().orderMismatches(), std::vector<std::string>{});
    const auto golden = ReadFileBytes(test::TestDataDir() / "FreshSorel.ini");
    ASSERT_TRUE(golden.ok());
    EXPECT_EQ(written(Settings{}), golden.value());
}

// A value set is told to those watching its key only, and only when it changes; the table keeps each key's text as
// last read and, once a write succeeded, as last written.
TEST(Settings, TheTableTellsChangesAndKeepsTheTextsLastReadOrWritten) {
    SettingsKeys table = MakeSettingsTable();
    int rokuyo = 0;
    int memo = 0;
    table.watch(&Settings::cbRokuyo, [&] { ++rokuyo; });
    const int memoWatch = table.watch(&Settings::cbMemo, [&] { ++memo; });
    table.set(&Settings::cbRokuyo, false);
    table.set(&Settings::cbRokuyo, false);
    EXPECT_EQ(std::pair(rokuyo, memo), std::pair(1, 0));
    table.unwatch(memoWatch);
    table.set(&Settings::cbMemo, false);
    EXPECT_EQ(memo, 0);

    ASSERT_TRUE(ReadSettings(ProfileFile::FromBytes("[Settei]\r\nudKFutosa=2\r\ncbRokuyo=1\r\n"), table, true).ok());
    EXPECT_EQ(rokuyo, 2); // a read tells every watch
    EXPECT_EQ(table.storedText(kSetteiSection, "udKFutosa"), "2");
    EXPECT_EQ(table.storedText(kSetteiSection, "cbMemo"), "1"); // missing: the default as read
    table.edit().udKFutosa = 3;
    EXPECT_EQ(table.currentText(kSetteiSection, "udKFutosa"), "3");
    EXPECT_EQ(table.storedText(kSetteiSection, "udKFutosa"), "2");
    ProfileFile file;
    ASSERT_TRUE(WriteSettings(file, table).ok());
    EXPECT_EQ(table.storedText(kSetteiSection, "udKFutosa"), "3");
    table.edit().edtKColor = "緑";             // not a colour, but a text code page 932 holds: written as it is
    table.edit().CaFT[0] = "\xF0\x9F\x98\x80"; // one it cannot hold fails the write, which then stores nothing
    EXPECT_FALSE(WriteSettings(file, table).ok());
    EXPECT_EQ(table.storedText(kSetteiSection, "edtKColor"), "clBlue");
}

// Before a write, a key another writer changed in the file since it was read takes their value, unless it was changed
// here too: a key changed on both sides keeps ours.
TEST(Settings, AKeyChangedOnDiskSinceItWasReadKeepsTheDisksValueUnlessChangedHere) {
    const std::string base = "[Settei]\r\ncbZenkai=0\r\nudKFutosa=1\r\nudKidouGyou=100\r\n";
    SettingsKeys table = MakeSettingsTable();
    int told = 0;
    table.watch(&Settings::cbZenkai, [&] { ++told; });
    ASSERT_TRUE(ReadSettings(ProfileFile::FromBytes(base), table, true).ok());
    told = 0;
    table.set(&Settings::udKFutosa, 3);
    table.set(&Settings::udKidouGyou, 50);
    auto disk = ProfileFile::FromBytes("[Settei]\r\ncbZenkai=1\r\nudKFutosa=1\r\nudKidouGyou=7\r\n");
    EXPECT_EQ(table.takeChangesFrom(disk), std::vector<std::string>{"cbZenkai"});
    EXPECT_TRUE(table.values().cbZenkai);
    EXPECT_EQ(told, 1);
    ASSERT_TRUE(WriteSettings(disk, table).ok());
    EXPECT_EQ(disk.readString(kSetteiSection, "cbZenkai"), "1");
    EXPECT_EQ(disk.readString(kSetteiSection, "udKFutosa"), "3");
    EXPECT_EQ(disk.readString(kSetteiSection, "udKidouGyou"), "50");
    // A value on disk that is no value of the key is not taken.
    auto broken = ProfileFile::FromBytes("[Settei]\r\nudKFutosa=9\r\n");
    table.set(&Settings::udKFutosa, 3);
    EXPECT_TRUE(table.takeChangesFrom(broken).empty());
}

} // namespace
} // namespace rekko
