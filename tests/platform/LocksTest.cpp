// SPDX-License-Identifier: GPL-3.0-or-later
// The data-folder lock and the runtime folder of the instance endpoints, on real folders: one holder per folder, a
// read-only folder locked too, a claim that moves; a runtime folder of another user passed over, and a fallback
// folder another user made refused.
#include "platform/FolderLock.h"
#include "platform/StartLock.h"

#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace rekko {
namespace {

namespace fs = std::filesystem;

TEST(FolderLock, OneProcessAtATimeHoldsAFolderEvenAReadOnlyOne) {
    test::TempDir data, other;
    fs::permissions(data.path(), fs::perms(0555));
    FlockFolderLock first, second;
    EXPECT_EQ(first.claim(data.path()).outcome, FolderClaimOutcome::Taken);
    EXPECT_EQ(second.claim(data.path()).outcome, FolderClaimOutcome::Busy);
    EXPECT_EQ(second.claim(data / "none").outcome, FolderClaimOutcome::Missing);
    const FolderClaim file = second.claim(data.write("file", "x"));
    EXPECT_EQ(file.outcome, FolderClaimOutcome::Refused);
    EXPECT_FALSE(file.cause.empty());
    // Claiming another folder gives the first one up.
    EXPECT_EQ(first.claim(other.path()).outcome, FolderClaimOutcome::Taken);
    EXPECT_EQ(second.claim(data.path()).outcome, FolderClaimOutcome::Taken);
    EXPECT_EQ(FlockFolderLock().claim(other.path()).outcome, FolderClaimOutcome::Busy);
    // No file of the lock is left in the folder.
    EXPECT_TRUE(fs::is_empty(other.path()));
    fs::permissions(data.path(), fs::perms(0755));
}

// Runs check in a child process under another user id and answers whether it held.
template <class Check> bool AsUser(uid_t uid, Check check) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(::setgid(uid) == 0 && ::setuid(uid) == 0 && check() ? 0 : 1);
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A user id of nobody on this system, so that no folder of a real user is touched.
constexpr uid_t kOtherUser = 64999;

TEST(RuntimeFolder, ARuntimeFolderOfAnotherUserIsPassedOverAndAFallbackMadeByAnotherUserRefused) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    const fs::path fallback = "/tmp/rekko-" + std::to_string(kOtherUser);
    fs::remove_all(fallback);
    // The runtime folder left behind by su or sudo -u: it exists but is root's.
    test::TempDir inherited;
    ::setenv("XDG_RUNTIME_DIR", inherited.path().c_str(), 1);
    EXPECT_TRUE(AsUser(kOtherUser, [&] {
        const auto folder = RuntimeFolder();
        return folder && folder.value() == fallback;
    }));
    struct stat made {};
    ASSERT_EQ(::lstat(fallback.c_str(), &made), 0);
    EXPECT_EQ(made.st_uid, kOtherUser);
    EXPECT_EQ(made.st_mode & 0777, 0700u);

    // Made first by someone else, here root: refused, and no other folder is offered.
    fs::remove_all(fallback);
    fs::create_directory(fallback);
    fs::permissions(fallback, fs::perms(0777));
    EXPECT_TRUE(AsUser(kOtherUser, [&] {
        const auto folder = RuntimeFolder();
        return !folder && folder.error().path == fallback.string() && !folder.error().cause.empty();
    }));
    fs::remove_all(fallback);
    ::unsetenv("XDG_RUNTIME_DIR");
}

} // namespace
} // namespace rekko
