#pragma once

namespace ornival {

// A mirror axis of a figure, named by a position in its vertex sequence: the
// line from the centre through vertex `index`, or through the midpoint of side
// `index` (from vertex index to vertex index + 1).
struct Axis {
  enum class Kind { vertex, edge };

  Kind kind = Kind::edge;
  int index = 0;

  static constexpr Axis vertex(int index) { return {Kind::vertex, index}; }
  static constexpr Axis edge(int index) { return {Kind::edge, index}; }

  constexpr bool operator==(const Axis&) const = default;
};

}  // namespace ornival
