#include "editor/ViewController.h"

#include "figures/Figure.h"
#include "model/Edge.h"
#include "model/NeighborModel.h"
#include "support/EditorHarness.h"
#include "support/Figures.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

using testing::EditorHarness;

constexpr ModifierFlags shift{.shift = true};

TEST(ViewControllerTools, SelectingToolsIsUndoneAndRedoneWholeKeepingTheCallersOrder) {
  EditorHarness harness;
  harness.command([](ViewController& e) { e.selectTools({Shapes::multi, Shapes::square}); });
  EXPECT_EQ(harness.editor->selectedTools, (ToolSet{Shapes::square, Shapes::multi}));
  EXPECT_EQ(harness.window->tools, (std::vector{Shapes::multi, Shapes::square}));
  EXPECT_EQ(harness.undoManager->undoActionName(), "Select Tools");
  harness.command([](ViewController& e) { e.selectTools({Shapes::triangle}); });
  harness.undo();
  EXPECT_EQ(harness.editor->selectedTools, (ToolSet{Shapes::square, Shapes::multi}));
  harness.undo();
  EXPECT_EQ(harness.editor->selectedTools, ToolSet{Shapes::sun8});
  EXPECT_EQ(harness.window->tools, std::vector{Shapes::sun8});
  harness.redo();
  EXPECT_EQ(harness.editor->selectedTools, (ToolSet{Shapes::square, Shapes::multi}));
  EXPECT_EQ(harness.undoManager->redoActionName(), "Select Tools");
}

// Undo puts back exactly the tools there were: adding a tool that was
// selected already, or removing one that was not, leaves it as it was.
struct ChangeCase {
  std::vector<Shapes> before;
  bool add;
  std::vector<Shapes> given;
  ToolSet after;
  std::string name;
};

TEST(ViewControllerTools, AddingAndRemovingToolsIsUndoneToExactlyTheToolsBefore) {
  const ChangeCase cases[] = {
      {{Shapes::square, Shapes::triangle}, true, {Shapes::triangle, Shapes::l}, {Shapes::square, Shapes::triangle, Shapes::l}, "Add Tools"},
      {{Shapes::square}, true, {Shapes::l, Shapes::l}, {Shapes::square, Shapes::l}, "Add Tools"},
      {{Shapes::square, Shapes::triangle}, false, {Shapes::triangle, Shapes::l}, {Shapes::square}, "Remove Tools"},
      {{Shapes::square}, false, {Shapes::square}, {}, "Remove Tools"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name + std::to_string(c.given.size()));
    EditorHarness harness({.tiles = {}, .prepareDocument = {}, .tools = c.before});
    const ToolSet before(c.before.begin(), c.before.end());
    harness.command([&](ViewController& e) { c.add ? e.addTools(c.given) : e.removeTools(c.given); });
    EXPECT_EQ(harness.editor->selectedTools, c.after);
    EXPECT_EQ(harness.window->tools, std::vector(c.after.begin(), c.after.end()));
    EXPECT_EQ(harness.undoManager->undoActionName(), c.name);
    harness.undo();
    EXPECT_EQ(harness.editor->selectedTools, before);
    EXPECT_EQ(harness.window->tools, std::vector(before.begin(), before.end()));
    harness.redo();
    EXPECT_EQ(harness.editor->selectedTools, c.after);
    harness.undo();
    EXPECT_EQ(harness.editor->selectedTools, before);
  }
}

TEST(ViewControllerTools, PickingOneToolReplacesOrWithShiftAdds) {
  EditorHarness harness;
  // The only selected kind, with or without Shift: nothing to do.
  harness.command([](ViewController& e) { e.selectTool(Shapes::sun8); });
  harness.command([](ViewController& e) { e.selectTool(Shapes::sun8); }, shift);
  EXPECT_FALSE(harness.undoManager->canUndo());

  harness.command([](ViewController& e) { e.selectTool(Shapes::square); }, shift);
  EXPECT_EQ(harness.editor->selectedTools, (ToolSet{Shapes::sun8, Shapes::square}));
  EXPECT_EQ(harness.undoManager->undoActionName(), "Add Tools");
  harness.command([](ViewController& e) { e.selectTool(Shapes::square); });
  EXPECT_EQ(harness.editor->selectedTools, ToolSet{Shapes::square});
  EXPECT_EQ(harness.undoManager->undoActionName(), "Select Tools");
  EXPECT_EQ(harness.undoManager->undoCount(), 2u);
}

// Candidates cached on the free sides are tested anew for the kinds chosen;
// the others keep their verdicts.
TEST(ViewControllerTools, ChoosingKindsRechecksTheirCachedCandidates) {
  EditorHarness harness(testing::squareGrid(1, 1));
  const auto& side = harness.editor->borderEdges.front();
  const auto square = NeighborModel::create(testing::unitSquare());
  const auto triangle = NeighborModel::create(testing::equilateralTriangle());
  square->setChecked(Checked::ok);
  triangle->setChecked(Checked::overlapping);
  side->neighbors[Shapes::square] = {square};
  side->neighbors[Shapes::triangle] = {triangle};
  harness.command([](ViewController& e) { e.selectTools({Shapes::square}); });
  EXPECT_EQ(square->checked(), Checked::unknown);
  EXPECT_EQ(triangle->checked(), Checked::overlapping);
  square->setChecked(Checked::ok);
  harness.command([](ViewController& e) { e.addTools({Shapes::triangle}); });
  EXPECT_EQ(square->checked(), Checked::ok);
  EXPECT_EQ(triangle->checked(), Checked::unknown);
}

// Three tiles of figure 4 and one of figure 7.
TEST(ViewControllerTools, CountsFollowTheTilesPerFigure) {
  const auto sun = Shapes::figures()[std::size_t(Shapes::sun8.rawValue() - Shapes::firstRawValue)];
  const auto square = Shapes::figures()[std::size_t(Shapes::square.rawValue() - Shapes::firstRawValue)];
  std::vector<std::shared_ptr<Shape>> tiles;
  for (int i = 0; i < 3; ++i)
    tiles.push_back(testing::tileAt(sun, AffineTransform::translation(10.0 * i, 0.0)));
  tiles.push_back(testing::tileAt(square, AffineTransform::translation(0.0, 10.0)));
  EditorHarness harness(tiles);
  EXPECT_EQ(harness.window->countTitle, "4");
  EXPECT_EQ(harness.editor->counts[4], 3);
  EXPECT_EQ(harness.editor->counts[7], 1);
  EXPECT_EQ(harness.window->toolLabels.size(), std::size_t(Shapes::caseCount - 1));
  for (const auto& [raw, count] : harness.window->toolLabels)
    EXPECT_EQ(count, raw == 4 ? 3 : raw == 7 ? 1 : 0) << raw;
  EXPECT_GT(harness.window->catalogueRefreshes, 0);
  EXPECT_TRUE(harness.checkInvariants());
}

}  // namespace
}  // namespace ornival
