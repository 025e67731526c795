#include "model/SurfaceShader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ornival {
namespace {

void expectNear(Vec3 actual, Vec3 expected, double tolerance) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

Vec3 rgb(const Color& c) { return {c.red, c.green, c.blue}; }

// Bands of heights 0.15, 0.1 and 0.05 at scale 2; the two inner ones half
// transparent, so that the order of mixing shows.
SurfaceUniforms bands() {
  SurfaceUniforms u;
  u.scale = 2.0f;
  u.borderWidth = {0.3, 0.2, 0.1};
  u.borderColor = {1.0, 0.0, 0.0, 0.5};
  u.borderColor2 = {0.0, 1.0, 0.0, 0.5};
  u.borderColor3 = {0.0, 0.0, 1.0, 1.0};
  u.rippleScale = 1.0f;
  return u;
}

TEST(SurfaceShader, BandsMixInnermostFirstAndFlipTheSlope) {
  struct Case {
    const char* where;
    double u;
    Vec3 diffuse;
    double flip;  // of the normal's x and y
    double edge;  // |b − band 0's width|
    bool inBand;
  };
  const Case cases[] = {
      {"all three bands", 0.025, {0.5, 0.25, 0.25}, -1.0, 0.25, true},
      {"bands 0 and 1", 0.075, {0.75, 0.5, 0.25}, 1.0, 0.15, true},
      {"band 0 alone", 0.125, {1.0, 0.5, 0.5}, -1.0, 0.05, true},
      {"on band 0's edge", 0.15, {1.0, 1.0, 1.0}, 1.0, 0.0, false},
      {"half a unit beyond", 0.4, {1.0, 1.0, 1.0}, 1.0, 0.5, false},
      {"a unit or more beyond", 0.65, {1.0, 1.0, 1.0}, 1.0, 1.0, false},
  };
  const Vec3 normal{0.6, 0.0, 0.8};
  // The ripple never reaches into the bands; where it may, ripple 0 changes
  // nothing.
  for (float ripple : {0.0f, 0.5f}) {
    SurfaceUniforms uniforms = bands();
    uniforms.ripple = ripple;
    for (const Case& c : cases) {
      if (ripple != 0.0f && !c.inBand)
        continue;
      SCOPED_TRACE(c.where);
      const SurfacePoint shaded =
          shadeSurface(uniforms, {{3.1, -2.2, 0.4}, normal, c.u, {1.0, 1.0, 1.0, 0.75}});
      expectNear(rgb(shaded.diffuse), c.diffuse, 1e-6);
      EXPECT_EQ(shaded.diffuse.alpha, 0.75);
      // Where b meets band 0's width the normal lies flat in z; a unit away
      // and further it keeps its z.
      const double lift = std::sqrt((2.0 - c.edge) * c.edge);
      expectNear(shaded.normal, {normal.x * c.flip, normal.y * c.flip, normal.z * lift}, 1e-6);
    }
  }
}

TEST(SurfaceShader, RippleSlopeIsTheDerivativeOfItsShade) {
  // Far from every band, from black and a zero normal, the shaded colour is
  // the noise's value and the normal its derivative; with rippleScale 100/7 a
  // unit of model space is a unit of noise space.
  SurfaceUniforms uniforms;
  uniforms.borderWidth = {-1.0, -1.0, -1.0};
  uniforms.ripple = 1.0f;
  uniforms.rippleScale = 100.0f / 7.0f;
  const auto shade = [&](Vec3 position) {
    return shadeSurface(uniforms, {position, {}, 0.0, Color::black()});
  };
  const Vec3 points[] = {{0.3, 0.7, 0.2}, {1.37, -2.11, 0.45}, {10.2, 5.6, -3.3}, {40.1, 70.2, 3.3}};
  double largest = 0.0;
  for (Vec3 p : points) {
    SCOPED_TRACE(p.x);
    const SurfacePoint here = shade(p);
    EXPECT_EQ(here.diffuse.red, here.diffuse.green);
    EXPECT_EQ(here.diffuse.red, here.diffuse.blue);
    largest = std::max(largest, std::abs(here.diffuse.red));
    const double h = 1e-3;
    const auto slope = [&](Vec3 step) {
      return (shade(p + step).diffuse.red - shade(p - step).diffuse.red) / (2 * h);
    };
    expectNear(here.normal, {slope({h, 0, 0}), slope({0, h, 0}), slope({0, 0, h})}, 2e-3);

    // Twice the ripple, twice the shade and the slope.
    SurfaceUniforms twice = uniforms;
    twice.ripple = 2.0f;
    const SurfacePoint doubled = shadeSurface(twice, {p, {}, 0.0, Color::black()});
    EXPECT_NEAR(doubled.diffuse.red, 2 * here.diffuse.red, 1e-6);
    expectNear(doubled.normal, here.normal * 2.0, 1e-6);
  }
  EXPECT_GT(largest, 0.01);
}

TEST(SurfaceShader, RippleMatchesValuesWorkedOutSeparately) {
  // Worked out step by step apart from this code, rounding every step of the
  // hash to single precision; the last point lies past the lattice's wrap at 69.
  const struct {
    Vec3 position;
    Vec3 slope;
    double shade;
  } cases[] = {
      {{0.3, 0.7, 0.2}, {0.0008897, -0.0198136, 0.0016411}, -0.0067586},
      {{1.37, -2.11, 0.45}, {0.0489058, -0.0641213, -0.0171837}, 0.0025079},
      {{10.2, 5.6, -3.3}, {-0.0288435, 0.0167778, -0.0390129}, -0.0077167},
      {{-7.25, 3.5, 12.75}, {-0.0332187, 0.0062042, 0.0005454}, 0.0012527},
      {{98.6, -45.3, 2.0}, {0.0097901, 0.0560545, -0.0044360}, -0.0101359},
  };
  SurfaceUniforms uniforms;
  uniforms.borderWidth = {-1.0, -1.0, -1.0};
  uniforms.ripple = 1.0f;
  uniforms.rippleScale = 10.0f;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.position.x);
    const SurfacePoint shaded = shadeSurface(uniforms, {c.position, {}, 0.0, Color::black()});
    EXPECT_NEAR(shaded.diffuse.red, c.shade, 1e-6);
    expectNear(shaded.normal, c.slope, 1e-6);
  }
}

TEST(SurfaceShader, UnsetUniformsReadAsZero) {
  const auto material = Material::create();
  material->uniformValues["scale"] = 3.0f;
  material->uniformValues["borderWidth"] = 2.0f;  // of the wrong kind
  const SurfaceUniforms uniforms = SurfaceUniforms::from(*material);
  EXPECT_EQ(uniforms.scale, 3.0f);
  EXPECT_EQ(uniforms.borderWidth, Vec3{});
  EXPECT_EQ(uniforms.ripple, 0.0f);
  EXPECT_EQ(uniforms.borderColor, Color::clear());
}

}  // namespace
}  // namespace ornival
