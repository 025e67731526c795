#pragma once

#include "document/TilingSnapshot.h"
#include "model/Graph.h"
#include "platform/Color.h"
#include "platform/Light.h"
#include "platform/Path.h"
#include "platform/Progress.h"
#include "platform/Transform3D.h"
#include "platform/Vec3.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ornival {

class Document;
class SceneNode;

// What a scene file says of a surface. Colours are sRGB with straight alpha.
struct ExportMaterial {
  std::string name;
  Color baseColor = Color::white();
  double metalness = 0.0;
  double roughness = 0.5;

  bool operator==(const ExportMaterial&) const = default;
};

// One triangle mesh with one material: a normal for every position, triangles
// counter-clockwise seen from outside.
struct ExportMesh {
  std::string name;
  std::vector<Vec3> positions;
  std::vector<Vec3> normals;
  std::vector<std::array<std::uint32_t, 3>> triangles;
  std::size_t material = 0;

  bool operator==(const ExportMesh&) const = default;
};

// A node of the exported tree. Parents come before their children, so a
// writer can nest or flatten in one pass.
struct ExportNode {
  std::string name;
  Transform3D transform;
  std::optional<std::size_t> parent;
  std::vector<std::size_t> meshes;

  bool operator==(const ExportNode&) const = default;
};

// An orthographic camera looking down the -z axis of its place, y up.
struct ExportCamera {
  std::string name;
  Transform3D transform;
  // Half the height seen; the width is the height times the aspect ratio.
  double orthographicScale = 1.0;
  double aspectRatio = 1.0;
  double zNear = 1.0;
  double zFar = 3000.0;

  bool operator==(const ExportCamera&) const = default;
};

struct ExportLight {
  std::string name;
  LightType type = LightType::omni;
  Color color = Color::white();
  // Where an omni light shines from; an ambient light has no place.
  Transform3D transform;

  bool operator==(const ExportLight&) const = default;
};

// The scene every 3D format is written from, in canvas units with z out of
// the tiling plane: the tiles and the crossings as they are, their heights
// scaled by the document's relief scale and nothing else, so that the file is
// the same whatever the window shows. Plain data, no identity.
struct ExportScene {
  std::vector<ExportNode> nodes;
  std::vector<ExportMesh> meshes;
  std::vector<ExportMaterial> materials;
  std::optional<ExportCamera> camera;
  std::vector<ExportLight> lights;

  bool operator==(const ExportScene&) const = default;

  // Where the node's space lies in the scene's.
  Transform3D worldTransform(std::size_t node) const;
  std::size_t triangleCount() const;
  // Every mesh a node holds, placed in the scene's space, in node order: what
  // the formats without a tree write.
  std::vector<ExportMesh> placedMeshes() const;
};

// The pieces of the relief view a scene is extracted from, and how it is
// framed: the page in the canvas turned by rotation degrees, as the exports
// and prints frame it.
struct ExportSceneSource {
  // Every tile's node, each placed in canvas units.
  std::shared_ptr<const SceneNode> tiles;
  // The crossings' node; none while crossings are not shown.
  std::shared_ptr<const SceneNode> crossings;
  Rect page;
  double rotation = 0.0;
  double surfaceZScale = 1.0;
  // Used for materials that leave them to the renderer.
  double metalness = 0.0;
  double roughness = 0.5;
  // The scene's lights; each transform is the light's place in the frame the
  // camera sees the page in (the view's own frame, turned by the light
  // angles).
  std::vector<ExportLight> lights;
};

// The scene of the tiles and crossings: one node "tiles" with a mesh for
// every material the tiles wear, one node "crossings" with theirs, a camera
// framing the page from above, and the lights. Hidden tiles are left out.
ExportScene exportScene(const ExportSceneSource& source);

// What a scene is made from on a thread of its own: the tiles as they stood,
// the crossings' bands, the frame and the lights, taken on the main thread.
struct SceneSnapshot {
  std::shared_ptr<const TilingSnapshot> tiles;
  // The crossings' pieces and what they wear; none while crossings are off.
  std::optional<Graph::CrossingBands> crossings;
  Color crossingColor;
  double crossingMetalness = 0.0;
  double crossingRoughness = 0.5;
  Rect page;
  double rotation = 0.0;
  double surfaceZScale = 1.0;
  // The document's values, which a material that leaves them to the
  // renderer stands for.
  double metalness = 0.0;
  double roughness = 0.5;
  // Whether materials carry their own metalness and roughness.
  bool physicallyBased = true;
  std::vector<ExportLight> lights;
};

// Main thread: the snapshot of the document's editor; none without an editor
// or without its relief view.
std::optional<SceneSnapshot> takeSceneSnapshot(const Document& document);

// Any thread: the scene of the tiles and crossings as the relief shows them,
// framed and lit as exportScene(ExportSceneSource) frames and lights them;
// none when the work is to stop.
std::optional<ExportScene> exportScene(const SceneSnapshot& snapshot, Progress& progress = Progress::none());

// The scene of the document's editor, made at once; none without an editor or
// without its relief view.
std::optional<ExportScene> exportScene(const Document& document);

}  // namespace ornival
