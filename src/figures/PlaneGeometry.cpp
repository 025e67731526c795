#include "figures/PlaneGeometry.h"

#include "platform/Grid.h"
#include "platform/Precondition.h"

#include <limits>

namespace ornival {

Vec2 lineIntersection(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3) {
  const double d = (p1.x - p0.x) * (p3.y - p2.y) - (p1.y - p0.y) * (p3.x - p2.x);
  if (-gridTolerance < d && d < gridTolerance)
    return (p0 + p3) * 0.5;
  const double a = p0.y * p1.x - p0.x * p1.y;
  const double b = p2.y * p3.x - p2.x * p3.y;
  return {(a * (p3.x - p2.x) - (p1.x - p0.x) * b) / d, ((p0.y - p1.y) * b - a * (p2.y - p3.y)) / d};
}

int turnDirection(Vec2 p0, Vec2 p1, Vec2 p2) {
  if ((p1 - p0).lengthSquared() < gridToleranceSquared || (p2 - p1).lengthSquared() < gridToleranceSquared ||
      (p2 - p0).lengthSquared() < gridToleranceSquared)
    return 0;
  const double v = (p1.y - p0.y) * (p2.x - p0.x) - (p1.x - p0.x) * (p2.y - p0.y);
  if (v > gridTolerance)
    return 2;
  if (v < -gridTolerance)
    return 1;
  return 0;
}

int windingNumber(Vec2 point, std::span<const Vec2> polygon) {
  int winding = 0;
  const std::size_t n = polygon.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Vec2 a = polygon[i];
    const Vec2 b = polygon[(i + 1) % n];
    const double c = (point.y - a.y) * (b.x - a.x) - (point.x - a.x) * (b.y - a.y);
    if (a.y <= point.y) {
      if (point.y < b.y && c > gridTolerance) {
        ORNIVAL_PRECONDITION(winding < std::numeric_limits<int>::max());
        ++winding;
      }
    } else if (b.y <= point.y && c < gridTolerance) {
      ORNIVAL_PRECONDITION(winding > std::numeric_limits<int>::min());
      --winding;
    }
  }
  return winding;
}

}  // namespace ornival
