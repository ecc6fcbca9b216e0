// SPDX-License-Identifier: GPL-3.0-or-later
// The single background worker: one job at a time, busy from its start until its result runs on the interface thread.
#include "platform/SingleWorker.h"

#include <gtest/gtest.h>

#include <future>
#include <stdexcept>
#include <thread>

namespace rekko {
namespace {

using namespace std::chrono_literals;

TEST(SingleWorker, RunsOneJobAtATimeAndHandsItsResultToTheInterfaceThread) {
    auto interfaceThread = std::make_shared<PostedTasks>();
    SingleWorker worker(interfaceThread);
    std::promise<void> release;
    const std::shared_future<void> released = release.get_future().share();
    std::thread::id jobThread, resultThread;
    EXPECT_TRUE(worker.start([&] {
        released.wait();
        jobThread = std::this_thread::get_id();
        return [&] { resultThread = std::this_thread::get_id(); };
    }));
    EXPECT_TRUE(worker.busy());
    EXPECT_FALSE(worker.start([] { return std::function<void()>{}; }));
    EXPECT_EQ(interfaceThread->runPosted(50ms), 0);
    EXPECT_TRUE(worker.busy());

    release.set_value();
    EXPECT_EQ(interfaceThread->runPosted(5s), 1);
    EXPECT_FALSE(worker.busy());
    EXPECT_EQ(resultThread, std::this_thread::get_id());
    EXPECT_NE(jobThread, std::this_thread::get_id());
}

TEST(SingleWorker, AFailedJobStillEndsBusy) {
    auto interfaceThread = std::make_shared<PostedTasks>();
    SingleWorker worker(interfaceThread);
    EXPECT_TRUE(worker.start([]() -> std::function<void()> { throw std::runtime_error("lost"); }));
    EXPECT_EQ(interfaceThread->runPosted(5s), 1);
    EXPECT_FALSE(worker.busy());
    EXPECT_TRUE(worker.start([] { return std::function<void()>{}; }));
    EXPECT_EQ(interfaceThread->runPosted(5s), 1);
}

} // namespace
} // namespace rekko
