#pragma once

#include "platform/AffineTransform.h"
#include "platform/LineStyle.h"
#include "platform/Vec2.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <vector>

namespace ornival {

// One step of an outline. Every kind carries three points so that an element
// is a plain value; only those the kind names mean anything.
struct PathElement {
  enum class Kind : std::uint8_t { move, line, curve, close };

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
//
// Kept as its kinds and its points apart, each element only the points its
// kind uses: a mosaic holds two outlines per tile.
class Path {
public:
  Path() = default;
  explicit Path(const std::vector<PathElement>& elements);
  // The rectangle's outline, counter-clockwise from its origin.
  static Path rectangle(const Rect& r);

  void moveTo(Vec2 p) {
    kinds_.push_back(PathElement::Kind::move);
    points_.push_back(p);
  }
  void lineTo(Vec2 p) {
    kinds_.push_back(PathElement::Kind::line);
    points_.push_back(p);
  }
  void curveTo(Vec2 p, Vec2 control1, Vec2 control2) {
    kinds_.push_back(PathElement::Kind::curve);
    points_.insert(points_.end(), {control1, control2, p});
  }
  void close() { kinds_.push_back(PathElement::Kind::close); }
  // Room for this many elements and points in all, for a path built in one go.
  void reserve(std::size_t elements, std::size_t points) {
    kinds_.reserve(elements);
    points_.reserve(points);
  }
  void append(const Path& other);

  // The elements in order, each read whole from what is kept.
  class Iterator {
  public:
    using iterator_category = std::input_iterator_tag;
    using value_type = PathElement;
    using difference_type = std::ptrdiff_t;
    using reference = PathElement;
    using pointer = void;

    Iterator(const Path* path, std::size_t element, std::size_t point)
        : path_(path), element_(element), point_(point) {}
    PathElement operator*() const;
    Iterator& operator++() {
      point_ += pointsOf(path_->kinds_[element_]);
      ++element_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++*this;
      return before;
    }
    bool operator==(const Iterator& other) const { return element_ == other.element_; }

  private:
    const Path* path_;
    std::size_t element_;
    std::size_t point_;
  };
  Iterator begin() const { return {this, 0, 0}; }
  Iterator end() const { return {this, kinds_.size(), points_.size()}; }

  // A copy of the elements.
  std::vector<PathElement> elements() const { return {begin(), end()}; }
  std::size_t size() const { return kinds_.size(); }
  bool isEmpty() const { return kinds_.empty(); }

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

  // Element by element, points a kind does not use taking no part.
  bool operator==(const Path&) const = default;

private:
  static constexpr std::size_t pointsOf(PathElement::Kind kind) {
    return kind == PathElement::Kind::curve ? 3 : kind == PathElement::Kind::close ? 0 : 1;
  }

  std::vector<PathElement::Kind> kinds_;
  // A move or line's end point; a curve's two control points, then its end.
  std::vector<Vec2> points_;
};

}  // namespace ornival
