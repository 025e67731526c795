#pragma once

// Recording stand-ins for the editor and the window controller of a document:
// they keep the values the document stores into them and log every call, so
// that a test can check what a setting pushed along and in what order. Give
// both the same log to see the order across them.

#include "document/Document.h"
#include "document/DocumentEditor.h"
#include "document/DocumentWindow.h"
#include "model/Graph.h"
#include "platform/NumberText.h"
#include "platform/UndoManager.h"

#include <memory>
#include <string>
#include <vector>

namespace ornival::testing {

class FakeDocumentEditor : public DocumentEditor {
public:
  std::shared_ptr<Graph> tiles = Graph::create();
  std::shared_ptr<UndoManager> undo;
  // Told when the tool colour has been shown, as the editor does.
  std::weak_ptr<Document> document;
  std::shared_ptr<std::vector<std::string>> log = std::make_shared<std::vector<std::string>>();

  Color toolColor = Color::white();
  int toolLayer = 0;
  double zoom = 20.0;
  double degrees = 0.0;
  bool animate = true;
  Rect snappedPage;
  int borderSegments = 0;
  int currentDimension = 2;
  CrossingStatus currentCrossings = CrossingStatus::off;

  Graph& graph() override { return *tiles; }
  UndoManager* undoManager() override { return undo.get(); }

  Color shapeColor() const override { return toolColor; }
  void setShapeColor(const Color& color) override { toolColor = color; }
  void shapeColorDidSet(const Color&) override {
    log->push_back("shapeColorDidSet");
    if (const auto d = document.lock())
      d->didChangeValue("shapeColor");
  }
  int layerIndex() const override { return toolLayer; }
  void setLayerIndex(int index) override { toolLayer = index; }

  double scale() const override { return zoom; }
  void setScale(double scale) override { zoom = scale; }
  bool animateScale() const override { return animate; }
  double rotation() const override { return degrees; }
  void setRotation(double value) override { degrees = value; }
  void updateViewTransform(bool animated, double duration) override {
    log->push_back("updateViewTransform " + std::string(animated ? "animated " : "") + formatNumber(duration));
  }
  Rect snappedPageBounds() const override { return snappedPage; }
  void resnapPageBounds() override { log->push_back("resnapPageBounds"); }
  void setViewBackgroundColor(const Color&) override { log->push_back("setViewBackgroundColor"); }

  void updateLineAttributes() override { log->push_back("updateLineAttributes"); }
  void updateLineJoin(bool round) override { log->push_back(round ? "updateLineJoin round" : "updateLineJoin"); }
  void updateCrossingLayers() override { log->push_back("updateCrossingLayers"); }
  // Registers its counterpart, as the editor's refresh does.
  void updateMarkLayer() override {
    log->push_back("updateMarkLayer");
    if (undo)
      undo->registerRefresh(this, [this] { undo->registerRefresh(this, [this] { updateMarkLayer(); }); });
  }
  int borderSegmentCount() const override { return borderSegments; }

  int dimension() const override { return currentDimension; }
  void setDimension(int dimension) override { currentDimension = dimension; }
  void dimensionDidSet(int previous) override { log->push_back("dimensionDidSet " + formatInteger(previous)); }
  CrossingStatus crossings() const override { return currentCrossings; }
  void setCrossings(CrossingStatus crossings) override { currentCrossings = crossings; }
  void updateCrossingsNode() override { log->push_back("updateCrossingsNode"); }
  void updateFlatNode() override { log->push_back("updateFlatNode"); }
  void setNeedsUpdateNode() override { log->push_back("setNeedsUpdateNode"); }

  void updateSurfaceZScale() override { log->push_back("updateSurfaceZScale"); }
  void updateMetalness() override { log->push_back("updateMetalness"); }
  void updateRoughness() override { log->push_back("updateRoughness"); }
  void updateRipple() override { log->push_back("updateRipple"); }
  void updateRippleScale() override { log->push_back("updateRippleScale"); }
  void updateLightAngleX() override { log->push_back("updateLightAngleX"); }
  void updateLightAngleY() override { log->push_back("updateLightAngleY"); }
  void updateLightAngleZ() override { log->push_back("updateLightAngleZ"); }
  void setAmbientLightColor(const Color&) override { log->push_back("setAmbientLightColor"); }
  // No relief view.
  ReliefScene reliefScene() override { return {}; }
};

class FakeDocumentWindow : public DocumentWindow {
public:
  std::shared_ptr<std::vector<std::string>> log = std::make_shared<std::vector<std::string>>();
  std::string scaleLabel;
  std::string rotateLabel;

  void setCornerFactor(CornerFactor factor, double value) override {
    static const char* const names[] = {"shapeFactor", "shapeRadiusLimit", "borderFactor", "borderRadiusLimit"};
    log->push_back(std::string("setCornerFactor ") + names[int(factor)] + " " + formatNumber(value));
  }
  void setScaleLabel(const std::string& label) override { scaleLabel = label; }
  void setRotateLabel(const std::string& label) override { rotateLabel = label; }
};

}  // namespace ornival::testing
