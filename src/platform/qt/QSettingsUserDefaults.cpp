#include "platform/qt/QSettingsUserDefaults.h"

#include "platform/NumberText.h"

namespace ornival {

namespace {

QString keyText(std::string_view key) { return QString::fromUtf8(key.data(), qsizetype(key.size())); }

}  // namespace

QSettingsUserDefaults::QSettingsUserDefaults() : settings_(std::make_unique<QSettings>()) {}

QSettingsUserDefaults::QSettingsUserDefaults(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

std::optional<std::int64_t> QSettingsUserDefaults::integer(std::string_view key) const {
  const QVariant value = settings_->value(keyText(key));
  if (!value.isValid())
    return std::nullopt;
  // Stored by us as a number; a file edited by hand holds text, read without
  // the locale.
  if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray)
    return parseInteger(value.toString().trimmed().toStdString());
  bool ok = false;
  const qlonglong number = value.toLongLong(&ok);
  return ok ? std::optional<std::int64_t>(number) : std::nullopt;
}

void QSettingsUserDefaults::setInteger(std::string_view key, std::int64_t value) {
  settings_->setValue(keyText(key), qlonglong(value));
}

}  // namespace ornival
