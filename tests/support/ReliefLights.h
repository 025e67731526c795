#pragma once

// The lights of the editor's relief view, for tests and benchmarks that draw
// a relief as it shows one.
//
// Included from outside tests/ as well: it names nothing of tests/.

#include "platform/Light.h"
#include "platform/Scene.h"
#include "platform/SceneNode.h"

namespace ornival::testing {

// An ambient light of 60 % grey and an omni light high above the far side,
// each on a node of its own under the scene's root.
inline void addReliefLights(Scene& scene) {
  const auto ambient = SceneNode::create();
  scene.rootNode()->addChildNode(ambient);
  scene.addLight(ambient, Light::create(LightType::ambient, {0.6, 0.6, 0.6, 1.0}));
  const auto omni = SceneNode::create();
  omni->setTransform(Transform3D::translation(-200.0, 1000.0, 200.0));
  scene.rootNode()->addChildNode(omni);
  scene.addLight(omni, Light::create(LightType::omni));
}

}  // namespace ornival::testing
