// SPDX-License-Identifier: GPL-3.0-or-later
// The lookup of the sibling programs.
#include "app/AppFolders.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;

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
}

} // namespace
} // namespace rekko
