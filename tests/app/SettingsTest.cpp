// Section Settei: defaults, types, ranges, the conditional keys, and what a save leaves of a user's file.
#include "app/Settings.h"

#include "app/ValueText.h"

#include "calendar/TextFile.h"

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

TEST(Settings, ARealFileReadsIntoEveryKey) {
    auto bytes = ReadFileBytes(test::TestDataDir() / "Sorel.ini");
    ASSERT_TRUE(bytes.ok());
    const Settings s = read(bytes.value());
    EXPECT_TRUE(s.cbKidouKiroku);
    EXPECT_EQ(s.udKidouGyou, 50);
    EXPECT_EQ(s.CaMemoTopLine, 12);
    EXPECT_EQ(s.MemoBtn[0], 40);
    EXPECT_EQ(s.edFolder, "/home/taro/予定/Sorel/");
    EXPECT_EQ(s.rgYFirstMonth, 1);
    EXPECT_EQ(s.udKFutosa, 2);
    EXPECT_EQ(s.edtKColor, "clRed");
    EXPECT_EQ(s.SpHajimariTuki, 4);
    EXPECT_EQ(s.HyoujiIchi, 1);
    EXPECT_EQ(s.fmC21Left, 120);
    EXPECT_EQ(s.fmDayTop, 300);
    EXPECT_EQ(s.CaFT[1], "CaFT0602.mcp");
    EXPECT_EQ(s.cbTimerNo, 7);
    EXPECT_EQ(FormatLongTime(s.pTimer), "15:00:00");
    EXPECT_EQ(s.pTimerBf, 5);
    EXPECT_EQ(s.pTDay, 2460430);
    EXPECT_TRUE(s.cbTShuusei);
    EXPECT_EQ(s.pTChien, 90);
    EXPECT_EQ(s.pTTime, "073000");
    EXPECT_EQ(s.pTAccess, 1);
    EXPECT_FALSE(s.cbKeisan);
    EXPECT_EQ(s.pcNen, 1);
    EXPECT_TRUE(s.cbRokuyo); // a file from before the rokuyo switch shows them
    EXPECT_FALSE(read("[Settei]\r\ncbRokuyo=0\r\n").cbRokuyo);
}

TEST(Settings, SavingKeepsEverySectionAndByteItDoesNotOwn) {
    test::TempDir dir;
    auto original = ReadFileBytes(test::TestDataDir() / "Sorel.ini");
    ASSERT_TRUE(original.ok());
    Settings s = read(original.value());
    // The file is from before the rokuyo switch, which joins the end of its section.
    std::string expected = original.value();
    expected.insert(expected.find("cbNoReturn=0\r\n") + 14, "cbRokuyo=1\r\n");
    EXPECT_EQ(written(s, original.value()), expected);

    s.cbZenkai = true;
    s.fmC21Top = 77;
    expected.replace(expected.find("cbZenkai=0"), 10, "cbZenkai=1");
    expected.replace(expected.find("fmC21Top=40"), 11, "fmC21Top=77");
    EXPECT_EQ(written(s, original.value()), expected);
}

