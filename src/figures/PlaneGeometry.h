#pragma once

#include "platform/Vec2.h"

#include <span>

namespace ornival {

// The intersection of the line through p0, p1 with the line through p2, p3.
// Lines within 1/512 of parallel (by the cross product of their directions)
// meet, by convention, at the midpoint of p0 and p3.
Vec2 lineIntersection(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3);

// The orientation of three points: 0 when two of them lie within 2^-9 of each
// other or the three are collinear within 1/512, 1 for a counter-clockwise
// turn, 2 for a clockwise turn.
int turnDirection(Vec2 p0, Vec2 p1, Vec2 p2);

// How often the closed polygon winds around point, counting only crossings by
// a margin: for a counter-clockwise polygon a point on a side, or inside but
// closer than (1/512)/length to a crossed side, counts 0 like a point outside.
// Horizontal sides never count, and the half-open rule makes a point on a
// bottom side inside and one on a top side outside.
int windingNumber(Vec2 point, std::span<const Vec2> polygon);

}  // namespace ornival
