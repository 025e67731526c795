#pragma once

#include "figures/Line.h"
#include "platform/Vec2.h"

#include <cstdint>
#include <vector>

namespace ornival {

class ShapeModel;

// Whether p lies inside the closed outline the lines make, by the even-odd
// rule: inside a hole of the outline is outside. No lines, nothing inside.
bool pointInPolygon(const std::vector<Line>& lines, Vec2 p);

// The tiling's outline filed by the cells of a grid, for testing many
// candidates against one outline: each test then looks at the lines near
// what it tests, not at every line. Its answers are those of the plain
// functions over the same lines. One thread at a time.
class OutlineIndex {
public:
  explicit OutlineIndex(std::vector<Line> lines);

  const std::vector<Line>& lines() const { return lines_; }
  // pointInPolygon over the lines.
  bool contains(Vec2 p) const;
  // Calls visit(line) once for every line whose box may meet the box from
  // lo to hi (and perhaps for a few more).
  template <typename Visit>
  void forEachNear(Vec2 lo, Vec2 hi, Visit&& visit) const {
    forEachIn(cellsOf(lo, hi), visit);
  }

private:
  struct Cells {
    int x0, y0, x1, y1;
  };
  template <typename Visit>
  void forEachIn(const Cells& cells, Visit& visit) const {
    nextStamp();
    for (int y = cells.y0; y <= cells.y1; ++y) {
      for (int x = cells.x0; x <= cells.x1; ++x) {
        const std::size_t cell = std::size_t(y) * std::size_t(columns_) + std::size_t(x);
        for (std::uint32_t k = start_[cell]; k < start_[cell + 1]; ++k)
          visitOnce(items_[k], visit);
      }
    }
    for (const std::uint32_t line : wide_)
      visitOnce(line, visit);
  }
  int column(double x) const;
  int row(double y) const;
  Cells cellsOf(Vec2 lo, Vec2 hi) const { return {column(lo.x), row(lo.y), column(hi.x), row(hi.y)}; }
  void nextStamp() const;
  template <typename Visit>
  void visitOnce(std::uint32_t line, Visit& visit) const {
    if (seen_[line] == stamp_)
      return;
    seen_[line] = stamp_;
    visit(lines_[line]);
  }

  std::vector<Line> lines_;
  Vec2 origin_;
  double cellSize_ = 1.0;
  int columns_ = 1;
  int rows_ = 1;
  // Lines per cell, row by row: cell c holds items_[start_[c] … start_[c + 1]).
  std::vector<std::uint32_t> start_;
  std::vector<std::uint32_t> items_;
  // Lines across too many cells to file, looked at by every query.
  std::vector<std::uint32_t> wide_;
  // The lines whose height reaches into each row, for the even-odd test:
  // row r holds rowItems_[rowStart_[r] … rowStart_[r + 1]).
  std::vector<std::uint32_t> rowStart_;
  std::vector<std::uint32_t> rowItems_;
  mutable std::vector<std::uint32_t> seen_;
  mutable std::uint32_t stamp_ = 0;
};

// Whether a candidate would overlap the tiling whose outline the lines are:
// one of its sides, drawn 1/32 figure unit inside its own outline, properly
// crosses an outline line, one of its corners so drawn lies inside the
// outline, or it lies over a corner of the outline (a whole island). Sides that only touch a line at an end, or run along it (cross
// products within 2^-9 count as zero), do not cross it: a candidate lying on
// its own parent side fits. Any thread, for a candidate no one moves.
bool figureOverlapsSegments(const std::vector<Line>& lines, const ShapeModel& candidate);
bool figureOverlapsSegments(const OutlineIndex& outline, const ShapeModel& candidate);

}  // namespace ornival
