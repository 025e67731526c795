#include "platform/OperationQueue.h"

#include "platform/Precondition.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <utility>

namespace ornival {

namespace detail {

// What the queue's threads share with the queue. The threads keep it alive,
// so the queue itself may go away while one of them is still returning.
class OperationQueueCore final : public OperationOwner, public std::enable_shared_from_this<OperationQueueCore> {
public:
  struct Entry {
    std::shared_ptr<Operation> operation;
    std::uint64_t order = 0;
  };

  mutable std::mutex mutex;
  std::condition_variable workAvailable;
  std::condition_variable settled;
  std::string name;
  int maxCount = OperationQueue::defaultMaxConcurrentOperationCount;
  QualityOfService quality = QualityOfService::unspecified;
  std::vector<Entry> waiting;
  std::vector<Entry> running;
  std::vector<std::thread> threads;
  std::uint64_t nextOrder = 0;
  bool stopping = false;

  bool isCurrentThreadOwn() const { return current == this; }

  // With the mutex held.
  std::size_t width() const {
    if (maxCount == OperationQueue::defaultMaxConcurrentOperationCount)
      return std::max(1u, std::thread::hardware_concurrency());
    return static_cast<std::size_t>(maxCount);
  }

  // With the mutex held: a thread for every operation that could run now.
  void addThreadsAsNeeded() {
    const std::size_t wanted = std::min(width(), waiting.size() + running.size());
    while (threads.size() < wanted)
      threads.emplace_back([self = shared_from_this()] { self->serve(); });
  }

  void operationCancelled(const Operation& operation) override {
    Entry dropped;
    bool nowSettled = false;
    {
      std::lock_guard lock(mutex);
      const auto it = std::find_if(waiting.begin(), waiting.end(),
                                   [&](const Entry& e) { return e.operation.get() == &operation; });
      if (it == waiting.end())
        return;
      dropped = std::move(*it);
      waiting.erase(it);
      nowSettled = waiting.empty() && running.empty();
    }
    if (nowSettled)
      settled.notify_all();
    // dropped goes here, outside the lock.
  }

private:
  static thread_local const OperationQueueCore* current;

  std::vector<Entry>::iterator next() {
    return std::min_element(waiting.begin(), waiting.end(), [](const Entry& a, const Entry& b) {
      const auto pa = a.operation->queuePriority();
      const auto pb = b.operation->queuePriority();
      return pa != pb ? pa > pb : a.order < b.order;
    });
  }

