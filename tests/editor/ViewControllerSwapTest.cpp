#include "editor/ViewController.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/SceneNode.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"
#include "support/Tiles.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

using testing::EditorHarness;

// The three-rhombus hexagon with a triangle on each of its six outer sides:
// the ring the flipped rhombi must be glued to again.
std::vector<std::shared_ptr<Shape>> ringedHexagon() {
  auto tiles = testing::rhombusHexagon().tiles;
  Vec2 middle;
  for (const auto& tile : tiles)
    middle = middle + tile->center() / 3.0;
  const auto triangle = testing::catalogueFigure(Shapes::triangle);
  const auto distance = [&](const Edge& side) {
    return ((side.transformedVertex() + side.transformedEnd()) * 0.5 - middle).length();
  };
  // Inner sides end at the middle; the outer ones lie farther out.
  double nearest = 1e9;
  double farthest = 0.0;
  for (const auto& tile : tiles) {
    for (const auto& side : tile->edges()) {
      nearest = std::min(nearest, distance(*side));
      farthest = std::max(farthest, distance(*side));
    }
  }
  std::vector<std::shared_ptr<Shape>> ring;
  for (const auto& tile : tiles) {
    for (const auto& side : tile->edges()) {
      if (distance(*side) > (nearest + farthest) / 2.0)
        ring.push_back(testing::attach(triangle, 0, side));
    }
  }
  tiles.insert(tiles.end(), ring.begin(), ring.end());
  return tiles;
}

struct Hexagon {
  std::shared_ptr<Shape> dragged;
  Vec2 middle;
};

Hexagon hexagonOf(const ViewController& editor) {
  const auto& tiles = editor.graph().shapes();
  return {tiles[0], (tiles[0]->center() + tiles[1]->center() + tiles[2]->center()) / 3.0};
}

// A drag of the first rhombus by a fraction of the way to its flipped place,
// which lies across the hexagon's middle.
bool dragFirstRhombus(EditorHarness& harness, double fraction) {
  bool swapped = false;
  harness.command([&](ViewController& e) {
    const Hexagon hexagon = hexagonOf(e);
    e.moving = {hexagon.dragged};
    const Vec2 across = (hexagon.middle - hexagon.dragged->center()) * 2.0;
    e.collectFourEdgeJoins(hexagon.dragged, across * fraction, swapped);
    e.moving.clear();
  });
  return swapped;
}

std::vector<Vec2> centres(const ViewController& editor) {
  std::vector<Vec2> result;
  for (const auto& tile : editor.graph().shapes())
    result.push_back(tile->center());
  return result;
}

void expectNear(const std::vector<Vec2>& actual, const std::vector<Vec2>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_NEAR(actual[i].x, expected[i].x, 1e-9) << "tile " << i;
    EXPECT_NEAR(actual[i].y, expected[i].y, 1e-9) << "tile " << i;
  }
}

// Every triangle of the ring is glued to a rhombus.
void expectRingGlued(const ViewController& editor) {
  const auto& tiles = editor.graph().shapes();
  for (std::size_t i = 3; i < tiles.size(); ++i) {
    const auto partner = tiles[i]->edges()[0]->join.lock();
    ASSERT_NE(partner, nullptr) << "triangle " << i;
    EXPECT_LT(partner->shape.lock()->index, 3);
  }
}

TEST(ViewControllerSwap, ARhombusDraggedPastHalfWayFlipsTheHexagonAndUndoPutsItBack) {
  EditorHarness harness(ringedHexagon());
  auto& e = *harness.editor;
  ASSERT_EQ(e.graph().shapes().size(), 9u);
  ASSERT_TRUE(harness.checkInvariants());
  const std::vector<Vec2> before = centres(e);
  const Hexagon hexagon = hexagonOf(e);
  const std::size_t steps = harness.undoManager->undoCount();

  EXPECT_FALSE(dragFirstRhombus(harness, 0.45));
  expectNear(centres(e), before);
  EXPECT_EQ(harness.undoManager->undoCount(), steps);

  EXPECT_TRUE(dragFirstRhombus(harness, 0.55));
  EXPECT_EQ(harness.undoManager->undoActionName(), "Swap Shapes");
  // Each rhombus lies across the middle from where it was; the ring stays.
  std::vector<Vec2> flipped = before;
  for (std::size_t i = 0; i < 3; ++i)
    flipped[i] = hexagon.middle * 2.0 - before[i];
  expectNear(centres(e), flipped);
  expectRingGlued(e);
  EXPECT_TRUE(harness.checkInvariants());
  const std::string flippedText = harness.documentText();

  // Dragged on across, the flip comes round again.
  EXPECT_TRUE(dragFirstRhombus(harness, 0.55));
  expectNear(centres(e), before);
  expectRingGlued(e);
  EXPECT_TRUE(harness.checkInvariants());

  harness.undo();
  expectNear(centres(e), flipped);
  harness.undo();
  expectNear(centres(e), before);
  expectRingGlued(e);
  EXPECT_TRUE(harness.checkInvariants());
  harness.redo();
  expectNear(centres(e), flipped);
  EXPECT_EQ(harness.documentText(), flippedText);
  EXPECT_TRUE(harness.checkInvariants());
}

