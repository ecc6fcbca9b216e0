// SPDX-License-Identifier: GPL-3.0-or-later
// Opening documents answers whether xdg-open could be started.
#include "platform/OpenDocument.h"

#include "TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace rekko {
namespace {

// Puts a folder first on PATH for the life of the object.
class PathOverride {
public:
    explicit PathOverride(const std::string& path) : m_old(std::getenv("PATH") ? std::getenv("PATH") : "") {
        ::setenv("PATH", path.c_str(), 1);
    }
    ~PathOverride() { ::setenv("PATH", m_old.c_str(), 1); }

private:
    std::string m_old;
};

TEST(OpenDocument, HandsTheNameToXdgOpen) {
    test::TempDir dir;
    const auto fake =
        dir.write("xdg-open",
                  "#!/bin/sh\necho \"$1\" > \"${0%/*}/opened.tmp\" && mv \"${0%/*}/opened.tmp\" \"${0%/*}/opened\"\n");
    ::chmod(fake.c_str(), 0755);
    {
        PathOverride path(dir.path().string() + ":/usr/bin:/bin");
        EXPECT_TRUE(OpenDocument("https://example.invalid/a b"));
    }
    // The fake runs in the background; wait briefly for it to write.
    for (int i = 0; i < 200 && !std::filesystem::exists(dir / "opened"); ++i)
        ::usleep(10'000);
    EXPECT_EQ(dir.read("opened"), "https://example.invalid/a b\n");
}

TEST(OpenDocument, AnswersFalseWithoutXdgOpen) {
    test::TempDir empty;
    PathOverride path(empty.path().string());
    EXPECT_FALSE(OpenDocument("HelpRekk.html"));
}

} // namespace
} // namespace rekko
