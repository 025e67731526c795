#include "platform/Geometry.h"
#include "platform/Material.h"

#include <gtest/gtest.h>

namespace ornival {
namespace {

TEST(Material, CopyHasEveryValueAndChangesIndependently) {
  const auto original = Material::create();
  original->lightingModel = LightingModel::physicallyBased;
  original->diffuse = {0.2, 0.4, 0.6, 1.0};
  original->metalness = 0.25;
  original->roughness = 0.75;
  original->emission = {1.0, 0.0, 0.0, 1.0};
  original->doubleSided = true;
  original->transparency = 0.5;
  original->shaderModifiers[ShaderEntryPoint::surface] = "void modifySurface(inout Surface surface) {}";
  original->uniformValues["scale"] = 2.0f;
  original->uniformValues["borderWidth"] = Vec3{1.0, 2.0, 3.0};
  original->uniformValues["borderColor"] = Color::white();

  const auto copy = original->copy();
  ASSERT_NE(copy, original);
  EXPECT_EQ(copy->lightingModel, original->lightingModel);
  EXPECT_EQ(copy->diffuse, original->diffuse);
  EXPECT_EQ(copy->metalness, original->metalness);
  EXPECT_EQ(copy->roughness, original->roughness);
  EXPECT_EQ(copy->emission, original->emission);
  EXPECT_EQ(copy->doubleSided, original->doubleSided);
  EXPECT_EQ(copy->transparency, original->transparency);
  EXPECT_EQ(copy->shaderModifiers, original->shaderModifiers);
  EXPECT_EQ(copy->uniformValues, original->uniformValues);

  copy->uniformValues["scale"] = 3.0f;
  copy->diffuse = Color::black();
  EXPECT_EQ(std::get<float>(original->uniformValues.at("scale")), 2.0f);
  EXPECT_EQ(original->diffuse, (Color{0.2, 0.4, 0.6, 1.0}));
}

TEST(Geometry, CopySharesTheMeshAndKeepsItsOwnMaterials) {
  GeometrySources sources;
  sources.positions = {{0.0, 0.0, 0.0}, {1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}};
  sources.indices = {0, 1, 2};
  const auto geometry = Geometry::create(std::move(sources));
  EXPECT_EQ(geometry->firstMaterial(), nullptr);
  const auto red = Material::create();
  geometry->setFirstMaterial(red);

  const auto copy = geometry->copy();
  EXPECT_EQ(&copy->sources(), &geometry->sources());
  EXPECT_EQ(copy->firstMaterial(), red);
  const auto blue = Material::create();
  copy->setFirstMaterial(blue);
  EXPECT_EQ(copy->materials, (std::vector{blue}));
  EXPECT_EQ(geometry->firstMaterial(), red);
}

}  // namespace
}  // namespace ornival
