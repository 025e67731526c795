#include "platform/MainQueue.h"
#include "platform/OperationQueue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <latch>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ornival {
namespace {

using namespace std::chrono_literals;

// Waits for a condition another thread makes true, failing instead of hanging.
template <typename Condition>
bool eventually(Condition condition) {
  const auto deadline = std::chrono::steady_clock::now() + 10s;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline)
      return false;
    std::this_thread::sleep_for(1ms);
  }
  return true;
}

// Runs until released or cancelled, so that a test decides when a thread of
// the queue frees up.
class GateOperation : public Operation {
public:
  static std::shared_ptr<GateOperation> create() { return std::shared_ptr<GateOperation>(new GateOperation()); }
  void main() override {
    started.count_down();
    while (!released && !isCancelled())
      std::this_thread::sleep_for(1ms);
    sawCancel = isCancelled();
  }
  std::latch started{1};
  std::atomic<bool> released = false;
  std::atomic<bool> sawCancel = false;

private:
  GateOperation() = default;
};

// Leaves the queue one thread and keeps it busy with a gate, so that whatever
// is added next waits until the gate opens.
std::shared_ptr<GateOperation> occupyOnlyThread(OperationQueue& queue) {
  queue.setMaxConcurrentOperationCount(1);
  auto gate = GateOperation::create();
  queue.addOperation(gate);
  gate->started.wait();
  return gate;
}

// Records its name when it runs.
class Recorder {
public:
  std::shared_ptr<Operation> make(std::string name) { return std::make_shared<Step>(*this, std::move(name)); }
  std::shared_ptr<Operation> add(OperationQueue& queue, std::string name, QueuePriority priority) {
    auto operation = make(std::move(name));
    operation->setQueuePriority(priority);
    queue.addOperation(operation);
    return operation;
  }
  std::vector<std::string> log() const {
    std::lock_guard lock(mutex_);
    return log_;
  }

private:
  struct Step : Operation {
    Step(Recorder& recorder, std::string name) : recorder(recorder), name(std::move(name)) {}
    void main() override {
      std::lock_guard lock(recorder.mutex_);
      recorder.log_.push_back(name);
    }
    Recorder& recorder;
    std::string name;
  };
  mutable std::mutex mutex_;
  std::vector<std::string> log_;
};

TEST(OperationQueue, KeepsItsSettingsAsGiven) {
  const auto queue = OperationQueue::create();
  EXPECT_EQ(queue->maxConcurrentOperationCount(), OperationQueue::defaultMaxConcurrentOperationCount);
  EXPECT_EQ(queue->qualityOfService(), QualityOfService::unspecified);
  queue->setName("Select queue");
  queue->setMaxConcurrentOperationCount(1);
  queue->setQualityOfService(QualityOfService::userInitiated);
  EXPECT_EQ(queue->name(), "Select queue");
  EXPECT_EQ(queue->maxConcurrentOperationCount(), 1);
  EXPECT_EQ(static_cast<int>(queue->qualityOfService()), 25);
  EXPECT_EQ(static_cast<int>(QualityOfService::utility), 17);
  EXPECT_EQ(static_cast<int>(QueuePriority::low), -4);
  EXPECT_EQ(queue->operationCount(), 0u);
}

TEST(OperationQueueDeathTest, RefusesAWidthOfNothing) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const auto queue = OperationQueue::create();
  EXPECT_DEATH(queue->setMaxConcurrentOperationCount(0), "");
  EXPECT_DEATH(queue->setMaxConcurrentOperationCount(-2), "");
  const auto gate = GateOperation::create();
  queue->addOperation(gate);
  EXPECT_DEATH(queue->addOperation(gate), "");
  gate->released = true;
}

