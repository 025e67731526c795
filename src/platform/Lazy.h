#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <utility>

namespace ornival {

// A value computed on its first read and kept. Two threads may read it first at
// the same time: the computation runs exactly once and both see its result.
// The cost after the first read is one acquire load.
//
// Not std::call_once: glibc's wakes possible waiters through the kernel on
// every first read, waiting or not, and a document of a million tiles reads
// a million values first on opening.
template <typename T>
class Lazy {
public:
  Lazy() = default;
  Lazy(const Lazy&) = delete;
  Lazy& operator=(const Lazy&) = delete;

  template <typename Compute>
  const T& get(Compute&& compute) const {
    if (state_.load(std::memory_order_acquire) != ready) [[unlikely]]
      fill([&] { value_.emplace(std::forward<Compute>(compute)()); });
    return *value_;
  }

  // Stores a value that the owner computed itself before anyone reads it (a
  // group tile's figure fills its own centre and period). A value that is
  // already there stays: the first one wins, as with get.
  void set(T value) {
    if (state_.load(std::memory_order_acquire) != ready)
      fill([&] { value_.emplace(std::move(value)); });
  }

private:
  // Waited: computing, and another thread waits to be woken.
  enum : std::uint8_t { empty, computing, waited, ready };

  template <typename Store>
  void fill(Store&& store) const {
    std::uint8_t expected = empty;
    if (state_.compare_exchange_strong(expected, computing, std::memory_order_acquire)) {
      try {
        store();
      } catch (...) {
        // As with call_once, a computation that throws leaves the value to
        // the next reader.
        if (state_.exchange(empty, std::memory_order_acq_rel) == waited)
          state_.notify_all();
        throw;
      }
      if (state_.exchange(ready, std::memory_order_acq_rel) == waited)
        state_.notify_all();
      return;
    }
    for (;;) {
      if (expected == ready)
        return;
      if (expected == empty) {
        // The computation threw: this thread tries.
        fill(std::forward<Store>(store));
        return;
      }
      if (expected == computing &&
          !state_.compare_exchange_weak(expected, waited, std::memory_order_acquire))
        continue;
      state_.wait(waited, std::memory_order_acquire);
      expected = state_.load(std::memory_order_acquire);
    }
  }

  mutable std::atomic<std::uint8_t> state_ = empty;
  mutable std::optional<T> value_;
};

}  // namespace ornival
