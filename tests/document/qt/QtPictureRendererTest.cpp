#include "document/qt/QtPictureRenderer.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

// What is drawn low comes out in the bottom rows; nothing else is painted.
TEST(QtPictureRenderer, DrawsYUpOntoATransparentPicture) {
  QtPictureRenderer renderer;
  const RgbaImage picture = renderer.render(20, 10, [](Painter& painter) {
    Path square;
    square.moveTo({0.0, 0.0});
    square.lineTo({5.0, 0.0});
    square.lineTo({5.0, 5.0});
    square.lineTo({0.0, 5.0});
    square.close();
    painter.fill(square, Color{0.0, 1.0, 0.0, 1.0});
  });
  ASSERT_EQ(picture.width(), 20);
  ASSERT_EQ(picture.height(), 10);
  EXPECT_EQ(picture.pixelUp(2, 2), (RgbaImage::Pixel{0, 255, 0, 255}));
  EXPECT_EQ(picture.pixel(2, 2), (RgbaImage::Pixel{0, 0, 0, 0}));
  EXPECT_EQ(picture.pixelUp(15, 2), (RgbaImage::Pixel{0, 0, 0, 0}));
  EXPECT_EQ(renderer.render(0, 5, [](Painter&) {}), RgbaImage());
}

}  // namespace
}  // namespace ornival
