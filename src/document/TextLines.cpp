#include "document/TextLines.h"

#include <cstdint>

namespace ornival {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

}  // namespace

bool isValidUtf8(std::string_view text) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  std::size_t at = 0;
  while (at < size) {
    const unsigned char lead = bytes[at];
    if (lead < 0x80) {
      ++at;
      continue;
    }
    std::size_t length = 0;
    // The bounds of the first continuation byte rule out overlong forms,
    // surrogates and code points past U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0)
        low = 0xA0;
      if (lead == 0xED)
        high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0)
        low = 0x90;
      if (lead == 0xF4)
        high = 0x8F;
    } else {
      return false;
    }
    if (size - at < length)
      return false;
    if (bytes[at + 1] < low || bytes[at + 1] > high)
      return false;
    for (std::size_t k = 2; k < length; ++k)
      if (bytes[at + k] < 0x80 || bytes[at + k] > 0xBF)
        return false;
    at += length;
  }
  return true;
}

void forEachLine(std::string_view text, const std::function<void(std::string_view)>& line) {
  if (text.starts_with(byteOrderMark))
    text.remove_prefix(byteOrderMark.size());
  std::size_t start = 0;
  std::size_t at = 0;
  const std::size_t size = text.size();
  while (at < size) {
    const char ch = text[at];
    std::size_t terminator = 0;
    if (ch == '\n') {
      terminator = 1;
    } else if (ch == '\r') {
      terminator = (at + 1 < size && text[at + 1] == '\n') ? 2 : 1;
    } else if (ch == '\xC2' && at + 1 < size && text[at + 1] == '\x85') {
      terminator = 2;
    } else if (ch == '\xE2' && at + 2 < size && text[at + 1] == '\x80' &&
               (text[at + 2] == '\xA8' || text[at + 2] == '\xA9')) {
      terminator = 3;
    }
    if (terminator == 0) {
      ++at;
      continue;
    }
    line(text.substr(start, at - start));
    at += terminator;
    start = at;
  }
  if (start < size)
    line(text.substr(start));
}

void splitFields(std::string_view text, char separator, std::vector<std::string_view>& into) {
  into.clear();
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(separator, start);
    if (at == std::string_view::npos) {
      into.push_back(text.substr(start));
      return;
    }
    into.push_back(text.substr(start, at - start));
    start = at + 1;
  }
}

}  // namespace ornival
