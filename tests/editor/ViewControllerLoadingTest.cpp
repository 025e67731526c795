#include "editor/ViewController.h"

#include "document/DocumentWriter.h"
#include "document/OrnivalModel.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "support/EditorHarness.h"
#include "support/Figures.h"
#include "support/SmallTilings.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ornival {
namespace {

using testing::EditorHarness;

// Every join as "tile.side>tile.side", each pair once, in tile and side order.
std::string describeJoins(const std::vector<std::shared_ptr<Shape>>& tiles) {
  std::string text;
  for (const auto& tile : tiles) {
    for (const auto& edge : tile->edges()) {
      const auto partner = edge->join.lock();
      const auto other = partner ? partner->shape.lock() : nullptr;
      if (!other || std::make_pair(other->index, partner->index()) < std::make_pair(tile->index, edge->index()))
        continue;
      text += std::to_string(tile->index) + "." + std::to_string(edge->index()) + ">" +
              std::to_string(other->index) + "." + std::to_string(partner->index()) + " ";
    }
  }
  return text;
}

// A document of a square and two tiny islands of a figure with a short
// side: the second island lies on the first's shortest side the other way
// round and is then turned about that side's middle by `turn` degrees, so
// that the two touch through their short sides only.
std::string tinyIslandsText(double turn) {
  const auto figure = testing::catalogueFigure(Shapes::rightTriangle112);
  const auto& lengths = figure->lengths();
  const std::size_t s = std::size_t(std::min_element(lengths.begin(), lengths.end()) - lengths.begin());
  const auto& v = figure->vertices();
  // The short side 1.9/512 canvas units long, the others longer than 2/512.
  const double size = 1.9 / 512.0 / lengths[s];
  auto root = testing::placedTile(testing::catalogueFigure(Shapes::square));
  auto first = Shape::create(figure);
  first->transformation = {size, 0.0, 0.0, size, 300.0, 40.0};
  first->updateTransformedGeometry();
  const Vec2 a = first->transformation.apply(v[s]);
  const Vec2 b = first->transformation.apply(v[(s + 1) % v.size()]);
  const Vec2 middle = (a + b) * 0.5;
  auto second = Shape::create(figure);
  second->transformation = layOnSide(v[s], v[(s + 1) % v.size()], a, b)
                               ->concatenating(AffineTransform::translation(-middle.x, -middle.y))
                               .concatenating(AffineTransform::rotation(turn * std::numbers::pi / 180.0))
                               .concatenating(AffineTransform::translation(middle.x, middle.y));
  second->updateTransformedGeometry();
  const auto graph = Graph::create({root, first, second});
  return documentText(DocumentSettings{}, graph->shapes(), graph.get());
}

// The turn of the third tile against the second, in degrees.
double islandTurn(const std::vector<std::shared_ptr<Shape>>& tiles) {
  const auto relative = tiles[2]->transformation.concatenating(*tiles[1]->transformation.inverted());
  return std::atan2(relative.b, relative.a) * 180.0 / std::numbers::pi;
}

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

// The window glues a file's tiles as the file manager's preview does: sides
// too short to tell from a point keep only the joins the file states, and no
// tile is glued to itself. Saved and opened again, every tile keeps its place.
TEST(ViewControllerLoading, GluesAsThePreviewDoesAndReopensWithEveryTileInPlace) {
  struct Case {
    const char* name;
    std::string text;
  };
  const Case cases[] = {
      {"a square and a square shrunk to 1e-5",
       "Ornival 0.2\n\nshapes:\n7\n\nshapes:\n7,0,0,0,0,0,0,1e-05,0.0,0.0,1e-05,40.0,0.0\n"},
      {"two tiny islands touching by their short sides", tinyIslandsText(50.0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto preview = OrnivalModel::create();
    preview->read(c.text);
    preview->collectBorderEdges();
    const auto read = OrnivalModel::create();
    read->read(c.text);
    const std::size_t count = read->shapes.size();
    EditorHarness window(read->shapes);
    const auto& tiles = window.editor->graph().shapes();
    ASSERT_EQ(tiles.size(), count);
    EXPECT_EQ(describeJoins(tiles), describeJoins(preview->shapes));
    EXPECT_TRUE(window.checkInvariants());

    const auto reread = OrnivalModel::create();
    reread->read(window.documentText());
    EditorHarness reopened(reread->shapes);
    const auto& again = reopened.editor->graph().shapes();
    ASSERT_EQ(again.size(), count);
    EXPECT_EQ(describeJoins(again), describeJoins(tiles));
    if (count == 3) {
      EXPECT_NEAR(islandTurn(again), islandTurn(tiles), 1e-6);
    }
    EXPECT_EQ(reopened.documentText(), window.documentText());
  }
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
