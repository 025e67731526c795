#include "platform/Color.h"

#include <gtest/gtest.h>

#include <unordered_set>

namespace ornival {
namespace {

TEST(Color, EqualityIsExactAndEqualColoursHashAlike) {
  const Color a{0.5, 0.25, 1.0, 1.0};
  EXPECT_EQ(a, (Color{0.5, 0.25, 1.0, 1.0}));
  EXPECT_NE(a, (Color{0.5, 0.25, 1.0, 0.999999}));
  EXPECT_EQ(std::hash<Color>{}(Color{0.0, 0.0, 0.0, 1.0}), std::hash<Color>{}(Color{-0.0, 0.0, -0.0, 1.0}));
  const std::unordered_set<Color> set{a, Color::white(), a};
  EXPECT_EQ(set.size(), 2u);
}

}  // namespace
}  // namespace ornival
