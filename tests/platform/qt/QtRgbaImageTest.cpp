#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtImageDecoder.h"
#include "platform/qt/QtRgbaImage.h"
#include "support/TemporaryFolder.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ornival {
namespace {

namespace fs = std::filesystem;

// Top row red and half transparent, bottom row opaque blue.
RgbaImage twoRows() {
  RgbaImage image(3, 2);
  for (int x = 0; x < 3; ++x) {
    image.pixel(x, 0) = {255, 0, 0, 128};
    image.pixel(x, 1) = {0, 0, 255, 255};
  }
  return image;
}

TEST(QtRgbaImage, ConvertsBothWaysKeepingRowsAndStraightAlpha) {
  const QImage q = toQImage(twoRows());
  EXPECT_EQ(q.pixelColor(1, 0), QColor(255, 0, 0, 128));
  EXPECT_EQ(q.pixelColor(1, 1), QColor(0, 0, 255));
  EXPECT_EQ(toRgbaImage(q), twoRows());
  EXPECT_EQ(toRgbaImage(q.convertToFormat(QImage::Format_ARGB32)), twoRows());
  EXPECT_EQ(toRgbaImage(QImage()), RgbaImage());
  EXPECT_TRUE(toQImage(RgbaImage()).isNull());
}

TEST(QtImageDecoder, ReadsPicturesAndRefusesOtherFiles) {
  const testing::TemporaryFolder folder("ornival-decoder");
  const fs::path png = folder / "picture.png";
  ASSERT_TRUE(toQImage(twoRows()).save(QString::fromStdString(png.string()), "PNG"));
  // The name promises a picture; the contents are text.
  const fs::path fake = folder / "notes.png";
  std::ofstream(fake) << "not a picture\n";

  QtImageDecoder decoder;
  EXPECT_EQ(decoder.decode(png), twoRows());
  EXPECT_FALSE(decoder.decode(fake));
  EXPECT_FALSE(decoder.decode(folder / "missing.png"));
  EXPECT_FALSE(decoder.decode(folder));
}

TEST(QtClipboard, HoldsThePictureAndTheTextWhenGiven) {
  int argc = 3;
  char name[] = "test";
  char option[] = "-platform";
  char platform[] = "offscreen";
  char* argv[] = {name, option, platform, nullptr};
  QGuiApplication application(argc, argv);
  QtClipboard clipboard;
  clipboard.copy(twoRows(), std::string("caption"));
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(data);
  EXPECT_EQ(data->text(), "caption");
  EXPECT_EQ(toRgbaImage(qvariant_cast<QImage>(data->imageData())), twoRows());

  clipboard.copy(twoRows(), std::nullopt);
  data = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(data);
  EXPECT_FALSE(data->hasText());
  EXPECT_TRUE(data->hasImage());
}

}  // namespace
}  // namespace ornival
