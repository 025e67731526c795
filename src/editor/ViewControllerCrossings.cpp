// Where two straight lines of the pattern cross, one line's bands pass over
// the other's: two filled layers above the band layers in the flat view, a
// small raised piece at each crossing in the relief. The pieces are the ones
// the printed page and the SVG export draw.

#include "editor/ViewController.h"

#include "document/Document.h"
#include "document/PrintView.h"
#include "model/Graph.h"
#include "model/Materials.h"
#include "platform/Precondition.h"

#include <utility>

namespace ornival {

void ViewController::updateCrossingLayers() {
  // Called whenever the bands or the corners change: what the automatic page
  // holds may have changed with them.
  refreshAutomaticPage();
  const bool hidden = crossings_ == CrossingStatus::off || dimension_ == 3 || isMoving;
  crossingLayer->setHidden(hidden);
  crossingLayer2->setHidden(hidden);
  const auto appended = std::exchange(crossingsAppended_, std::nullopt);
  if (hidden) {
    // Whatever changes while they are hidden goes unseen: look at every
    // corner when they show again.
    keptCrossings_.clear();
    return;
  }
  const auto& document = requiredDocument();
  const double limit = document.borderRadiusLimit();
  const bool rounded = document.borderBezierFactor() != 1.0;
  if (appended)
    keptCrossings_.appended(*graph_, *appended, limit, rounded);
  else
    keptCrossings_.rebuild(*graph_, limit, rounded);
  const bool spin = crossings_ == CrossingStatus::on;
  const auto pieces = [&](double w1, double w0) {
    return w1 == w0 ? Path() : keptCrossings_.paths(*graph_, spin, w1 / 2, w0 / 2);
  };
  const std::vector<LineAttribute> bands = documentBands();
  // Each layer covers the next narrower band where its own line passes over.
  crossingLayer->setFillColor(bands[1].color);
  crossingLayer->setPath(pieces(bands[1].width, bands[0].width));
  crossingLayer2->setFillColor(bands[2].color);
  crossingLayer2->setPath(pieces(bands[2].width, bands[1].width));
}

Path ViewController::crossingsPath(double w1, double w0) {
  const auto& document = requiredDocument();
  return PrintView::bandPath(w1, w0, document.borderRadiusLimit(), *graph_, crossings_,
                             document.borderBezierFactor() != 1.0);
}

std::shared_ptr<Geometry> ViewController::crossingsGeometry() {
  const auto& document = requiredDocument();
  const std::vector<LineAttribute> bands = documentBands();
  Graph::CrossingBands walk;
  walk.halfWidth = bands[2].width / 2.0;
  walk.radiusLimit = document.borderRadiusLimit();
  walk.crossingsOn = crossings_ == CrossingStatus::on;
  walk.rounded = document.borderBezierFactor() != 1.0;
  auto geometry = Geometry::create(graph_->crossingRoofs(walk));
  // The crossings wear the widest band's colour in the tiles' surface.
  geometry->setFirstMaterial(Materials::material(
      {bands[2].color, float(document.metalness()), float(document.roughness()), float(document.ripple()),
       float(document.rippleScale()), 1.0f, bands}));
  return geometry;
}

}  // namespace ornival
