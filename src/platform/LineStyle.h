#pragma once

namespace ornival {

// How stroked lines end and meet; shared by the painter and the shape layers,
// which hand their strokes to it.
enum class LineCap { butt, round, square };
enum class LineJoin { miter, round, bevel };

// A mitred corner is bevelled instead where its miter, from the inner corner
// to the outer tip, would be longer than this many line widths: corners of
// about 29° and sharper. Every picture keeps the same corners as the SVG
// drawing, whose stroke-miterlimit means the same ratio.
constexpr double miterLimit = 4.0;

}  // namespace ornival
