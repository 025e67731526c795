#pragma once

#include "platform/Geometry.h"
#include "platform/Vec2.h"

#include <memory>
#include <span>

namespace ornival {

// A figure's solid in its own units: the roof over its outline as the top and
// the same faces flattened to z = 0, turned over, as the base. Every face
// brings its own copy of each corner, top faces first, then base faces, both in
// the roof's face order. A corner's texture coordinate is its roof height (how
// far it lies inside its side, which the border bands are measured by) and its
// distance from center; base corners keep their roof height there too. No
// normals: whoever places the solid adds them at its own crease threshold.
//
// vertices counter-clockwise; wingBolt selects the roof's height tie rule,
// which only that catalogue figure needs.
std::shared_ptr<Geometry> makeFigureSolid(std::span<const Vec2> vertices, Vec2 center, bool wingBolt);

}  // namespace ornival
