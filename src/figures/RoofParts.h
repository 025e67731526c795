#pragma once

#include "figures/Vertex.h"
#include "platform/Vec2.h"

#include <memory>
#include <variant>
#include <vector>

namespace ornival {

// The pieces of a figure's roof: the 45-degree plane over each outline side,
// the skeleton bones where planes meet, the bisectors whose meetings drive the
// construction, and the face rings assembled at the end.

// The plane rising at 45 degrees from one outline side into the figure: the
// points p with normal · p = distance. vertex is the current lower start corner
// of the side's face; it climbs while the roof is built, which is why a plane
// has identity.
class Plane {
public:
  static std::shared_ptr<Plane> create(Vertex3 vertex, Vec2 vertex0, Vec2 vertex1, Vertex3 normal,
                                       double distance) {
    return std::make_shared<Plane>(vertex, vertex0, vertex1, normal, distance);
  }
  Plane(Vertex3 vertex, Vec2 vertex0, Vec2 vertex1, Vertex3 normal, double distance)
      : vertex(vertex), vertex0(vertex0), vertex1(vertex1), normal(normal), distance(distance) {}

  Vertex3 vertex;
  const Vec2 vertex0;
  const Vec2 vertex1;
  const Vertex3 normal;
  const double distance;

  // Same plane in space (grid-equal normals, distances within 1/512); where a
  // side's face starts takes no part. Identity is a separate test.
  bool operator==(const Plane& other) const;
};

// One corner of a face ring under assembly. The ring links never own: the
// corners live exactly as long as the Face (or working list) that holds them.
class Edge3 {
public:
  static std::shared_ptr<Edge3> create(Vertex3 vertex) { return std::make_shared<Edge3>(vertex); }
  explicit Edge3(Vertex3 vertex) : vertex(vertex) {}

  Vertex3 vertex;
  std::weak_ptr<Edge3> next;
  std::weak_ptr<Edge3> previous;
  std::weak_ptr<Edge3> join;  // the other end of the segment this corner starts
  std::weak_ptr<Plane> plane;  // the plane whose face this corner belongs to
};

// One planar face of the roof, its corners in ring order.
struct Face {
  std::vector<std::shared_ptr<Edge3>> edges;

  // One corner per point, in order, linked into a closed ring.
  static Face make(const std::vector<Vertex3>& vertices);

  std::vector<Vertex3> vertices() const;
};

// A straight piece of the skeleton. A bone and its reverse are different bones.
struct Bone {
  Vertex3 start;
  Vertex3 end;
  std::shared_ptr<Plane> plane0;
  std::shared_ptr<Plane> plane1;

  bool operator==(const Bone& other) const;
};

struct Bisector3;

// Where a bisector meets the next one along the ring; index is the bisector's
// position in its list.
struct BisectorIntersection;

// The outcome of meeting two bisectors: a point above the outline, parallel
// lines, or lines that meet at or below the outline's level.
struct Collinear {};
struct Outside {};

// The line where two neighbouring planes meet, through vertex along an
// unnormalised direction.
struct Bisector3 {
  Vertex3 vertex;
  std::shared_ptr<Plane> plane0;
  std::shared_ptr<Plane> plane1;
  Vertex3 direction;

  // Planes with grid-parallel normals meet nowhere; their bisector then climbs
  // plane0 along its steepest ascent into the outline.
  static Bisector3 make(Vertex3 vertex, std::shared_ptr<Plane> plane0, std::shared_ptr<Plane> plane1);

  using Intersection = std::variant<BisectorIntersection, Collinear, Outside>;

  // The two bisectors as infinite lines: the midpoint of their closest points,
  // collinear when nearly parallel, outside when they meet at height ≤ 1/512.
  Intersection intersect(const Bisector3& next, int index) const;
};

struct BisectorIntersection {
  Bisector3 bisector;
  Bisector3 next;
  Vertex3 intersection;
  int index = 0;
};

using Bisector3Intersection = Bisector3::Intersection;

}  // namespace ornival
