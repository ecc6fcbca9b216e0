// SPDX-License-Identifier: GPL-3.0-or-later
// Opening documents answers whether xdg-open could be started.
#include "platform/OpenDocument.h"

#include "TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace rekko {
namespace {

TEST(OpenDocument, HandsTheNameToXdgOpenAndAnswersFalseWithoutIt) {
    test::TempDir dir;
    const auto fake =
        dir.write("xdg-open",
                  "#!/bin/sh\necho \"$1\" > \"${0%/*}/opened.tmp\" && mv \"${0%/*}/opened.tmp\" \"${0%/*}/opened\"\n");
    ::chmod(fake.c_str(), 0755);
    const std::string path = std::getenv("PATH");
    ::setenv("PATH", (dir.path().string() + ":/usr/bin:/bin").c_str(), 1);
    EXPECT_TRUE(OpenDocument("https://example.invalid/a b"));
    ::setenv("PATH", (dir / "none").c_str(), 1);
    EXPECT_FALSE(OpenDocument("HelpRekk.html"));
    // The fake runs in the background; wait briefly for it to write.
    for (int i = 0; i < 200 && !std::filesystem::exists(dir / "opened"); ++i)
        ::usleep(10'000);
    EXPECT_EQ(dir.read("opened"), "https://example.invalid/a b\n");
    ::setenv("PATH", path.c_str(), 1);
}

} // namespace
} // namespace rekko
