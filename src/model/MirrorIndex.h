#pragma once

namespace ornival {

class Figure;

// The side of a figure's mirror image that side `index` of the figure becomes,
// when the image is made by reflection across the figure's mirror axis. Tiles
// and group tiles carry their joins and group-join flags across with it, so
// both must agree on it. Always in 0 ..< the figure's vertex count.
int mirroredEdgeIndex(const Figure& figure, int index);

}  // namespace ornival
