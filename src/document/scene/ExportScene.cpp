#include "document/scene/ExportScene.h"

#include "document/Document.h"
#include "document/DocumentEditor.h"
#include "model/LineAttribute.h"
#include "model/Materials.h"
#include "platform/Geometry.h"
#include "platform/Material.h"
#include "platform/MeshNormals.h"
#include "platform/Scene.h"
#include "platform/SceneNode.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "figures/Figure.h"

#include <cmath>
#include <algorithm>
#include <map>
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

// A mesh to bake into a node: its sources, where they go and what they
// wear.
struct Part {
  const GeometrySources* sources;
  Transform3D transform;
  ExportMaterial material;
};

class Builder {
public:
  explicit Builder(ExportScene& scene) : scene_(scene) {}

  // A node under the scene's top with a mesh for every material of the
  // parts, each baked in by its transform.
  void addNode(std::string name, const std::vector<Part>& parts, Progress& progress = Progress::none()) {
    const std::size_t node = scene_.nodes.size();
    scene_.nodes.push_back({name, Transform3D::identity(), std::nullopt, {}});
    std::vector<std::pair<std::size_t, std::size_t>> meshOfMaterial;
    std::size_t done = 0;
    for (const Part& part : parts) {
      if (++done % 4096 == 0) {
        if (progress.shouldStop())
          return;
        progress.report(double(done) / double(parts.size()));
      }
      // Readers stumble over meshes without a face.
      if (part.sources->indices.size() < 3)
        continue;
      const std::size_t material = materialOf(part.material);
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
      bake(scene_.meshes[mesh], *part.sources, part.transform);
    }
  }

private:
  // Materials are told apart by what a file says of them, so tiles of one
  // colour share one mesh however their renderer's materials differ.
  std::size_t materialOf(const ExportMaterial& wanted) {
    for (std::size_t i = 0; i < scene_.materials.size(); ++i) {
      const ExportMaterial& m = scene_.materials[i];
      if (m.baseColor == wanted.baseColor && m.metalness == wanted.metalness && m.roughness == wanted.roughness)
        return i;
    }
    ExportMaterial added = wanted;
    added.name = "material" + std::to_string(scene_.materials.size());
    scene_.materials.push_back(added);
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
};

// What a file says of a renderer's material; the values it leaves to the
// renderer are the document's.
ExportMaterial exportMaterial(const Material* material, double metalness, double roughness) {
  ExportMaterial wanted;
  wanted.baseColor = material ? material->diffuse : Color::white();
  wanted.metalness = material && material->metalness ? *material->metalness : metalness;
  wanted.roughness = material && material->roughness ? *material->roughness : roughness;
  return wanted;
}

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

namespace {

// The camera over the page and the lights, placed as the view frames them.
void addCameraAndLights(ExportScene& scene, const Rect& page, double rotation,
                        const std::vector<ExportLight>& lights) {
  ExportSceneSource frame;
  frame.page = page;
  frame.rotation = rotation;
  const Transform3D toCanvas = canvasFromView(frame);
  if (page.size.x > 0.0 && page.size.y > 0.0) {
    scene.camera = ExportCamera{
        "camera",
        Transform3D::translation(page.size.x * 0.5, page.size.y * 0.5, cameraHeight).concatenating(toCanvas),
        page.size.y * 0.5,
        page.size.x / page.size.y,
        1.0,
        3000.0};
  }
  for (ExportLight light : lights) {
    light.transform = light.type == LightType::ambient ? Transform3D::identity()
                                                       : light.transform.concatenating(toCanvas);
    scene.lights.push_back(std::move(light));
  }
}

}  // namespace

ExportScene exportScene(const ExportSceneSource& source) {
  ExportScene scene;
  Builder builder(scene);
  const Transform3D height = Transform3D::scale(1.0, 1.0, source.surfaceZScale);

  std::vector<Part> parts;
  // Kept alive while the parts point into it.
  std::shared_ptr<SceneNode> flat;
  if (source.tiles && !source.tiles->isHidden()) {
    flat = source.tiles->flattenedClone();
    for (const auto& child : flat->childNodes())
      if (const auto& geometry = child->geometry())
        parts.push_back({&geometry->sources(), child->transform().concatenating(height),
                         exportMaterial(geometry->firstMaterial().get(), source.metalness, source.roughness)});
  }
  builder.addNode("tiles", parts);

  parts.clear();
  if (source.crossings && !source.crossings->isHidden() && source.crossings->geometry() &&
      source.crossings->geometry()->sources().indices.size() >= 3)
    parts.push_back({&source.crossings->geometry()->sources(), source.crossings->transform().concatenating(height),
                     exportMaterial(source.crossings->geometry()->firstMaterial().get(), source.metalness,
                                    source.roughness)});
  if (!parts.empty())
    builder.addNode("crossings", parts);

  addCameraAndLights(scene, source.page, source.rotation, source.lights);
  return scene;
}

namespace {

// A number a renderer's material would not take counts as 0, as in the
// material cache.
double finiteOrZero(double v) { return std::isfinite(v) ? v : 0.0; }

Color finiteOrZero(const Color& c) {
  return {finiteOrZero(c.red), finiteOrZero(c.green), finiteOrZero(c.blue), finiteOrZero(c.alpha)};
}

// What the renderer's material of these values says in a file: metalness
// and roughness as the material keeps them (single precision) where the
// renderer lights physically, else the document's.
ExportMaterial materialOfValues(const Color& color, double metalness, double roughness,
                                const SceneSnapshot& snapshot) {
  ExportMaterial wanted;
  wanted.baseColor = finiteOrZero(color);
  wanted.metalness = snapshot.physicallyBased ? double(float(finiteOrZero(metalness))) : snapshot.metalness;
  wanted.roughness = snapshot.physicallyBased ? double(float(finiteOrZero(roughness))) : snapshot.roughness;
  return wanted;
}

}  // namespace

std::optional<ExportScene> exportScene(const SceneSnapshot& snapshot, Progress& progress) {
  ProgressStage making(progress, 0.0, 0.4);
  const auto tiles = snapshot.tiles ? snapshot.tiles->makeTiles(making) : std::vector<std::shared_ptr<Shape>>{};
  if (progress.shouldStop())
    return std::nullopt;

  ExportScene scene;
  Builder builder(scene);
  const Transform3D height = Transform3D::scale(1.0, 1.0, snapshot.surfaceZScale);
  // A figure's solid with its normals, once for each roundness its tiles wear.
  std::map<std::pair<const Figure*, float>, GeometrySources> solids;
  std::vector<Part> parts;
  parts.reserve(tiles.size());
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    const TilingSnapshot::Tile& tile = snapshot.tiles->tiles[i];
    const float roundness = float(tile.surfaceRoundness);
    auto [solid, added] = solids.try_emplace({tile.figure, roundness});
    if (added)
      solid->second = addNormals(tile.figure->geometry()->sources(), double(roundness));
    parts.push_back({&solid->second, tiles[i]->nodeTransform().concatenating(height),
                     materialOfValues(tile.shapeColor, tile.metalness, tile.roughness, snapshot)});
  }
  ProgressStage baking(progress, 0.4, 0.9);
  builder.addNode("tiles", parts, baking);
  if (progress.shouldStop())
    return std::nullopt;

