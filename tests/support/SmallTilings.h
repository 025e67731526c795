#pragma once

// Small tilings of catalogue figures, each with a trait that editing tends to
// get wrong: straight rows, a corner where three tiles meet, a hole, and a
// separate island. Built glued where the tiles were laid; the editor glues
// the sides that merely meet when it loads them.

#include "Tiles.h"
#include "figures/catalogue/Shapes.h"
#include "model/Shape.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace ornival::testing {

inline std::shared_ptr<const Figure> catalogueFigure(Shapes kind) {
  return Shapes::figures()[std::size_t(kind.rawValue() - Shapes::firstRawValue)];
}

struct SmallTiling {
  std::string name;
  std::vector<std::shared_ptr<Shape>> tiles;
};

// Two by two squares.
inline SmallTiling squares() {
  const auto square = catalogueFigure(Shapes::square);
  auto a = placedTile(square);
  auto b = attach(square, 3, a->edges()[1]);
  auto c = attach(square, 0, a->edges()[2]);
  auto d = attach(square, 0, b->edges()[2]);
  return {"squares", {a, b, c, d}};
}

// Three 60° rhombi meeting with their wide corners: a hexagon.
inline SmallTiling rhombusHexagon() {
  const auto rhombus = catalogueFigure(Shapes::rhombus16);
  auto a = placedTile(rhombus);
  auto b = attach(rhombus, 3, a->edges()[0]);
  auto c = attach(rhombus, 3, b->edges()[0]);
  return {"rhombus hexagon", {a, b, c}};
}

// The triangles of a hexagon of side 2 around the hexagon of side 1 left
// out in its middle: a closed ring around a hole.
inline SmallTiling triangleRing() {
  const auto triangle = catalogueFigure(Shapes::triangle);
  const Vec2 across{1.0, 0.0};
  const Vec2 up{0.5, std::numbers::sqrt3 / 2.0};
  const Vec2 centre = across * 2.0 + up * 2.0;
  std::vector<std::shared_ptr<Shape>> tiles;
  const auto keep = [&](const AffineTransform& placement) {
    const Vec2 middle = placement.apply({0.5, std::numbers::sqrt3 / 6.0});
    const double distance = (middle - centre).length();
    if (distance > 0.7 && distance < 1.6) {
      auto tile = Shape::create(triangle);
      tile->transformation = placement.concatenating(ShapeModel::defaultTransformation());
      tile->updateTransformedGeometry();
      tiles.push_back(std::move(tile));
    }
  };
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      const Vec2 origin = across * x + up * y;
      keep(AffineTransform::translation(origin.x, origin.y));
      const Vec2 top = origin + across + up;
      keep(AffineTransform::rotation(std::numbers::pi).concatenating(AffineTransform::translation(top.x, top.y)));
    }
  }
  return {"triangle ring", tiles};
}

// Two squares, and two more glued to each other far from them.
inline SmallTiling squaresWithIsland() {
  const auto square = catalogueFigure(Shapes::square);
  auto a = placedTile(square);
  auto b = attach(square, 3, a->edges()[1]);
  auto c = Shape::create(square);
  c->transformation = ShapeModel::defaultTransformation().concatenating(AffineTransform::translation(300.0, 40.0));
  c->updateTransformedGeometry();
  auto d = attach(square, 0, c->edges()[2]);
  return {"squares with an island", {a, b, c, d}};
}

// A point over where a candidate of the free side lies: off the side's
// midpoint, away from its tile, by a fraction of its length.
inline Vec2 pointBeyond(const Edge& side, double fraction) {
  const Vec2 a = side.transformedVertex();
  const Vec2 b = side.transformedEnd();
  const Vec2 along = b - a;
  return (a + b) * 0.5 + Vec2{along.y, -along.x} * fraction;
}

inline std::vector<SmallTiling> smallTilings() {
  return {squares(), rhombusHexagon(), triangleRing(), squaresWithIsland()};
}

}  // namespace ornival::testing
