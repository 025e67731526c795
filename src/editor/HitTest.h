#pragma once

#include "figures/Line.h"
#include "platform/Vec2.h"

#include <vector>

namespace ornival {

class ShapeModel;

// Whether p lies inside the closed outline the lines make, by the even-odd
// rule: inside a hole of the outline is outside. No lines, nothing inside.
bool pointInPolygon(const std::vector<Line>& lines, Vec2 p);

// Whether a candidate would overlap the tiling whose outline the lines are:
// one of its sides, drawn 1/32 figure unit inside its own outline, properly
// crosses an outline line, one of its corners so drawn lies inside the
// outline, or it lies over a corner of the outline (a whole island). Sides that only touch a line at an end, or run along it (cross
// products within 2^-9 count as zero), do not cross it: a candidate lying on
// its own parent side fits. Any thread, for a candidate no one moves.
bool figureOverlapsSegments(const std::vector<Line>& lines, const ShapeModel& candidate);

}  // namespace ornival
