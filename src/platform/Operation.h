#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <stop_token>

namespace ornival {

class Operation;

namespace detail {
// The queue an operation waits in, told when the operation is cancelled so
// that it need not wait for a free thread to be let go.
class OperationOwner {
public:
  virtual void operationCancelled(const Operation& operation) = 0;

protected:
  ~OperationOwner() = default;
};
}  // namespace detail

// Which of several waiting operations a queue starts first.
enum class QueuePriority : int { veryLow = -8, low = -4, normal = 0, high = 4, veryHigh = 8 };

// A piece of work for an OperationQueue, made by a subclass's create() and
// given to one queue once. Cancellation is cooperative: cancel() only sets a
// flag, which main() checks where stopping is safe; an operation cancelled
// before it starts never runs.
class Operation {
public:
  virtual ~Operation() = default;
  Operation(const Operation&) = delete;
  Operation& operator=(const Operation&) = delete;

  // The work, on one of the queue's threads.
  virtual void main() = 0;

  // Any thread, any number of times.
  void cancel();
  bool isCancelled() const { return stop_.stop_requested(); }
  // Requested on cancel: lets the work give up a wait (for example on the
  // main queue) when it is cancelled.
  std::stop_token stopToken() const { return stop_.get_token(); }

  QueuePriority queuePriority() const { return priority_.load(std::memory_order_relaxed); }
  // Takes effect whenever the queue next chooses, as long as the operation
  // has not started.
  void setQueuePriority(QueuePriority priority) { priority_.store(priority, std::memory_order_relaxed); }

protected:
  Operation() = default;

private:
  friend class OperationQueue;

  // Binds the operation to its one queue; a second binding is a programming
  // error.
  void enqueue(std::weak_ptr<detail::OperationOwner> owner);
  // Sets the flag without telling the owner, which is doing the cancelling.
  void markCancelled() { stop_.request_stop(); }

  std::stop_source stop_;
  std::atomic<QueuePriority> priority_ = QueuePriority::normal;
  std::mutex ownerMutex_;
  bool enqueued_ = false;
  std::weak_ptr<detail::OperationOwner> owner_;
};

}  // namespace ornival
