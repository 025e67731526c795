#include "editor/ViewController.h"

#include "editor/Undo.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/SceneNode.h"
#include "platform/ShapeLayer.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

using testing::EditorHarness;

constexpr Color teal{0.0, 0.5, 0.5, 1.0};
constexpr Color red{1.0, 0.0, 0.0, 1.0};
constexpr Color blue{0.0, 0.0, 1.0, 1.0};

// The side of the catalogue's square in canvas units.
double squareSide() {
  const auto probe = testing::placedTile(testing::catalogueFigure(Shapes::square));
  return (probe->edges()[1]->transformedVertex() - probe->edges()[0]->transformedVertex()).length();
}

// Ten squares in a row of five over a row of five.
std::vector<std::shared_ptr<Shape>> tenSquares() {
  const double side = squareSide() / 20.0;
  std::vector<std::shared_ptr<Shape>> tiles;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 5; ++x)
      tiles.push_back(testing::tileAt(testing::catalogueFigure(Shapes::square),
                                      AffineTransform::translation(x * side, y * side)));
  return tiles;
}

std::vector<bool> selection(const ViewController& editor) {
  std::vector<bool> marks;
  for (const auto& tile : editor.graph().shapes())
    marks.push_back(tile->marked);
  return marks;
}

TEST(ViewControllerSelection, SelectingATileTwiceIsOneStepThatUndoesAndRedoes) {
  EditorHarness harness(testing::squares().tiles);
  auto& e = *harness.editor;
  harness.command([](ViewController& editor) {
    editor.selectShape(2, nullptr);
    editor.selectShape(2, nullptr);
    editor.selectShape(7, nullptr);  // beyond the tiling: ignored
  });
  const auto& tile = e.graph().shapes()[2];
  EXPECT_TRUE(tile->marked);
  // The flat view makes no 3D mark.
  EXPECT_FALSE(tile->mark);
  EXPECT_TRUE(e.markNode->childNodes().empty());
  EXPECT_EQ(harness.undoManager->undoActionName(), "Select Shape");
  harness.undo();
  EXPECT_FALSE(tile->marked);
  EXPECT_FALSE(tile->mark);
  EXPECT_FALSE(harness.undoManager->canUndo());
  harness.redo();
  EXPECT_TRUE(tile->marked);

  harness.command([](ViewController& editor) { editor.deselectShape(2, nullptr); });
  EXPECT_EQ(harness.undoManager->undoActionName(), "Deselect Shape");
  EXPECT_TRUE(e.markNode->childNodes().empty());
}

// Marks set in the flat view show in the relief once it is shown, placed as
// a mark made there would be, and follow undo and redo from then on.
TEST(ViewControllerSelection, MarksSetFlatShowInTheReliefAndFollowUndo) {
  EditorHarness harness(testing::squares().tiles);
  auto& e = *harness.editor;
  const auto& tiles = e.graph().shapes();
  harness.command([](ViewController& editor) { editor.selectShape(1, nullptr); });
  harness.command([](ViewController& editor) { editor.selectAll(); });
  harness.undo();
  harness.redo();
  ASSERT_TRUE(e.markNode->childNodes().empty());
  EXPECT_EQ(e.flatMarkNode->parentNode(), nullptr);

  // As the document's display mode shows the relief, without an undo step.
  e.setDimension(3);
  e.dimensionDidSet(2);
  ASSERT_EQ(e.markNode->childNodes().size(), tiles.size());
  for (const auto& tile : tiles) {
    ASSERT_TRUE(tile->mark);
    EXPECT_EQ(tile->mark->parentNode(), e.markNode);
    EXPECT_EQ(tile->mark->transform(), tile->markNode()->transform());
  }
  EXPECT_EQ(e.flatMarkNode->parentNode(), e.contentNode);

  harness.undo();
  EXPECT_EQ(selection(e), (std::vector<bool>{false, true, false, false}));
  ASSERT_EQ(e.markNode->childNodes(), std::vector<std::shared_ptr<SceneNode>>{tiles[1]->mark});
  harness.undo();
  EXPECT_TRUE(e.markNode->childNodes().empty());
  harness.redo();
  harness.redo();
  EXPECT_EQ(e.markNode->childNodes().size(), tiles.size());
  EXPECT_EQ(e.flatMarkNode->parentNode(), e.contentNode);
}

