#pragma once

namespace ornival {

// How stroked lines end and meet; shared by the painter and the shape layers,
// which hand their strokes to it.
enum class LineCap { butt, round, square };
enum class LineJoin { miter, round, bevel };

}  // namespace ornival
