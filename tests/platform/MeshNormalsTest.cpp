#include "platform/MeshNormals.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

namespace ornival {
namespace {

Vec3 unit(Vec3 v) { return v / v.length(); }

void expectNear(Vec3 actual, Vec3 expected, double tolerance = 1e-9) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// Every corner still has its position and texture coordinate, and a unit normal.
void expectSameCorners(const GeometrySources& in, const GeometrySources& out) {
  ASSERT_EQ(out.indices.size(), in.indices.size());
  ASSERT_EQ(out.normals.size(), out.positions.size());
  ASSERT_EQ(out.textureCoordinates.size(), in.textureCoordinates.empty() ? 0 : out.positions.size());
  for (std::size_t corner = 0; corner < in.indices.size(); ++corner) {
    ASSERT_LT(out.indices[corner], out.positions.size());
    EXPECT_EQ(out.positions[out.indices[corner]], in.positions[in.indices[corner]]);
    if (!in.textureCoordinates.empty()) {
      EXPECT_EQ(out.textureCoordinates[out.indices[corner]], in.textureCoordinates[in.indices[corner]]);
    }
  }
  for (Vec3 n : out.normals)
    EXPECT_NEAR(n.length(), 1.0, 1e-12);
}

Vec3 cornerNormal(const GeometrySources& mesh, std::size_t corner) { return mesh.normals[mesh.indices[corner]]; }

// A unit cube whose square faces are cut along one diagonal each, so that at
// some corners a face brings one right-angled triangle and at others two
// half-right ones. shared: the 8 corners once; otherwise every face has its
// own copies, each nudged by less than half a grid cell.
GeometrySources cube(bool shared) {
  const std::array<std::array<Vec3, 4>, 6> faces{{
      {{{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}}},
      {{{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}},
      {{{1, 0, 0}, {1, 1, 0}, {1, 1, 1}, {1, 0, 1}}},
      {{{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}}},
      {{{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}},
      {{{0, 1, 0}, {0, 1, 1}, {1, 1, 1}, {1, 1, 0}}},
  }};
  GeometrySources mesh;
  const auto indexOf = [&](Vec3 p) -> std::uint32_t {
    if (shared)
      for (std::uint32_t i = 0; i < mesh.positions.size(); ++i)
        if (mesh.positions[i] == p)
          return i;
    const double nudge = shared ? 0.0 : 0.0003 * static_cast<double>(mesh.positions.size() % 3) - 0.0003;
    mesh.positions.push_back({p.x + nudge, p.y - nudge, p.z + nudge});
    mesh.textureCoordinates.push_back({static_cast<double>(mesh.positions.size()), 0.0});
    return static_cast<std::uint32_t>(mesh.positions.size() - 1);
  };
  for (const auto& face : faces) {
    std::array<std::uint32_t, 4> i{};
    for (int k = 0; k < 4; ++k)
      i[k] = indexOf(face[k]);
    mesh.indices.insert(mesh.indices.end(), {i[0], i[1], i[2], i[0], i[2], i[3]});
  }
  return mesh;
}

Vec3 faceNormal(const GeometrySources& mesh, std::size_t triangle) {
  const Vec3 a = mesh.positions[mesh.indices[3 * triangle]];
  return unit((mesh.positions[mesh.indices[3 * triangle + 1]] - a).cross(mesh.positions[mesh.indices[3 * triangle + 2]] - a));
}

TEST(MeshNormals, CubeKeepsFaceNormalsAcrossRightAnglesOrSmoothsThemEvenly) {
  for (bool shared : {true, false}) {
    SCOPED_TRACE(shared ? "shared corners" : "corners per face");
    const GeometrySources mesh = cube(shared);

    const GeometrySources sharp = addNormals(mesh, 0.5);
    expectSameCorners(mesh, sharp);
    // Three faces meet at each corner: shared corners split into three.
    EXPECT_EQ(sharp.positions.size(), 24u);
    for (std::size_t corner = 0; corner < mesh.indices.size(); ++corner)
      expectNear(cornerNormal(sharp, corner), faceNormal(mesh, corner / 3), 2e-3);

    // Smoothed, every corner points away from the centre along the diagonal,
    // however the faces around it were cut.
    const GeometrySources smooth = addNormals(mesh, -0.5);
    expectSameCorners(mesh, smooth);
    for (std::size_t corner = 0; corner < mesh.indices.size(); ++corner) {
      const Vec3 p = mesh.positions[mesh.indices[corner]];
      const Vec3 diagonal{std::round(p.x) - 0.5, std::round(p.y) - 0.5, std::round(p.z) - 0.5};
      expectNear(cornerNormal(smooth, corner), unit(diagonal), 2e-3);
    }
  }
}

// The solid of the unit square: four roof faces rising to (0.5, 0.5, 0.5),
// then the same faces flattened and turned over as the base, each corner its
// own position.
GeometrySources bevelledSquare() {
  const Vec3 apex{0.5, 0.5, 0.5};
  const std::array<std::array<Vec3, 3>, 4> roof{{
      {{{1, 1, 0}, {0, 1, 0}, apex}},
      {{{1, 0, 0}, {1, 1, 0}, apex}},
      {{{0, 0, 0}, {1, 0, 0}, apex}},
      {{{0, 1, 0}, {0, 0, 0}, apex}},
  }};
  GeometrySources mesh;
  for (const auto& face : roof)
    for (Vec3 p : face)
      mesh.positions.push_back(p);
  for (const auto& face : roof)
    for (Vec3 p : face)
      mesh.positions.push_back({p.x, p.y, 0.0});
  for (std::uint32_t i = 0; i < 12; ++i)
    mesh.indices.push_back(i);
  for (std::uint32_t face = 0; face < 4; ++face)
    mesh.indices.insert(mesh.indices.end(), {12 + 3 * face + 2, 12 + 3 * face + 1, 12 + 3 * face});
  return mesh;
}

TEST(MeshNormals, BevelledSquareSmoothsOnlyTheCreasesWithinTheThreshold) {
  // Roof faces meet their neighbours at 60 degrees, the opposite face at 90
  // and the base at 135.
  const Vec3 front = unit({0, -1, 1});
  const Vec3 left = unit({-1, 0, 1});
  // Weighted by the corner angles: 54.7 degrees in either roof face, 45 in
  // either base triangle.
  const Vec3 roofAndBase =
      unit(std::acos(1 / std::sqrt(3.0)) * (front + left) + std::numbers::pi / 2 * Vec3{0, 0, -1});
  struct Case {
    double threshold;
    Vec3 apex;    // of the front face
    Vec3 corner;  // the front face's corner at the origin
    Vec3 base;    // the base's corner at the origin
  };
  const Case cases[] = {
      {1.0, front, front, {0, 0, -1}},
      {0.4, unit({0, -1, 3}), unit({-1, -1, 2}), {0, 0, -1}},
      {-0.5, {0, 0, 1}, unit({-1, -1, 2}), {0, 0, -1}},
      {-1.0, {0, 0, 1}, roofAndBase, roofAndBase},
  };
  const GeometrySources mesh = bevelledSquare();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.threshold);
    const GeometrySources result = addNormals(mesh, c.threshold);
    expectSameCorners(mesh, result);
    EXPECT_EQ(result.positions, mesh.positions);
    expectNear(result.normals[8], c.apex);
    expectNear(result.normals[6], c.corner);
    expectNear(result.normals[18], c.base);
  }
}

TEST(MeshNormals, EveryNormalIsAUnitVectorEvenWithoutAFaceToTakeItFrom) {
  GeometrySources mesh;
  mesh.positions = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0},   // a triangle facing up
                    {0, 0, 0}, {0, 1, 0}, {1, 0, 0},   // the same facing down
                    {0, 0, 0}, {2, 0, 0}, {3, 0, 0},   // no area
                    {5, 5, 5}};                        // in no triangle
  mesh.indices = {0, 1, 2, 3, 4, 5, 6, 7, 8};
  // Everything smooths together, and up and down cancel out: each face
  // falls back to its own normal.
  const GeometrySources result = addNormals(mesh, -1.0);
  expectSameCorners(mesh, result);
  for (std::uint32_t i : {0u, 1u, 2u})
    expectNear(result.normals[i], {0, 0, 1});
  for (std::uint32_t i : {3u, 4u, 5u})
    expectNear(result.normals[i], {0, 0, -1});
  // The flat triangle takes what lies around its corners, or +z.
  for (std::uint32_t i : {6u, 7u, 8u, 9u})
    expectNear(result.normals[i], {0, 0, 1});
}

}  // namespace
}  // namespace ornival