TEST(ViewControllerSelection, GroupsAreSelectedWholeEvenWhenTheirJoinsFormARing) {
  EditorHarness harness(testing::rhombusHexagon().tiles);
  auto& e = *harness.editor;
  const auto& tiles = e.graph().shapes();
  for (const auto& tile : tiles)
    for (const auto& edge : tile->edges())
      edge->isGroupJoin = !edge->join.expired();
  harness.command([&](ViewController& editor) {
    Undo undo = editor.selectionBatch();
    editor.selectGroup(tiles[1], false, &undo);
  });
  EXPECT_EQ(selection(e), (std::vector<bool>{true, true, true}));
  EXPECT_TRUE(e.moving.empty());
  EXPECT_TRUE(e.markLayer->path());

  harness.command([&](ViewController& editor) {
    Undo undo = editor.selectionBatch();
    editor.deselectGroup(tiles[2], true, &undo);
  });
  EXPECT_EQ(selection(e), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(e.moving.size(), 3u);
  EXPECT_FALSE(e.markLayer->path());
  e.moving.clear();

  // The whole batch is one step, its undo ending with the mark layer rebuilt.
  harness.undo();
  EXPECT_EQ(selection(e), (std::vector<bool>{true, true, true}));
  EXPECT_TRUE(e.markLayer->path());
}

TEST(ViewControllerSelection, AColourRegionFollowsJoinsAcrossEqualColours) {
  EditorHarness harness(tenSquares());
  auto& e = *harness.editor;
  const auto& tiles = e.graph().shapes();
  // Teal: 0, 1, 6 (joined in an L), and 3, which touches them only across 2.
  for (const int i : {0, 1, 6, 3})
    tiles[std::size_t(i)]->setShapeColor(teal);
  harness.command([&](ViewController& editor) { editor.selectColorRegion(tiles[6], nullptr); });
  EXPECT_EQ(selection(e),
            (std::vector<bool>{true, true, false, false, false, false, true, false, false, false}));
}

TEST(ViewControllerSelection, SelectAllSelectsInvertsOrClearsByTheKeysHeld) {
  struct Case {
    const char* name;
    ModifierFlags keys;
    std::vector<bool> after;
  };
  const std::vector<bool> start{true, false, false, true, false, false, false, true, false, false};
  std::vector<bool> inverted;
  for (const bool on : start)
    inverted.push_back(!on);
  const Case cases[] = {
      {"plain", {}, std::vector<bool>(10, true)},
      {"shift", {.shift = true}, inverted},
      {"option", {.option = true}, std::vector<bool>(10, false)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EditorHarness harness(tenSquares());
    auto& e = *harness.editor;
    for (std::size_t i = 0; i < start.size(); ++i)
      e.graph().shapes()[i]->showMark(start[i], e.markNode);
    harness.command([](ViewController& editor) { editor.selectAll(); }, c.keys);
    EXPECT_EQ(selection(e), c.after);
    EXPECT_EQ(e.markLayer->path().has_value(), std::find(c.after.begin(), c.after.end(), true) != c.after.end());
    harness.undo();
    EXPECT_EQ(selection(e), start);
    EXPECT_FALSE(harness.undoManager->canUndo());
    harness.redo();
    EXPECT_EQ(selection(e), c.after);
    harness.undo();
    EXPECT_EQ(selection(e), start);
  }
}

TEST(ViewControllerSelection, ColoursComeFromTheUnderlayUnderEachTileCentre) {
  EditorHarness harness(tenSquares());
  auto& e = *harness.editor;
  const auto& tiles = e.graph().shapes();
  // The left half of the picture red, the right half blue, laid over the
  // squares 0 to 3 of each row.
  auto picture = std::make_shared<RgbaImage>(4, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x)
      picture->pixel(x, y) = x < 2 ? RgbaImage::Pixel{255, 0, 0, 255} : RgbaImage::Pixel{0, 0, 255, 255};
  harness.event([&] { e.setImageLayer(picture, std::nullopt); });
  e.imageLayer->setBounds(Rect{{0.0, 0.0}, {4.0 * squareSide(), 2.0 * squareSide()}});

  // Without a selection every tile; the fifth column lies off the picture.
  harness.command([](ViewController& editor) { editor.colorShapesFromImage(); });
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    SCOPED_TRACE(i);
    const std::size_t column = i % 5;
    EXPECT_EQ(tiles[i]->shapeColor(), column < 2 ? red : column < 4 ? blue : Color::white());
  }
  EXPECT_EQ(harness.undoManager->undoActionName(), "Change Shape Color");
  harness.undo();
  for (const auto& tile : tiles)
    EXPECT_EQ(tile->shapeColor(), Color::white());

  // With two selected, only those.
  harness.command([](ViewController& editor) {
    editor.selectShape(0, nullptr);
    editor.selectShape(8, nullptr);
  });
  harness.command([](ViewController& editor) { editor.colorShapesFromImage(); });
  for (std::size_t i = 0; i < tiles.size(); ++i)
    EXPECT_EQ(tiles[i]->shapeColor(), i == 0 ? red : i == 8 ? blue : Color::white()) << i;

  // The same colour again changes nothing and registers nothing.
  harness.command([&](ViewController& editor) { editor.setShapeColor(tiles[0], red); });
  EXPECT_EQ(harness.undoManager->undoActionName(), "Change Shape Color");
  harness.undo();
  EXPECT_EQ(tiles[0]->shapeColor(), Color::white());
}

}  // namespace
}  // namespace ornival
