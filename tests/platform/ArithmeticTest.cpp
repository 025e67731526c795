#include "platform/Arithmetic.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace ornival {
namespace {

TEST(Arithmetic, PositiveModuloIsNeverNegative) {
  EXPECT_EQ(positiveModulo(-1, 4), 3);
  EXPECT_EQ(positiveModulo(-4, 4), 0);
  EXPECT_EQ(positiveModulo(-9, 4), 3);
  EXPECT_EQ(positiveModulo(7, 4), 3);
  EXPECT_EQ(positiveModulo<std::int64_t>(-1, 21621600), 21621599);
}

TEST(ArithmeticDeathTest, OverflowAndBadModulusStopTheProcess) {
  EXPECT_DEATH(checkedAdd(std::numeric_limits<std::int64_t>::max(), std::int64_t{1}), "");
  EXPECT_DEATH(checkedMul(std::numeric_limits<int>::min(), -1), "");
  EXPECT_DEATH(positiveModulo(3, 0), "");
  EXPECT_EQ(checkedSub(5, 7), -2);
}

}  // namespace
}  // namespace ornival
