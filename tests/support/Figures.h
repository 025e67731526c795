#pragma once

// Small figures with sides of length 1, made directly rather than taken from
// the catalogue, whose side lengths are chosen for looks, not for arithmetic.

#include "figures/Figure.h"

#include <memory>

namespace ornival::testing {

// (0,0), (1,0), (1,1), (0,1).
inline std::shared_ptr<Figure> unitSquare() {
  auto figure = Figure::create(Shapes::square, "Square");
  figure->setup({1, 1, 1, 1}, {1.0, 1.0, 1.0, 1.0});
  return figure;
}

// (0,0), (1,0), (1/2, √3/2).
inline std::shared_ptr<Figure> equilateralTriangle() {
  auto figure = Figure::create(Shapes::triangle, "Triangle");
  figure->setup({1, 1, 1}, {1.0, 1.0, 1.0});
  return figure;
}

// Three unit squares in an L: (0,0), (2,0), (2,1), (1,1), (1,2), (0,2), with
// the reflex corner at (1,1).
inline std::shared_ptr<Figure> lShape() {
  auto figure = Figure::create(Shapes::l, "L");
  figure->setup({1, 1, 3, 1, 1, 1}, {2.0, 1.0, 1.0, 1.0, 1.0, 2.0});
  return figure;
}

}  // namespace ornival::testing
