#pragma once

#include "platform/Light.h"
#include "platform/SceneNode.h"
#include "platform/Transform3D.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace ornival {

// A light and the node it shines from.
struct SceneLight {
  std::shared_ptr<SceneNode> node;
  std::shared_ptr<Light> light;
};

// What a renderer draws: the tree under one root node and the lights placed
// in it. A light shines only while its node is in the tree and shown, so that
// hiding a branch hides its lights as well.
//
// Main thread only, like the nodes.
class Scene {
public:
  static std::shared_ptr<Scene> create() { return std::shared_ptr<Scene>(new Scene()); }

  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  const std::shared_ptr<SceneNode>& rootNode() const { return root_; }

  const std::vector<SceneLight>& lights() const { return lights_; }
  // Both must be present; the light shines from node's origin.
  void addLight(std::shared_ptr<SceneNode> node, std::shared_ptr<Light> light);

private:
  Scene() : root_(SceneNode::create()) {}

  std::shared_ptr<SceneNode> root_;
  std::vector<SceneLight> lights_;
};

// Where the node's own space lies in the space of its topmost ancestor: its
// transform, then its parent's, and so on up.
Transform3D worldTransform(const SceneNode& node);

// The node with its translation replaced, the rest of its transform kept: how
// a camera is moved without turning it.
void setPosition(SceneNode& node, Vec3 position);
Vec3 position(const SceneNode& node);

// A copy of a scene that shares nothing the main thread may change: every
// node and light anew, every material copied once (geometries that wore one
// wear one copy), and only what never changes once made shared: the meshes'
// sources and the nodes' lists of places. Another thread may draw the copy
// while the original goes on being edited; the copy's own nodes find the
// originals' copies in `nodes`.
struct DetachedScene {
  std::shared_ptr<Scene> scene;
  std::unordered_map<const SceneNode*, std::shared_ptr<SceneNode>> nodes;

  // The copy of a node of the original; none for a node outside its tree.
  std::shared_ptr<SceneNode> copyOf(const SceneNode* node) const;
};

// Lights whose node is outside the tree shine nowhere and are left out.
DetachedScene detachedCopy(const Scene& scene);

}  // namespace ornival
