// The document type as a file manager learns it: the shared-mime-info
// package compiled by update-mime-database into a fresh prefix, then asked
// about sample files through Qt's reader of that database.

#include "support/TemporaryFolder.h"

#include <QMimeDatabase>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(MimeTypeTest, DocumentsResolveToTheirTypeByNameAndByContent) {
  if (std::system("command -v update-mime-database >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "update-mime-database is not installed (package shared-mime-info)";
  const ornival::testing::TemporaryFolder folder("ornival-mime");
  const fs::path prefix = folder.path();
  fs::create_directories(prefix / "share/mime/packages");
  fs::create_directories(prefix / "home");
  fs::copy_file(fs::path(ORNIVAL_DATA_DIR) / "ornival-mime.xml", prefix / "share/mime/packages/ornival.xml");
  ASSERT_EQ(std::system(("update-mime-database '" + (prefix / "share/mime").string() + "'").c_str()), 0);
  ASSERT_TRUE(fs::exists(prefix / "share/mime/application/x-ornival.xml"));

  // Read before the database is first used, which this process has not done.
  setenv("XDG_DATA_HOME", (prefix / "home").c_str(), 1);
  setenv("XDG_DATA_DIRS", ((prefix / "share").string() + ":/usr/share").c_str(), 1);

  const auto write = [&](const char* name, const char* text) {
    std::ofstream(prefix / name) << text;
    return QString::fromStdString((prefix / name).string());
  };
  const QString named = write("sample.ornival", "Ornival 0.2\n\nshapes:\n7,0\n");
  const QString unnamed = write("sample", "Ornival 0.2\n\nshapes:\n7,0\n");
  const QString notes = write("notes", "A plain note about tiles.\n");

  QMimeDatabase database;
  const QMimeType type = database.mimeTypeForName("application/x-ornival");
  ASSERT_TRUE(type.isValid());
  EXPECT_TRUE(type.inherits("text/plain"));
  EXPECT_EQ(database.mimeTypeForFile(named).name(), "application/x-ornival");
  EXPECT_EQ(database.mimeTypeForFile(unnamed, QMimeDatabase::MatchContent).name(), "application/x-ornival");
  EXPECT_EQ(database.mimeTypeForFile(notes, QMimeDatabase::MatchContent).name(), "text/plain");
}

}  // namespace
