#pragma once

#include "platform/Color.h"

#include <memory>

namespace ornival {

enum class LightType {
  ambient,  // lights every surface alike, from no place
  omni,     // shines from its node's origin in all directions, without falloff
};

// A light as the scene holds it; lights have identity so that a setting can
// change the colour of the one the scene shows.
struct Light {
  static std::shared_ptr<Light> create(LightType type, Color color = Color::white()) {
    return std::make_shared<Light>(Light{type, color});
  }

  LightType type = LightType::omni;
  Color color = Color::white();
};

}  // namespace ornival