TEST(Settings, AFreshFileGetsEveryKeyInTableOrder) {
    Settings defaults;
    const ProfileFile file = ProfileFile::FromBytes(written(defaults));
    const char* keys[] = {
        "cbJigen",        "cbKidouKiroku",  "cbKirokuHyouji", "udKidouGyou", "udCalSize",  "CaMemoTopLine",
        "CaMemoY",        "CaMemoX",        "MemoBtn1",       "MemoBtn5",    "cbZenkai",   "cbMemo",
        "cbHotkey",       "cbShiyouchuu",   "cbTukiYotei",    "cbCursor",    "edFolder",   "rgYFirstMonth",
        "cbNextDay",      "cbNeighborJump", "cbBold",         "cbRokuyo",    "udKFutosa",  "edtKColor",
        "SpHajimariTuki", "cbKOption",      "cbPrjN",         "HyoujiIchi",  "fmC21Top",   "fmC21Left",
        "fmDayTop",       "fmDayLeft",      "CaFT1",          "CaFT3",       "DhFolderNo", "cbTimerNo",
        "pTimer",         "pTimerBf",       "pTDay",          "pTWeek",      "pTNini",     "cbTShuusei",
        "pTChien",        "pTTime",         "pTAccess",       "pTYoubi",     "rgNissuu",   "cbKeisan",
        "pcNen",          "cbEditor",       "cbRekkoJ",       "cbNoReturn"};
    const std::string bytes = file.bytes();
    size_t previous = 0;
    for (const char* key : keys) {
        EXPECT_TRUE(file.readString("Settei", key).has_value()) << key;
        const size_t at = bytes.find(std::string("\r\n") + key + "=");
        EXPECT_GT(at, previous) << key;
        previous = at;
    }
    EXPECT_EQ(file.readString("Settei", "edtKColor"), "clBlue");
    EXPECT_EQ(file.readString("Settei", "pTTime"), "150000");
    EXPECT_EQ(file.readString("Settei", "cbJigen"), "1");

    Settings back;
    back.cbKeisan = !defaults.cbKeisan;
    ReadSettings(file, back, true);
    EXPECT_EQ(written(back), written(defaults));
}

TEST(Settings, UnreadableValuesTakeTheirDefaults) {
    const Settings s = read("[Settei]\r\n"
                            "cbJigen=abc\r\ncbKidouKiroku=2\r\ncbMemo=0x0\r\n"
                            "udKidouGyou=0\r\nudCalSize=$10\r\nCaMemoY=-3\r\nrgYFirstMonth=3\r\n"
                            "udKFutosa=9\r\nedtKColor=purplish\r\nSpHajimariTuki=13\r\nHyoujiIchi=2\r\n"
                            "cbTimerNo=10\r\npTimer=25:00\r\npTimerBf=-1\r\npTTime=1500\r\npTAccess=7\r\n"
                            "pTYoubi=8\r\nDhFolderNo=99999999999\r\nMemoBtn2=7 \r\n");
    const Settings defaults;
    EXPECT_TRUE(s.cbJigen);
    EXPECT_TRUE(s.cbKidouKiroku);
    EXPECT_FALSE(s.cbMemo);
    EXPECT_EQ(s.udKidouGyou, defaults.udKidouGyou);
    EXPECT_EQ(s.udCalSize, 16);
    EXPECT_EQ(s.CaMemoY, defaults.CaMemoY);
    EXPECT_EQ(s.rgYFirstMonth, defaults.rgYFirstMonth);
    EXPECT_EQ(s.udKFutosa, defaults.udKFutosa);
    EXPECT_EQ(s.edtKColor, "clBlue");
    EXPECT_EQ(s.SpHajimariTuki, defaults.SpHajimariTuki);
    EXPECT_EQ(s.HyoujiIchi, defaults.HyoujiIchi);
    EXPECT_EQ(s.cbTimerNo, 6);
    EXPECT_EQ(s.pTimer, defaults.pTimer);
    EXPECT_EQ(s.pTimerBf, 3);
    EXPECT_EQ(s.pTTime, "150000");
    EXPECT_EQ(s.pTAccess, 0);
    EXPECT_EQ(s.pTYoubi, 2);
    EXPECT_EQ(s.DhFolderNo, 2);
    EXPECT_EQ(s.MemoBtn[1], 7);
}

TEST(Settings, KeysOfTheCurrentStateKeepItWhenMissing) {
    Settings s;
    s.fmC21Top = 11;
    s.cbKeisan = false;
    s.cbEditor = true;
    s.pcNen = 1;
    ReadSettings(ProfileFile::FromBytes("[Settei]\r\nfmC21Left=5\r\npcNen=4\r\n"), s, true);
    EXPECT_EQ(s.fmC21Top, 11);
    EXPECT_EQ(s.fmC21Left, 5);
    EXPECT_FALSE(s.cbKeisan);
    EXPECT_TRUE(s.cbEditor);
    EXPECT_EQ(s.pcNen, 1);

    // Table defaults do not depend on what was there before.
    s.cbMemo = false;
    ReadSettings(ProfileFile::FromBytes("[Settei]\r\n"), s, true);
    EXPECT_TRUE(s.cbMemo);
}

