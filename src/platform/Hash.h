#pragma once

#include <cstddef>
#include <functional>

namespace ornival {

// Mixes the hash of one more field into seed, so that the hash of a record
// changes with each of its fields and with their order. Callers that compare
// numbers with == pass +0 for -0 (adding +0.0 does it), as the two are equal.
template <typename T>
std::size_t combineHash(std::size_t seed, const T& value) {
  return seed ^ (std::hash<T>{}(value) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

}  // namespace ornival
