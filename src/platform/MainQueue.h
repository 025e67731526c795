#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>

namespace ornival {

// Where workers hand results back: blocks posted here run one after another
// on the main thread, which alone may touch the model and the layers. The
// application installs one on its event loop at start; tests install a
// ManualMainQueue and run its blocks when they choose.
class MainQueue {
public:
  virtual ~MainQueue() = default;

  // Any thread; the block runs later, on the main thread, in posting order.
  virtual void post(std::function<void()> block) = 0;
  virtual bool isMainThread() const = 0;

  // Runs block on the main thread and waits for it; on the main thread itself
  // it runs at once. A worker that waits must not hold up a main thread that
  // is waiting for the worker in turn (a queue being torn down joins its
  // operations): a stop request on stop, such as cancelling the operation
  // that waits, gives up the wait unless the block has already started, and
  // the block then never runs. The block never runs either when the queue is
  // dropped first. Returns whether it ran.
  bool postAndWait(std::function<void()> block, std::stop_token stop = {});
};

// The process-wide main queue. Reading it before it is set is a programming
// error.
std::shared_ptr<MainQueue> mainQueue();
void setMainQueue(std::shared_ptr<MainQueue> queue);

// A main queue for tests: blocks wait until the thread that made it drains
// them.
class ManualMainQueue : public MainQueue {
public:
  static std::shared_ptr<ManualMainQueue> create() {
    return std::shared_ptr<ManualMainQueue>(new ManualMainQueue());
  }
  // Blocks still waiting are dropped without running.
  ~ManualMainQueue() override;

  void post(std::function<void()> block) override;
  bool isMainThread() const override { return std::this_thread::get_id() == mainThread_; }

  // Runs every waiting block, and those they post in turn, until none is
  // left; returns how many ran. Main thread only.
  std::size_t drain();
  std::size_t pendingCount() const;

private:
  ManualMainQueue() = default;

  const std::thread::id mainThread_ = std::this_thread::get_id();
  mutable std::mutex mutex_;
  std::deque<std::function<void()>> blocks_;
};

}  // namespace ornival
