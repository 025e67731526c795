#include "platform/Path.h"

#include <algorithm>
#include <cmath>

namespace ornival {

namespace {

Vec2 cubicPoint(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, double t) {
  const double u = 1.0 - t;
  return p0 * (u * u * u) + p1 * (3.0 * u * u * t) + p2 * (3.0 * u * t * t) + p3 * (t * t * t);
}

// Parameters in (0, 1) where one coordinate of a cubic has a turning point:
// the roots of the derivative's quadratic.
template <typename Emit>
void cubicExtremes(double p0, double p1, double p2, double p3, Emit emit) {
  const double a = -p0 + 3.0 * p1 - 3.0 * p2 + p3;
  const double b = 2.0 * (p0 - 2.0 * p1 + p2);
  const double c = p1 - p0;
  auto inside = [&](double t) {
    if (t > 0.0 && t < 1.0)
      emit(t);
  };
  if (std::abs(a) < 1e-12) {
    if (std::abs(b) > 1e-12)
      inside(-c / b);
    return;
  }
  const double disc = b * b - 4.0 * a * c;
  if (disc < 0.0)
    return;
  const double root = std::sqrt(disc);
  inside((-b + root) / (2.0 * a));
  inside((-b - root) / (2.0 * a));
}

// Winding contribution of the segment a→b for a ray from p towards +x.
int crossing(Vec2 a, Vec2 b, Vec2 p) {
  const double side = (b - a).cross(p - a);
  if (a.y <= p.y) {
    if (b.y > p.y && side > 0.0)
      return 1;
  } else if (b.y <= p.y && side < 0.0) {
    return -1;
  }
  return 0;
}

}  // namespace

bool PathElement::operator==(const PathElement& other) const {
  if (kind != other.kind)
    return false;
  switch (kind) {
    case Kind::close:
      return true;
    case Kind::curve:
      return point == other.point && control1 == other.control1 && control2 == other.control2;
    default:
      return point == other.point;
  }
}

Path Path::rectangle(const Rect& r) {
  Path path;
  path.moveTo(r.origin);
  path.lineTo({r.maxX(), r.minY()});
  path.lineTo({r.maxX(), r.maxY()});
  path.lineTo({r.minX(), r.maxY()});
  path.close();
  return path;
}

Path::Path(const std::vector<PathElement>& elements) {
  kinds_.reserve(elements.size());
  points_.reserve(elements.size());
  for (const PathElement& e : elements) {
    switch (e.kind) {
      case PathElement::Kind::move: moveTo(e.point); break;
      case PathElement::Kind::line: lineTo(e.point); break;
      case PathElement::Kind::curve: curveTo(e.point, e.control1, e.control2); break;
      case PathElement::Kind::close: close(); break;
    }
  }
}

PathElement Path::Iterator::operator*() const {
  const std::vector<Vec2>& points = path_->points_;
  switch (path_->kinds_[element_]) {
    case PathElement::Kind::move: return PathElement::move(points[point_]);
    case PathElement::Kind::line: return PathElement::line(points[point_]);
    case PathElement::Kind::curve:
      return PathElement::curve(points[point_ + 2], points[point_], points[point_ + 1]);
    case PathElement::Kind::close: break;
  }
  return PathElement::close();
}

void Path::append(const Path& other) {
  kinds_.insert(kinds_.end(), other.kinds_.begin(), other.kinds_.end());
  points_.insert(points_.end(), other.points_.begin(), other.points_.end());
}

Path Path::transformed(const AffineTransform& t) const {
  Path result;
  result.kinds_ = kinds_;
  result.points_.reserve(points_.size());
  for (const Vec2 p : points_)
    result.points_.push_back(t.apply(p));
  return result;
}

std::optional<Rect> Path::boundingBox() const {
  bool any = false;
  Vec2 lo;
  Vec2 hi;
  auto include = [&](Vec2 p) {
    if (!any) {
      lo = hi = p;
      any = true;
      return;
    }
    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
  };
  Vec2 current;
  Vec2 start;
  for (const PathElement& e : *this) {
    switch (e.kind) {
      case PathElement::Kind::move:
        start = current = e.point;
        include(e.point);
        break;
      case PathElement::Kind::line:
        include(e.point);
        current = e.point;
        break;
      case PathElement::Kind::curve: {
        const Vec2 p0 = current;
        auto at = [&](double t) { include(cubicPoint(p0, e.control1, e.control2, e.point, t)); };
        cubicExtremes(p0.x, e.control1.x, e.control2.x, e.point.x, at);
        cubicExtremes(p0.y, e.control1.y, e.control2.y, e.point.y, at);
        include(e.point);
        current = e.point;
        break;
      }
      case PathElement::Kind::close:
        current = start;
        break;
    }
  }
  if (!any)
    return std::nullopt;
  return Rect{lo, hi - lo};
}

std::optional<Rect> Path::strokedBoundingBox(double width, LineJoin join) const {
  const std::optional<Rect> box = boundingBox();
  if (!box)
    return std::nullopt;
  const double half = std::abs(width) / 2.0;
  Vec2 lo = box->origin - Vec2{half, half};
  Vec2 hi = box->origin + box->size + Vec2{half, half};
  if (join != LineJoin::miter || half == 0.0)
    return Rect{lo, hi - lo};

  // A mitred corner reaches beyond the widened outline along the outside of
  // its bisector. The directions in and out of each corner are those of the
  // pieces that meet there, pieces of no length left out, as the stroke
  // itself sees them; a closed subpath also turns the corner at its start.
  struct Piece {
    Vec2 start;
    Vec2 out;  // unit direction leaving start
    Vec2 in;   // unit direction arriving at the end
  };
  const auto unit = [](Vec2 v) { return v / v.length(); };
  const auto corner = [&](Vec2 at, Vec2 in, Vec2 out) {
    const double turn = in.dot(out);
    // sin of half the angle between the two pieces; the miter is half a
    // width over it from the corner.
    const double sine = std::sqrt(std::max(0.0, (1.0 + turn) / 2.0));
    if (!(sine * miterLimit >= 1.0) || turn >= 1.0)
      return;
    const Vec2 tip = at + unit(in - out) * (half / sine);
    lo = {std::min(lo.x, tip.x), std::min(lo.y, tip.y)};
    hi = {std::max(hi.x, tip.x), std::max(hi.y, tip.y)};
  };
  std::vector<Piece> pieces;
  const auto turnCorners = [&](bool closed) {
    for (std::size_t i = 1; i < pieces.size(); ++i)
      corner(pieces[i].start, pieces[i - 1].in, pieces[i].out);
    if (closed && pieces.size() > 1)
      corner(pieces.front().start, pieces.back().in, pieces.front().out);
    pieces.clear();
  };
  // The piece through the points: it leaves towards the first point apart
  // from its start and arrives from the last point apart from its end. One
  // whose points all coincide is none.
  const auto add = [&](std::initializer_list<Vec2> points) {
    const Vec2* first = points.begin();
    const Vec2* last = points.end() - 1;
    const Vec2* ahead = first + 1;
    while (ahead != last && *ahead == *first)
      ++ahead;
    if (*ahead == *first)
      return;
    const Vec2* behind = last - 1;
    while (behind != first && *behind == *last)
      --behind;
    pieces.push_back({*first, unit(*ahead - *first), unit(*last - *behind)});
  };
  Vec2 current;
  Vec2 start;
  for (const PathElement& e : *this) {
    switch (e.kind) {
      case PathElement::Kind::move:
        turnCorners(false);
        start = current = e.point;
        break;
      case PathElement::Kind::line:
        add({current, e.point});
        current = e.point;
        break;
      case PathElement::Kind::curve:
        add({current, e.control1, e.control2, e.point});
        current = e.point;
        break;
      case PathElement::Kind::close:
        add({current, start});
        turnCorners(true);
        current = start;
        break;
    }
  }
  turnCorners(false);
  return Rect{lo, hi - lo};
}

bool Path::contains(Vec2 p, FillRule rule) const {
  // Curves are flattened finely enough for hit tests at any screen scale the
  // editor uses; the outline itself is never changed.
  constexpr int curveSteps = 32;
  int winding = 0;
  Vec2 current;
  Vec2 start;
  bool open = false;
  auto closeSubpath = [&] {
    if (open)
      winding += crossing(current, start, p);
    open = false;
  };
  for (const PathElement& e : *this) {
    switch (e.kind) {
      case PathElement::Kind::move:
        closeSubpath();
        start = current = e.point;
        open = true;
        break;
      case PathElement::Kind::line:
        open = true;
        winding += crossing(current, e.point, p);
        current = e.point;
        break;
      case PathElement::Kind::curve: {
        open = true;
        Vec2 previous = current;
        for (int i = 1; i <= curveSteps; ++i) {
          const Vec2 next = i == curveSteps
                                ? e.point
                                : cubicPoint(current, e.control1, e.control2, e.point, double(i) / curveSteps);
          winding += crossing(previous, next, p);
          previous = next;
        }
        current = e.point;
        break;
      }
      case PathElement::Kind::close:
        closeSubpath();
        current = start;
        break;
    }
  }
  closeSubpath();
  return rule == FillRule::nonZero ? winding != 0 : (winding % 2) != 0;
}

}  // namespace ornival
