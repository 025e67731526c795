#include "figures/FractionText.h"

#include <gtest/gtest.h>

#include <limits>

namespace ornival {
namespace {

struct FractionCase {
  double degrees;
  TurnFraction fraction;
  const char* text;
};

TEST(FractionText, AnglesBecomeReducedFractionsOfATurn) {
  const FractionCase cases[] = {
      {60.0, {1, 6, 1}, "¹⁄₆"},
      {108.0, {3, 10, 1}, "³⁄₁₀"},
      {90.0, {1, 4, 1}, "¹⁄₄"},
      {360.0, {1, 1, 1}, "¹⁄₁"},
      {-45.0, {1, 8, -1}, "⁻¹⁄₈"},
      {0.0, {0, 1, 1}, "0"},
      {-0.0, {0, 1, 1}, "0"},
      {360.0 / 7.0, {1, 7, 1}, "¹⁄₇"},  // not a whole number of steps: rounded first
      {330.0, {11, 12, 1}, "¹¹⁄₁₂"},
      {1.0 / 60060.0, {1, 21621600, 1}, "¹⁄₂₁₆₂₁₆₀₀"},
      // 1/23 of a turn is no whole number of steps: the nearest step reduces.
      {360.0 / 23.0, {94007, 2162160, 1}, "⁹⁴⁰⁰⁷⁄₂₁₆₂₁₆₀"},
  };
  for (const auto& c : cases) {
    const TurnFraction f = fractionOfTurn(c.degrees);
    EXPECT_EQ(f, c.fraction) << c.degrees;
    EXPECT_EQ(fractionText(f), c.text) << c.degrees;
  }
  EXPECT_EQ(fractionText(12, 5, 1), "¹²⁄₅");
  EXPECT_EQ(fractionText(3, 10, 0), "⁻³⁄₁₀");
}

TEST(FractionText, SubscriptNumbersAndDivisors) {
  EXPECT_EQ(subscriptText(-305), "₋₃₀₅");
  EXPECT_EQ(subscriptText(0), "₀");
  EXPECT_EQ(subscriptText(1234567890), "₁₂₃₄₅₆₇₈₉₀");
  EXPECT_EQ(gcd(0, stepsPerTurn), stepsPerTurn);
  EXPECT_EQ(gcd(12, 18), 6);
  EXPECT_EQ(gcd(7, 0), 7);
}

TEST(FractionTextDeathTest, ImpossibleInputsStopTheProcess) {
  EXPECT_DEATH(fractionOfTurn(std::numeric_limits<double>::infinity()), "");
  EXPECT_DEATH(fractionOfTurn(1e300), "");
  EXPECT_DEATH(subscriptText(std::numeric_limits<std::int64_t>::min()), "");
}

}  // namespace
}  // namespace ornival
