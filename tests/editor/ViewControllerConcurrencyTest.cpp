// The editor's background work on real threads: the parallel candidate
// search, group searches on the neighbour queue and hit tests on the select
// queue, while the main thread keeps moving the pointer, placing and
// removing without waiting for them.

#include "editor/ViewController.h"

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

}  // namespace
}  // namespace ornival
