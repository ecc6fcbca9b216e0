// SPDX-License-Identifier: GPL-3.0-or-later
// The sync command: save all first, the sync on the worker with the kept password, its result on the interface
// thread, the question before a mass deletion, and the reasons it does not start.
#include "ScriptedDialogs.h"
#include "ScriptedSync.h"

#include "sync/SyncCommand.h"

#include "calendar/Julius.h"

#include <gtest/gtest.h>

namespace rekko {
namespace {

using namespace std::chrono_literals;

class RecordedShell : public SyncShell, public SyncView {
public:
    bool held = false;
    bool saves = true;
    int saved = 0;
    int taken = 0;
    std::vector<std::pair<SyncState, std::string>> shown;

    bool writesHeld() const override { return held; }
    bool saveAll() override {
        ++saved;
        return saves;
    }
    FileSet files() const override { return BuildFileSet("/program", "/data/"); }
    std::filesystem::path specialDays() const override { return "/work/Sday.myc"; }
    LocalDateTime utcNow() const override { return EncodeDateTime({2026, 12, 7}, {3, 0, 0}); }
    void takeSyncedFiles() override { ++taken; }
    void showSync(SyncState state, const std::string& text) override { shown.emplace_back(state, text); }
};

class SyncCommandTest : public ::testing::Test {
protected:
    SyncCommandTest() {
        table.edit().Server = "https://cal.example/dav/";
        table.edit().User = "hanako";
        table.edit().Calendar = "/dav/hanako/home/";
    }
    // Runs what the worker posted until the command is idle again.
    void finish() {
        for (int round = 0; round < 100 && command.running(); ++round)
            tasks->runPosted(50ms);
        ASSERT_FALSE(command.running());
    }