  void serve() {
    current = this;
    std::unique_lock lock(mutex);
    while (true) {
      workAvailable.wait(lock, [&] { return stopping || (!waiting.empty() && running.size() < width()); });
      if (stopping)
        return;
      const auto chosen = next();
      std::shared_ptr<Operation> operation = chosen->operation;
      running.push_back(std::move(*chosen));
      waiting.erase(chosen);
      lock.unlock();

      if (!operation->isCancelled())
        operation->main();

      lock.lock();
      std::erase_if(running, [&](const Entry& e) { return e.operation == operation; });
      const bool nowSettled = waiting.empty() && running.empty();
      lock.unlock();
      if (nowSettled)
        settled.notify_all();
      // Outside the lock: the operation may hold the last reference to
      // whatever owns this queue.
      operation.reset();
      lock.lock();
    }
  }
};

thread_local const OperationQueueCore* OperationQueueCore::current = nullptr;

}  // namespace detail

namespace {

class BlockOperation final : public Operation {
public:
  explicit BlockOperation(std::function<void()> block) : block_(std::move(block)) {}
  void main() override { block_(); }

private:
  std::function<void()> block_;
};

}  // namespace

OperationQueue::OperationQueue() : core_(std::make_shared<detail::OperationQueueCore>()) {}

OperationQueue::~OperationQueue() {
  std::vector<detail::OperationQueueCore::Entry> dropped;
  std::vector<std::shared_ptr<Operation>> running;
  std::vector<std::thread> threads;
  {
    std::lock_guard lock(core_->mutex);
    core_->stopping = true;
    dropped.swap(core_->waiting);
    for (const auto& entry : core_->running)
      running.push_back(entry.operation);
    threads.swap(core_->threads);
  }
  core_->workAvailable.notify_all();
  core_->settled.notify_all();
  for (const auto& entry : dropped)
    entry.operation->markCancelled();
  for (const auto& operation : running)
    operation->markCancelled();
  running.clear();
  for (auto& thread : threads) {
    // The thread dropping the queue finishes on its own: it holds the core.
    if (thread.get_id() == std::this_thread::get_id())
      thread.detach();
    else
      thread.join();
  }
}

std::string OperationQueue::name() const {
  std::lock_guard lock(core_->mutex);
  return core_->name;
}

void OperationQueue::setName(std::string name) {
  std::lock_guard lock(core_->mutex);
  core_->name = std::move(name);
}

int OperationQueue::maxConcurrentOperationCount() const {
  std::lock_guard lock(core_->mutex);
  return core_->maxCount;
}

void OperationQueue::setMaxConcurrentOperationCount(int count) {
  ORNIVAL_PRECONDITION(count == defaultMaxConcurrentOperationCount || count > 0);
  {
    std::lock_guard lock(core_->mutex);
    core_->maxCount = count;
    core_->addThreadsAsNeeded();
  }
  core_->workAvailable.notify_all();
}

QualityOfService OperationQueue::qualityOfService() const {
  std::lock_guard lock(core_->mutex);
  return core_->quality;
}

void OperationQueue::setQualityOfService(QualityOfService quality) {
  std::lock_guard lock(core_->mutex);
  core_->quality = quality;
}

void OperationQueue::addOperation(std::shared_ptr<Operation> operation) {
  ORNIVAL_PRECONDITION(operation != nullptr);
  operation->enqueue(core_);
  {
    // Read under the lock that the cancellation's removal takes, so that a
    // cancel racing with this call either sees the operation waiting or
    // keeps it out.
    std::lock_guard lock(core_->mutex);
    if (operation->isCancelled())
      return;
    core_->waiting.push_back({std::move(operation), core_->nextOrder++});
    core_->addThreadsAsNeeded();
  }
  core_->workAvailable.notify_one();
}

std::shared_ptr<Operation> OperationQueue::addOperation(std::function<void()> block) {
  ORNIVAL_PRECONDITION(block != nullptr);
  auto operation = std::make_shared<BlockOperation>(std::move(block));
  addOperation(operation);
  return operation;
}

std::size_t OperationQueue::operationCount() const {
  std::lock_guard lock(core_->mutex);
  return core_->waiting.size() + core_->running.size();
}

std::vector<std::shared_ptr<Operation>> OperationQueue::operations() const {
  std::vector<detail::OperationQueueCore::Entry> entries;
  {
    std::lock_guard lock(core_->mutex);
    entries = core_->running;
    entries.insert(entries.end(), core_->waiting.begin(), core_->waiting.end());
  }
  std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.order < b.order; });
  std::vector<std::shared_ptr<Operation>> result;
  result.reserve(entries.size());
  for (auto& entry : entries)
    result.push_back(std::move(entry.operation));
  return result;
}

void OperationQueue::cancelAllOperations() {
  std::vector<detail::OperationQueueCore::Entry> dropped;
  std::vector<std::shared_ptr<Operation>> running;
  bool nowSettled = false;
  {
    std::lock_guard lock(core_->mutex);
    dropped.swap(core_->waiting);
    for (const auto& entry : core_->running)
      running.push_back(entry.operation);
    nowSettled = core_->running.empty();
  }
  if (nowSettled)
    core_->settled.notify_all();
  // Outside the lock: whatever waits on an operation's stop token wakes here.
  for (const auto& entry : dropped)
    entry.operation->markCancelled();
  for (const auto& operation : running)
    operation->markCancelled();
}

void OperationQueue::waitUntilAllOperationsAreFinished() {
  ORNIVAL_PRECONDITION(!core_->isCurrentThreadOwn());
  std::unique_lock lock(core_->mutex);
  core_->settled.wait(lock, [&] { return core_->waiting.empty() && core_->running.empty(); });
}

}  // namespace ornival
