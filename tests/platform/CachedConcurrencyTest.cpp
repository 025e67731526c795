#include "platform/Cached.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace ornival {
namespace {

TEST(Cached, FirstReadsFromManyThreadsComputeOnce) {
  Cached<std::vector<int>> cached;
  std::atomic<int> computations = 0;
  std::atomic<bool> go = false;
  std::vector<std::thread> threads;
  std::vector<int> sums(8);
  for (std::size_t i = 0; i < sums.size(); ++i) {
    threads.emplace_back([&, i] {
      while (!go) {
      }
      const auto& value = cached.get([&] {
        ++computations;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return std::vector<int>{1, 2, 3};
      });
      sums[i] = value[0] + value[1] + value[2];
    });
  }
  go = true;
  for (auto& t : threads)
    t.join();
  EXPECT_EQ(computations, 1);
  for (int sum : sums)
    EXPECT_EQ(sum, 6);
}

TEST(Cached, TheOwnerReplacesTheValue) {
  Cached<int> cached;
  EXPECT_FALSE(cached.hasValue());
  EXPECT_EQ(cached.get([] { return 1; }), 1);
  EXPECT_EQ(cached.get([] { return 2; }), 1);
  cached.set(3);
  EXPECT_EQ(cached.get([] { return 4; }), 3);
}

}  // namespace
}  // namespace ornival
