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
// Group candidates are kept on the sides within twice that distance of the
// pointer: enough for every hit test near it, and what the pointer leaves
// behind goes.
constexpr double keptGroupCandidates = 4.0 * nearby;
// How many group candidates one hover's searches may make. A candidate
// costs a few hundred bytes and its outline is the group's, shared.
constexpr std::size_t groupCandidatesPerHover = 8192;
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
  std::erase_if(groupSearches_, [](const auto& search) { return search->isDone() || search->isCancelled(); });
  const auto groupFigure = multiShape->figure();
  const auto& groupLengths = groupFigure->lengths();
  const int period = groupFigure->variantCount();
  struct NearSide {
    double distance;
    std::size_t order;
    const std::shared_ptr<Edge>* edge;
  };
  std::vector<NearSide> near;
  for (std::size_t i = 0; i < borderEdges.size(); ++i) {
    const auto& edge = borderEdges[i];
    if ((edge->transformedVertex() - point).lengthSquared() >= nearby)
      continue;
    const auto found = edge->neighbors.find(Shapes::multi);
    // A list made for an earlier group counts as none.
    if (found != edge->neighbors.end() &&
        (found->second.empty() || found->second.front()->figure() == groupFigure))
      continue;
    // A search under way for this side and this group is waited for, not
    // repeated, however often the pointer comes by before it ends.
    if (std::any_of(groupSearches_.begin(), groupSearches_.end(), [&](const auto& search) {
          return search->edge() == edge && search->multiShape() == multiShape;
        }))
      continue;
    const Vec2 middle = (edge->transformedVertex() + edge->transformedEnd()) * 0.5;
    near.push_back({(middle - point).lengthSquared(), i, &edge});
  }
  // Nearest first (the hit test looks at the side nearest the pointer
  // before all others), and no more candidates per hover than the budget:
  // a group of thousands of tiles may fit a side in thousands of ways. The
  // sides left out are searched when the pointer comes nearer to them.
  std::sort(near.begin(), near.end(), [](const NearSide& a, const NearSide& b) {
    return a.distance < b.distance || (a.distance == b.distance && a.order < b.order);
  });
  const auto& queue = operations->neighborQueue();
  std::size_t made = 0;
  for (const NearSide& side : near) {
    const Edge& edge = **side.edge;
    std::size_t fits = 0;
    if (const auto tile = edge.shape.lock()) {
      const auto& lengths = tile->figure()->lengths();
      const double target =
          std::size_t(edge.index()) < lengths.size() ? lengths[std::size_t(edge.index())] * tile->scale() : 0.0;
      for (int k = 0; k < period && std::size_t(k) < groupLengths.size(); ++k)
        fits += std::abs(groupLengths[std::size_t(k)] - target) < lengthTolerance ? 1 : 0;
    }
    if (made > 0 && made + fits > groupCandidatesPerHover)
      break;
    made += fits;
    auto search = EdgeMultiNeighborsOperation::create(*side.edge, multiShape);
    queue->addOperation(search);
    groupSearches_.push_back(std::move(search));
  }
}

void ViewController::dropFarGroupCandidates(Vec2 point) {
  const auto hovered = std::dynamic_pointer_cast<NeighborModel>(selectedShape.lock());
  const auto hoveredSide = hovered ? hovered->parent() : nullptr;
  const auto far = [&](const Edge& edge) {
    return (edge.transformedVertex() - point).lengthSquared() >= keptGroupCandidates && &edge != hoveredSide.get();
  };
  for (const auto& search : groupSearches_) {
    if (far(*search->edge()))
      search->cancel();
  }
  for (const auto& edge : borderEdges) {
    if (far(*edge))
      edge->neighbors.erase(Shapes::multi);
  }
}

std::vector<std::shared_ptr<EdgeMultiNeighborsOperation>> ViewController::pendingGroupSearches() const {
  std::vector<std::shared_ptr<EdgeMultiNeighborsOperation>> pending;
  for (const auto& search : groupSearches_) {
    if (!search->isDone() && !search->isCancelled())
      pending.push_back(search);
  }
  return pending;
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
