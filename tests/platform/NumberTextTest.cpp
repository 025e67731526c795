#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace ornival {
namespace {

struct FormatCase {
  double value;
  const char* plain;
  const char* withFraction;
};

void expectFormats() {
  const FormatCase cases[] = {
      {20.0, "20", "20.0"},
      {0.5, "0.5", "0.5"},
      {1e-05, "1e-05", "1e-05"},
      {0.0001, "0.0001", "0.0001"},
      {-2.25, "-2.25", "-2.25"},
      {0.1, "0.1", "0.1"},
      {1.0 / 3.0, "0.3333333333333333", "0.3333333333333333"},
      {0.3681587642946257, "0.3681587642946257", "0.3681587642946257"},
      {123456789.0, "123456789", "123456789.0"},
      {1e16, "1e+16", "1e+16"},
      {1.5e300, "1.5e+300", "1.5e+300"},
      {0.0, "0", "0.0"},
      {std::numeric_limits<double>::infinity(), "inf", "inf"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formatNumber(c.value), c.plain) << c.plain;
    EXPECT_EQ(formatNumberWithFraction(c.value), c.withFraction) << c.plain;
    EXPECT_EQ(parseNumber(c.plain, NonFinite::accept), c.value) << c.plain;
    EXPECT_EQ(parseNumber(c.withFraction, NonFinite::accept), c.value) << c.withFraction;
  }
}

TEST(NumberText, ShortestFormsReadBackExactly) {
  expectFormats();
  // Round trip over values whose shortest form is long.
  for (double v : {std::nextafter(1.0, 2.0), 5e-324, std::numeric_limits<double>::max(), -0.1 * 3})
    EXPECT_EQ(parseNumber(formatNumber(v)), v);
}

TEST(NumberText, ParsingTakesOneWholeNumberOnly) {
  EXPECT_EQ(parseNumber("+1.5"), 1.5);
  EXPECT_EQ(parseNumber("2e3"), 2000.0);
  for (const char* bad : {"", " 1", "1 ", "1,5", "1.5x", "+-1", "++1", "-", "0x10", "1e999"})
    EXPECT_FALSE(parseNumber(bad).has_value()) << '"' << bad << '"';
  EXPECT_FALSE(parseNumber("nan").has_value());
  EXPECT_FALSE(parseNumber("-inf").has_value());
  EXPECT_TRUE(std::isnan(*parseNumber("nan", NonFinite::accept)));
  EXPECT_EQ(parseNumber("-inf", NonFinite::accept), -std::numeric_limits<double>::infinity());

  EXPECT_EQ(parseInteger("-42"), -42);
  EXPECT_EQ(parseInteger("+7"), 7);
  EXPECT_EQ(formatInteger(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
  for (const char* bad : {"", "4.0", "9223372036854775808", "1e3", " 3"})
    EXPECT_FALSE(parseInteger(bad).has_value()) << '"' << bad << '"';
}

TEST(NumberText, IgnoresACommaDecimalLocale) {
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  const char* installed = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "nl_NL.UTF-8"}) {
    if (std::setlocale(LC_NUMERIC, name)) {
      installed = name;
      break;
    }
  }
  if (!installed)
    GTEST_SKIP() << "no comma-decimal locale installed";
  expectFormats();
  EXPECT_FALSE(parseNumber("1,5").has_value());
  std::setlocale(LC_NUMERIC, previous.c_str());
}

}  // namespace
}  // namespace ornival
