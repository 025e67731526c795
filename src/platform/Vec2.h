#pragma once

#include <cmath>

namespace ornival {

// A point or vector of the plane in double precision; y points up.
struct Vec2 {
  double x = 0.0;
  double y = 0.0;

  constexpr Vec2 operator+(Vec2 o) const { return {x + o.x, y + o.y}; }
  constexpr Vec2 operator-(Vec2 o) const { return {x - o.x, y - o.y}; }
  constexpr Vec2 operator-() const { return {-x, -y}; }
  constexpr Vec2 operator*(double s) const { return {x * s, y * s}; }
  constexpr Vec2 operator/(double s) const { return {x / s, y / s}; }
  constexpr Vec2& operator+=(Vec2 o) { x += o.x; y += o.y; return *this; }
  constexpr Vec2& operator-=(Vec2 o) { x -= o.x; y -= o.y; return *this; }
  // Exact comparison; tolerant comparison is Vertex2's business.
  constexpr bool operator==(const Vec2&) const = default;

  constexpr double dot(Vec2 o) const { return x * o.x + y * o.y; }
  // z of the 3D cross product: positive when o lies counter-clockwise of this.
  constexpr double cross(Vec2 o) const { return x * o.y - y * o.x; }
  constexpr double lengthSquared() const { return dot(*this); }
  double length() const { return std::sqrt(lengthSquared()); }
  // The left normal, which points inward on a counter-clockwise outline.
  constexpr Vec2 perpendicular() const { return {-y, x}; }
};

constexpr Vec2 operator*(double s, Vec2 v) { return v * s; }

}  // namespace ornival
