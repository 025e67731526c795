#include "editor/ViewController.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/Shape.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

using testing::EditorHarness;

constexpr Color teal{0.0, 0.5, 0.5, 1.0};

// Which side of tile a is glued to tile b; the test fixtures have one each.
std::shared_ptr<Edge> sideTowards(const Shape& a, const Shape& b) {
  for (const auto& edge : a.edges()) {
    const auto partner = edge->join.lock();
    if (partner && partner->shape.lock().get() == &b)
      return edge;
  }
  return nullptr;
}

std::vector<bool> groupFlags(const ViewController& editor) {
  std::vector<bool> flags;
  for (const auto& tile : editor.graph().shapes())
    for (const auto& edge : tile->edges())
      flags.push_back(edge->isGroupJoin);
  return flags;
}

TEST(ViewControllerEditMenu, PasteIsEnabledOnlyWhenItWouldChangeTheTool) {
  MultiShape::resetCurrent();
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
  auto& e = *harness.editor;
  EditorMenuItem paste{.title = "Paste", .action = "paste"};
  EXPECT_FALSE(e.validateMenuItem(paste)) << "no clipboard";

  harness.command([](ViewController& editor) { editor.selectAll(); });
  harness.command([](ViewController& editor) { editor.copy(); });
  ASSERT_TRUE(e.multiShape);
  const auto copied = e.multiShape;
  struct Case {
    const char* name;
    ToolSet tools;
    bool ownGroupIsTheClipboard;
    bool enabled;
  };
  const Case cases[] = {
      {"group tool of the clipboard", {Shapes::multi}, true, false},
      {"group tool of another group", {Shapes::multi}, false, true},
      {"group tool among others", {Shapes::multi, Shapes::square}, true, true},
      {"a figure tool", {Shapes::square}, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    e.selectedTools = c.tools;
    e.multiShape = c.ownGroupIsTheClipboard ? copied : nullptr;
    EXPECT_EQ(e.validateMenuItem(paste), c.enabled);
  }

  // Pasting twice: the second paste is disabled, having nothing to change.
  e.selectedTools = {Shapes::square};
  harness.command([](ViewController& editor) { editor.paste(0); });
  EXPECT_EQ(e.selectedTools, ToolSet{Shapes::multi});
  EXPECT_EQ(harness.undoManager->undoActionName(), "Select Tools");
  EXPECT_FALSE(e.validateMenuItem(paste));

  // The adding paste (tag 1) keeps the other tools.
  e.selectedTools = {Shapes::square};
  harness.command([](ViewController& editor) { editor.paste(1); });
  EXPECT_EQ(e.selectedTools, (ToolSet{Shapes::square, Shapes::multi}));
  EXPECT_EQ(harness.undoManager->undoActionName(), "Add Tools");
}

TEST(ViewControllerEditMenu, GroupAndUngroupAreUndoneToExactlyTheFlagsThereWere) {
  // Squares 0 1 over 2 3 (0–1, 0–2, 1–3, 2–3 glued); 0–1 grouped before.
  struct Case {
    const char* name;
    bool group;
    std::vector<int> selected;
    // Pairs whose sides are grouped afterwards, each side on its own.
    std::vector<std::pair<int, int>> groupedAfter;
  };
  const Case cases[] = {
      // Both sides of the join between the two selected tiles; the old group
      // stays.
      {"group 1 and 3", true, {1, 3}, {{0, 1}, {1, 0}, {1, 3}, {3, 1}}},
      // All sides of the selected tile, and the far side of its join towards
      // an unselected member too.
      {"ungroup 1", false, {1}, {}},
      {"ungroup 0 and 1", false, {0, 1}, {}},
      {"group all", true, {0, 1, 2, 3}, {{0, 1}, {1, 0}, {0, 2}, {2, 0}, {1, 3}, {3, 1}, {2, 3}, {3, 2}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EditorHarness harness(testing::squares().tiles);
    auto& e = *harness.editor;
    const auto& tiles = e.graph().shapes();
    const auto tile = [&](int i) { return tiles[std::size_t(i)]; };
    sideTowards(*tile(0), *tile(1))->isGroupJoin = true;
    sideTowards(*tile(1), *tile(0))->isGroupJoin = true;
    for (const int i : c.selected)
      tile(i)->showMark(true, e.markNode);
    const auto before = groupFlags(e);

    harness.command([&](ViewController& editor) { c.group ? editor.group() : editor.ungroup(); });
    EXPECT_EQ(harness.undoManager->undoActionName(), c.group ? "Group Shapes" : "Ungroup Shapes");
    for (int a = 0; a < 4; ++a) {
      for (int b = 0; b < 4; ++b) {
        const auto side = sideTowards(*tile(a), *tile(b));
        if (!side)
          continue;
        const bool grouped = std::find(c.groupedAfter.begin(), c.groupedAfter.end(), std::pair{a, b}) !=
                             c.groupedAfter.end();
        EXPECT_EQ(side->isGroupJoin, grouped) << a << " towards " << b;
      }
    }
    const auto after = groupFlags(e);

    harness.undo();
    EXPECT_EQ(groupFlags(e), before);
    harness.redo();
    EXPECT_EQ(groupFlags(e), after);
    EXPECT_EQ(harness.undoManager->undoActionName(), c.group ? "Group Shapes" : "Ungroup Shapes");
    harness.undo();
    EXPECT_EQ(groupFlags(e), before);
  }
}

TEST(ViewControllerEditMenu, AnUngroupedTileStaysUngroupedWhenItsNeighbourIsRemovedAndRestored) {
  EditorHarness harness(testing::squares().tiles);
  auto& e = *harness.editor;
  const auto& tiles = e.graph().shapes();
  sideTowards(*tiles[0], *tiles[1])->isGroupJoin = true;
  sideTowards(*tiles[1], *tiles[0])->isGroupJoin = true;
  tiles[1]->showMark(true, e.markNode);
  harness.command([](ViewController& editor) { editor.ungroup(); });
  const std::string ungrouped = harness.documentText();
  harness.command([&](ViewController& editor) {
    editor.moving = {tiles[0]};
    editor.removeShapes();
  });
  harness.undo();
  EXPECT_EQ(harness.documentText(), ungrouped);
  EXPECT_FALSE(sideTowards(*tiles[1], *tiles[0])->isGroupJoin);
}

TEST(ViewControllerEditMenu, DeleteAndCutTakeTheHoveredGroupOrTheSelectionAndNothingElse) {
  MultiShape::resetCurrent();
  {
    // Nothing chosen: the island apart stays, and nothing is registered.
    EditorHarness harness(testing::squaresWithIsland().tiles);
    harness.hover({500.0, 500.0});
    harness.command([](ViewController& editor) { editor.deleteShapes(); });
    EXPECT_EQ(harness.editor->graph().shapes().size(), 4u);
    EXPECT_FALSE(harness.undoManager->canUndo());
    EXPECT_TRUE(harness.checkInvariants());
  }
  {
    // The hovered tile, unselected, with its group.
    EditorHarness harness(testing::squares().tiles);
    auto& e = *harness.editor;
    const auto& tiles = e.graph().shapes();
    sideTowards(*tiles[2], *tiles[3])->isGroupJoin = true;
    sideTowards(*tiles[3], *tiles[2])->isGroupJoin = true;
    tiles[0]->showMark(true, e.markNode);
    harness.hover(tiles[3]->center());
    harness.command([](ViewController& editor) { editor.deleteShapes(); });
    EXPECT_EQ(tiles.size(), 2u);
    EXPECT_TRUE(tiles[0]->marked);
    EXPECT_EQ(harness.undoManager->undoActionName(), "Remove Shapes");
    EXPECT_TRUE(harness.checkInvariants());
    harness.undo();
    EXPECT_EQ(tiles.size(), 4u);
  }
  {
    // Cutting the selection makes it the group tool and the clipboard.
    EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::square}});
    auto& e = *harness.editor;
    const auto& tiles = e.graph().shapes();
    harness.hover({500.0, 500.0});
    tiles[1]->showMark(true, e.markNode);
    tiles[3]->showMark(true, e.markNode);
    harness.command([](ViewController& editor) { editor.cut(); });
    EXPECT_EQ(tiles.size(), 2u);
    ASSERT_TRUE(e.multiShape);
    EXPECT_EQ(e.multiShape, MultiShape::current());
    EXPECT_EQ(e.multiShape->templates().size(), 2u);
    EXPECT_EQ(e.selectedTools, ToolSet{Shapes::multi});
    EXPECT_EQ(harness.undoManager->undoActionName(), "Remove Shapes");
    EXPECT_TRUE(harness.checkInvariants());
  }
}

