// SPDX-License-Identifier: GPL-3.0-or-later
// The profile file: Windows lookup rules, edits that touch only their own line, and files that are not what we expect.
#include "base/ProfileFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

TEST(ProfileFile, LooksUpLikeWindowsFirstSectionFirstKeyAnyLetterCase) {
    const auto file = ProfileFile::FromBytes("top=orphan\r\n[settei]\r\n  CBJIGEN  =  0  \r\ncbJigen=1\r\n"
                                             "quoted=\"  a b \"\r\nsingle='x'\r\nhalf=\"x\r\n; cbZenkai=1\r\n"
                                             "[ Settei ]\r\ncbZenkai=1\r\n[Other]\r\nempty=\r\n");
    EXPECT_EQ(file.readString("Settei", "cbJigen"), "0");
    EXPECT_EQ(file.readString("SETTEI", "Quoted"), "  a b ");
    EXPECT_EQ(file.readString("Settei", "single"), "x");
    EXPECT_EQ(file.readString("Settei", "half"), "\"x");
    // A key of a later section of the same name, a comment and a key before any section are not seen.
    EXPECT_EQ(file.readString("Settei", "cbZenkai"), std::nullopt);
    EXPECT_EQ(file.readString("", "top"), std::nullopt);
    EXPECT_EQ(file.readString("Other", "empty"), "");
    // The last "]" closes a section name: "]" can be the second byte of a character, as of ゾ (83 5D).
    const auto names = ProfileFile::FromBytes("[\x83\x5D]\r\nk=1\r\n[Settei]x]\r\ncbJigen=0\r\n");
    EXPECT_EQ(names.readString("\x83\x5D", "k"), "1");
    EXPECT_EQ(names.readString("Settei]x", "cbJigen"), "0");
    EXPECT_EQ(names.readString("Settei", "cbJigen"), std::nullopt);
}

TEST(ProfileFile, ValuesAreCodePage932AndRefusedValuesChangeNothing) {
    auto file = ProfileFile::FromBytes("[Settei]\r\nedFolder=C:\\\x97\x5C\x92\xE8\\\r\n");
    EXPECT_EQ(file.readString("Settei", "edFolder"), "C:\\予定\\");
    ASSERT_TRUE(file.writeString("Settei", "edFolder", "/home/太郎/").ok());
    const std::string written = "[Settei]\r\nedFolder=/home/\x91\xBE\x98\x59/\r\n";
    EXPECT_EQ(file.bytes(), written);
    const auto emoji = file.writeString("Settei", "edFolder", "/home/😀/");
    ASSERT_FALSE(emoji.ok());
    EXPECT_NE(emoji.error().cause.find("😀"), std::string::npos);
    EXPECT_FALSE(file.writeString("Settei", "edFolder", "two\r\nlines").ok());
    EXPECT_FALSE(file.writeString("Settei", "newKey", "a\nb").ok());
    EXPECT_EQ(file.bytes(), written);
}

TEST(ProfileFile, WritingChangesOnlyTheLineOfTheKey) {
    const std::string head = "; made by hand\n[Settei]\r\ncbJigen = 1\r\nno equals sign here\rudCalSize=";
    const std::string tail = "\r\n\r\n[Jikoku]\nrbDay=1\n\x82\xA0\x80\xFD=\x81\r\n[Setup]\r\nSetupY=0";
    auto file = ProfileFile::FromBytes(head + "1" + tail);
    ASSERT_TRUE(file.writeString("Settei", "cbJigen", "1").ok());
    ASSERT_TRUE(file.writeString("settei", "UDCALSIZE", "0").ok());
    EXPECT_EQ(file.bytes(), head + "0" + tail);
}

TEST(ProfileFile, NewKeysJoinTheirSectionAndNewSectionsGoAtTheEnd) {
    auto file = ProfileFile::FromBytes("[Settei]\r\ncbJigen=1\r\n\r\n[Setup]\r\nSetupY=0");
    ASSERT_TRUE(file.writeString("Settei", "cbMemo", "0").ok());
    ASSERT_TRUE(file.writeString("Setup", "SetupX", "5").ok());
    ASSERT_TRUE(file.writeString("Commemoration", "pCedtSp", "記念").ok());
    EXPECT_EQ(file.bytes(), "[Settei]\r\ncbJigen=1\r\ncbMemo=0\r\n\r\n[Setup]\r\nSetupY=0\r\nSetupX=5\r\n"
                            "[Commemoration]\r\npCedtSp=\x8BL\x94O\r\n");
}

TEST(ProfileFile, AnyBytesComeBackUnchanged) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919 + i / 13) & 0xFF);
    binary += "\r\n\x1A\r\n[Settei]\r\ncbJigen=0\r\n\x1A trailing";
    auto file = ProfileFile::FromBytes(binary);
    EXPECT_EQ(file.bytes(), binary);
    ASSERT_TRUE(file.writeString("Settei", "cbMemo", "1").ok());
    EXPECT_EQ(file.bytes(), binary + "\r\ncbMemo=1\r\n");
    EXPECT_EQ(file.readString("Settei", "cbJigen"), "0");
}

TEST(ProfileFile, LoadAndSaveRealFiles) {
    test::TempDir dir;
    ASSERT_TRUE(ProfileFile::Load(dir / "Sorel.ini").ok()); // a missing file is an empty one
    // Ten megabytes of one huge section: loading, a lookup at its end and a save stay correct.
    std::string huge = "[Settei]\r\n";
    while (huge.size() < 10'000'000)
        huge += "filler" + std::to_string(huge.size()) + "=" + std::string(40, 'x') + "\r\n";
    dir.write("Sorel.ini", huge + "cbZenkai=1\r\n");
    auto file = ProfileFile::Load(dir / "Sorel.ini");
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.value().readString("Settei", "cbZenkai"), "1");
    ASSERT_TRUE(file.value().writeString("Settei", "cbZenkai", "0").ok());
    ASSERT_TRUE(file.value().save(dir / "Sorel.ini").ok());
    EXPECT_EQ(dir.read("Sorel.ini"), huge + "cbZenkai=0\r\n");
    EXPECT_FALSE(file.value().save(dir / "no such folder" / "Sorel.ini").ok());
}

} // namespace
} // namespace rekko
