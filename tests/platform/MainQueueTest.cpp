#include "platform/MainQueue.h"

#include <gtest/gtest.h>

#include <string>

namespace ornival {
namespace {

TEST(ManualMainQueue, RunsBlocksOnlyWhenDrainedInPostingOrder) {
  const auto queue = ManualMainQueue::create();
  std::string log;
  queue->post([&] {
    log += 'a';
    // Posted while draining: runs in the same drain, after what was waiting.
    queue->post([&] { log += 'c'; });
  });
  queue->post([&] { log += 'b'; });
  EXPECT_EQ(log, "");
  EXPECT_EQ(queue->pendingCount(), 2u);
  EXPECT_EQ(queue->drain(), 3u);
  EXPECT_EQ(log, "abc");
  EXPECT_EQ(queue->drain(), 0u);
}

TEST(ManualMainQueue, WaitingOnTheMainThreadRunsTheBlockAtOnce) {
  const auto queue = ManualMainQueue::create();
  bool ran = false;
  EXPECT_TRUE(queue->postAndWait([&] { ran = true; }));
  EXPECT_TRUE(ran);
  EXPECT_EQ(queue->pendingCount(), 0u);
}

TEST(ManualMainQueue, DropsWaitingBlocksWhenDestroyed) {
  auto queue = ManualMainQueue::create();
  const auto witness = std::make_shared<int>(0);
  queue->post([witness] { ++*witness; });
  queue.reset();
  EXPECT_EQ(witness.use_count(), 1);
  EXPECT_EQ(*witness, 0);
}

// A main queue that is shutting down: it throws away whatever is posted.
class DiscardingQueue : public MainQueue {
public:
  void post(std::function<void()>) override {}
  bool isMainThread() const override { return false; }
};

TEST(MainQueue, AWaiterWhoseBlockIsDroppedStopsWaiting) {
  DiscardingQueue queue;
  bool ran = false;
  EXPECT_FALSE(queue.postAndWait([&] { ran = true; }));
  EXPECT_FALSE(ran);
}

TEST(MainQueue, TheProcessWideQueueIsTheOneInstalled) {
  const auto queue = ManualMainQueue::create();
  setMainQueue(queue);
  EXPECT_EQ(mainQueue(), queue);
  setMainQueue(nullptr);
  EXPECT_DEATH(mainQueue(), "");
}

}  // namespace
}  // namespace ornival
