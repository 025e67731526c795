#include "platform/Lazy.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
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

// Readers that come while a slow first computation runs wait for it, and
// are woken when it is done.
TEST(Lazy, ReadersWaitForASlowComputation) {
  Lazy<int> lazy;
  std::atomic<bool> started = false;
  std::atomic<bool> release = false;
  std::thread first([&] {
    lazy.get([&] {
      started = true;
      while (!release) {
        std::this_thread::yield();
      }
      return 5;
    });
  });
  while (!started) {
  }
  std::vector<std::thread> readers;
  std::atomic<int> sum = 0;
  std::atomic<int> computations = 0;
  for (int i = 0; i < 4; ++i)
    readers.emplace_back([&] { sum += lazy.get([&] { return ++computations, 100; }); });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  release = true;
  first.join();
  for (auto& t : readers)
    t.join();
  EXPECT_EQ(computations, 0);
  EXPECT_EQ(sum, 20);
}

// A computation that throws leaves the value to the next reader, as
// std::call_once does.
TEST(Lazy, AComputationThatThrowsIsTriedAgain) {
  Lazy<int> lazy;
  EXPECT_THROW(lazy.get([]() -> int { throw std::runtime_error("no"); }), std::runtime_error);
  EXPECT_EQ(lazy.get([] { return 3; }), 3);
  EXPECT_EQ(lazy.get([] { return 4; }), 3);
}

TEST(Lazy, AStoredValueWinsOverLaterComputation) {
  Lazy<int> lazy;
  lazy.set(7);
  lazy.set(8);
  EXPECT_EQ(lazy.get([] { return 9; }), 7);
}

}  // namespace
}  // namespace ornival
