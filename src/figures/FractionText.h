#pragma once

#include <cstdint>
#include <string>

namespace ornival {

// Angles as exact fractions of a turn, printed as compact vulgar fractions
// ("³⁄₁₀" for a corner of a regular pentagon).

// Steps per degree: 60060 = 4·3·5·7·11·13, so every fraction of a turn whose
// denominator divides 21621600 is a whole number of steps.
inline constexpr double turnScale = 60060.0;
inline constexpr std::int64_t stepsPerTurn = 21621600;  // 360 · 60060

struct TurnFraction {
  std::int64_t numerator = 0;    // non-negative
  std::int64_t denominator = 1;  // positive
  int sign = 1;                  // +1 or -1

  bool operator==(const TurnFraction&) const = default;
};

// The reduced fraction of a full turn nearest to degrees, on the step grid.
TurnFraction fractionOfTurn(double degrees);

std::int64_t gcd(std::int64_t a, std::int64_t b);

// Superscript numerator, fraction slash, subscript denominator, led by a
// superscript minus when sign ≤ 0; "0" for a zero numerator.
std::string fractionText(std::int64_t numerator, std::int64_t denominator, int sign);
inline std::string fractionText(const TurnFraction& f) { return fractionText(f.numerator, f.denominator, f.sign); }

// The decimal digits of value in subscript, led by a subscript minus when
// negative (a symmetry group's order, say "D₄").
std::string subscriptText(std::int64_t value);

}  // namespace ornival
