#include "platform/Localization.h"

#include "platform/NumberText.h"

#include <atomic>

namespace ornival {
namespace {

std::atomic<TextLookup> installed{nullptr};

// English as written, with the count in place of %n.
std::string english(const char* text, int count) {
  std::string result = text ? text : "";
  if (count < 0)
    return result;
  const std::string number = formatInteger(count);
  for (std::size_t at = result.find("%n"); at != std::string::npos; at = result.find("%n", at + number.size()))
    result.replace(at, 2, number);
  return result;
}

}  // namespace

void setTextLookup(TextLookup lookup) { installed.store(lookup); }

std::string localized(const char* context, const char* text, const char* disambiguation, int count) {
  if (const TextLookup lookup = installed.load())
    return lookup(context, text, disambiguation, count);
  return english(text, count);
}

std::string formatText(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
  std::string result;
  result.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const std::size_t index = std::size_t(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
      result += *(arguments.begin() + std::ptrdiff_t(index));
      ++i;
    } else {
      result += pattern[i];
    }
  }
  return result;
}

}  // namespace ornival
