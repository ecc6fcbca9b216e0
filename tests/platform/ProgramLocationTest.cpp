// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program runs from: an install is told by its layout (bin beside share/rekko) even where its folder is
// writable, keeps its files in the user data folder and works there with a copy of the shipped holiday rules; a
// portable copy keeps its files beside it.
#include "platform/ProgramLocation.h"

#include "FoldersUnder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;

using test::FoldersUnder;

TEST(ProgramLocation, InstalledByPlaceNotByWritabilityPortableBesideItself) {
    test::TempDir root;
    const FoldersUnder folders(root / "home");
    const fs::path prefix = root / "usr";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share" / "rekko");

    const ProgramPlace installed = LocateProgram(prefix / "bin" / "Rekko", folders);
    EXPECT_TRUE(installed.installed);
    EXPECT_EQ(installed.programFolder, folders.userData());
    EXPECT_TRUE(fs::is_directory(folders.userData()));
    EXPECT_EQ(installed.shippedFolder, prefix / "share" / "rekko");

    // A build folder's bin has no share/rekko beside it.
    const fs::path portable = root / "build" / "bin";
    fs::create_directories(portable);
    const ProgramPlace own = LocateProgram(portable / "Rekko", folders);
    EXPECT_FALSE(own.installed);
    EXPECT_EQ(own.programFolder, portable);
    EXPECT_EQ(own.shippedFolder, portable);
    EXPECT_EQ(ShippedFolder(prefix / "bin" / "rekkocal"), prefix / "share" / "rekko");
}

TEST(ProgramLocation, InstalledWorksInItsFolderWithTheShippedRulesCopiedOnce) {
    test::TempDir root;
    const test::CurrentTempDir startedIn;
    const FoldersUnder folders(root / "home");
    const fs::path prefix = root / "usr";
    fs::create_directories(prefix / "share" / "rekko");
    root.write("usr/share/rekko/Hday.dat", "shipped");

    const ProgramPlace place = LocateProgram(prefix / "bin" / "Rekko", folders);
    ASSERT_TRUE(EnterWorkingFolder(place, "Hday.dat"));
    EXPECT_EQ(fs::current_path(), fs::canonical(folders.userData()));
    EXPECT_EQ(root.read("home/share/Rekko/Hday.dat"), "shipped");

    root.write("home/share/Rekko/Hday.dat", "the user's own");
    ASSERT_TRUE(EnterWorkingFolder(place, "Hday.dat"));
    EXPECT_EQ(root.read("home/share/Rekko/Hday.dat"), "the user's own");

    fs::current_path(startedIn.path());
    EXPECT_TRUE(EnterWorkingFolder(LocateProgram(startedIn / "Rekko", folders), "Hday.dat"));
    EXPECT_EQ(fs::current_path(), startedIn.path());
    EXPECT_FALSE(fs::exists(startedIn / "Hday.dat"));
}

} // namespace
} // namespace rekko
