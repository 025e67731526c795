#include "figures/Figure.h"
#include "figures/FigureSolid.h"

namespace ornival {

const std::shared_ptr<const Geometry>& Figure::geometry() const {
  return geometry_.get([this] { return makeGeometry(vertices(), tool() == Shapes::wingBolt); });
}

std::shared_ptr<const Geometry> Figure::makeGeometry(std::span<const Vec2> vertices, bool wingBolt) const {
  return makeFigureSolid(vertices, center(), wingBolt);
}

}  // namespace ornival
