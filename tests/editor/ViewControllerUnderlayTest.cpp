#include "editor/ViewController.h"

#include "model/Shape.h"
#include "platform/ShapeLayer.h"
#include "support/EditorHarness.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

using testing::EditorHarness;
using testing::FakeImageDecoder;

// A picture whose pixels tell it apart from others of its size.
RgbaImage picture(int width, int height, std::uint8_t red) {
  RgbaImage image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.pixel(x, y) = {red, std::uint8_t(x), std::uint8_t(y), 255};
  return image;
}

// Everything an underlay change may touch, to compare states whole.
struct UnderlayState {
  bool shown = false;
  std::optional<RgbaImage> contents;
  std::optional<RgbaImage> bitmap;
  std::optional<std::filesystem::path> url;
  Rect bounds;
  std::optional<Path> frame;
  bool operator==(const UnderlayState&) const = default;
};

UnderlayState stateOf(const EditorHarness& harness) {
  const ViewController& e = *harness.editor;
  UnderlayState state;
  if (e.bitmap)
    state.bitmap = *e.bitmap;
  state.url = e.imageURL;
  if (!e.imageLayer)
    return state;
  state.shown = e.imageLayer->superlayer() == harness.view->viewLayer;
  if (e.imageLayer->contents())
    state.contents = *e.imageLayer->contents();
  state.bounds = e.imageLayer->bounds();
  state.frame = e.imageLayer->path();
  return state;
}

struct Underlays : ::testing::Test {
  Underlays() {
    decoder->files["/pictures/a.png"] = picture(4, 3, 10);
    decoder->files["/pictures/b.jpg"] = picture(2, 5, 20);
    harness.editor->imageDecoder = decoder;
  }
  void drop(const std::filesystem::path& file) {
    harness.event([&] { harness.editor->setImage(file); });
  }

  EditorHarness harness{testing::squareGrid(3, 2)};
  std::shared_ptr<FakeImageDecoder> decoder = std::make_shared<FakeImageDecoder>();
};

TEST_F(Underlays, FirstPictureCoversThePageBeneathTheDrawingWithoutFrame) {
  const ViewController& e = *harness.editor;
  drop("/pictures/a.png");
  ASSERT_TRUE(e.imageLayer);
  const UnderlayState state = stateOf(harness);
  EXPECT_TRUE(state.shown);
  EXPECT_EQ(state.contents, picture(4, 3, 10));
  EXPECT_EQ(state.bitmap, picture(4, 3, 10));
  EXPECT_EQ(state.url, std::filesystem::path("/pictures/a.png"));
  EXPECT_EQ(state.bounds, (Rect{{0.0, 0.0}, {60.0, 40.0}}));
  EXPECT_EQ(state.bounds, e.pageBounds());
  EXPECT_FALSE(state.frame);
  EXPECT_EQ(e.imageLayer->zPosition(), -1.0);
  EXPECT_EQ(e.imageLayer->opacity(), 1.0);
  EXPECT_FALSE(e.imageLayer->fillColor());
  EXPECT_EQ(e.imageLayer->strokeColor(), (Color{119.0 / 255.0, 195.0 / 255.0, 68.0 / 255.0, 1.0}));
  EXPECT_EQ(e.imageLayer->shadowOffset(), (Vec2{0.0, -0.5}));
  // Centred on the drawing and zoomed with it, not turned.
  const Vec2 centre = e.imageLayer->convertTo({30.0, 20.0}, *harness.view->viewLayer);
  EXPECT_NEAR(centre.x, 540.0, 1e-9);
  EXPECT_NEAR(centre.y, 400.0, 1e-9);
}

TEST_F(Underlays, AFileThatIsNoPictureIsIgnored) {
  drop("/pictures/a.png");
  const UnderlayState before = stateOf(harness);
  const auto steps = harness.undoManager->undoCount();
  drop("/pictures/notes.txt");
  EXPECT_EQ(stateOf(harness), before);
  EXPECT_EQ(harness.undoManager->undoCount(), steps);
}

TEST_F(Underlays, ASecondPictureKeepsTheFirstOnesRectangleAndFrame) {
  drop("/pictures/a.png");
  // The frame as the change-colours popover gives it, then dragged elsewhere.
  const Rect moved{{-10.0, 5.0}, {80.0, 30.0}};
  harness.editor->imageLayer->setBounds(moved);
  harness.editor->imageLayer->setPath(Path::rectangle(moved));
  const auto first = harness.editor->imageLayer;
  drop("/pictures/b.jpg");
  const UnderlayState state = stateOf(harness);
  EXPECT_NE(harness.editor->imageLayer, first);
  EXPECT_FALSE(first->superlayer());
  EXPECT_EQ(state.contents, picture(2, 5, 20));
  EXPECT_EQ(state.url, std::filesystem::path("/pictures/b.jpg"));
  EXPECT_EQ(state.bounds, moved);
  EXPECT_EQ(state.frame, Path::rectangle(moved));
}

