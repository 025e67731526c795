#pragma once

#include "platform/Color.h"
#include "platform/Scene.h"

#include <memory>

namespace ornival {

class OrnivalModel;

// A relief document as a scene for the file manager's thumbnails and the
// preview window.
struct QuickLookScene {
  std::shared_ptr<Scene> scene;
  // The document's background: the scene's own backdrop.
  Color background;
  // Turned by the document's rotation, its heights scaled by the surface z
  // scale; the tiles' nodes hang under it.
  std::shared_ptr<SceneNode> container;
};

class OrnivalQuickLook {
public:
  // A new scene: an ambient light of the document's ambient colour, an omni
  // light at (-200, 1000, 200), and the tiles' nodes in file order under the
  // container. No camera: whoever shows the scene chooses its point of view
  // (see pointOfView). The light angles of the document play no part.
  static QuickLookScene makeScene(OrnivalModel& model);
};

}  // namespace ornival
