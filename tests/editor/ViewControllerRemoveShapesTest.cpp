#include "editor/ViewController.h"

#include "document/OrnivalModel.h"
#include "editor/ProcessTools.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "platform/Path.h"
#include "platform/SceneNode.h"
#include "platform/ShapeLayer.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"

#include <gtest/gtest.h>

#include <tuple>

namespace ornival {
namespace {

using testing::EditorHarness;

constexpr Color teal{0.0, 0.5, 0.5, 1.0};

void removeTiles(EditorHarness& harness, const std::vector<int>& indices) {
  harness.command([&](ViewController& editor) {
    editor.moving.clear();
    for (const int index : indices)
      editor.moving.push_back(editor.graph().shapes()[std::size_t(index)]);
    editor.removeShapes();
  });
}

TEST(ViewControllerRemoveShapes, ARemovalIsUndoneToTheSameTilesAndRedoneAgain) {
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  const auto& tiles = e.graph().shapes();
  // Tile 1, glued to tile 0 inside a group, coloured, on a layer and marked.
  const auto shared = tiles[0]->edges()[1];
  shared->isGroupJoin = true;
  shared->join.lock()->isGroupJoin = true;
  tiles[1]->setShapeColor(teal);
  tiles[1]->layerIndex = 3;
  tiles[1]->showMark(true, e.markNode);
  const AffineTransform place = tiles[1]->transformation;
  const std::string before = harness.documentText();

  removeTiles(harness, {1});
  EXPECT_EQ(harness.undoManager->undoActionName(), "Remove Shape");
  ASSERT_EQ(tiles.size(), 3u);
  EXPECT_FALSE(shared->isGroupJoin);
  EXPECT_TRUE(shared->join.expired());
  EXPECT_TRUE(e.markNode->childNodes().empty());
  EXPECT_NE(std::find(removedTools().begin(), removedTools().end(), Shapes::square), removedTools().end());
  EXPECT_TRUE(harness.checkInvariants());
  const std::string after = harness.documentText();

  harness.undo();
  ASSERT_EQ(tiles.size(), 4u);
  const auto& back = tiles[1];
  EXPECT_EQ(back->transformation, place);
  EXPECT_EQ(back->shapeColor(), teal);
  EXPECT_EQ(back->layerIndex, 3);
  EXPECT_TRUE(back->marked);
  EXPECT_FALSE(back->mark);
  EXPECT_EQ(shared->join.lock()->shape.lock(), back);
  EXPECT_TRUE(shared->isGroupJoin);
  EXPECT_TRUE(shared->join.lock()->isGroupJoin);
  EXPECT_EQ(harness.documentText(), before);
  EXPECT_TRUE(harness.checkInvariants());

  harness.redo();
  EXPECT_EQ(tiles.size(), 3u);
  EXPECT_EQ(harness.documentText(), after);
  EXPECT_EQ(harness.undoManager->undoActionName(), "Remove Shape");
  EXPECT_TRUE(harness.checkInvariants());

  removeTiles(harness, {0, 2});
  EXPECT_EQ(harness.undoManager->undoActionName(), "Remove Shapes");
  harness.undo();
  harness.undo();
  EXPECT_EQ(harness.documentText(), before);
}

TEST(ViewControllerRemoveShapes, AJoinGroupedOnOneSideComesBackGroupedOnThatSideOnly) {
  // Tile 1 lies on tile 0's side 1 with its side 3, and carries tile 3 on
  // its side 2: one side of each join flagged, the tile removed and put back.
  struct Case {
    int tile, edge;
  };
  for (const Case flagged : {Case{1, 3}, Case{0, 1}, Case{1, 2}, Case{3, 0}}) {
    SCOPED_TRACE(::testing::Message() << "flag on tile " << flagged.tile << " side " << flagged.edge);
    EditorHarness harness(testing::squares().tiles);
    const auto& tiles = harness.editor->graph().shapes();
    const auto side = [&tiles](int tile, int edge) { return tiles[std::size_t(tile)]->edges()[std::size_t(edge)]; };
    const auto own = side(flagged.tile, flagged.edge);
    const auto partner = own->join.lock();
    ASSERT_NE(partner, nullptr);
    const int partnerTile = partner->shape.lock()->index;
    const int partnerEdge = partner->index();
    own->isGroupJoin = true;
    const std::string before = harness.documentText();

    removeTiles(harness, {1});
    harness.undo();
    ASSERT_EQ(tiles.size(), 4u);
    EXPECT_TRUE(side(flagged.tile, flagged.edge)->isGroupJoin);
    EXPECT_EQ(side(flagged.tile, flagged.edge)->join.lock(), side(partnerTile, partnerEdge));
    EXPECT_FALSE(side(partnerTile, partnerEdge)->isGroupJoin);
    EXPECT_EQ(harness.documentText(), before);
    EXPECT_TRUE(harness.checkInvariants());
  }
}

TEST(ViewControllerRemoveShapes, NeighboursThatStayDrawTheirBandsAlongTheSidesTheBatchFreed) {
  // Every join grouped, so that every band runs only along the outline; the
  // two tiles on the right leave together, the left column stays.
  EditorHarness harness(testing::squares().tiles);
  const auto& tiles = harness.editor->graph().shapes();
  for (const auto& tile : tiles) {
    for (const auto& edge : tile->edges()) {
      if (!edge->join.expired())
        edge->isGroupJoin = true;
    }
    tile->animatePaths(false);
  }
  const auto left = tiles[0];
  const auto top = tiles[2];
  const auto bandsBefore = left->borderLayer()->path();
  removeTiles(harness, {1, 3});
  ASSERT_EQ(tiles.size(), 2u);
  for (const auto& tile : {left, top}) {
    SCOPED_TRACE(::testing::Message() << "tile " << tile->index);
    EXPECT_EQ(tile->borderLayer()->path(), std::optional<Path>(tile->borderPath()));
  }
  EXPECT_NE(left->borderLayer()->path(), bandsBefore);
  EXPECT_TRUE(harness.checkInvariants());
}

TEST(ViewControllerRemoveShapes, RemovedTilesAreFreedAfterThePaintThatShowsThemGone) {
  EditorHarness harness(testing::squares().tiles);
  auto& e = *harness.editor;
  harness.view->holdAfterPaint = true;
  const std::string before = harness.documentText();
  std::vector<std::weak_ptr<Shape>> gone;
  for (const auto& tile : e.graph().shapes())
    gone.emplace_back(tile);
  harness.command([](ViewController& editor) { editor.selectAll(); });
  harness.command([](ViewController& editor) { editor.deleteShapes(); });
  ASSERT_TRUE(e.graph().shapes().empty());
  // Still there until the paint, yet off the display and unglued.
  for (const auto& weak : gone) {
    const auto tile = weak.lock();
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->layer()->superlayer(), nullptr);
    EXPECT_EQ(tile->borderLayer()->superlayer(), nullptr);
    for (const auto& edge : tile->edges())
      EXPECT_TRUE(edge->join.expired());
  }
  EXPECT_TRUE(e.shapesLayer->sublayers().empty());
  // An undo before the paint builds new tiles; freeing the old ones after it
  // leaves them whole.
  harness.undo();
  ASSERT_EQ(e.graph().shapes().size(), 4u);
  harness.view->paint();
  for (const auto& weak : gone)
    EXPECT_TRUE(weak.expired());
  EXPECT_EQ(harness.documentText(), before);
  EXPECT_TRUE(harness.checkInvariants());
  harness.redo();
  harness.view->paint();
  EXPECT_TRUE(e.graph().shapes().empty());
}

TEST(ViewControllerRemoveShapes, UndoOfEverythingDrawsEveryOutlineAsBefore) {
  // Some joins grouped on both sides, one on one side only: the bands turn
  // through the groups' neighbours, which come back with them.
  for (const auto& tiling : testing::smallTilings()) {
    SCOPED_TRACE(tiling.name);
    EditorHarness harness(tiling.tiles);
    auto& e = *harness.editor;
    int count = 0;
    for (const auto& tile : e.graph().shapes()) {
      for (const auto& edge : tile->edges()) {
        const auto partner = edge->join.lock();
        if (!partner || ++count % 3 != 0)
          continue;
        edge->isGroupJoin = true;
        partner->isGroupJoin = count % 2 == 0;
      }
    }
    // The bands as the document gives them, as a tiling opened shows them.
    harness.command([](ViewController& editor) { editor.updateLineAttributes(); });
    for (const auto& tile : e.graph().shapes())
      tile->animatePaths(false);
    std::vector<std::optional<Path>> bands;
    // Each band's width, colour and corners as the layers show them.
    const auto strokes = [](const Shape& tile) {
      std::vector<std::tuple<double, std::optional<Color>, LineJoin, LineCap>> all;
      for (const auto* layer : {&tile.borderLayer(), &tile.borderLayer2(), &tile.borderLayer3()})
        all.emplace_back((*layer)->lineWidth(), (*layer)->strokeColor(), (*layer)->lineJoin(), (*layer)->lineCap());
      return all;
    };
    std::vector<decltype(strokes(*e.graph().shapes().front()))> styles;
    for (const auto& tile : e.graph().shapes()) {
      bands.push_back(tile->borderLayer()->path());
      styles.push_back(strokes(*tile));
    }
    harness.command([](ViewController& editor) { editor.selectAll(); });
    harness.command([](ViewController& editor) { editor.deleteShapes(); });
    harness.undo();
    const auto& tiles = e.graph().shapes();
    ASSERT_EQ(tiles.size(), bands.size());
    for (std::size_t i = 0; i < tiles.size(); ++i) {
      EXPECT_EQ(tiles[i]->borderLayer()->path(), bands[i]) << i;
      EXPECT_EQ(tiles[i]->borderLayer()->path(), std::optional<Path>(tiles[i]->borderPath())) << i;
      EXPECT_TRUE(strokes(*tiles[i]) == styles[i]) << i;
    }
  }
}

// Undo gives back the joins there were, no more: two sides that lay against
// each other unglued while editing stay unglued when a removal next to them
// is undone.
TEST(ViewControllerRemoveShapes, UndoGluesExactlyTheJoinsThereWere) {
  EditorHarness harness(testing::squares().tiles);
  auto& e = *harness.editor;
  const auto& tiles = e.graph().shapes();
  const auto apart = tiles[0]->edges()[1];
  const auto other = apart->join.lock();
  ASSERT_NE(other, nullptr);
  apart->join.reset();
  other->join.reset();
  e.rebuildOutline();
  const std::string before = harness.documentText();
  for (const std::vector<int>& taken : {std::vector<int>{2}, {3}, {2, 3}}) {
    removeTiles(harness, taken);
    harness.undo();
    ASSERT_EQ(tiles.size(), 4u);
    EXPECT_TRUE(apart->join.expired());
    EXPECT_TRUE(other->join.expired());
    EXPECT_EQ(harness.documentText(), before);
    EXPECT_TRUE(harness.checkInvariants());
  }
}

TEST(ViewControllerRemoveShapes, RemovingNothingLeavesNoStepToUndo) {
  EditorHarness harness(testing::squares().tiles);
  removeTiles(harness, {});
  EXPECT_FALSE(harness.undoManager->canUndo());
  EXPECT_EQ(harness.editor->graph().shapes().size(), 4u);
}

TEST(ViewControllerRemoveShapes, AnIslandRemovedWholeComesBackWhereItStood) {
  EditorHarness harness(testing::squaresWithIsland().tiles);
  auto& e = *harness.editor;
  const std::string before = harness.documentText();
  const AffineTransform first = e.graph().shapes()[2]->transformation;
  const AffineTransform second = e.graph().shapes()[3]->transformation;
  removeTiles(harness, {2, 3});
  ASSERT_EQ(e.graph().shapes().size(), 2u);
  harness.undo();
  ASSERT_EQ(e.graph().shapes().size(), 4u);
  EXPECT_EQ(e.graph().shapes()[2]->transformation, first);
  EXPECT_EQ(e.graph().shapes()[3]->transformation, second);
  EXPECT_EQ(harness.documentText(), before);
  EXPECT_TRUE(harness.checkInvariants());
}

// A tile shrunk so far that its sides cannot be told from points lies
// against nothing: removed and put back, it is there again, and saved.
TEST(ViewControllerRemoveShapes, ATinyTileComesBackAndIsSaved) {
  const auto read = OrnivalModel::create();
  read->read("Ornival 0.2\n\nshapes:\n7\n\nshapes:\n7,0,0,0,0,0,0,1e-05,0.0,0.0,1e-05,40.0,0.0\n");
  ASSERT_EQ(read->shapes.size(), 2u);
  EditorHarness harness(read->shapes);
  const auto& tiles = harness.editor->graph().shapes();
  const AffineTransform place = tiles[1]->transformation;
  const std::string before = harness.documentText();
  removeTiles(harness, {1});
  ASSERT_EQ(tiles.size(), 1u);
  harness.undo();
  ASSERT_EQ(tiles.size(), 2u);
  EXPECT_EQ(tiles[1]->transformation, place);
  EXPECT_TRUE(harness.checkInvariants());
  EXPECT_EQ(harness.documentText(), before);
}

TEST(ViewControllerRemoveShapes, TheLastTileGoesToPrototypesAndComesBackWhereItStood) {
  auto lone = Shape::create(testing::catalogueFigure(Shapes::square));
  lone->transformation = ShapeModel::defaultTransformation().concatenating(AffineTransform::translation(100.0, 60.0));
  lone->updateTransformedGeometry();
  const AffineTransform place = lone->transformation;
  EditorHarness harness({.tiles = {lone}, .prepareDocument = {}, .tools = {Shapes::square, Shapes::triangle}});
  lone.reset();
  auto& e = *harness.editor;
  removeTiles(harness, {0});
  EXPECT_TRUE(e.graph().shapes().empty());
  ASSERT_EQ(e.neighbors.size(), 2u);
  EXPECT_TRUE(harness.checkInvariants());
  harness.undo();
  ASSERT_EQ(e.graph().shapes().size(), 1u);
  EXPECT_EQ(e.graph().shapes()[0]->transformation, place);
  EXPECT_TRUE(harness.checkInvariants());
}

}  // namespace
}  // namespace ornival
