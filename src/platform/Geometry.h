#pragma once

#include "platform/Vec2.h"
#include "platform/Vec3.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace ornival {

class Material;

// The lists of one triangle mesh, in the order a renderer or exporter reads
// them: positions, texture coordinates (one per position), normals (one per
// position, or none) and triangle indices, three per triangle.
struct GeometrySources {
  std::vector<Vec3> positions;
  std::vector<Vec2> textureCoordinates;
  std::vector<Vec3> normals;
  std::vector<std::uint32_t> indices;
};

// A mesh as the scene holds it. The sources never change once made, so copies
// share them; what a copy owns is its own list of materials, which is how every
// tile of one figure shares the figure's solid yet wears its own material.
class Geometry {
public:
  static std::shared_ptr<Geometry> create(GeometrySources sources) {
    return std::make_shared<Geometry>(std::make_shared<const GeometrySources>(std::move(sources)));
  }
  explicit Geometry(std::shared_ptr<const GeometrySources> sources) : sources_(std::move(sources)) {}

  const GeometrySources& sources() const { return *sources_; }

  // A new geometry over the same sources with a copy of the materials list.
  std::shared_ptr<Geometry> copy() const {
    auto result = std::make_shared<Geometry>(sources_);
    result->materials = materials;
    return result;
  }

  // The material that draws the mesh; absent while the list is empty.
  std::shared_ptr<Material> firstMaterial() const { return materials.empty() ? nullptr : materials.front(); }
  // Replaces the first material, or makes it the only one of an empty list.
  void setFirstMaterial(std::shared_ptr<Material> material) {
    if (materials.empty())
      materials.push_back(std::move(material));
    else
      materials.front() = std::move(material);
  }

  std::vector<std::shared_ptr<Material>> materials;

private:
  std::shared_ptr<const GeometrySources> sources_;
};

}  // namespace ornival
