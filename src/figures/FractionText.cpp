#include "figures/FractionText.h"

#include "platform/Precondition.h"

#include <array>
#include <cmath>
#include <limits>
#include <string_view>

namespace ornival {

namespace {

constexpr std::array<std::string_view, 10> superscriptDigits = {
    "\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074", "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};
constexpr std::array<std::string_view, 10> subscriptDigits = {
    "\u2080", "\u2081", "\u2082", "\u2083", "\u2084", "\u2085", "\u2086", "\u2087", "\u2088", "\u2089"};
constexpr std::string_view superscriptMinus = "\u207B";
constexpr std::string_view fractionSlash = "\u2044";
constexpr std::string_view subscriptMinus = "\u208B";

// The digits of a non-negative value through a digit table, most significant
// first; nothing for values below one.
std::string digitsIn(std::int64_t value, const std::array<std::string_view, 10>& table) {
  std::string result;
  std::array<int, 20> digits{};
  int count = 0;
  for (; value >= 1; value /= 10)
    digits[std::size_t(count++)] = int(value % 10);
  while (count > 0)
    result += table[std::size_t(digits[std::size_t(--count)])];
  return result;
}

}  // namespace

TurnFraction fractionOfTurn(double degrees) {
  const double scaled = std::round(std::abs(degrees) * turnScale);
  // 2^63 is the first double past the 64-bit range.
  ORNIVAL_PRECONDITION(std::isfinite(scaled) && scaled < 9223372036854775808.0);
  const auto steps = static_cast<std::int64_t>(scaled);
  const std::int64_t g = gcd(steps, stepsPerTurn);
  return {steps / g, stepsPerTurn / g, degrees < 0 ? -1 : 1};
}

std::int64_t gcd(std::int64_t a, std::int64_t b) {
  while (b != 0) {
    const std::int64_t r = a % b;
    a = b;
    b = r;
  }
  return a;
}

std::string fractionText(std::int64_t numerator, std::int64_t denominator, int sign) {
  if (numerator == 0)
    return "0";
  std::string text;
  if (sign <= 0)
    text += superscriptMinus;
  text += digitsIn(numerator, superscriptDigits);
  text += fractionSlash;
  text += digitsIn(denominator, subscriptDigits);
  return text;
}

std::string subscriptText(std::int64_t value) {
  ORNIVAL_PRECONDITION(value != std::numeric_limits<std::int64_t>::min());
  std::string text;
  if (value < 0)
    text += subscriptMinus;
  text += value == 0 ? std::string(subscriptDigits[0]) : digitsIn(value < 0 ? -value : value, subscriptDigits);
  return text;
}

}  // namespace ornival
