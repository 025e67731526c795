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

TEST(OperationQueue, AnOperationCancelledWhileItIsAddedIsNeverCounted) {
  // The only thread stays busy, so an operation that got in while being
  // cancelled would wait there, counted, until the gate opens.
  const auto queue = OperationQueue::create();
  const auto gate = occupyOnlyThread(*queue);
  Recorder recorder;
  for (int i = 0; i < 2000; ++i) {
    const auto operation = recorder.make("raced");
    std::atomic<int> ready = 0;
    std::thread canceller([&] {
      ++ready;
      while (ready < 2) {
      }
      operation->cancel();
    });
    ++ready;
    while (ready < 2) {
    }
    queue->addOperation(operation);
    canceller.join();
    ASSERT_EQ(queue->operationCount(), 1u) << "after " << i << " races";
  }
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
