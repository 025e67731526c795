#pragma once

#include "platform/Operation.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ornival {

// The kind of work a queue does. Kept as given; threads are not scheduled by
// it.
enum class QualityOfService : int {
  unspecified = -1,
  background = 9,
  utility = 17,
  userInitiated = 25,
  userInteractive = 33,
};

namespace detail {
class OperationQueueCore;
}

// Runs operations on threads of its own, at most maxConcurrentOperationCount
// at a time. When a thread is free, the waiting operation of the highest
// queue priority starts, the earliest added among equals. The queue's
// threads are made as work needs them and live as long as the queue.
//
// Dropping the queue cancels every operation and waits for those running to
// return; it may safely happen on one of its own threads, when an operation
// held the last reference to whatever owns the queue.
class OperationQueue {
public:
  // Width that follows the machine: one operation per hardware thread.
  static constexpr int defaultMaxConcurrentOperationCount = -1;

  static std::shared_ptr<OperationQueue> create() {
    return std::shared_ptr<OperationQueue>(new OperationQueue());
  }
  ~OperationQueue();
  OperationQueue(const OperationQueue&) = delete;
  OperationQueue& operator=(const OperationQueue&) = delete;

  std::string name() const;
  void setName(std::string name);
  // As set: −1 for the default width.
  int maxConcurrentOperationCount() const;
  // −1 or a positive count; anything else is a programming error.
  void setMaxConcurrentOperationCount(int count);
  QualityOfService qualityOfService() const;
  void setQualityOfService(QualityOfService quality);

  // An operation goes to one queue, once. One already cancelled never runs
  // and is not counted.
  void addOperation(std::shared_ptr<Operation> operation);
  std::shared_ptr<Operation> addOperation(std::function<void()> block);

  // Operations waiting or running; a cancelled one that has not started is
  // let go at once.
  std::size_t operationCount() const;
  // Running and waiting, in the order they were added.
  std::vector<std::shared_ptr<Operation>> operations() const;

  void cancelAllOperations();
  // Blocks until nothing waits or runs. Calling it from one of this queue's
  // own operations is a programming error: it would wait for itself.
  void waitUntilAllOperationsAreFinished();

private:
  OperationQueue();

  std::shared_ptr<detail::OperationQueueCore> core_;
};

}  // namespace ornival
