#include "platform/Task.h"

#include "platform/MainQueue.h"

namespace ornival {

Progress& Progress::none() {
  class Unwatched final : public Progress {
  public:
    bool shouldStop() const override { return false; }
    void report(double) override {}
  };
  static Unwatched unwatched;
  return unwatched;
}

void Task::main() {
  started_.store(true, std::memory_order_release);
  if (!isCancelled() && work_)
    work_(*this);
  // What the work held goes here, on its own thread, before the main queue
  // hears of the end.
  work_ = nullptr;
  ended_.store(true, std::memory_order_release);
  if (finished_)
    mainQueue()->post(std::move(finished_));
}

}  // namespace ornival
