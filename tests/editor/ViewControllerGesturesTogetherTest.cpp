// The pointer gestures carried through to the commands they end in: the
// selection, the group tool, removal, Escape from the keyboard and the
// hexagon flip, each through the events a user makes.

#include "editor/ViewController.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

using testing::EditorHarness;

constexpr ModifierFlags none{};
constexpr ModifierFlags shift{.shift = true};
constexpr ModifierFlags option{.option = true};

EditorHarness::Setup squaresSetup() {
  return {.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}};
}

std::vector<bool> selection(const ViewController& editor) {
  std::vector<bool> marked;
  for (const auto& tile : editor.graph().shapes())
    marked.push_back(tile->marked);
  return marked;
}

void click(EditorHarness& harness, Vec2 point, ModifierFlags modifiers = {}, int clickCount = 1) {
  harness.hover(point, modifiers);
  harness.press(point, modifiers, clickCount);
  harness.release(point, modifiers, clickCount);
}

void doubleClick(EditorHarness& harness, Vec2 point, ModifierFlags modifiers = {}) {
  click(harness, point, modifiers, 1);
  click(harness, point, modifiers, 2);
}

// A press on the tile's middle and a drag by the offset in a few steps.
void drag(EditorHarness& harness, Vec2 from, Vec2 offset, bool release = true) {
  harness.hover(from);
  harness.press(from);
  for (const double step : {0.25, 0.5, 0.75, 1.0})
    harness.drag(from + offset * step);
  if (release)
    harness.release(from + offset);
}

TEST(ViewControllerGesturesTogether, AClickTogglesATilesSelectionAsOneUndoStep) {
  EditorHarness harness(squaresSetup());
  auto& e = *harness.editor;
  const auto tiles = e.graph().shapes();
  click(harness, tiles[1]->center());
  EXPECT_EQ(selection(e), (std::vector<bool>{false, true, false, false}));
  EXPECT_TRUE(e.markLayer->path().has_value());
  click(harness, tiles[2]->center());
  click(harness, tiles[1]->center());
  EXPECT_EQ(selection(e), (std::vector<bool>{false, false, true, false}));
  harness.undo();
  EXPECT_EQ(selection(e), (std::vector<bool>{false, true, true, false}));
  EXPECT_TRUE(harness.checkInvariants());
}

TEST(ViewControllerGesturesTogether, ADoubleClickSelectsByKindOrPicksTheGroupUp) {
  // Option: every square in no group; the grouped pair is left out.
  {
    auto setup = squaresSetup();
    setup.tiles[0]->edges()[1]->isGroupJoin = setup.tiles[1]->edges()[3]->isGroupJoin = true;
    EditorHarness harness(setup);
    auto& e = *harness.editor;
    doubleClick(harness, e.graph().shapes()[3]->center(), option);
    EXPECT_EQ(selection(e), (std::vector<bool>{false, false, true, true}));
  }
  // On a group tile: the group becomes the group tool.
  {
    auto setup = squaresSetup();
    setup.tiles[0]->edges()[1]->isGroupJoin = setup.tiles[1]->edges()[3]->isGroupJoin = true;
    EditorHarness harness(setup);
    auto& e = *harness.editor;
    click(harness, e.graph().shapes()[0]->center());
    EXPECT_EQ(selection(e), (std::vector<bool>{true, true, false, false}));
    click(harness, e.graph().shapes()[0]->center(), none, 2);
    ASSERT_NE(e.multiShape, nullptr);
    EXPECT_EQ(e.multiShape->templates().size(), 2u);
    EXPECT_EQ(e.selectedTools, ToolSet{Shapes::multi});
    EXPECT_EQ(e.graph().shapes().size(), 4u);
    EXPECT_TRUE(e.moving.empty());
    EXPECT_TRUE(harness.checkInvariants());
  }
}

