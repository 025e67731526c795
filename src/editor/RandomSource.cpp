#include "editor/RandomSource.h"

#include "platform/Precondition.h"

namespace ornival {

std::shared_ptr<RandomSource> RandomSource::create() {
  std::random_device entropy;
  return create((std::uint64_t(entropy()) << 32) ^ entropy());
}

std::shared_ptr<RandomSource> RandomSource::create(std::uint64_t seed) {
  return std::shared_ptr<RandomSource>(new RandomSource(seed));
}

std::uint64_t RandomSource::below(std::uint64_t bound) {
  ORNIVAL_PRECONDITION(bound > 0);
  // The standard distribution rejects the engine's surplus values, so no
  // result is favoured.
  return std::uniform_int_distribution<std::uint64_t>(0, bound - 1)(engine_);
}

}  // namespace ornival
