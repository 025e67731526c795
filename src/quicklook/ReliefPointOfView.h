#pragma once

#include "platform/Camera.h"
#include "platform/SceneNode.h"

#include <memory>

namespace ornival {

class OrnivalModel;
struct QuickLookScene;

// Where the relief of a document is seen from when it has no camera of its
// own: straight down on the turned tiling, which fills the picture's shorter
// side with a small margin, from high enough above that every relief lies in
// front of the camera.
struct ReliefPointOfView {
  std::shared_ptr<SceneNode> node;
  Camera camera;
};

// The camera's node is added to the scene's root. aspect: the picture's width
// over its height.
ReliefPointOfView reliefPointOfView(const OrnivalModel& model, const QuickLookScene& scene, double aspect = 1.0);

}  // namespace ornival
