#pragma once

#include <numbers>

namespace ornival {

// The direction in which a figure's main axis points when its icon is drawn,
// counter-clockwise from east.
enum class Heading { east, northEast, north, northWest, west, southWest, south, southEast };

// k·π/4 for the k-th direction.
constexpr double headingAngle(Heading heading) {
  return double(static_cast<int>(heading)) * std::numbers::pi / 4.0;
}

}  // namespace ornival
