#pragma once

#include "figures/Axis.h"
#include "figures/Heading.h"
#include "figures/catalogue/Shapes.h"
#include "platform/Color.h"
#include "platform/Lazy.h"
#include "platform/Path.h"
#include "platform/Vec2.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace ornival {

class Geometry;
class Icon;
class Painter;

// One tile polygon of the catalogue, shared by every tile placed from it and
// compared by identity.
//
// A figure is built from integer angle dividends (one per corner, proportional
// to its interior angle) and side lengths, and derives everything else on
// first use. Its angles stay exact integers in half divisor units (2·divisor
// per full turn) and become floating point only in the first octant, so sides
// along the axes are exact and mirrored sides have bit-identical components.
//
// Life: create, then setup (or, for the group tile, the stored values set by
// hand), then the catalogue's stores of heading, scaleable and axis, and only
// then any derived read. Derived values are computed once and never
// invalidated, so nothing stored may change after the first of them is read.
// Derived values may be read first from several threads at once.
class Figure final : public std::enable_shared_from_this<Figure> {
public:
  // One vertex at the origin, no dividends, no lengths, heading south, axis
  // edge(0), neither equilateral nor scaleable.
  static std::shared_ptr<Figure> create(Shapes tool, std::string name);

  Figure(const Figure&) = delete;
  Figure& operator=(const Figure&) = delete;

  // Walks the outline from the dividends and lengths. Called once, right after
  // create. Needs at least one length and at least n − 1 of them; the last
  // (closing) side's length only enters the names, symmetries and measures.
  void setup(std::vector<std::int64_t> dividends, std::vector<double> lengths);

  // Stored values.
  Shapes tool() const { return tool_; }
  const std::string& name() const { return name_; }
  // Counter-clockwise, vertices[0] at the origin.
  const std::vector<Vec2>& vertices() const { return vertices_; }
  const std::vector<std::int64_t>& dividends() const { return dividends_; }
  // Side i runs from vertices[i] to vertices[i + 1], wrapping.
  const std::vector<double>& lengths() const { return lengths_; }
  bool equilateral() const { return equilateral_; }
  bool scaleable() const { return scaleable_; }
  Heading heading() const { return heading_; }
  Axis axis() const { return axis_; }

  // Stores of the catalogue after setup.
  void setHeading(Heading heading) { heading_ = heading; }
  void setScaleable(bool scaleable) { scaleable_ = scaleable; }
  void setAxis(Axis axis) { axis_ = axis; }

  // Stores of the group tile, which has no dividends and is never set up: its
  // outline, one length per side, and the period and centre it fixes itself.
  void setVertices(std::vector<Vec2> vertices) { vertices_ = std::move(vertices); }
  void setLengths(std::vector<double> lengths) { lengths_ = std::move(lengths); }
  void setVariantCount(int variantCount) { variantCount_.set(variantCount); }
  void setCenter(Vec2 center) { center_.set(center); }

  // equilateral (and, when true, scaleable) from the lengths; no lengths count
  // as all equal.
  void updateEquilateral();

  // Angle units in a full turn: twice the sum of the dividends.
  std::int64_t divisor() const;
  // The mean of the vertices.
  Vec2 center() const;
  // The rotational period of the corner and side sequence; vertices / period
  // rotations map the figure onto itself.
  int variantCount() const;
  // Texts that identify a figure up to rotation, and its mirror image: a
  // figure whose reversed name is another's name is that one's mirror image.
  const std::string& canonicalName() const;
  const std::string& reversedCanonicalName() const;
  // The largest number of sides sharing one length.
  int equilateralCount() const;
  // The largest distance from the centre to a vertex, at least 0.5.
  double radius() const;
  // Mirror axes through side midpoints and through vertices. An axis through
  // two midpoints or two vertices is listed at both ends.
  const std::vector<Axis>& edgeAxes() const;
  const std::vector<Axis>& vertexAxes() const;
  // For each side, the sides that run in exactly the opposite direction.
  const std::vector<std::vector<int>>& parallels() const;
  // The smallest interior angle in degrees, and the interior angles at
  // vertices 1 … variantCount.
  double angle() const;
  const std::vector<double>& angles() const;
  // The number of reflex corners.
  int concave() const;
  double area() const;
  double perimeter() const;
  // area / perimeter².
  double density() const;

  // The turn of the outline at vertex i as a fraction of a half turn: 0
  // straight on, 1 a full reversal; 1 for i beyond the dividends.
  double cornerTurnFraction(int i) const;

  // The axis across which this figure turns into its mirror partner: found
  // against the partner of the catalogue's mirror map, or `axis` for a figure
  // without partner. Needs the figure table.
  Axis mirrorAxis() const;
  // The same search against a given partner; `axis` when partner is null or
  // this figure itself.
  Axis mirrorAxis(const Figure* partner) const;

