#pragma once

namespace ornival {

// What the editor is doing with a tile; only the fill colour shows it. The
// values are stable: undo records and documents keep them as numbers.
enum class ShapeStatus { live, moving, marked, copy, cut };

}  // namespace ornival
