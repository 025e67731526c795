#pragma once

#include <string>

namespace ornival {

// Decimal texts for titles and lookup keys, the same under every locale: a
// "." separator, no grouping, at least one integer digit, at most
// maxFractionDigits fraction digits and no trailing zeros ("1.41", "45",
// "0.5").
//
// Rounding works on the shortest decimal that reads back to the value, not on
// its binary expansion, so 0.125 is exactly halfway and 2.675 rounds up like
// the text the user would read.
enum class DecimalRounding {
  halfEven,  // to the nearest; a tie goes to the even digit
  floor,     // towards minus infinity
};

std::string formatDecimal(double value, int maxFractionDigits, DecimalRounding rounding = DecimalRounding::halfEven);

}  // namespace ornival