  if (snapshot.crossings) {
    auto graph = Graph::create(tiles);
    const GeometrySources roofs = graph->crossingRoofs(*snapshot.crossings);
    if (roofs.indices.size() >= 3)
      builder.addNode("crossings", {{&roofs, height,
                                     materialOfValues(snapshot.crossingColor, snapshot.crossingMetalness,
                                                      snapshot.crossingRoughness, snapshot)}});
  }
  addCameraAndLights(scene, snapshot.page, snapshot.rotation, snapshot.lights);
  progress.report(1.0);
  return scene;
}

std::optional<SceneSnapshot> takeSceneSnapshot(const Document& document) {
  const auto editor = document.viewController();
  if (!editor)
    return std::nullopt;
  const ReliefScene relief = editor->reliefScene();
  if (!relief.scene)
    return std::nullopt;

  SceneSnapshot snapshot;
  snapshot.tiles = TilingSnapshot::take(editor->graph().shapes());
  snapshot.page = editor->snappedPageBounds();
  snapshot.rotation = document.rotation();
  snapshot.surfaceZScale = document.surfaceZscale();
  snapshot.metalness = document.metalness();
  snapshot.roughness = document.roughness();
  snapshot.physicallyBased = metalRenderingEnabled;
  if (editor->crossings() != CrossingStatus::off) {
    std::vector<LineAttribute> bands{{document.borderWidth(), document.borderColor()},
                                     {document.borderWidth2(), document.borderColor2()},
                                     {document.borderWidth3(), document.borderColor3()}};
    std::stable_sort(bands.begin(), bands.end());
    Graph::CrossingBands walk;
    walk.halfWidth = bands[2].width / 2.0;
    walk.radiusLimit = document.borderRadiusLimit();
    walk.crossingsOn = editor->crossings() == CrossingStatus::on;
    walk.rounded = document.borderBezierFactor() != 1.0;
    snapshot.crossings = walk;
    // The crossings wear the widest band's colour in the tiles' surface.
    snapshot.crossingColor = bands[2].color;
    snapshot.crossingMetalness = document.metalness();
    snapshot.crossingRoughness = document.roughness();
  }

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
    snapshot.lights.push_back({std::move(name), light->type, light->color, place});
  }
  return snapshot;
}

std::optional<ExportScene> exportScene(const Document& document) {
  const auto snapshot = takeSceneSnapshot(document);
  if (!snapshot)
    return std::nullopt;
  return exportScene(*snapshot);
}

}  // namespace ornival
