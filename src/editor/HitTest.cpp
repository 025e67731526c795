#include "editor/HitTest.h"

#include "figures/Figure.h"
#include "model/ShapeModel.h"

#include <algorithm>
#include <cmath>

namespace ornival {
namespace {

// Points closer than this (squared) are one point.
constexpr double coincidence = 1.0 / 262144.0;
// Cross products within this are zero: the point lies on the line.
constexpr double straight = 1.0 / 512.0;

double cross(Vec2 u, Vec2 w) { return u.y * w.x - u.x * w.y; }
bool coincide(Vec2 a, Vec2 b) { return (a - b).lengthSquared() < coincidence; }
bool onLine(double s) { return std::abs(s) <= straight; }
bool sameSign(double a, double b) { return (a < 0.0) == (b < 0.0); }

// Whether the side from p to q properly crosses the line from a to b. Within
// the box test only.
bool properlyCrosses(Vec2 p, Vec2 q, Vec2 a, Vec2 b) {
  if ((p - q).lengthSquared() < coincidence || coincide(a, p) || coincide(a, q))
    return false;
  const double s1 = cross(q - p, a - p);
  if (onLine(s1) || coincide(b, p) || coincide(b, q))
    return false;
  const double s2 = cross(q - p, b - p);
  if (onLine(s2) || sameSign(s1, s2))
    return false;
  if ((a - b).lengthSquared() < coincidence)
    return false;
  const double s3 = cross(b - a, p - a);
  if (onLine(s3))
    return false;
  const double s4 = cross(b - a, q - a);
  return !onLine(s4) && !sameSign(s3, s4);
}

}  // namespace

bool pointInPolygon(const std::vector<Line>& lines, Vec2 p) {
  bool inside = false;
  for (const Line& line : lines) {
    const Vec2 a = line.vertex0;
    const Vec2 b = line.vertex1;
    if ((p.y >= a.y) == (p.y < b.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
      inside = !inside;
  }
  return inside;
}

bool figureOverlapsSegments(const std::vector<Line>& lines, const ShapeModel& candidate) {
  const Line box = candidate.bounds();
  const Vec2 lo = box.vertex0;
  const Vec2 hi = box.vertex1;
  const auto& points = candidate.figure()->points();
  if (points.empty())
    return false;
  const auto& t = candidate.transformation;
  std::vector<Line> inset;
  inset.reserve(points.size());
  Vec2 previous = t.apply(points.back());
  for (const Vec2 corner : points) {
    inset.push_back({previous, t.apply(corner)});
    previous = inset.back().vertex1;
  }
  for (const Vec2 corner : points) {
    const Vec2 current = t.apply(corner);
    for (const Line& line : lines) {
      const Vec2 a = line.vertex0;
      const Vec2 b = line.vertex1;
      if (std::max(a.x, b.x) <= lo.x || hi.x <= std::min(a.x, b.x) || std::max(a.y, b.y) <= lo.y ||
          hi.y <= std::min(a.y, b.y))
        continue;
      if (properlyCrosses(previous, current, a, b))
        return true;
    }
    if (pointInPolygon(lines, current))
      return true;
    previous = current;
  }
  // Neither crossing nor reaching in, it may still lie over a whole piece of
  // the tiling, an island say: then a corner of the outline lies inside it.
  for (const Line& line : lines) {
    const Vec2 a = line.vertex0;
    if (lo.x < a.x && a.x < hi.x && lo.y < a.y && a.y < hi.y && pointInPolygon(inset, a))
      return true;
  }
  return false;
}

}  // namespace ornival
