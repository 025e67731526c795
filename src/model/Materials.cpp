#include "model/Materials.h"

#include "model/SurfaceShader.h"
#include "platform/Grid.h"
#include "platform/Precondition.h"

#include <cmath>
#include <mutex>
#include <string>

namespace ornival {

bool metalRenderingEnabled = true;

namespace {

std::shared_ptr<Material>& storedBaseMaterial() {
  static std::shared_ptr<Material> material;
  return material;
}

std::mutex& baseMaterialMutex() {
  static std::mutex mutex;
  return mutex;
}

// The cache of this thread's innermost PrivateCache; none: the shared one.
thread_local Materials::Cache* privateCache = nullptr;

// A band too narrow to see gets a width that the band test, which compares
// with a height that is never negative, never passes.
double shaderBandWidth(const LineAttribute& band) { return band.width < gridTolerance ? -1.0 : band.width * 0.025; }

bool isFinite(const Color& c) {
  return std::isfinite(c.red) && std::isfinite(c.green) && std::isfinite(c.blue) && std::isfinite(c.alpha);
}

bool isFinite(const MaterialProperty& p) {
  bool finite = isFinite(p.color) && std::isfinite(p.metalness) && std::isfinite(p.roughness) &&
                std::isfinite(p.ripple) && std::isfinite(p.rippleScale) && std::isfinite(p.scale);
  for (const LineAttribute& band : p.lineAttributes)
    finite = finite && std::isfinite(band.width) && isFinite(band.color);
  return finite;
}

// The values with every number that is not finite taken as 0. NaN never equals
// itself, so a key holding one would never be found again and every request
// would add an entry; the shader could not draw it anyway.
MaterialProperty withFiniteValues(MaterialProperty p) {
  const auto finite = [](auto value) { return std::isfinite(value) ? value : decltype(value){0}; };
  const auto finiteColor = [&](Color& c) {
    c = {finite(c.red), finite(c.green), finite(c.blue), finite(c.alpha)};
  };
  finiteColor(p.color);
  for (float* value : {&p.metalness, &p.roughness, &p.ripple, &p.rippleScale, &p.scale})
    *value = finite(*value);
  for (LineAttribute& band : p.lineAttributes) {
    band.width = finite(band.width);
    finiteColor(band.color);
  }
  return p;
}

}  // namespace

Materials::Cache& Materials::cache() {
  static Cache entries;
  return entries;
}

Materials::PrivateCache::PrivateCache() : previous_(privateCache) { privateCache = &entries_; }

Materials::PrivateCache::~PrivateCache() { privateCache = previous_; }

const std::shared_ptr<Material>& Materials::baseMaterial() {
  const std::lock_guard lock(baseMaterialMutex());
  std::shared_ptr<Material>& material = storedBaseMaterial();
  if (!material) {
    material = Material::create();
    if (metalRenderingEnabled)
      material->lightingModel = LightingModel::physicallyBased;
    material->shaderModifiers[ShaderEntryPoint::surface] = std::string(surfaceShaderSource());
  }
  return material;
}

std::shared_ptr<Material> Materials::material(const MaterialProperty& property) {
  ORNIVAL_PRECONDITION(property.lineAttributes.size() >= 3);
  if (!isFinite(property))
    return material(withFiniteValues(property));
  Cache& entries = privateCache ? *privateCache : cache();
  if (const auto found = entries.find(property); found != entries.end())
    if (std::shared_ptr<Material> material = found->second.value.lock())
      return material;

  std::shared_ptr<Material> material = baseMaterial()->copy();
  material->diffuse = property.color;
  if (metalRenderingEnabled) {
    material->metalness = property.metalness;
    material->roughness = property.roughness;
  }
  const auto& bands = property.lineAttributes;
  material->uniformValues["ripple"] = property.ripple;
  material->uniformValues["rippleScale"] = property.rippleScale;
  material->uniformValues["borderWidth"] =
      Vec3{shaderBandWidth(bands[0]), shaderBandWidth(bands[1]), shaderBandWidth(bands[2])};
  material->uniformValues["borderColor"] = bands[0].color;
  material->uniformValues["borderColor2"] = bands[1].color;
  material->uniformValues["borderColor3"] = bands[2].color;
  material->uniformValues["scale"] = property.scale;
  entries.insert_or_assign(property, Weak<Material>{material});
  return material;
}

void Materials::resetForTesting() {
  cache().clear();
  const std::lock_guard lock(baseMaterialMutex());
  storedBaseMaterial().reset();
  metalRenderingEnabled = true;
}

}  // namespace ornival
