#pragma once

#include <mutex>
#include <optional>
#include <utility>

namespace ornival {

// A value computed on its first read and kept. Two threads may read it first at
// the same time: the computation runs exactly once and both see its result.
// The cost after the first read is one acquire load.
template <typename T>
class Lazy {
public:
  Lazy() = default;
  Lazy(const Lazy&) = delete;
  Lazy& operator=(const Lazy&) = delete;

  template <typename Compute>
  const T& get(Compute&& compute) const {
    std::call_once(once_, [&] { value_.emplace(std::forward<Compute>(compute)()); });
    return *value_;
  }

  // Stores a value that the owner computed itself before anyone reads it (a
  // group tile's figure fills its own centre and period). A value that is
  // already there stays: the first one wins, as with get.
  void set(T value) {
    std::call_once(once_, [&] { value_.emplace(std::move(value)); });
  }

private:
  mutable std::once_flag once_;
  mutable std::optional<T> value_;
};

}  // namespace ornival
