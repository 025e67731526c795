#pragma once

#include "platform/Geometry.h"

namespace ornival {

// The mesh with a normal for every corner of every triangle, smoothed across
// the shallow creases and kept sharp across the steep ones.
//
// The rule, exactly:
// - Positions that land in the same cell of the 1/512 grid (Grid.h, the rule
//   the figures' vertices are compared by) are one point, whether or not the
//   mesh shares their index: a solid whose faces each bring their own copy of
//   a corner is smoothed like a welded one.
// - A triangle's face normal is the unit cross product (b − a) × (c − a); a
//   counter-clockwise triangle faces the viewer. A triangle of zero area has no
//   face normal.
// - The normal of triangle T at its corner P is the sum, over every triangle U
//   with a corner at point P, T itself included, whose face normal n_U
//   satisfies n_U · n_T ≥ creaseThreshold, of n_U weighted by U's angle at P,
//   scaled to unit length. The angle weights make the result independent of
//   how a flat face happens to be cut into triangles.
// So a threshold of 1 smooths nothing (every corner keeps its face normal), 0
// smooths across every crease of up to 90 degrees, and -1 smooths everything.
// - A triangle without face normal takes the sum over all triangles at P; a
//   sum of zero length (faces that cancel out) falls back to the triangle's
//   own face normal, and failing that to +z, so every normal is a unit vector.
//   Positions that no triangle uses get +z too.
//
// The result keeps the positions, texture coordinates and triangles in their
// order. Where the corners at one index need different normals, the index keeps
// the normal of its first corner and every other normal gets a copy of the
// position and texture coordinate, appended after the input's ones; corners
// whose normals agree to within 1e-9 share a vertex.
//
// Indices out of range, an index count that is not a multiple of three and
// texture coordinates that neither match the positions one for one nor are
// absent are programming errors.
GeometrySources addNormals(const GeometrySources& mesh, double creaseThreshold);

}  // namespace ornival
