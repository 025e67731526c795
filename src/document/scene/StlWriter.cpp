// Binary STL: an 80-byte header, the triangle count and fifty bytes a
// triangle, all little-endian.

#include "document/scene/SceneWriters.h"

#include <bit>
#include <cstdint>

namespace ornival {

namespace {

void appendUint32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out += char((value >> shift) & 0xFF);
}

void appendFloat(std::string& out, double value) { appendUint32(out, std::bit_cast<std::uint32_t>(float(value))); }

void appendVector(std::string& out, Vec3 v) {
  appendFloat(out, v.x);
  appendFloat(out, v.y);
  appendFloat(out, v.z);
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
      const Vec3 u = b - a;
      const Vec3 v = c - a;
      Vec3 n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
      const double length = n.length();
      n = length > 0.0 ? Vec3{n.x / length, n.y / length, n.z / length} : Vec3{};
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
