#pragma once

#include "figures/Vertex.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ornival {

// Ear clipping over the (x, y) of a polygon's points. It takes no shortcuts and
// no tolerances, so its triangles are the same on every run; a ring it cannot
// finish keeps the triangles found so far and leaves the rest uncovered.
struct Triangulation {
  // The triangle at ring positions index, index + 1, index + 2; the middle one
  // is the tip that is cut off. distance is the squared (x, y) length of the
  // diagonal that stays.
  struct Ear {
    std::int64_t index = 0;
    double distance = 0.0;
  };

  // The ring position of the ear with the shortest diagonal, the later one
  // among equals. A ring of three is an ear whatever its shape, so the last
  // triangle of a ring is always emitted; fewer than three gives none.
  static std::optional<std::int64_t> findEar(std::span<const Vertex3> points, std::span<const std::int64_t> ring);

  // Three point indices per triangle, each turning as the polygon does.
  static std::vector<std::int64_t> triangulate(std::span<const Vertex3> points);
};

}  // namespace ornival
