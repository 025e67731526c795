#pragma once

#include "platform/Precondition.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <utility>

namespace ornival {

// A value computed on its first read and kept until its owner replaces it.
//
// Unlike Lazy, the owner can overwrite the value (a placed tile refreshes its
// corners after a move). The first read may come from several threads at once:
// one computes, the others wait for its result. Replacing the value is the
// owner's business on the main thread, and must not race with readers; that is
// why workers only ever read models that no one is moving.
template <typename T>
class Cached {
public:
  Cached() = default;
  Cached(const Cached&) = delete;
  Cached& operator=(const Cached&) = delete;

  template <typename Compute>
  const T& get(Compute&& compute) const {
    if (state_.load(std::memory_order_acquire) != ready) [[unlikely]]
      fill(std::forward<Compute>(compute));
    return *value_;
  }

  void set(T value) {
    value_ = std::move(value);
    state_.store(ready, std::memory_order_release);
  }

  bool hasValue() const { return state_.load(std::memory_order_acquire) == ready; }

private:
  enum : std::uint8_t { empty, computing, ready };

  template <typename Compute>
  void fill(Compute&& compute) const {
    std::uint8_t expected = empty;
    if (state_.compare_exchange_strong(expected, computing, std::memory_order_acquire)) {
      value_.emplace(std::forward<Compute>(compute)());
      state_.store(ready, std::memory_order_release);
      state_.notify_all();
      return;
    }
    while (expected != ready) {
      state_.wait(expected, std::memory_order_acquire);
      expected = state_.load(std::memory_order_acquire);
    }
  }

  mutable std::atomic<std::uint8_t> state_ = empty;
  mutable std::optional<T> value_;
};

}  // namespace ornival
