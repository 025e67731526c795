#include "quicklook/ReliefPointOfView.h"

#include "document/OrnivalModel.h"
#include "model/Shape.h"

#include <algorithm>

namespace ornival {

Rect reliefBounds(const OrnivalModel& model) {
  std::vector<std::shared_ptr<Edge>> edges;
  for (const auto& tile : model.shapes)
    edges.insert(edges.end(), tile->edges().begin(), tile->edges().end());
  return rotatedBounds(edges, model.settings.rotation);
}

ReliefPointOfView reliefPointOfView(const Rect& box, double aspect) {
  const double halfHeight = std::max(box.size.y, box.size.x / std::max(aspect, 1e-6)) * 0.5;
  ReliefPointOfView view;
  view.node = SceneNode::create();
  view.node->setName("camera");
  // As high above the plane as the editor's camera, and as deep below it.
  view.node->setTransform(Transform3D::translation(box.center().x, box.center().y, 900.0));
  view.camera.zNear = 1.0;
  view.camera.zFar = 3000.0;
  view.camera.orthographicScale = halfHeight > 0.0 ? halfHeight * 1.05 : 1.0;
  return view;
}

}  // namespace ornival
