#pragma once

namespace ornival {

// How stroked lines end and meet: shared by the painters and the shape layers.
enum class LineCap { butt, round, square };
enum class LineJoin { miter, round, bevel };

}  // namespace ornival
