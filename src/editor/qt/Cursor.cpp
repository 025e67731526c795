#include "editor/qt/Cursor.h"

#include "platform/qt/QPainterAdapter.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <optional>

namespace ornival {
namespace {

QCursor render(const Path& path, const std::optional<Color>& fill, double size) {
  const double h = size / 2.0;
  const Path placed = path.transformed(AffineTransform::scale(h - 4.0, h - 4.0).concatenating(
      AffineTransform::translation(h, h)));
  const int side = int(std::lround(size));
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter qpainter(&image);
    QPainterAdapter painter(qpainter, size);
    painter.stroke(placed, Color::white(), StrokeStyle{4.0, LineCap::round, LineJoin::miter});
    if (fill)
      painter.fill(placed, *fill);
    painter.stroke(placed, Color::black(), StrokeStyle{2.0, LineCap::butt, LineJoin::miter});
  }
  return QCursor(QPixmap::fromImage(image), side / 2, side / 2);
}

Path transformed(const AffineTransform& t) { return Cursor::doubleArrowPath().transformed(t); }

const double c = std::sqrt(0.5);

}  // namespace

Path Cursor::doubleArrowPath() {
  Path path;
  path.moveTo({-1, 0});
  path.lineTo({1, 0});
  path.moveTo({-0.5, -0.5});
  path.lineTo({-1, 0});
  path.lineTo({-0.5, 0.5});
  path.moveTo({0.5, -0.5});
  path.lineTo({1, 0});
  path.lineTo({0.5, 0.5});
  return path;
}

QCursor Cursor::make(const Path& path, double size) { return render(path, std::nullopt, size); }
QCursor Cursor::make(const Path& path, const Color& color, double size) { return render(path, color, size); }

const QCursor& Cursor::horizontalDoubleArrow() {
  static const QCursor cursor = make(doubleArrowPath(), 24.0);
  return cursor;
}

const QCursor& Cursor::verticalDoubleArrow() {
  static const QCursor cursor = make(transformed({0, 1, 1, 0, 0, 0}), 24.0);
  return cursor;
}

const QCursor& Cursor::risingDiagonalDoubleArrow() {
  static const QCursor cursor = make(transformed({c, c, -c, c, 0, 0}), 24.0);
  return cursor;
}

const QCursor& Cursor::fallingDiagonalDoubleArrow() {
  static const QCursor cursor = make(transformed({c, -c, c, c, 0, 0}), 24.0);
  return cursor;
}

QCursor Cursor::forDragAction(DragAction action, const Color& shapeColor) {
  switch (action) {
    case DragAction::ignore: return QCursor(Qt::ArrowCursor);
    case DragAction::copy: return QCursor(Qt::DragCopyCursor);
    // The nearest this desktop has to an item vanishing in a puff.
    case DragAction::remove: return QCursor(Qt::ForbiddenCursor);
    case DragAction::cutAndPaste: return QCursor(Qt::ClosedHandCursor);
    case DragAction::rubberband: return QCursor(Qt::CrossCursor);
    case DragAction::rightBounds:
    case DragAction::leftBounds: return horizontalDoubleArrow();
    case DragAction::topRightBounds:
    case DragAction::bottomLeftBounds: return risingDiagonalDoubleArrow();
    case DragAction::topBounds:
    case DragAction::bottomBounds: return verticalDoubleArrow();
    case DragAction::topLeftBounds:
    case DragAction::bottomRightBounds: return fallingDiagonalDoubleArrow();
    case DragAction::move: return QCursor(Qt::OpenHandCursor);
    case DragAction::color: {
      Path disc;
      // An oval in (−1, −1, 2, 2) as four quarter arcs.
      const double k = 0.5522847498;
      disc.moveTo({1, 0});
      disc.curveTo({0, 1}, {1, k}, {k, 1});
      disc.curveTo({-1, 0}, {-k, 1}, {-1, k});
      disc.curveTo({0, -1}, {-1, -k}, {-k, -1});
      disc.curveTo({1, 0}, {k, -1}, {1, -k});
      disc.close();
      return make(disc, shapeColor, 24.0);
    }
    case DragAction::add: return QCursor(Qt::CrossCursor);
    case DragAction::camera: return QCursor(Qt::OpenHandCursor);
  }
  return QCursor(Qt::ArrowCursor);
}

}  // namespace ornival
