#include "editor/ViewController.h"

#include "document/OrnivalModel.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "support/EditorHarness.h"
#include "support/Figures.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

using testing::EditorHarness;

// Tiles read side by side without a link in the file are glued on loading,
// and the sides they share leave the outline.
TEST(ViewControllerLoading, GluesCoincidentSidesAndKeepsOnlyFreeOnesInTheOutline) {
  EditorHarness harness(testing::squareGrid(3, 2));
  const auto& e = *harness.editor;
  const auto& tiles = e.graph().shapes();
  ASSERT_EQ(tiles.size(), 6u);
  // 24 sides, 7 shared pairs.
  EXPECT_EQ(e.borderEdges.size(), 10u);
  EXPECT_EQ(e.border.size(), 10u);
  EXPECT_EQ(harness.document->perimeter(), 10);
  EXPECT_EQ(tiles[0]->edges()[1]->join.lock(), tiles[1]->edges()[3]);
  // Tile by tile, side by side: the first tile's free sides come first.
  EXPECT_EQ(e.borderEdges[0], tiles[0]->edges()[0]);
  EXPECT_EQ(e.borderEdges[1], tiles[0]->edges()[3]);
  EXPECT_EQ(e.border[0], (Line{{0.0, 0.0}, {20.0, 0.0}}));
  EXPECT_TRUE(harness.checkInvariants());
}

// Halves of a 1/1024 step go away from zero, on either side of it.
TEST(ViewControllerLoading, OutlineIsRoundedToTheGridHalvesAwayFromZero) {
  auto tile = Shape::create(testing::unitSquare());
  constexpr double half = 0.5 / 1024.0;
  tile->transformation = {20.0, 0.0, 0.0, 20.0, half, -1.0 - half};
  tile->updateTransformedGeometry();
  EditorHarness harness({tile});
  ASSERT_EQ(harness.editor->border.size(), 4u);
  EXPECT_EQ(harness.editor->border[0],
            (Line{{1.0 / 1024.0, -1025.0 / 1024.0}, {20.0 + 1.0 / 1024.0, -1025.0 / 1024.0}}));
  EXPECT_TRUE(harness.checkInvariants());
}

// The flat view gets the layers and nothing of the relief; showing the relief
// makes the tiles' nodes and one copy node for their one solid and material.
TEST(ViewControllerLoading, TilesShowInTheLayersAndTheReliefWhenItShows) {
  EditorHarness harness(testing::triangleGrid(2, 1));
  const auto& e = *harness.editor;
  EXPECT_EQ(e.shapesLayer->sublayers().size(), 4u);
  EXPECT_TRUE(e.shapesNode->childNodes().empty());
  for (const auto& tile : e.graph().shapes())
    EXPECT_FALSE(tile->hasNode() || tile->geometry());
  EXPECT_EQ(e.flatNode->parentNode(), nullptr);
  EXPECT_TRUE(harness.checkInvariants());

  harness.command([&](ViewController&) { harness.document->setDisplayMode(3); });
  EXPECT_EQ(e.shapesNode->childNodes().size(), 4u);
  EXPECT_EQ(e.flatNode->parentNode(), e.contentNode);
  EXPECT_EQ(e.flatNode->name(), "shapes");
  ASSERT_EQ(e.flatNode->childNodes().size(), 1u);
  ASSERT_NE(e.flatNode->childNodes()[0]->instances(), nullptr);
  EXPECT_EQ(e.flatNode->childNodes()[0]->instances()->size(), 4u);
  EXPECT_TRUE(harness.checkInvariants());
}

// The document text comes from the editor's tiles through the writer, and
// a window opened on it shows the same tiling.
TEST(ViewControllerLoading, DocumentTextReopensAsTheSameTiling) {
  EditorHarness harness(testing::squareGrid(3, 2));
  const std::string text = harness.documentText();
  const auto read = OrnivalModel::create();
  read->read(text);
  ASSERT_EQ(read->shapes.size(), 6u);
  EditorHarness reopened({.tiles = read->shapes,
                          .prepareDocument = [&](Document& d) { d.applyFileSettings(read->settings); }});
  EXPECT_EQ(reopened.editor->borderEdges.size(), harness.editor->borderEdges.size());
  EXPECT_EQ(reopened.documentText(), text);
  EXPECT_TRUE(reopened.checkInvariants());
}

// The harness notices a tiling out of order.
TEST(ViewControllerLoading, InvariantsCatchBrokenState) {
  EditorHarness harness(testing::squareGrid(2, 1));
  auto& e = *harness.editor;
  EXPECT_TRUE(harness.checkInvariants());
  e.graph().shapes()[1]->index = 0;
  EXPECT_FALSE(harness.checkInvariants());
  e.graph().shapes()[1]->index = 1;
  e.borderEdges.pop_back();
  EXPECT_FALSE(harness.checkInvariants());
  e.rebuildOutline();
  e.counts[7] = 5;
  EXPECT_FALSE(harness.checkInvariants());
  e.updateCounts();
  e.graph().shapes()[0]->borderLayer2()->removeFromSuperlayer();
  EXPECT_FALSE(harness.checkInvariants());
  e.borderLayer2->addSublayer(e.graph().shapes()[0]->borderLayer2());
  e.graph().shapes()[0]->edges()[1]->join.reset();
  EXPECT_FALSE(harness.checkInvariants());
}

}  // namespace
}  // namespace ornival
