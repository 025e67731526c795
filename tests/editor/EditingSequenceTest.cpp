// Every gesture and command in a seeded random order, from every example,
// the small tilings and a field of rhombus hexagons: placing, removing, dragging, rubber bands,
// selecting, grouping, cutting, copying, pasting, flipping, recolouring,
// band and surface settings, arrow keys, undoing and redoing. The editor's
// invariants hold after every step, and the document's text is the oracle:
// undoing everything gives the text the run started with, redoing everything
// the text it ended with, and a seed gives the same texts step by step each
// time it runs.
//
// The test runs two seeds for a few hundred steps from each start. The long
// form takes its seeds and length from the environment:
// ORNIVAL_EDITING_SEEDS=1,2,3 ORNIVAL_EDITING_STEPS=2000 (see
// scripts/editing-sequence.sh).

#include "editor/ViewController.h"

#include "document/OrnivalModel.h"
#include "editor/Undo.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "platform/NumberText.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

namespace ornival {
namespace {

using testing::EditorHarness;

// A document to start from: the tiles it reads and its settings.
struct Start {
  std::string name;
  std::function<EditorHarness::Setup()> setup;
};

const std::vector<Shapes> sequenceTools{Shapes::square, Shapes::triangle, Shapes::rhombus16};
// Tiles beyond which a pasted group is no longer placed.
constexpr std::size_t largestDrawing = 1200;

// Nine hexagons of three rhombi each, side by side: every hexagon is a
// corner that a flip can turn, so flips come up from the first steps on,
// as they hardly do where random placing has to make such a corner first.
std::vector<std::shared_ptr<Shape>> rhombusField() {
  const auto hexagon = testing::rhombusHexagon().tiles;
  // The hexagon's middle is the corner its three tiles share.
  const auto shared = [&](Vec2 p) {
    return std::all_of(hexagon.begin(), hexagon.end(), [&](const auto& tile) {
      return std::any_of(tile->edges().begin(), tile->edges().end(),
                         [&](const auto& edge) { return (edge->transformedVertex() - p).lengthSquared() < 1e-9; });
    });
  };
  Vec2 centre{};
  for (const auto& edge : hexagon[0]->edges()) {
    if (shared(edge->transformedVertex()))
      centre = edge->transformedVertex();
  }
  // The middles of the outer sides lie farthest from it; twice the way to
  // two of them 60 degrees apart leads to the middles of two neighbours.
  std::vector<Vec2> outer;
  double farthest = 0.0;
  for (const auto& tile : hexagon) {
    for (const auto& edge : tile->edges()) {
      const Vec2 middle = (edge->transformedVertex() + edge->transformedEnd()) * 0.5 - centre;
      farthest = std::max(farthest, middle.lengthSquared());
      outer.push_back(middle);
    }
  }
  std::erase_if(outer, [&](Vec2 m) { return m.lengthSquared() < farthest * 0.99; });
  const Vec2 u = outer[0] * 2.0;
  Vec2 v = u;
  for (const Vec2 m : outer) {
    if (std::abs(m.x * outer[0].x + m.y * outer[0].y - 0.5 * farthest) < 1e-6 * farthest)
      v = m * 2.0;
  }
  std::vector<std::shared_ptr<Shape>> tiles;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      const Vec2 shift = u * double(i) + v * double(j);
      for (const auto& tile : hexagon) {
        auto copy = Shape::create(tile->figure());
        copy->transformation = tile->transformation.concatenating(AffineTransform::translation(shift.x, shift.y));
        copy->updateTransformedGeometry();
        tiles.push_back(std::move(copy));
      }
    }
  }
  return tiles;
}

