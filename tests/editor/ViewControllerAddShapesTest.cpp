#include "editor/ViewController.h"

#include "document/Document.h"
#include "editor/ProcessTools.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "platform/SceneNode.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

using testing::EditorHarness;

constexpr Color teal{0.0, 0.5, 0.5, 1.0};

TEST(ViewControllerAddShapes, PlacingACandidateIsOneStepThatUndoAndRedoRepeatExactly) {
  EditorHarness harness({.tiles = testing::squares().tiles,
                         .prepareDocument =
                             [](Document& document) {
                               // As read from a file: no undo.
                               document.undoManager()->disableUndoRegistration();
                               document.setBorderBezierFactor(0.75);
                               document.setShapeBezierFactor(0.625);
                               document.setBorderRadiusLimit(0.5);
                               document.setShapeRadiusLimit(0.25);
                               document.undoManager()->enableUndoRegistration();
                             },
                         .tools = {Shapes::triangle}});
  auto& e = *harness.editor;
  e.setShapeColor(teal);
  e.setLayerIndex(2);
  e.marked = true;
  const std::string before = harness.documentText();
  const auto& side = e.graph().shapes()[1]->edges()[1];
  harness.hover(testing::pointBeyond(*side, 0.2));
  ASSERT_NE(std::dynamic_pointer_cast<NeighborModel>(e.selectedShape.lock()), nullptr);
  harness.command([](ViewController& editor) { editor.placeCandidate(); });

  ASSERT_EQ(e.graph().shapes().size(), 5u);
  const auto tile = e.graph().shapes()[4];
  EXPECT_EQ(harness.undoManager->undoActionName(), "Add Shape");
  EXPECT_EQ(e.selectedShape.lock(), tile);
  EXPECT_EQ(side->join.lock()->shape.lock(), tile);
  EXPECT_EQ(tile->borderBezierFactor, 1.5);
  EXPECT_EQ(tile->shapeBezierFactor, 1.25);
  EXPECT_EQ(tile->borderRadiusLimit, 0.5);
  EXPECT_EQ(tile->shapeRadiusLimit, 0.25);
  EXPECT_EQ(tile->shapeColor(), teal);
  EXPECT_EQ(tile->layerIndex, 2);
  EXPECT_TRUE(tile->marked);
  EXPECT_FALSE(tile->mark);
  EXPECT_TRUE(e.markLayer->path().has_value());
  EXPECT_EQ(e.counts[std::size_t(Shapes::triangle.rawValue())], 1);
  EXPECT_NE(std::find(recentTools().begin(), recentTools().end(), Shapes::triangle), recentTools().end());
  EXPECT_TRUE(harness.checkInvariants());
  const std::string after = harness.documentText();
  EXPECT_NE(after, before);

  harness.undo();
  EXPECT_EQ(e.graph().shapes().size(), 4u);
  EXPECT_EQ(harness.documentText(), before);
  EXPECT_FALSE(e.markLayer->path().has_value());
  EXPECT_TRUE(harness.checkInvariants());
  harness.redo();
  ASSERT_EQ(e.graph().shapes().size(), 5u);
  const auto again = e.graph().shapes()[4];
  EXPECT_EQ(again->transformation, tile->transformation);
  EXPECT_EQ(again->shapeColor(), teal);
  EXPECT_EQ(again->layerIndex, 2);
  EXPECT_TRUE(again->marked);
  EXPECT_EQ(again->borderBezierFactor, 1.5);
  EXPECT_EQ(harness.documentText(), after);
  EXPECT_TRUE(harness.checkInvariants());
  EXPECT_EQ(harness.undoManager->undoActionName(), "Add Shape");
}

// A press on a hovered candidate places it and turns the drag into placing;
// with Shift the press starts a rubber band instead and places nothing.
TEST(ViewControllerAddShapes, APressOnACandidatePlacesItUnlessShiftIsHeld) {
  EditorHarness harness({.tiles = testing::squares().tiles, .tools = {Shapes::triangle}});
  auto& e = *harness.editor;
  const auto side = e.graph().shapes()[1]->edges()[1];
  const Vec2 beyond = testing::pointBeyond(*side, 0.2);
  harness.hover(beyond);
  ASSERT_NE(std::dynamic_pointer_cast<NeighborModel>(e.selectedShape.lock()), nullptr);
  harness.press(beyond, {.shift = true});
  EXPECT_EQ(e.graph().shapes().size(), 4u);
  EXPECT_FALSE(harness.undoManager->canUndo());

  harness.hover(beyond);
  harness.press(beyond);
  EXPECT_EQ(e.graph().shapes().size(), 5u);
  EXPECT_EQ(e.dragAction, DragAction::add);
  EXPECT_EQ(harness.undoManager->undoActionName(), "Add Shape");
  EXPECT_TRUE(harness.checkInvariants());
}

