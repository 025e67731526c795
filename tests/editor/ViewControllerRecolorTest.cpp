#include "editor/ViewController.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/HsbColor.h"
#include "support/EditorHarness.h"
#include "support/SmallTilings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ornival {
namespace {

using testing::EditorHarness;

constexpr Color teal{0.0, 0.5, 0.5, 1.0};

std::vector<Color> colors(const ViewController& editor) {
  std::vector<Color> result;
  for (const auto& tile : editor.graph().shapes())
    result.push_back(tile->shapeColor());
  return result;
}

void paintAll(EditorHarness& harness, const Color& color) {
  for (const auto& tile : harness.editor->graph().shapes())
    tile->setShapeColor(color);
}

struct Command {
  const char* name;
  void (*run)(ViewController&);
};

const Command commands[] = {
    {"random", [](ViewController& e) { e.randomColors(); }},
    {"by angle", [](ViewController& e) { e.hueColorsByAngle(); }},
    {"by edge angle", [](ViewController& e) { e.hueColorsByEdgeAngle(); }},
    {"black or white", [](ViewController& e) { e.blackOrWhiteColors(0); }},
    {"white", [](ViewController& e) { e.whiteColors(); }},
};

TEST(ViewControllerRecolor, EachCommandIsOneUndoStepThatRestoresEveryColour) {
  for (const Command& command : commands) {
    SCOPED_TRACE(command.name);
    EditorHarness harness(testing::squares().tiles);
    auto& e = *harness.editor;
    paintAll(harness, teal);
    const std::string before = harness.documentText();
    const std::size_t steps = harness.undoManager->undoCount();
    harness.command(command.run);
    EXPECT_EQ(harness.undoManager->undoCount(), steps + 1);
    EXPECT_EQ(harness.undoManager->undoActionName(), "Change Shape Color");
    EXPECT_NE(colors(e), std::vector<Color>(4, teal));
    harness.undo();
    EXPECT_EQ(colors(e), std::vector<Color>(4, teal));
    EXPECT_EQ(harness.documentText(), before);
    EXPECT_TRUE(harness.checkInvariants());
  }
}

TEST(ViewControllerRecolor, ASelectedTileIsTheOnlyOneRecoloured) {
  for (const Command& command : commands) {
    SCOPED_TRACE(command.name);
    EditorHarness harness(testing::squares().tiles);
    auto& e = *harness.editor;
    paintAll(harness, teal);
    e.graph().shapes()[0]->marked = true;
    harness.command(command.run);
    const auto after = colors(e);
    EXPECT_NE(after[0], teal);
    EXPECT_EQ(std::vector<Color>(after.begin() + 1, after.end()), std::vector<Color>(3, teal));
  }
}

TEST(ViewControllerRecolor, AnEmptyTilingRegistersNothingToUndo) {
  for (const Command& command : commands) {
    SCOPED_TRACE(command.name);
    EditorHarness harness;
    const std::size_t steps = harness.undoManager->undoCount();
    harness.command(command.run);
    EXPECT_EQ(harness.undoManager->undoCount(), steps);
  }
}

TEST(ViewControllerRecolor, PressingBTwiceSwapsTheTwoClassesAndGroupsKeepOneColour) {
  EditorHarness harness(testing::squares().tiles);
  auto& e = *harness.editor;
  // Tiles 0 and 1 side by side, 2 above 0, 3 above 1.
  harness.command([](ViewController& editor) { editor.blackOrWhiteColors(0); });
  const auto first = colors(e);
  EXPECT_EQ(first, (std::vector<Color>{Color::white(), Color::black(), Color::black(), Color::white()}));
  harness.command([](ViewController& editor) { editor.blackOrWhiteColors(1); });
  EXPECT_EQ(colors(e), (std::vector<Color>{Color::black(), Color::white(), Color::white(), Color::black()}));

  // Glued into a group, tile 1 takes tile 0's colour.
  const auto& shared = e.graph().shapes()[0]->edges()[1];
  shared->isGroupJoin = true;
  shared->join.lock()->isGroupJoin = true;
  harness.command([](ViewController& editor) { editor.blackOrWhiteColors(1); });
  const auto grouped = colors(e);
  EXPECT_EQ(grouped[0], Color::black());
  EXPECT_EQ(grouped[1], Color::black());
}

TEST(ViewControllerRecolor, BlackOrWhiteAndWhiteReachOnlyThePatchOfTheFirstTile) {
  for (const Command& command : {commands[3], commands[4]}) {
    SCOPED_TRACE(command.name);
    EditorHarness harness(testing::squaresWithIsland().tiles);
    auto& e = *harness.editor;
    paintAll(harness, teal);
    harness.command(command.run);
    const auto after = colors(e);
    EXPECT_NE(after[0], teal);
    EXPECT_EQ(after[2], teal);
    EXPECT_EQ(after[3], teal);
  }
}

TEST(ViewControllerRecolor, ASeededSourceGivesTheSameRandomColoursInStepsOf65536) {
  const auto run = [](std::uint64_t seed) {
    EditorHarness harness(testing::triangleRing().tiles);
    harness.editor->randomSource = RandomSource::create(seed);
    harness.command([](ViewController& e) { e.randomColors(); });
    return colors(*harness.editor);
  };
  const auto first = run(7);
  EXPECT_EQ(run(7), first);
  EXPECT_NE(run(8), first);
  for (const Color& c : first) {
    for (const double component : {c.red, c.green, c.blue}) {
      const double steps = component * 65536.0;
      EXPECT_EQ(steps, std::floor(steps));
      EXPECT_LT(component, 1.0);
    }
    EXPECT_EQ(c.alpha, 1.0);
  }
}

// One square at its default place, the pointer at its corner 0: the hue of
// the corner's direction and the mix of the side's direction with the side
// before it.
TEST(ViewControllerRecolor, HuesFollowTheCornerAndSideDirectionsNearestThePointer) {
  struct Case {
    const char* name;
    void (*run)(ViewController&);
    HsbColor expected;
  };
  const double k1 = std::abs(std::cos(-std::numbers::pi / 8.0));
  const double k2 = std::abs(std::cos(-std::numbers::pi / 4.0));
  const Case cases[] = {
      // Corner direction -135°: hue (-3/4 + 9) / 2 mod 1.
      {"by angle", commands[1].run, {0.125, 1.0 - k1 * 0.5, k1, 1.0}},
      // Side 0 runs at 0°, side 3 at -90°: the brightness takes 0 + -90° / 2.
      {"by edge angle", commands[2].run, {0.5, 1.0 - k2 * 0.5, k2, 1.0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorHarness harness(std::vector<std::shared_ptr<Shape>>{
        testing::placedTile(testing::catalogueFigure(Shapes::square))});
    harness.editor->selectedPoint = {1.0, 1.0};
    harness.command(c.run);
    const HsbColor got = hsbOf(harness.editor->graph().shapes()[0]->shapeColor());
    EXPECT_NEAR(got.hue, c.expected.hue, 1e-9);
    EXPECT_NEAR(got.saturation, c.expected.saturation, 1e-9);
    EXPECT_NEAR(got.brightness, c.expected.brightness, 1e-9);
  }
}

}  // namespace
}  // namespace ornival
