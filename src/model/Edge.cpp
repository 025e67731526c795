#include "model/Edge.h"

#include "model/ShapeModel.h"
#include "platform/Arithmetic.h"
#include "platform/Precondition.h"

namespace ornival {

std::shared_ptr<Edge> Edge::create(Vec2 vertex, std::weak_ptr<ShapeModel> shapeModel, int index) {
  return std::make_shared<Edge>(vertex, std::move(shapeModel), index);
}

Edge::Edge(Vec2 vertex, std::weak_ptr<ShapeModel> shapeModel, int index)
    : shapeModel(std::move(shapeModel)), index_(index), vertex_(vertex) {}

Vec2 Edge::transformedVertex() const {
  return transformedVertex_.get([this] {
    const auto owner = shapeModel.lock();
    return owner ? owner->transformation.apply(vertex_) : vertex_;
  });
}

Vec2 Edge::transformedEnd() const {
  const auto following = next.lock();
  ORNIVAL_PRECONDITION(following != nullptr);
  return following->transformedVertex();
}

std::shared_ptr<Edge> Edge::previous() const {
  const auto owner = shapeModel.lock();
  ORNIVAL_PRECONDITION(owner != nullptr);
  const auto& edges = owner->edges();
  const int n = static_cast<int>(edges.size());
  return edges[static_cast<std::size_t>(positiveModulo(index_ - 1, n))];
}

}  // namespace ornival