TEST(ViewControllerEditMenu, CopyWithNothingChosenLeavesTheToolAlone) {
  MultiShape::resetCurrent();
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {Shapes::triangle}});
  harness.hover({500.0, 500.0});
  harness.command([](ViewController& editor) { editor.copy(); });
  EXPECT_TRUE(harness.editor->moving.empty());
  EXPECT_EQ(harness.editor->selectedTools, ToolSet{Shapes::triangle});
  EXPECT_FALSE(MultiShape::current());
  // The pointer's place decides the drag action again: nothing is under it.
  EXPECT_EQ(harness.editor->dragAction, DragAction::ignore);
}

TEST(ViewControllerEditMenu, TheSelectAndLayerMenusListWhatTheTilingHolds) {
  std::vector<std::shared_ptr<Shape>> tiles;
  const auto square = testing::catalogueFigure(Shapes::square);
  const auto triangle = testing::catalogueFigure(Shapes::triangle);
  // Apart from each other, far enough for any figure size.
  for (int i = 0; i < 3; ++i)
    tiles.push_back(testing::tileAt(triangle, AffineTransform::translation(100.0 + 10.0 * i, 0.0)));
  for (int i = 0; i < 5; ++i)
    tiles.push_back(testing::tileAt(square, AffineTransform::translation(10.0 * i, 0.0)));
  // One triangle upside down: a second orientation class.
  tiles[1] = testing::tileAt(triangle, AffineTransform::rotation(std::numbers::pi).concatenating(
                                           AffineTransform::translation(115.0, 5.0)));
  tiles[3]->layerIndex = 2;
  tiles[5]->layerIndex = 2;
  tiles[7]->layerIndex = -1;
  EditorHarness harness(tiles);
  auto& e = *harness.editor;

  std::vector<EditorMenuItem> menu;
  e.updateSelectMenu(menu);
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_EQ(menu[0].kind, Shapes::square);
  EXPECT_EQ(menu[1].kind, Shapes::triangle);
  EXPECT_EQ(menu[0].action, "selectShapes");
  EXPECT_EQ(menu[0].title, square->name());
  EXPECT_EQ(menu[0].submenu.size(), 1u);
  ASSERT_EQ(menu[1].submenu.size(), 2u);
  EXPECT_LT(*menu[1].submenu[0].variant, *menu[1].submenu[1].variant);
  ASSERT_TRUE(menu[1].submenu[0].picture);
  EXPECT_EQ(menu[1].submenu[0].picture->size, 64);

  // Selecting by kind and orientation leaves grouped tiles out; one step.
  const auto& placed = e.graph().shapes();
  const int upsideDown = menu[1].submenu[0].variant == placed[1]->variant() ? 0 : 1;
  harness.command([&](ViewController& editor) {
    editor.selectShapes(Shapes::triangle, menu[1].submenu[std::size_t(upsideDown)].variant);
  });
  EXPECT_TRUE(placed[1]->marked);
  EXPECT_FALSE(placed[0]->marked);
  EXPECT_EQ(harness.undoManager->undoActionName(), "Select Shape");
  harness.undo();
  placed[3]->edges()[0]->isGroupJoin = true;
  harness.command([](ViewController& editor) { editor.selectShapes(Shapes::square, std::nullopt); });
  std::vector<bool> marks;
  for (const auto& tile : placed)
    marks.push_back(tile->marked);
  EXPECT_EQ(marks, (std::vector<bool>{false, false, false, false, true, true, true, true}));

  std::vector<EditorMenuItem> layers;
  e.updateLayerMenu(layers);
  ASSERT_EQ(layers.size(), 3u);
  EXPECT_EQ(layers[0].title, "-1");
  EXPECT_EQ(layers[1].title, "0");
  EXPECT_EQ(layers[2].title, "2");
  EXPECT_EQ(layers[2].layer, 2);
  harness.command([](ViewController& editor) { editor.selectAll(); }, {.option = true});
  harness.command([](ViewController& editor) { editor.selectLayer(2); });
  marks.clear();
  for (const auto& tile : placed)
    marks.push_back(tile->marked);
  EXPECT_EQ(marks, (std::vector<bool>{false, false, false, true, false, true, false, false}));
  EXPECT_EQ(harness.undoManager->undoActionName(), "Select Shape");
}

