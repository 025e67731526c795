#include "platform/Lazy.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace ornival {
namespace {

TEST(Lazy, ComputesOnceWhenManyThreadsReadItFirst) {
  Lazy<std::vector<int>> lazy;
  std::atomic<int> computations = 0;
  std::atomic<bool> go = false;
  std::vector<std::thread> threads;
  std::vector<const std::vector<int>*> seen(8);
  for (std::size_t i = 0; i < seen.size(); ++i) {
    threads.emplace_back([&, i] {
      while (!go) {
      }
      seen[i] = &lazy.get([&] {
        ++computations;
        return std::vector<int>{1, 2, 3};
      });
    });
  }
  go = true;
  for (auto& t : threads)
    t.join();
  EXPECT_EQ(computations, 1);
  for (const auto* value : seen)
    EXPECT_EQ(value, seen[0]);
  EXPECT_EQ(*seen[0], (std::vector<int>{1, 2, 3}));
}

TEST(Lazy, AStoredValueWinsOverLaterComputation) {
  Lazy<int> lazy;
  lazy.set(7);
  lazy.set(8);
  EXPECT_EQ(lazy.get([] { return 9; }), 7);
}

}  // namespace
}  // namespace ornival
