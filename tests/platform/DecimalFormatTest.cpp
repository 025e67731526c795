#include "platform/DecimalFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace ornival {
namespace {

TEST(DecimalFormatTest, RoundsTheReadableDigitsAsTheModeSays) {
  using enum DecimalRounding;
  struct Case {
    double value;
    int digits;
    DecimalRounding rounding;
    const char* text;
  };
  const Case cases[] = {
      {1.0, 2, halfEven, "1"},
      {0.5, 2, halfEven, "0.5"},
      {1.41421356, 2, halfEven, "1.41"},
      {1.41421356, 4, floor, "1.4142"},
      {1.41421356, 1, floor, "1.4"},
      {0.61803398, 4, floor, "0.618"},  // a trailing zero goes
      {0.86602540, 4, floor, "0.866"},
      {1.99999, 1, floor, "1.9"},
      {1.99999, 2, halfEven, "2"},  // the carry reaches the integer
      {9.996, 2, halfEven, "10"},
      // Ties go to the even digit, read from the shortest decimal.
      {0.125, 2, halfEven, "0.12"},
      {0.375, 2, halfEven, "0.38"},
      {2.675, 2, halfEven, "2.68"},
      {22.5, 0, halfEven, "22"},
      {23.5, 0, halfEven, "24"},
      {0.1251, 2, halfEven, "0.13"},
      {45.0, 2, halfEven, "45"},
      {25.714285714285715, 2, halfEven, "25.71"},
      {1e-7, 2, halfEven, "0"},
      {123456789.0, 1, halfEven, "123456789"},
      {0.004, 2, halfEven, "0"},
      {0.005, 2, halfEven, "0"},
      {0.0051, 2, halfEven, "0.01"},
      // Negative values: floor leaves zero behind, a rounded zero has no sign.
      {-90.0, 1, halfEven, "-90"},
      {-1.25, 1, halfEven, "-1.2"},
      {-1.41, 1, floor, "-1.5"},
      {-0.001, 2, halfEven, "0"},
      {-0.0, 2, halfEven, "0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(formatDecimal(c.value, c.digits, c.rounding), c.text) << c.value << " to " << c.digits;
}

TEST(DecimalFormatTest, IgnoresTheProcessLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
    GTEST_SKIP() << "no comma-decimal locale";
  EXPECT_EQ(formatDecimal(1234.5678, 2), "1234.57");
  std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace ornival
