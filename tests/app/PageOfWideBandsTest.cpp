// A tile with bands wider than the page's margin, in a real window: the
// bitmap export and the print show the bands' mitred tips whole, as the SVG
// drawing does.

#include "app/PrintPanel.h"
#include "document/Document.h"
#include "document/qt/QtBitmapWriter.h"
#include "support/DocumentWindows.h"
#include "support/ExportDocuments.h"
#include "support/PrintedPages.h"

#include <QImage>
#include <QPrinter>

#include <gtest/gtest.h>

#include <filesystem>

namespace ornival {
namespace {

namespace fs = std::filesystem;

class PageOfWideBands : public testing::DocumentWindowTest {};

bool isBand(const QColor& c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; }
bool isTile(const QColor& c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; }

// The tile (a rhombus of 45°) in red with a blue band of 40 units, mitred,
// on a white background.
std::string wideBandRhombus() {
  return testing::documentText("3,0\n", "borderWidth: 40.0,0.0,0.0\nborderColor: 0000FFFF\nbackgroundColor: FFFFFFFF\n");
}

// The bitmap holds the whole band, background on every side of it.
TEST_F(PageOfWideBands, TheBitmapShowsTheTipsWhole) {
  WindowController& window = open(wideBandRhombus());
  const auto document = window.document();
  ASSERT_GT(document->exportWidth(), 0);
  const fs::path png = folder / "rhombus.png";
  QtBitmapWriter writer;
  ASSERT_EQ(writer.writeBitmap(*document, BitmapFileType::png, png), "");
  const QImage image(QString::fromStdString(png.string()));
  ASSERT_FALSE(image.isNull());
  const QRect band = testing::boxOf(image, isBand);
  ASSERT_FALSE(band.isEmpty());
  EXPECT_GT(band.left(), 0);
  EXPECT_GT(band.top(), 0);
  EXPECT_LT(band.right(), image.width() - 1);
  EXPECT_LT(band.bottom(), image.height() - 1);
  // In the middle, as the tile is.
  const QRect tile = testing::boxOf(image, isTile);
  EXPECT_NEAR(band.center().x(), tile.center().x(), 2);
  EXPECT_NEAR(band.center().y(), tile.center().y(), 2);
}

// Printed on a sheet, the band reaches as far beyond the tile as in the
// bitmap: the tips are whole there too.
TEST_F(PageOfWideBands, ThePrintShowsTheTipsWhole) {
  WindowController& window = open(wideBandRhombus());
  const auto document = window.document();
  const fs::path png = folder / "rhombus.png";
  ASSERT_EQ(QtBitmapWriter().writeBitmap(*document, BitmapFileType::png, png), "");
  const QImage bitmap(QString::fromStdString(png.string()));
  const QRect bitmapBand = testing::boxOf(bitmap, isBand);
  const QRect bitmapTile = testing::boxOf(bitmap, isTile);

  const fs::path pdf = folder / "rhombus.pdf";
  PrintPanel panel(document, {}, nullptr);
  panel.printer().setOutputFormat(QPrinter::PdfFormat);
  panel.printer().setOutputFileName(QString::fromStdString(pdf.string()));
  ASSERT_EQ(panel.print(), "");
  const QImage page = testing::rasterisedPage(pdf, 72);
  ASSERT_FALSE(page.isNull()) << "pdftoppm (Debian package poppler-utils) did not rasterise " << pdf;
  const QRect band = testing::boxOf(page, isBand);
  const QRect tile = testing::boxOf(page, isTile);
  ASSERT_FALSE(band.isEmpty());
  ASSERT_FALSE(tile.isEmpty());
  // At 72 pixels an inch a canvas unit is a pixel; the bitmap has
  // exportScale pixels a unit.
  const double scale = document->exportScale();
  EXPECT_NEAR(band.width() - tile.width(), (bitmapBand.width() - bitmapTile.width()) / scale, 3);
  EXPECT_NEAR(band.height() - tile.height(), (bitmapBand.height() - bitmapTile.height()) / scale, 3);
  EXPECT_NEAR(band.center().x(), page.width() / 2.0, 2);
  EXPECT_NEAR(band.center().y(), page.height() / 2.0, 2);
}

}  // namespace
}  // namespace ornival
