#include "quicklook/OrnivalQuickLook.h"

#include "document/OrnivalModel.h"
#include "model/Shape.h"

#include <numbers>

namespace ornival {

QuickLookScene OrnivalQuickLook::makeScene(OrnivalModel& model) {
  QuickLookScene result;
  result.scene = Scene::create();
  result.background = model.settings.backgroundColor;
  const auto& root = result.scene->rootNode();

  auto ambientNode = SceneNode::create();
  ambientNode->setName("ambientLight");
  root->addChildNode(ambientNode);
  result.scene->addLight(ambientNode, Light::create(LightType::ambient, model.settings.ambientColor));

  auto omniNode = SceneNode::create();
  omniNode->setName("light");
  omniNode->setTransform(Transform3D::translation(-200.0, 1000.0, 200.0));
  root->addChildNode(omniNode);
  result.scene->addLight(omniNode, Light::create(LightType::omni));

  result.container = SceneNode::create();
  result.container->setName("content");
  Transform3D transform = Transform3D::rotation({0.0, 0.0, 1.0}, model.settings.rotation * std::numbers::pi / 180.0);
  // The heights alone are scaled; the turn about z leaves z as it is.
  transform.m[2][2] *= model.settings.surfaceZscale;
  result.container->setTransform(transform);
  for (const auto& tile : model.shapes)
    result.container->addChildNode(tile->node());
  root->addChildNode(result.container);
  return result;
}

}  // namespace ornival