std::vector<Start> starts() {
  std::vector<Start> all;
  for (std::size_t k = 0; k < testing::smallTilings().size(); ++k) {
    all.push_back({testing::smallTilings()[k].name, [k] {
                     return EditorHarness::Setup{
                         .tiles = testing::smallTilings()[k].tiles, .prepareDocument = {}, .tools = sequenceTools};
                   }});
  }
  all.push_back({"rhombus field", [] {
                   return EditorHarness::Setup{.tiles = rhombusField(), .prepareDocument = {}, .tools = sequenceTools};
                 }});
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(ORNIVAL_EXAMPLES_DIR))
    files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    all.push_back({file.stem().string(), [text = text.str()] {
                     const auto model = OrnivalModel::create();
                     model->read(text);
                     return EditorHarness::Setup{
                         .tiles = model->shapes,
                         .prepareDocument = [settings = model->settings](Document& d) { d.applyFileSettings(settings); },
                         .tools = sequenceTools};
                   }});
  }
  return all;
}

struct Tally {
  int placed = 0;
  int removed = 0;
  int undone = 0;
  int redone = 0;
  int bands = 0;
  int drags = 0;
  int edits = 0;
  int flipped = 0;
  int recolored = 0;
  int settings = 0;
  int keys = 0;
};

struct SequenceRun {
  Tally tally;
  // The document text after every step, as a hash.
  std::vector<std::size_t> texts;
};

// Hovers just beyond a free side and places what is offered there.
bool placeBeside(EditorHarness& harness, std::mt19937_64& random) {
  auto& editor = *harness.editor;
  if (editor.borderEdges.empty())
    return false;
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const auto& side = editor.borderEdges[random() % editor.borderEdges.size()];
  harness.hover(testing::pointBeyond(*side, 0.1 + 0.3 * unit(random)));
  if (!std::dynamic_pointer_cast<NeighborModel>(editor.selectedShape.lock()))
    return false;
  harness.command([](ViewController& e) { e.placeCandidate(); });
  return true;
}

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

// Selection and edit commands: selecting tiles, groups, regions, kinds,
// layers and all, cut, copy, paste and place, group, ungroup, mirror,
// invert, delete, and the tools.
void runEdit(EditorHarness& harness, std::mt19937_64& random, Tally& tally) {
  auto& editor = *harness.editor;
  const auto& tiles = editor.graph().shapes();
  const auto anyTile = [&]() -> std::shared_ptr<Shape> {
    return tiles.empty() ? nullptr : tiles[random() % tiles.size()];
  };
  const ModifierFlags keys{.shift = random() % 3 == 0, .control = false, .option = random() % 4 == 0,
                           .command = false};
  switch (random() % 13) {
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
      if (const auto tile = anyTile()) {
        const Shapes kind = tile->figure()->tool();
        const int layer = tile->layerIndex;
        const bool byKind = random() % 2 == 0;
        harness.command([&](ViewController& e) { byKind ? e.selectShapes(kind, std::nullopt) : e.selectLayer(layer); });
      }
      break;
    case 3:
    case 4:
      if (const auto tile = anyTile(); tile && random() % 2 == 0)
        harness.hover(tile->center());
      harness.command([&](ViewController& e) { random() % 3 == 0 ? e.cut() : e.copy(); });
      break;
    case 5:
      harness.command([](ViewController& e) { e.paste(0); });
      // The group placed against a free side, when it fits there. A drawing
      // copied whole and placed again doubles: past a size that tells
      // nothing new, the run only pastes, so that long runs stay quick.
      if (tiles.size() < largestDrawing)
        placeBeside(harness, random);
      break;
    case 6:
      harness.command([](ViewController& e) { e.group(); });
      break;
    case 7:
      harness.command([](ViewController& e) { e.ungroup(); });
      break;
    case 8:
      harness.command([](ViewController& e) { e.mirror(); }, keys);
      break;
    case 9:
      harness.command([](ViewController& e) { e.invertColors(); });
      break;
    case 10:
      if (const auto tile = anyTile(); tile && random() % 2 == 0)
        harness.hover(tile->center());
      harness.command([](ViewController& e) { e.deleteShapes(); });
      break;
    case 11:
      // The figure of a tile of the drawing, with or without the others.
      if (const auto tile = anyTile()) {
        std::vector<Shapes> tools{tile->figure()->tool()};
        if (random() % 2 == 0)
          tools.insert(tools.end(), sequenceTools.begin(), sequenceTools.end());
        harness.command([&](ViewController& e) { e.selectTools(tools); });
      }
      break;
    default:
      harness.command([](ViewController& e) { e.selectTools(sequenceTools); });
      break;
  }
  ++tally.edits;
}

