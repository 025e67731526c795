#pragma once

#include "platform/AffineTransform.h"
#include "platform/Vec3.h"

#include <array>
#include <cmath>

namespace ornival {

// A 4×4 transform of space, the 3D counterpart of AffineTransform and with its
// conventions: points are rows, so (x, y, z, 1) maps to [x y z 1] · m, the
// translation sits in the last row, and composition reads left to right in the
// order of application. m[r][c] is the entry in row r, column c (zero-based),
// so the z scale on the diagonal is m[2][2].
//
// Laid out row after row, the entries are the column-major array OpenGL expects
// for the same map written with column vectors, so a renderer uploads them as
// they stand.
struct Transform3D {
  std::array<std::array<double, 4>, 4> m{{{1.0, 0.0, 0.0, 0.0},
                                          {0.0, 1.0, 0.0, 0.0},
                                          {0.0, 0.0, 1.0, 0.0},
                                          {0.0, 0.0, 0.0, 1.0}}};

  bool operator==(const Transform3D&) const = default;

  static constexpr Transform3D identity() { return {}; }
  static constexpr Transform3D translation(double dx, double dy, double dz) {
    Transform3D t;
    t.m[3] = {dx, dy, dz, 1.0};
    return t;
  }
  static constexpr Transform3D scale(double sx, double sy, double sz) {
    Transform3D t;
    t.m[0][0] = sx;
    t.m[1][1] = sy;
    t.m[2][2] = sz;
    return t;
  }
  // The plane map acting on x and y; z passes through unchanged.
  static constexpr Transform3D affine(const AffineTransform& a) {
    Transform3D t;
    t.m[0] = {a.a, a.b, 0.0, 0.0};
    t.m[1] = {a.c, a.d, 0.0, 0.0};
    t.m[3] = {a.tx, a.ty, 0.0, 1.0};
    return t;
  }

  // A turn by angle radians about the line through the origin along axis,
  // counter-clockwise as seen from the axis' tip; a zero axis turns nothing.
  static Transform3D rotation(Vec3 axis, double angle) {
    const double length = axis.length();
    if (!(length > 0.0))
      return {};
    const double a[3] = {axis.x / length, axis.y / length, axis.z / length};
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    Transform3D t;
    // Row r is where the unit vector along r goes.
    for (int r = 0; r < 3; ++r)
      for (int col = 0; col < 3; ++col) {
        double entry = (1.0 - c) * a[r] * a[col] + (r == col ? c : 0.0);
        const int k = 3 - r - col;  // the third axis, when r and col differ
        if (r != col)
          entry += ((col - r + 3) % 3 == 1 ? s : -s) * a[k];
        t.m[std::size_t(r)][std::size_t(col)] = entry;
      }
    return t;
  }

  constexpr bool isIdentity() const { return *this == identity(); }

  // Applies the receiver first, then t.
  constexpr Transform3D concatenating(const Transform3D& t) const {
    Transform3D r;
    for (int row = 0; row < 4; ++row)
      for (int col = 0; col < 4; ++col) {
        double sum = 0.0;
        for (int k = 0; k < 4; ++k)
          sum += m[row][k] * t.m[k][col];
        r.m[row][col] = sum;
      }
    return r;
  }
  // These act in the receiver's own frame: the scale or move happens first and
  // the receiver after it, the way a node's mark is built from the node.
  constexpr Transform3D scaledBy(double sx, double sy, double sz) const {
    return scale(sx, sy, sz).concatenating(*this);
  }
  constexpr Transform3D translatedBy(double dx, double dy, double dz) const {
    return translation(dx, dy, dz).concatenating(*this);
  }

  // Divides by the homogeneous coordinate when the last column is not
  // (0, 0, 0, 1), as a projection needs.
  constexpr Vec3 apply(Vec3 p) const {
    double out[4];
    for (int col = 0; col < 4; ++col)
      out[col] = p.x * m[0][col] + p.y * m[1][col] + p.z * m[2][col] + m[3][col];
    if (out[3] == 1.0)
      return {out[0], out[1], out[2]};
    return {out[0] / out[3], out[1] / out[3], out[2] / out[3]};
  }
};

}  // namespace ornival
