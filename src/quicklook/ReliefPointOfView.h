#pragma once

#include "platform/Camera.h"
#include "platform/Path.h"
#include "platform/SceneNode.h"

#include <memory>

namespace ornival {

class OrnivalModel;

// Where the relief of a document is seen from when it has no camera of its
// own: straight down on the turned tiling, which fills the picture's shorter
// side with a small margin, from high enough above that every relief lies in
// front of the camera.
struct ReliefPointOfView {
  // In no scene: the scene's root does not move, so the node's own transform
  // is where it stands.
  std::shared_ptr<SceneNode> node;
  Camera camera;
};

// The box of the tiles as the relief scene turns them: about the origin, by
// the document's rotation.
Rect reliefBounds(const OrnivalModel& model);

// aspect: the picture's width over its height. A box without area still gives
// a view, of the background alone.
ReliefPointOfView reliefPointOfView(const Rect& box, double aspect = 1.0);

}  // namespace ornival
