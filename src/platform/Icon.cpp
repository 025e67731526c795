#include "platform/Icon.h"

#include "platform/Precondition.h"

#include <utility>

namespace ornival {

Icon::Icon(Vec2 size, Handler handler) : size_(size), handler_(std::move(handler)) {
  ORNIVAL_PRECONDITION(handler_ != nullptr);
}

bool Icon::draw(Painter& painter, const Rect& rect) const { return handler_(painter, rect); }

}  // namespace ornival
