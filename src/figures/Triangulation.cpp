#include "figures/Triangulation.h"

#include "platform/Precondition.h"

namespace ornival {

namespace {

// Twice the signed area of a, b, q: positive when q lies left of a→b.
double turn(const Vertex3& a, const Vertex3& b, const Vertex3& q) {
  return (b.x - a.x) * (q.y - a.y) - (b.y - a.y) * (q.x - a.x);
}

const Vertex3& pointAt(std::span<const Vertex3> points, std::span<const std::int64_t> ring, std::size_t position) {
  const std::int64_t index = ring[position];
  ORNIVAL_PRECONDITION(index >= 0 && static_cast<std::uint64_t>(index) < points.size());
  return points[static_cast<std::size_t>(index)];
}

}  // namespace

std::optional<std::int64_t> Triangulation::findEar(std::span<const Vertex3> points,
                                                   std::span<const std::int64_t> ring) {
  const std::size_t n = ring.size();
  if (n == 3)
    return 0;
  if (n < 3)
    return std::nullopt;

  std::optional<Ear> best;
  for (std::size_t i = 0; i < n; ++i) {
    const Vertex3& a = pointAt(points, ring, i);
    const Vertex3& b = pointAt(points, ring, (i + 1) % n);
    const Vertex3& c = pointAt(points, ring, (i + 2) % n);
    if (!(turn(a, b, c) > 0.0))
      continue;
    // Every other ring entry, repeated points included; the boundary blocks too.
    bool blocked = false;
    for (std::size_t j = 3; j < n && !blocked; ++j) {
      const Vertex3& q = pointAt(points, ring, (i + j) % n);
      blocked = turn(a, b, q) >= 0.0 && turn(b, c, q) >= 0.0 && turn(c, a, q) >= 0.0;
    }
    if (blocked)
      continue;
    const double dx = a.x - c.x;
    const double dy = a.y - c.y;
    const Ear ear{static_cast<std::int64_t>(i), dx * dx + dy * dy};
    if (!best || ear.distance <= best->distance)
      best = ear;
  }
  if (!best)
    return std::nullopt;
  return best->index;
}

std::vector<std::int64_t> Triangulation::triangulate(std::span<const Vertex3> points) {
  std::vector<std::int64_t> ring(points.size());
  for (std::size_t i = 0; i < ring.size(); ++i)
    ring[i] = static_cast<std::int64_t>(i);
  std::vector<std::int64_t> triangles;
  if (points.size() >= 3)
    triangles.reserve(3 * (points.size() - 2));
  while (const auto ear = findEar(points, ring)) {
    const std::size_t m = ring.size();
    ORNIVAL_PRECONDITION(*ear >= 0 && static_cast<std::size_t>(*ear) < m);
    const auto i = static_cast<std::size_t>(*ear);
    triangles.push_back(ring[i]);
    triangles.push_back(ring[(i + 1) % m]);
    triangles.push_back(ring[(i + 2) % m]);
    ring.erase(ring.begin() + static_cast<std::ptrdiff_t>((i + 1) % m));
  }
  return triangles;
}

}  // namespace ornival