TEST(OperationQueue, RunsNoMoreAtATimeThanItsWidth) {
  const auto queue = OperationQueue::create();
  queue->setMaxConcurrentOperationCount(2);
  std::atomic<int> active = 0;
  std::atomic<int> most = 0;
  for (int i = 0; i < 8; ++i) {
    queue->addOperation([&] {
      const int now = ++active;
      int seen = most;
      while (now > seen && !most.compare_exchange_weak(seen, now)) {
      }
      std::this_thread::sleep_for(10ms);
      --active;
    });
  }
  queue->waitUntilAllOperationsAreFinished();
  EXPECT_EQ(queue->operationCount(), 0u);
  EXPECT_EQ(most, 2);
}

TEST(OperationQueue, StartsWaitingOperationsByPriorityThenInOrderAdded) {
  const auto queue = OperationQueue::create();
  const auto gate = occupyOnlyThread(*queue);

  Recorder recorder;
  const auto a = recorder.add(*queue, "a", QueuePriority::normal);
  const auto b = recorder.add(*queue, "b", QueuePriority::low);
  const auto c = recorder.add(*queue, "c", QueuePriority::veryHigh);
  const auto d = recorder.add(*queue, "d", QueuePriority::high);
  const auto e = recorder.add(*queue, "e", QueuePriority::normal);
  const auto f = recorder.add(*queue, "f", QueuePriority::veryLow);
  // Raised while it waits: it joins the very high ones, behind c.
  f->setQueuePriority(QueuePriority::veryHigh);
  EXPECT_EQ(queue->operations(), (std::vector<std::shared_ptr<Operation>>{gate, a, b, c, d, e, f}));
  EXPECT_EQ(queue->operationCount(), 7u);

  gate->released = true;
  queue->waitUntilAllOperationsAreFinished();
  EXPECT_EQ(recorder.log(), (std::vector<std::string>{"c", "f", "d", "a", "e", "b"}));
}

TEST(OperationQueue, CancellingLetsWaitingOperationsGoAndAsksRunningOnesToStop) {
  const auto queue = OperationQueue::create();
  const auto gate = occupyOnlyThread(*queue);
  Recorder recorder;
  recorder.add(*queue, "a", QueuePriority::normal);
  const auto single = recorder.add(*queue, "single", QueuePriority::normal);
  recorder.add(*queue, "b", QueuePriority::normal);

  // A waiting operation cancelled on its own is let go without a free thread.
  single->cancel();
  EXPECT_EQ(queue->operationCount(), 3u);
  queue->cancelAllOperations();
  EXPECT_EQ(queue->operations(), (std::vector<std::shared_ptr<Operation>>{gate}));
  queue->waitUntilAllOperationsAreFinished();
  EXPECT_TRUE(gate->sawCancel);
  EXPECT_TRUE(recorder.log().empty());

  // The queue goes on serving; one cancelled beforehand is neither counted
  // nor run.
  const auto cancelledFirst = recorder.make("cancelled first");
  cancelledFirst->cancel();
  queue->addOperation(cancelledFirst);
  EXPECT_EQ(queue->operationCount(), 0u);
  recorder.add(*queue, "late", QueuePriority::normal);
  queue->waitUntilAllOperationsAreFinished();
  EXPECT_EQ(recorder.log(), (std::vector<std::string>{"late"}));
}

// Busy for a few steps, to set one thread off against another.
void holdBack(int steps) {
  [[maybe_unused]] volatile int step = 0;
  for (int i = 0; i < steps; ++i)
    step = i;
}

