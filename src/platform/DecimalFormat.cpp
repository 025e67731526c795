#include "platform/DecimalFormat.h"

#include "platform/NumberText.h"
#include "platform/Precondition.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace ornival {

namespace {

// Adds one unit in the last place of a string of decimal digits; a carry out
// of the first digit prepends a "1".
void incrementDigits(std::string& digits) {
  for (auto i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::string formatDecimal(double value, int maxFractionDigits, DecimalRounding rounding) {
  ORNIVAL_PRECONDITION(maxFractionDigits >= 0 && maxFractionDigits <= 17);
  if (!std::isfinite(value))
    return formatNumber(value);
  const bool negative = std::signbit(value) && value != 0.0;

  // The shortest round-trip digits in scientific form: d.ddddde±x.
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value), std::chars_format::scientific);
  ORNIVAL_PRECONDITION(error == std::errc());
  const std::string_view text(buffer, std::size_t(end - buffer));
  const auto e = text.find('e');
  std::string mantissa;
  for (char c : text.substr(0, e))
    if (c != '.')
      mantissa += c;
  int exponent = 0;
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);

  // Every digit of the value in a fixed-point string: `integerDigits` digits
  // before the point, the rest after.
  std::string digits = mantissa;
  int integerDigits = exponent + 1;
  if (integerDigits <= 0) {
    digits.insert(0, std::size_t(1 - integerDigits), '0');
    integerDigits = 1;
  } else if (int(digits.size()) < integerDigits) {
    digits.append(std::size_t(integerDigits - int(digits.size())), '0');
  }

  const auto keep = std::size_t(integerDigits + maxFractionDigits);
  if (digits.size() > keep) {
    const std::string_view dropped = std::string_view(digits).substr(keep);
    const bool anyDropped = dropped.find_first_not_of('0') != std::string_view::npos;
    bool roundUp = false;
    if (rounding == DecimalRounding::floor) {
      roundUp = negative && anyDropped;
    } else {
      const bool aboveHalf = dropped[0] > '5' || (dropped[0] == '5' && dropped.substr(1).find_first_not_of('0') != std::string_view::npos);
      const bool half = dropped[0] == '5' && !aboveHalf;
      const bool lastOdd = (digits[keep - 1] - '0') % 2 == 1;
      roundUp = aboveHalf || (half && lastOdd);
    }
    digits.resize(keep);
    if (roundUp) {
      const auto before = digits.size();
      incrementDigits(digits);
      integerDigits += int(digits.size() - before);
    }
  }

  std::string integerPart = digits.substr(0, std::size_t(integerDigits));
  std::string fractionPart = digits.substr(std::size_t(integerDigits));
  while (!fractionPart.empty() && fractionPart.back() == '0')
    fractionPart.pop_back();
  const auto firstNonZero = integerPart.find_first_not_of('0');
  integerPart = firstNonZero == std::string::npos ? "0" : integerPart.substr(firstNonZero);

  std::string result;
  // A value that rounds to zero shows no sign.
  if (negative && (integerPart != "0" || !fractionPart.empty()))
    result += '-';
  result += integerPart;
  if (!fractionPart.empty())
    result += '.' + fractionPart;
  return result;
}

}  // namespace ornival