  // Outlines, in figure units, counter-clockwise.
  //
  // The polygon; `path` leaves out any later vertex that coincides exactly
  // with the first, `bezierPath` keeps every vertex.
  const Path& path() const;
  const Path& bezierPath() const;
  // The corners of the outline moved 1/32 unit inward.
  const std::vector<Vec2>& points() const;
  // The fraction of the way from a side midpoint to the corner at vertex i at
  // which a cubic's control point makes a near-circular arc; 1 for i beyond
  // the dividends.
  double cornerBezierFactor(int i) const;
  // The outline through the side midpoints with its corners rounded: factor
  // scales the rounding (1 near-circular), and corners whose turn fraction
  // reaches limit stay sharp. Factor 2.0 means no rounding: roundedPath then
  // gives the figure's own `path` object (never to be changed), and
  // roundedBezierPath a copy of `bezierPath`.
  std::shared_ptr<const Path> roundedPath(double factor, double limit) const;
  Path roundedBezierPath(double factor, double limit) const;

  // Icons.
  //
  // The figure's diagram (outline, mirror axes, parallels) filled with color
  // and turned by angle radians, centred in rect.
  void drawIcon(Painter& painter, const Rect& rect, const Color& color, double angle) const;
  // 20 × 20 and 32 × 32 point icons of the diagram in white, turned by
  // imageAngle. They hold the figure weakly and draw nothing once it is gone.
  std::shared_ptr<const Icon> image() const;
  std::shared_ptr<const Icon> toolbarImage() const;
  // The turn that points the axis towards the heading.
  double imageAngle() const;

  // The figure's solid: the roof over its outline above a flat base, built on
  // first read and shared by every tile of the figure.
  const std::shared_ptr<const Geometry>& geometry() const;
  // A new solid over the given outline, about this figure's centre; wingBolt
  // selects the roof's height tie rule.
  std::shared_ptr<const Geometry> makeGeometry(std::span<const Vec2> vertices, bool wingBolt) const;

private:
  Figure(Shapes tool, std::string name);

  struct AngleData {
    double angle = 0.0;
    std::vector<double> angles;
  };

  int n() const { return static_cast<int>(dividends_.size()); }
  // The point an axis passes through: the vertex, or the side's midpoint.
  Vec2 axisPoint(Axis axis) const;
  // The dividends and lengths of the rotation whose dividends read smallest,
  // as text. Rotation r reads dividends from r and lengths from r +
  // lengthShift, each read backwards when reversed.
  std::string smallestRotationText(int lengthShift, bool reversed) const;
  std::shared_ptr<const Icon> makeIcon(double side) const;

  Shapes tool_;
  std::string name_;
  std::vector<Vec2> vertices_{Vec2{}};
  std::vector<std::int64_t> dividends_;
  std::vector<double> lengths_;
  bool equilateral_ = false;
  bool scaleable_ = false;
  Heading heading_ = Heading::south;
  Axis axis_ = Axis::edge(0);

  Lazy<std::int64_t> divisor_;
  Lazy<Vec2> center_;
  Lazy<int> variantCount_;
  Lazy<std::string> canonicalName_;
  Lazy<std::string> reversedCanonicalName_;
  Lazy<int> equilateralCount_;
  Lazy<double> radius_;
  Lazy<std::shared_ptr<const Path>> path_;
  Lazy<Path> bezierPath_;
  Lazy<std::vector<Vec2>> points_;
  Lazy<std::vector<Axis>> edgeAxes_;
  Lazy<std::vector<Axis>> vertexAxes_;
  Lazy<std::vector<std::vector<int>>> parallels_;
  Lazy<AngleData> angles_;
  Lazy<int> concave_;
  Lazy<double> area_;
  Lazy<double> perimeter_;
  Lazy<double> density_;
  Lazy<std::shared_ptr<const Icon>> image_;
  Lazy<std::shared_ptr<const Icon>> toolbarImage_;
  Lazy<double> imageAngle_;
  Lazy<Axis> mirrorAxis_;
  Lazy<std::shared_ptr<const Geometry>> geometry_;
};

// The turn at p1 of the polyline p0, p1, p2 as a fraction of a half turn, in
// 0 … 1.
double cornerAngleFraction(Vec2 p0, Vec2 p1, Vec2 p2);

// The Bézier factor of the corner at p1 of the polyline p0, p1, p2:
// 2(1 − tan²(φ/4))/3 for a turn φ.
double cornerBezierFactor(Vec2 p0, Vec2 p1, Vec2 p2);

}  // namespace ornival