// The first three tiles that close a hexagon a flip can turn, in flip order;
// none when the tiling has no such hexagon.
std::vector<std::shared_ptr<Shape>> flippableHexagon(const ViewController& editor, std::mt19937_64& random) {
  const auto& tiles = editor.graph().shapes();
  if (tiles.empty())
    return {};
  // From a tile drawn at random on, round the list.
  const std::size_t first = random() % tiles.size();
  for (std::size_t k = 0; k < tiles.size(); ++k) {
    const auto& tile = tiles[(first + k) % tiles.size()];
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

Color randomColor(std::mt19937_64& random) {
  const auto component = [&] { return double(random() % 256) / 255.0; };
  return {component(), component(), component(), random() % 4 == 0 ? component() : 1.0};
}

// The recolouring keys, and a colour or layer given to the selected tiles.
void runRecolor(EditorHarness& harness, std::mt19937_64& random, Tally& tally) {
  const auto which = random() % 7;
  const int parity = int(random() % 2);
  const Color color = randomColor(random);
  const int layer = int(random() % 4);
  harness.command([&](ViewController& e) {
    switch (which) {
      case 0: e.randomColors(); break;
      case 1: e.hueColorsByAngle(); break;
      case 2: e.hueColorsByEdgeAngle(); break;
      case 3: e.blackOrWhiteColors(parity); break;
      case 4: e.whiteColors(); break;
      case 5: e.document()->setShapeColor(color); break;
      default: e.document()->setLayerIndex(layer); break;
    }
  });
  ++tally.recolored;
}

// One of the document's settings that the user can undo.
void runSetting(EditorHarness& harness, std::mt19937_64& random, Tally& tally) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  Document& d = *harness.document;
  const double value = unit(random);
  const Color color = randomColor(random);
  const auto which = random() % 17;
  harness.command([&](ViewController&) {
    switch (which) {
      case 0: d.setBorderWidth(8.0 * value); break;
      case 1: d.setBorderWidth2(8.0 * value); break;
      case 2: d.setBorderWidth3(8.0 * value); break;
      case 3: d.setBorderColor(color); break;
      case 4: d.setBorderColor2(color); break;
      case 5: d.setBorderColor3(color); break;
      case 6: d.setBorderLineStyle(value < 0.5); break;
      case 7: d.setCrossingsValue(int(3.0 * value)); break;
      case 8: d.setShapeBezierFactor(value); break;
      case 9: d.setBorderBezierFactor(value); break;
      case 10: d.setBorderRadiusLimit(value); break;
      case 11: d.setShapeRadiusLimit(value); break;
      case 12: d.setBackgroundColor(color); break;
      case 13: d.setMetalness(value); break;
      case 14: d.setRipple(value); break;
      case 15: d.setLightAngleX(90.0 * value); break;
      default: d.setSurfaceRoundness(value); break;
    }
  });
  ++tally.settings;
}

// The arrow keys walk the candidates, Return places the one shown, Escape
// stops what the mouse is doing.
void runKeys(EditorHarness& harness, std::mt19937_64& random, Tally& tally) {
  if (!placeBeside(harness, random) && random() % 2 == 0) {
    harness.key("\x1b");
  } else {
    for (int presses = int(random() % 4); presses > 0; --presses) {
      const auto which = random() % 4;
      harness.command([&](ViewController& e) {
        switch (which) {
          case 0: e.moveNeighborSelectionUp(); break;
          case 1: e.moveNeighborSelectionDown(); break;
          case 2: e.moveNeighborSelectionLeft(); break;
          default: e.moveNeighborSelectionRight(); break;
        }
      });
      harness.settle();
    }
    harness.command([](ViewController& e) { e.placeCandidate(); });
  }
  ++tally.keys;
}

// The text without its first settings line, the tool colour: like the
// chosen tools it is no edit, and undo leaves it as it is.
std::string withoutToolColor(const std::string& text) {
  const std::size_t at = text.find("\nshapeColor: ");
  if (at == std::string::npos)
    return text;
  return text.substr(0, at) + text.substr(text.find('\n', at + 1));
}

SequenceRun runSequence(EditorHarness& harness, std::uint64_t seed, int steps) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  SequenceRun run;
  Tally& tally = run.tally;
  auto& editor = *harness.editor;
  for (int step = 0; step < steps; ++step) {
    SCOPED_TRACE("step " + std::to_string(step));
    const double roll = unit(random);
    if (roll < 0.28) {
      tally.placed += placeBeside(harness, random) ? 1 : 0;
    } else if (roll < 0.40) {
      if (!editor.graph().shapes().empty()) {
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
      }
    } else if (roll < 0.54) {
      if (harness.undoManager->canUndo()) {
        harness.undo();
        ++tally.undone;
      }
    } else if (roll < 0.60) {
      if (harness.undoManager->canRedo()) {
        harness.redo();
        ++tally.redone;
      }
    } else if (roll < 0.70) {
      runGesture(harness, random, tally);
    } else if (roll < 0.82) {
      runEdit(harness, random, tally);
    } else if (roll < 0.87) {
      const auto hexagon = flippableHexagon(editor, random);
      if (!hexagon.empty()) {
        bool flipped = false;
        harness.command([&](ViewController& e) { flipped = e.swapShapes(hexagon); });
        EXPECT_TRUE(flipped);
        ++tally.flipped;
      } else {
        runRecolor(harness, random, tally);
      }
    } else if (roll < 0.91) {
      runRecolor(harness, random, tally);
    } else if (roll < 0.96) {
      runSetting(harness, random, tally);
    } else {
      runKeys(harness, random, tally);
    }
    harness.settle();
    EXPECT_TRUE(harness.checkInvariants());
    run.texts.push_back(std::hash<std::string>{}(harness.documentText()));
    if (::testing::Test::HasFailure())
      break;
  }
  return run;
}

