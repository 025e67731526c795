// Binary STL: an 80-byte header, the triangle count and fifty bytes a
// triangle, all little-endian.

#include "document/scene/SceneWriters.h"

#include "document/scene/LittleEndian.h"

#include <cstdint>

namespace ornival {

namespace {

void appendVector(std::string& out, Vec3 v) {
  appendFloat32(out, v.x);
  appendFloat32(out, v.y);
  appendFloat32(out, v.z);
}

}  // namespace

std::string binaryStl(const ExportScene& scene) {
  const std::vector<ExportMesh> meshes = scene.placedMeshes();
  std::uint64_t count = 0;
  for (const ExportMesh& mesh : meshes)
    count += mesh.triangles.size();
  // A header that began with "solid" would pass for the text form.
  std::string out = "Binary STL written by Ornival";
  out.resize(80, '\0');
  appendUint32(out, std::uint32_t(count));
  out.reserve(out.size() + count * 50);
  for (const ExportMesh& mesh : meshes)
    for (const auto& t : mesh.triangles) {
      const Vec3 a = mesh.positions[t[0]];
      const Vec3 b = mesh.positions[t[1]];
      const Vec3 c = mesh.positions[t[2]];
      Vec3 n = (b - a).cross(c - a);
      const double length = n.length();
      n = length > 0.0 ? n / length : Vec3{};
      appendVector(out, n);
      appendVector(out, a);
      appendVector(out, b);
      appendVector(out, c);
      out += '\0';
      out += '\0';
    }
  return out;
}

}  // namespace ornival
