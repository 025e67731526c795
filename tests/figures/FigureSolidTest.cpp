#include "figures/FigureSolid.h"

#include "figures/Figure.h"
#include "figures/Roof.h"
#include "figures/catalogue/Shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <cstdint>
#include <string>
#include <vector>

namespace ornival {
namespace {

// Twice the shoelace area: positive for a counter-clockwise outline.
double twiceArea(const std::vector<Vec2>& outline) {
  double sum = 0.0;
  for (std::size_t i = 0; i < outline.size(); ++i)
    sum += outline[i].cross(outline[(i + 1) % outline.size()]);
  return sum;
}

Vec2 mean(const std::vector<Vec2>& points) {
  Vec2 sum;
  for (const Vec2 p : points)
    sum += p;
  return sum / double(points.size());
}

// What every figure's solid must satisfy: the base repeats the top flat with
// the same texture coordinates and every triangle turned over, each roof face
// is cut into triangles completely, and seen from above the top triangles'
// signed areas add up to the outline's. Signed, because a roof whose events
// drop in height can fold a face over itself, and the last triangle of such a
// face turns clockwise.
void expectSolidCoversOutline(const std::string& name, const std::vector<Vec2>& vertices, Vec2 center,
                              bool wingBolt) {
  SCOPED_TRACE(name);
  const auto solid = makeFigureSolid(vertices, center, wingBolt);
  const GeometrySources& mesh = solid->sources();
  const std::size_t half = mesh.positions.size() / 2;
  ASSERT_EQ(mesh.positions.size(), 2 * half);
  ASSERT_EQ(mesh.textureCoordinates.size(), mesh.positions.size());
  EXPECT_TRUE(mesh.normals.empty());
  for (std::size_t i = 0; i < half; ++i) {
    const Vec3 top = mesh.positions[i];
    EXPECT_EQ(mesh.positions[half + i], (Vec3{top.x, top.y, 0.0})) << "position " << i;
    EXPECT_EQ(mesh.textureCoordinates[half + i], mesh.textureCoordinates[i]) << "position " << i;
    EXPECT_EQ(mesh.textureCoordinates[i].x, top.z);
    EXPECT_GE(top.z, 0.0);
  }

  // A face of k corners makes k − 2 triangles; so, over all faces, there are
  // as many triangles as corners less two per face. Straight and repeated
  // corners are cleaned away, so there may be fewer faces than vertices.
  const std::vector<Face> faces = makeRoof(vertices, wingBolt).faces;
  const std::size_t sides = faces.size();
  ASSERT_GE(half, 2 * sides);
  ASSERT_EQ(mesh.indices.size(), 6 * (half - 2 * sides));
  const std::size_t topCount = mesh.indices.size() / 2;
  double covered = 0.0;
  for (std::size_t t = 0; t < topCount; t += 3) {
    const Vec3 a = mesh.positions.at(mesh.indices[t]);
    const Vec3 b = mesh.positions.at(mesh.indices[t + 1]);
    const Vec3 c = mesh.positions.at(mesh.indices[t + 2]);
    covered += (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    for (std::size_t k = 0; k < 3; ++k)
      EXPECT_LT(mesh.indices[t + k], half);
  }
  EXPECT_NEAR(covered, twiceArea(vertices), 1e-9 * std::abs(twiceArea(vertices)));

  // Base triangles: each face's top list read backwards and moved into the
  // base half, so every triangle turns over.
  std::vector<std::uint32_t> expectedBase;
  std::size_t corner = 0;
  std::size_t index = 0;
  for (const Face& face : faces) {
    const std::size_t k = face.edges.size();
    const std::size_t count = k < 3 ? 0 : 3 * (k - 2);
    for (std::size_t i = index + count; i-- > index;) {
      EXPECT_GE(mesh.indices[i], corner);
      EXPECT_LT(mesh.indices[i], corner + k);
      expectedBase.push_back(mesh.indices[i] + std::uint32_t(half));
    }
    corner += k;
    index += count;
  }
  EXPECT_EQ(corner, half);
  EXPECT_EQ(std::vector<std::uint32_t>(mesh.indices.begin() + std::ptrdiff_t(topCount), mesh.indices.end()),
            expectedBase);
}

std::shared_ptr<Figure> wingBoltFigure() {
  const auto figure = Figure::create(Shapes::wingBolt, "Wing Bolt");
  figure->setup({6, 6, 21, 6, 17, 6, 21, 6, 6, 25},
                {1, 1, 1, 1, 0.3681587642946257, 0.3681587642946257, 1, 1, 1, 1});
  return figure;
}

std::vector<Vec2> regular(int n, double radius, double turn = 0.0) {
  std::vector<Vec2> result;
  for (int k = 0; k < n; ++k)
    result.push_back({radius * std::cos(turn + 2 * std::numbers::pi * k / n), radius * std::sin(turn + 2 * std::numbers::pi * k / n)});
  return result;
}

// A five-pointed star: alternate corners on two circles.
std::vector<Vec2> star() {
  const auto outer = regular(5, 1.0, std::numbers::pi / 2);
  const auto inner = regular(5, 0.4, std::numbers::pi / 2 + std::numbers::pi / 5);
  std::vector<Vec2> result;
  for (int k = 0; k < 5; ++k) {
    result.push_back(outer[std::size_t(k)]);
    result.push_back(inner[std::size_t(k)]);
  }
  return result;
}

TEST(FigureSolid, UnitSquareHasFourTrianglesEachWay) {
  const auto solid = makeFigureSolid(std::vector<Vec2>{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {0.5, 0.5}, false);
  const GeometrySources& mesh = solid->sources();
  const Vec3 apex{0.5, 0.5, 0.5};
  const std::vector<Vec3> top{{1, 1, 0}, {0, 1, 0}, apex, {1, 0, 0}, {1, 1, 0}, apex,
                              {0, 0, 0}, {1, 0, 0}, apex, {0, 1, 0}, {0, 0, 0}, apex};
  ASSERT_EQ(mesh.positions.size(), 24u);
  for (std::size_t i = 0; i < 12; ++i) {
    EXPECT_EQ(mesh.positions[i], top[i]) << i;
    EXPECT_EQ(mesh.positions[12 + i], (Vec3{top[i].x, top[i].y, 0})) << i;
  }
  EXPECT_EQ(mesh.indices, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11,
                                                      14, 13, 12, 17, 16, 15, 20, 19, 18, 23, 22, 21}));
  ASSERT_EQ(mesh.textureCoordinates.size(), 24u);
  for (std::size_t i = 0; i < 24; ++i) {
    const Vec2 expected = i % 3 == 2 ? Vec2{0.5, 0.0} : Vec2{0.0, 0.7071067811865476};
    EXPECT_EQ(mesh.textureCoordinates[i], expected) << i;
  }
  EXPECT_TRUE(mesh.normals.empty());
}

TEST(FigureSolid, FacesWithoutTrianglesStillBringTheirCorners) {
  // Clockwise, the roof is four single corners: eight positions, no triangles.
  const auto clockwise = makeFigureSolid(std::vector<Vec2>{{0, 0}, {0, 1}, {1, 1}, {1, 0}}, {0.5, 0.5}, false);
  EXPECT_EQ(clockwise->sources().positions.size(), 8u);
  EXPECT_EQ(clockwise->sources().textureCoordinates.size(), 8u);
  EXPECT_TRUE(clockwise->sources().indices.empty());

  const auto flat = makeFigureSolid(std::vector<Vec2>{{0, 0}, {1, 0}, {2, 0}}, {1, 0}, false);
  EXPECT_TRUE(flat->sources().positions.empty());
  EXPECT_TRUE(flat->sources().textureCoordinates.empty());
  EXPECT_TRUE(flat->sources().indices.empty());
}

TEST(FigureSolid, WingBoltFlagSelectsTheHeightTieRule) {
  const auto figure = wingBoltFigure();
  // Faces of 38 corners by distance, 40 by height.
  EXPECT_EQ(makeFigureSolid(figure->vertices(), figure->center(), false)->sources().positions.size(), 76u);
  EXPECT_EQ(makeFigureSolid(figure->vertices(), figure->center(), true)->sources().positions.size(), 80u);
}

TEST(FigureSolid, EveryFigureIsCoveredByItsTopTriangles) {
  struct Outline {
    std::string name;
    std::vector<Vec2> vertices;
    bool wingBolt = false;
  };
  const auto bolt = wingBoltFigure();
  const std::vector<Outline> outlines{
      {"square", {{0, 0}, {1, 0}, {1, 1}, {0, 1}}},
      {"rectangle", {{0, 0}, {2, 0}, {2, 1}, {0, 1}}},
      {"rectangle with a straight corner", {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {0, 1}}},
      {"trapezoid", {{0, 0}, {4, 0}, {3, 1}, {1, 1}}},
      {"L", {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}},
      {"hexagon", regular(6, 1.0)},
      {"star", star()},
      {"wing bolt by distance", bolt->vertices(), false},
      {"wing bolt by height", bolt->vertices(), true},
  };
  for (const auto& o : outlines)
    expectSolidCoversOutline(o.name, o.vertices, mean(o.vertices), o.wingBolt);
}

TEST(FigureSolid, EveryCatalogueFigureIsCoveredByItsTopTriangles) {
  const auto& figures = Shapes::figures();
  ASSERT_FALSE(figures.empty());
  for (const auto& figure : figures)
    expectSolidCoversOutline(figure->name(), figure->vertices(), figure->center(),
                             figure->tool() == Shapes::wingBolt);
}

}  // namespace
}  // namespace ornival

namespace ornival {
namespace {

TEST(FigureSolid, AFigureBuildsItsSolidOnceAndOnlyTheWingBoltBreaksTiesByHeight) {
  const auto& wingBolt = Shapes::figures()[std::size_t(Shapes::wingBolt.rawValue() - Shapes::firstRawValue)];
  EXPECT_EQ(wingBolt->geometry(), wingBolt->geometry());
  EXPECT_EQ(wingBolt->geometry()->sources().positions.size(), 80u);

  // The same outline under another case name takes the distance rule.
  const auto twin = Figure::create(Shapes::square, "Not a wing bolt");
  twin->setup(wingBolt->dividends(), wingBolt->lengths());
  EXPECT_EQ(twin->geometry()->sources().positions.size(), 76u);
}

}  // namespace
}  // namespace ornival