// Each change is undone to exactly what was there before it, and redone to
// what it made.
TEST_F(Underlays, UndoAndRedoPutBackEachUnderlayExactly) {
  std::vector<UnderlayState> states{stateOf(harness)};
  drop("/pictures/a.png");
  harness.event([&] {
    const Rect moved{{-10.0, 5.0}, {80.0, 30.0}};
    harness.editor->imageLayer->setBounds(moved);
    harness.editor->imageLayer->setPath(Path::rectangle(moved));
    harness.editor->updateImageLayerTransform();
  });
  states.push_back(stateOf(harness));
  drop("/pictures/b.jpg");
  states.push_back(stateOf(harness));
  harness.event([&] { harness.editor->removeImage(); });
  states.push_back(stateOf(harness));
  EXPECT_FALSE(states.back().shown);
  EXPECT_FALSE(states.back().bitmap);

  for (auto state = states.rbegin() + 1; state != states.rend(); ++state) {
    harness.undo();
    EXPECT_EQ(stateOf(harness), *state);
  }
  EXPECT_FALSE(harness.undoManager->canUndo());
  for (auto state = states.begin() + 1; state != states.end(); ++state) {
    harness.redo();
    EXPECT_EQ(stateOf(harness), *state);
  }
  // Only the editor's own layers stay in the view.
  EXPECT_EQ(harness.view->viewLayer->sublayers(),
            (std::vector<std::shared_ptr<Layer>>{harness.editor->boundsLayer, harness.editor->layer}));
}

TEST_F(Underlays, APictureWithoutPixelsRemovesTheUnderlay) {
  drop("/pictures/a.png");
  harness.event([&] { harness.editor->setImageLayer(std::make_shared<const RgbaImage>(), std::nullopt); });
  EXPECT_FALSE(harness.editor->imageLayer);
  EXPECT_FALSE(harness.editor->bitmap);
  EXPECT_EQ(harness.view->viewLayer->sublayers().size(), 2u);
  // Removing again changes nothing and leaves no step.
  const auto steps = harness.undoManager->undoCount();
  harness.event([&] { harness.editor->removeImage(); });
  EXPECT_EQ(harness.undoManager->undoCount(), steps);
}

TEST(UnderlayOnAnEmptyTiling, FitsThePictureInItsProportionsAtThePageCentre) {
  EditorHarness harness;
  auto decoder = std::make_shared<FakeImageDecoder>();
  decoder->files["/wide.png"] = picture(8, 2, 0);
  harness.editor->imageDecoder = decoder;
  harness.event([&] { harness.editor->setImage("/wide.png"); });
  ASSERT_TRUE(harness.editor->imageLayer);
  EXPECT_EQ(harness.editor->imageLayer->bounds(), (Rect{{-160.0, -40.0}, {320.0, 80.0}}));
}

TEST(UnderlayInTheRelief, IsHalfTransparent) {
  EditorHarness harness(testing::squareGrid(1, 1));
  harness.command([](ViewController& e) { e.document()->setDisplayMode(3); });
  harness.event([&] { harness.editor->setImageLayer(std::make_shared<const RgbaImage>(picture(1, 1, 0)), {}); });
  EXPECT_EQ(harness.editor->imageLayer->opacity(), 0.5);
}

// Two squares with a gap of one unit between them.
struct ColourDrops : ::testing::Test {
  static std::vector<std::shared_ptr<Shape>> apart() {
    const auto square = testing::unitSquare();
    return {testing::tileAt(square, AffineTransform::translation(0.0, 0.0)),
            testing::tileAt(square, AffineTransform::translation(2.0, 0.0))};
  }
  void dropColour(Vec2 canvas) {
    harness.event([&] { harness.editor->colorFromDrag(red, harness.windowPoint(canvas)); });
  }
  std::vector<Color> colours() const {
    std::vector<Color> result;
    for (const auto& tile : harness.editor->graph().shapes())
      result.push_back(tile->shapeColor());
    return result;
  }

  static constexpr Color red{1.0, 0.0, 0.0, 1.0};
  static constexpr Color white = Color::white();
  EditorHarness harness{apart()};
};

TEST_F(ColourDrops, OnTheGapChangeNothing) {
  for (const Vec2 point : {Vec2{30.0, 10.0}, Vec2{10.0, 25.0}, Vec2{-5.0, 10.0}}) {
    dropColour(point);
    EXPECT_EQ(colours(), (std::vector{white, white})) << point.x << ", " << point.y;
  }
  EXPECT_FALSE(harness.undoManager->canUndo());
}

TEST_F(ColourDrops, OnATileRegisterOneColourChange) {
  dropColour({50.0, 10.0});
  EXPECT_EQ(colours(), (std::vector{white, red}));
  EXPECT_EQ(harness.editor->graph().shapes()[1]->layer()->fillColor(), red);
  EXPECT_EQ(harness.undoManager->undoCount(), 1u);
  EXPECT_EQ(harness.undoManager->undoActionName(), "Change Shape Color");
  // The same colour again is no change.
  dropColour({45.0, 15.0});
  EXPECT_EQ(harness.undoManager->undoCount(), 1u);
  harness.undo();
  EXPECT_EQ(colours(), (std::vector{white, white}));
  harness.redo();
  EXPECT_EQ(colours(), (std::vector{white, red}));
  EXPECT_TRUE(harness.checkInvariants());
}

}  // namespace
}  // namespace ornival
