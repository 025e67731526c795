#include "editor/ViewController.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Operations.h"
#include "model/Shape.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace ornival {
namespace {

using testing::EditorHarness;

constexpr ModifierFlags option{.option = true};

// Byte components, as the outline's colours are given.
constexpr Color rgb(int red, int green, int blue, double alpha = 1.0) {
  return {red / 255.0, green / 255.0, blue / 255.0, alpha};
}

EditorHarness harnessOn(testing::SmallTiling tiling, std::vector<Shapes> tools) {
  return EditorHarness({.tiles = std::move(tiling.tiles), .prepareDocument = {}, .tools = std::move(tools)});
}

std::shared_ptr<NeighborModel> hoveredCandidate(const EditorHarness& harness) {
  return std::dynamic_pointer_cast<NeighborModel>(harness.editor->selectedShape.lock());
}

TEST(ViewControllerHover, ATileUnderThePointerIsOutlinedButNotOnItsBoxEdge) {
  EditorHarness harness = harnessOn(testing::squares(), {Shapes::square});
  auto& e = *harness.editor;
  const auto& tile = e.graph().shapes()[3];
  harness.hover(tile->center());
  EXPECT_EQ(e.selectedShape.lock(), tile);
  EXPECT_FALSE(e.selectedLayer->isHidden());
  EXPECT_EQ(e.selectedLayer->superlayer(), e.layer);
  EXPECT_EQ(e.selectedLayer->fillColor(), (rgb(65, 70, 77, 0.6)));
  EXPECT_EQ(e.selectedPoint, tile->center());
  // The box's own edge is outside: the tiling's far right edge belongs to no
  // tile.
  const Line box = e.graph().shapes()[1]->bounds();
  EXPECT_EQ(e.shape({box.vertex1.x, e.graph().shapes()[1]->center().y}), nullptr);
  EXPECT_EQ(e.shape({box.vertex1.x - 0.01, e.graph().shapes()[1]->center().y}), e.graph().shapes()[1]);
}

TEST(ViewControllerHover, ACandidateUnderThePointerIsTestedOnceAndOutlined) {
  EditorHarness harness = harnessOn(testing::squares(), {Shapes::square});
  auto& e = *harness.editor;
  const auto& side = e.graph().shapes()[1]->edges()[1];
  harness.hover(testing::pointBeyond(*side, 0.2));
  const auto candidate = hoveredCandidate(harness);
  ASSERT_NE(candidate, nullptr);
  EXPECT_EQ(candidate->parent(), side);
  EXPECT_EQ(candidate->checked(), Checked::ok);
  EXPECT_EQ(e.selectedLayer->fillColor(), accentColor);
  // Moving onto a tile outlines the tile instead.
  harness.hover(e.graph().shapes()[0]->center());
  EXPECT_EQ(e.selectedShape.lock(), e.graph().shapes()[0]);
}

// Two squares 12 units apart: a square laid in the gap on either would
// reach into the other.
testing::SmallTiling squaresWithAGap() {
  const auto square = testing::catalogueFigure(Shapes::square);
  auto left = testing::placedTile(square);
  auto right = Shape::create(square);
  right->transformation = ShapeModel::defaultTransformation().concatenating(AffineTransform::translation(60.0, 0.0));
  right->updateTransformedGeometry();
  return {"squares with a gap", {left, right}};
}

TEST(ViewControllerHover, AnOverlappingCandidateIsMarkedAndNeverOfferedAgainUntilThereIsRoom) {
  EditorHarness harness = harnessOn(squaresWithAGap(), {Shapes::square});
  auto& e = *harness.editor;
  const Vec2 gap{54.0, 24.0};
  harness.hover(gap);
  EXPECT_EQ(e.selectedShape.lock(), nullptr);
  const auto& leftSide = e.graph().shapes()[0]->edges()[1];
  const auto& rightSide = e.graph().shapes()[1]->edges()[3];
  for (const auto& side : {leftSide, rightSide}) {
    ASSERT_EQ(side->neighbors.at(Shapes::square).size(), 1u);
    EXPECT_EQ(side->neighbors.at(Shapes::square)[0]->checked(), Checked::overlapping);
  }
  harness.hover(gap + Vec2{0.5, 0.5});
  EXPECT_EQ(e.selectedShape.lock(), nullptr);

  // Taking the right square away makes room on the left one's side.
  harness.command([](ViewController& editor) {
    editor.moving = {editor.graph().shapes()[1]};
    editor.removeShapes();
  });
  EXPECT_EQ(leftSide->neighbors.at(Shapes::square)[0]->checked(), Checked::unknown);
  harness.hover(gap);
  ASSERT_NE(hoveredCandidate(harness), nullptr);
  EXPECT_EQ(hoveredCandidate(harness)->parent(), leftSide);
  EXPECT_EQ(hoveredCandidate(harness)->checked(), Checked::ok);
}

TEST(ViewControllerHover, OptionOffersOnlyCandidatesThatCarryTheOutlineOn) {
  EditorHarness harness = harnessOn(testing::squares(), {Shapes::triangle});
  const auto& side = harness.editor->graph().shapes()[1]->edges()[1];
  const Vec2 over = testing::pointBeyond(*side, 0.1);
  harness.hover(over, option);
  EXPECT_EQ(hoveredCandidate(harness), nullptr);
  harness.hover(over + Vec2{0.1, 0.0});
  ASSERT_NE(hoveredCandidate(harness), nullptr);
  EXPECT_FALSE(hoveredCandidate(harness)->isGood());
  EXPECT_EQ(harness.editor->selectedLayer->fillColor(), (rgb(206, 7, 85)));
  // A square there carries both neighbouring lines on.
  harness.command([](ViewController& editor) { editor.selectTools({Shapes::square}); });
  harness.hover(over, option);
  ASSERT_NE(hoveredCandidate(harness), nullptr);
  EXPECT_TRUE(hoveredCandidate(harness)->isGood());
}

TEST(ViewControllerHover, WithThePageFrameShownNothingIsHoveredOrSearched) {
  EditorHarness harness = harnessOn(testing::squares(), {Shapes::square});
  auto& e = *harness.editor;
  const auto& side = e.graph().shapes()[1]->edges()[1];
  harness.hover(testing::pointBeyond(*side, 0.2));
  ASSERT_NE(hoveredCandidate(harness), nullptr);
  e.boundsLayer->setHidden(false);
  harness.hover(testing::pointBeyond(*side, 0.25));
  EXPECT_EQ(e.selectedShape.lock(), nullptr);
  EXPECT_TRUE(e.selectedLayer->isHidden());
  EXPECT_EQ(e.selectedLayer->superlayer(), nullptr);
}

TEST(ViewControllerHover, AMoveCancelsTheHitTestStillWaitingForTheMainThread) {
  EditorHarness harness = harnessOn(testing::squares(), {Shapes::square});
  auto& e = *harness.editor;
  const auto& side = e.graph().shapes()[1]->edges()[1];
  const auto moveTo = [&](Vec2 canvas) {
    harness.undoManager->beginGroup();
    e.mouseMoved(MouseEvent{harness.windowPoint(canvas), {}, 1});
    harness.undoManager->endGroup();
  };
  moveTo(testing::pointBeyond(*side, 0.2));
  // The hit test asks the main thread for the side's candidates and waits.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (harness.mainQueue->pendingCount() == 0 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::yield();
  ASSERT_GT(harness.mainQueue->pendingCount(), 0u);
  const auto& tile = e.graph().shapes()[0];
  moveTo(tile->center());
  harness.settle();
  EXPECT_EQ(e.selectedShape.lock(), tile);
  EXPECT_EQ(e.selectedPoint, tile->center());
}

TEST(ViewControllerHover, ThePointerInsideTheMarkOutlineTintsIt) {
  EditorHarness harness = harnessOn(testing::squares(), {Shapes::square});
  auto& e = *harness.editor;
  const auto& tile = e.graph().shapes()[0];
  e.markLayer->setPath(tile->layer()->path());
  harness.hover(tile->center());
  EXPECT_TRUE(e.markSelected);
  EXPECT_EQ(e.markLayer->fillColor(), (Color{accentColor.red, accentColor.green, accentColor.blue, 0.1}));
  harness.hover(e.graph().shapes()[3]->center());
  EXPECT_FALSE(e.markSelected);
  EXPECT_FALSE(e.markLayer->fillColor().has_value());
}

TEST(ViewControllerHover, AnEmptyCanvasHoversItsOnlyPrototypeOrTheNearestOne) {
  EditorHarness one({.tiles = {}, .prepareDocument = {}, .tools = {Shapes::square}});
  one.hover({-500.0, 300.0});
  EXPECT_EQ(one.editor->selectedShape.lock(), one.editor->neighbors[0]);

  EditorHarness two({.tiles = {}, .prepareDocument = {}, .tools = {Shapes::square, Shapes::triangle}});
  const auto& prototypes = two.editor->neighbors;
  ASSERT_EQ(prototypes.size(), 2u);
  two.hover({40.0, 40.0});
  EXPECT_EQ(two.editor->selectedShape.lock()->figure()->tool(), Shapes::square);
  two.hover({5.0, 3.0});
  EXPECT_EQ(two.editor->selectedShape.lock()->figure()->tool(), Shapes::triangle);
}

// Nothing shows hovered that nobody points at: not the tile under the
// window's centre when the document opens, nor after the window restores its
// tools, nor once the pointer has left the view, until it comes back. A
// candidate search the pointer left behind never lands either.
TEST(ViewControllerHover, NothingIsHoveredUntilThePointerIsOverTheView) {
  EditorHarness harness = harnessOn(testing::squares(), {Shapes::square});
  auto& e = *harness.editor;
  const auto hovered = [&] { return e.selectedShape.lock(); };
  const auto& tiles = e.graph().shapes();
  ASSERT_TRUE(e.shape(e.selectedPoint)) << "a tile lies where the pointer would be";
  EXPECT_FALSE(hovered());
  EXPECT_TRUE(e.selectedLayer->isHidden());
  harness.command([](ViewController& editor) { editor.selectTools({Shapes::triangle}); });
  harness.settle();
  EXPECT_FALSE(hovered());

  harness.hover(tiles[1]->center());
  EXPECT_EQ(hovered(), tiles[1]);
  EXPECT_FALSE(e.selectedLayer->isHidden());
  harness.leave();
  EXPECT_FALSE(hovered());
  EXPECT_TRUE(e.selectedLayer->isHidden());
  harness.command([](ViewController& editor) { editor.selectTools({Shapes::square}); });
  harness.settle();
  EXPECT_FALSE(hovered());

  // Off the tiles a hit test for candidates goes to the select queue; the
  // pointer leaves before it answers.
  harness.hover(tiles[1]->center());
  const Vec2 outside = testing::pointBeyond(*tiles[1]->edges()[1], 0.2);
  harness.move(outside);
  harness.leave();
  harness.settle();
  EXPECT_FALSE(hovered());
  harness.hover(outside);
  EXPECT_TRUE(hoveredCandidate(harness)) << "the pointer back over the view hovers again";

  // An empty drawing offers its prototype only to a pointer over the view.
  EditorHarness empty({.tiles = {}, .prepareDocument = {}, .tools = {Shapes::square}});
  EXPECT_FALSE(empty.editor->selectedShape.lock());
  empty.hover({0.0, 0.0});
  EXPECT_EQ(empty.editor->selectedShape.lock(), empty.editor->neighbors[0]);
}

}  // namespace
}  // namespace ornival