    std::shared_ptr<PostedTasks> tasks = std::make_shared<PostedTasks>();
    test::ScriptedDialogs dialogs;
    test::ScriptedSync sync;
    test::MemorySecrets secrets;
    RecordedShell shell;
    SyncTable table = MakeSyncTable();
    SyncCommand command{shell, shell, dialogs, tasks, SyncPorts{secrets, sync.services()}, table};
};

TEST_F(SyncCommandTest, SavesAllThenSyncsOnTheWorkerAndTakesTheFilesItChanged) {
    ASSERT_TRUE(command.setPassword("s3cret"));
    sync.expect({.sent = 2, .received = 1}, [this](const SyncRequest& request) {
        EXPECT_EQ(shell.saved, 1);
        EXPECT_EQ(request.utcNow, EncodeDateTime({2026, 12, 7}, {3, 0, 0})); // the stamp of the events sent
    });
    ASSERT_TRUE(command.start());
    EXPECT_EQ(shell.shown.back(), std::pair(SyncState::Running, std::string("同期中…")));
    EXPECT_FALSE(command.start()); // one at a time
    finish();
    EXPECT_EQ(shell.shown.back(), std::pair(SyncState::Done, std::string("送信 2・受信 1")));
    EXPECT_EQ(shell.taken, 1);
    const auto calls = sync.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_NE(calls[0].thread, std::this_thread::get_id());
    EXPECT_EQ(calls[0].account.password, "s3cret");
    EXPECT_EQ(calls[0].account.address, "https://cal.example/dav/");
    EXPECT_EQ(calls[0].request.calendar, "/dav/hanako/home/");
    EXPECT_EQ(calls[0].request.files.periodFile, std::filesystem::path("/data/CaFromTo.myc"));
    EXPECT_EQ(calls[0].request.specialDays, std::filesystem::path("/work/Sday.myc"));
    EXPECT_FALSE(calls[0].request.allowMassDeletion);

    // Nothing received: the book has nothing to take; a failure shows as one.
    sync.expect({.sent = 1});
    ASSERT_TRUE(command.start());
    finish();
    sync.expect({.fault = ServerFault::Unauthorized, .message = "401", .failed = true});
    ASSERT_TRUE(command.start());
    finish();
    EXPECT_EQ(shell.shown.back(), std::pair(SyncState::Failed, std::string("同期できません：401")));
    EXPECT_EQ(shell.taken, 1);
}

TEST_F(SyncCommandTest, AMassDeletionAsksAndRunsAgainOnlyOnYes) {
    ASSERT_TRUE(command.setPassword("s3cret"));
    sync.expect({.massDeletion = true});
    sync.expect({.deletedHere = 7});
    dialogs.expect(DialogAnswer::Yes, kMassDeletionQuestion);
    ASSERT_TRUE(command.start());
    finish();
    EXPECT_EQ(dialogs.shown().back().icon, DialogIcon::Warning);
    EXPECT_EQ(dialogs.shown().back().defaultAnswer, DialogAnswer::No);
    const auto calls = sync.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_TRUE(calls[1].request.allowMassDeletion);
    EXPECT_EQ(shell.taken, 1);

    sync.expect({.massDeletion = true});
    dialogs.expect(DialogAnswer::No, kMassDeletionQuestion);
    ASSERT_TRUE(command.start());
    finish();
    EXPECT_EQ(sync.calls().size(), 3u);
    EXPECT_EQ(shell.shown.back().first, SyncState::Failed);
    EXPECT_EQ(shell.taken, 1);
}

TEST_F(SyncCommandTest, StartsOnlyWithSettingsAPasswordAndEverythingSaved) {
    // No password kept: the sync fails before any server is asked.
    ASSERT_TRUE(command.start());
    finish();
    EXPECT_EQ(shell.shown.back().first, SyncState::Failed);
    EXPECT_TRUE(sync.calls().empty());
    EXPECT_EQ(command.passwordPlace(), PasswordPlace::None);

    shell.saves = false;
    EXPECT_FALSE(command.start());
    shell.held = true;
    EXPECT_FALSE(command.start());
    EXPECT_EQ(shell.shown.back(),
              std::pair(SyncState::Failed, std::string("データフォルダを他のプログラムが使用中のため同期しません")));
    table.edit().Calendar.clear();
    EXPECT_FALSE(command.start());
    EXPECT_EQ(shell.shown.back(), std::pair(SyncState::Failed, std::string("同期の設定がありません")));
    EXPECT_EQ(shell.saved, 2);
}

TEST(SyncCommand, WithoutASecretServiceThePasswordIsKeptForThisRunOnly) {
    auto tasks = std::make_shared<PostedTasks>();
    test::ScriptedDialogs dialogs;
    test::ScriptedSync sync;
    NoSecretStore secrets;
    RecordedShell shell;
    SyncTable table = MakeSyncTable();
    table.edit() = {"https://cal.example/", "hanako", "/cal/", 0, ""};
    SyncCommand command{shell, shell, dialogs, tasks, SyncPorts{secrets, sync.services()}, table};
    EXPECT_EQ(command.passwordPlace(), PasswordPlace::NoStore);
    EXPECT_FALSE(command.setPassword("only now"));
    EXPECT_EQ(command.passwordPlace(), PasswordPlace::ThisRun);
    sync.expect({});
    ASSERT_TRUE(command.start());
    for (int round = 0; round < 100 && command.running(); ++round)
        tasks->runPosted(50ms);
    ASSERT_EQ(sync.calls().size(), 1u);
    EXPECT_EQ(sync.calls()[0].account.password, "only now");
}

TEST(SyncSettings, TrustedKeysAreKeptPerServerAddress) {
    std::string keys = WithTrustedKey("", "https://a.example/", "sha256//A=");
    keys = WithTrustedKey(keys, "https://b.example/", "sha256//B=");
    keys = WithTrustedKey(keys, "https://a.example/", "sha256//A2=");
    SyncSettings settings{"https://a.example/", "u", "/c/", 0, keys};
    EXPECT_EQ(AccountOf(settings, "pw").pinnedKey, "sha256//A2=");
    settings.Server = "https://b.example/";
    EXPECT_EQ(AccountOf(settings, "pw").pinnedKey, "sha256//B=");
    settings.TrustedKeys = WithTrustedKey(keys, "https://b.example/", "");
    EXPECT_EQ(TrustedKeyOf(settings, "https://b.example/"), "");
    EXPECT_EQ(TrustedKeyOf(settings, "https://a.example/"), "sha256//A2=");
    EXPECT_EQ(TrustedKeyOf(settings, "https://c.example/"), "");
}

} // namespace
} // namespace rekko