TEST(ViewControllerGesturesTogether, ARubberBandSelectsTheTilesWhoseMiddlesItHolds) {
  auto setup = squaresSetup();
  // Tiles 1 and 3 share their side 2 and 0: a group the band takes whole.
  EditorHarness harness(setup);
  auto& e = *harness.editor;
  const auto tiles = e.graph().shapes();
  for (const auto& side : tiles[1]->edges()) {
    if (const auto partner = side->join.lock(); partner && partner->shape.lock() == tiles[3])
      side->isGroupJoin = partner->isGroupJoin = true;
  }
  const auto band = [&](Vec2 a, Vec2 b, ModifierFlags modifiers) {
    harness.hover(a, modifiers);
    harness.press(a, modifiers);
    harness.drag((a + b) * 0.5, modifiers);
    harness.drag(b, modifiers);
    harness.release(b, modifiers);
  };
  // Around the left column from outside the tiling.
  // (Far off, so that no candidate is under the press.)
  const Vec2 left = (tiles[0]->center() + tiles[2]->center()) * 0.5;
  band({-300.0, -300.0}, left + Vec2{5.0, 300.0}, none);
  EXPECT_EQ(selection(e), (std::vector<bool>{true, false, true, false}));
  // With Shift from a tile the band adds, and tile 1 brings its group.
  band(tiles[1]->center() - Vec2{3.0, 3.0}, tiles[1]->center() + Vec2{3.0, 3.0}, shift);
  EXPECT_EQ(selection(e), (std::vector<bool>{true, true, true, true}));
  // Without a key a band over tile 0 alone leaves only it.
  band({-300.0, -300.0}, tiles[0]->center() + Vec2{3.0, 3.0}, none);
  EXPECT_EQ(selection(e), (std::vector<bool>{true, false, false, false}));
  harness.undo();
  EXPECT_EQ(selection(e), (std::vector<bool>{true, true, true, true}));
  EXPECT_TRUE(harness.checkInvariants());
}

TEST(ViewControllerGesturesTogether, ACopyDragMakesTheCarriedTilesTheTool) {
  for (const bool two : {false, true}) {
    SCOPED_TRACE(two ? "two" : "one");
    EditorHarness harness(squaresSetup());
    auto& e = *harness.editor;
    const auto tiles = e.graph().shapes();
    const Color red{1.0, 0.0, 0.0, 1.0};
    tiles[0]->setShapeColor(red);
    if (two) {
      click(harness, tiles[0]->center());
      click(harness, tiles[1]->center());
    }
    const Vec2 centre = tiles[0]->center();
    drag(harness, centre, {0.0, -40.0});
    EXPECT_EQ(e.graph().shapes(), tiles);
    EXPECT_EQ(tiles[0]->center(), centre);
    if (two) {
      ASSERT_NE(e.multiShape, nullptr);
      EXPECT_EQ(e.multiShape->templates().size(), 2u);
      EXPECT_EQ(e.selectedTools, ToolSet{Shapes::multi});
    } else {
      EXPECT_EQ(e.selectedTools, ToolSet{Shapes::square});
      EXPECT_EQ(e.shapeColor(), red);
    }
    EXPECT_FALSE(e.isMoving);
    EXPECT_TRUE(harness.checkInvariants());
    // The tile's outline comes back under the pointer; away from the tiles
    // nothing is hovered, and a press there starts a band.
    harness.hover(centre + Vec2{1.0, 1.0});
    EXPECT_EQ(e.selectedShape.lock(), tiles[0]);
    EXPECT_FALSE(e.selectedLayer->isHidden());
    drag(harness, centre, {0.0, -40.0});
    harness.hover({-300.0, -300.0});
    EXPECT_EQ(e.selectedShape.lock(), nullptr);
    harness.press({-300.0, -300.0});
    EXPECT_EQ(e.dragAction, DragAction::rubberband);
    harness.drag({-250.0, -250.0});
    harness.release({-250.0, -250.0});
    EXPECT_EQ(e.graph().shapes(), tiles);
  }
}

TEST(ViewControllerGesturesTogether, ACutDragTakesTheTilesAwayIntoTheGroupToolAndItPlacesThemAgain) {
  EditorHarness harness(squaresSetup());
  auto& e = *harness.editor;
  const auto tiles = e.graph().shapes();
  click(harness, tiles[1]->center());
  click(harness, tiles[3]->center());
  const std::string before = harness.documentText();
  drag(harness, tiles[1]->center(), {70.0, 0.0});
  EXPECT_EQ(e.graph().shapes().size(), 2u);
  ASSERT_NE(e.multiShape, nullptr);
  EXPECT_EQ(e.multiShape->templates().size(), 2u);
  EXPECT_EQ(e.selectedTools, ToolSet{Shapes::multi});
  EXPECT_TRUE(harness.checkInvariants());

  // The group's candidate beside the left column lays both tiles at once.
  // The group's candidates come from a worker after the first hover; the
  // pointer moved a hair finds them, as it does for a user.
  const auto& side = *e.graph().shapes()[0]->edges()[1];
  const Vec2 beyond = testing::pointBeyond(side, 0.5);
  harness.hover(beyond);
  harness.hover(beyond + Vec2{0.5, 0.5});
  ASSERT_NE(std::dynamic_pointer_cast<NeighborModel>(e.selectedShape.lock()), nullptr);
  harness.press(beyond + Vec2{0.5, 0.5});
  harness.release(beyond + Vec2{0.5, 0.5});
  EXPECT_EQ(e.graph().shapes().size(), 4u);
  EXPECT_TRUE(harness.checkInvariants());
  harness.undo();
  harness.undo();
  EXPECT_EQ(harness.documentText(), before);
}

