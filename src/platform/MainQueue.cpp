#include "platform/MainQueue.h"

#include "platform/Precondition.h"

#include <condition_variable>
#include <utility>

namespace ornival {

namespace {

// What a waiting worker and the block it posted share.
struct Handoff {
  enum class State { pending, running, done, dropped };
  std::mutex mutex;
  std::condition_variable_any changed;
  State state = State::pending;

  void finish(State from, State to) {
    {
      std::lock_guard lock(mutex);
      if (state != from)
        return;
      state = to;
    }
    changed.notify_all();
  }
};

// Destroyed with the last copy of the posted block: if the block never
// started by then, the queue dropped it and the worker must stop waiting.
class DropGuard {
public:
  explicit DropGuard(std::shared_ptr<Handoff> handoff) : handoff_(std::move(handoff)) {}
  DropGuard(const DropGuard&) = delete;
  DropGuard& operator=(const DropGuard&) = delete;
  ~DropGuard() { handoff_->finish(Handoff::State::pending, Handoff::State::dropped); }

private:
  std::shared_ptr<Handoff> handoff_;
};

std::mutex sharedMutex;
std::shared_ptr<MainQueue> shared;

}  // namespace

bool MainQueue::postAndWait(std::function<void()> block, std::stop_token stop) {
  if (isMainThread()) {
    block();
    return true;
  }
  const auto handoff = std::make_shared<Handoff>();
  auto guard = std::make_shared<DropGuard>(handoff);
  post([handoff, guard = std::move(guard), block = std::move(block)] {
    {
      std::lock_guard lock(handoff->mutex);
      if (handoff->state != Handoff::State::pending)
        return;
      handoff->state = Handoff::State::running;
    }
    block();
    handoff->finish(Handoff::State::running, Handoff::State::done);
  });
  using State = Handoff::State;
  std::unique_lock lock(handoff->mutex);
  const auto settled = [&] { return handoff->state == State::done || handoff->state == State::dropped; };
  handoff->changed.wait(lock, stop, settled);
  if (handoff->state == State::pending)
    handoff->state = State::dropped;
  // A block already under way is the main thread's business: it ends.
  handoff->changed.wait(lock, settled);
  return handoff->state == State::done;
}

std::shared_ptr<MainQueue> mainQueue() {
  std::lock_guard lock(sharedMutex);
  ORNIVAL_PRECONDITION(shared != nullptr);
  return shared;
}

void setMainQueue(std::shared_ptr<MainQueue> queue) {
  std::shared_ptr<MainQueue> previous;
  std::lock_guard lock(sharedMutex);
  previous = std::exchange(shared, std::move(queue));
  // previous goes after the lock is released, in case its blocks post.
}

ManualMainQueue::~ManualMainQueue() {
  std::deque<std::function<void()>> dropped;
  {
    std::lock_guard lock(mutex_);
    dropped.swap(blocks_);
  }
}

void ManualMainQueue::post(std::function<void()> block) {
  ORNIVAL_PRECONDITION(block != nullptr);
  std::lock_guard lock(mutex_);
  blocks_.push_back(std::move(block));
}

std::size_t ManualMainQueue::drain() {
  ORNIVAL_PRECONDITION(isMainThread());
  std::size_t count = 0;
  while (true) {
    std::function<void()> block;
    {
      std::lock_guard lock(mutex_);
      if (blocks_.empty())
        return count;
      block = std::move(blocks_.front());
      blocks_.pop_front();
    }
    block();
    ++count;
  }
}

std::size_t ManualMainQueue::pendingCount() const {
  std::lock_guard lock(mutex_);
  return blocks_.size();
}

}  // namespace ornival
