#pragma once

#include <cstdint>

namespace ornival {

// A four-valued mark an edge carries. The tiling keeps it `unknown`: the
// over-and-under parity of crossings belongs to the tile (Shape::spin).
enum class Spin : std::uint8_t { unknown, plus, minus, conflict };

}  // namespace ornival
