#include "app/core/ColorMixer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ornival {
namespace {

void expectNear(const Color& actual, const Color& expected, const char* what) {
  EXPECT_NEAR(actual.red, expected.red, 1e-9) << what;
  EXPECT_NEAR(actual.green, expected.green, 1e-9) << what;
  EXPECT_NEAR(actual.blue, expected.blue, 1e-9) << what;
  EXPECT_NEAR(actual.alpha, expected.alpha, 1e-9) << what;
}

const Color red{1, 0, 0, 1};
const Color blue{0, 0, 1, 1};
const Color halfBlue{0, 0, 1, 0.5};

TEST(ColorMixer, CornersAndCentreOfTheGrid) {
  // Red (hue 0) and blue (hue 2/3): the RGB midpoint is dark purple, the HSB
  // midpoint hue 1/3 at full saturation and brightness, green.
  struct Case {
    const char* what;
    double mixer;
    int row, column;
    Color expected;
  } cases[] = {
      {"top RGB at t 0 is A", 0.0, 0, 0, red},
      {"top HSB at t 0 is A", 0.0, 0, 4, red},
      {"top RGB at t 1 is B", 1.0, 0, 0, halfBlue},
      {"top HSB at t 1 is B", 1.0, 0, 4, halfBlue},
      {"row 4 RGB is the midpoint", 0.9, 4, 0, {0.5, 0, 0.5, 0.75}},
      {"row 4 HSB passes through green", 0.9, 4, 4, {0, 1, 0, 0.75}},
      {"row 4 centre is halfway between them", 0.2, 4, 2, {0.25, 0.5, 0.25, 0.75}},
      {"row 1 RGB", 0.0, 1, 0, {0.875, 0, 0.125, 0.9375}},
      {"row 7 HSB", 0.0, 7, 4, {0, 0.5, 1, 0.5625}},
  };
  for (const auto& c : cases) {
    const auto mix = mixColors(red, halfBlue, c.mixer);
    ASSERT_TRUE(mix) << c.what;
    expectNear(mix->rows[std::size_t(c.row)][std::size_t(c.column)], c.expected, c.what);
  }
}

TEST(ColorMixer, HueIsBlendedStraightNotRoundTheCircle) {
  const Color magentaRed = colorOf({0.9, 1, 1, 1});
  const HsbColor mid = hsbOf(mixedColor(red, magentaRed, 0.5, 4));
  EXPECT_NEAR(mid.hue, 0.45, 1e-9);
}

TEST(ColorMixer, TwoBlacksBecomeRedAndYellowAndEqualColoursGiveAUniformGrid) {
  const auto mix = mixColors(Color::black(), Color::black(), 0.5);
  ASSERT_TRUE(mix);
  EXPECT_EQ(mix->a, red);
  EXPECT_EQ(mix->b, (Color{1, 1, 0, 1}));
  expectNear(mix->rows[4][0], {1, 0.5, 0, 1}, "red to yellow");

  const Color grey{0.3, 0.6, 0.2, 0.8};
  const auto uniform = mixColors(grey, grey, 0.3);
  ASSERT_TRUE(uniform);
  EXPECT_EQ(uniform->a, grey);
  for (const auto& row : uniform->rows)
    for (const Color& well : row)
      expectNear(well, grey, "uniform");
}

TEST(ColorMixer, ColoursOutsideTheRangeAreNotMixed) {
  EXPECT_FALSE(mixColors({1.5, 0, 0, 1}, blue, 0.5));
  EXPECT_FALSE(mixColors(red, {0, 0, std::nan(""), 1}, 0.5));
}

TEST(ColorMixer, HsbRoundTrips) {
  for (const Color c : {Color{0.2, 0.4, 0.6, 1}, Color{1, 1, 1, 0.5}, Color{0, 0, 0, 1}, Color{0.9, 0.1, 0.5, 1}}) {
    const Color back = colorOf(hsbOf(c));
    expectNear(back, c, "round trip");
  }
}

}  // namespace
}  // namespace ornival
