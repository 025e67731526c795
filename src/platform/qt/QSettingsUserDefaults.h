#pragma once

#include "platform/UserDefaults.h"

#include <QSettings>

#include <memory>

namespace ornival {

// The user's preferences in QSettings: the application's own store, or the
// one handed in (a file of its own in tests).
class QSettingsUserDefaults final : public UserDefaults {
public:
  QSettingsUserDefaults();
  explicit QSettingsUserDefaults(std::unique_ptr<QSettings> settings);

  std::optional<std::int64_t> integer(std::string_view key) const override;
  void setInteger(std::string_view key, std::int64_t value) override;

private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace ornival
