#pragma once

#include "platform/Path.h"

#include <memory>

namespace ornival {

class OrnivalModel;
class Painter;

// A document read from a file, drawn flat and fitted into whatever rectangle
// it is given: what the file manager's thumbnails and the preview window
// show. It draws the way the page drawing does, but from the model alone,
// centred on the content and turned about its centre, with the bands scaled
// along with the tiles.
//
// The model's sides must have been gathered (OrnivalModel::collectBorderEdges)
// before the first draw. One thread at a time; the model is not shared.
class OrnivalView {
public:
  explicit OrnivalView(Rect frame) : frame(frame) {}

  Rect frame;
  std::shared_ptr<OrnivalModel> ornival;
  // The background keeps its own opacity; else it is laid over white.
  bool exportAlpha = true;

  Rect bounds() const { return {{0.0, 0.0}, frame.size}; }

  void drawRect(Painter& painter, const Rect& rect) const { drawModel(painter, rect); }
  // Nothing at all for a relief document or without a model. rect's size is
  // what the content is fitted into; the drawing starts at (0, 0), y up.
  void drawModel(Painter& painter, const Rect& rect) const;
};

}  // namespace ornival
