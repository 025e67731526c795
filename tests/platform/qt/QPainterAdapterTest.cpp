#include "platform/qt/QPainterAdapter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace ornival {
namespace {

Path square(Vec2 origin, double size) {
  Path path;
  path.moveTo(origin);
  path.lineTo(origin + Vec2{size, 0});
  path.lineTo(origin + Vec2{size, size});
  path.lineTo(origin + Vec2{0, size});
  path.close();
  return path;
}

// Drawings speak y-up: what is drawn low lands at the bottom of the image,
// through the painter's own transform as well.
TEST(QPainterAdapterTest, FlipsOnceAndFollowsTheTransform) {
  QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  {
    QPainter qpainter(&image);
    QPainterAdapter painter(qpainter, 40.0);
    painter.fill(square({0, 0}, 10), Color{1, 0, 0, 1});
    painter.setTransform(AffineTransform::scale(2, 2));
    painter.stroke(square({10, 10}, 5), Color{0, 0, 1, 1}, {1.0, LineCap::butt, LineJoin::miter});
  }
  EXPECT_EQ(image.pixelColor(5, 35), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::white));
  // The square's left side at x 20 in device units, two units wide.
  EXPECT_EQ(image.pixelColor(20, 15), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(19, 15), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(22, 15), QColor(Qt::white));
}

TEST(QPainterAdapterTest, FillRules) {
  Path ring = square({0, 0}, 30);
  ring.append(square({10, 10}, 10));
  for (const auto& [rule, hole] : {std::pair{FillRule::evenOdd, QColor(Qt::white)}, {FillRule::nonZero, QColor(Qt::black)}}) {
    QImage image(30, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
      QPainter qpainter(&image);
      QPainterAdapter painter(qpainter, 30.0);
      painter.fill(ring, Color::black(), rule);
    }
    EXPECT_EQ(image.pixelColor(15, 15), hole);
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::black));
  }
}

}  // namespace
}  // namespace ornival
