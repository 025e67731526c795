#pragma once

#include "platform/Color.h"
#include "platform/Vec3.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace ornival {

// How a renderer lights a surface.
enum class LightingModel {
  blinn,
  physicallyBased,  // reads metalness and roughness
};

// Where a renderer splices a shader modifier into its own shaders.
enum class ShaderEntryPoint {
  geometry,  // vertex stage, before the vertex is transformed
  surface,   // fragment stage, after the surface's inputs are read and before lighting
  lightingModel,
  fragment,  // fragment stage, on the final colour
};

// A value bound by name to the uniform of the same name in the material's
// shader modifiers: a float, a vec3, or a colour as a vec4 (r, g, b, a).
using UniformValue = std::variant<float, Vec3, Color>;

// How a surface is drawn: plain data that a renderer reads. Materials have
// identity: geometries hold them by shared_ptr, and one material serves every
// geometry that shows the same values.
class Material {
public:
  static std::shared_ptr<Material> create() { return std::make_shared<Material>(); }

  Material() = default;

  // A new material with every value of this one; the two change independently.
  std::shared_ptr<Material> copy() const { return std::make_shared<Material>(*this); }

  LightingModel lightingModel = LightingModel::blinn;
  Color diffuse = Color::white();
  // Absent: the renderer's own default.
  std::optional<double> metalness;
  std::optional<double> roughness;
  Color emission = Color::black();
  bool doubleSided = false;
  // 1 is opaque, 0 invisible.
  double transparency = 1.0;
  std::map<ShaderEntryPoint, std::string> shaderModifiers;
  std::map<std::string, UniformValue, std::less<>> uniformValues;
};

}  // namespace ornival
