#include "model/MaterialProperty.h"

#include "platform/Hash.h"

#include <bit>
#include <cstdint>

namespace ornival {

namespace {

// Bit patterns rather than values: equal numbers have equal patterns once -0
// is taken as +0 (adding +0 does that).
std::uint64_t bits(float value) { return std::bit_cast<std::uint32_t>(value + 0.0f); }
std::uint64_t bits(double value) { return std::bit_cast<std::uint64_t>(value + 0.0); }

}  // namespace

std::size_t MaterialPropertyHash::operator()(const MaterialProperty& property) const noexcept {
  std::size_t seed = ColorHash{}(property.color);
  for (float value : {property.metalness, property.roughness, property.ripple, property.rippleScale, property.scale})
    seed = combineHash(seed, bits(value));
  seed = combineHash(seed, property.lineAttributes.size());
  for (const LineAttribute& band : property.lineAttributes) {
    seed = combineHash(seed, bits(band.width));
    seed = combineHash(seed, band.color);
  }
  return seed;
}

}  // namespace ornival
