// Where tiles of the chosen kinds fit: candidate lists cached on the free
// sides near the pointer, searched in parallel for single figures and on the
// neighbour queue for the group tile, and the prototypes of an empty tiling.

#include "editor/ViewController.h"

#include "figures/Figure.h"
#include "model/Edge.h"
#include "model/EdgeMultiNeighborsOperation.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/NeighborModel.h"
#include "model/Shape.h"
#include "platform/MainQueue.h"
#include "platform/ParallelFor.h"

#include <algorithm>
#include <cmath>

namespace ornival {
namespace {

// Squared canvas distance within which a side counts as near the pointer.
constexpr double nearby = 10000.0;
constexpr double lengthTolerance = 1.0 / 512.0;
constexpr double smallestScale = 0.1;
constexpr double largestScale = 6.0;

std::shared_ptr<const Figure> catalogueFigure(Shapes kind) {
  return Shapes::figures()[std::size_t(kind.rawValue() - Shapes::firstRawValue)];
}

// One free side to search, with what the workers need of it read beforehand
// on the main thread, so that they never touch a live tile.
struct SideSearch {
  std::shared_ptr<Edge> edge;
  ParentSide corners;
  double target = 0.0;
  std::vector<Shapes> kinds;
};

// The candidates of one figure along one side: every side of one rotational
// period that fits the side (any, scaled, for a scaleable figure), laid on it
// the other way round, kept at a sensible scale. In side order.
std::vector<std::shared_ptr<NeighborModel>> candidatesOf(const std::shared_ptr<const Figure>& figure,
                                                         const SideSearch& side) {
  std::vector<std::shared_ptr<NeighborModel>> list;
  const auto& lengths = figure->lengths();
  const int period = figure->variantCount();
  for (int k = 0; k < period && std::size_t(k) < lengths.size(); ++k) {
    if (!figure->scaleable() && !(std::abs(lengths[std::size_t(k)] - side.target) < lengthTolerance))
      continue;
    if (!(lengths[std::size_t(k)] > 0.0))
      continue;
    auto candidate = NeighborModel::create(figure);
    candidate->place(k, side.corners);
    if (candidate->scale() < smallestScale || candidate->scale() > largestScale)
      continue;
    candidate->setParent(side.edge, side.corners);
    candidate->edgeOffset = k;
    list.push_back(std::move(candidate));
  }
  return list;
}

}  // namespace

void ViewController::updateNeighbors(Vec2 point) {
  if (selectedTools.empty())
    return;
  const std::vector<Shapes> tools(selectedTools.begin(), selectedTools.end());
  const bool groupTool = selectedTools.contains(Shapes::multi) && multiShape != nullptr;
  if (!groupTool || tools.size() >= 2)
    searchSingleFigures(tools, point);
  if (groupTool)
    searchGroup(point);
}

void ViewController::searchSingleFigures(const std::vector<Shapes>& tools, Vec2 point) {
  // The sides near the pointer that still lack a list, found here: the loop
  // then runs only where there is work, however large the tiling.
  std::vector<SideSearch> searches;
  for (const auto& edge : borderEdges) {
    if ((edge->transformedVertex() - point).lengthSquared() >= nearby)
      continue;
    const auto tile = edge->shape.lock();
    if (!tile)
      continue;
    std::vector<Shapes> kinds;
    for (const Shapes kind : tools) {
      if (kind != Shapes::multi && !edge->neighbors.contains(kind))
        kinds.push_back(kind);
    }
    if (kinds.empty())
      continue;
    const auto& lengths = tile->figure()->lengths();
    const double length = std::size_t(edge->index()) < lengths.size() ? lengths[std::size_t(edge->index())] : 0.0;
    searches.push_back({edge, ParentSide::of(*edge), tile->scale() * length, std::move(kinds)});
  }
  if (searches.empty())
    return;
  const auto queue = mainQueue();
  parallelFor(searches.size(), [&](std::size_t i) {
    const SideSearch& side = searches[i];
    for (const Shapes kind : side.kinds) {
      auto list = candidatesOf(catalogueFigure(kind), side);
      // Stored on the main thread after this loop; by then the side may have
      // been glued, and a glued side keeps no candidates. The first list
      // stored stays, so that a hovered candidate stays in its list.
      queue->post([edge = std::weak_ptr<Edge>(side.edge), kind, list = std::move(list)]() mutable {
        const auto side = edge.lock();
        if (!side || !side->join.expired())
          return;
        side->neighbors.try_emplace(kind, std::move(list));
      });
    }
  });
}

void ViewController::searchGroup(Vec2 point) {
  const auto& queue = operations->neighborQueue();
  // A new batch only once the last has drained.
  if (queue->operationCount() != 0)
    return;
  const auto groupFigure = multiShape->figure();
  for (const auto& edge : borderEdges) {
    if ((edge->transformedVertex() - point).lengthSquared() >= nearby)
      continue;
    const auto found = edge->neighbors.find(Shapes::multi);
    // A list made for an earlier group counts as none.
    if (found != edge->neighbors.end() &&
        (found->second.empty() || found->second.front()->figure() == groupFigure))
      continue;
    queue->addOperation(EdgeMultiNeighborsOperation::create(edge, multiShape));
  }
}

void ViewController::rebuildNeighborModels() {
  neighbors.clear();
  for (const Shapes kind : selectedTools) {
    auto model = neighborModel(kind);
    if (!model)
      continue;
    model->transformation = ShapeModel::defaultTransformation();
    model->updateTransformedGeometry();
    neighbors.push_back(std::move(model));
  }
  updateViewTransform(true, 0.1);
}

std::shared_ptr<NeighborModel> ViewController::neighborModel(Shapes kind) const {
  if (kind == Shapes::multi)
    return multiShape ? NeighborModel::create(multiShape->figure()) : nullptr;
  return NeighborModel::create(catalogueFigure(kind));
}

void ViewController::cancelMultiNeighbors() {
  for (const auto& operation : operations->neighborQueue()->operations()) {
    if (std::dynamic_pointer_cast<EdgeMultiNeighborsOperation>(operation))
      operation->cancel();
  }
  for (const auto& edge : borderEdges)
    edge->neighbors.erase(Shapes::multi);
}

}  // namespace ornival
