#pragma once

#include "document/ReliefSnapshot.h"
#include "model/CrossingStatus.h"
#include "platform/Color.h"
#include "platform/Path.h"

namespace ornival {

class Graph;
class UndoManager;

// The editor of a document's window as the document sees it: what a setting
// pushes into the tiles, the 2D layers and the 3D scene. The editor implements
// it and attaches itself when it loads the document.
class DocumentEditor {
public:
  virtual ~DocumentEditor() = default;

  virtual Graph& graph() = 0;
  // The window's undo manager; none skips registration.
  virtual UndoManager* undoManager() = 0;

  // The tool colour and layer of new tiles. The setters only store;
  // shapeColorDidSet then refreshes what shows the colour and completes the
  // document's change notice for "shapeColor".
  virtual Color shapeColor() const = 0;
  virtual void setShapeColor(const Color& color) = 0;
  virtual void shapeColorDidSet(const Color& previous) = 0;
  virtual int layerIndex() const = 0;
  virtual void setLayerIndex(int index) = 0;

  // Zoom and rotation in degrees; the setters only store.
  virtual double scale() const = 0;
  virtual void setScale(double scale) = 0;
  virtual bool animateScale() const = 0;
  virtual double rotation() const = 0;
  virtual void setRotation(double degrees) = 0;
  virtual void updateViewTransform(bool animated, double duration) = 0;
  // The page that is printed and exported.
  virtual Rect snappedPageBounds() const = 0;
  // Snaps the hand-set page frame to the tiling again, with the change
  // handling of the snapped page.
  virtual void resnapPageBounds() = 0;
  // The background of the 3D view.
  virtual void setViewBackgroundColor(const Color& color) = 0;

  virtual void updateLineAttributes() = 0;
  virtual void updateLineJoin(bool round) = 0;
  virtual void updateCrossingLayers() = 0;
  // Rebuilds the outline of the marked tiles and registers its own refresh
  // for the other direction.
  virtual void updateMarkLayer() = 0;
  // Segments of the tiling's outline of free sides.
  virtual int borderSegmentCount() const = 0;

  // 2 for the flat drawing, 3 for the relief; the setter only stores.
  virtual int dimension() const = 0;
  virtual void setDimension(int dimension) = 0;
  virtual void dimensionDidSet(int previous) = 0;
  // The setter only stores.
  virtual CrossingStatus crossings() const = 0;
  virtual void setCrossings(CrossingStatus crossings) = 0;
  virtual void updateCrossingsNode() = 0;
  virtual void updateFlatNode() = 0;
  // The flattened 3D copy is stale and is rebuilt at the next chance.
  virtual void setNeedsUpdateNode() = 0;

  virtual void updateSurfaceZScale() = 0;
  virtual void updateMetalness() = 0;
  virtual void updateRoughness() = 0;
  virtual void updateRipple() = 0;
  virtual void updateRippleScale() = 0;
  virtual void updateLightAngleX() = 0;
  virtual void updateLightAngleY() = 0;
  virtual void updateLightAngleZ() = 0;
  virtual void setAmbientLightColor(const Color& color) = 0;

  // The relief's scene, camera and content, lent to the relief snapshots.
  virtual ReliefScene reliefScene() = 0;
};

}  // namespace ornival
