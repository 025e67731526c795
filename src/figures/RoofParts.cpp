#include "figures/RoofParts.h"

#include <cmath>

namespace ornival {

bool Plane::operator==(const Plane& other) const {
  return std::abs(distance - other.distance) < 1.0 / gridResolution && normal == other.normal;
}

Face Face::make(const std::vector<Vertex3>& vertices) {
  Face face;
  face.edges.reserve(vertices.size());
  for (const Vertex3& v : vertices)
    face.edges.push_back(Edge3::create(v));
  const std::size_t n = face.edges.size();
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t j = (i + 1) % n;
    face.edges[i]->next = face.edges[j];
    face.edges[j]->previous = face.edges[i];
  }
  return face;
}

std::vector<Vertex3> Face::vertices() const {
  std::vector<Vertex3> result;
  result.reserve(edges.size());
  for (const auto& e : edges)
    result.push_back(e->vertex);
  return result;
}

bool Bone::operator==(const Bone& other) const {
  return start == other.start && end == other.end && *plane0 == *other.plane0 && *plane1 == *other.plane1;
}

Bisector3 Bisector3::make(Vertex3 vertex, std::shared_ptr<Plane> plane0, std::shared_ptr<Plane> plane1) {
  const Vec3 a = plane0->normal.point();
  const Vec3 b = plane1->normal.point();
  Vec3 direction = a.cross(b);
  if (Vertex3(direction) == Vertex3(0.0, 0.0, 0.0)) {
    const Vec2 d = plane0->vertex1 - plane0->vertex0;
    direction = a.cross(Vec3{d.x, d.y, 0.0});
  }
  return {vertex, std::move(plane0), std::move(plane1), Vertex3(direction)};
}

Bisector3::Intersection Bisector3::intersect(const Bisector3& next, int index) const {
  constexpr double parallel = 1.4551915228366852e-11;  // 2^-36
  const Vec3 p = vertex.point();
  const Vec3 u = direction.point();
  const Vec3 q = next.vertex.point();
  const Vec3 v = next.direction.point();
  const double c = v.dot(v);
  const double b = v.dot(u);
  const double denominator = c * u.dot(u) - b * b;
  if (-parallel < denominator && denominator < parallel)
    return Collinear{};
  const Vec3 w = p - q;
  const double d = w.dot(u);
  const double e = v.dot(w);
  const double s = (e * b - c * d) / denominator;
  const double t = (e + b * s) / c;
  const Vec3 m = ((p + u * s) + (q + v * t)) * 0.5;
  if (m.z <= 1.0 / gridResolution)
    return Outside{};
  return BisectorIntersection{*this, next, Vertex3(m), index};
}

}  // namespace ornival
