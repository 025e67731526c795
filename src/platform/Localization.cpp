#include "platform/Localization.h"

#include <mutex>

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

}  // namespace ornival
