#include "document/qt/DocumentPrinter.h"

#include "support/ExportDocuments.h"
#include "support/PrintedPages.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"

#include <QMarginsF>
#include <QPrinter>

#include <gtest/gtest.h>

#include <filesystem>

namespace ornival {
namespace {

namespace fs = std::filesystem;

// Two red squares of 48.28 units side by side, without bands, on a page 13
// units wider every way.
constexpr double side = 48.2842712474619;
testing::LiveDocument twoSquares() {
  return testing::liveDocument(testing::documentText("7,0\n0,1,7,3,0\n", "borderWidth: 0.0,0.0,0.0\n"));
}

void toPdf(QPrinter& printer, const fs::path& file) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(file.string()));
  printer.setPageSize(QPageSize(QPageSize::A4));
}

bool isRed(const QColor& c) { return c.red() > 200 && c.green() < 90 && c.blue() < 90; }

// The flat page prints at one point a canvas unit at 100 % and half that at
// 50 %, landscape, centred on the sheet, on one page.
TEST(DocumentPrinterTest, FlatPagePrintsCentredAtItsScaling) {
  testing::qtApplication();
  const auto live = twoSquares();
  const testing::TemporaryFolder folder("ornival-print");
  constexpr int dpi = 144;
  for (const double scaling : {1.0, 0.5}) {
    SCOPED_TRACE(::testing::Message() << "scaling " << scaling);
    const fs::path pdf = folder / ("flat-" + std::to_string(int(scaling * 100)) + ".pdf");
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, pdf);
    preparePrinter(printer);
    ASSERT_EQ(printDocument(*live.document, printer, scaling, {}), "");
    EXPECT_EQ(testing::pageCount(pdf), 1);
    const QImage page = testing::rasterisedPage(pdf, dpi);
    ASSERT_FALSE(page.isNull()) << "pdftoppm (Debian package poppler-utils) did not rasterise " << pdf;
    // A4 landscape: 297 × 210 mm.
    EXPECT_NEAR(page.width(), 297.0 / 25.4 * dpi, 2);
    EXPECT_NEAR(page.height(), 210.0 / 25.4 * dpi, 2);

    const QRect red = testing::boxOf(page, isRed);
    const double pixelsPerUnit = dpi / 72.0 * scaling;
    EXPECT_NEAR(red.width(), 2 * side * pixelsPerUnit, 3);
    EXPECT_NEAR(red.height(), side * pixelsPerUnit, 3);
    EXPECT_NEAR(red.center().x() + 0.5, page.width() / 2.0, 2);
    EXPECT_NEAR(red.center().y() + 0.5, page.height() / 2.0, 2);
    // The squares' middles are red; the paper around them is left white.
    EXPECT_TRUE(isRed(page.pixelColor(red.left() + red.width() / 4, red.center().y())));
    EXPECT_TRUE(testing::near(page.pixelColor(5, 5), Qt::white, 2));
  }
}

// A printer's unprintable margins move the printable area, not the drawing's
// place in it: the page lands in the middle of what is printed.
TEST(DocumentPrinterTest, FlatPageIsCentredInAPrintableAreaWithMargins) {
  testing::qtApplication();
  const auto live = twoSquares();
  const testing::TemporaryFolder folder("ornival-print");
  const fs::path pdf = folder / "margins.pdf";
  constexpr int dpi = 72;
  QPrinter printer(QPrinter::HighResolution);
  toPdf(printer, pdf);
  preparePrinter(printer);
  // As a printer that cannot print the left inch and the top half inch.
  printer.setPageMargins(QMarginsF(72.0, 36.0, 0.0, 0.0), QPageLayout::Point);
  ASSERT_EQ(printDocument(*live.document, printer, 1.0, {}), "");
  const QImage page = testing::rasterisedPage(pdf, dpi);
  ASSERT_FALSE(page.isNull());
  const QRect red = testing::boxOf(page, isRed);
  EXPECT_NEAR(red.center().x() + 0.5, 72.0 + (page.width() - 72.0) / 2.0, 2);
  EXPECT_NEAR(red.center().y() + 0.5, 36.0 + (page.height() - 36.0) / 2.0, 2);
}

// A relief that cannot be drawn is reported and leaves no blank page behind.
TEST(DocumentPrinterTest, ReliefWithoutRenderersSaysWhyAndPrintsNothing) {
  testing::qtApplication();
  const auto live = twoSquares();
  live.document->setDisplayMode(3);
  const testing::TemporaryFolder folder("ornival-print");
  const fs::path pdf = folder / "relief.pdf";
  QPrinter printer(QPrinter::HighResolution);
  toPdf(printer, pdf);
  preparePrinter(printer);
  EXPECT_NE(printDocument(*live.document, printer, 1.0, {}), "");
  EXPECT_FALSE(fs::exists(pdf));
}

}  // namespace
}  // namespace ornival
