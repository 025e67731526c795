#pragma once

#include "figures/Figure.h"
#include "figures/Line.h"
#include "platform/AffineTransform.h"
#include "platform/Cached.h"
#include "platform/Lazy.h"

#include <memory>
#include <optional>
#include <vector>

namespace ornival {

class Edge;

// A catalogue figure put on the canvas by an affine transformation: the base
// of placed tiles and of placement candidates.
//
// The placed geometry (corners, centre, bounds, border segments) is computed
// on first read and kept, because hit tests, the candidate search and drawing
// read it for every tile all the time. Assigning `transformation` alone does
// not touch it: whoever moves a model calls updateTransformedGeometry, which
// recomputes all of it in one pass. Each part is computed from the figure
// and the transformation alone, so a model read for its centre or bounds
// never builds its sides.
class ShapeModel : public std::enable_shared_from_this<ShapeModel> {
public:
  static std::shared_ptr<ShapeModel> create(std::shared_ptr<const Figure> figure);
  virtual ~ShapeModel() = default;
  ShapeModel(const ShapeModel&) = delete;
  ShapeModel& operator=(const ShapeModel&) = delete;

  // Figure units to canvas units: 20 of these per figure unit, for a tile that
  // lies against no other.
  static const AffineTransform& defaultTransformation();

  const std::shared_ptr<const Figure>& figure() const { return figure_; }

  // Figure to canvas coordinates; identity until placed.
  AffineTransform transformation;
  // The length of the transformation's first column over 20, as of the last
  // refresh; 1.0 before the first.
  double scale() const { return scale_; }

  // One side per figure corner, in vertex order, built on first read.
  const std::vector<std::shared_ptr<Edge>>& edges() const;
  Vec2 center() const;
  // A point a little off the centre towards side 0, inside any figure the
  // catalogue holds.
  Vec2 offCenter() const;
  // The bounding box widened by 1/512: vertex0 the lower-left corner, vertex1
  // the upper-right.
  Line bounds() const;
  // Side i from edge i's transformed corner to the next edge's.
  const std::vector<Line>& border() const;

  void updateTransformedGeometry();

protected:
  explicit ShapeModel(std::shared_ptr<const Figure> figure);

  // Places a model whose geometry was never read: the transformation and
  // the scale are set, everything else is computed when first read. A
  // candidate of a group with thousands of sides is mostly never looked at
  // closely, and then costs no more than its transformation.
  void placeLazily(const AffineTransform& placement);

private:
  std::vector<std::shared_ptr<Edge>> makeEdges() const;
  Vec2 computeOffCenter() const;
  Line computeBounds() const;
  std::vector<Line> computeBorder() const;

  std::shared_ptr<const Figure> figure_;
  double scale_ = 1.0;
  Lazy<std::vector<std::shared_ptr<Edge>>> edges_;
  Cached<Vec2> center_;
  Cached<Vec2> offCenter_;
  Cached<Line> bounds_;
  Cached<std::vector<Line>> border_;
};

// The frame that lays the figure unit x axis on a side of the tiling the other
// way round: (0, 0) onto the side's end, (1, 0) onto its start.
AffineTransform backAlongSide(Vec2 sideStart, Vec2 sideEnd);

// The transformation that lays a figure's side, from corner `from` to corner
// `to` in figure coordinates, on a side of the tiling running the other way:
// `from` onto the side's end, `to` onto its start, scaled to its length. None
// when the figure's side has no length.
std::optional<AffineTransform> layOnSide(Vec2 from, Vec2 to, Vec2 sideStart, Vec2 sideEnd);

}  // namespace ornival
