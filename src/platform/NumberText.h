#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ornival {

// Numbers in files and texts never follow the process locale (Qt sets it, and a
// comma decimal would corrupt documents): everything goes through these.
//
// The shortest decimal that reads back to the same double, in plain notation
// from 1e-4 up to 1e16 and in exponent notation ("1e-05", "1.5e+16") outside.
// Non-finite values print as "inf", "-inf" and "nan".
std::string formatNumber(double value);

// The same, but a whole number in plain notation keeps one fractional digit:
// 20 prints as "20.0", 0.5 as "0.5", 1e-05 as "1e-05".
std::string formatNumberWithFraction(double value);

std::string formatInteger(std::int64_t value);

enum class NonFinite { refuse, accept };

// The whole text must be one number: an optional sign, digits with an optional
// fraction and exponent. No blanks, no grouping, no locale. "inf" and "nan"
// read only when the caller accepts non-finite values.
std::optional<double> parseNumber(std::string_view text, NonFinite nonFinite = NonFinite::refuse);

// A whole decimal number with an optional sign that fits 64 bits.
std::optional<std::int64_t> parseInteger(std::string_view text);

}  // namespace ornival
