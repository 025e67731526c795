#pragma once

#include "model/LineAttribute.h"
#include "platform/Color.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace ornival {

// The values a tile's material depends on, and the key under which the
// material cache shares one material among all tiles that agree on them. The
// material values are single precision because the shader reads them so: two
// tiles whose doubles differ below that precision draw alike and share.
struct MaterialProperty {
  Color color;
  float metalness = 0.0f;
  float roughness = 0.0f;
  float ripple = 0.0f;
  float rippleScale = 0.0f;
  float scale = 0.0f;
  std::vector<LineAttribute> lineAttributes;

  bool operator==(const MaterialProperty&) const = default;
};

// Agrees with ==: -0 hashes as +0 wherever a number is hashed.
struct MaterialPropertyHash {
  std::size_t operator()(const MaterialProperty& property) const noexcept;
};

}  // namespace ornival

template <>
struct std::hash<ornival::MaterialProperty> : ornival::MaterialPropertyHash {};
