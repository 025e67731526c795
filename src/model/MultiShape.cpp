#include "model/MultiShape.h"

#include "model/Edge.h"
#include "model/Shape.h"
#include "platform/Precondition.h"

namespace ornival {

namespace {
std::shared_ptr<MultiShape>& currentSlot() {
  static std::shared_ptr<MultiShape> slot;
  return slot;
}
}  // namespace

std::shared_ptr<MultiShape> MultiShape::create(std::shared_ptr<Shape> selected,
                                               std::vector<std::shared_ptr<Shape>> templates) {
  std::shared_ptr<MultiShape> group(new MultiShape(std::move(selected), std::move(templates)));
  currentSlot() = group;
  return group;
}

MultiShape::MultiShape(std::shared_ptr<Shape> selected, std::vector<std::shared_ptr<Shape>> templates)
    : selected_(std::move(selected)), templates_(std::move(templates)),
      figure_(Figure::create(Shapes::multi, "Multi")) {
  ORNIVAL_PRECONDITION(selected_ != nullptr);
}

std::vector<Vec2> MultiShape::traceBorder() {
  return {};
}

void MultiShape::setupFigure() {}

std::shared_ptr<MultiShape> MultiShape::mirrored() {
  return create(selected_, templates_);
}

std::shared_ptr<MultiShape> MultiShape::current() {
  return currentSlot();
}

void MultiShape::resetCurrent() {
  currentSlot().reset();
}

}  // namespace ornival
