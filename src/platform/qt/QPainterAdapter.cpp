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

template <typename Draw>
void drawInRuns(const Path& path, bool whole, Draw draw) {
  if (whole) {
    draw(toQPainterPath(path));
    return;
  }
  for (const QPainterPath& run : paintingRuns(path))
    draw(run);
}

}  // namespace

QPainterPath toQPainterPath(const Path& path) {
  QPainterPath out;
  appendToQPainterPath(out, path);
  return out;
}

void appendToQPainterPath(QPainterPath& out, const Path& path) {
  out.reserve(out.elementCount() + int(path.size()) + 1);
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
}

std::vector<QPainterPath> paintingRuns(const Path& path) {
  if (path.size() <= elementsPerRun)
    return {toQPainterPath(path)};
  std::vector<QPainterPath> runs;
  QPainterPath run;
  std::size_t elements = 0;
  for (const PathElement& e : path) {
    if (e.kind == PathElement::Kind::move && elements >= elementsPerRun) {
      runs.push_back(std::move(run));
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
  runs.push_back(std::move(run));
  return runs;
}

bool drawsWhole(FillRule rule, const Color& color) { return rule == FillRule::evenOdd || color.alpha < 1.0; }

bool strokesWhole(const Color& color) { return color.alpha < 1.0; }

Qt::FillRule toQt(FillRule rule) { return rule == FillRule::evenOdd ? Qt::OddEvenFill : Qt::WindingFill; }

QPen strokePen(const Color& color, const StrokeStyle& style) {
  QPen pen(toQColor(color), style.width, Qt::SolidLine, toQt(style.cap), toQt(style.join));
  // Qt measures its limit as SVG does: the miter's length over the width.
  pen.setMiterLimit(miterLimit);
  return pen;
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
  drawInRuns(path, drawsWhole(rule, color), [&](QPainterPath qpath) {
    qpath.setFillRule(toQt(rule));
    painter_.fillPath(qpath, qcolor);
  });
}

void QPainterAdapter::stroke(const Path& path, const Color& color, const StrokeStyle& style) {
  const QPen pen = strokePen(color, style);
  applyTransform();
  drawInRuns(path, strokesWhole(color), [&](const QPainterPath& qpath) { painter_.strokePath(qpath, pen); });
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
