#include "model/Operations.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <latch>
#include <thread>

namespace ornival {
namespace {

using namespace std::chrono_literals;

// Runs until cancelled, so that the queue's only thread stays busy.
class BusyOperation final : public Operation {
public:
  static std::shared_ptr<BusyOperation> create() { return std::shared_ptr<BusyOperation>(new BusyOperation()); }
  void main() override {
    started.count_down();
    while (!isCancelled())
      std::this_thread::sleep_for(1ms);
    sawCancel = true;
  }
  std::latch started{1};
  std::atomic<bool> sawCancel = false;

private:
  BusyOperation() = default;
};

// Closing a window drops its Operations: what waits on its queues never runs,
// and what runs is asked to stop and waited for.
TEST(OperationsConcurrency, DroppingThemCancelsAndWaitsForTheirWork) {
  auto operations = Operations::create();
  const auto busy = BusyOperation::create();
  operations->selectQueue()->addOperation(busy);
  std::atomic<bool> waitingRan = false;
  operations->selectQueue()->addOperation([&] { waitingRan = true; });
  busy->started.wait();

  operations.reset();
  EXPECT_TRUE(busy->sawCancel);
  EXPECT_FALSE(waitingRan);
}

}  // namespace
}  // namespace ornival
