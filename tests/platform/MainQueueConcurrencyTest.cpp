#include "platform/MainQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

namespace ornival {
namespace {

using namespace std::chrono_literals;

TEST(ManualMainQueueConcurrency, CollectsBlocksPostedByManyWorkers) {
  const auto queue = ManualMainQueue::create();
  std::vector<int> seen;  // touched by the main thread only
  std::vector<std::thread> workers;
  for (int w = 0; w < 8; ++w) {
    workers.emplace_back([&, w] {
      for (int i = 0; i < 100; ++i)
        queue->post([&seen, w, i] { seen.push_back(w * 100 + i); });
    });
  }
  for (auto& worker : workers)
    worker.join();
  EXPECT_EQ(queue->drain(), 800u);
  ASSERT_EQ(seen.size(), 800u);
  // Each worker's blocks keep their order.
  std::vector<int> last(8, -1);
  for (int value : seen) {
    EXPECT_GT(value % 100, last[value / 100]);
    last[value / 100] = value % 100;
  }
}

TEST(ManualMainQueueConcurrency, AWorkerWaitsUntilTheMainThreadRanItsBlock) {
  const auto queue = ManualMainQueue::create();
  int value = 0;  // written on the main thread, read by the worker after the wait
  auto result = std::async(std::launch::async, [&] {
    const bool ran = queue->postAndWait([&] { value = 42; });
    return ran ? value : -1;
  });
  while (queue->pendingCount() == 0)
    std::this_thread::yield();
  EXPECT_EQ(result.wait_for(20ms), std::future_status::timeout);
  EXPECT_EQ(queue->drain(), 1u);
  EXPECT_EQ(result.get(), 42);
}

TEST(ManualMainQueueConcurrency, AStopRequestGivesUpTheWaitAndTheBlockNeverRuns) {
  const auto queue = ManualMainQueue::create();
  std::stop_source stop;
  std::atomic<bool> ran = false;
  auto result = std::async(std::launch::async,
                           [&] { return queue->postAndWait([&] { ran = true; }, stop.get_token()); });
  while (queue->pendingCount() == 0)
    std::this_thread::yield();
  stop.request_stop();
  EXPECT_FALSE(result.get());
  queue->drain();
  EXPECT_FALSE(ran);
}

TEST(ManualMainQueueConcurrency, ABlockAlreadyRunningIsWaitedForDespiteAStopRequest) {
  const auto queue = ManualMainQueue::create();
  std::stop_source stop;
  std::atomic<bool> finished = false;
  auto result = std::async(std::launch::async, [&] {
    const bool ran = queue->postAndWait(
        [&] {
          stop.request_stop();
          std::this_thread::sleep_for(20ms);
          finished = true;
        },
        stop.get_token());
    return ran && finished;
  });
  while (queue->pendingCount() == 0)
    std::this_thread::yield();
  queue->drain();
  EXPECT_TRUE(result.get());
}

}  // namespace
}  // namespace ornival
