#include "model/Graph.h"

#include "figures/Vertex.h"
#include "figures/catalogue/Shapes.h"
#include "model/Edge.h"
#include "model/Shape.h"
#include "model/SideBuckets.h"
#include "platform/Grid.h"
#include "platform/ParallelFor.h"
#include "platform/Precondition.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <iterator>
#include <optional>
#include <unordered_set>

namespace ornival {

namespace {

// Scratch labels of the walks (Shape::visited).
constexpr int unreached = 0;
constexpr int markedLabel = 1;
constexpr int handledLabel = 3;
constexpr int firstRegion = 9;

bool isMarked(const Shape& shape) { return shape.status() == ShapeStatus::marked; }

// The tile across a side: none for a free side or a partner without a tile.
std::shared_ptr<Shape> partner(const Edge& edge) {
  const auto join = edge.join.lock();
  return join ? join->shape.lock() : nullptr;
}

bool isJoined(const Edge& edge) { return !edge.join.expired(); }

// Sides bucketed by their doubled midpoint (the sum of their end points) and
// their run (end minus start), so that gluing compares each side only with the
// few that lie at the same place and run the other way. The run keeps tiles
// stacked on one another, which a file may hold by the thousand, from putting
// thousands of sides that can never fit into one bucket.
//
// Two sides that pass the end-point test have doubled midpoints less than
// 2^-8 apart in each coordinate, a sixty-fourth of a cell, and one's run lies
// as close to the other's reversed: cells are a quarter unit wide, centred on
// multiples of a quarter, where the sides of tiles at whole or half positions
// fall. A side whose doubled midpoint or reversed run lies within a
// thirty-second of a cell from the cell's edge also looks into the cell across
// that edge. So every partner is found however the cell boundaries fall
// between the two, and most sides look into one cell only.
constexpr double cellsPerUnit = 4.0;
constexpr double cellMargin = 0x1p-5;
// Beyond this the sum or difference of two coordinates is too coarse to tell
// 2^-8 apart; sides that far out or that long are never glued.
constexpr double farthestSide = 0x1p40;

struct SideCell {
  // The cell of the doubled midpoint and of the run.
  std::int64_t x;
  std::int64_t y;
  std::int64_t runX;
  std::int64_t runY;
  // The neighbouring cell to look into as well, in each direction: −1, 0, +1.
  int near[4];
};

// The cell of the side from start to end and the cell where its partners lie:
// the same midpoint, the run reversed. False for a side too far out or too
// long.
inline bool cellsOf(Vec2 start, Vec2 end, SideCell& own, SideCell& partners) {
  const Vec2 doubledMidpoint = start + end;
  const Vec2 run = end - start;
  if (!(std::abs(doubledMidpoint.x) < farthestSide && std::abs(doubledMidpoint.y) < farthestSide &&
        std::abs(run.x) < farthestSide && std::abs(run.y) < farthestSide))
    return false;
  const auto axis = [](double coordinate, std::int64_t& cell, int& near) {
    const double scaled = coordinate * cellsPerUnit + 0.5;
    const double floor = std::floor(scaled);
    const double fraction = scaled - floor;
    cell = static_cast<std::int64_t>(floor);
    near = fraction < cellMargin ? -1 : fraction > 1.0 - cellMargin ? 1 : 0;
  };
  axis(doubledMidpoint.x, own.x, own.near[0]);
  axis(doubledMidpoint.y, own.y, own.near[1]);
  axis(run.x, own.runX, own.near[2]);
  axis(run.y, own.runY, own.near[3]);
  partners.x = own.x;
  partners.y = own.y;
  partners.near[0] = own.near[0];
  partners.near[1] = own.near[1];
  axis(-run.x, partners.runX, partners.near[2]);
  axis(-run.y, partners.runY, partners.near[3]);
  return true;
}

// Asks for every cache line of an object that is about to be read or written.
template <typename T>
void prefetch(const T* object) {
  const char* bytes = reinterpret_cast<const char*>(object);
  for (std::size_t offset = 0; offset < sizeof(T); offset += 64)
    __builtin_prefetch(bytes + offset);
}

// The bucket of a cell, or of its neighbour across the edges picked by the
// bits of `across`.
std::uint64_t cellHash(const SideCell& cell, unsigned across) {
  const auto step = [&](int k) { return (across >> k & 1u) ? std::int64_t(cell.near[k]) : 0; };
  return SideBuckets::hash(cell.x + step(0), cell.y + step(1), cell.runX + step(2), cell.runY + step(3));
}

}  // namespace

std::shared_ptr<Graph> Graph::create() { return std::shared_ptr<Graph>(new Graph()); }

std::shared_ptr<Graph> Graph::create(std::vector<std::shared_ptr<Shape>> shapes) {
  return std::shared_ptr<Graph>(new Graph(std::move(shapes)));
}

Graph::Graph(std::vector<std::shared_ptr<Shape>> shapes) : shapes_(std::move(shapes)) { renumber(0); }

void Graph::setShapes(std::vector<std::shared_ptr<Shape>> shapes) {
  shapes_ = std::move(shapes);
  renumber(0);
}

void Graph::renumber(std::size_t from) {
  for (std::size_t i = from; i < shapes_.size(); ++i) {
    ORNIVAL_PRECONDITION(shapes_[i] != nullptr);
    shapes_[i]->index = static_cast<int>(i);
  }
}

void Graph::insert(std::shared_ptr<Shape> shape, int at) {
  ORNIVAL_PRECONDITION(shape != nullptr);
  ORNIVAL_PRECONDITION(at >= 0 && std::size_t(at) <= shapes_.size());
  shapes_.insert(shapes_.begin() + at, std::move(shape));
  renumber(std::size_t(at));
}

void Graph::remove(const Shape& shape) {
  const int at = shape.index;
  ORNIVAL_PRECONDITION(at >= 0 && std::size_t(at) < shapes_.size());
  // The index decides which tile goes; a tile that is not there is not ours,
  // and removing whatever is there would drop a stranger.
  ORNIVAL_PRECONDITION(shapes_[std::size_t(at)].get() == &shape);
  shapes_.erase(shapes_.begin() + at);
  renumber(std::size_t(at));
}

void Graph::remove(const std::vector<std::shared_ptr<Shape>>& shapes) {
  std::vector<std::uint8_t> leaving(shapes_.size());
  std::size_t first = shapes_.size();
  for (const auto& shape : shapes) {
    ORNIVAL_PRECONDITION(shape != nullptr);
    const int at = shape->index;
    ORNIVAL_PRECONDITION(at >= 0 && std::size_t(at) < shapes_.size());
    ORNIVAL_PRECONDITION(shapes_[std::size_t(at)] == shape && !leaving[std::size_t(at)]);
    leaving[std::size_t(at)] = 1;
    first = std::min(first, std::size_t(at));
  }
  std::size_t kept = first;
  for (std::size_t i = first; i < shapes_.size(); ++i) {
    if (!leaving[i])
      shapes_[kept++] = std::move(shapes_[i]);
  }
  shapes_.resize(kept);
  renumber(first);
}

namespace {

// Blocks of about this many tiles keep both the search for a position and the
// shift within a block short.
constexpr std::size_t insertionBlock = 512;

}  // namespace

Graph::Insertions::Insertions(Graph& graph) : graph_(graph), count_(graph.shapes_.size()) {
  auto& shapes = graph.shapes_;
  for (std::size_t first = 0; first < shapes.size(); first += insertionBlock) {
    const std::size_t last = std::min(shapes.size(), first + insertionBlock);
    blocks_.emplace_back(std::make_move_iterator(shapes.begin() + std::ptrdiff_t(first)),
                         std::make_move_iterator(shapes.begin() + std::ptrdiff_t(last)));
  }
  shapes.clear();
}

Graph::Insertions::~Insertions() {
  auto& shapes = graph_.shapes_;
  shapes.reserve(count_);
  for (auto& block : blocks_)
    std::move(block.begin(), block.end(), std::back_inserter(shapes));
  graph_.renumber(0);
}

const std::shared_ptr<Shape>& Graph::Insertions::at(std::size_t position) const {
  ORNIVAL_PRECONDITION(position < count_);
  for (const auto& block : blocks_) {
    if (position < block.size())
      return block[position];
    position -= block.size();
  }
  ORNIVAL_PRECONDITION(false);
  return blocks_.front().front();
}

void Graph::Insertions::insert(std::shared_ptr<Shape> shape, std::size_t position) {
  ORNIVAL_PRECONDITION(shape != nullptr && position <= count_);
  if (blocks_.empty())
    blocks_.emplace_back();
  std::size_t b = 0;
  while (b + 1 < blocks_.size() && position > blocks_[b].size()) {
    position -= blocks_[b].size();
    ++b;
  }
  auto& block = blocks_[b];
  block.insert(block.begin() + std::ptrdiff_t(position), std::move(shape));
  ++count_;
  if (block.size() >= 2 * insertionBlock) {
    std::vector<std::shared_ptr<Shape>> upper(std::make_move_iterator(block.begin() + std::ptrdiff_t(insertionBlock)),
                                              std::make_move_iterator(block.end()));
    block.resize(insertionBlock);
    blocks_.insert(blocks_.begin() + std::ptrdiff_t(b) + 1, std::move(upper));
  }
}

void Graph::collectGroup(const std::shared_ptr<Shape>& from, std::vector<std::shared_ptr<Shape>>& into) const {
  ORNIVAL_PRECONDITION(from != nullptr);
  std::unordered_set<const Shape*> collected;
  for (const auto& shape : into)
    collected.insert(shape.get());

  // A frame per tile on the way down, with the side to try next: the same
  // depth-first preorder as descending at once into each new member.
  struct Frame {
    std::shared_ptr<Shape> shape;
    std::size_t side;
  };
  std::vector<Frame> stack{{from, 0}};
  while (!stack.empty()) {
    Frame& top = stack.back();
    const auto& edges = top.shape->edges();
    if (top.side == edges.size()) {
      stack.pop_back();
      continue;
    }
    const Edge& edge = *edges[top.side++];
    if (!edge.isGroupJoin)
      continue;
    auto member = partner(edge);
    if (!member || !collected.insert(member.get()).second)
      continue;
    into.push_back(member);
    stack.push_back({std::move(member), 0});
  }
}

void Graph::resetVisited(std::size_t at) {
  ORNIVAL_PRECONDITION(at < shapes_.size());
  shapes_[at]->visited = unreached;
}

void Graph::resetAllVisited() {
  parallelFor(shapes_.size(), [this](std::size_t i) { resetVisited(i); });
}

int Graph::largestRegion() {
  if (shapes_.empty())
    return 0;
  resetAllVisited();

  const auto& first = shapes_.front();
  first->visited = isMarked(*first) ? markedLabel : firstRegion;
  int counter = firstRegion;
  // Marked tiles wait at the bottom, so that a region is flooded before the
  // walk crosses a marked tile into the next one.
  std::deque<std::shared_ptr<Shape>> stack{first};
  while (!stack.empty()) {
    const auto shape = std::move(stack.back());
    stack.pop_back();
    for (const auto& edge : shape->edges()) {
      auto other = partner(*edge);
      if (!other)
        continue;
      if (other->visited != unreached) {
        if (other->visited != shape->visited && other->visited >= 2 && shape->visited >= 2) {
          const int old = other->visited;
          other->visited = shape->visited;
          relabel(*other, old);
        }
      } else if (!isMarked(*other)) {
        other->visited = isMarked(*shape) ? ++counter : shape->visited;
        stack.push_back(std::move(other));
      } else {
        other->visited = markedLabel;
        stack.push_front(std::move(other));
      }
    }
  }

  // Sizes per label, the labels in the order their first tile appears in the
  // list: that order breaks ties, the same on every run.
  std::vector<int> counts(std::size_t(counter) + 1, 0);
  std::vector<int> order;
  for (const auto& shape : shapes_) {
    const int label = shape->visited;
    if (label == markedLabel)
      continue;
    if (counts[std::size_t(label)]++ == 0)
      order.push_back(label);
  }
  if (order.empty())
    return 0;
  int best = order.front();
  for (const int label : order) {
    if (counts[std::size_t(label)] > counts[std::size_t(best)])
      best = label;
  }
  return best;
}

void Graph::relabel(Shape& from, int label) {
  const int target = from.visited;
  if (target == label)
    return;
  std::vector<std::shared_ptr<Shape>> stack;
  const auto spread = [&](const Shape& shape) {
    for (const auto& edge : shape.edges()) {
      auto other = partner(*edge);
      if (other && other->visited == label) {
        other->visited = target;
        stack.push_back(std::move(other));
      }
    }
  };
  spread(from);
  while (!stack.empty()) {
    const auto shape = std::move(stack.back());
    stack.pop_back();
    spread(*shape);
  }
}

std::vector<std::shared_ptr<Shape>> Graph::selectOutside(int label) {
  std::vector<std::shared_ptr<Shape>> result;
  if (shapes_.empty())
    return result;
  std::shared_ptr<Shape> start = shapes_.front();
  for (const auto& shape : shapes_) {
    if (shape->visited == label) {
      start = shape;
      break;
    }
  }

  const auto take = [&](const std::shared_ptr<Shape>& shape) {
    if (shape->visited != label) {
      if (shape->visited != markedLabel)
        shape->setStatus(ShapeStatus::moving);
      result.push_back(shape);
    }
    shape->visited = handledLabel;
  };

  std::deque<std::shared_ptr<Shape>> queue{start};
  if (start->visited != label)
    take(start);
  while (!queue.empty()) {
    const auto shape = std::move(queue.front());
    queue.pop_front();
    for (const auto& edge : shape->edges()) {
      auto other = partner(*edge);
      if (!other || other->visited == handledLabel)
        continue;
      take(other);
      queue.push_back(std::move(other));
    }
  }
  return result;
}

std::vector<std::shared_ptr<Shape>> Graph::selectOutsideLargestRegion() {
  if (!std::all_of(shapes_.begin(), shapes_.end(), [](const auto& shape) { return isMarked(*shape); }))
    return selectOutside(largestRegion());
  std::vector<std::shared_ptr<Shape>> result;
  if (shapes_.empty())
    return result;
  resetAllVisited();
  // The same breadth-first order as selectOutside from the first tile; the
  // graph holds every tile while the walk runs.
  result.reserve(shapes_.size());
  result.push_back(shapes_.front());
  shapes_.front()->visited = handledLabel;
  for (std::size_t next = 0; next < result.size(); ++next) {
    for (const auto& edge : result[next]->edges()) {
      auto other = partner(*edge);
      if (!other || other->visited == handledLabel)
        continue;
      other->visited = handledLabel;
      result.push_back(std::move(other));
    }
  }
  // A tile the first one does not reach is region 0, the largest left: its
  // walk takes nothing.
  if (result.size() != shapes_.size())
    result.clear();
  return result;
}

void Graph::computeSpin() {
  if (shapes_.empty())
    return;
  resetAllVisited();
  // The label is the walk's depth, counting group joins as no step: its
  // parity is the tile's. Every piece is walked from its first tile in list
  // order, the first piece from tile 0, so a piece keeps its parity however
  // the pieces before it change.
  std::vector<std::shared_ptr<Shape>> stack;
  for (const auto& start : shapes_) {
    if (start->visited != unreached)
      continue;
    start->visited = 1;
    stack.push_back(start);
    while (!stack.empty()) {
      const auto shape = std::move(stack.back());
      stack.pop_back();
      shape->spin = shape->visited % 2 == 0;
      for (const auto& edge : shape->edges()) {
        auto other = partner(*edge);
        if (!other || other->visited != unreached)
          continue;
        other->visited = edge->isGroupJoin ? shape->visited : shape->visited + 1;
        stack.push_back(std::move(other));
      }
    }
  }
}

namespace {

// The working memory of joinEdges, kept from one call to the next on each
// thread: asking the system for tens of megabytes anew and touching them
// page by page cost more than the gluing itself. It shrinks again when a
// call needs far less than it holds, so that one large document read does not
// keep its scratch for the life of the thread.
struct JoinScratch {
  struct Side {
    Vec2 start;
    Vec2 end;
  };
  std::vector<Side> sides;
  std::vector<std::uint8_t> joined;
  std::vector<std::uint64_t> hashes;
  std::vector<std::uint64_t> targets;
  std::vector<std::uint8_t> targetNear;
  std::vector<std::uint8_t> placed;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs;
  SideBuckets buckets;

