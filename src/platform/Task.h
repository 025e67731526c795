#pragma once

#include "platform/Operation.h"
#include "platform/Progress.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace ornival {

// Long work a window hands to a queue (an export, a save): what to call it
// while it runs, how far it has come and, through cancel(), the way to stop
// it. The work runs on the queue's thread with what was taken for it
// beforehand, and never touches what the main thread changes. When it has
// run, stopped or not, `finished` runs on the main queue, once; a task
// cancelled before it began never runs and finishes nothing.
class Task final : public Operation, public Progress {
public:
  using Work = std::function<void(Task&)>;

  static std::shared_ptr<Task> create(std::string title, Work work, std::function<void()> finished = {}) {
    return std::shared_ptr<Task>(new Task(std::move(title), std::move(work), std::move(finished)));
  }

  const std::string& title() const { return title_; }
  // The fraction done, 0 to 1; below 0 while the work has not said. Any
  // thread.
  double progress() const { return progress_.load(std::memory_order_relaxed); }
  // Whether the work has begun, and whether it is over. Any thread.
  bool hasStarted() const { return started_.load(std::memory_order_acquire); }
  bool hasEnded() const { return ended_.load(std::memory_order_acquire); }

  // Progress, for the work.
  bool shouldStop() const override { return isCancelled(); }
  void report(double fraction) override { progress_.store(fraction, std::memory_order_relaxed); }

  void main() override;

private:
  Task(std::string title, Work work, std::function<void()> finished)
      : title_(std::move(title)), work_(std::move(work)), finished_(std::move(finished)) {}

  const std::string title_;
  Work work_;
  std::function<void()> finished_;
  std::atomic<double> progress_ = -1.0;
  std::atomic<bool> started_ = false;
  std::atomic<bool> ended_ = false;
};

}  // namespace ornival
