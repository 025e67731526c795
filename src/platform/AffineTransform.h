#pragma once

#include "platform/Vec2.h"

#include <optional>

namespace ornival {

// A 2D affine map. A point (x, y) maps to (a·x + c·y + tx, b·x + d·y + ty).
//
// Composition reads left to right in the order of application:
// t1.concatenating(t2) applies t1 first, then t2. The "…By" forms change the
// space the receiver maps from: t.translatedBy(dx, dy) first moves by (dx, dy)
// and then applies t, which is how a placed tile is built up from the figure
// outwards.
struct AffineTransform {
  double a = 1.0;
  double b = 0.0;
  double c = 0.0;
  double d = 1.0;
  double tx = 0.0;
  double ty = 0.0;

  bool operator==(const AffineTransform&) const = default;

  static constexpr AffineTransform identity() { return {}; }
  static constexpr AffineTransform translation(double dx, double dy) {
    return {1.0, 0.0, 0.0, 1.0, dx, dy};
  }
  static constexpr AffineTransform scale(double sx, double sy) { return {sx, 0.0, 0.0, sy, 0.0, 0.0}; }
  // Counter-clockwise by angle radians (y up).
  static AffineTransform rotation(double angle);

  constexpr bool isIdentity() const { return *this == identity(); }
  constexpr double determinant() const { return a * d - b * c; }

  constexpr AffineTransform concatenating(const AffineTransform& t) const {
    return {a * t.a + b * t.c,          a * t.b + b * t.d,
            c * t.a + d * t.c,          c * t.b + d * t.d,
            tx * t.a + ty * t.c + t.tx, tx * t.b + ty * t.d + t.ty};
  }
  constexpr AffineTransform translatedBy(double dx, double dy) const {
    return translation(dx, dy).concatenating(*this);
  }
  constexpr AffineTransform scaledBy(double sx, double sy) const {
    return scale(sx, sy).concatenating(*this);
  }
  AffineTransform rotatedBy(double angle) const { return rotation(angle).concatenating(*this); }

  // Absent for a singular map.
  std::optional<AffineTransform> inverted() const;

  constexpr Vec2 apply(Vec2 p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
  // A vector moves with the linear part only.
  constexpr Vec2 applyToVector(Vec2 v) const { return {a * v.x + c * v.y, b * v.x + d * v.y}; }
};

}  // namespace ornival