  void prepare(std::size_t count) {
    if (sides.capacity() > 4 * count + 4096) {
      JoinScratch fresh;
      std::swap(*this, fresh);
    }
    sides.resize(count);
    joined.assign(count, 0);
    hashes.assign(count, 0);
    targets.assign(count, 0);
    targetNear.assign(count, 0);
    placed.assign(count, 0);
    pairs.clear();
    buckets.reset(count);
  }
};

}  // namespace

void Graph::joinEdges(const std::vector<std::shared_ptr<Edge>>& edges) {
  // The end points of every side and whether it is joined, read once: the
  // search then stays in these arrays, and an edge is touched again only to
  // glue it, when the pairs are known and their edges can be fetched ahead.
  constexpr std::size_t ahead = 32;
  const std::size_t count = edges.size();
  thread_local JoinScratch scratch;
  scratch.prepare(count);
  auto& sides = scratch.sides;
  auto& joined = scratch.joined;
  // Lists mostly hold whole tiles, side after side: a side's next is then
  // found in the list itself, which spares locking it.
  const auto sameEdge = [](const std::weak_ptr<Edge>& link, const std::shared_ptr<Edge>& edge) {
    return edge && !link.owner_before(edge) && !edge.owner_before(link);
  };
  std::size_t tileStart = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (i + ahead < count && edges[i + ahead])
      prefetch(edges[i + ahead].get());
    ORNIVAL_PRECONDITION(edges[i] != nullptr);
    const Edge& edge = *edges[i];
    if (i > 0 && !sameEdge(edges[i - 1]->next, edges[i]))
      tileStart = i;
    Vec2 end;
    if (i + 1 < count && sameEdge(edge.next, edges[i + 1])) {
      end = edges[i + 1]->transformedVertex();
    } else if (sameEdge(edge.next, edges[tileStart])) {
      end = edges[tileStart]->transformedVertex();
    } else {
      const auto next = edge.next.lock();
      ORNIVAL_PRECONDITION(next != nullptr);
      end = next->transformedVertex();
    }
    sides[i] = {edge.transformedVertex(), end};
    joined[i] = isJoined(edge);
  }

