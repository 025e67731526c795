// Recolouring many tiles at once from the keyboard: random colours, hues by
// the direction of a corner or of a side, a black-and-white two-colouring of
// the glued tiles, and plain white. Each works on the selected tiles, or on
// all when none is selected, and is one undo step whose undo ends with one
// refresh of the relief.

#include "editor/ViewController.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Materials.h"
#include "model/Shape.h"
#include "platform/HsbColor.h"
#include "platform/ParallelFor.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <unordered_set>

namespace ornival {
namespace {

// Random components come in steps of 1/65536.
constexpr std::uint64_t componentSteps = 65536;

double direction(Vec2 v) { return std::atan2(v.y, v.x); }

// The direction of a tile's side, from its corner to the next.
double sideDirection(const Edge& edge) {
  const auto next = edge.next.lock();
  return next ? direction(next->transformedVertex() - edge.transformedVertex()) : 0.0;
}

Color shade(double hue, double k) { return colorOf({hue, 1.0 - k * 0.5, k, 1.0}); }

}  // namespace

std::vector<std::shared_ptr<Shape>> ViewController::recolorScope() const {
  const auto& tiles = graph_->shapes();
  std::vector<std::shared_ptr<Shape>> marked;
  std::copy_if(tiles.begin(), tiles.end(), std::back_inserter(marked),
               [](const std::shared_ptr<Shape>& tile) { return tile->marked; });
  return marked.empty() ? tiles : marked;
}

template <typename Colouring>
void ViewController::recolor(Colouring colouring) {
  // Registered first, so that undoing the colour steps ends with the relief.
  registerRefreshStep([](ViewController& editor) { editor.updateFlatNode(); });
  colouring();
  // Materials of the old colours that no tile wears any more.
  auto& cache = Materials::cache();
  for (auto entry = cache.begin(); entry != cache.end();) {
    if (entry->second.value.expired())
      entry = cache.erase(entry);
    else
      ++entry;
  }
  updateFlatNode();
}

template <typename Colouring>
void ViewController::recolorJoined(Colouring colouring) {
  recolor([&] {
    const auto& tiles = graph_->shapes();
    if (tiles.empty())
      return;
    const auto scope = recolorScope();
    const std::unordered_set<const Shape*> inScope = [&] {
      std::unordered_set<const Shape*> set;
      for (const auto& tile : scope)
        set.insert(tile.get());
      return set;
    }();
    Graph& graph = *graph_;
    parallelFor(tiles.size(), [&graph](std::size_t i) { graph.resetVisited(i); });
    // Labels count the ordinary joins crossed from the first tile; a tile
    // keeps the label of the walk that reached it first, so where the joins
    // allow no two-colouring the order decides. Tiles the walk never reaches
    // keep their colours.
    tiles.front()->visited = 1;
    std::vector<std::shared_ptr<Shape>> stack{tiles.front()};
    while (!stack.empty()) {
      const auto tile = std::move(stack.back());
      stack.pop_back();
      if (inScope.contains(tile.get()))
        colouring(tile);
      for (const auto& edge : tile->edges()) {
        const auto join = edge->join.lock();
        const auto other = join ? join->shape.lock() : nullptr;
        if (!other || other->visited != 0)
          continue;
        other->visited = tile->visited + (edge->isGroupJoin ? 0 : 1);
        stack.push_back(other);
      }
    }
  });
}

void ViewController::randomColors() {
  recolor([&] {
    for (const auto& tile : recolorScope()) {
      const auto component = [&] { return double(randomSource->below(componentSteps)) / double(componentSteps); };
      const double red = component();
      const double green = component();
      const double blue = component();
      setShapeColor(tile, Color{red, green, blue, 1.0});
    }
  });
}

void ViewController::hueColorsByAngle() {
  recolor([&] {
    for (const auto& tile : recolorScope()) {
      const AffineTransform& t = tile->transformation;
      const double rotation = std::atan2(t.b, t.a);
      const auto& figure = *tile->figure();
      const std::size_t i = std::size_t(tile->nearestVertexIndex(selectedPoint));
      const double corner = direction(figure.vertices()[i] - figure.center());
      const double phi = rotation + corner;
      const double hue = std::fmod((phi / std::numbers::pi + 9.0) * 0.5, 1.0);
      const double k = std::abs(std::cos(phi * 0.5 + std::numbers::pi / 4.0));
      setShapeColor(tile, shade(hue, k));
    }
  });
}

void ViewController::hueColorsByEdgeAngle() {
  recolor([&] {
    for (const auto& tile : recolorScope()) {
      const auto& edges = tile->edges();
      const std::size_t n = edges.size();
      const std::size_t i = std::size_t(tile->nearestVertexIndex(selectedPoint));
      const std::size_t j = (i + (3 * n) / 4) % n;
      const double alpha = sideDirection(*edges[i]);
      const double beta = sideDirection(*edges[j]);
      const double hue = std::fmod((alpha / std::numbers::pi + 9.0) * 0.5, 1.0);
      // Only half of the second side's direction goes in, not half of the
      // sum: an odd mix, but the one whose colourings users know, so it
      // stays.
      const double k = std::abs(std::cos(alpha + beta * 0.5));
      setShapeColor(tile, shade(hue, k));
    }
  });
}

void ViewController::blackOrWhiteColors(int parity) {
  recolorJoined([&](const std::shared_ptr<Shape>& tile) {
    setShapeColor(tile, tile->visited % 2 == parity ? Color::black() : Color::white());
  });
}

void ViewController::whiteColors() {
  recolorJoined([&](const std::shared_ptr<Shape>& tile) { setShapeColor(tile, Color::white()); });
}

}  // namespace ornival
