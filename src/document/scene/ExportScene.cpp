#include "document/scene/ExportScene.h"

#include "document/Document.h"
#include "document/DocumentEditor.h"
#include "platform/Geometry.h"
#include "platform/Material.h"
#include "platform/MeshNormals.h"
#include "platform/Scene.h"
#include "platform/SceneNode.h"

#include <cmath>
#include <numbers>

namespace ornival {

namespace {

// The camera stands this high over the tiles, as in the editor's view.
constexpr double cameraHeight = 900.0;

using Linear = std::array<std::array<double, 3>, 3>;

Linear linearPart(const Transform3D& t) {
  Linear a{};
  for (std::size_t r = 0; r < 3; ++r)
    for (std::size_t c = 0; c < 3; ++c)
      a[r][c] = t.m[r][c];
  return a;
}

double determinant(const Linear& a) {
  return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
         a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
}

// The transpose of the inverse times the determinant: how normals (rows) map
// under a map of points (rows), up to their length.
Linear cofactors(const Linear& a) {
  Linear c{};
  for (std::size_t r = 0; r < 3; ++r)
    for (std::size_t col = 0; col < 3; ++col) {
      const std::size_t r1 = (r + 1) % 3, r2 = (r + 2) % 3, c1 = (col + 1) % 3, c2 = (col + 2) % 3;
      c[r][col] = a[r1][c1] * a[r2][c2] - a[r1][c2] * a[r2][c1];
    }
  return c;
}

Vec3 unitOrUp(Vec3 v) {
  const double length = v.length();
  return length > 0.0 && std::isfinite(length) ? Vec3{v.x / length, v.y / length, v.z / length} : Vec3{0.0, 0.0, 1.0};
}

// Appends the triangles placed by transform, normals turned along, the
// winding kept outward where the transform mirrors.
void appendPlaced(ExportMesh& mesh, const std::vector<Vec3>& positions, const std::vector<Vec3>& normals,
                  const std::vector<std::uint32_t>& indices, const Transform3D& transform) {
  const Linear linear = linearPart(transform);
  const double det = determinant(linear);
  const Linear normalMap = cofactors(linear);
  const double sign = det < 0.0 ? -1.0 : 1.0;
  const auto first = std::uint32_t(mesh.positions.size());
  for (std::size_t i = 0; i < positions.size(); ++i) {
    mesh.positions.push_back(transform.apply(positions[i]));
    const Vec3 n = i < normals.size() ? normals[i] : Vec3{0.0, 0.0, 1.0};
    const Vec3 mapped{sign * (n.x * normalMap[0][0] + n.y * normalMap[1][0] + n.z * normalMap[2][0]),
                      sign * (n.x * normalMap[0][1] + n.y * normalMap[1][1] + n.z * normalMap[2][1]),
                      sign * (n.x * normalMap[0][2] + n.y * normalMap[1][2] + n.z * normalMap[2][2])};
    mesh.normals.push_back(unitOrUp(mapped));
  }
  for (std::size_t t = 0; t + 2 < indices.size(); t += 3) {
    const std::uint32_t a = first + indices[t];
    const std::uint32_t b = first + indices[t + 1];
    const std::uint32_t c = first + indices[t + 2];
    mesh.triangles.push_back(det < 0.0 ? std::array{a, c, b} : std::array{a, b, c});
  }
}

class Builder {
public:
  Builder(ExportScene& scene, const ExportSceneSource& source) : scene_(scene), source_(source) {}

  // A node under the scene's top with a mesh for every material of the
  // geometries, each baked in by its transform.
  void addNode(std::string name, const std::vector<std::pair<const Geometry*, Transform3D>>& parts) {
    const std::size_t node = scene_.nodes.size();
    scene_.nodes.push_back({name, Transform3D::identity(), std::nullopt, {}});
    std::vector<std::pair<std::size_t, std::size_t>> meshOfMaterial;
    for (const auto& [geometry, transform] : parts) {
      // Readers stumble over meshes without a face.
      if (geometry->sources().indices.size() < 3)
        continue;
      const std::size_t material = materialOf(geometry->firstMaterial().get());
      std::size_t mesh = 0;
      bool found = false;
      for (const auto& [m, index] : meshOfMaterial)
        if (m == material) {
          mesh = index;
          found = true;
        }
      if (!found) {
        mesh = scene_.meshes.size();
        scene_.meshes.push_back({name + "_" + std::to_string(meshOfMaterial.size()), {}, {}, {}, material});
        scene_.nodes[node].meshes.push_back(mesh);
        meshOfMaterial.emplace_back(material, mesh);
      }
      bake(scene_.meshes[mesh], geometry->sources(), transform);
    }
  }

private:
  // Materials are told apart by what a file says of them, so tiles of one
  // colour share one mesh however their renderer's materials differ.
  std::size_t materialOf(const Material* material) {
    ExportMaterial wanted;
    wanted.baseColor = material ? material->diffuse : Color::white();
    wanted.metalness = material && material->metalness ? *material->metalness : source_.metalness;
    wanted.roughness = material && material->roughness ? *material->roughness : source_.roughness;
    for (std::size_t i = 0; i < scene_.materials.size(); ++i) {
      const ExportMaterial& m = scene_.materials[i];
      if (m.baseColor == wanted.baseColor && m.metalness == wanted.metalness && m.roughness == wanted.roughness)
        return i;
    }
    wanted.name = "material" + std::to_string(scene_.materials.size());
    scene_.materials.push_back(wanted);
    return scene_.materials.size() - 1;
  }

