// SPDX-License-Identifier: GPL-3.0-or-later
// Section Settei: the key table, types, ranges, the conditional keys, and what a save leaves of a user's file.
#include "app/Settings.h"

#include "app/ValueText.h"

#include "base/TextFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

Settings read(std::string_view bytes, bool readDataFolder = true) {
    Settings settings;
    ReadSettings(ProfileFile::FromBytes(bytes), settings, readDataFolder);
    return settings;
}

std::string written(const Settings& settings, std::string_view before = "") {
    auto file = ProfileFile::FromBytes(before);
    EXPECT_TRUE(WriteSettings(file, settings).ok());
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
    // The file is from before the rokuyo switch, which joins the end of its section and reads as on.
    std::string expected = original.value();
    expected.insert(expected.find("cbNoReturn=0\r\n") + 14, "cbRokuyo=1\r\n");
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
        {"udKidouGyou=0", "100"},
        {"udCalSize=$10", "16"},
        {"edtKColor=purplish", "clBlue"},
        {"pTTime=1500", "150000"},
        {"DhFolderNo=99999999999", "2"},
        {"MemoBtn2=7 ", "7"},
        {"pTChien=10", "30"},
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

TEST(Settings, KeysOfTheCurrentStateKeepItWhenMissingAndTheStartClampsTwo) {
    Settings s;
    s.fmC21Top = 11;
    s.cbKeisan = false;
    s.pcNen = 1;
    s.cbMemo = false;
    ReadSettings(ProfileFile::FromBytes("[Settei]\r\nfmC21Left=5\r\npcNen=4\r\n"), s, true);
    EXPECT_EQ(s.fmC21Top, 11);
    EXPECT_EQ(s.fmC21Left, 5);
    EXPECT_FALSE(s.cbKeisan);
    EXPECT_EQ(s.pcNen, 1);
    EXPECT_TRUE(s.cbMemo); // a table default does not depend on what was there before

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
    ReadSettings(ProfileFile::FromBytes(timerOff), timer, true);
    EXPECT_EQ(timer.cbTimerNo, 6);
    EXPECT_EQ(timer.pTimerBf, 3);
    EXPECT_EQ(ProfileFile::FromBytes(written(timer, timerOff)).readString("Settei", "pTimer"), "6:00:00");

    const std::string correction = "[Settei]\r\ncbTShuusei=1\r\npTDay=5\r\npTChien=10\r\n";
    Settings noTime;
    noTime.cbJikoku = false;
    ReadSettings(ProfileFile::FromBytes(correction), noTime, true);
    EXPECT_FALSE(noTime.cbTShuusei);
    EXPECT_EQ(noTime.pTDay, 0);
    EXPECT_EQ(written(noTime, correction).find("pTAccess"), std::string::npos);
    EXPECT_NE(written(noTime, correction).find("cbTShuusei=1\r\npTDay=5\r\n"), std::string::npos);

    EXPECT_EQ(read("[Settei]\r\nedFolder=/data/\r\n", false).edFolder, "");
    EXPECT_EQ(read("[Settei]\r\nedFolder=/data/\r\n", true).edFolder, "/data/");
}

TEST(Settings, BadFilesStartWithDefaultsAndKeepWhatTheyHeld) {
    const Settings defaults;
    std::string binary(3000, '\0');
    for (size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 131 % 251);
    const std::string duplicates = "[Settei]\r\ncbMemo=0\r\ncbMemo=1\r\n[Settei]\r\ncbHotkey=0\r\n";
    const std::string noEquals = "[Settei]\r\ncbMemo 0\r\nudCalSize\r\n[Settei\r\ncbBold=0\r\n";
    for (const std::string& bytes : {std::string(), binary, duplicates, noEquals}) {
        EXPECT_EQ(read(bytes).cbHotkey, defaults.cbHotkey);
        EXPECT_EQ(read(bytes).udCalSize, defaults.udCalSize);
    }
    // Without a section of its own the file is kept whole and the section comes after it.
    EXPECT_EQ(written(read(binary), binary).substr(0, binary.size()), binary);
    // The second [Settei] is not read, so its key stays as the user left it.
    EXPECT_FALSE(read(duplicates).cbMemo);
    EXPECT_NE(written(read(duplicates), duplicates).find("[Settei]\r\ncbHotkey=0\r\n"), std::string::npos);
    // "[Settei" is no header: cbBold=0 belongs to the first section.
    EXPECT_FALSE(read(noEquals).cbBold);
    EXPECT_NE(written(read(noEquals), noEquals).find("cbMemo 0\r\nudCalSize\r\n"), std::string::npos);
}

} // namespace
} // namespace rekko
