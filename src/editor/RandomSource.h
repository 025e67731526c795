#pragma once

#include <cstdint>
#include <memory>
#include <random>

namespace ornival {

// Uniform random integers for the commands that pick at random. The program
// seeds it from the system; a test gives a seed and sees the same picks
// every run. Main thread only.
class RandomSource {
public:
  // Seeded from the system's entropy.
  static std::shared_ptr<RandomSource> create();
  static std::shared_ptr<RandomSource> create(std::uint64_t seed);

  // An unbiased integer in 0 ..< bound; bound 0 is a programming error.
  std::uint64_t below(std::uint64_t bound);

private:
  explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

  std::mt19937_64 engine_;
};

}  // namespace ornival
