#include "platform/qt/QPainterAdapter.h"

#include "platform/RgbaImage.h"

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

// A picture's top row lies along the top of its rectangle, as the picture
// file shows it, whatever way the drawing's y runs.
TEST(QPainterAdapterTest, DrawsPicturesUprightInTheirRectangle) {
  RgbaImage picture(1, 2);
  picture.pixel(0, 0) = {255, 0, 0, 255};
  picture.pixel(0, 1) = {0, 0, 255, 255};
  QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  {
    QPainter qpainter(&image);
    QPainterAdapter painter(qpainter, 40.0);
    // The lower left quarter of the device, in y-up units.
    painter.drawImage(picture, {{0, 0}, {20, 20}}, 1.0);
  }
  EXPECT_EQ(image.pixelColor(10, 22), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(10, 37), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(30, 30), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));
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

// Large drawings go to Qt in runs of subpaths, for speed: an opaque colour
// looks the same but for the antialiasing of edges where runs overlap, and
// a translucent one, whose overlaps would darken between runs, is drawn
// whole.
TEST(QPainterAdapterTest, LargePathsLookAsIfDrawnWhole) {
  Path squares;
  for (int i = 0; i < 60; ++i)
    squares.append(square({2.0 + i * 1.5, 2.0 + (i % 7) * 3.3}, 6.5));
  for (const Color color : {Color{0, 0, 1, 1}, Color{0, 0, 1, 0.3}}) {
    SCOPED_TRACE(color.alpha);
    QImage ours(100, 40, QImage::Format_ARGB32_Premultiplied), whole = ours;
    ours.fill(Qt::white);
    whole.fill(Qt::white);
    {
      QPainter qpainter(&ours);
      QPainterAdapter painter(qpainter, 40.0);
      painter.fill(squares, color);
      painter.stroke(squares, color, {1.5, LineCap::round, LineJoin::miter});
    }
    {
      QPainter qpainter(&whole);
      qpainter.setRenderHint(QPainter::Antialiasing);
      qpainter.setTransform(QTransform(1, 0, 0, -1, 0, 40));
      QPainterPath path = toQPainterPath(squares);
      path.setFillRule(Qt::WindingFill);
      qpainter.fillPath(path, toQColor(color));
      qpainter.strokePath(toQPainterPath(squares),
                          QPen(toQColor(color), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::SvgMiterJoin));
    }
    int largest = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 100; ++x)
        largest = std::max(largest, std::abs(qBlue(ours.pixel(x, y)) - qBlue(whole.pixel(x, y))) +
                                        std::abs(qRed(ours.pixel(x, y)) - qRed(whole.pixel(x, y))));
    EXPECT_LE(largest, color.alpha < 1.0 ? 0 : 48);
  }
}

}  // namespace
}  // namespace ornival
