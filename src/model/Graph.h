#pragma once

#include "platform/Geometry.h"
#include "platform/Path.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace ornival {

class Edge;
class Shape;

// The tiling of one document: its placed tiles in index order, and the walks
// over the sides they share.
//
// The graph owns its tiles, and every tile's `index` is its position in the
// list: insertion, removal and replacing the list all renumber, so callers may
// look a tile up by index and the crossings may tell tiles apart by it.
//
// The walks share one scratch label per tile (Shape::visited): each walk that
// uses labels resets them first, and largestRegion leaves them for the
// selectOutside that follows it. All walks keep their own stacks or queues
// rather than recursing, so their depth does not grow with the tiling.
//
// Main thread only; the label reset runs on the worker pool but returns only
// when it is done.
class Graph {
public:
  // An empty graph.
  static std::shared_ptr<Graph> create();
  // A graph over a list of tiles, renumbered to their positions: a list read
  // from a file may carry any index values, duplicates among them.
  static std::shared_ptr<Graph> create(std::vector<std::shared_ptr<Shape>> shapes);

  virtual ~Graph() = default;
  Graph(const Graph&) = delete;
  Graph& operator=(const Graph&) = delete;

  virtual const std::vector<std::shared_ptr<Shape>>& shapes() const { return shapes_; }
  // Replaces the whole list and renumbers it.
  virtual void setShapes(std::vector<std::shared_ptr<Shape>> shapes);

  // Puts the tile at position 0 … count and renumbers from there on. Any other
  // position is a programming error.
  virtual void insert(std::shared_ptr<Shape> shape, int at);
  // Takes the tile out at its index and renumbers the tiles after it; the tile
  // keeps its old index, for an undo that puts it back. A tile that is not at
  // its index in this graph is a programming error.
  virtual void remove(const Shape& shape);
  // Takes out every tile of the list in one pass, however many, and renumbers
  // the rest as removing them one by one would; each keeps its old index. A
  // tile that is not at its index in this graph, or is listed twice, is a
  // programming error.
  void remove(const std::vector<std::shared_ptr<Shape>>& shapes);

  // Many insertions in a row, each at a position of the tiling as it stands
  // then, in time that does not grow with the tiling for each: the list is
  // held in blocks meanwhile and put back, renumbered once, when the batch
  // ends. The graph's own list is empty while a batch is open.
  class Insertions {
  public:
    explicit Insertions(Graph& graph);
    ~Insertions();
    Insertions(const Insertions&) = delete;
    Insertions& operator=(const Insertions&) = delete;

    std::size_t count() const { return count_; }
    const std::shared_ptr<Shape>& at(std::size_t position) const;
    // Any position from 0 to count; any other is a programming error.
    void insert(std::shared_ptr<Shape> shape, std::size_t position);

  private:
    Graph& graph_;
    std::vector<std::vector<std::shared_ptr<Shape>>> blocks_;
    std::size_t count_ = 0;
  };

  // Appends to `into` every tile reachable from `from` across group joins that
  // is not in it yet, depth first in side order. The caller seeds the list with
  // `from`, which is not appended again.
  void collectGroup(const std::shared_ptr<Shape>& from, std::vector<std::shared_ptr<Shape>>& into) const;

  // Clears the scratch label of the tile at position at; the body of the
  // parallel reset, touching that tile only.
  void resetVisited(std::size_t at);

  // Labels the regions that marked tiles (status marked) cut the tiling into
  // and returns the label of the largest. Marked tiles get 1; the first tile's
  // region 9 and others 10, 11, …; tiles not reached from the first tile count
  // together as region 0. Equal sizes go to the region whose first tile comes
  // earliest in the list, so the first tile's region wins when it has one.
  // 0 for an empty graph.
  virtual int largestRegion();
  // Gives every tile connected to `from` that still carries `label` the label
  // of `from`: two regions found to touch become one.
  void relabel(Shape& from, int label);
  // Walks breadth first from the first tile labelled `label` (else from the
  // first tile) and returns, in walk order, the tiles reached that lie outside
  // that region. Marked tiles keep their status; the others become moving.
  virtual std::vector<std::shared_ptr<Shape>> selectOutside(int label);
  // selectOutside(largestRegion()), in one walk when every tile is marked:
  // no region is left then, and the tiles to take are those the first tile
  // reaches, all of them or, when it reaches not every tile, none.
  std::vector<std::shared_ptr<Shape>> selectOutsideLargestRegion();