  static void bake(ExportMesh& mesh, const GeometrySources& given, const Transform3D& transform) {
    // The relief's own meshes carry their normals; anything else gets sharp
    // ones.
    if (given.normals.size() == given.positions.size()) {
      appendPlaced(mesh, given.positions, given.normals, given.indices, transform);
      return;
    }
    const GeometrySources sources = addNormals(given, 1.0);
    appendPlaced(mesh, sources.positions, sources.normals, sources.indices, transform);
  }

  ExportScene& scene_;
  const ExportSceneSource& source_;
};

// From the frame the camera sees the page in (the page's lower left at the
// origin, turned by the view's rotation) back to the canvas.
Transform3D canvasFromView(const ExportSceneSource& source) {
  const double radians = source.rotation * std::numbers::pi / 180.0;
  return Transform3D::translation(source.page.minX(), source.page.minY(), 0.0)
      .concatenating(Transform3D::affine(AffineTransform::rotation(-radians)));
}

}  // namespace

Transform3D ExportScene::worldTransform(std::size_t node) const {
  Transform3D result = nodes[node].transform;
  for (auto parent = nodes[node].parent; parent; parent = nodes[*parent].parent)
    result = result.concatenating(nodes[*parent].transform);
  return result;
}

std::vector<ExportMesh> ExportScene::placedMeshes() const {
  std::vector<ExportMesh> placed;
  for (std::size_t n = 0; n < nodes.size(); ++n) {
    const Transform3D world = worldTransform(n);
    for (const std::size_t m : nodes[n].meshes) {
      const ExportMesh& mesh = meshes[m];
      ExportMesh out{mesh.name, {}, {}, {}, mesh.material};
      std::vector<std::uint32_t> indices;
      indices.reserve(mesh.triangles.size() * 3);
      for (const auto& triangle : mesh.triangles)
        indices.insert(indices.end(), triangle.begin(), triangle.end());
      appendPlaced(out, mesh.positions, mesh.normals, indices, world);
      placed.push_back(std::move(out));
    }
  }
  return placed;
}

std::size_t ExportScene::triangleCount() const {
  std::size_t count = 0;
  for (const auto& mesh : meshes)
    count += mesh.triangles.size();
  return count;
}

ExportScene exportScene(const ExportSceneSource& source) {
  ExportScene scene;
  Builder builder(scene, source);
  const Transform3D height = Transform3D::scale(1.0, 1.0, source.surfaceZScale);

  std::vector<std::pair<const Geometry*, Transform3D>> parts;
  // Kept alive while the parts point into it.
  std::shared_ptr<SceneNode> flat;
  if (source.tiles && !source.tiles->isHidden()) {
    flat = source.tiles->flattenedClone();
    for (const auto& child : flat->childNodes())
      if (child->geometry())
        parts.emplace_back(child->geometry().get(), child->transform().concatenating(height));
  }
  builder.addNode("tiles", parts);

  parts.clear();
  if (source.crossings && !source.crossings->isHidden() && source.crossings->geometry() &&
      source.crossings->geometry()->sources().indices.size() >= 3)
    parts.emplace_back(source.crossings->geometry().get(), source.crossings->transform().concatenating(height));
  if (!parts.empty())
    builder.addNode("crossings", parts);

  const Transform3D toCanvas = canvasFromView(source);
  const Rect& page = source.page;
  if (page.size.x > 0.0 && page.size.y > 0.0) {
    scene.camera = ExportCamera{
        "camera",
        Transform3D::translation(page.size.x * 0.5, page.size.y * 0.5, cameraHeight).concatenating(toCanvas),
        page.size.y * 0.5,
        page.size.x / page.size.y,
        1.0,
        3000.0};
  }
  for (ExportLight light : source.lights) {
    light.transform = light.type == LightType::ambient ? Transform3D::identity()
                                                       : light.transform.concatenating(toCanvas);
    scene.lights.push_back(std::move(light));
  }
  return scene;
}

std::optional<ExportScene> exportScene(const Document& document) {
  const auto editor = document.viewController();
  if (!editor)
    return std::nullopt;
  const ReliefScene relief = editor->reliefScene();
  if (!relief.scene || !relief.shapesNode)
    return std::nullopt;

  ExportSceneSource source;
  source.tiles = relief.shapesNode;
  source.crossings = relief.crossingsNode;
  source.page = editor->snappedPageBounds();
  source.rotation = document.rotation();
  source.surfaceZScale = document.surfaceZscale();
  source.metalness = document.metalness();
  source.roughness = document.roughness();

  // A light counts while its node hangs, shown, under the scene's top; its
  // place is taken below the top, whose turn the camera shares.
  const auto& root = relief.scene->rootNode();
  int unnamed = 0;
  for (const auto& [node, light] : relief.scene->lights()) {
    Transform3D place = Transform3D::identity();
    bool shown = true;
    auto at = node;
    for (; at && at != root; at = at->parentNode()) {
      shown = shown && !at->isHidden();
      place = place.concatenating(at->transform());
    }
    if (at != root || !shown)
      continue;
    std::string name = node->name().empty() ? "light" + std::to_string(++unnamed) : node->name();
    source.lights.push_back({std::move(name), light->type, light->color, place});
  }
  return exportScene(source);
}

}  // namespace ornival
