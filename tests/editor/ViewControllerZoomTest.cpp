#include "editor/ViewController.h"

#include "support/EditorHarness.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

using testing::EditorHarness;

constexpr ModifierFlags option{.option = true};

struct ZoomCase {
  double from;
  double delta;
  double to;
  bool rasterized;
};

TEST(ViewControllerZoom, WheelZoomsInStepsOfOneWithinFourHundred) {
  const ZoomCase cases[] = {
      {20.0, 1.0, 21.0, true},    {20.0, -0.1, 19.0, true},  {1.0, -1.0, 0.0, true},
      {400.0, 1.0, 400.0, false}, {-400.0, -1.0, -400.0, false}, {20.0, 0.0, 20.0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from * 10 + c.delta);
    EditorHarness harness(testing::squareGrid(2, 1));
    auto& e = *harness.editor;
    e.setScale(c.from);
    harness.scroll(c.delta);
    EXPECT_EQ(e.scale(), c.to);
    EXPECT_EQ(e.layer->shouldRasterize(), c.rasterized);
    EXPECT_TRUE(e.scrollWheelIsRunning);
    // The wheel zooms the view only.
    EXPECT_EQ(harness.document->scale(), 20.0);
    EXPECT_FALSE(harness.undoManager->canUndo());
  }
}

TEST(ViewControllerZoom, GestureEndStopsRasterizingAndAllowsTheToggleAgain) {
  EditorHarness harness(testing::squareGrid(2, 1));
  auto& e = *harness.editor;
  harness.scroll(1.0, {}, ScrollPhase::changed);
  harness.command([](ViewController& editor) { editor.toggleZoom(); });
  EXPECT_EQ(e.scale(), 21.0);
  harness.scroll(0.0, {}, ScrollPhase::none, ScrollPhase::ended);
  EXPECT_FALSE(e.layer->shouldRasterize());
  EXPECT_FALSE(e.scrollWheelIsRunning);
  harness.command([](ViewController& editor) { editor.toggleZoom(); });
  EXPECT_EQ(e.scale(), 20.0);
  EXPECT_EQ(e.oldScale, 21.0);
}

struct TurnCase {
  double from;
  double delta;
  double to;
};

// Option turns the view by 3 degrees against the wheel; the document keeps
// the angle within ±180.
TEST(ViewControllerZoom, OptionWheelTurnsTheViewInStepsOfThree) {
  const TurnCase cases[] = {
      {0.0, 1.0, -3.0}, {0.0, -1.0, 3.0}, {179.0, -1.0, -178.0}, {-179.0, 1.0, 178.0}, {45.0, 0.0, 45.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from * 10 + c.delta);
    EditorHarness harness(testing::squareGrid(2, 1));
    harness.document->setRotation(c.from);
    harness.scroll(c.delta, option);
    EXPECT_EQ(harness.document->rotation(), c.to);
    EXPECT_EQ(harness.editor->rotation(), c.to);
    EXPECT_EQ(harness.editor->scale(), 20.0);
  }
}

TEST(ViewControllerZoom, ToggleJumpsBetweenTwentyAndTheZoomBefore) {
  EditorHarness harness(testing::squareGrid(2, 1));
  auto& e = *harness.editor;
  const auto toggle = [&] { harness.command([](ViewController& editor) { editor.toggleZoom(); }); };
  toggle();
  EXPECT_EQ(e.scale(), 80.0);
  toggle();
  EXPECT_EQ(e.scale(), 20.0);
  EXPECT_EQ(e.oldScale, 80.0);
  e.setScale(35.0);
  toggle();
  EXPECT_EQ(e.scale(), 20.0);
  EXPECT_EQ(e.oldScale, 35.0);

  // At 20 with 20 remembered nothing moves.
  e.oldScale = 20.0;
  e.layer->setTransform(AffineTransform::identity());
  toggle();
  EXPECT_EQ(e.scale(), 20.0);
  EXPECT_TRUE(e.layer->transform().isIdentity());

  // In the relief view the change animates, and only that one.
  harness.command([&](ViewController&) { harness.document->setDisplayMode(3); });
  e.oldScale = 50.0;
  toggle();
  const auto animation = e.layer->animation("transform");
  ASSERT_TRUE(animation);
  EXPECT_EQ(animation->duration, 0.4);
  EXPECT_EQ(animation->timingFunction, TimingFunction::easeOut);
  EXPECT_FALSE(e.animateScale());
}

TEST(ViewControllerZoom, HuggingSquareTurnsTheOutlineUntilItsBoxIsSquare) {
  // Two squares make a 2 × 1 rectangle: square at 45 degrees.
  EditorHarness harness(testing::squareGrid(2, 1));
  harness.command([](ViewController& e) { e.huggingSquare(); });
  EXPECT_NEAR(harness.editor->rotation(), 45.0, 1e-9);
  EXPECT_FALSE(harness.undoManager->canUndo());

  // A box that is square already stays as it is.
  EditorHarness turned(testing::squareGrid(1, 1));
  turned.command([](ViewController& e) { e.huggingSquare(); });
  EXPECT_EQ(turned.editor->rotation(), 0.0);
  EditorHarness empty;
  empty.command([](ViewController& e) { e.huggingSquare(); });
  EXPECT_EQ(empty.editor->rotation(), 0.0);
}

}  // namespace
}  // namespace ornival
