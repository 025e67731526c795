#include "figures/Figure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace ornival {
namespace {

using Dividends = std::vector<std::int64_t>;
using Lengths = std::vector<double>;
using Sides = std::vector<std::vector<int>>;

std::shared_ptr<Figure> makeFigure(Dividends dividends, Lengths lengths) {
  auto figure = Figure::create(Shapes::multi, "Test");
  figure->setup(std::move(dividends), std::move(lengths));
  return figure;
}

std::vector<Vec2> exactVertices(std::initializer_list<Vec2> points) { return points; }

TEST(Figure, SquareDerivesEveryMember) {
  auto square = makeFigure({1, 1, 1, 1}, {1.0, 1.0, 1.0, 1.0});

  EXPECT_EQ(square->divisor(), 8);
  EXPECT_EQ(square->vertices(), exactVertices({{0, 0}, {1, 0}, {1, 1}, {0, 1}}));
  EXPECT_EQ(square->center(), (Vec2{0.5, 0.5}));
  EXPECT_EQ(square->variantCount(), 1);
  EXPECT_TRUE(square->equilateral());
  EXPECT_TRUE(square->scaleable());
  EXPECT_EQ(square->equilateralCount(), 4);
  EXPECT_EQ(square->heading(), Heading::south);
  EXPECT_EQ(square->axis(), Axis::edge(0));
  EXPECT_EQ(square->edgeAxes(), (std::vector<Axis>{Axis::edge(0), Axis::edge(1), Axis::edge(2), Axis::edge(3)}));
  EXPECT_EQ(square->vertexAxes(),
            (std::vector<Axis>{Axis::vertex(0), Axis::vertex(1), Axis::vertex(2), Axis::vertex(3)}));
  EXPECT_EQ(square->angle(), 90.0);
  EXPECT_EQ(square->angles(), (std::vector<double>{90.0}));
  EXPECT_EQ(square->concave(), 0);
  EXPECT_EQ(square->area(), 1.0);
  EXPECT_EQ(square->perimeter(), 4.0);
  EXPECT_EQ(square->density(), 0.0625);
  EXPECT_EQ(square->parallels(), (Sides{{2}, {3}, {0}, {1}}));
  EXPECT_EQ(square->radius(), std::sqrt(0.5));
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(square->cornerTurnFraction(i), 0.5) << i;
  EXPECT_EQ(square->cornerTurnFraction(4), 1.0);
  EXPECT_EQ(square->canonicalName(), "[1, 1, 1, 1][1.0, 1.0, 1.0, 1.0]");
  EXPECT_EQ(square->reversedCanonicalName(), square->canonicalName());
}

TEST(Figure, RegularHexagon) {
  auto hexagon = makeFigure({1, 1, 1, 1, 1, 1}, Lengths(6, 1.0));
  const double theta = 2.0 * std::numbers::pi / 12.0;

  EXPECT_EQ(hexagon->divisor(), 12);
  ASSERT_EQ(hexagon->vertices().size(), 6u);
  EXPECT_EQ(hexagon->vertices()[1], (Vec2{1.0, 0.0}));
  EXPECT_DOUBLE_EQ(hexagon->vertices()[2].x, 1.0 + std::sin(theta));
  EXPECT_DOUBLE_EQ(hexagon->vertices()[2].y, std::cos(theta));
  EXPECT_EQ(hexagon->parallels(), (Sides{{3}, {4}, {5}, {0}, {1}, {2}}));
  EXPECT_EQ(hexagon->variantCount(), 1);
  EXPECT_NEAR(hexagon->angle(), 120.0, 1e-12);
  EXPECT_EQ(hexagon->cornerTurnFraction(2), 4.0 / 12.0);
  EXPECT_NEAR(hexagon->area(), 3.0 * std::sqrt(3.0) / 2.0, 1e-12);
  EXPECT_NEAR(hexagon->radius(), 1.0, 1e-12);
  EXPECT_EQ(hexagon->edgeAxes().size() + hexagon->vertexAxes().size(), 12u);
}

TEST(Figure, ChiralQuadrilateralAndItsMirrorPartner) {
  auto figure = makeFigure({1, 2, 3, 4}, Lengths(4, 1.0));
  auto partner = makeFigure({4, 3, 2, 1}, Lengths(4, 1.0));

  EXPECT_TRUE(figure->edgeAxes().empty());
  EXPECT_TRUE(figure->vertexAxes().empty());
  EXPECT_EQ(figure->axis(), Axis::edge(0));
  EXPECT_EQ(figure->variantCount(), 4);
  EXPECT_EQ(figure->mirrorAxis(partner.get()), Axis::edge(0));
  EXPECT_EQ(figure->reversedCanonicalName(), "[1, 4, 3, 2][1.0, 1.0, 1.0, 1.0]");
  EXPECT_EQ(figure->reversedCanonicalName(), partner->canonicalName());
  EXPECT_EQ(partner->reversedCanonicalName(), figure->canonicalName());
  EXPECT_NE(figure->canonicalName(), partner->canonicalName());
}

TEST(Figure, MirrorAxisWithoutAnotherPartnerIsTheStoredAxis) {
  auto figure = makeFigure({1, 2, 3, 4}, Lengths(4, 1.0));
  figure->setAxis(Axis::vertex(2));
  EXPECT_EQ(figure->mirrorAxis(nullptr), Axis::vertex(2));
  EXPECT_EQ(figure->mirrorAxis(figure.get()), Axis::vertex(2));

  // A partner with another number of corners can never line up.
  auto triangle = makeFigure({1, 1, 1}, Lengths(3, 1.0));
  EXPECT_EQ(figure->mirrorAxis(triangle.get()), Axis::vertex(2));
}

TEST(Figure, MirrorAxisNamesTheHalfPositionWhereThePartnerLinesUp) {
  // Each partner is the figure's reflection read from another start: the
  // reflected sequence lines up at t = 0, 2 (vertices) or 1, 3 (edges).
  const Dividends dividends{1, 2, 3, 4, 5};
  auto figure = makeFigure(dividends, Lengths(5, 1.0));
  struct Case {
    int t;
    Axis axis;
  };
  for (Case c : {Case{0, Axis::vertex(0)}, Case{1, Axis::edge(0)}, Case{2, Axis::vertex(1)}, Case{3, Axis::edge(1)},
                 Case{4, Axis::vertex(2)}}) {
    // partner[(n − 1 − k) mod n] = dividends[(t − 1 + k) mod n]
    Dividends partnerDividends(5);
    for (int k = 0; k < 5; ++k)
      partnerDividends[(5 - 1 - k + 5) % 5] = dividends[(c.t - 1 + k + 5) % 5];
    auto partner = makeFigure(partnerDividends, Lengths(5, 1.0));
    EXPECT_EQ(figure->mirrorAxis(partner.get()), c.axis) << "t = " << c.t;
  }
}

TEST(Figure, SingleCorner) {
  auto figure = makeFigure({1}, {1.0});
  // One vertex per corner, as for every other count: the origin alone.
  EXPECT_EQ(figure->vertices(), exactVertices({{0, 0}}));
  EXPECT_EQ(figure->edgeAxes(), std::vector<Axis>{Axis::edge(0)});
  EXPECT_EQ(figure->vertexAxes(), std::vector<Axis>{Axis::vertex(0)});
  EXPECT_EQ(figure->variantCount(), 1);
}

TEST(Figure, WithoutDividends) {
  auto figure = Figure::create(Shapes::multi, "Multi");

  EXPECT_EQ(figure->vertices(), exactVertices({{0, 0}}));
  EXPECT_EQ(figure->divisor(), 0);
  EXPECT_EQ(figure->variantCount(), 0);
  EXPECT_EQ(figure->angle(), 999.0 * 180.0 / std::numbers::pi);
  EXPECT_TRUE(figure->angles().empty());
  EXPECT_TRUE(figure->edgeAxes().empty());
  EXPECT_TRUE(figure->vertexAxes().empty());
  EXPECT_TRUE(figure->parallels().empty());
  EXPECT_EQ(figure->cornerTurnFraction(0), 1.0);
  EXPECT_EQ(figure->canonicalName(), "[][]");
  EXPECT_EQ(figure->radius(), 0.5);
  EXPECT_EQ(figure->equilateralCount(), 0);
  EXPECT_FALSE(figure->equilateral());
  EXPECT_FALSE(figure->scaleable());
}

TEST(Figure, GroupTileStoresItsOwnOutline) {
  auto group = Figure::create(Shapes::multi, "Multi");
  group->setVertices({{0, 0}, {2, 0}, {2, 1}, {0, 1}});
  group->setLengths({2.0, 1.0, 2.0, 1.0});
  group->setVariantCount(4);
  group->setCenter({1.0, 0.5});
  group->updateEquilateral();

  EXPECT_FALSE(group->equilateral());
  EXPECT_FALSE(group->scaleable());
  EXPECT_EQ(group->variantCount(), 4);
  EXPECT_EQ(group->center(), (Vec2{1.0, 0.5}));
  EXPECT_EQ(group->angles(), (std::vector<double>{90.0, 90.0, 90.0, 90.0}));
  EXPECT_EQ(group->area(), 2.0);
  EXPECT_EQ(group->perimeter(), 6.0);
  EXPECT_EQ(group->canonicalName(), "[][]");
  EXPECT_EQ(group->mirrorAxis(nullptr), Axis::edge(0));
  EXPECT_EQ(group->cornerTurnFraction(1), 1.0);
}

TEST(Figure, EqualLengthsDecideEquilateralAndScaleable) {
  auto noLengths = Figure::create(Shapes::multi, "Multi");
  noLengths->updateEquilateral();
  EXPECT_TRUE(noLengths->equilateral());
  EXPECT_TRUE(noLengths->scaleable());

  // Unequal sides leave scaleable as the caller stored it.
  auto rectangle = makeFigure({1, 1, 1, 1}, {2.0, 1.0, 2.0, 1.0});
  EXPECT_FALSE(rectangle->equilateral());
  EXPECT_FALSE(rectangle->scaleable());
  auto declared = Figure::create(Shapes::multi, "Test");
  declared->setScaleable(true);
  declared->setup({1, 1, 1, 1}, {2.0, 1.0, 2.0, 1.0});
  EXPECT_FALSE(declared->equilateral());
  EXPECT_TRUE(declared->scaleable());
  EXPECT_EQ(declared->equilateralCount(), 2);
}

TEST(Figure, EqualDividendRotationsKeepTheFirstRotationsLengths) {
  // Both rotations read 1, 1, 1, 1; the second would have the smaller lengths.
  auto rectangle = makeFigure({1, 1, 1, 1}, {2.0, 1.0, 2.0, 1.0});
  EXPECT_EQ(rectangle->variantCount(), 2);
  EXPECT_EQ(rectangle->canonicalName(), "[1, 1, 1, 1][2.0, 1.0, 2.0, 1.0]");
  EXPECT_EQ(rectangle->reversedCanonicalName(), "[1, 1, 1, 1][2.0, 1.0, 2.0, 1.0]");
  EXPECT_EQ(rectangle->edgeAxes(), (std::vector<Axis>{Axis::edge(0), Axis::edge(1), Axis::edge(2), Axis::edge(3)}));
  EXPECT_TRUE(rectangle->vertexAxes().empty());
}

TEST(Figure, CanonicalNamesPickTheSmallestRotationAndPrintLengthsExactly) {
  auto figure = makeFigure({3, 1, 2, 2}, {0.1, 2.5, 1e-05, 3.0});
  EXPECT_EQ(figure->canonicalName(), "[1, 2, 2, 3][2.5, 1e-05, 3.0, 0.1]");
  // Mirror: rotation r reads dividends from r and lengths from r + 1, reversed.
  EXPECT_EQ(figure->reversedCanonicalName(), "[1, 3, 2, 2][1e-05, 2.5, 0.1, 3.0]");
}

TEST(Figure, LShape) {
  // Corners at vertices 1 … 5 and 0; the reflex one at vertex 3.
  auto l = makeFigure({1, 1, 3, 1, 1, 1}, {2.0, 1.0, 1.0, 1.0, 1.0, 2.0});

  EXPECT_EQ(l->vertices(), exactVertices({{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}));
  // Sides 1 and 3 both run north: they do not list each other.
  EXPECT_EQ(l->parallels(), (Sides{{2, 4}, {5}, {0}, {5}, {0}, {1, 3}}));
  EXPECT_EQ(l->concave(), 1);
  EXPECT_EQ(l->area(), 3.0);
  EXPECT_EQ(l->angle(), 90.0);
  EXPECT_EQ(l->cornerTurnFraction(3), 0.5);
  EXPECT_EQ(l->edgeAxes(), std::vector<Axis>{});
  EXPECT_EQ(l->vertexAxes(), (std::vector<Axis>{Axis::vertex(0), Axis::vertex(3)}));
  EXPECT_EQ(l->axis(), Axis::vertex(0));
}

TEST(Figure, ConcaveCountsEveryPeriod) {
  // A four-pointed star: reflex corners alternate with points.
  auto star = makeFigure({1, 4, 1, 4, 1, 4, 1, 4}, Lengths(8, 1.0));
  EXPECT_EQ(star->variantCount(), 2);
  EXPECT_EQ(star->concave(), 4);
}

TEST(Figure, SixteenDirectionsOfAStar) {
  // Even sides of the star (3, 12) × 16 run at k · 22.5°. A star whose only
  // non-zero length is side j puts that side's step, unrounded by any sum,
  // into vertex j + 1.
  const double length = 0.8477590650225735;
  Dividends dividends;
  for (int i = 0; i < 16; ++i)
    dividends.insert(dividends.end(), {3, 12});

  std::vector<Vec2> step(16);
  for (int k = 0; k < 16; ++k) {
    Lengths lengths(32, 0.0);
    lengths[2 * k] = length;
    step[k] = k == 0 ? makeFigure(dividends, lengths)->vertices()[1]
                     : makeFigure(dividends, lengths)->vertices()[2 * k + 1];
  }

  for (int k = 0; k < 16; ++k) {
    SCOPED_TRACE(k);
    const double direction = k * std::numbers::pi / 8.0;
    EXPECT_NEAR(step[k].x, length * std::cos(direction), 1e-15);
    EXPECT_NEAR(step[k].y, length * std::sin(direction), 1e-15);
    // Mirrored across the x axis, the y axis and the diagonal.
    const Vec2 acrossX = step[(16 - k) % 16];
    const Vec2 acrossY = step[(24 - k) % 16];
    const Vec2 acrossDiagonal = step[(20 - k) % 16];
    EXPECT_EQ(acrossX, (Vec2{step[k].x, -step[k].y}));
    EXPECT_EQ(acrossY, (Vec2{-step[k].x, step[k].y}));
    EXPECT_EQ(acrossDiagonal, (Vec2{step[k].y, step[k].x}));
  }
  EXPECT_EQ(step[0], (Vec2{length, 0.0}));
  EXPECT_EQ(step[4], (Vec2{0.0, length}));
  EXPECT_EQ(step[8], (Vec2{-length, 0.0}));
  EXPECT_EQ(step[12], (Vec2{0.0, -length}));

  auto star = makeFigure(dividends, Lengths(32, length));
  const auto& v = star->vertices();
  EXPECT_EQ(v[9].x, v[8].x);    // north
  EXPECT_EQ(v[17].y, v[16].y);  // west
  EXPECT_EQ(v[25].x, v[24].x);  // south
  EXPECT_NEAR(std::hypot(v[31].x, v[31].y), length, 1e-12);  // the closing side
  EXPECT_EQ(star->variantCount(), 2);
  EXPECT_TRUE(star->edgeAxes().empty());
  EXPECT_EQ(star->vertexAxes().size(), 32u);
  EXPECT_NEAR(star->angle(), 67.5, 1e-12);
  EXPECT_EQ(star->concave(), 16);
}

TEST(Figure, CornerAngleFractionFromCoordinates) {
  EXPECT_DOUBLE_EQ(cornerAngleFraction({0, 0}, {1, 0}, {1, 1}), 0.5);
  EXPECT_DOUBLE_EQ(cornerAngleFraction({0, 0}, {1, 0}, {1, -1}), 0.5);
  EXPECT_DOUBLE_EQ(cornerAngleFraction({0, 0}, {1, 0}, {2, 0}), 0.0);
  EXPECT_DOUBLE_EQ(cornerAngleFraction({0, 0}, {1, 0}, {0, 0}), 1.0);
  EXPECT_DOUBLE_EQ(cornerAngleFraction({-1, 0}, {0, 0}, {-1, 1}), 0.75);
  EXPECT_DOUBLE_EQ(cornerAngleFraction({-1, 0}, {0, 0}, {-1, -1}), 0.75);
}

TEST(FigureDeathTest, ProgrammingErrorsStopTheProcess) {
  EXPECT_DEATH(makeFigure({1, 1, 1}, {}), "");
  EXPECT_DEATH(makeFigure({1, 1, 1, 1}, {1.0, 1.0}), "");
  EXPECT_DEATH(makeFigure({INT64_MAX, 1}, {1.0, 1.0}), "");
  EXPECT_DEATH(makeFigure({1, -1}, {1.0, 1.0})->parallels(), "");
  EXPECT_DEATH(Figure::create(Shapes::multi, "Multi")->concave(), "");
  auto empty = Figure::create(Shapes::multi, "Multi");
  empty->setVertices({});
  EXPECT_DEATH(empty->area(), "");
}

}  // namespace
}  // namespace ornival