TEST(ViewControllerSwap, TheDraggedRhombusMovesAtOnceAndTheOtherTwoSlide) {
  EditorHarness harness(testing::rhombusHexagon().tiles);
  auto& e = *harness.editor;
  ASSERT_TRUE(dragFirstRhombus(harness, 0.9));
  const auto& tiles = e.graph().shapes();
  EXPECT_TRUE(tiles[0]->layer()->animationKeys().empty());
  EXPECT_FALSE(tiles[1]->layer()->animationKeys().empty());
  EXPECT_FALSE(tiles[2]->layer()->animationKeys().empty());
}

// Undone or redone with no drag under way, the flip leaves the pointer's
// point where it is and makes no copy of carried tiles.
TEST(ViewControllerSwap, UndoOutsideADragMovesNoPointerAndLeavesNoMoveCopy) {
  EditorHarness harness(testing::rhombusHexagon().tiles);
  auto& e = *harness.editor;
  ASSERT_TRUE(dragFirstRhombus(harness, 0.9));
  // The drag's end takes its copy of the carried tiles away.
  ASSERT_NE(e.flatMoveNode, nullptr);
  e.flatMoveNode->removeFromParentNode();
  e.flatMoveNode.reset();
  const Vec2 pointer = e.selectedPoint;

  harness.undo();
  EXPECT_EQ(e.selectedPoint, pointer);
  EXPECT_EQ(e.flatMoveNode, nullptr);
  harness.redo();
  EXPECT_EQ(e.selectedPoint, pointer);
  EXPECT_EQ(e.flatMoveNode, nullptr);
  for (const auto& child : e.contentNode->childNodes())
    EXPECT_NE(child->name(), "move");
}

// Flipping back comes home only up to rounding; undo and redo must give
// back the very placements, however often they alternate, or a tile glued
// to the ring drifts against it and a saved document changes its text.
TEST(ViewControllerSwap, UndoAndRedoGiveBackTheExactPlacements) {
  EditorHarness harness(ringedHexagon());
  auto& e = *harness.editor;
  const auto placements = [&] {
    std::vector<AffineTransform> all;
    for (const auto& tile : e.graph().shapes())
      all.push_back(tile->transformation);
    return all;
  };
  const auto before = placements();
  const std::string beforeText = harness.documentText();
  bool flipped = false;
  harness.command([&](ViewController& editor) {
    const auto& tiles = editor.graph().shapes();
    flipped = editor.swapShapes({tiles[0], tiles[1], tiles[2]});
  });
  ASSERT_TRUE(flipped);
  const auto after = placements();
  const std::string afterText = harness.documentText();
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    harness.undo();
    EXPECT_EQ(placements(), before);
    EXPECT_EQ(harness.documentText(), beforeText);
    harness.redo();
    EXPECT_EQ(placements(), after);
    EXPECT_EQ(harness.documentText(), afterText);
  }
  expectRingGlued(e);
  EXPECT_TRUE(harness.checkInvariants());
}

TEST(ViewControllerSwap, OnlyThreeEqualSidedFourSidedTilesOutsideGroupsMakeAFlip) {
  {
    // Four squares meet at the middle of a 2 × 2 block.
    EditorHarness harness(testing::squares().tiles);
    for (const auto& side : harness.editor->graph().shapes()[0]->edges())
      EXPECT_TRUE(harness.editor->fourEdgeJoin(side).empty());
  }
  {
    EditorHarness harness(testing::rhombusHexagon().tiles);
    auto& e = *harness.editor;
    int flips = 0;
    for (const auto& side : e.graph().shapes()[0]->edges())
      flips += e.fourEdgeJoin(side).empty() ? 0 : 1;
    EXPECT_EQ(flips, 1);
    // Glued into a group, the third rhombus holds the hexagon together.
    const auto& third = e.graph().shapes()[2];
    for (const auto& side : third->edges()) {
      if (const auto partner = side->join.lock(); partner && partner->shape.lock() == e.graph().shapes()[1]) {
        side->isGroupJoin = true;
        partner->isGroupJoin = true;
      }
    }
    for (const auto& side : e.graph().shapes()[0]->edges())
      EXPECT_TRUE(e.fourEdgeJoin(side).empty());
    EXPECT_FALSE(dragFirstRhombus(harness, 0.9));
  }
}

TEST(ViewControllerSwap, TilesThatAreNoRingAreRefusedUnchanged) {
  EditorHarness harness(testing::squaresWithIsland().tiles);
  auto& e = *harness.editor;
  const auto& tiles = e.graph().shapes();
  const std::vector<Vec2> before = centres(e);
  const std::size_t steps = harness.undoManager->undoCount();
  bool result = true;
  harness.command([&](ViewController& editor) { result = editor.swapShapes({tiles[0], tiles[1], tiles[2]}); });
  EXPECT_FALSE(result);
  expectNear(centres(e), before);
  EXPECT_EQ(harness.undoManager->undoCount(), steps);
}

}  // namespace
}  // namespace ornival
