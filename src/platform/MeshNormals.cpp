#include "platform/MeshNormals.h"

#include "platform/Grid.h"
#include "platform/Hash.h"
#include "platform/Precondition.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <functional>
#include <limits>
#include <unordered_map>

namespace ornival {

namespace {

// The cell of the grid that a position lands in.
struct GridPoint {
  double x, y, z;
  bool operator==(const GridPoint&) const = default;
};

GridPoint gridPoint(Vec3 p) { return {gridCell(p.x), gridCell(p.y), gridCell(p.z)}; }

struct GridPointHash {
  std::size_t operator()(const GridPoint& p) const noexcept {
    return combineHash(combineHash(combineHash(0, p.x), p.y), p.z);
  }
};

constexpr Vec3 up{0.0, 0.0, 1.0};

// Scales v to unit length; false, leaving v alone, when its length is zero or
// not finite.
bool normalize(Vec3& v) {
  const double length = v.length();
  if (!(length > 0.0) || !std::isfinite(length))
    return false;
  v = v / length;
  return true;
}

double angleBetween(Vec3 a, Vec3 b) { return std::atan2(a.cross(b).length(), a.dot(b)); }

}  // namespace

GeometrySources addNormals(const GeometrySources& mesh, double creaseThreshold) {
  const std::size_t positionCount = mesh.positions.size();
  const std::size_t triangleCount = mesh.indices.size() / 3;
  ORNIVAL_PRECONDITION(mesh.indices.size() % 3 == 0);
  ORNIVAL_PRECONDITION(mesh.textureCoordinates.empty() || mesh.textureCoordinates.size() == positionCount);
  for (std::uint32_t index : mesh.indices)
    ORNIVAL_PRECONDITION(index < positionCount);

  // Weld: every position gets the number of its grid point.
  std::vector<std::size_t> pointOf(positionCount);
  std::unordered_map<GridPoint, std::size_t, GridPointHash> points;
  for (std::size_t i = 0; i < positionCount; ++i)
    pointOf[i] = points.try_emplace(gridPoint(mesh.positions[i]), points.size()).first->second;

  // Face normals (zero for a triangle without area) and corner angles.
  std::vector<Vec3> faceNormals(triangleCount);
  std::vector<bool> hasFaceNormal(triangleCount);
  std::vector<std::array<double, 3>> cornerAngles(triangleCount);
  for (std::size_t t = 0; t < triangleCount; ++t) {
    const Vec3 a = mesh.positions[mesh.indices[3 * t]];
    const Vec3 b = mesh.positions[mesh.indices[3 * t + 1]];
    const Vec3 c = mesh.positions[mesh.indices[3 * t + 2]];
    Vec3 normal = (b - a).cross(c - a);
    hasFaceNormal[t] = normalize(normal);
    faceNormals[t] = hasFaceNormal[t] ? normal : Vec3{};
    cornerAngles[t] = {angleBetween(b - a, c - a), angleBetween(c - b, a - b), angleBetween(a - c, b - c)};
  }

  // The corners at each grid point, as positions 3t + k into the index list,
  // gathered in one flat array with an offset per point.
  std::vector<std::size_t> firstCorner(points.size() + 1, 0);
  for (std::uint32_t index : mesh.indices)
    ++firstCorner[pointOf[index] + 1];
  for (std::size_t p = 0; p < points.size(); ++p)
    firstCorner[p + 1] += firstCorner[p];
  std::vector<std::size_t> cornersAt(mesh.indices.size());
  {
    std::vector<std::size_t> fill(firstCorner.begin(), firstCorner.end() - 1);
    for (std::size_t corner = 0; corner < mesh.indices.size(); ++corner)
      cornersAt[fill[pointOf[mesh.indices[corner]]]++] = corner;
  }

  const auto cornerNormal = [&](std::size_t corner) {
    const std::size_t t = corner / 3;
    const std::size_t point = pointOf[mesh.indices[corner]];
    Vec3 sum;
    for (std::size_t k = firstCorner[point]; k < firstCorner[point + 1]; ++k) {
      const std::size_t other = cornersAt[k];
      const std::size_t u = other / 3;
      if (!hasFaceNormal[u])
        continue;
      if (u == t || !hasFaceNormal[t] || faceNormals[u].dot(faceNormals[t]) >= creaseThreshold)
        sum += faceNormals[u] * cornerAngles[u][other % 3];
    }
    if (normalize(sum))
      return sum;
    return hasFaceNormal[t] ? faceNormals[t] : up;
  };

  GeometrySources result;
  result.positions = mesh.positions;
  result.textureCoordinates = mesh.textureCoordinates;
  result.normals.assign(positionCount, up);
  result.indices = mesh.indices;

  // The vertices made for each index: the index itself first, then its copies.
  std::vector<bool> assigned(positionCount, false);
  std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> copies;
  const auto agree = [](Vec3 a, Vec3 b) { return (a - b).lengthSquared() <= 1e-18; };
  for (std::size_t corner = 0; corner < mesh.indices.size(); ++corner) {
    const std::uint32_t index = mesh.indices[corner];
    const Vec3 normal = cornerNormal(corner);
    if (!assigned[index]) {
      assigned[index] = true;
      result.normals[index] = normal;
      continue;
    }
    if (agree(result.normals[index], normal))
      continue;
    std::vector<std::uint32_t>& made = copies[index];
    std::uint32_t vertex = 0;
    bool found = false;
    for (std::uint32_t candidate : made)
      if (agree(result.normals[candidate], normal)) {
        vertex = candidate;
        found = true;
        break;
      }
    if (!found) {
      ORNIVAL_PRECONDITION(result.positions.size() < std::numeric_limits<std::uint32_t>::max());
      vertex = static_cast<std::uint32_t>(result.positions.size());
      result.positions.push_back(mesh.positions[index]);
      if (!mesh.textureCoordinates.empty())
        result.textureCoordinates.push_back(mesh.textureCoordinates[index]);
      result.normals.push_back(normal);
      made.push_back(vertex);
    }
    result.indices[corner] = vertex;
  }
  return result;
}

}  // namespace ornival
