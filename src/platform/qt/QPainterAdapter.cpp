#include "platform/qt/QPainterAdapter.h"

#include "platform/RgbaImage.h"
#include "platform/qt/QtRgbaImage.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

namespace ornival {

namespace {

Qt::PenCapStyle toQt(LineCap cap) {
  switch (cap) {
    case LineCap::butt: return Qt::FlatCap;
    case LineCap::round: return Qt::RoundCap;
    case LineCap::square: return Qt::SquareCap;
  }
  return Qt::FlatCap;
}

Qt::PenJoinStyle toQt(LineJoin join) {
  switch (join) {
    case LineJoin::miter: return Qt::SvgMiterJoin;
    case LineJoin::round: return Qt::RoundJoin;
    case LineJoin::bevel: return Qt::BevelJoin;
  }
  return Qt::SvgMiterJoin;
}

// Qt's antialiasing rasteriser slows down steeply on one path of very many
// subpaths: its cell pool overflows and it renders the path again band by
// band. An opaque colour drawn in runs of subpaths gives the same picture,
// but for the antialiasing of edges where runs overlap, so large opaque
// drawings go in runs of about this many elements (small runs proved
// fastest). Translucent colours and even-odd fills must see the whole path
// at once.
constexpr std::size_t elementsPerRun = 32;

template <typename Draw>
void drawInRuns(const Path& path, bool whole, Draw draw) {
  if (whole || path.elements().size() <= elementsPerRun) {
    draw(toQPainterPath(path));
    return;
  }
  QPainterPath run;
  int elements = 0;
  for (const PathElement& e : path) {
    if (e.kind == PathElement::Kind::move && std::size_t(elements) >= elementsPerRun) {
      draw(run);
      run = QPainterPath();
      elements = 0;
    }
    ++elements;
    switch (e.kind) {
      case PathElement::Kind::move: run.moveTo(e.point.x, e.point.y); break;
      case PathElement::Kind::line: run.lineTo(e.point.x, e.point.y); break;
      case PathElement::Kind::curve:
        run.cubicTo(e.control1.x, e.control1.y, e.control2.x, e.control2.y, e.point.x, e.point.y);
        break;
      case PathElement::Kind::close: run.closeSubpath(); break;
    }
  }
  draw(run);
}

}  // namespace

QPainterPath toQPainterPath(const Path& path) {
  QPainterPath out;
  for (const PathElement& e : path) {
    switch (e.kind) {
      case PathElement::Kind::move: out.moveTo(e.point.x, e.point.y); break;
      case PathElement::Kind::line: out.lineTo(e.point.x, e.point.y); break;
      case PathElement::Kind::curve:
        out.cubicTo(e.control1.x, e.control1.y, e.control2.x, e.control2.y, e.point.x, e.point.y);
        break;
      case PathElement::Kind::close: out.closeSubpath(); break;
    }
  }
  return out;
}

QColor toQColor(const Color& c) {
  const auto clamped = [](double v) { return float(std::clamp(v, 0.0, 1.0)); };
  return QColor::fromRgbF(clamped(c.red), clamped(c.green), clamped(c.blue), clamped(c.alpha));
}

QPainterAdapter::QPainterAdapter(QPainter& painter, double height)
    : painter_(painter), flip_(1.0, 0.0, 0.0, -1.0, 0.0, height) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
}

void QPainterAdapter::applyTransform() {
  const AffineTransform& t = transform();
  painter_.setTransform(QTransform(t.a, t.b, t.c, t.d, t.tx, t.ty) * flip_);
}

void QPainterAdapter::fill(const Path& path, const Color& color, FillRule rule) {
  applyTransform();
  const QColor qcolor = toQColor(color);
  drawInRuns(path, rule == FillRule::evenOdd || color.alpha < 1.0, [&](QPainterPath qpath) {
    qpath.setFillRule(rule == FillRule::evenOdd ? Qt::OddEvenFill : Qt::WindingFill);
    painter_.fillPath(qpath, qcolor);
  });
}

void QPainterAdapter::stroke(const Path& path, const Color& color, const StrokeStyle& style) {
  QPen pen(toQColor(color), style.width, Qt::SolidLine, toQt(style.cap), toQt(style.join));
  // Qt measures its limit as SVG does: the miter's length over the width.
  pen.setMiterLimit(miterLimit);
  applyTransform();
  drawInRuns(path, color.alpha < 1.0, [&](const QPainterPath& qpath) { painter_.strokePath(qpath, pen); });
}

void QPainterAdapter::drawImage(const RgbaImage& image, const Rect& rect, double opacity) {
  if (image.width() == 0 || image.height() == 0 || opacity <= 0.0)
    return;
  // Pixel rows run downwards from the rect's top, against the drawing's y.
  const QTransform pixels(rect.size.x / image.width(), 0.0, 0.0, -rect.size.y / image.height(), rect.minX(),
                          rect.maxY());
  const AffineTransform& t = transform();
  painter_.save();
  painter_.setTransform(pixels * QTransform(t.a, t.b, t.c, t.d, t.tx, t.ty) * flip_);
  painter_.setOpacity(std::clamp(opacity, 0.0, 1.0));
  painter_.setRenderHint(QPainter::SmoothPixmapTransform);
  painter_.drawImage(QPointF(0.0, 0.0), toQImage(image));
  painter_.restore();
}

}  // namespace ornival