TEST(OperationQueue, AnOperationCancelledWhileItIsAddedIsNeverCounted) {
  // The only thread stays busy, so an operation that got in while being
  // cancelled would wait there, counted, until the gate opens.
  const auto queue = OperationQueue::create();
  const auto gate = occupyOnlyThread(*queue);
  Recorder recorder;
  constexpr int rounds = 20000;
  std::vector<std::shared_ptr<Operation>> raced;
  for (int i = 0; i < rounds; ++i)
    raced.push_back(recorder.make("raced"));

  // Round by round, this thread adds an operation while the canceller
  // cancels it, the one or the other a little later, by an amount that sweeps
  // back and forth over the rounds. Neither waits long for the other: a round
  // the canceller missed, off its processor, is let go, so that a busy
  // machine may weaken the test for a while but never slows it down.
  const auto delayOf = [](int round, int side) { return std::max(0, side * (round % 101 - 50)) * 40; };
  std::atomic<int> adding = -1;
  std::atomic<int> cancelled = -1;
  std::atomic<bool> finished = false;
  std::thread canceller([&] {
    for (int round = -1; !finished;) {
      if (adding.load() == round)
        continue;
      round = adding.load();
      holdBack(delayOf(round, 1));
      raced[std::size_t(round)]->cancel();
      cancelled = round;
    }
  });
  // Takes the queue's lock and reads the flag all the while, so that each of
  // the two is now and then held up inside its step: the adding thread
  // between its look at the flag and its taking the operation in, the
  // cancelling one between its look for a queue and its setting the flag.
  std::thread crowd([&] {
    while (!finished) {
      static_cast<void>(queue->operationCount());
      if (const int round = adding.load(); round >= 0)
        static_cast<void>(raced[std::size_t(round)]->isCancelled());
    }
  });

  std::size_t counted = 1;
  int races = 0;
  for (int round = 0; round < rounds && counted == 1; ++round) {
    adding = round;
    holdBack(delayOf(round, -1));
    queue->addOperation(raced[std::size_t(round)]);
    // A moment's grace, far longer than a cancel takes on a free processor.
    for (int wait = 0; wait < 20000 && cancelled.load() < round; ++wait) {
    }
    if (cancelled.load() < round) {
      raced[std::size_t(round)]->cancel();
      continue;
    }
    ++races;
    counted = queue->operationCount();
  }
  finished = true;
  canceller.join();
  crowd.join();
  EXPECT_EQ(counted, 1u) << "after " << races << " races";

  gate->released = true;
  queue->waitUntilAllOperationsAreFinished();
  EXPECT_TRUE(recorder.log().empty());
}

TEST(OperationQueue, DroppingTheQueueCancelsAndWaitsForRunningOperations) {
  auto queue = OperationQueue::create();
  const auto gate = occupyOnlyThread(*queue);
  Recorder recorder;
  const auto waiting = recorder.add(*queue, "waiting", QueuePriority::normal);
  queue.reset();
  EXPECT_TRUE(gate->sawCancel);
  EXPECT_TRUE(waiting->isCancelled());
  EXPECT_TRUE(recorder.log().empty());
}

TEST(OperationQueue, AnOperationMayDropTheLastReferenceToItsOwnQueue) {
  // As when an operation holds the window that owns its queue and the window
  // closes meanwhile: the queue then goes on one of its own threads.
  auto queue = OperationQueue::create();
  const std::weak_ptr<OperationQueue> watch = queue;
  std::latch go{1};
  queue->addOperation([owner = queue, &go]() mutable {
    go.wait();
    owner.reset();
  });
  queue.reset();
  go.count_down();
  EXPECT_TRUE(eventually([&] { return watch.expired(); }));
}

TEST(OperationQueue, DroppingTheQueueReleasesAnOperationWaitingOnTheMainThread) {
  // The main thread tears the queue down while an operation waits for a
  // block on the main thread, which is not draining: cancelling must end
  // the wait, or both would wait for ever.
  const auto main = ManualMainQueue::create();
  auto queue = OperationQueue::create();
  std::atomic<bool> ran = false;
  std::atomic<bool> handedBack = true;
  struct WaitsOnMain : Operation {
    std::shared_ptr<MainQueue> mainThread;
    std::atomic<bool>* ran = nullptr;
    std::atomic<bool>* handedBack = nullptr;
    void main() override { *handedBack = mainThread->postAndWait([this] { *ran = true; }, stopToken()); }
  };
  auto operation = std::make_shared<WaitsOnMain>();
  operation->mainThread = main;
  operation->ran = &ran;
  operation->handedBack = &handedBack;
  queue->addOperation(operation);
  ASSERT_TRUE(eventually([&] { return main->pendingCount() == 1; }));
  queue.reset();
  EXPECT_FALSE(handedBack);
  main->drain();
  EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace ornival
