#include "document/ColorText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace ornival {

namespace {

bool isConvertible(const Color& c) {
  return !std::isnan(c.red) && !std::isnan(c.green) && !std::isnan(c.blue) && !std::isnan(c.alpha);
}

int byteOf(double component) { return int(std::round(std::clamp(component, 0.0, 1.0) * 255.0)); }

void appendByte(std::string& text, int value) {
  constexpr char digits[] = "0123456789ABCDEF";
  text += digits[(value >> 4) & 15];
  text += digits[value & 15];
}

int hexDigit(char ch) {
  if (ch >= '0' && ch <= '9')
    return ch - '0';
  if (ch >= 'a' && ch <= 'f')
    return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F')
    return ch - 'A' + 10;
  return -1;
}

bool isBlank(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r'; }

}  // namespace

std::string hexString(const Color& color) {
  if (!isConvertible(color))
    return "00000000";
  if (color.red == 0.0 && color.green == 0.0 && color.blue == 0.0 && color.alpha == 0.0)
    return "0";
  std::string text;
  text.reserve(8);
  for (double component : {color.red, color.green, color.blue, color.alpha})
    appendByte(text, byteOf(component));
  return text;
}

Color colorWithHex(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && isBlank(text[at]))
    ++at;
  if (at + 1 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X'))
    at += 2;
  // A number too long for 64 bits saturates, as a hexadecimal scan does.
  std::uint64_t value = 0;
  for (; at < text.size(); ++at) {
    const int digit = hexDigit(text[at]);
    if (digit < 0)
      break;
    if (value > (std::numeric_limits<std::uint64_t>::max() >> 4)) {
      value = std::numeric_limits<std::uint64_t>::max();
    } else {
      value = (value << 4) | std::uint64_t(digit);
    }
  }
  const auto component = [value](int shift) { return double((value >> shift) & 255) / 255.0; };
  return {component(24), component(16), component(8), component(0)};
}

void sortByHexString(std::vector<Color>& colors) {
  std::vector<std::pair<std::string, Color>> keyed;
  keyed.reserve(colors.size());
  for (const Color& color : colors)
    keyed.emplace_back(hexString(color), color);
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 0; i < colors.size(); ++i)
    colors[i] = keyed[i].second;
}

std::string rgbHexString(const Color& color) {
  if (!isConvertible(color))
    return "000000";
  std::string text;
  text.reserve(6);
  for (double component : {color.red, color.green, color.blue})
    appendByte(text, byteOf(component));
  return text;
}

std::string opacityString(const Color& color) {
  if (!isConvertible(color))
    return "1";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, color.alpha, std::chars_format::general, 4);
  return std::string(buffer, result.ptr);
}

}  // namespace ornival
