#include "platform/Scene.h"

#include "platform/Geometry.h"
#include "platform/Material.h"
#include "platform/Precondition.h"

namespace ornival {

void Scene::addLight(std::shared_ptr<SceneNode> node, std::shared_ptr<Light> light) {
  ORNIVAL_PRECONDITION(node != nullptr && light != nullptr);
  lights_.push_back({std::move(node), std::move(light)});
}

Transform3D worldTransform(const SceneNode& node) {
  Transform3D result = node.transform();
  for (auto parent = node.parentNode(); parent != nullptr; parent = parent->parentNode())
    result = result.concatenating(parent->transform());
  return result;
}

void setPosition(SceneNode& node, Vec3 position) {
  Transform3D t = node.transform();
  t.m[3][0] = position.x;
  t.m[3][1] = position.y;
  t.m[3][2] = position.z;
  node.setTransform(t);
}

Vec3 position(const SceneNode& node) {
  const auto& row = node.transform().m[3];
  return {row[0], row[1], row[2]};
}

std::shared_ptr<SceneNode> DetachedScene::copyOf(const SceneNode* node) const {
  const auto found = nodes.find(node);
  return found == nodes.end() ? nullptr : found->second;
}

namespace {

struct SceneCopier {
  DetachedScene& copy;
  std::unordered_map<const Material*, std::shared_ptr<Material>> materials;

  std::shared_ptr<Material> material(const std::shared_ptr<Material>& original) {
    if (!original)
      return nullptr;
    auto& made = materials[original.get()];
    if (!made)
      made = original->copy();
    return made;
  }

  // Gives `to` everything of `from` but its children, then copies these
  // beneath it.
  void copyInto(const SceneNode& from, SceneNode& to) {
    to.setName(from.name());
    to.setTransform(from.transform());
    if (const auto& geometry = from.geometry()) {
      auto own = geometry->copy();
      for (auto& worn : own->materials)
        worn = material(worn);
      to.setGeometry(std::move(own));
    }
    to.setInstances(from.instances());
    to.setOpacity(from.opacity());
    to.setHidden(from.isHidden());
    to.setRenderingOrder(from.renderingOrder());
    for (const auto& child : from.childNodes()) {
      auto made = SceneNode::create();
      copy.nodes.emplace(child.get(), made);
      to.addChildNode(made);
      copyInto(*child, *made);
    }
  }
};

}  // namespace

DetachedScene detachedCopy(const Scene& scene) {
  DetachedScene copy;
  copy.scene = Scene::create();
  copy.nodes.emplace(scene.rootNode().get(), copy.scene->rootNode());
  SceneCopier copier{copy, {}};
  copier.copyInto(*scene.rootNode(), *copy.scene->rootNode());
  for (const SceneLight& light : scene.lights()) {
    if (auto node = copy.copyOf(light.node.get()))
      copy.scene->addLight(std::move(node), std::make_shared<Light>(*light.light));
  }
  return copy;
}

}  // namespace ornival