TEST(ViewControllerEditMenu, MirrorInvertAndDimensionWithTheirMenuStates) {
  const auto [chiral, partner] = *Shapes::mirrors().begin();
  EditorHarness harness({.tiles = testing::squares().tiles, .prepareDocument = {}, .tools = {chiral, Shapes::square}});
  auto& e = *harness.editor;
  harness.command([](ViewController& editor) { editor.mirror(); }, {.shift = true});
  EXPECT_EQ(e.selectedTools, (ToolSet{chiral, partner, Shapes::square}));
  EXPECT_EQ(harness.undoManager->undoActionName(), "Select Tools");
  e.selectedTools = {chiral, Shapes::square};
  harness.command([](ViewController& editor) { editor.mirror(); });
  EXPECT_EQ(e.selectedTools, (ToolSet{partner, Shapes::square}));

  EditorMenuItem tool{.title = "", .action = "selectTool", .tag = Shapes::square.rawValue()};
  EXPECT_TRUE(e.validateMenuItem(tool));
  EXPECT_TRUE(tool.checked);
  EXPECT_EQ(tool.image, testing::catalogueFigure(Shapes::square)->image());

  const auto& tiles = e.graph().shapes();
  tiles[1]->setShapeColor(teal);
  tiles[1]->showMark(true, e.markNode);
  harness.command([](ViewController& editor) { editor.invertColors(); });
  EXPECT_EQ(tiles[1]->shapeColor(), (Color{1.0, 0.5, 0.5, 1.0}));
  EXPECT_EQ(tiles[0]->shapeColor(), Color::white());
  EXPECT_EQ(harness.undoManager->undoActionName(), "Invert Colors");
  harness.undo();
  EXPECT_EQ(tiles[1]->shapeColor(), teal);

  EditorMenuItem dimension{.title = "", .action = "showDimension"};
  EXPECT_TRUE(e.validateMenuItem(dimension));
  EXPECT_FALSE(dimension.checked);
  harness.command([](ViewController& editor) { editor.showDimension(); });
  EXPECT_EQ(e.dimension(), 3);
  EXPECT_TRUE(e.validateMenuItem(dimension));
  EXPECT_TRUE(dimension.checked);
  harness.command([](ViewController& editor) { editor.showDimension(); });
  EXPECT_EQ(e.dimension(), 2);

  EditorMenuItem removeImage{.title = "", .action = "removeImage"};
  EXPECT_FALSE(e.validateMenuItem(removeImage));
}

