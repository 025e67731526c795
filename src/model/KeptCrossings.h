#pragma once

#include "model/Graph.h"
#include "platform/Path.h"

#include <memory>
#include <vector>

namespace ornival {

class Shape;

// The crossings of a tiling kept from one edit to the next, so that an edit
// that only adds tiles at the end of the list looks again only at the
// corners those tiles reach. Both updates also give every tile the parity
// Graph::computeSpin gives it; a single new tile whose joins all agree on
// its parity, within one connected region whose joins all agree, changes no
// other tile's parity and is settled alone. The pieces are those
// Graph::crossingPaths gives, element for element, open fans included.
class KeptCrossings {
public:
  // Looks at every corner again.
  void rebuild(Graph& graph, double minimumTurn, bool checkTurn);

  // After tiles were appended to the graph as it stood at the last rebuild
  // or update (the earlier tiles in the same places, joined to the new ones
  // and otherwise as they were): looks again at the corners of the tiles
  // within three joins of the new ones, where the fans they close lie. Falls
  // back to a rebuild when the graph is not what that needs or the corner
  // rule changed.
  void appended(Graph& graph, const std::vector<std::shared_ptr<Shape>>& tiles, double minimumTurn, bool checkTurn);

  // Forgets everything; the next update rebuilds.
  void clear();

  // The band pieces between half widths w and W, over or under as the tiles'
  // parity and `spin` choose; the caller computes the parity first.
  Path paths(const Graph& graph, bool spin, double w, double W) const;

  // Whether the last update looked only near the new tiles.
  bool lastUpdateWasPartial() const { return partial_; }

private:
  struct Crossing {
    int tile = 0;
    int side = 0;
    Vec2 corner;
    Vec2 u;
    Vec2 v;
    double c = 0.0;
  };

  // The parity of every tile as Graph::computeSpin walks it, noting each
  // tile's region and whether every join agrees with the parities.
  void walkParity(Graph& graph);
  // The parity of one new tile at the end of the graph, when it changes no
  // other tile's; false otherwise.
  bool settleParity(Graph& graph, Shape& tile);

  static void collect(const Shape& tile, double minimumTurn, bool checkTurn, std::vector<Crossing>& into);

  std::vector<Crossing> crossings_;
  // The tiles as they stood when the crossings were taken, to tell an append
  // from any other change.
  std::vector<const Shape*> tiles_;
  // Each tile's region, by position, and whether the joins of every region
  // agree with the parities (no ring of joins of odd length).
  std::vector<int> regionOf_;
  int regions_ = 0;
  bool agrees_ = false;
  double minimumTurn_ = 0.0;
  bool checkTurn_ = false;
  bool valid_ = false;
  bool partial_ = false;
};

}  // namespace ornival
