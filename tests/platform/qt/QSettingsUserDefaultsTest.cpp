#include "platform/qt/QSettingsUserDefaults.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace ornival {
namespace {

TEST(QSettingsUserDefaultsTest, KeepsWholeNumbersAcrossInstances) {
  QTemporaryDir folder;
  const QString file = folder.filePath("ornival.conf");
  {
    QSettingsUserDefaults defaults(std::make_unique<QSettings>(file, QSettings::IniFormat));
    EXPECT_EQ(defaults.integer("ExportFileFormat"), std::nullopt);
    defaults.setInteger("ExportFileFormat", 1);
    EXPECT_EQ(defaults.integer("ExportFileFormat"), 1);
  }
  QSettingsUserDefaults again(std::make_unique<QSettings>(file, QSettings::IniFormat));
  EXPECT_EQ(again.integer("ExportFileFormat"), 1);
}

// A file edited by hand holds text: numbers are read without the locale,
// anything else is no value.
TEST(QSettingsUserDefaultsTest, ReadsHandEditedValues) {
  QTemporaryDir folder;
  const QString file = folder.filePath("ornival.conf");
  std::ofstream(file.toStdString()) << "[General]\nExportFileFormat=2\nbad=png\nfraction=1.5\n";
  QSettingsUserDefaults defaults(std::make_unique<QSettings>(file, QSettings::IniFormat));
  EXPECT_EQ(defaults.integer("ExportFileFormat"), 2);
  EXPECT_EQ(defaults.integer("bad"), std::nullopt);
  EXPECT_EQ(defaults.integer("fraction"), std::nullopt);
}

}  // namespace
}  // namespace ornival
