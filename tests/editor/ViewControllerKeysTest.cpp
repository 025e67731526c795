#include "editor/ViewController.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"
#include "support/Tiles.h"

#include <gtest/gtest.h>

#include <set>

namespace ornival {
namespace {

using testing::EditorHarness;

// Three squares in an L: one at the corner, one to its right, one above it.
std::vector<std::shared_ptr<Shape>> lOfSquares() {
  const auto square = testing::catalogueFigure(Shapes::square);
  auto corner = testing::placedTile(square);
  auto right = testing::attach(square, 3, corner->edges()[1]);
  auto up = testing::attach(square, 0, corner->edges()[2]);
  return {corner, right, up};
}

std::shared_ptr<NeighborModel> hoveredCandidate(const ViewController& editor) {
  return std::dynamic_pointer_cast<NeighborModel>(editor.selectedShape.lock());
}

// Hovers the candidate below the corner square's bottom side.
std::shared_ptr<NeighborModel> hoverBelowCorner(EditorHarness& harness) {
  const auto& bottom = harness.editor->graph().shapes()[0]->edges()[0];
  harness.hover(testing::pointBeyond(*bottom, 0.3));
  return hoveredCandidate(*harness.editor);
}

bool press(EditorHarness& harness, bool (ViewController::*step)()) {
  bool result = false;
  harness.command([&](ViewController& e) { result = (e.*step)(); });
  harness.settle();
  return result;
}

TEST(ViewControllerKeys, LeftAndRightWalkTheOutlineOfAnLSideBySide) {
  struct Case {
    const char* name;
    bool (ViewController::*step)();
    bool forward;
  };
  for (const Case c : {Case{"left", &ViewController::moveNeighborSelectionLeft, true},
                       Case{"right", &ViewController::moveNeighborSelectionRight, false}}) {
    SCOPED_TRACE(c.name);
    EditorHarness harness({.tiles = lOfSquares(), .prepareDocument = {}, .tools = {Shapes::square}});
    auto& e = *harness.editor;
    ASSERT_EQ(e.borderEdges.size(), 8u);
    const auto start = hoverBelowCorner(harness);
    ASSERT_NE(start, nullptr);
    std::vector<std::shared_ptr<Edge>> visited{start->parent()};
    for (int k = 0; k < 8; ++k) {
      ASSERT_TRUE(press(harness, c.step)) << "press " << k;
      const auto now = hoveredCandidate(e);
      ASSERT_NE(now, nullptr);
      // The hovered point stays where the pointer left it.
      const auto before = visited.back();
      const auto side = now->parent();
      visited.push_back(side);
      // Each step goes on to the free side that meets the last one at a
      // corner, round the outline in its direction.
      const Vec2 gap = c.forward ? before->transformedEnd() - side->transformedVertex()
                                 : side->transformedEnd() - before->transformedVertex();
      EXPECT_LT(gap.length(), 1e-9) << "press " << k;
    }
    // Eight presses pass every free side once and come back to the start.
    EXPECT_EQ(visited.back(), visited.front());
    EXPECT_EQ(std::set<std::shared_ptr<Edge>>(visited.begin(), visited.end()).size(), 8u);
    EXPECT_TRUE(harness.checkInvariants());
  }
}

TEST(ViewControllerKeys, UpAndDownCycleTheCandidatesOfTheSide) {
  EditorHarness harness({.tiles = lOfSquares(), .prepareDocument = {}, .tools = {Shapes::rhombus16}});
  auto& e = *harness.editor;
  const auto first = hoverBelowCorner(harness);
  ASSERT_NE(first, nullptr);
  const auto& list = first->parent()->neighbors.at(Shapes::rhombus16);
  ASSERT_EQ(list.size(), 2u);
  ASSERT_TRUE(press(harness, &ViewController::moveNeighborSelectionUp));
  const auto second = hoveredCandidate(e);
  EXPECT_NE(second, first);
  EXPECT_EQ(second->parent(), first->parent());
  ASSERT_TRUE(press(harness, &ViewController::moveNeighborSelectionUp));
  EXPECT_EQ(hoveredCandidate(e), first);
  ASSERT_TRUE(press(harness, &ViewController::moveNeighborSelectionDown));
  EXPECT_EQ(hoveredCandidate(e), second);

  // A candidate that overlaps the tiling is stepped over: with the other
  // one overlapping, Up stays on the hovered candidate.
  first->setChecked(Checked::overlapping);
  ASSERT_TRUE(press(harness, &ViewController::moveNeighborSelectionUp));
  EXPECT_EQ(hoveredCandidate(e), second);
}

TEST(ViewControllerKeys, ArrowsPassTheKeyOnWithoutAHoveredCandidate) {
  EditorHarness harness({.tiles = lOfSquares(), .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  const auto steps = {&ViewController::moveNeighborSelectionUp, &ViewController::moveNeighborSelectionDown,
                      &ViewController::moveNeighborSelectionLeft, &ViewController::moveNeighborSelectionRight};
  for (const auto step : steps)
    EXPECT_FALSE(press(harness, step));
  // Over a tile.
  harness.hover(e.graph().shapes()[0]->center());
  ASSERT_NE(std::dynamic_pointer_cast<Shape>(e.selectedShape.lock()), nullptr);
  for (const auto step : steps)
    EXPECT_FALSE(press(harness, step));
  // A side whose neighbours have no list of the kind: round and back.
  const auto start = hoverBelowCorner(harness);
  ASSERT_NE(start, nullptr);
  for (const auto& side : e.borderEdges) {
    if (side != start->parent())
      side->neighbors.clear();
  }
  EXPECT_FALSE(press(harness, &ViewController::moveNeighborSelectionLeft));
  EXPECT_FALSE(press(harness, &ViewController::moveNeighborSelectionRight));
  EXPECT_EQ(hoveredCandidate(e), start);
}

// A hovered candidate whose side has been glued since lies off the outline:
// the walk round the outline never comes back to it and must stop on its own.
TEST(ViewControllerKeys, AWalkThatCannotComeBackToItsStartStops) {
  EditorHarness harness({.tiles = lOfSquares(), .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  const auto kept = hoverBelowCorner(harness);
  ASSERT_NE(kept, nullptr);
  harness.command([](ViewController& editor) { editor.placeCandidate(); });
  ASSERT_FALSE(kept->parent()->join.expired());
  for (const auto& side : e.borderEdges)
    side->neighbors.clear();
  e.selectedShape = kept;
  EXPECT_FALSE(press(harness, &ViewController::moveNeighborSelectionLeft));
  EXPECT_FALSE(press(harness, &ViewController::moveNeighborSelectionRight));
  EXPECT_TRUE(harness.checkInvariants());
}

TEST(ViewControllerKeys, EscapeStopsTheHoversGestureAndLetsGoOfTheColourWell) {
  EditorHarness harness(lOfSquares());
  auto& e = *harness.editor;
  e.clearHoverOutline();
  ASSERT_EQ(e.selectedShape.lock(), nullptr);
  harness.key("\x1b");
  EXPECT_FALSE(e.ignoreDragging);
  EXPECT_EQ(harness.window->colorWellDeactivations, 1);
  harness.hover(e.graph().shapes()[0]->center());
  harness.key("\x1b");
  EXPECT_TRUE(e.ignoreDragging);
  EXPECT_EQ(harness.window->colorWellDeactivations, 2);
}

TEST(ViewControllerKeys, TabHandsTheMouseToTheReliefCameraAndEscapeTakesItBack) {
  {
    EditorHarness harness(lOfSquares());
    harness.key("\t");
    EXPECT_FALSE(harness.editor->cameraControl.isOn());
  }
  EditorHarness harness({.tiles = lOfSquares(),
                         .prepareDocument =
                             [](Document& d) {
                               DocumentSettings settings;
                               settings.displayMode = 3;
                               d.applyFileSettings(settings);
                             },
                         .tools = {Shapes::sun8}});
  auto& e = *harness.editor;
  ASSERT_EQ(e.dimension(), 3);
  harness.key("\t");
  EXPECT_TRUE(e.cameraControl.isOn());
  EXPECT_EQ(e.dragAction, DragAction::camera);
  harness.key("\t");
  EXPECT_FALSE(e.cameraControl.isOn());
  harness.key("\t");
  harness.key("\x1b");
  EXPECT_FALSE(e.cameraControl.isOn());
  // Other keys are the window's.
  harness.key("x");
  harness.key("");
  EXPECT_FALSE(e.cameraControl.isOn());
}

TEST(ViewControllerKeys, IrregularCornersPairTilesWhoseCornersMakeNeitherALineNorATurn) {
  EXPECT_TRUE(EditorHarness(testing::squares().tiles).editor->irregularCorners().empty());
  // Two rhombus corners at a vertex of the hexagon make 120° or 240°.
  EditorHarness hexagon(testing::rhombusHexagon().tiles);
  const auto pairs = hexagon.editor->irregularCorners();
  ASSERT_EQ(pairs.size(), 3u);
  std::set<int> tiles;
  for (const auto& [a, b] : pairs) {
    EXPECT_NE(a, b);
    tiles.insert(a);
    tiles.insert(b);
  }
  EXPECT_EQ(tiles, (std::set<int>{0, 1, 2}));
  hexagon.key("e");
  EXPECT_TRUE(hexagon.checkInvariants());
}

}  // namespace
}  // namespace ornival