TEST(ViewControllerGesturesTogether, EscapeFromTheKeyboardInTheMiddleOfADragCommitsNothing) {
  EditorHarness harness(squaresSetup());
  auto& e = *harness.editor;
  const auto tiles = e.graph().shapes();
  const std::string before = harness.documentText();
  drag(harness, tiles[0]->center(), {0.0, -70.0}, false);
  ASSERT_EQ(e.dragAction, DragAction::remove);
  harness.key("\x1b");
  EXPECT_EQ(e.dragAction, DragAction::ignore);
  EXPECT_TRUE(e.moving.empty());
  harness.drag(tiles[0]->center() + Vec2{0.0, -90.0});
  harness.release(tiles[0]->center() + Vec2{0.0, -90.0});
  EXPECT_EQ(harness.documentText(), before);
  EXPECT_EQ(e.graph().shapes().size(), 4u);
  EXPECT_FALSE(e.isMoving);
  EXPECT_EQ(e.markLayer->superlayer(), e.layer);
  EXPECT_EQ(e.crossingLayer->superlayer(), e.layer);
  for (const auto& tile : tiles)
    EXPECT_EQ(tile->status(), ShapeStatus::live);
  EXPECT_TRUE(harness.checkInvariants());
  // The next drag goes its way again.
  drag(harness, tiles[0]->center(), {0.0, -70.0});
  EXPECT_EQ(e.graph().shapes().size(), 3u);
}

TEST(ViewControllerGesturesTogether, DraggingOneRhombusAcrossTheHexagonFlipsIt) {
  EditorHarness harness(testing::rhombusHexagon().tiles);
  auto& e = *harness.editor;
  const auto tiles = e.graph().shapes();
  const Vec2 middle = (tiles[0]->center() + tiles[1]->center() + tiles[2]->center()) / 3.0;
  std::vector<Vec2> before;
  for (const auto& tile : tiles)
    before.push_back(tile->center());
  const std::string text = harness.documentText();

  const Vec2 start = tiles[0]->center();
  const Vec2 across = (middle - start) * 2.0;
  drag(harness, start, across * 0.9, false);
  EXPECT_EQ(harness.undoManager->undoActionName(), "Swap Shapes");
  harness.release(start + across * 0.9);
  ASSERT_EQ(e.graph().shapes().size(), 3u);
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    const Vec2 flipped = middle * 2.0 - before[i];
    EXPECT_NEAR(tiles[i]->center().x, flipped.x, 1e-9) << "tile " << i;
    EXPECT_NEAR(tiles[i]->center().y, flipped.y, 1e-9) << "tile " << i;
  }
  EXPECT_FALSE(e.isMoving);
  EXPECT_TRUE(harness.checkInvariants());
  harness.undo();
  EXPECT_EQ(harness.documentText(), text);
  EXPECT_TRUE(harness.checkInvariants());
}

TEST(ViewControllerGesturesTogether, DeleteAndCutWithNothingHoveredOrSelectedTakeNothing) {
  for (const bool cut : {false, true}) {
    SCOPED_TRACE(cut ? "cut" : "delete");
    EditorHarness harness(
        {.tiles = testing::squaresWithIsland().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
    auto& e = *harness.editor;
    harness.hover({-300.0, -300.0});
    ASSERT_EQ(e.selectedShape.lock(), nullptr);
    harness.command([cut](ViewController& editor) { cut ? editor.cut() : editor.deleteShapes(); });
    EXPECT_EQ(e.graph().shapes().size(), 4u);
    EXPECT_TRUE(harness.checkInvariants());
  }
}

}  // namespace
}  // namespace ornival