  SideBuckets& buckets = scratch.buckets;
  // Each side's own cell, and the cell its partners lie in with the edges
  // across which they may lie as well.
  auto& hashes = scratch.hashes;
  auto& targets = scratch.targets;
  auto& targetNear = scratch.targetNear;
  auto& placed = scratch.placed;
  for (std::size_t i = 0; i < count; ++i) {
    SideCell own{};
    SideCell target{};
    placed[i] = (sides[i].end - sides[i].start).lengthSquared() >= shortestGluedSide * shortestGluedSide &&
                cellsOf(sides[i].start, sides[i].end, own, target);
    if (!placed[i])
      continue;
    hashes[i] = cellHash(own, 0);
    targets[i] = cellHash(target, 0);
    for (unsigned k = 0; k < 4; ++k)
      targetNear[i] |= target.near[k] != 0 ? std::uint8_t(1u << k) : std::uint8_t(0);
  }
  for (std::size_t i = count; i-- > 0;) {
    if (i >= ahead && placed[i - ahead])
      buckets.prefetch(hashes[i - ahead]);
    if (placed[i])
      buckets.prepend(hashes[i], std::uint32_t(i));
  }

  const auto fits = [&](std::size_t a, std::size_t b) {
    // Both ends of two sides glued together lie closer than 1/512.
    return (sides[a].end - sides[b].start).lengthSquared() < gridToleranceSquared &&
           (sides[a].start - sides[b].end).lengthSquared() < gridToleranceSquared;
  };
  // Two sides of one tile never glue: that is no neighbour, and the long
  // sides beside a very short one would otherwise fit each other.
  const auto sameTile = [&](std::size_t a, std::size_t b) {
    const auto& x = edges[a]->shapeModel;
    const auto& y = edges[b]->shapeModel;
    return !x.owner_before(y) && !y.owner_before(x);
  };
  auto& pairs = scratch.pairs;
  pairs.reserve(count / 2);
  for (std::size_t i = 0; i < count; ++i) {
    if (i + ahead < count && placed[i + ahead])
      buckets.prefetch(targets[i + ahead]);
    if (joined[i] || !placed[i])
      continue;
    // The earliest free side of another tile in the list that fits, over
    // the cell its partners lie in and those across the edges it lies close
    // to. Joined sides met on the way are taken out of the chain, so that
    // sides stacked in one place are passed over once.
    std::uint32_t found = SideBuckets::none;
    const auto search = [&](std::uint32_t& head) {
      std::uint32_t* link = &head;
      for (std::uint32_t j = *link; j < found; j = *link) {
        if (joined[j]) {
          *link = buckets.next(j);
        } else if (j != i && fits(i, j) && !sameTile(i, j)) {
          found = j;
        } else {
          link = &buckets.next(j);
        }
      }
    };
    search(buckets.first(targets[i]));
    if (const unsigned near = targetNear[i]) {
      SideCell own{};
      SideCell cell{};
      cellsOf(sides[i].start, sides[i].end, own, cell);
      for (unsigned across = near; across != 0; across = (across - 1) & near)
        search(buckets.first(cellHash(cell, across)));
    }
    if (found == SideBuckets::none)
      continue;
    joined[i] = joined[found] = true;
    pairs.emplace_back(std::uint32_t(i), found);
  }

