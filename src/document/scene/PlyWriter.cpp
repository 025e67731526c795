// Binary little-endian PLY: every mesh's vertices in one list, each with its
// normal and the colour of its mesh's material, and the triangles as faces.

#include "document/scene/SceneWriters.h"

#include "document/scene/LittleEndian.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace ornival {

namespace {

char channel(double value) { return char(std::uint8_t(std::lround(std::clamp(value, 0.0, 1.0) * 255.0))); }

}  // namespace

std::string binaryPly(const ExportScene& scene) {
  const std::vector<ExportMesh> meshes = scene.placedMeshes();
  std::uint64_t vertices = 0;
  std::uint64_t faces = 0;
  for (const ExportMesh& mesh : meshes) {
    vertices += mesh.positions.size();
    faces += mesh.triangles.size();
  }
  std::string out = "ply\nformat binary_little_endian 1.0\ncomment Ornival\nelement vertex " +
                    formatInteger(std::int64_t(vertices)) +
                    "\nproperty float x\nproperty float y\nproperty float z\n"
                    "property float nx\nproperty float ny\nproperty float nz\n"
                    "property uchar red\nproperty uchar green\nproperty uchar blue\nproperty uchar alpha\n"
                    "element face " +
                    formatInteger(std::int64_t(faces)) + "\nproperty list uchar uint vertex_indices\nend_header\n";
  out.reserve(out.size() + vertices * 28 + faces * 13);
  for (const ExportMesh& mesh : meshes) {
    const Color& c = scene.materials[mesh.material].baseColor;
    for (std::size_t i = 0; i < mesh.positions.size(); ++i) {
      for (const Vec3& v : {mesh.positions[i], mesh.normals[i]}) {
        appendFloat32(out, v.x);
        appendFloat32(out, v.y);
        appendFloat32(out, v.z);
      }
      for (const double x : {c.red, c.green, c.blue, c.alpha})
        out += channel(x);
    }
  }
  std::uint32_t first = 0;
  for (const ExportMesh& mesh : meshes) {
    for (const auto& t : mesh.triangles) {
      out += char(3);
      for (const std::uint32_t index : t)
        appendUint32(out, first + index);
    }
    first += std::uint32_t(mesh.positions.size());
  }
  return out;
}

}  // namespace ornival
