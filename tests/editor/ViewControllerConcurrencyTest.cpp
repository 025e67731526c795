// The editor's background work on real threads: the parallel candidate
// search, group searches on the neighbour queue and hit tests on the select
// queue, while the main thread keeps moving the pointer, placing and
// removing without waiting for them.

#include "editor/ViewController.h"

#include "editor/HitTest.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"

#include <gtest/gtest.h>

#include <random>

namespace ornival {
namespace {

using testing::EditorHarness;

TEST(ViewControllerConcurrency, EditsGoOnWhileSearchesAndHitTestsRun) {
  EditorHarness harness(
      {.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square, Shapes::triangle, Shapes::multi}});
  auto& e = *harness.editor;
  const auto square = testing::catalogueFigure(Shapes::square);
  auto a = testing::placedTile(square);
  auto b = testing::attach(square, 3, a->edges()[1], true);
  e.multiShape = MultiShape::create(a, {a, b});
  const std::string start = harness.documentText();

  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  // Events only: what the workers hand back runs between them, whenever it
  // comes.
  const auto event = [&](auto body) {
    harness.undoManager->beginGroup();
    body();
    harness.undoManager->endGroup();
    harness.undoManager->beginGroup();
    harness.mainQueue->drain();
    harness.undoManager->endGroup();
  };
  std::size_t most = 0;
  for (int step = 0; step < 400; ++step) {
    most = std::max(most, e.graph().shapes().size());
    const double roll = unit(random);
    if (roll < 0.7 && !e.borderEdges.empty()) {
      const auto& side = e.borderEdges[random() % e.borderEdges.size()];
      const Vec2 point = testing::pointBeyond(*side, 0.05 + 0.4 * unit(random));
      event([&] { e.mouseMoved(MouseEvent{harness.windowPoint(point), {}, 1}); });
    } else if (roll < 0.85) {
      event([&] { e.placeCandidate(); });
    } else if (roll < 0.93 && e.graph().shapes().size() > 1) {
      event([&] {
        e.moving = {e.graph().shapes()[random() % e.graph().shapes().size()]};
        e.removeShapes();
      });
    } else if (harness.undoManager->canUndo()) {
      event([&] { harness.undoManager->undo(); });
    }
    if (step % 50 == 0)
      event([&] { e.cancelMultiNeighbors(); });
    // Now and then the user rests on a candidate, long enough for it to show.
    if (step % 10 == 9)
      harness.settle();
  }
  harness.settle();
  EXPECT_GT(most, 4u);
  EXPECT_TRUE(harness.checkInvariants());
  while (harness.undoManager->canUndo()) {
    harness.undo();
    harness.settle();
  }
  EXPECT_EQ(harness.documentText(), start);
  EXPECT_TRUE(harness.checkInvariants());
  MultiShape::resetCurrent();
}

// A hit test answers for the tiling it was started on. One started just
// before a click placed a tile, and run after it, must neither hover a
// candidate the new tile overlaps nor leave that candidate judged free.
TEST(ViewControllerConcurrency, AHitTestStartedBeforeAPlacementNeverHoversWhatTheNewTileOverlaps) {
  EditorHarness harness(
      {.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square, Shapes::hexagon}});
  auto& e = *harness.editor;
  // Two free sides at right angles round the block's corner: a square on the
  // upper and a hexagon on the lower one overlap.
  std::shared_ptr<Edge> upper;
  std::shared_ptr<Edge> lower;
  for (const auto& side : e.borderEdges) {
    const Vec2 a = side->transformedVertex();
    const Vec2 b = side->transformedEnd();
    if (a.x == b.x && a.x > 50.0)
      (a.y > 40.0 ? upper : lower) = side;
  }
  ASSERT_TRUE(upper && lower);
  harness.hover(testing::pointBeyond(*lower, 0.3));
  const auto& hexagons = lower->neighbors[Shapes::hexagon];
  ASSERT_EQ(hexagons.size(), 1u);
  const auto hexagon = hexagons.front();
  const Vec2 overHexagon = hexagon->center();
  harness.hover(testing::pointBeyond(*upper, 0.3));
  const auto square = std::dynamic_pointer_cast<NeighborModel>(e.selectedShape.lock());
  ASSERT_TRUE(square && square->figure()->tool() == Shapes::square && square->parent() == upper);
  // Just above the corner the two sides share: under both.
  const Vec2 corner = upper->transformedVertex().y < upper->transformedEnd().y ? upper->transformedVertex()
                                                                                : upper->transformedEnd();
  const Vec2 underBoth = corner + Vec2{10.0, 2.0};
  ASSERT_TRUE(pointInPolygon(hexagon->border(), underBoth) && pointInPolygon(square->border(), underBoth));
  ASSERT_FALSE(pointInPolygon(square->border(), overHexagon));

  // The pointer moves over the hexagon, and the click lays the square still
  // hovered before the hit test the move started has run: it runs after.
  harness.undoManager->beginGroup();
  harness.view->pointer = harness.windowPoint(overHexagon);
  e.mouseMoved(MouseEvent{harness.view->pointer, {}, 1});
  harness.undoManager->endGroup();
  harness.undoManager->beginGroup();
  e.placeCandidate();
  harness.undoManager->endGroup();
  harness.settle();
  ASSERT_EQ(e.graph().shapes().size(), 5u);
  EXPECT_NE(e.selectedShape.lock().get(), hexagon.get());
  EXPECT_NE(hexagon->checked(), Checked::ok);

  // Hovered afresh, the hexagon is judged against the tiling as it is now,
  // and a click lays nothing over the square.
  harness.hover(overHexagon);
  EXPECT_NE(e.selectedShape.lock().get(), hexagon.get());
  harness.command([](ViewController& editor) { editor.placeCandidate(); });
  for (std::size_t i = 4; i < e.graph().shapes().size(); ++i)
    EXPECT_EQ(e.graph().shapes()[i]->figure()->tool(), Shapes::square) << "tile " << i;
  EXPECT_TRUE(harness.checkInvariants());
}

}  // namespace
}  // namespace ornival
