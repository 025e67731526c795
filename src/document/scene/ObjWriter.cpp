// Wavefront OBJ with its material library: one object per mesh, placed in
// the scene's space, indices counted from 1 across the whole file.

#include "document/scene/SceneWriters.h"

#include "platform/NumberText.h"

namespace ornival {

namespace {

void appendVector(std::string& out, const char* tag, Vec3 v) {
  out += tag;
  for (const double x : {v.x, v.y, v.z})
    out += " " + formatNumber(x);
  out += '\n';
}

}  // namespace

ObjFiles objFiles(const ExportScene& scene, std::string_view mtlName) {
  ObjFiles files;
  files.obj = "# Ornival\nmtllib " + std::string(mtlName) + "\n";
  std::uint64_t first = 1;
  for (const ExportMesh& mesh : scene.placedMeshes()) {
    files.obj += "o " + mesh.name + "\n";
    for (const Vec3& p : mesh.positions)
      appendVector(files.obj, "v", p);
    for (const Vec3& n : mesh.normals)
      appendVector(files.obj, "vn", n);
    files.obj += "usemtl " + scene.materials[mesh.material].name + "\n";
    for (const auto& triangle : mesh.triangles) {
      files.obj += 'f';
      for (const std::uint32_t index : triangle) {
        const std::string i = formatInteger(std::int64_t(first + index));
        files.obj += " " + i + "//" + i;
      }
      files.obj += '\n';
    }
    first += mesh.positions.size();
  }

  files.mtl = "# Ornival\n";
  for (const ExportMaterial& m : scene.materials) {
    const Color& c = m.baseColor;
    files.mtl += "newmtl " + m.name + "\n";
    files.mtl += "Kd " + formatNumber(c.red) + " " + formatNumber(c.green) + " " + formatNumber(c.blue) + "\n";
    files.mtl += "Ka 0 0 0\nKs 0 0 0\nd " + formatNumber(c.alpha) + "\nillum 1\n";
    // The physically based extension most readers know.
    files.mtl += "Pm " + formatNumber(m.metalness) + "\nPr " + formatNumber(m.roughness) + "\n\n";
  }
  return files;
}

}  // namespace ornival
