// Zoom and rotation as the user changes them in the editor: the wheel, the
// zoom toggle and the turn to the hugging square.

#include "editor/ViewController.h"

#include "document/Document.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/Precondition.h"

#include <cmath>

namespace ornival {
namespace {

bool endsGesture(ScrollPhase phase) { return phase == ScrollPhase::ended || phase == ScrollPhase::cancelled; }

}  // namespace

void ViewController::clearHover() {
  if (graph_->shapes().empty() || selectedLayer->isHidden())
    return;
  selectedShape = {};
  selectedLayer->setHidden(true);
  selectedLayer->setPath(std::nullopt);
  selectedLayer->removeFromSuperlayer();
  updateDragAction(false);
}

void ViewController::scrollWheel(const ScrollEvent& event) {
  scrollWheelIsRunning = true;
  const double delta = event.scrollingDeltaY;
  if (!event.modifiers.option) {
    double s = scale_;
    if (delta > 0.0) {
      s += 1.0;
      if (s > 400.0) {
        layer->setShouldRasterize(false);
        s = 400.0;
      }
    } else if (delta < 0.0) {
      s -= 1.0;
      if (s < -400.0) {
        layer->setShouldRasterize(false);
        s = -400.0;
      }
    }
    if (s != scale_) {
      // Zoomed as a bitmap while the gesture lasts.
      layer->setRasterizationScale(2.0);
      layer->setShouldRasterize(true);
      scale_ = s;
      updateViewTransform(animateScale_, 0.4);
      clearHover();
    }
  } else if (delta != 0.0) {
    clearHover();
    const auto document = this->document();
    ORNIVAL_PRECONDITION(document != nullptr);
    // The document normalises the turn and pushes it back.
    document->setRotation(std::fmod(rotation_ + (delta > 0.0 ? -3.0 : 3.0), 360.0));
  }
  if (endsGesture(event.phase) || endsGesture(event.momentumPhase)) {
    layer->setShouldRasterize(false);
    scrollWheelIsRunning = false;
  }
}

void ViewController::toggleZoom() {
  if (scrollWheelIsRunning)
    return;
  animateScale_ = dimension_ == 3;
  const bool bothStandard = scale_ == 20.0 && oldScale == 20.0;
  if (scale_ == 20.0) {
    scale_ = oldScale;
  } else {
    oldScale = scale_;
    scale_ = 20.0;
  }
  if (!bothStandard)
    updateViewTransform(animateScale_, 0.4);
  animateScale_ = false;
}

void ViewController::huggingSquare() {
  const auto document = this->document();
  ORNIVAL_PRECONDITION(document != nullptr);
  const double r0 = rotation_;
  const Rect start = rotatedBounds(borderEdges, r0);
  const double w0 = start.size.x;
  const double h0 = start.size.y;
  if (w0 == h0) {
    document->setRotation(r0);
    return;
  }
  // Turning by 90 degrees swaps width and height, so between r0 and r0 + 90
  // lies an angle at which the box is square; bisect towards it.
  double lo = r0;
  double hi = r0 + 90.0;
  double result = lo;
  while (lo < hi) {
    const double mid = (lo + hi) * 0.5;
    const Rect box = rotatedBounds(borderEdges, mid);
    const double w = box.size.x;
    const double h = box.size.y;
    if (w == h) {
      result = mid;
      break;
    }
    if ((h0 >= w0) == (h < w)) {
      if (mid == hi)
        break;
      hi = mid;
    } else {
      if (mid == lo)
        break;
      lo = mid;
    }
    result = lo;
  }
  document->setRotation(result);
}

}  // namespace ornival
