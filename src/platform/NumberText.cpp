#include "platform/NumberText.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace ornival {

namespace {

// Plain notation covers the magnitudes a person reads as ordinary numbers.
constexpr int smallestPlainExponent = -4;
constexpr int firstExponentForm = 16;

std::string format(double value, bool keepFraction) {
  if (std::isnan(value))
    return "nan";
  if (std::isinf(value))
    return value < 0 ? "-inf" : "inf";
  if (value == 0.0) {
    std::string zero = std::signbit(value) ? "-0" : "0";
    return keepFraction ? zero + ".0" : zero;
  }

  // Shortest round-trip digits, read off the scientific form d.ddde±x.
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string_view sci(buffer, std::size_t(result.ptr - buffer));
  const std::size_t e = sci.find('e');
  std::string_view mantissa = sci.substr(0, e);
  int exponent = 0;
  std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+'), sci.data() + sci.size(), exponent);

  std::string sign;
  if (mantissa.front() == '-') {
    sign = "-";
    mantissa.remove_prefix(1);
  }
  std::string digits;
  for (char ch : mantissa)
    if (ch != '.')
      digits += ch;

  if (exponent < smallestPlainExponent || exponent >= firstExponentForm) {
    std::string text = sign + digits.substr(0, 1);
    if (digits.size() > 1)
      text += "." + digits.substr(1);
    text += exponent < 0 ? "e-" : "e+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10)
      text += '0';
    text += std::to_string(magnitude);
    return text;
  }

  const int pointAt = exponent + 1;  // digits before the decimal point
  std::string whole;
  std::string fraction;
  if (pointAt <= 0) {
    whole = "0";
    fraction = std::string(std::size_t(-pointAt), '0') + digits;
  } else if (std::size_t(pointAt) >= digits.size()) {
    whole = digits + std::string(std::size_t(pointAt) - digits.size(), '0');
  } else {
    whole = digits.substr(0, std::size_t(pointAt));
    fraction = digits.substr(std::size_t(pointAt));
  }
  if (fraction.empty())
    return keepFraction ? sign + whole + ".0" : sign + whole;
  return sign + whole + "." + fraction;
}

// from_chars takes a leading minus only; a plus is ours to allow, and a sign
// after it is an error.
bool stripPlus(std::string_view& text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
      return false;
  }
  return !text.empty();
}

}  // namespace

std::string formatNumber(double value) { return format(value, false); }

std::string formatNumberWithFraction(double value) { return format(value, true); }

std::string formatInteger(std::int64_t value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::optional<double> parseNumber(std::string_view text, NonFinite nonFinite) {
  if (!stripPlus(text))
    return std::nullopt;
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  // A value too large or too small for a double is an error like any other.
  if (result.ec != std::errc{} || result.ptr != text.data() + text.size())
    return std::nullopt;
  if (!std::isfinite(value) && nonFinite == NonFinite::refuse)
    return std::nullopt;
  return value;
}

std::optional<std::int64_t> parseInteger(std::string_view text) {
  if (!stripPlus(text))
    return std::nullopt;
  std::int64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc{} || result.ptr != text.data() + text.size())
    return std::nullopt;
  return value;
}

}  // namespace ornival
