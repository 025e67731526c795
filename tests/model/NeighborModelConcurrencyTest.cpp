#include "model/NeighborModel.h"

#include "model/Edge.h"
#include "model/Shape.h"
#include "support/Figures.h"
#include "support/Tiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <thread>
#include <vector>

namespace ornival {
namespace {

// Counts how often the line-continuation test runs.
class CountingCandidate final : public NeighborModel {
public:
  static std::shared_ptr<CountingCandidate> create(std::shared_ptr<const Figure> figure) {
    return std::shared_ptr<CountingCandidate>(new CountingCandidate(std::move(figure)));
  }
  bool computeIsGood() const override {
    ++computations;
    return NeighborModel::computeIsGood();
  }
  mutable std::atomic<int> computations = 0;

private:
  using NeighborModel::NeighborModel;
};

// The main thread drawing a candidate and a hit test on the select queue may
// both be first to ask whether it is good; the test runs once and both get its
// answer, while the verdict of the overlap test is written beside them.
TEST(NeighborModelConcurrency, FirstReadsOfIsGoodFromSeveralThreadsComputeItOnce) {
  const auto tile = testing::placedTile(testing::unitSquare());
  const auto& parent = tile->edges()[2];
  const auto corners = ParentSide::of(*parent);
  constexpr int readers = 4;
  for (int round = 0; round < 200; ++round) {
    const auto candidate = CountingCandidate::create(testing::equilateralTriangle());
    candidate->place(0, corners);
    candidate->setParent(parent, corners);

    std::latch start(readers + 1);
    std::atomic<int> good = 0;
    std::vector<std::thread> threads;
    for (int i = 0; i < readers; ++i) {
      threads.emplace_back([&] {
        start.arrive_and_wait();
        good += candidate->isGood() ? 1 : 0;
        (void)candidate->checked();
      });
    }
    threads.emplace_back([&] {
      start.arrive_and_wait();
      candidate->setChecked(Checked::ok);
    });
    for (auto& thread : threads)
      thread.join();
    ASSERT_EQ(candidate->computations, 1);
    ASSERT_EQ(good, 0);
    ASSERT_EQ(candidate->checked(), Checked::ok);
  }
}

// A hit test on a worker may ask a fresh candidate while the main thread moves
// the parent tile: the test reads the corners the candidate kept, never the
// tile's.
TEST(NeighborModelConcurrency, IsGoodNeverReadsTheLiveParentTile) {
  const auto tile = testing::placedTile(testing::unitSquare());
  const auto& parent = tile->edges()[1];
  const auto corners = ParentSide::of(*parent);
  std::vector<std::shared_ptr<NeighborModel>> candidates;
  for (int i = 0; i < 500; ++i) {
    auto candidate = NeighborModel::create(testing::unitSquare());
    candidate->place(i % 4, corners);
    candidate->setParent(parent, corners);
    candidate->edgeOffset = i % 4;
    candidates.push_back(std::move(candidate));
  }

  std::atomic<int> good = 0;
  std::thread hitTest([&] {
    for (const auto& candidate : candidates)
      good += candidate->isGood() ? 1 : 0;
  });
  for (int i = 0; i < 500; ++i) {
    tile->transformation = ShapeModel::defaultTransformation().translatedBy(i % 7, 0);
    tile->updateTransformedGeometry();
  }
  hitTest.join();
  EXPECT_EQ(good, 500);
}

}  // namespace
}  // namespace ornival
