#include "model/Graph.h"

#include "model/Shape.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

// The walks clear every tile's label on the worker pool and then read the
// labels on the calling thread: the clearing must be complete, and seen, before
// the walk starts, however stale the labels it clears.
TEST(GraphConcurrency, WalksStartFromLabelsClearedOnTheWorkers) {
  const int columns = 60;
  const auto graph = testing::joinedGraph(testing::squareGrid(columns, 50));
  const auto& tiles = graph->shapes();
  for (std::size_t i = 0; i < tiles.size(); i += std::size_t(columns))
    tiles[i + 1]->setStatus(ShapeStatus::marked);

  for (int round = 0; round < 20; ++round) {
    for (const auto& tile : tiles)
      tile->visited = round % 2 == 0 ? 0 : 7;
    EXPECT_EQ(graph->largestRegion(), 10);
    for (const auto& tile : tiles)
      tile->visited = 3;
    graph->computeSpin();
    for (const auto& tile : tiles)
      ASSERT_EQ(tile->spin, (tile->index % columns + tile->index / columns) % 2 == 1) << tile->index;
  }
}

}  // namespace
}  // namespace ornival
