#include "platform/Localization.h"

#include <mutex>
#include <vector>

namespace ornival {
namespace {

std::mutex tableMutex;
std::shared_ptr<const TextTable> currentTable;

std::shared_ptr<const TextTable> table() {
  const std::lock_guard lock(tableMutex);
  return currentTable;
}

}  // namespace

void setTextTable(std::shared_ptr<const TextTable> table) {
  const std::lock_guard lock(tableMutex);
  currentTable = std::move(table);
}

std::string localized(std::string_view english) {
  if (const auto t = table()) {
    if (auto text = t->text(english))
      return std::move(*text);
  }
  return std::string(english);
}

namespace {

// One pass, so that a place inside a filled-in argument stays as it is.
std::string filled(std::string_view text, const std::vector<std::string_view>& arguments, const std::string* count) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size()) {
      const char next = text[i + 1];
      if (next >= '1' && next <= '9' && std::size_t(next - '1') < arguments.size()) {
        out += arguments[std::size_t(next - '1')];
        ++i;
        continue;
      }
      if (next == 'n' && count) {
        out += *count;
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace

std::string localized(std::string_view english, std::initializer_list<std::string_view> arguments) {
  return filled(localized(english), std::vector<std::string_view>(arguments), nullptr);
}

std::string localizedCount(std::string_view english, std::int64_t count,
                           std::initializer_list<std::string_view> arguments) {
  std::string text = localized(english);
  for (std::size_t at = text.find("(s)"); at != std::string::npos; at = text.find("(s)", at))
    text.replace(at, 3, count == 1 ? "" : "s");
  const std::string number = std::to_string(count);
  return filled(text, std::vector<std::string_view>(arguments), &number);
}

}  // namespace ornival
