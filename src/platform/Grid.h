#pragma once

#include <cmath>

namespace ornival {

// The grid on which points are compared. A coordinate lands in the cell
// round(c · 512), halves away from zero, and two points are equal when every
// coordinate lands in the same cell. Closeness alone does not decide: 0.0024
// and 0.0034 differ, 0.0011 and 0.0029 are equal. The figures' vertices and
// the welding of mesh corners both follow it, so that a corner the figures
// call one point is one point of the mesh.
constexpr double gridResolution = 512.0;

// The grid cell of a coordinate, kept as a double so that no coordinate, however
// large, overflows; -0 becomes +0 so that equal cells hash alike.
inline double gridCell(double c) { return std::round(c * gridResolution) + 0.0; }

// A coordinate is zero on the grid when it lies within half a cell of zero.
inline bool isZeroOnGrid(double c) { return std::abs(c) < 1.0 / (2.0 * gridResolution); }

// The slack of the geometric tests that measure rather than snap to the grid:
// one cell, 2^-9. Lengths, distances along an axis and cross products that
// differ by less are taken as equal.
constexpr double gridTolerance = 1.0 / gridResolution;
// Its square, 2^-18, for squared distances: two points closer than
// gridTolerance are one point.
constexpr double gridToleranceSquared = gridTolerance * gridTolerance;

}  // namespace ornival
