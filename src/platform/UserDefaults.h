#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace ornival {

// The user's lasting preferences, by name ("ExportFileFormat", say). The
// program keeps them in QSettings; tests in memory.
class UserDefaults {
public:
  virtual ~UserDefaults() = default;
  // None when the name holds nothing, or nothing that is a whole number.
  virtual std::optional<std::int64_t> integer(std::string_view key) const = 0;
  virtual void setInteger(std::string_view key, std::int64_t value) = 0;
};

// Preferences that last as long as the object.
class MemoryUserDefaults final : public UserDefaults {
public:
  std::optional<std::int64_t> integer(std::string_view key) const override {
    const auto found = values_.find(std::string(key));
    return found == values_.end() ? std::nullopt : std::optional(found->second);
  }
  void setInteger(std::string_view key, std::int64_t value) override { values_[std::string(key)] = value; }

private:
  std::map<std::string, std::int64_t> values_;
};

}  // namespace ornival
