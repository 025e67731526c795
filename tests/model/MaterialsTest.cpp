#include "model/Materials.h"

#include "model/SurfaceShader.h"
#include "platform/Geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <variant>

namespace ornival {
namespace {

const Color red{1.0, 0.0, 0.0, 1.0};
const Color blue{0.0, 0.0, 1.0, 1.0};

MaterialProperty tileValues() {
  return {red, 0.5f, 0.25f, 0.1f, 2.0f, 1.0f,
          {{2.0, Color::black()}, {1.0, Color::white()}, {0.5, blue}}};
}

class MaterialsTest : public ::testing::Test {
protected:
  void SetUp() override { Materials::resetForTesting(); }
  void TearDown() override { Materials::resetForTesting(); }
};

TEST(LineAttribute, EqualityTakesBothFieldsAndOrderTheWidthAlone) {
  const LineAttribute thin{0.5, red};
  EXPECT_EQ(thin, (LineAttribute{0.5, red}));
  EXPECT_NE(thin, (LineAttribute{0.5, blue}));
  EXPECT_EQ(std::hash<LineAttribute>{}(LineAttribute{0.0, red}), std::hash<LineAttribute>{}(LineAttribute{-0.0, red}));
  EXPECT_TRUE(thin < (LineAttribute{1.0, red}));
  EXPECT_FALSE(thin < (LineAttribute{0.5, blue}));
  EXPECT_FALSE((LineAttribute{0.5, blue}) < thin);
}

TEST(MaterialProperty, HashAgreesWithEquality) {
  struct Case {
    const char* change;
    void (*apply)(MaterialProperty&);
    bool equal;
  };
  const Case cases[] = {
      {"nothing", [](MaterialProperty&) {}, true},
      {"metalness +0 against -0", [](MaterialProperty& p) { p.metalness = 0.0f; }, true},
      {"ripple -0", [](MaterialProperty& p) { p.ripple = -0.0f; }, true},
      {"band width -0", [](MaterialProperty& p) { p.lineAttributes[1].width = -0.0; }, true},
      {"colour", [](MaterialProperty& p) { p.color = blue; }, false},
      {"roughness", [](MaterialProperty& p) { p.roughness = 0.75f; }, false},
      {"ripple scale", [](MaterialProperty& p) { p.rippleScale = 3.0f; }, false},
      {"scale", [](MaterialProperty& p) { p.scale = 2.0f; }, false},
      {"band colour", [](MaterialProperty& p) { p.lineAttributes[2].color = red; }, false},
      {"band width", [](MaterialProperty& p) { p.lineAttributes[0].width = 3.0; }, false},
      {"band order", [](MaterialProperty& p) { std::swap(p.lineAttributes[0], p.lineAttributes[1]); }, false},
      {"band count", [](MaterialProperty& p) { p.lineAttributes.push_back({}); }, false},
  };
  // Zeros of both signs on both sides, so that -0 meets +0 in every field.
  MaterialProperty base = tileValues();
  base.metalness = -0.0f;
  base.ripple = 0.0f;
  base.lineAttributes[1].width = 0.0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    MaterialProperty changed = base;
    c.apply(changed);
    EXPECT_EQ(changed == base, c.equal);
    if (c.equal) {
      EXPECT_EQ(std::hash<MaterialProperty>{}(changed), std::hash<MaterialProperty>{}(base));
    }
  }
}

TEST_F(MaterialsTest, EqualValuesShareOneMaterialAndAnyChangeGetsAnother) {
  const auto material = Materials::material(tileValues());
  MaterialProperty same = tileValues();
  same.color = {1.0, -0.0, 0.0, 1.0};
  EXPECT_EQ(Materials::material(same), material);

  MaterialProperty rescaled = tileValues();
  rescaled.scale = 2.0f;
  const auto other = Materials::material(rescaled);
  EXPECT_NE(other, material);
  EXPECT_EQ(Materials::cache().size(), 2u);
}

TEST_F(MaterialsTest, MaterialCarriesTheValuesTheShaderReads) {
  const auto material = Materials::material(tileValues());
  EXPECT_EQ(material->lightingModel, LightingModel::physicallyBased);
  EXPECT_EQ(material->diffuse, red);
  EXPECT_EQ(material->metalness, 0.5);
  EXPECT_EQ(material->roughness, 0.25);
  EXPECT_EQ(material->shaderModifiers.at(ShaderEntryPoint::surface), surfaceShaderSource());

  const SurfaceUniforms uniforms = SurfaceUniforms::from(*material);
  EXPECT_EQ(uniforms.ripple, 0.1f);
  EXPECT_EQ(uniforms.rippleScale, 2.0f);
  EXPECT_EQ(uniforms.scale, 1.0f);
  EXPECT_DOUBLE_EQ(uniforms.borderWidth.x, 0.05);
  EXPECT_DOUBLE_EQ(uniforms.borderWidth.y, 0.025);
  EXPECT_DOUBLE_EQ(uniforms.borderWidth.z, 0.0125);
  EXPECT_EQ(uniforms.borderColor, Color::black());
  EXPECT_EQ(uniforms.borderColor2, Color::white());
  EXPECT_EQ(uniforms.borderColor3, blue);
  // The base material is left as it was.
  EXPECT_TRUE(Materials::baseMaterial()->uniformValues.empty());
}

TEST_F(MaterialsTest, BandsNarrowerThanAGridStepNeverPaint) {
  const struct {
    double width;
    double shaderWidth;
  } cases[] = {{0.0, -1.0}, {-0.0, -1.0}, {1.0 / 1024, -1.0}, {1.0 / 512, 0.025 / 512}, {2.0, 0.05}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    MaterialProperty values = tileValues();
    values.ripple = 0.0f;
    for (LineAttribute& band : values.lineAttributes)
      band.width = c.width;
    const auto material = Materials::material(values);
    const Vec3 widths = std::get<Vec3>(material->uniformValues.at("borderWidth"));
    EXPECT_EQ(widths, (Vec3{c.shaderWidth, c.shaderWidth, c.shaderWidth}));
    // Even at the rim, where the height is 0, only a visible band paints.
    const SurfacePoint rim{{}, {0, 0, 1}, 0.0, Color::white()};
    const SurfacePoint shaded = shadeSurface(SurfaceUniforms::from(*material), rim);
    EXPECT_EQ(shaded.diffuse, c.shaderWidth < 0 ? Color::white() : Color::black());
  }
}

TEST_F(MaterialsTest, CacheNeverKeepsAMaterialAliveAndRebuildsItWhenGone) {
  auto geometry = Geometry::create({});
  geometry->setFirstMaterial(Materials::material(tileValues()));
  const std::weak_ptr<Material> first = geometry->firstMaterial();
  const auto copy = geometry->copy();  // a second tile wearing it
  geometry.reset();
  EXPECT_FALSE(first.expired());
  copy->materials.clear();
  EXPECT_TRUE(first.expired());

  // The emptied entry is replaced, not added to.
  const auto rebuilt = Materials::material(tileValues());
  ASSERT_NE(rebuilt, nullptr);
  EXPECT_EQ(rebuilt->diffuse, red);
  ASSERT_EQ(Materials::cache().size(), 1u);
  EXPECT_EQ(Materials::cache().begin()->second.value.lock(), rebuilt);
  EXPECT_EQ(Materials::material(tileValues()), rebuilt);
}

TEST_F(MaterialsTest, LightingModelIsFixedByTheFlagAtFirstUse) {
  metalRenderingEnabled = false;
  const auto plain = Materials::material(tileValues());
  EXPECT_EQ(plain->lightingModel, LightingModel::blinn);
  EXPECT_FALSE(plain->metalness.has_value());
  EXPECT_FALSE(plain->roughness.has_value());

  // Only metalness and roughness follow the flag later on.
  metalRenderingEnabled = true;
  MaterialProperty other = tileValues();
  other.color = blue;
  const auto later = Materials::material(other);
  EXPECT_EQ(later->lightingModel, LightingModel::blinn);
  EXPECT_EQ(later->metalness, 0.5);

  // A fresh start decides again.
  Materials::resetForTesting();
  EXPECT_EQ(Materials::material(tileValues())->lightingModel, LightingModel::physicallyBased);
}

// NaN never equals itself: a key holding one would be a new entry on every
// request. A number that is not finite counts as 0, in every field.
TEST_F(MaterialsTest, ValuesThatAreNotFiniteShareTheEntryOfZero) {
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  constexpr double infinity = std::numeric_limits<double>::infinity();
  const struct {
    const char* field;
    void (*apply)(MaterialProperty&, double);
  } fields[] = {
      {"colour", [](MaterialProperty& p, double v) { p.color.green = v; }},
      {"metalness", [](MaterialProperty& p, double v) { p.metalness = float(v); }},
      {"roughness", [](MaterialProperty& p, double v) { p.roughness = float(v); }},
      {"ripple", [](MaterialProperty& p, double v) { p.ripple = float(v); }},
      {"ripple scale", [](MaterialProperty& p, double v) { p.rippleScale = float(v); }},
      {"scale", [](MaterialProperty& p, double v) { p.scale = float(v); }},
      {"band width", [](MaterialProperty& p, double v) { p.lineAttributes[1].width = v; }},
      {"band colour", [](MaterialProperty& p, double v) { p.lineAttributes[2].color.alpha = v; }},
  };
  for (const auto& f : fields) {
    SCOPED_TRACE(f.field);
    Materials::resetForTesting();
    MaterialProperty zero = tileValues();
    f.apply(zero, 0.0);
    const auto expected = Materials::material(zero);
    for (const double value : {nan, -nan, infinity, -infinity, nan}) {
      MaterialProperty values = tileValues();
      f.apply(values, value);
      EXPECT_EQ(Materials::material(values), expected) << value;
    }
    EXPECT_EQ(Materials::cache().size(), 1u);
  }
}

TEST_F(MaterialsTest, KeyWithFewerThanThreeBandsStops) {
  MaterialProperty values = tileValues();
  values.lineAttributes.pop_back();
  EXPECT_DEATH(Materials::material(values), "");
}

}  // namespace
}  // namespace ornival
