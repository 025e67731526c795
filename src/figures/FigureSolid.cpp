#include "figures/FigureSolid.h"

#include "figures/Roof.h"
#include "figures/Triangulation.h"
#include "platform/Precondition.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace ornival {

namespace {

std::uint32_t meshIndex(std::int64_t index, std::size_t base) {
  constexpr auto largest = static_cast<std::uint64_t>(std::numeric_limits<std::uint32_t>::max());
  ORNIVAL_PRECONDITION(index >= 0 && base <= largest);
  const auto value = static_cast<std::uint64_t>(index) + base;
  ORNIVAL_PRECONDITION(value <= largest);
  return static_cast<std::uint32_t>(value);
}

}  // namespace

std::shared_ptr<Geometry> makeFigureSolid(std::span<const Vec2> vertices, Vec2 center, bool wingBolt) {
  const Roof roof = makeRoof(vertices, wingBolt);

  std::vector<std::vector<Vertex3>> corners;
  std::vector<std::vector<std::int64_t>> triangles;
  corners.reserve(roof.faces.size());
  triangles.reserve(roof.faces.size());
  std::size_t cornerCount = 0;
  std::size_t indexCount = 0;
  for (const Face& face : roof.faces) {
    corners.push_back(face.vertices());
    triangles.push_back(Triangulation::triangulate(corners.back()));
    cornerCount += corners.back().size();
    indexCount += triangles.back().size();
  }

  GeometrySources mesh;
  mesh.positions.reserve(2 * cornerCount);
  mesh.textureCoordinates.reserve(2 * cornerCount);
  mesh.indices.reserve(2 * indexCount);

  const auto appendCorners = [&](const std::vector<Vertex3>& face, bool top) {
    for (const Vertex3& c : face) {
      mesh.positions.push_back({c.x, c.y, top ? c.z : 0.0});
      const double dx = c.x - center.x;
      const double dy = c.y - center.y;
      mesh.textureCoordinates.push_back({c.z, std::sqrt(dx * dx + dy * dy)});
    }
  };

  for (std::size_t f = 0; f < corners.size(); ++f) {
    const std::size_t base = mesh.positions.size();
    appendCorners(corners[f], true);
    for (const std::int64_t index : triangles[f])
      mesh.indices.push_back(meshIndex(index, base));
  }
  // Reading each face's list backwards turns every triangle over, so the base
  // faces downwards.
  for (std::size_t f = 0; f < corners.size(); ++f) {
    const std::size_t base = mesh.positions.size();
    appendCorners(corners[f], false);
    for (auto index = triangles[f].rbegin(); index != triangles[f].rend(); ++index)
      mesh.indices.push_back(meshIndex(*index, base));
  }
  return Geometry::create(std::move(mesh));
}

}  // namespace ornival