  // Gives every tile its over-and-under parity: false for the first tile of
  // each connected piece in list order, flipping across every ordinary join
  // and kept across group joins. A tile takes the parity of the first walk
  // that reaches it.
  virtual void computeSpin();

  // Sides shorter than this are never glued by where they lie: their ends
  // are within the gluing tolerance of any short side nearby, whichever way
  // it runs, and a save would write such a join as a placement the tile was
  // never in. Files can shrink tiles that far; those sides keep the joins
  // the file states. The reader's previews, the window's load and every
  // edit glue by this one rule.
  static constexpr double shortestGluedSide = 2.0 / 512.0;

  // Glues each free side to a free side of another tile running along it the
  // other way, both ends within 1/512: the join is set both ways, both sides'
  // candidate lists are emptied and a group join flag on either side is
  // copied to the other, whose tile is repathed. Sides already joined stay as
  // they are, and sides shorter than shortestGluedSide stay free. A side is
  // tried against the free sides of the list in list order, the first that
  // fits wins. Every side needs its next side.
  void joinEdges(const std::vector<std::shared_ptr<Edge>>& edges);

  // Tiles per catalogue figure, indexed by figure number; entry 0 stays 0.
  std::vector<int> countPerTool() const;
  // Inverts the colour of the selected tiles (their `marked` flag), or of every
  // tile when none is selected, with fill and material.
  void invertColors();
  // Distinct corner points over all tiles, compared on the 1/512 grid.
  int vertexCount() const;

  // The crossing bands, both forms, are defined in Crossings.cpp.
  //
  // The band pieces that show crossings as interlaced: at every crossing two
  // quadrilaterals along one of its two lines, covering the band of half-width
  // w from where it overlaps the other line's band out to where a band of
  // half-width W would. Which line gets them follows the reporting tile's
  // parity, and `spin` swaps the choice everywhere. Crossings are those of
  // Edge::isCrossing with open fans allowed. Computes the parity first.
  std::vector<PathElement> crossingPaths(bool spin, bool checkTurn, double w, double W, double minimumTurn);

  // The same, with the arguments named as the drawing and export code hold
  // them.
  struct CrossingBands {
    // Half-width of the band the pieces cover (w above).
    double halfWidth = 0.0;
    // Half-width that sets how far the pieces reach (W above).
    double reachHalfWidth = 0.0;
    // Corners that turn less are no crossings when `rounded` is set.
    double radiusLimit = 0.0;
    // The document draws crossings `on` (rather than alternating).
    bool crossingsOn = false;
    // The border corners are rounded, so their turn matters.
    bool rounded = false;
  };
  std::vector<PathElement> crossingPaths(const CrossingBands& bands);
  // The crossings in relief: at every crossing inside the tiling (a closed
  // fan of four tiles; none on the outline) two triangles rise from the
  // crossing point to two ridges at height halfWidth, on the opposite sides of
  // the square where the bands overlap that run parallel to the line passing
  // over. Their texture coordinates grow from 0 at the point to halfWidth / 20
  // on the ridges, so the surface paints that line's bands across the square.
  // Five positions and two triangles a crossing; empty lists without
  // crossings. Computes the parity first.
  GeometrySources crossingRoofs(const CrossingBands& bands);

protected:
  Graph() = default;
  explicit Graph(std::vector<std::shared_ptr<Shape>> shapes);

private:
  void renumber(std::size_t from);
  void resetAllVisited();

  std::vector<std::shared_ptr<Shape>> shapes_;
};

}  // namespace ornival