TEST(Settings, ClockCorrectionDelayIsClampedOnReadingAndAtStart) {
    Settings low = read("[Settei]\r\npTChien=10\r\n");
    EXPECT_EQ(low.pTChien, 30);
    Settings high = read("[Settei]\r\npTChien=200\r\n");
    EXPECT_EQ(high.pTChien, 200);
    ClampSettingsAtStart(low, 45000.5);
    ClampSettingsAtStart(high, 45000.5);
    EXPECT_EQ(low.pTChien, 30);
    EXPECT_EQ(high.pTChien, 60);
    Settings edge = read("[Settei]\r\npTChien=180\r\n");
    ClampSettingsAtStart(edge, 45000.5);
    EXPECT_EQ(edge.pTChien, 180);
}

TEST(Settings, ATimerTimeOfMidnightBecomesNowAtStart) {
    Settings midnight = read("[Settei]\r\npTimer=0:00:00\r\n");
    ClampSettingsAtStart(midnight, 45000.75);
    EXPECT_EQ(midnight.pTimer, 45000.75);
    Settings set = read("[Settei]\r\npTimer=9:05\r\n");
    ClampSettingsAtStart(set, 45000.75);
    EXPECT_EQ(FormatLongTime(set.pTimer), "9:05:00");
}

TEST(Settings, WithTheTimerOffItsKeysAreNotReadButAreWritten) {
    const std::string bytes = "[Settei]\r\ncbJigen=0\r\ncbTimerNo=9\r\npTimer=12:00:00\r\npTimerBf=8\r\n";
    Settings s;
    s.pTimer = 0.25;
    ReadSettings(ProfileFile::FromBytes(bytes), s, true);
    EXPECT_EQ(s.cbTimerNo, 6);
    EXPECT_EQ(s.pTimer, 0.25);
    EXPECT_EQ(s.pTimerBf, 3);
    const auto file = ProfileFile::FromBytes(written(s, bytes));
    EXPECT_EQ(file.readString("Settei", "cbTimerNo"), "6");
    EXPECT_EQ(file.readString("Settei", "pTimer"), "6:00:00");
    EXPECT_EQ(file.readString("Settei", "pTimerBf"), "3");
}

TEST(Settings, WithoutTheTimeFeatureClockCorrectionKeysAreLeftAlone) {
    const std::string bytes = "[Settei]\r\ncbTShuusei=1\r\npTDay=5\r\npTChien=10\r\n";
    Settings s;
    s.cbJikoku = false;
    ReadSettings(ProfileFile::FromBytes(bytes), s, true);
    EXPECT_FALSE(s.cbTShuusei);
    EXPECT_EQ(s.pTDay, 0);
    EXPECT_EQ(s.pTChien, 60);
    const auto file = ProfileFile::FromBytes(written(s, bytes));
    EXPECT_EQ(file.readString("Settei", "cbTShuusei"), "1");
    EXPECT_EQ(file.readString("Settei", "pTDay"), "5");
    EXPECT_EQ(file.readString("Settei", "pTAccess"), std::nullopt);
}

TEST(Settings, TheDataFolderIsReadOnlyWhenAskedFor) {
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
        const Settings s = read(bytes);
        EXPECT_EQ(s.cbHotkey, defaults.cbHotkey);
        EXPECT_EQ(s.udCalSize, defaults.udCalSize);
    }
    // Without a section of its own the file is kept whole and the section comes after it.
    EXPECT_EQ(written(read(binary), binary).substr(0, binary.size()), binary);
    EXPECT_FALSE(read(duplicates).cbMemo);
    // The second [Settei] is not read, so its key stays as the user left it.
    EXPECT_NE(written(read(duplicates), duplicates).find("[Settei]\r\ncbHotkey=0\r\n"), std::string::npos);
    // "[Settei" is no header: cbBold=0 belongs to the first section.
    EXPECT_FALSE(read(noEquals).cbBold);
    EXPECT_NE(written(read(noEquals), noEquals).find("cbMemo 0\r\nudCalSize\r\n"), std::string::npos);
}

} // namespace
} // namespace rekko
