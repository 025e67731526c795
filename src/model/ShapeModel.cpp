#include "model/ShapeModel.h"

#include "model/Edge.h"
#include "platform/Grid.h"
#include "platform/Precondition.h"

#include <algorithm>
#include <cmath>

namespace ornival {

namespace {
constexpr double canvasUnitsPerFigureUnit = 20.0;
}  // namespace

std::shared_ptr<ShapeModel> ShapeModel::create(std::shared_ptr<const Figure> figure) {
  struct Made : ShapeModel {
    explicit Made(std::shared_ptr<const Figure> figure) : ShapeModel(std::move(figure)) {}
  };
  return std::make_shared<Made>(std::move(figure));
}

ShapeModel::ShapeModel(std::shared_ptr<const Figure> figure) : figure_(std::move(figure)) {
  ORNIVAL_PRECONDITION(figure_ != nullptr);
}

AffineTransform backAlongSide(Vec2 sideStart, Vec2 sideEnd) {
  const Vec2 back = sideStart - sideEnd;
  return {back.x, back.y, -back.y, back.x, sideEnd.x, sideEnd.y};
}

std::optional<AffineTransform> layOnSide(Vec2 from, Vec2 to, Vec2 sideStart, Vec2 sideEnd) {
  const Vec2 along = to - from;
  const AffineTransform ownFrame{along.x, along.y, -along.y, along.x, from.x, from.y};
  const auto fromOwnFrame = ownFrame.inverted();
  if (!fromOwnFrame)
    return std::nullopt;
  return fromOwnFrame->concatenating(backAlongSide(sideStart, sideEnd));
}

const AffineTransform& ShapeModel::defaultTransformation() {
  static const AffineTransform transform =
      AffineTransform::scale(canvasUnitsPerFigureUnit, canvasUnitsPerFigureUnit);
  return transform;
}

const std::vector<std::shared_ptr<Edge>>& ShapeModel::edges() const {
  return edges_.get([this] { return makeEdges(); });
}

std::vector<std::shared_ptr<Edge>> ShapeModel::makeEdges() const {
  const auto& vertices = figure_->vertices();
  ORNIVAL_PRECONDITION(!vertices.empty());
  // The edges' owner link is the one place a cache of a const model hands out
  // a mutable reference to it; edges never change their owner through it.
  const std::weak_ptr<ShapeModel> owner = std::const_pointer_cast<ShapeModel>(shared_from_this());
  std::vector<std::shared_ptr<Edge>> edges;
  edges.reserve(vertices.size());
  for (std::size_t i = 0; i < vertices.size(); ++i)
    edges.push_back(Edge::create(vertices[i], owner, static_cast<int>(i)));
  for (std::size_t i = 0; i < edges.size(); ++i)
    edges[i]->next = edges[(i + 1) % edges.size()];
  return edges;
}

Vec2 ShapeModel::center() const {
  return center_.get([this] { return transformation.apply(figure_->center()); });
}

Vec2 ShapeModel::offCenter() const {
  return offCenter_.get([this] { return computeOffCenter(); });
}

Vec2 ShapeModel::computeOffCenter() const {
  const auto& v = figure_->vertices();
  ORNIVAL_PRECONDITION(v.size() >= 2);
  return center() * 0.9 + (transformation.apply(v[0]) + transformation.apply(v[1])) * 0.05;
}

Line ShapeModel::bounds() const {
  return bounds_.get([this] { return computeBounds(); });
}

Line ShapeModel::computeBounds() const {
  Vec2 lo = center();
  Vec2 hi = lo;
  for (const Vec2 vertex : figure_->vertices()) {
    const Vec2 p = transformation.apply(vertex);
    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
  }
  return {lo - Vec2{gridTolerance, gridTolerance}, hi + Vec2{gridTolerance, gridTolerance}};
}

const std::vector<Line>& ShapeModel::border() const {
  return border_.get([this] { return computeBorder(); });
}

std::vector<Line> ShapeModel::computeBorder() const {
  const auto& v = figure_->vertices();
  std::vector<Line> lines;
  lines.reserve(v.size());
  for (std::size_t i = 0; i < v.size(); ++i)
    lines.push_back({transformation.apply(v[i]), transformation.apply(v[(i + 1) % v.size()])});
  return lines;
}

void ShapeModel::placeLazily(const AffineTransform& placement) {
  transformation = placement;
  scale_ = std::sqrt(transformation.a * transformation.a + transformation.b * transformation.b) /
           canvasUnitsPerFigureUnit;
}

void ShapeModel::updateTransformedGeometry() {
  for (const auto& edge : edges())
    edge->setTransformedVertex(transformation.apply(edge->vertex()));
  center_.set(transformation.apply(figure_->center()));
  offCenter_.set(computeOffCenter());
  bounds_.set(computeBounds());
  // The sides as segments serve hit tests near the pointer: most tiles of a
  // large tiling never need them, and a tile that did keeps them current.
  if (border_.hasValue())
    border_.set(computeBorder());
  scale_ = std::sqrt(transformation.a * transformation.a + transformation.b * transformation.b) /
           canvasUnitsPerFigureUnit;
}

}  // namespace ornival
