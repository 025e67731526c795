#include "editor/ViewController.h"

#include "support/EditorHarness.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace ornival {
namespace {

using testing::EditorHarness;
using testing::FakeClipboard;
using testing::FakePictureRenderer;

// The box of everything the drawing filled after its background.
Rect tileBox(const RecordingPainter& painter) {
  std::optional<Rect> box;
  const auto& calls = painter.calls();
  for (std::size_t i = 1; i < calls.size(); ++i) {
    if (calls[i].kind != RecordingPainter::Call::Kind::fill)
      continue;
    const auto b = calls[i].path.transformed(calls[i].transform).boundingBox();
    if (!b)
      continue;
    if (!box) {
      box = *b;
    } else {
      const Vec2 lo{std::min(box->minX(), b->minX()), std::min(box->minY(), b->minY())};
      const Vec2 hi{std::max(box->maxX(), b->maxX()), std::max(box->maxY(), b->maxY())};
      box = Rect{lo, hi - lo};
    }
  }
  return box.value_or(Rect{});
}

void expectNear(const Rect& actual, const Rect& expected) {
  EXPECT_NEAR(actual.minX(), expected.minX(), 1e-6);
  EXPECT_NEAR(actual.minY(), expected.minY(), 1e-6);
  EXPECT_NEAR(actual.maxX(), expected.maxX(), 1e-6);
  EXPECT_NEAR(actual.maxY(), expected.maxY(), 1e-6);
}

struct Snapshots : ::testing::Test {
  explicit Snapshots(double rotation = 0.0)
      : harness({.tiles = testing::squareGrid(20, 5), .prepareDocument = [rotation](Document& d) {
                   d.setRotation(rotation);
                 }}) {
    harness.editor->pictureRenderer = renderer;
    harness.editor->clipboard = clipboard;
  }

  EditorHarness harness;
  std::shared_ptr<FakePictureRenderer> renderer = std::make_shared<FakePictureRenderer>();
  std::shared_ptr<FakeClipboard> clipboard = std::make_shared<FakeClipboard>();
};

// A 400 × 100 outline with its margin is 440 × 140: at 2048 × 2048 the
// width decides the scale and the drawing sits in the middle of the height.
TEST_F(Snapshots, FitTheOutlineWithItsMarginAndCentreIt) {
  const RgbaImage image = harness.editor->snapshotImage(2048.0, 2048.0);
  EXPECT_EQ(image.width(), 2048);
  EXPECT_EQ(image.height(), 2048);
  const double s = 2048.0 / 440.0;
  // The background covers the whole picture.
  ASSERT_FALSE(renderer->painter.calls().empty());
  expectNear(*renderer->painter.calls().front().path.boundingBox(), {{0.0, 0.0}, {2048.0, 2048.0}});
  expectNear(tileBox(renderer->painter), {{20.0 * s, 1024.0 - 50.0 * s}, {400.0 * s, 100.0 * s}});

  // A tall picture: now the height decides, and the drawing is centred across.
  harness.editor->snapshotImage(600.0, 3000.0);
  const double t = std::min(600.0 / 440.0, 3000.0 / 140.0);
  expectNear(tileBox(renderer->painter), {{300.0 - 200.0 * t, 1500.0 - 50.0 * t}, {400.0 * t, 100.0 * t}});
}

struct TurnedSnapshots : Snapshots {
  TurnedSnapshots() : Snapshots(90.0) {}
};

TEST_F(TurnedSnapshots, FitTheOutlineAsTheViewTurnsIt) {
  harness.editor->snapshotImage(2048.0, 2048.0);
  const double s = 2048.0 / 440.0;
  expectNear(tileBox(renderer->painter), {{1024.0 - 50.0 * s, 20.0 * s}, {100.0 * s, 400.0 * s}});
}

TEST_F(Snapshots, WithoutSizeOrRendererGiveNoPicture) {
  for (const auto& [w, h] : {std::pair{0.0, 100.0}, std::pair{100.0, -1.0}, std::pair{std::nan(""), 10.0}})
    EXPECT_EQ(harness.editor->snapshotImage(w, h).width(), 0);
  harness.editor->pictureRenderer = nullptr;
  EXPECT_EQ(harness.editor->snapshotImage(10.0, 10.0).width(), 0);
}

TEST_F(Snapshots, InTheReliefHaveTheViewsSizeWhateverIsAsked) {
  harness.editor->sceneSnapshot = [] { return std::optional<RgbaImage>(RgbaImage(1080, 800)); };
  EXPECT_EQ(harness.editor->snapshotImage(2048.0, 2048.0).width(), 2048);  // the flat view draws
  harness.command([](ViewController& e) { e.document()->setDisplayMode(3); });
  const RgbaImage image = harness.editor->snapshotImage(2048.0, 2048.0);
  EXPECT_EQ(image.width(), 1080);
  EXPECT_EQ(image.height(), 800);
}

TEST_F(Snapshots, SharingCopiesThePictureWithItsTextAndOffersToSaveIt) {
  harness.command([](ViewController& e) { e.share(); });
  ASSERT_EQ(clipboard->copies, 1);
  EXPECT_EQ(clipboard->image->width(), 2048);
  EXPECT_EQ(clipboard->text, std::string("I just created this using the Ornival App.\n#Ornival"));
  EXPECT_EQ(clipboard->text->size(), 51u);
  ASSERT_EQ(harness.window->offeredSnapshots.size(), 1u);
  EXPECT_EQ(*harness.window->offeredSnapshots.front(), *clipboard->image);
  EXPECT_FALSE(harness.undoManager->canUndo());

  // With Option held, the picture alone.
  harness.command([](ViewController& e) { e.share(); }, {.option = true});
  EXPECT_EQ(clipboard->copies, 2);
  EXPECT_TRUE(clipboard->image);
  EXPECT_FALSE(clipboard->text);
}

}  // namespace
}  // namespace ornival
