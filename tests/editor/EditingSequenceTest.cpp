// Placing, removing, undoing and redoing in a seeded random order, with the
// editor's invariants after every step and the document's text as the
// oracle: undoing everything gives the text it started with, and redoing
// everything the text it ended with.

#include "editor/ViewController.h"

#include "editor/Undo.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace ornival {
namespace {

using testing::EditorHarness;

struct Tally {
  int placed = 0;
  int removed = 0;
  int undone = 0;
  int redone = 0;
  int bands = 0;
  int drags = 0;
  int edits = 0;
  int swapped = 0;
  int recolored = 0;
};

// Gestures: a rubber band over part of the drawing, or a tile dragged by
// a distance of one of the bands (a short drag, copy, cut or delete).
void runGesture(EditorHarness& harness, std::mt19937_64& random, Tally& tally) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  auto& editor = *harness.editor;
  const auto& tiles = editor.graph().shapes();
  if (tiles.empty() || unit(random) < 0.35) {
    const Vec2 from{-120.0 + 240.0 * unit(random), -120.0 + 240.0 * unit(random)};
    const Vec2 to{-120.0 + 240.0 * unit(random), -120.0 + 240.0 * unit(random)};
    // Over a tile only Shift starts a band; elsewhere any modifiers do.
    const ModifierFlags overTile[] = {{.shift = true}, {.shift = true, .option = true}};
    const ModifierFlags overSpace[] = {{}, {.shift = true}, {.option = true}};
    const ModifierFlags modifiers = editor.shape(from) ? overTile[random() % 2] : overSpace[random() % 3];
    harness.hover(from, modifiers);
    harness.press(from, modifiers);
    harness.drag((from + to) * 0.5, modifiers);
    harness.drag(to, modifiers);
    harness.release(to, modifiers);
    ++tally.bands;
    return;
  }
  const double bands[] = {20.0, 40.0, 70.0, 100.0};
  const double distance = bands[random() % 4];
  const double angle = 6.283185307179586 * unit(random);
  const Vec2 centre = tiles[random() % tiles.size()]->center();
  const Vec2 end = centre + Vec2{std::cos(angle), std::sin(angle)} * distance;
  harness.hover(centre);
  harness.press(centre);
  harness.drag((centre + end) * 0.5);
  harness.drag(end);
  harness.release(end);
  ++tally.drags;
}

// Selection and edit commands: selecting tiles, groups, regions and all,
// cut, copy, paste and place, group, ungroup, mirror, invert, delete.
void runEdit(EditorHarness& harness, std::mt19937_64& random, Tally& tally) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  auto& editor = *harness.editor;
  const auto& tiles = editor.graph().shapes();
  const auto anyTile = [&]() -> std::shared_ptr<Shape> {
    return tiles.empty() ? nullptr : tiles[random() % tiles.size()];
  };
  const ModifierFlags keys{.shift = random() % 3 == 0, .control = false, .option = random() % 4 == 0,
                           .command = false};
  switch (random() % 11) {
    case 0:
      if (const auto tile = anyTile()) {
        const int kind = int(random() % 3);
        harness.command([&](ViewController& e) {
          Undo undo = e.selectionBatch();
          if (kind == 0)
            e.selectShape(tile->index, &undo);
          else if (kind == 1)
            e.selectGroup(tile, false, &undo);
          else
            e.selectColorRegion(tile, &undo);
        });
      }
      break;
    case 1:
      harness.command([](ViewController& e) { e.selectAll(); }, keys);
      break;
    case 2:
    case 3:
      if (const auto tile = anyTile(); tile && random() % 2 == 0)
        harness.hover(tile->center());
      harness.command([&](ViewController& e) { random() % 3 == 0 ? e.cut() : e.copy(); });
      break;
    case 4:
      harness.command([](ViewController& e) { e.paste(0); });
      // The group placed against a free side, when it fits there.
      if (!editor.borderEdges.empty()) {
        const auto& side = editor.borderEdges[random() % editor.borderEdges.size()];
        harness.hover(testing::pointBeyond(*side, 0.1 + 0.3 * unit(random)));
        if (std::dynamic_pointer_cast<NeighborModel>(editor.selectedShape.lock()))
          harness.command([](ViewController& e) { e.placeCandidate(); });
      }
      break;
    case 5:
      harness.command([](ViewController& e) { e.group(); });
      break;
    case 6:
      harness.command([](ViewController& e) { e.ungroup(); });
      break;
    case 7:
      harness.command([](ViewController& e) { e.mirror(); }, keys);
      break;
    case 8:
      harness.command([](ViewController& e) { e.invertColors(); });
      break;
    case 9:
      if (const auto tile = anyTile(); tile && random() % 2 == 0)
        harness.hover(tile->center());
      harness.command([](ViewController& e) { e.deleteShapes(); });
      break;
    default:
      harness.command([](ViewController& e) {
        e.selectTools({Shapes::square, Shapes::triangle, Shapes::rhombus16});
      });
      break;
  }
  ++tally.edits;
}

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
    const double branch = unit(random);
    if (branch < 0.2) {
      runGesture(harness, random, tally);
    } else if (branch < 0.4) {
      runEdit(harness, random, tally);
    } else if (roll < 0.45 && !editor.borderEdges.empty()) {
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
  // 40 and 26 flip hexagons on the rhombus tiling, between recolouring and
  // inverting, often enough to show undo or redo off in the last place.
  const std::uint64_t seeds[] = {19, 2024, 40, 26};
  const std::size_t tilings = testing::smallTilings().size();
  for (std::size_t which = 0; which < tilings; ++which) {
    for (const std::uint64_t seed : seeds) {
      MultiShape::resetCurrent();
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
      EXPECT_GT(tally.bands, 2);
      EXPECT_GT(tally.drags, 2);
      // The newest state: a sequence that ended on undos still has them to
      // redo, and redoing everything below goes that far.
      while (harness.undoManager->canRedo()) {
        harness.redo();
        harness.settle();
      }
      EXPECT_GT(tally.edits, 10);
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
      // Exactly what was undone: steps the sequence itself left undone at
      // its end stay undone.
      for (int redos = 0; redos < undos && harness.undoManager->canRedo(); ++redos) {
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
