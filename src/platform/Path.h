#pragma once

#include "platform/AffineTransform.h"
#include "platform/LineStyle.h"
#include "platform/Vec2.h"

#include <optional>
#include <vector>

namespace ornival {

// One step of an outline. Every kind carries three points so that an element
// is a plain value; only those the kind names mean anything.
struct PathElement {
  enum class Kind { move, line, curve, close };

  Kind kind = Kind::close;
  Vec2 point;     // end point of move, line and curve
  Vec2 control1;  // curve only
  Vec2 control2;  // curve only

  static constexpr PathElement move(Vec2 p) { return {Kind::move, p, {}, {}}; }
  static constexpr PathElement line(Vec2 p) { return {Kind::line, p, {}, {}}; }
  static constexpr PathElement curve(Vec2 p, Vec2 c1, Vec2 c2) { return {Kind::curve, p, c1, c2}; }
  static constexpr PathElement close() { return {}; }

  // Points a kind does not use take no part.
  bool operator==(const PathElement& other) const;
};

enum class FillRule { evenOdd, nonZero };

struct Rect {
  Vec2 origin;
  Vec2 size;

  bool operator==(const Rect&) const = default;
  constexpr double minX() const { return origin.x; }
  constexpr double minY() const { return origin.y; }
  constexpr double maxX() const { return origin.x + size.x; }
  constexpr double maxY() const { return origin.y + size.y; }
  constexpr Vec2 center() const { return origin + size * 0.5; }
};

// An outline of straight and cubic pieces, in one or more subpaths.
class Path {
public:
  Path() = default;
  explicit Path(std::vector<PathElement> elements) : elements_(std::move(elements)) {}
  // The rectangle's outline, counter-clockwise from its origin.
  static Path rectangle(const Rect& r);

  void moveTo(Vec2 p) { elements_.push_back(PathElement::move(p)); }
  void lineTo(Vec2 p) { elements_.push_back(PathElement::line(p)); }
  void curveTo(Vec2 p, Vec2 control1, Vec2 control2) {
    elements_.push_back(PathElement::curve(p, control1, control2));
  }
  void close() { elements_.push_back(PathElement::close()); }
  void append(const Path& other);

  const std::vector<PathElement>& elements() const { return elements_; }
  bool isEmpty() const { return elements_.empty(); }
  auto begin() const { return elements_.begin(); }
  auto end() const { return elements_.end(); }

  Path transformed(const AffineTransform& t) const;

  // The smallest rectangle holding every point of the outline, curves bounded
  // exactly rather than by their control points. Absent for an outline without
  // points.
  std::optional<Rect> boundingBox() const;
  // The smallest rectangle holding everything a stroke of the outline covers,
  // for a line of the width with round or flat ends: every point of the
  // outline widened by half the width, and the tips of the mitred corners
  // that the miter limit leaves pointed. Absent for an outline without
  // points.
  std::optional<Rect> strokedBoundingBox(double width, LineJoin join) const;

  // Whether p lies inside under the given rule. Open subpaths count as closed
  // back to their start, as a fill would treat them.
  bool contains(Vec2 p, FillRule rule = FillRule::nonZero) const;

  bool operator==(const Path&) const = default;

private:
  std::vector<PathElement> elements_;
};

}  // namespace ornival