// 1 - (1 - x) is x only up to rounding for most components: undo and redo
// must give back the very colours, or a redone document writes two table
// entries that read back as one.
TEST(ViewControllerEditMenu, UndoAndRedoOfInvertGiveBackTheExactColours) {
  EditorHarness harness(testing::squares().tiles);
  auto& e = *harness.editor;
  const auto& tiles = e.graph().shapes();
  const Color odd{0.1, 0.7, 0.3, 1.0};
  ASSERT_NE(1.0 - (1.0 - odd.red), odd.red);
  harness.command([&](ViewController& editor) { editor.setShapeColor(tiles[2], odd); });
  const auto colours = [&] {
    std::vector<Color> all;
    for (const auto& tile : tiles)
      all.push_back(tile->shapeColor());
    return all;
  };
  const auto before = colours();
  const std::string beforeText = harness.documentText();
  harness.command([](ViewController& editor) { editor.invertColors(); });
  const auto after = colours();
  EXPECT_EQ(after[2], (Color{1.0 - odd.red, 1.0 - odd.green, 1.0 - odd.blue, 1.0}));
  for (int round = 0; round < 2; ++round) {
    harness.undo();
    EXPECT_EQ(colours(), before);
    EXPECT_EQ(harness.documentText(), beforeText);
    harness.redo();
    EXPECT_EQ(colours(), after);
  }
}

}  // namespace
}  // namespace ornival
