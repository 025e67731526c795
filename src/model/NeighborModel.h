#pragma once

#include "model/ShapeModel.h"
#include "platform/Lazy.h"
#include "platform/Vec2.h"

#include <atomic>
#include <cstdint>
#include <memory>

namespace ornival {

class Edge;

// The editor's cached verdict on whether a candidate overlaps the placed tiles.
enum class Checked : int { unknown = 0, ok = 1, overlapping = 2 };

// The corners of a parent side and of the two sides beside it, in canvas
// coordinates, as they stood when a candidate was laid on it. A candidate
// keeps them so that its line-continuation test never has to read the live
// tile, which the main thread may be moving while a hit test on a worker
// asks.
struct ParentSide {
  // The side's start corner, where the candidate's far corner lands.
  Vec2 start;
  // The side's end corner (the next side's start), where the candidate's
  // corner `edgeOffset` lands.
  Vec2 end;
  // The end of the side after it.
  Vec2 afterEnd;
  // The start of the side before it.
  Vec2 beforeStart;

  // Reads the corners of a live side. Only where no one moves the tile: on
  // the main thread, or on workers while the main thread waits for them. The
  // side's tile and its next links must exist.
  static ParentSide of(const Edge& edge);
};

// A placement candidate: a figure laid with one of its sides on a free side of
// a placed tile (its parent), the other way round, waiting for the user to
// pick it. Candidates are built on workers and handed to the main thread
// whole; after that the editor's hit test may read them from another worker,
// so the two values read after hand-over are safe for that: the overlap
// verdict is atomic and the line-continuation test runs once.
class NeighborModel : public ShapeModel {
public:
  // Unplaced: identity transformation, no parent, side 0, verdict unknown.
  static std::shared_ptr<NeighborModel> create(std::shared_ptr<const Figure> figure);

  // Any thread; the editor writes it after its overlap test.
  Checked checked() const { return checked_.load(std::memory_order_acquire); }
  void setChecked(Checked checked) { checked_.store(checked, std::memory_order_release); }

  // The side the candidate lies on; none when never set or gone.
  std::shared_ptr<Edge> parent() const { return parent_.lock(); }
  // Links the candidate to its parent side and keeps that side's corners for
  // the line-continuation test. Set by whoever builds the candidate, before
  // hand-over.
  void setParent(const std::shared_ptr<Edge>& edge, const ParentSide& corners);
  const ParentSide& parentSide() const { return parentSide_; }

  // Which of the candidate's own sides lies on the parent; for a group
  // candidate also the matching side of the group's border. Set before
  // hand-over.
  std::int64_t edgeOffset = 0;

  // Lays side `side` on the parent side running the other way: corner side
  // onto the parent's end, corner side + 1 onto its start, scaled to the
  // parent's length. Sets the scale; the rest of the placed geometry follows
  // when first read. Only for a candidate not placed before. A side of the
  // figure with no length is a programming error.
  void place(int side, const ParentSide& parent);

  // Whether the candidate carries on the parent tile's outline at both ends
  // of the shared side: at each end either the two sides meeting there run
  // along one line, or the candidate's own corner there is straight. Computed
  // on the first read, from any thread, and kept even when the tiling changes
  // afterwards. True when the parent side or its tile is gone.
  bool isGood() const;
  virtual bool computeIsGood() const;

protected:
  explicit NeighborModel(std::shared_ptr<const Figure> figure);

private:
  std::atomic<Checked> checked_ = Checked::unknown;
  std::weak_ptr<Edge> parent_;
  // The parent's tile, looked at only to know whether it is gone: a hit test
  // on a worker must never hold the last reference to a tile.
  std::weak_ptr<ShapeModel> parentOwner_;
  ParentSide parentSide_;
  Lazy<bool> isGood_;
};

}  // namespace ornival
