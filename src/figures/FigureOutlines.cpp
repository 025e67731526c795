// The drawable forms of a figure: plain, inset and rounded outlines, and its icons.
#include "figures/Figure.h"

#include "figures/PlaneGeometry.h"
#include "platform/Arithmetic.h"
#include "platform/Icon.h"
#include "platform/Painter.h"
#include "platform/Precondition.h"

#include <cmath>
#include <numbers>

namespace ornival {

namespace {

// The icon colours are single-precision values; they keep exactly that value.
constexpr double single(double component) { return double(float(component)); }

constexpr Color axisEdgeColor{single(170.0 / 255.0), single(170.0 / 255.0), 1.0, 1.0};
constexpr Color axisVertexColor{1.0, single(170.0 / 255.0), single(170.0 / 255.0), 1.0};
constexpr Color outlineColor{single(68.0 / 255.0), single(68.0 / 255.0), single(68.0 / 255.0), 1.0};
constexpr Color parallelColor{single(121.0 / 255.0), single(0.84261435), single(249.0 / 255.0), single(0.2)};
constexpr Color spokeColor{single(68.0 / 255.0), single(68.0 / 255.0), single(68.0 / 255.0), single(0.099234805)};
constexpr Color rotationDotColor{single(184.0 / 255.0), single(226.0 / 255.0), single(151.0 / 255.0), 1.0};

double bezierFactorOfTurn(double tangent) { return 2.0 * (1.0 - tangent * tangent) / 3.0; }

// A circle as four cubic quarter arcs, counter-clockwise from its east point.
Path circle(Vec2 center, double radius) {
  const double k = 4.0 * (std::numbers::sqrt2 - 1.0) / 3.0 * radius;
  Path path;
  path.moveTo(center + Vec2{radius, 0.0});
  path.curveTo(center + Vec2{0.0, radius}, center + Vec2{radius, k}, center + Vec2{k, radius});
  path.curveTo(center + Vec2{-radius, 0.0}, center + Vec2{-k, radius}, center + Vec2{-radius, k});
  path.curveTo(center + Vec2{0.0, -radius}, center + Vec2{-radius, -k}, center + Vec2{-k, -radius});
  path.curveTo(center + Vec2{radius, 0.0}, center + Vec2{k, -radius}, center + Vec2{radius, -k});
  path.close();
  return path;
}

}  // namespace

const Path& Figure::path() const {
  return *path_.get([&] {
    auto path = std::make_shared<Path>();
    if (vertices_.empty())
      return std::shared_ptr<const Path>(std::move(path));
    const Vec2 first = vertices_[0];
    path->moveTo(first);
    for (Vec2 v : vertices_)
      if (!(v == first))
        path->lineTo(v);
    path->close();
    return std::shared_ptr<const Path>(std::move(path));
  });
}

const Path& Figure::bezierPath() const {
  return bezierPath_.get([&] {
    Path path;
    for (std::size_t i = 0; i < vertices_.size(); ++i) {
      if (i == 0)
        path.moveTo(vertices_[i]);
      else
        path.lineTo(vertices_[i]);
    }
    path.close();
    return path;
  });
}

const std::vector<Vec2>& Figure::points() const {
  return points_.get([&] {
    const int m = static_cast<int>(vertices_.size());
    std::vector<Vec2> result;
    constexpr double inset = 0.03125;
    for (int i = 0; i < m; ++i) {
      const Vec2 p = vertices_[positiveModulo(i - 1, m)];
      const Vec2 c = vertices_[i];
      const Vec2 q = vertices_[positiveModulo(i + 1, m)];
      const Vec2 a = p + (c - p).perpendicular() * (inset / (c - p).length());
      const Vec2 b = a + (c - p);
      const Vec2 cc = c + (q - c).perpendicular() * (inset / (q - c).length());
      const Vec2 e = cc + (q - c);
      result.push_back(lineIntersection(a, b, cc, e));
    }
    return result;
  });
}

double Figure::cornerBezierFactor(int i) const {
  ORNIVAL_PRECONDITION(i >= 0);
  const int count = n();
  if (i >= count)
    return 1.0;
  const std::int64_t D = divisor();
  const std::int64_t d = dividends_[positiveModulo(i - 1, count)];
  const std::int64_t turn = checkedSub(D, checkedMul(checkedMul(std::int64_t{2}, d), std::int64_t{count - 2}));
  const double a = std::abs(double(turn));
  return bezierFactorOfTurn(std::tan(a * (std::numbers::pi / 4.0) / double(D)));
}

double cornerBezierFactor(Vec2 p0, Vec2 p1, Vec2 p2) {
  double phi = std::atan2(p2.y - p1.y, p2.x - p1.x) - std::atan2(p0.y - p1.y, p0.x - p1.x) + std::numbers::pi;
  if (phi > std::numbers::pi)
    phi -= 2.0 * std::numbers::pi;
  else if (phi < -std::numbers::pi)
    phi += 2.0 * std::numbers::pi;
  return bezierFactorOfTurn(std::tan(phi / 4.0));
}

Path Figure::roundedBezierPath(double factor, double limit) const {
  if (factor == 2.0)
    return bezierPath();
  const int m = static_cast<int>(vertices_.size());
  ORNIVAL_PRECONDITION(m >= 2);
  Path path;
  Vec2 previous = (vertices_[0] + vertices_[1]) / 2.0;
  path.moveTo(previous);
  for (int k = 0; k < m; ++k) {
    const int c = k == m - 1 ? 0 : k + 1;
    const Vec2 corner = vertices_[c];
    const double b = cornerBezierFactor(c);
    const Vec2 next = (corner + vertices_[(k + 2) % m]) / 2.0;
    const double turn = cornerTurnFraction(c);
    if (turn < limit) {
      path.curveTo(next, previous + b * factor * (corner - previous), next + b * factor * (corner - next));
    } else {
      // Also for a NaN turn or limit: a corner that cannot be judged stays sharp.
      path.lineTo(corner);
      path.lineTo(next);
    }
    previous = next;
  }
  path.close();
  return path;
}

std::shared_ptr<const Path> Figure::roundedPath(double factor, double limit) const {
  if (factor == 2.0) {
    path();
    return path_.get([] { return std::shared_ptr<const Path>(); });
  }
  if (vertices_.empty())
    return std::make_shared<const Path>();
  return std::make_shared<const Path>(roundedBezierPath(factor, limit));
}

void Figure::drawIcon(Painter& painter, const Rect& rect, const Color& color, double angle) const {
  const int m = static_cast<int>(vertices_.size());
  const auto& sides = parallels();
  ORNIVAL_PRECONDITION(sides.size() >= vertices_.size());

  const double height = rect.size.y;
  const double width = rect.size.x;
  const double lineWidth = 0.1 * height;
  const double scale = 0.425 * height / radius();
  const Vec2 c = center();
  const AffineTransform t = AffineTransform::translation(-c.x, -c.y)
                                .concatenating(AffineTransform::scale(scale, scale))
                                .concatenating(AffineTransform::rotation(angle))
                                .concatenating(AffineTransform::translation(0.5 * width, 0.5 * height));
  const StrokeStyle thin{0.2 * lineWidth, LineCap::round, LineJoin::miter};

  const Path outline = bezierPath().transformed(t);

  Path edgeAxisLines;
  for (Axis axis : edgeAxes()) {
    const Vec2 p = axisPoint(axis);
    edgeAxisLines.moveTo(p + 10.0 * (p - c));
    edgeAxisLines.lineTo(c);
  }
  painter.stroke(edgeAxisLines.transformed(t), axisEdgeColor, thin);

  painter.stroke(outline, outlineColor, {lineWidth, LineCap::butt, LineJoin::miter});

  Path vertexAxisLines;
  Path spokes;
  for (Axis axis : vertexAxes()) {
    const Vec2 p = axisPoint(axis);
    vertexAxisLines.moveTo(p + 10.0 * (p - c));
    vertexAxisLines.lineTo(c);
    spokes.moveTo(p);
    spokes.lineTo(c);
  }
  painter.stroke(vertexAxisLines.transformed(t), axisVertexColor, thin);

  // The fill hides the axis lines inside the figure: they show as stubs.
  painter.fill(outline, color);

  auto midpoint = [&](int side) { return (vertices_[side] + vertices_[positiveModulo(side + 1, m)]) / 2.0; };
  Path parallelLines;
  for (int i = 0; i < m; ++i) {
    for (int j : sides[i]) {
      parallelLines.moveTo(midpoint(i));
      parallelLines.lineTo(midpoint(j));
    }
  }
  const Path parallelsOnIcon = parallelLines.transformed(t);
  painter.stroke(parallelsOnIcon, parallelColor, thin);
  painter.stroke(parallelsOnIcon, color, {lineWidth / 15.0, LineCap::round, LineJoin::miter});

  painter.stroke(spokes.transformed(t), spokeColor, {0.2 * lineWidth, LineCap::butt, LineJoin::miter});

  // A figure with rotations but no mirror shows a dot at its centre.
  if (vertexAxes().empty() && edgeAxes().empty() && m != variantCount())
    painter.fill(circle(c, 0.5 / scale).transformed(t), rotationDotColor);
}

std::shared_ptr<const Icon> Figure::makeIcon(double side) const {
  std::weak_ptr<const Figure> figure = weak_from_this();
  return std::make_shared<const Icon>(Vec2{side, side}, [figure](Painter& painter, const Rect& rect) {
    if (auto strong = figure.lock())
      strong->drawIcon(painter, rect, Color::white(), strong->imageAngle());
    return true;
  });
}

std::shared_ptr<const Icon> Figure::image() const {
  return image_.get([&] { return makeIcon(20.0); });
}

std::shared_ptr<const Icon> Figure::toolbarImage() const {
  return toolbarImage_.get([&] { return makeIcon(32.0); });
}

double Figure::imageAngle() const {
  return imageAngle_.get([&] {
    const Vec2 p = axisPoint(axis_);
    const Vec2 c = center();
    return headingAngle(heading_) - std::atan2(p.y - c.y, p.x - c.x);
  });
}

}  // namespace ornival
