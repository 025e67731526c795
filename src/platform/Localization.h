#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace ornival {

// Every word the user sees is looked up here with its English text as the
// key, so that a translation can be laid over the program without touching
// the code that shows the words.
class TextTable {
public:
  virtual ~TextTable() = default;
  // The text shown for the English key; none keeps the English text.
  virtual std::optional<std::string> text(std::string_view english) const = 0;
};

// Installs the process-wide table; none goes back to English. Any thread.
void setTextTable(std::shared_ptr<const TextTable> table);

// The text the user sees for an English key. Any thread.
std::string localized(std::string_view english);

// A whole sentence with places %1, %2 … filled in by arguments in order,
// looked up before it is filled, so that a translation may move the places.
std::string localized(std::string_view english, std::initializer_list<std::string_view> arguments);

// A sentence about a count: %n is the count, and the English "(s)" is the
// plural ending, dropped for one; %1, %2 … as above.
std::string localizedCount(std::string_view english, std::int64_t count,
                           std::initializer_list<std::string_view> arguments = {});

}  // namespace ornival