std::vector<std::uint64_t> seedsToRun() {
  std::vector<std::uint64_t> seeds;
  if (const char* given = std::getenv("ORNIVAL_EDITING_SEEDS")) {
    std::string_view text = given;
    while (!text.empty()) {
      const std::size_t comma = text.find(',');
      if (const auto seed = parseInteger(text.substr(0, comma)))
        seeds.push_back(std::uint64_t(*seed));
      text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
  }
  if (seeds.empty())
    seeds = {19, 2024};
  return seeds;
}

int stepsToRun() {
  if (const char* given = std::getenv("ORNIVAL_EDITING_STEPS")) {
    if (const auto steps = parseInteger(given); steps && *steps > 0)
      return int(*steps);
  }
  return 200;
}

class EditingSequence : public ::testing::TestWithParam<std::size_t> {
protected:
  void TearDown() override { MultiShape::resetCurrent(); }
};

TEST_P(EditingSequence, EveryStepKeepsTheInvariantsAndUndoAllAndRedoAllGiveBackTheTexts) {
  const Start start = starts()[GetParam()];
  const int steps = stepsToRun();
  for (const std::uint64_t seed : seedsToRun()) {
    MultiShape::resetCurrent();
    SCOPED_TRACE(start.name + ", seed " + std::to_string(seed));
    EditorHarness harness(start.setup());
    harness.editor->randomSource = RandomSource::create(seed);
    ASSERT_TRUE(harness.checkInvariants());
    const std::string first = withoutToolColor(harness.documentText());
    const SequenceRun run = runSequence(harness, seed, steps);
    if (HasFailure())
      return;
    const Tally& tally = run.tally;
    // What the run did, for the long form's logs.
    std::printf("%s, seed %llu: %d placed, %d removed, %d undone, %d redone, %d bands, %d drags, %d edits, "
                "%d flipped, %d recoloured, %d settings, %d keys; %zu tiles at the end\n",
                start.name.c_str(), static_cast<unsigned long long>(seed), tally.placed, tally.removed, tally.undone,
                tally.redone, tally.bands, tally.drags, tally.edits, tally.flipped, tally.recolored, tally.settings,
                tally.keys, harness.editor->graph().shapes().size());
    EXPECT_GT(tally.placed, steps / 20);
    EXPECT_GT(tally.removed, steps / 20);
    EXPECT_GT(tally.undone, steps / 20);
    EXPECT_GT(tally.bands + tally.drags, steps / 40);
    EXPECT_GT(tally.edits, steps / 20);
    EXPECT_GT(tally.recolored + tally.flipped, steps / 40);
    EXPECT_GT(tally.settings, steps / 50);
    EXPECT_GT(tally.keys, 0);
    if (start.name == "rhombus field") {
      EXPECT_GT(tally.flipped, 0);
    }
    // The newest state: a sequence that ended on undos still has them to
    // redo, and redoing everything below goes that far.
    while (harness.undoManager->canRedo()) {
      harness.redo();
      harness.settle();
    }
    const std::string last = withoutToolColor(harness.documentText());

    int undos = 0;
    while (harness.undoManager->canUndo()) {
      harness.undo();
      harness.settle();
      ASSERT_TRUE(harness.checkInvariants()) << "undo " << undos;
      ++undos;
    }
    EXPECT_EQ(withoutToolColor(harness.documentText()), first);
    // Exactly what was undone: steps the sequence itself left undone at its
    // end stay undone.
    for (int redos = 0; redos < undos && harness.undoManager->canRedo(); ++redos) {
      harness.redo();
      harness.settle();
      ASSERT_TRUE(harness.checkInvariants()) << "redo " << redos;
    }
    EXPECT_EQ(withoutToolColor(harness.documentText()), last);
  }
}

INSTANTIATE_TEST_SUITE_P(FromEveryStart, EditingSequence, ::testing::Range(std::size_t(0), starts().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                           const auto all = starts();
                           std::string name;
                           for (const char c : all[info.param].name)
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

// The same seed makes the same run: candidate lists and the hit test's
// answers do not depend on which worker finishes first. Example 03 with its
// groups, pasted and placed, and twelve figures of one kind.
TEST(EditingSequenceRepeats, OneSeedGivesTheSameTextAfterEveryStep) {
  const auto all = starts();
  const auto start = std::find_if(all.begin(), all.end(), [](const Start& s) { return s.name == "03-TwelveFold"; });
  ASSERT_NE(start, all.end());
  std::vector<std::size_t> first;
  for (int run = 0; run < 2; ++run) {
    MultiShape::resetCurrent();
    EditorHarness harness(start->setup());
    harness.editor->randomSource = RandomSource::create(7);
    const SequenceRun result = runSequence(harness, 7, stepsToRun());
    ASSERT_FALSE(HasFailure());
    if (run == 0) {
      first = result.texts;
    } else {
      ASSERT_EQ(result.texts.size(), first.size());
      for (std::size_t step = 0; step < first.size(); ++step)
        ASSERT_EQ(result.texts[step], first[step]) << "the runs part at step " << step;
    }
  }
  MultiShape::resetCurrent();
}

}  // namespace
}  // namespace ornival
