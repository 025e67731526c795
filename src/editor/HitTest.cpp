#include "editor/HitTest.h"

#include "figures/Figure.h"
#include "model/ShapeModel.h"

#include <algorithm>
#include <cmath>

namespace ornival {
namespace {

// Points closer than this (squared) are one point.
constexpr double coincidence = 1.0 / 262144.0;
// Cross products within this are zero: the point lies on the line.
constexpr double straight = 1.0 / 512.0;

double cross(Vec2 u, Vec2 w) { return u.y * w.x - u.x * w.y; }
bool coincide(Vec2 a, Vec2 b) { return (a - b).lengthSquared() < coincidence; }
bool onLine(double s) { return std::abs(s) <= straight; }
bool sameSign(double a, double b) { return (a < 0.0) == (b < 0.0); }

// Whether the side from p to q properly crosses the line from a to b. Within
// the box test only.
bool properlyCrosses(Vec2 p, Vec2 q, Vec2 a, Vec2 b) {
  if ((p - q).lengthSquared() < coincidence || coincide(a, p) || coincide(a, q))
    return false;
  const double s1 = cross(q - p, a - p);
  if (onLine(s1) || coincide(b, p) || coincide(b, q))
    return false;
  const double s2 = cross(q - p, b - p);
  if (onLine(s2) || sameSign(s1, s2))
    return false;
  if ((a - b).lengthSquared() < coincidence)
    return false;
  const double s3 = cross(b - a, p - a);
  if (onLine(s3))
    return false;
  const double s4 = cross(b - a, q - a);
  return !onLine(s4) && !sameSign(s3, s4);
}

}  // namespace

bool pointInPolygon(const std::vector<Line>& lines, Vec2 p) {
  bool inside = false;
  for (const Line& line : lines) {
    const Vec2 a = line.vertex0;
    const Vec2 b = line.vertex1;
    if ((p.y >= a.y) == (p.y < b.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
      inside = !inside;
  }
  return inside;
}

namespace {

// The overlap test over any filing of the outline's lines: `near(lo, hi,
// visit)` visits at least the lines whose boxes meet the box lo…hi, `inside`
// is the even-odd test against the whole outline.
template <typename Near, typename Inside>
bool overlaps(const ShapeModel& candidate, Near&& near, Inside&& inside) {
  const Line box = candidate.bounds();
  const Vec2 lo = box.vertex0;
  const Vec2 hi = box.vertex1;
  const auto& points = candidate.figure()->points();
  if (points.empty())
    return false;
  const auto& t = candidate.transformation;
  std::vector<Line> inset;
  inset.reserve(points.size());
  Vec2 previous = t.apply(points.back());
  for (const Vec2 corner : points) {
    inset.push_back({previous, t.apply(corner)});
    previous = inset.back().vertex1;
  }
  for (const Line& side : inset) {
    const Vec2 from = side.vertex0;
    const Vec2 to = side.vertex1;
    bool crossed = false;
    // A line the side crosses meets the side's own box.
    near(Vec2{std::min(from.x, to.x), std::min(from.y, to.y)}, Vec2{std::max(from.x, to.x), std::max(from.y, to.y)},
         [&](const Line& line) {
           const Vec2 a = line.vertex0;
           const Vec2 b = line.vertex1;
           if (crossed || std::max(a.x, b.x) <= lo.x || hi.x <= std::min(a.x, b.x) || std::max(a.y, b.y) <= lo.y ||
               hi.y <= std::min(a.y, b.y))
             return;
           crossed = properlyCrosses(from, to, a, b);
         });
    if (crossed || inside(to))
      return true;
  }
  // Neither crossing nor reaching in, it may still lie over a whole piece of
  // the tiling, an island say: then a corner of the outline lies inside it.
  bool covered = false;
  near(lo, hi, [&](const Line& line) {
    const Vec2 a = line.vertex0;
    if (!covered && lo.x < a.x && a.x < hi.x && lo.y < a.y && a.y < hi.y && pointInPolygon(inset, a))
      covered = true;
  });
  return covered;
}

}  // namespace

bool figureOverlapsSegments(const std::vector<Line>& lines, const ShapeModel& candidate) {
  return overlaps(
      candidate,
      [&lines](Vec2, Vec2, auto&& visit) {
        for (const Line& line : lines)
          visit(line);
      },
      [&lines](Vec2 p) { return pointInPolygon(lines, p); });
}

bool figureOverlapsSegments(const OutlineIndex& outline, const ShapeModel& candidate) {
  return overlaps(
      candidate, [&outline](Vec2 lo, Vec2 hi, auto&& visit) { outline.forEachNear(lo, hi, visit); },
      [&outline](Vec2 p) { return outline.contains(p); });
}

OutlineIndex::OutlineIndex(std::vector<Line> lines) : lines_(std::move(lines)), seen_(lines_.size(), 0) {
  if (lines_.empty()) {
    start_.assign(2, 0);
    return;
  }
  Vec2 lo = lines_.front().vertex0;
  Vec2 hi = lo;
  for (const Line& line : lines_) {
    for (const Vec2 p : {line.vertex0, line.vertex1}) {
      lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
      hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
    }
  }
  // About one line per cell, at most 1024 cells a side.
  const double width = std::max(hi.x - lo.x, 1e-9);
  const double height = std::max(hi.y - lo.y, 1e-9);
  cellSize_ = std::max(std::sqrt(width * height / double(lines_.size())), std::max(width, height) / 1024.0);
  if (!std::isfinite(cellSize_) || !(cellSize_ > 0.0))
    cellSize_ = std::max(width, height);
  origin_ = lo;
  columns_ = std::clamp(int(width / cellSize_) + 1, 1, 1024);
  rows_ = std::clamp(int(height / cellSize_) + 1, 1, 1024);
  const std::size_t cells = std::size_t(columns_) * std::size_t(rows_);
  // Counted, then filed: each cell's lines in one stretch of items_.
  constexpr long widest = 64;
  std::vector<std::uint32_t> count(cells + 1, 0);
  std::vector<Cells> spans(lines_.size());
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    const Vec2 a = line.vertex0;
    const Vec2 b = line.vertex1;
    spans[i] = cellsOf({std::min(a.x, b.x), std::min(a.y, b.y)}, {std::max(a.x, b.x), std::max(a.y, b.y)});
    const Cells& c = spans[i];
    if (long(c.x1 - c.x0 + 1) * long(c.y1 - c.y0 + 1) > widest) {
      wide_.push_back(std::uint32_t(i));
      continue;
    }
    for (int y = c.y0; y <= c.y1; ++y)
      for (int x = c.x0; x <= c.x1; ++x)
        ++count[std::size_t(y) * std::size_t(columns_) + std::size_t(x) + 1];
  }
  for (std::size_t c = 0; c < cells; ++c)
    count[c + 1] += count[c];
  start_ = count;
  items_.resize(start_.back());
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Cells& c = spans[i];
    if (long(c.x1 - c.x0 + 1) * long(c.y1 - c.y0 + 1) > widest)
      continue;
    for (int y = c.y0; y <= c.y1; ++y)
      for (int x = c.x0; x <= c.x1; ++x)
        items_[count[std::size_t(y) * std::size_t(columns_) + std::size_t(x)]++] = std::uint32_t(i);
  }
  std::vector<std::uint32_t> perRow(std::size_t(rows_) + 1, 0);
  for (const Cells& c : spans)
    for (int y = c.y0; y <= c.y1; ++y)
      ++perRow[std::size_t(y) + 1];
  for (std::size_t r = 0; r < std::size_t(rows_); ++r)
    perRow[r + 1] += perRow[r];
  rowStart_ = perRow;
  rowItems_.resize(rowStart_.back());
  for (std::size_t i = 0; i < lines_.size(); ++i)
    for (int y = spans[i].y0; y <= spans[i].y1; ++y)
      rowItems_[perRow[std::size_t(y)]++] = std::uint32_t(i);
}

int OutlineIndex::column(double x) const {
  const double c = std::floor((x - origin_.x) / cellSize_);
  return c < 0.0 ? 0 : c >= double(columns_) || !(c == c) ? columns_ - 1 : int(c);
}

int OutlineIndex::row(double y) const {
  const double r = std::floor((y - origin_.y) / cellSize_);
  return r < 0.0 ? 0 : r >= double(rows_) || !(r == r) ? rows_ - 1 : int(r);
}

void OutlineIndex::nextStamp() const {
  if (++stamp_ == 0) {
    std::fill(seen_.begin(), seen_.end(), 0);
    stamp_ = 1;
  }
}

bool OutlineIndex::contains(Vec2 p) const {
  if (lines_.empty())
    return false;
  // Only a line whose height takes in p's height can cross the ray from p,
  // and such a line reaches into p's row.
  bool inside = false;
  const std::size_t y = std::size_t(row(p.y));
  for (std::uint32_t k = rowStart_[y]; k < rowStart_[y + 1]; ++k) {
    const Line& line = lines_[rowItems_[k]];
    const Vec2 a = line.vertex0;
    const Vec2 b = line.vertex1;
    if ((p.y >= a.y) == (p.y < b.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
      inside = !inside;
  }
  return inside;
}

}  // namespace ornival
