#include "editor/ViewController.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/Shape.h"
#include "platform/Layer.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace ornival {
namespace {

using testing::EditorHarness;

constexpr Color teal{0.0, 0.5, 0.5, 1.0};

TEST(ViewControllerGroups, AGroupWithAHoleIsLaidOncePerTemplateWithTheTemplatesLooks) {
  MultiShape::resetCurrent();
  // The colours and layers of the ring's tiles.
  std::vector<std::pair<double, int>> want;
  {
    // The ring around a hole: every template is reached along several paths.
    EditorHarness source({.tiles = testing::triangleRing().tiles, .prepareDocument = {}, .tools = {Shapes::triangle}});
    auto& from = *source.editor;
    const auto& ring = from.graph().shapes();
    ASSERT_EQ(ring.size(), 18u);
    for (std::size_t i = 0; i < ring.size(); ++i) {
      ring[i]->setShapeColor(Color{double(i) / 20.0, 0.2, 0.3, 1.0});
      ring[i]->layerIndex = int(i % 3);
    }
    // Two of them glued into a group of their own.
    const auto glued = *std::find_if(ring[0]->edges().begin(), ring[0]->edges().end(),
                                     [](const auto& e) { return !e->join.expired(); });
    glued->isGroupJoin = true;
    glued->join.lock()->isGroupJoin = true;
    source.command([](ViewController& e) { e.selectAll(); });
    source.command([](ViewController& e) { e.copy(); });
    ASSERT_TRUE(from.multiShape);
    EXPECT_EQ(from.multiShape, MultiShape::current());
    EXPECT_EQ(from.selectedTools, ToolSet{Shapes::multi});
    EXPECT_EQ(source.undoManager->undoActionName(), "Select Tools");
    EXPECT_TRUE(from.moving.empty());
    for (const auto& tile : ring)
      want.emplace_back(tile->shapeColor().red, tile->layerIndex);
  }

  // Another window pastes it into its empty drawing, where it lands at once.
  // (One window at a time: each harness is the main queue while it lives.)
  EditorHarness target;
  auto& to = *target.editor;
  target.command([](ViewController& e) { e.paste(0); });
  const auto& laid = to.graph().shapes();
  ASSERT_EQ(laid.size(), want.size());
  EXPECT_TRUE(target.checkInvariants());
  // Once each: as many distinct centres and the same colours and layers.
  std::vector<std::pair<double, int>> got;
  for (const auto& tile : laid) {
    got.emplace_back(tile->shapeColor().red, tile->layerIndex);
    for (const auto& other : laid)
      EXPECT_TRUE(other == tile || (other->center() - tile->center()).lengthSquared() > 1.0);
  }
  std::sort(want.begin(), want.end());
  std::sort(got.begin(), got.end());
  EXPECT_EQ(got, want);
  // Glued all round: only the outer and inner outlines stay free, and the
  // group's own join came along on both sides.
  EXPECT_EQ(to.borderEdges.size(), 18u);
  int groupSides = 0;
  for (const auto& tile : laid)
    for (const auto& edge : tile->edges())
      groupSides += edge->isGroupJoin ? 1 : 0;
  EXPECT_EQ(groupSides, 2);

  target.undo();
  EXPECT_TRUE(to.graph().shapes().empty());
  EXPECT_TRUE(target.checkInvariants());
}

TEST(ViewControllerGroups, PickingUpOneTileTakesItsSettingsAndSeveralMakeTheGroupTool) {
  MultiShape::resetCurrent();
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::triangle}});
  auto& e = *harness.editor;
  const auto& tiles = e.graph().shapes();
  tiles[2]->setShapeColor(teal);
  tiles[2]->layerIndex = 4;
  tiles[2]->showMark(true, e.markNode);

  harness.command([&](ViewController& editor) {
    editor.moving = {tiles[2]};
    editor.pickUpShapes();
  });
  EXPECT_EQ(e.shapeColor(), teal);
  EXPECT_EQ(e.layerIndex(), 4);
  EXPECT_TRUE(e.marked);
  EXPECT_EQ(e.selectedTools, ToolSet{Shapes::square});
  EXPECT_TRUE(e.moving.empty());
  EXPECT_FALSE(e.multiShape);
  // Undone with the tool, colour, layer and mark come back.
  harness.undo();
  EXPECT_EQ(e.shapeColor(), Color::white());
  EXPECT_EQ(e.layerIndex(), 0);
  EXPECT_FALSE(e.marked);
  harness.redo();

  // A hovered tile that is not among the carried ones makes no group.
  harness.hover(tiles[3]->center());
  harness.command([&](ViewController& editor) {
    editor.moving = {tiles[0], tiles[1]};
    EXPECT_FALSE(editor.makeMultiShapeFromMoving());
  });
  EXPECT_FALSE(e.multiShape);

  harness.command([&](ViewController& editor) {
    editor.moving = {tiles[0], tiles[1], tiles[3]};
    editor.pickUpShapes();
  });
  ASSERT_TRUE(e.multiShape);
  EXPECT_EQ(e.multiShape->templates().size(), 3u);
  // The hovered tile is the one held.
  EXPECT_EQ(e.multiShape->selected()->center(), tiles[3]->center());
  EXPECT_EQ(e.selectedTools, ToolSet{Shapes::multi});
  EXPECT_EQ(harness.undoManager->undoActionName(), "Select Tools");
  EXPECT_TRUE(e.moving.empty());
  // The copies are glued to each other where their tiles are.
  int joins = 0;
  for (const auto& copy : e.multiShape->templates())
    for (const auto& edge : copy->edges())
      joins += edge->join.expired() ? 0 : 1;
  EXPECT_EQ(joins, 4);
}

TEST(ViewControllerGroups, EndingADragPutsTheCarriedTilesBackUnlessTheyWereDeleted) {
  for (const DragAction action : {DragAction::move, DragAction::remove}) {
    EditorHarness harness(testing::squares().tiles);
    auto& e = *harness.editor;
    const auto tile = e.graph().shapes()[1];
    tile->setStatus(ShapeStatus::moving);
    e.moveShapesLayer->addSublayer(tile->layer());
    e.moveBorderLayer->addSublayer(tile->borderLayer());
    e.moveLayer->setOpacity(0.5);
    e.moving = {tile};
    e.dragAction = action;
    harness.command([](ViewController& editor) { editor.updateMoveDisplay(); });
    const bool back = action != DragAction::remove;
    EXPECT_EQ(tile->layer()->superlayer() == e.shapesLayer, back);
    EXPECT_EQ(tile->borderLayer()->superlayer() == e.borderLayer, back);
    EXPECT_EQ(tile->status() == ShapeStatus::live, back);
    EXPECT_EQ(e.moveLayer->opacity(), back ? 1.0 : 0.5);
    EXPECT_FALSE(e.flatMarkNode->isHidden());
    EXPECT_FALSE(e.flatMoveNode);
  }
}

}  // namespace
}  // namespace ornival
