#pragma once

#include <QRectF>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace ornival {

class Layer;

namespace tiled {

// A box in floats, rounded outwards: a tiling holds a few per tile.
struct Box {
  float x0 = 0, y0 = 0, x1 = -1, y1 = -1;

  static Box around(const QRectF& r) {
    if (r.isNull())
      return {};
    const auto down = [](double v) {
      const float f = float(v);
      return double(f) > v ? std::nextafter(f, -INFINITY) : f;
    };
    const auto up = [](double v) {
      const float f = float(v);
      return double(f) < v ? std::nextafter(f, INFINITY) : f;
    };
    return {down(r.left()), down(r.top()), up(r.right()), up(r.bottom())};
  }
  bool isEmpty() const { return !(x0 <= x1 && y0 <= y1); }
  QRectF rect() const { return isEmpty() ? QRectF() : QRectF(QPointF(x0, y0), QPointF(x1, y1)); }
  bool intersects(const Box& o) const { return x0 <= o.x1 && o.x0 <= x1 && y0 <= o.y1 && o.y0 <= y1; }
  bool operator==(const Box&) const = default;
};


// The sublayers of a tile-cached layer by where they lie (entries with a
// `box` and a pointer `index` back to the index that holds them): a grid of cells in
// the container's coordinates, each sublayer in the cell of its middle with a
// copy of its box, so that a search reads the cells it passes through in a
// row; boxes wider than two cells are kept apart.
template <typename Entry>
class GridIndex {
public:
  explicit GridIndex(const Layer* container) : container(container) {}
  const Layer* const container;
  // Everything indexed so far: what to draw again when the container comes or
  // goes as a whole.
  QRectF extent;

  std::size_t size() const { return size_; }

  void insert(Entry& e) {
    e.index = this;
    ++size_;
    extent = extent.isNull() ? e.box.rect() : extent.united(e.box.rect());
    const Slot slot{&e, e.box};
    std::uint64_t cell = 0;
    if (cellOf(e.box, cell))
      cells_[cell].push_back(slot);
    else
      large_.push_back(slot);
  }

  void remove(Entry& e) {
    e.index = nullptr;
    std::uint64_t cell = 0;
    if (!cellOf(e.box, cell)) {
      take(large_, e);
      return;
    }
    const auto found = cells_.find(cell);
    if (found == cells_.end())
      return;
    take(found->second, e);
    if (found->second.empty())
      cells_.erase(found);
  }

  // Every entry whose box meets area.
  template <typename Visit>
  void query(const QRectF& area, Visit visit) const {
    const Box wanted = Box::around(area);
    const auto offer = [&](const std::vector<Slot>& members) {
      for (const Slot& s : members)
        if (s.box.intersects(wanted))
          visit(s.entry);
    };
    // A box reaches at most one cell beyond the cell of its middle.
    const double cx0 = std::floor(area.left() / cellSize) - 1;
    const double cy0 = std::floor(area.top() / cellSize) - 1;
    const double cx1 = std::floor(area.right() / cellSize) + 1;
    const double cy1 = std::floor(area.bottom() / cellSize) + 1;
    const bool bounded = std::abs(cx0) < limit && std::abs(cy0) < limit && std::abs(cx1) < limit &&
                         std::abs(cy1) < limit;
    if (!bounded || (cx1 - cx0 + 1) * (cy1 - cy0 + 1) > double(cells_.size())) {
      for (const auto& [cellKey, members] : cells_)
        offer(members);
    } else {
      for (int y = int(cy0); y <= int(cy1); ++y) {
        for (int x = int(cx0); x <= int(cx1); ++x) {
          const auto cell = cells_.find(key(x, y));
          if (cell != cells_.end())
            offer(cell->second);
        }
      }
    }
    offer(large_);
  }

  // Drops every entry without touching the entries, which outlive it.
  void release() {
    for (auto& [cellKey, members] : cells_)
      for (const Slot& s : members)
        s.entry->index = nullptr;
    for (const Slot& s : large_)
      s.entry->index = nullptr;
    cells_.clear();
    large_.clear();
    size_ = 0;
  }

  // Drops, in one sweep, the entries whose `index` no longer points here:
  // cheaper than removing them one by one when they are most of it.
  void dropUnindexed() {
    const auto gone = [this](const Slot& s) { return s.entry->index != this; };
    for (auto cell = cells_.begin(); cell != cells_.end();) {
      std::erase_if(cell->second, gone);
      cell = cell->second.empty() ? cells_.erase(cell) : std::next(cell);
    }
    std::erase_if(large_, gone);
    size_ = large_.size();
    for (const auto& [cellKey, members] : cells_)
      size_ += members.size();
  }

private:
  // A tile of the mosaic is 20 units across: a cell holds a few.
  static constexpr double cellSize = 64.0;
  static constexpr double limit = 1 << 28;

  struct Slot {
    Entry* entry;
    Box box;
  };

  static std::uint64_t key(int x, int y) { return (std::uint64_t(std::uint32_t(x)) << 32) | std::uint32_t(y); }

  // The cell of the box's middle, when the box is no wider than two cells.
  static bool cellOf(const Box& box, std::uint64_t& cell) {
    const double width = double(box.x1) - double(box.x0);
    const double height = double(box.y1) - double(box.y0);
    if (!(width <= 2 * cellSize && height <= 2 * cellSize))
      return false;
    const double x = std::floor((double(box.x0) + double(box.x1)) / 2 / cellSize);
    const double y = std::floor((double(box.y0) + double(box.y1)) / 2 / cellSize);
    if (!(std::abs(x) < limit && std::abs(y) < limit))
      return false;
    cell = key(int(x), int(y));
    return true;
  }

  void take(std::vector<Slot>& members, const Entry& e) {
    const auto found = std::find_if(members.begin(), members.end(), [&](const Slot& s) { return s.entry == &e; });
    if (found == members.end())
      return;
    *found = members.back();
    members.pop_back();
    --size_;
  }

  std::unordered_map<std::uint64_t, std::vector<Slot>> cells_;
  std::vector<Slot> large_;
  std::size_t size_ = 0;
};

}  // namespace tiled
}  // namespace ornival
