// The relief view's scene as far as the editor keeps it in step with the
// tiles: the scene tree, the flattened copies rebuilt after every edit with
// their refresh steps, the mark outline, and the switch between the flat and
// the relief view. The materials, lights and camera control arrive with the
// relief renderer.

#include "editor/ViewController.h"

#include "document/Document.h"
#include "editor/EditorWindowController.h"
#include "editor/ViewPort.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/Precondition.h"

namespace ornival {

std::shared_ptr<SceneNode> ViewController::setupScene() {
  auto root = SceneNode::create();
  // The flat view shows only the layers over the scene's background.
  root->setHidden(true);
  contentNode->setName("content");
  root->addChildNode(contentNode);
  root->addChildNode(cameraNode());
  auto ambientNode = SceneNode::create();
  ambientLight = {SceneLight::Type::ambient, Color{2.0 / 3.0, 2.0 / 3.0, 2.0 / 3.0, 1.0}};
  ambientNode->setName("ambientLight");
  root->addChildNode(ambientNode);
  light.type = SceneLight::Type::omni;
  lightNode->setTransform(Transform3D::translation(-200.0, 1000.0, 200.0));
  lightNode->setName("light");
  root->addChildNode(lightNode);
  return root;
}

SceneCamera& ViewController::camera() {
  if (!camera_)
    camera_.emplace();
  return *camera_;
}

const std::shared_ptr<SceneNode>& ViewController::cameraNode() {
  if (!cameraNode_) {
    camera();
    cameraNode_ = SceneNode::create();
    cameraNode_->setName("camera");
    cameraNode_->setTransform(Transform3D::translation(0.0, 0.0, 900.0));
  }
  return cameraNode_;
}

const std::shared_ptr<SceneNode>& ViewController::rootNode() {
  if (!rootNode_) {
    rootNode_ = viewPort_->scene();
    if (!rootNode_)
      rootNode_ = SceneNode::create();
  }
  return rootNode_;
}

void ViewController::installFlatCopy(const std::shared_ptr<SceneNode>& old, const std::shared_ptr<SceneNode>& copy) {
  if (old && old->parentNode())
    old->parentNode()->replaceChildNode(old, copy);
  else
    contentNode->addChildNode(copy);
}

void ViewController::updateFlatNode() {
  needsUpdateNode = false;
  auto copy = shapesNode->flattenedClone();
  copy->setName("shapes");
  installFlatCopy(flatNode, copy);
  flatNode = std::move(copy);
  updateCrossingsNode();
  // Undone, this only arranges that the matching redo rebuilds the copy, and
  // that rebuild registers this step again: the copy stays right through any
  // number of undos and redos.
  registerRefreshStep([](ViewController& editor) {
    editor.registerRefreshStep([](ViewController& again) { again.updateFlatNode(); });
  });
}

void ViewController::updateFlatMarkNode() {
  if (markNode->childNodes().empty()) {
    flatMarkNode->removeFromParentNode();
    return;
  }
  auto copy = markNode->flattenedClone();
  copy->setName("mark");
  installFlatCopy(flatMarkNode, copy);
  flatMarkNode = std::move(copy);
}

void ViewController::updateFlatMoveNode(const std::shared_ptr<SceneNode>& node) {
  ORNIVAL_PRECONDITION(node != nullptr);
  auto copy = node->flattenedClone();
  copy->setName("move");
  copy->setOpacity(0.5);
  installFlatCopy(flatMoveNode, copy);
  flatMoveNode = std::move(copy);
}

void ViewController::updateMarkLayer() {
  Path outline;
  for (const auto& tile : graph_->shapes()) {
    if (!tile->marked)
      continue;
    if (const auto& fill = tile->layer()->path())
      outline.append(*fill);
  }
  markLayer->setPath(outline.isEmpty() ? std::nullopt : std::optional<Path>(std::move(outline)));
  registerRefreshStep([](ViewController& editor) {
    editor.registerRefreshStep([](ViewController& again) { again.updateMarkLayer(); });
  });
  updateFlatMarkNode();
}

// The crossing geometry arrives with the crossing display; until then the
// node is placed and taken away with the setting.
void ViewController::updateCrossingsNode() {
  if (crossings_ == CrossingStatus::off) {
    crossingsNode->removeFromParentNode();
    return;
  }
  if (!crossingsNode->parentNode())
    contentNode->addChildNode(crossingsNode);
}

void ViewController::dimensionDidSet(int previous) {
  if (dimension_ == previous)
    return;
  if (const auto window = windowController())
    window->setDimension(dimension_);
  const bool relief = dimension_ == 3;
  for (const auto& flat : {shapesLayer, borderLayer, borderLayer2, borderLayer3})
    flat->setHidden(relief);
  markLayer->setHidden(relief || isMoving);
  flatMarkNode->setHidden(isMoving);
  if (imageLayer)
    imageLayer->setOpacity(relief ? 0.5 : 1.0);
  rootNode()->setHidden(!relief);
  // Free camera control, and handing the point of view back from it, come
  // with the relief view's keys.
  updateCrossingLayers();
}

void ViewController::updateSurfaceZScale() {
  const auto document = this->document();
  ORNIVAL_PRECONDITION(document != nullptr);
  Transform3D transform = contentNode->transform();
  transform.m[2][2] = zoomFactor() * document->surfaceZscale();
  contentNode->setTransform(transform);
  // The surface popover's preview sphere comes with the popover.
}

// The surface and light settings reach the tiles' materials and the scene's
// light with the relief renderer.
void ViewController::updateMetalness() {}
void ViewController::updateRoughness() {}
void ViewController::updateRipple() {}
void ViewController::updateRippleScale() {}
void ViewController::updateLightAngleX() {}
void ViewController::updateLightAngleY() {}
void ViewController::updateLightAngleZ() {}

void ViewController::setAmbientLightColor(const Color& color) {
  ambientLight.color = color;
  // The surface popover's preview light comes with the popover.
}

}  // namespace ornival
