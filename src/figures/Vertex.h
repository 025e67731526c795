#pragma once

#include "platform/Grid.h"
#include "platform/Hash.h"
#include "platform/Vec2.h"
#include "platform/Vec3.h"

#include <cmath>
#include <cstddef>
#include <functional>

namespace ornival {

// Tolerant points, equal when they land in the same cell of the 1/512 grid.
struct Vertex2 {
  double x = 0.0;
  double y = 0.0;

  constexpr Vertex2() = default;
  constexpr Vertex2(double x, double y) : x(x), y(y) {}
  constexpr explicit Vertex2(Vec2 p) : x(p.x), y(p.y) {}
  constexpr Vec2 point() const { return {x, y}; }

  bool operator==(const Vertex2& o) const { return gridCell(x) == gridCell(o.x) && gridCell(y) == gridCell(o.y); }
  std::size_t hash() const { return combineHash(combineHash(0, gridCell(x)), gridCell(y)); }
};

struct Vertex3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;

  constexpr Vertex3() = default;
  constexpr Vertex3(double x, double y, double z) : x(x), y(y), z(z) {}
  constexpr explicit Vertex3(Vec3 p) : x(p.x), y(p.y), z(p.z) {}
  constexpr Vec3 point() const { return {x, y, z}; }

  bool operator==(const Vertex3& o) const {
    return gridCell(x) == gridCell(o.x) && gridCell(y) == gridCell(o.y) && gridCell(z) == gridCell(o.z);
  }
  std::size_t hash() const {
    return combineHash(combineHash(combineHash(0, gridCell(x)), gridCell(y)), gridCell(z));
  }
};

}  // namespace ornival

template <>
struct std::hash<ornival::Vertex2> {
  std::size_t operator()(const ornival::Vertex2& v) const noexcept { return v.hash(); }
};

template <>
struct std::hash<ornival::Vertex3> {
  std::size_t operator()(const ornival::Vertex3& v) const noexcept { return v.hash(); }
};