  const auto repath = [](const Edge& edge) {
    const auto shape = edge.shape.lock();
    ORNIVAL_PRECONDITION(shape != nullptr);
    shape->animatePaths(false);
  };
  for (std::size_t k = 0; k < pairs.size(); ++k) {
    // The list's entries first, then, once they are at hand, the edges.
    if (k + 2 * ahead < pairs.size()) {
      __builtin_prefetch(&edges[pairs[k + 2 * ahead].first]);
      __builtin_prefetch(&edges[pairs[k + 2 * ahead].second]);
    }
    if (k + ahead < pairs.size()) {
      prefetch(edges[pairs[k + ahead].first].get());
      prefetch(edges[pairs[k + ahead].second].get());
    }
    const auto& a = edges[pairs[k].first];
    const auto& b = edges[pairs[k].second];
    // An edge listed twice may have been paired under both of its places;
    // the first pairing holds.
    if (isJoined(*a) || isJoined(*b))
      continue;
    a->join = b;
    b->join = a;
    if (!a->neighbors.empty())
      a->neighbors.clear();
    if (!b->neighbors.empty())
      b->neighbors.clear();
    if (a->isGroupJoin) {
      b->isGroupJoin = true;
      repath(*b);
    } else if (b->isGroupJoin) {
      a->isGroupJoin = true;
      repath(*a);
    }
  }
}

std::vector<int> Graph::countPerTool() const {
  std::vector<int> counts(std::size_t(Shapes::caseCount) + 1, 0);
  for (const auto& shape : shapes_) {
    const int raw = shape->figure()->tool().rawValue();
    ORNIVAL_PRECONDITION(raw >= Shapes::firstRawValue && raw < Shapes::firstRawValue + Shapes::caseCount);
    ++counts[std::size_t(raw)];
  }
  return counts;
}

void Graph::invertColors() {
  bool anyMarked = false;
  for (const auto& shape : shapes_)
    anyMarked = anyMarked || shape->marked;
  for (const auto& shape : shapes_) {
    if (anyMarked && !shape->marked)
      continue;
    const Color& c = shape->shapeColor();
    shape->setShapeColor({1.0 - c.red, 1.0 - c.green, 1.0 - c.blue, c.alpha});
  }
}

int Graph::vertexCount() const {
  std::unordered_set<Vertex2> corners;
  for (const auto& shape : shapes_) {
    for (const auto& edge : shape->edges())
      corners.insert(Vertex2(edge->transformedVertex()));
  }
  return static_cast<int>(corners.size());
}

}  // namespace ornival
