#include "platform/ParallelFor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace ornival {
namespace {

TEST(ParallelFor, RunsEveryIndexOnceAndShowsItsWritesToTheCaller) {
  for (std::size_t count : {0u, 1u, 2u, 7u, 1000u}) {
    SCOPED_TRACE(count);
    // Plain writes, one slot per index: the caller may read them only because
    // parallelFor returns after every iteration has finished.
    std::vector<int> runs(count, 0);
    parallelFor(count, [&](std::size_t i) { ++runs[i]; });
    EXPECT_EQ(runs, std::vector<int>(count, 1));
  }
}

TEST(ParallelFor, RunsIterationsAtTheSameTime) {
  // Each of two iterations waits for the other to start, which a loop that
  // ran them one after another could never satisfy.
  std::atomic<int> started = 0;
  std::atomic<bool> overlapped[2] = {false, false};
  parallelFor(2, [&](std::size_t i) {
    ++started;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (started < 2 && std::chrono::steady_clock::now() < deadline)
      std::this_thread::yield();
    overlapped[i] = started == 2;
  });
  EXPECT_TRUE(overlapped[0]);
  EXPECT_TRUE(overlapped[1]);
}

TEST(ParallelFor, NestedLoopsFinishEvenWhenEveryWorkerIsInsideOne) {
  // More outer iterations than threads, each blocking in an inner loop of its
  // own, so that at some point every pool thread waits inside a nested call.
  const std::size_t outer = 4 * std::max(1u, std::thread::hardware_concurrency());
  std::atomic<std::size_t> total = 0;
  parallelFor(outer, [&](std::size_t) {
    parallelFor(16, [&](std::size_t) {
      parallelFor(3, [&](std::size_t) { ++total; });
    });
  });
  EXPECT_EQ(total, outer * 16 * 3);
}

}  // namespace
}  // namespace ornival
