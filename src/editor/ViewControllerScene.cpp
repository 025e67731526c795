// The relief view's scene: the scene tree, the flattened copies rebuilt after
// every edit with their refresh steps, the mark outline, the switch between
// the flat and the relief view, and the surface and light settings pushed
// into the tiles' materials and the scene.

#include "editor/ViewController.h"

#include "document/Document.h"
#include "editor/EditorWindowController.h"
#include "editor/ViewPort.h"
#include "model/Graph.h"
#include "model/Materials.h"
#include "model/Shape.h"
#include "platform/Precondition.h"

#include <algorithm>
#include <numbers>
#include <unordered_set>

namespace ornival {

std::shared_ptr<Scene> ViewController::setupScene() {
  auto scene = Scene::create();
  const auto& root = scene->rootNode();
  // The flat view shows only the layers over the scene's background.
  root->setHidden(true);
  contentNode->setName("content");
  root->addChildNode(contentNode);
  root->addChildNode(cameraNode());
  auto ambientNode = SceneNode::create();
  // The system's light grey.
  ambientLight->color = Color{2.0 / 3.0, 2.0 / 3.0, 2.0 / 3.0, 1.0};
  ambientNode->setName("ambientLight");
  root->addChildNode(ambientNode);
  scene->addLight(ambientNode, ambientLight);
  lightNode->setTransform(Transform3D::translation(-200.0, 1000.0, 200.0));
  lightNode->setName("light");
  root->addChildNode(lightNode);
  scene->addLight(lightNode, light);
  return scene;
}

Camera& ViewController::camera() {
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
    const auto scene = viewPort_->scene();
    rootNode_ = scene ? scene->rootNode() : SceneNode::create();
  }
  return rootNode_;
}

void ViewController::installFlatCopy(const std::shared_ptr<SceneNode>& old, const std::shared_ptr<SceneNode>& copy) {
  if (old && old->parentNode())
    old->parentNode()->replaceChildNode(old, copy);
  else
    contentNode->addChildNode(copy);
}

void ViewController::showTileNodes() {
  if (tileNodesShown_)
    return;
  tileNodesShown_ = true;
  // Tiles being dragged hang under the drag's own node.
  std::unordered_set<const Shape*> carried;
  if (isMoving) {
    for (const auto& tile : moving)
      carried.insert(tile.get());
  }
  for (const auto& tile : graph_->shapes()) {
    if (!carried.contains(tile.get()))
      shapesNode->addChildNode(tile->node());
  }
  // Selecting in the flat view left the marks to be made now.
  for (const auto& tile : graph_->shapes()) {
    if (tile->marked && !tile->mark) {
      tile->attachMark(markNode);
      needsUpdateMarkNode = true;
    }
  }
}

void ViewController::addTileNode(Shape& tile) {
  if (tileNodesShown_)
    shapesNode->addChildNode(tile.node());
}

void ViewController::rebuildFlatNode() {
  needsUpdateNode = false;
  showTileNodes();
  auto copy = shapesNode->flattenedByMaterial();
  copy->setName("shapes");
  installFlatCopy(flatNode, copy);
  flatNode = std::move(copy);
  updateCrossingsNode();
}

void ViewController::refreshRelief() {
  showTileNodes();
  if (needsUpdateNode)
    rebuildFlatNode();
  if (needsUpdateMarkNode)
    rebuildFlatMarkNode();
}

void ViewController::updateFlatNode() {
  if (dimension_ == 3)
    rebuildFlatNode();
  else
    needsUpdateNode = true;
  // Undone, this only arranges that the matching redo rebuilds the copy, and
  // that rebuild registers this step again: the copy stays right through any
  // number of undos and redos.
  registerRefreshStep([](ViewController& editor) {
    editor.registerRefreshStep([](ViewController& again) { again.updateFlatNode(); });
  });
}

void ViewController::updateFlatMarkNode() {
  if (markNode->childNodes().empty()) {
    needsUpdateMarkNode = false;
    flatMarkNode->removeFromParentNode();
    return;
  }
  if (dimension_ == 3)
    rebuildFlatMarkNode();
  else
    needsUpdateMarkNode = true;
}

void ViewController::rebuildFlatMarkNode() {
  needsUpdateMarkNode = false;
  if (markNode->childNodes().empty()) {
    flatMarkNode->removeFromParentNode();
    return;
  }
  auto copy = markNode->flattenedByMaterial();
  copy->setName("mark");
  installFlatCopy(flatMarkNode, copy);
  flatMarkNode = std::move(copy);
}

