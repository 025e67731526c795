#pragma once

#include "platform/Precondition.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ornival {

// The buckets of Graph::joinEdges: chains of side positions per cell of the
// sides' doubled midpoints and runs, in list order, in one open-addressed table: a
// tiling of 100,000 tiles has some 400,000 sides to place.
//
// A slot holds the first side of its chain and the high half of the cell's
// hash, and a cell is known by its hash alone. Two cells whose halves agree
// where their searches meet share one chain, which costs a few comparisons
// and nothing else: the end points decide what fits. The table is larger than
// the processor's caches, so the loops over it ask for the slots they need a
// few sides ahead.
class SideBuckets {
public:
  static constexpr std::uint32_t none = UINT32_MAX;

  SideBuckets() = default;
  explicit SideBuckets(std::size_t count) { reset(count); }

  // Empty again, for count sides, in the memory of the last use where it
  // fits: the table is cleared, not given back and asked for anew.
  void reset(std::size_t count) {
    ORNIVAL_PRECONDITION(count < none);
    std::size_t capacity = 16;
    while (capacity < count + count / 2)
      capacity *= 2;
    slots_.assign(capacity, Slot{});
    nextInChain_.assign(count, none);
  }

  static std::uint64_t hash(std::int64_t x, std::int64_t y, std::int64_t runX, std::int64_t runY) {
    std::uint64_t h = std::uint64_t(x) * 0x9e3779b97f4a7c15ULL ^ std::uint64_t(y) * 0xc2b2ae3d27d4eb4fULL;
    h ^= h >> 29;
    h ^= std::uint64_t(runX) * 0xbf58476d1ce4e5b9ULL ^ std::uint64_t(runY) * 0x94d049bb133111ebULL;
    return h ^ (h >> 31);
  }
  void prefetch(std::uint64_t hash) const { __builtin_prefetch(&slots_[std::size_t(hash) & mask()]); }

  // Puts a side at the front of its cell's chain: adding the sides from the
  // last to the first leaves every chain in list order.
  void prepend(std::uint64_t hash, std::uint32_t side) {
    Slot& slot = find(hash);
    slot.tag = tag(hash);
    nextInChain_[side] = slot.head;
    slot.head = side;
  }

  // The first side of the chain and each side's link to the next, to walk the
  // chain and to take sides out of it.
  std::uint32_t& first(std::uint64_t hash) { return find(hash).head; }
  std::uint32_t& next(std::uint32_t side) { return nextInChain_[side]; }

private:
  struct Slot {
    std::uint32_t head = none;
    std::uint32_t tag = 0;
  };

  static std::uint32_t tag(std::uint64_t hash) { return std::uint32_t(hash >> 32); }
  std::size_t mask() const { return slots_.size() - 1; }

  // The slot of the hash, or the empty slot where it would go.
  Slot& find(std::uint64_t hash) {
    for (std::size_t i = std::size_t(hash) & mask();; i = (i + 1) & mask()) {
      Slot& slot = slots_[i];
      if (slot.head == none || slot.tag == tag(hash))
        return slot;
    }
  }

  std::vector<Slot> slots_;
  std::vector<std::uint32_t> nextInChain_;
};

}  // namespace ornival
