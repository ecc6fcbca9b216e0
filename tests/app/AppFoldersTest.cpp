// SPDX-License-Identifier: GPL-3.0-or-later
// The file set and the lookup of the sibling programs.
#include "app/AppFolders.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;

TEST(AppFolders, ProgramFilesStayInTheProgramFolderDataFilesFollowTheDataFolder) {
    const FileSet relative = BuildFileSet("/opt/rekko", "");
    EXPECT_EQ(relative.settings, fs::path("/opt/rekko/Sorel.ini"));
    EXPECT_EQ(relative.startStopRecord, fs::path("/opt/rekko/SorelSte.myd"));
    EXPECT_EQ(relative.commemorationData, fs::path("/opt/rekko/User.myc"));
    EXPECT_EQ(relative.periodFile, fs::path("CaFromTo.myc"));
    EXPECT_EQ(relative.monthFile(2024, 5), fs::path("Ca202405.myc"));

    const FileSet chosen = BuildFileSet("/opt/rekko", "/home/taro/Sorel/");
    EXPECT_EQ(chosen.commemorationData, fs::path("/home/taro/Sorel/User.myc"));
    EXPECT_EQ(chosen.periodFile, fs::path("/home/taro/Sorel/CaFromTo.myc"));
    EXPECT_EQ(chosen.monthFile(987, 12), fs::path("/home/taro/Sorel/Ca098712.myc"));
    EXPECT_EQ(FolderText("/opt/rekko"), "/opt/rekko/");
    EXPECT_EQ(FolderText("/"), "/");
}

TEST(AppFolders, SiblingsAreFoundInOrderAndOnlyAsFiles) {
    test::TempDir program;
    test::TempDir programs;
    EXPECT_EQ(FindSibling("Zunbo", program.path(), programs.path()), std::nullopt);

    fs::create_directories(programs / "Vell/Zunbo");
    programs.write("Vell/Zunbo/Zunbo", "#!");
    EXPECT_EQ(FindSibling("Zunbo", program.path(), programs.path()), programs / "Vell/Zunbo/Zunbo");

    // The folder "Zunbo" of the second layout is not the program; the file inside it is.
    fs::create_directories(program / "Zunbo");
    EXPECT_EQ(FindSibling("Zunbo", program.path(), programs.path()), programs / "Vell/Zunbo/Zunbo");
    program.write("Zunbo/Zunbo", "#!");
    EXPECT_EQ(FindSibling("Zunbo", program.path(), programs.path()), program / "Zunbo/Zunbo");

    program.write("Pomta", "#!");
    EXPECT_EQ(FindSibling("Pomta", program.path(), programs.path()), program / "Pomta");
}

} // namespace
} // namespace rekko
