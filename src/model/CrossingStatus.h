#pragma once

namespace ornival {

// How a document draws the places where two straight lines of tile sides
// cross: not at all, with the same line always passing over, or alternating
// over and under along each line. Documents store the raw value, so the
// values never change.
enum class CrossingStatus { off = 0, on = 1, alternate = 2 };

}  // namespace ornival