void ViewController::updateFlatMoveNode(const std::shared_ptr<SceneNode>& node) {
  ORNIVAL_PRECONDITION(node != nullptr);
  auto copy = node->flattenedByMaterial();
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

std::vector<LineAttribute> ViewController::documentBands() const {
  const auto document = this->document();
  ORNIVAL_PRECONDITION(document != nullptr);
  std::vector<LineAttribute> bands{{document->borderWidth(), document->borderColor()},
                                   {document->borderWidth2(), document->borderColor2()},
                                   {document->borderWidth3(), document->borderColor3()}};
  // Equal widths keep the document's order.
  std::stable_sort(bands.begin(), bands.end());
  return bands;
}

void ViewController::updateCrossingsNode() {
  if (crossings_ == CrossingStatus::off) {
    crossingsNode->removeFromParentNode();
    return;
  }
  crossingsNode->setGeometry(crossingsGeometry());
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
  if (relief)
    refreshRelief();
  if (cameraControl.isOn()) {
    cameraControl.turnOff(1.0);
    updateDragAction(false);
    updateDragAction(false);
  }
  updateCrossingLayers();
}

void ViewController::toggleCameraControl() {
  if (dimension_ != 3)
    return;
  const DragAction before = dragAction;
  if (cameraControl.isOn()) {
    dragAction = DragAction::ignore;
    if (before != dragAction)
      viewPort_->invalidateCursorRects();
    cameraControl.turnOff(1.0);
    updateDragAction(false);
    return;
  }
  clearHover();
  cameraControl.turnOn(cameraNode(), camera());
  dragAction = DragAction::camera;
  if (before != dragAction)
    viewPort_->invalidateCursorRects();
}

void ViewController::updateSurfaceZScale() {
  const auto document = this->document();
  ORNIVAL_PRECONDITION(document != nullptr);
  Transform3D transform = contentNode->transform();
  transform.m[2][2] = zoomFactor() * document->surfaceZscale();
  contentNode->setTransform(transform);
  // The surface popover's preview sphere comes with the popover.
}

template <typename Setter>
void ViewController::updateSurface(double value, Setter set) {
  // A tile given its value again keeps its material; a new value takes the
  // shared one of the tile's new key, when the tile has a solid to wear it.
  for (const auto& tile : graph_->shapes())
    ((*tile).*set)(value);
  updateFlatNode();
  if (const auto window = windowController())
    window->updateSurfaceScene();
}

void ViewController::updateMetalness() { updateSurface(requiredDocument().metalness(), &Shape::setMetalness); }
void ViewController::updateRoughness() { updateSurface(requiredDocument().roughness(), &Shape::setRoughness); }
void ViewController::updateRipple() { updateSurface(requiredDocument().ripple(), &Shape::setRipple); }
void ViewController::updateRippleScale() { updateSurface(requiredDocument().rippleScale(), &Shape::setRippleScale); }

void ViewController::updateLightAngle(int axis, double degrees) {
  lightAngles_[std::size_t(axis)] = degrees * std::numbers::pi / 180.0;
  // Turned like Euler angles: about z first, then y, then x.
  const Transform3D orientation = Transform3D::rotation({0.0, 0.0, 1.0}, lightAngles_[2])
                                      .concatenating(Transform3D::rotation({0.0, 1.0, 0.0}, lightAngles_[1]))
                                      .concatenating(Transform3D::rotation({1.0, 0.0, 0.0}, lightAngles_[0]));
  rootNode()->setTransform(orientation);
  // The camera and the content turn with the root, the light once more
  // within it: seen from the camera, the light alone turns about the origin.
  lightNode->setTransform(Transform3D::translation(-200.0, 1000.0, 200.0).concatenating(orientation));
  if (const auto window = windowController())
    window->updateSurfaceScene();
}

void ViewController::updateLightAngleX() { updateLightAngle(0, requiredDocument().lightAngleX()); }
void ViewController::updateLightAngleY() { updateLightAngle(1, requiredDocument().lightAngleY()); }
void ViewController::updateLightAngleZ() { updateLightAngle(2, requiredDocument().lightAngleZ()); }

void ViewController::setAmbientLightColor(const Color& color) {
  ambientLight->color = color;
  // The surface popover's preview light comes with the popover.
}

ReliefScene ViewController::reliefScene() {
  // Snapshots draw the scene as the relief would show it.
  refreshRelief();
  // The tiles' own nodes rather than the flattened copy, which an edit may
  // have left to be rebuilt later; never the marks or a drag's copy.
  return {viewPort_->scene(), cameraNode(), &camera(), contentNode, shapesNode,
          crossingsNode->parentNode() ? crossingsNode : nullptr};
}

Document& ViewController::requiredDocument() const {
  const auto document = this->document();
  ORNIVAL_PRECONDITION(document != nullptr);
  return *document;
}

}  // namespace ornival
