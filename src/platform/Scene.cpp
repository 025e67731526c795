#include "platform/Scene.h"

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

}  // namespace ornival
