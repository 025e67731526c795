#pragma once

#include "model/ShapeModel.h"

#include <memory>

namespace ornival {

// A link to a placed tile or a candidate that does not keep it: the editor's
// hovered object, which may be removed or replaced while it is hovered.
struct WeakShape {
  std::weak_ptr<ShapeModel> shape;
};

}  // namespace ornival