TEST(ViewControllerAddShapes, NoCandidateUnderThePointerAddsNothing) {
  EditorHarness harness(testing::squares().tiles);
  harness.hover(harness.editor->graph().shapes()[0]->center());
  harness.command([](ViewController& editor) { editor.placeCandidate(); });
  EXPECT_EQ(harness.editor->graph().shapes().size(), 4u);
  EXPECT_FALSE(harness.undoManager->canUndo());
}

TEST(ViewControllerAddShapes, CandidatesThatFittedAreJudgedAgainAfterAnAddition) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  const auto& judged = e.graph().shapes()[2]->edges()[3];
  harness.hover(testing::pointBeyond(*judged, 0.2));
  const auto candidate = std::dynamic_pointer_cast<NeighborModel>(e.selectedShape.lock());
  ASSERT_NE(candidate, nullptr);
  ASSERT_EQ(candidate->checked(), Checked::ok);
  harness.hover(testing::pointBeyond(*e.graph().shapes()[1]->edges()[1], 0.2));
  harness.command([](ViewController& editor) { editor.placeCandidate(); });
  EXPECT_EQ(candidate->checked(), Checked::unknown);
}

TEST(ViewControllerAddShapes, AGroupPastedIntoAnEmptyDrawingGoesWhereItsOutlineShowsIt) {
  EditorHarness harness({.tiles = {}, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  // The group's tiles stand away from the default place.
  const auto square = testing::catalogueFigure(Shapes::square);
  auto first = Shape::create(square);
  first->transformation =
      ShapeModel::defaultTransformation().concatenating(AffineTransform::translation(100.0, 50.0));
  first->updateTransformedGeometry();
  auto second = testing::attach(square, 3, first->edges()[1], true);
  e.multiShape = MultiShape::create(first, {first, second});
  harness.command([](ViewController& editor) { editor.selectTools({Shapes::multi}); });
  ASSERT_EQ(e.neighbors.size(), 1u);
  harness.hover({0.0, 0.0});
  ASSERT_EQ(e.selectedShape.lock(), e.neighbors[0]);
  EXPECT_TRUE(e.selectedStrokeLayer->path().has_value());
  harness.command([](ViewController& editor) { editor.placeCandidate(); });

  // The tile of the group's first border side first, then the rest of the
  // group.
  ASSERT_EQ(e.graph().shapes().size(), 2u);
  const auto& placed = e.graph().shapes()[0];
  const auto& borderTile = e.multiShape->border()[0]->shape.lock();
  for (std::size_t k = 0; k < placed->edges().size(); ++k) {
    const Vec2 expected = borderTile->edges()[k]->transformedVertex();
    EXPECT_NEAR((placed->edges()[k]->transformedVertex() - expected).length(), 0.0, 1e-9) << k;
  }
  EXPECT_EQ(harness.undoManager->undoActionName(), "Add Shapes");
  EXPECT_TRUE(harness.checkInvariants());
  MultiShape::resetCurrent();
}

TEST(ViewControllerAddShapes, UndoingAnAdditionLeavesASeparateIslandAlone) {
  EditorHarness harness({.tiles = testing::squaresWithIsland().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  const std::string before = harness.documentText();
  harness.hover(testing::pointBeyond(*e.graph().shapes()[0]->edges()[0], 0.2));
  harness.command([](ViewController& editor) { editor.placeCandidate(); });
  ASSERT_EQ(e.graph().shapes().size(), 5u);
  harness.undo();
  EXPECT_EQ(e.graph().shapes().size(), 4u);
  EXPECT_EQ(harness.documentText(), before);
  harness.redo();
  harness.undo();
  EXPECT_EQ(e.graph().shapes().size(), 4u);
  EXPECT_EQ(harness.documentText(), before);
}

}  // namespace
}  // namespace ornival
