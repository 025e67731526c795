#pragma once

#include "platform/Precondition.h"

#include <concepts>

namespace ornival {

// The remainder in 0 ..< m for any sign of x; m must be positive. Ring indices
// (vertex i - 1 of vertex 0) go through this.
template <std::integral T>
constexpr T positiveModulo(T x, T m) {
  ORNIVAL_PRECONDITION(m > 0);
  T r = x % m;
  return r < 0 ? r + m : r;
}

// Integer arithmetic whose overflow is a programming error, not a wrap-around.
template <std::integral T>
constexpr T checkedAdd(T a, T b) {
  T r{};
  ORNIVAL_PRECONDITION(!__builtin_add_overflow(a, b, &r));
  return r;
}

template <std::integral T>
constexpr T checkedSub(T a, T b) {
  T r{};
  ORNIVAL_PRECONDITION(!__builtin_sub_overflow(a, b, &r));
  return r;
}

template <std::integral T>
constexpr T checkedMul(T a, T b) {
  T r{};
  ORNIVAL_PRECONDITION(!__builtin_mul_overflow(a, b, &r));
  return r;
}

}  // namespace ornival
