// Placing, removing, undoing and redoing in a seeded random order, with the
// editor's invariants after every step and the document's text as the
// oracle: undoing everything gives the text it started with, and redoing
// everything the text it ended with.

#include "editor/ViewController.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"

#include <gtest/gtest.h>

#include <random>

namespace ornival {
namespace {

using testing::EditorHarness;

struct Tally {
  int placed = 0;
  int removed = 0;
  int undone = 0;
  int redone = 0;
  int swapped = 0;
  int recolored = 0;
};

// The first three tiles that close a hexagon a flip can turn, in flip order;
// none when the tiling has no such hexagon.
std::vector<std::shared_ptr<Shape>> flippableHexagon(const ViewController& editor) {
  for (const auto& tile : editor.graph().shapes()) {
    const auto& sides = tile->edges();
    if (sides.size() != 4 || !tile->figure()->equilateral() ||
        std::any_of(sides.begin(), sides.end(), [](const auto& side) { return side->isGroupJoin; }))
      continue;
    for (const auto& side : sides) {
      auto triple = editor.fourEdgeJoin(side);
      if (!triple.empty())
        return triple;
    }
  }
  return {};
}

Tally runSequence(EditorHarness& harness, std::uint64_t seed, int steps) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  Tally tally;
  auto& editor = *harness.editor;
  // Flips and recolouring come between the steps, drawn from a stream of
  // their own, so that the other edits are those a run without them makes.
  std::mt19937_64 keysRandom(seed + 2);
  for (int step = 0; step < steps; ++step) {
    SCOPED_TRACE("step " + std::to_string(step));
    while (unit(keysRandom) < 0.1) {
      // Flips where the tiling has a hexagon to flip, else recolouring.
      const auto hexagon = flippableHexagon(editor);
      if (!hexagon.empty() && unit(keysRandom) < 0.7) {
        bool flipped = false;
        harness.command([&](ViewController& e) { flipped = e.swapShapes(hexagon); });
        EXPECT_TRUE(flipped);
        ++tally.swapped;
      } else {
        const auto which = keysRandom() % 5;
        const int parity = int(keysRandom() % 2);
        harness.command([&](ViewController& e) {
          switch (which) {
            case 0: e.randomColors(); break;
            case 1: e.hueColorsByAngle(); break;
            case 2: e.hueColorsByEdgeAngle(); break;
            case 3: e.blackOrWhiteColors(parity); break;
            default: e.whiteColors(); break;
          }
        });
        ++tally.recolored;
      }
      harness.settle();
      EXPECT_TRUE(harness.checkInvariants());
      if (::testing::Test::HasFailure())
        return tally;
    }
    const double roll = unit(random);
    if (roll < 0.45 && !editor.borderEdges.empty()) {
      const auto& side = editor.borderEdges[random() % editor.borderEdges.size()];
      harness.hover(testing::pointBeyond(*side, 0.1 + 0.3 * unit(random)));
      if (std::dynamic_pointer_cast<NeighborModel>(editor.selectedShape.lock())) {
        harness.command([](ViewController& e) { e.placeCandidate(); });
        ++tally.placed;
      }
    } else if (roll < 0.65 && !editor.graph().shapes().empty()) {
      const auto& tiles = editor.graph().shapes();
      const std::size_t count = random() % 4 == 0 ? 2 : 1;
      std::vector<std::shared_ptr<Shape>> chosen;
      for (std::size_t k = 0; k < count && k < tiles.size(); ++k) {
        const auto& tile = tiles[random() % tiles.size()];
        if (std::find(chosen.begin(), chosen.end(), tile) == chosen.end())
          chosen.push_back(tile);
      }
      harness.command([&](ViewController& e) {
        e.moving = chosen;
        e.removeShapes();
      });
      ++tally.removed;
    } else if (roll < 0.85 && harness.undoManager->canUndo()) {
      harness.undo();
      ++tally.undone;
    } else if (harness.undoManager->canRedo()) {
      harness.redo();
      ++tally.redone;
    }
    harness.settle();
    EXPECT_TRUE(harness.checkInvariants());
    if (::testing::Test::HasFailure())
      break;
  }
  return tally;
}

TEST(EditingSequence, EveryStepKeepsTheInvariantsAndUndoAllAndRedoAllGiveBackTheTexts) {
  const std::uint64_t seeds[] = {19, 2024};
  const std::size_t tilings = testing::smallTilings().size();
  for (std::size_t which = 0; which < tilings; ++which) {
    for (const std::uint64_t seed : seeds) {
      // Fresh tiles for every run: the editor takes them over.
      const auto tiling = testing::smallTilings()[which];
      SCOPED_TRACE(tiling.name + ", seed " + std::to_string(seed));
      EditorHarness harness({.tiles = tiling.tiles,
                             .prepareDocument = {},
                             .tools = {Shapes::square, Shapes::triangle, Shapes::rhombus16}});
      harness.editor->randomSource = RandomSource::create(seed);
      ASSERT_TRUE(harness.checkInvariants());
      const std::string start = harness.documentText();
      const Tally tally = runSequence(harness, seed, 150);
      EXPECT_GT(tally.placed, 10);
      EXPECT_GT(tally.removed, 10);
      EXPECT_GT(tally.undone, 10);
      EXPECT_GT(tally.recolored, 3);
      const std::string end = harness.documentText();

      int undos = 0;
      while (harness.undoManager->canUndo()) {
        harness.undo();
        harness.settle();
        ASSERT_TRUE(harness.checkInvariants()) << "undo " << undos;
        ++undos;
      }
      EXPECT_EQ(harness.documentText(), start);
      while (harness.undoManager->canRedo()) {
        harness.redo();
        harness.settle();
        ASSERT_TRUE(harness.checkInvariants());
      }
      EXPECT_EQ(harness.documentText(), end);
    }
  }
}

}  // namespace
}  // namespace ornival
