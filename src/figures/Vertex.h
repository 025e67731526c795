#pragma once

#include "platform/Hash.h"
#include "platform/Vec2.h"
#include "platform/Vec3.h"

#include <cmath>
#include <cstddef>
#include <functional>

namespace ornival {

// Tolerant points. Coordinates are compared on a grid of 1/512: a coordinate
// lands in the cell round(c · 512), halves away from zero, and two points are
// equal when every coordinate lands in the same cell. Closeness alone does not
// decide: 0.0024 and 0.0034 differ, 0.0011 and 0.0029 are equal.
constexpr double gridResolution = 512.0;

// The grid cell of a coordinate, kept as a double so that no coordinate, however
// large, overflows; -0 becomes +0 so that equal cells hash alike.
inline double gridCell(double c) { return std::round(c * gridResolution) + 0.0; }

// A coordinate is zero on the grid when it lies within half a cell of zero.
inline bool isZeroOnGrid(double c) { return std::abs(c) < 1.0 / (2.0 * gridResolution); }

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
