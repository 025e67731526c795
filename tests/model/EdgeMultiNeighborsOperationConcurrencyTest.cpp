#include "model/EdgeMultiNeighborsOperation.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/Operations.h"
#include "model/Shape.h"
#include "platform/MainQueue.h"
#include "platform/OperationQueue.h"
#include "support/Figures.h"
#include "support/GroupSearch.h"
#include "support/TileGrids.h"
#include "support/Tiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <thread>
#include <vector>

namespace ornival {
namespace {

class EdgeMultiNeighborsConcurrency : public testing::GroupSearchTest {
protected:
  // columns × rows unit squares glued into one group, held only by the
  // caller: 2 · (columns + rows) border sides of length 1.
  static std::shared_ptr<MultiShape> block(int columns, int rows) {
    auto tiles = testing::squareGrid(columns, rows);
    Graph::create(tiles)->joinEdges(testing::allEdges(tiles));
    auto group = MultiShape::create(tiles[0], tiles);
    MultiShape::resetCurrent();
    return group;
  }
};

// The queue lets go of an operation on its own thread, after the work or
// instead of it; the operation's group, whose tiles own layers, must still go
// on the main thread, however the two threads take turns.
TEST_F(EdgeMultiNeighborsConcurrency, TheGroupIsAlwaysLetGoOnTheMainThread) {
  const auto tile = testing::placedTile(testing::unitSquare());
  for (const bool cancelled : {false, true}) {
    SCOPED_TRACE(cancelled);
    auto group = block(2, 1);
    const std::weak_ptr<MultiShape> watched = group;
    auto operation = EdgeMultiNeighborsOperation::create(tile->edges()[1], std::move(group));
    std::latch worked(1);
    std::latch drained(1);
    std::thread worker([&, operation = std::move(operation)]() mutable {
      if (cancelled)
        operation->cancel();
      operation->main();
      worked.count_down();
      // The hand-over, when there is one, has run before the worker lets go:
      // the worker then holds the last reference to the operation.
      drained.wait();
      operation.reset();
    });
    while (!worked.try_wait())
      main->drain();
    drained.count_down();
    worker.join();

    EXPECT_FALSE(watched.expired());
    main->drain();
    EXPECT_TRUE(watched.expired());
  }
}

// The main thread goes on editing while the search runs: the operation works
// from the side as it was when it was made, and never reads the live tile.
TEST_F(EdgeMultiNeighborsConcurrency, TheSearchWorksFromTheSideAsItWasWhenQueued) {
  const auto operations = Operations::create();
  const auto tile = testing::placedTile(testing::unitSquare());
  const auto group = block(10, 5);
  std::vector<ParentSide> queued;
  for (const auto& edge : tile->edges()) {
    queued.push_back(ParentSide::of(*edge));
    operations->neighborQueue()->addOperation(EdgeMultiNeighborsOperation::create(edge, group));
  }
  for (int i = 0; operations->neighborQueue()->operationCount() > 0; ++i) {
    tile->transformation = ShapeModel::defaultTransformation().translatedBy(i % 5, 1);
    tile->updateTransformedGeometry();
    main->drain();
  }

  for (std::size_t e = 0; e < 4; ++e) {
    const auto& candidates = tile->edges()[e]->neighbors[Shapes::multi];
    ASSERT_EQ(candidates.size(), 30u);
    for (const auto& candidate : candidates) {
      const auto k = std::size_t(candidate->edgeOffset);
      const auto& own = candidate->edges();
      EXPECT_EQ(candidate->parentSide().start, queued[e].start);
      EXPECT_NEAR(own[k]->transformedVertex().x, queued[e].end.x, 1e-9);
      EXPECT_NEAR(own[k]->transformedVertex().y, queued[e].end.y, 1e-9);
      EXPECT_NEAR(own[(k + 1) % own.size()]->transformedVertex().x, queued[e].start.x, 1e-9);
      EXPECT_NEAR(own[(k + 1) % own.size()]->transformedVertex().y, queued[e].start.y, 1e-9);
    }
  }
}

// Cancelled while it builds its candidates, a search stops before the next
// one and hands nothing over. The group is large enough that the search is
// still building when the cancel comes.
TEST_F(EdgeMultiNeighborsConcurrency, CancellingMidwayDropsTheCandidatesMadeSoFar) {
  const auto group = block(60, 60);
  const auto tile = testing::placedTile(testing::unitSquare());
  const auto& edge = tile->edges()[1];
  const auto operation = EdgeMultiNeighborsOperation::create(edge, group);
  std::latch started(1);
  std::thread worker([&] {
    started.count_down();
    operation->main();
  });
  started.wait();
  operation->cancel();
  worker.join();
  main->drain();
  EXPECT_EQ(edge->neighbors.count(Shapes::multi), 0u);

  // Left alone, the same search hands over all 240.
  const auto whole = EdgeMultiNeighborsOperation::create(edge, group);
  whole->main();
  main->drain();
  EXPECT_EQ(edge->neighbors[Shapes::multi].size(), 240u);
}

// From a queue thread, the list reaches the side only when the main thread
// runs the hand-over, and the search waits for that: cancelled meanwhile, it
// stops waiting and the hand-over never runs.
TEST_F(EdgeMultiNeighborsConcurrency, TheListReachesTheSideOnlyThroughTheMainQueue) {
  const auto tile = testing::placedTile(testing::unitSquare());
  const auto& edge = tile->edges()[1];
  const auto group = block(2, 1);
  const std::vector<std::shared_ptr<NeighborModel>> old{NeighborModel::create(group->figure())};
  for (const bool cancelled : {false, true}) {
    SCOPED_TRACE(cancelled);
    edge->neighbors[Shapes::multi] = old;
    const auto operation = EdgeMultiNeighborsOperation::create(edge, group);
    std::atomic<bool> returned = false;
    std::thread worker([&] {
      operation->main();
      returned = true;
    });
    while (main->pendingCount() == 0)
      std::this_thread::yield();
    EXPECT_EQ(edge->neighbors[Shapes::multi], old);
    EXPECT_FALSE(returned);
    if (cancelled) {
      operation->cancel();
      worker.join();
    }
    EXPECT_EQ(main->drain(), 1u);
    if (!cancelled)
      worker.join();
    EXPECT_EQ(edge->neighbors[Shapes::multi].size(), cancelled ? 1u : 6u);
    EXPECT_EQ(edge->neighbors[Shapes::multi] == old, cancelled);
  }
}

// Every edit cancels the neighbour queue first. A search that has finished
// its list but not yet handed it over belongs to the tiling (or the group) as
// it was: the edit's cancel must still reach it, or the stale list would mark
// the side as searched and the side would never be searched again.
TEST_F(EdgeMultiNeighborsConcurrency, CancellingTheQueueStopsHandOversNotYetRun) {
  // Wide enough for every search to finish, whatever the machine.
  const auto queue = OperationQueue::create();
  queue->setMaxConcurrentOperationCount(4);
  const auto group = block(2, 1);
  const auto tile = testing::placedTile(testing::unitSquare());
  const std::vector<std::shared_ptr<NeighborModel>> old{NeighborModel::create(group->figure())};
  for (const auto& edge : tile->edges()) {
    edge->neighbors[Shapes::multi] = old;
    queue->addOperation(EdgeMultiNeighborsOperation::create(edge, group));
  }
  while (main->pendingCount() < tile->edges().size())
    std::this_thread::yield();

  queue->cancelAllOperations();
  queue->waitUntilAllOperationsAreFinished();
  main->drain();
  for (const auto& edge : tile->edges())
    EXPECT_EQ(edge->neighbors[Shapes::multi], old) << edge->index();
}

// Every edit cancels the neighbour queue, wherever its searches are: waiting,
// building their lists or waiting to hand them over. None of them stores
// anything, so every side keeps the list it had.
TEST_F(EdgeMultiNeighborsConcurrency, CancellingTheQueueLeavesEveryOldList) {
  const auto operations = Operations::create();
  const auto group = block(10, 10);
  const auto tiles = testing::squareGrid(4, 4);
  const std::vector<std::shared_ptr<NeighborModel>> old{NeighborModel::create(group->figure())};
  for (int round = 0; round < 5; ++round) {
    for (const auto& tile : tiles) {
      for (const auto& edge : tile->edges()) {
        edge->neighbors[Shapes::multi] = old;
        operations->neighborQueue()->addOperation(EdgeMultiNeighborsOperation::create(edge, group));
      }
    }
    operations->neighborQueue()->cancelAllOperations();
    operations->neighborQueue()->waitUntilAllOperationsAreFinished();
    main->drain();
    for (const auto& tile : tiles) {
      for (const auto& edge : tile->edges())
        ASSERT_EQ(edge->neighbors[Shapes::multi], old);
    }
  }
}

}  // namespace
}  // namespace ornival
