#include "app/PrintPanel.h"

#include "document/qt/DocumentPrinter.h"
#include "support/ExportDocuments.h"
#include "support/PrintedPages.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"

#include <QComboBox>
#include <QPrinter>

#include <gtest/gtest.h>

#include <filesystem>

namespace ornival {
namespace {

// The dialog starts on a landscape sheet without margins at 100 %, and its
// scaling tab is what the page is printed at.
TEST(PrintPanelTest, StartsLandscapeWithoutMarginsAndPrintsAtItsScaling) {
  testing::qtApplication();
  const auto live = testing::liveDocument(testing::documentText("7,0\n0,1,7,3,0\n", "borderWidth: 0.0,0.0,0.0\n"));
  PrintPanel panel(live.document, {}, nullptr);
  EXPECT_EQ(panel.printer().pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_EQ(panel.printer().pageLayout().margins(QPageLayout::Point), QMarginsF());
  EXPECT_EQ(panel.scaling().value(), 100);
  panel.nameAfter("Two Squares.ornival", "/somewhere");
  EXPECT_EQ(panel.printer().docName(), "Two Squares");
  EXPECT_EQ(panel.printer().outputFileName(), "/somewhere/Two Squares.pdf");
  panel.nameAfter("Stars 1.5", "/somewhere");
  EXPECT_EQ(panel.printer().outputFileName(), "/somewhere/Stars 1.5.pdf");

  const testing::TemporaryFolder folder("ornival-print-panel");
  std::vector<int> widths;
  for (const int percent : {100, 50}) {
    const auto pdf = folder / ("panel-" + std::to_string(percent) + ".pdf");
    panel.printer().setOutputFormat(QPrinter::PdfFormat);
    panel.printer().setOutputFileName(QString::fromStdString(pdf.string()));
    panel.scaling().setValue(percent);
    ASSERT_EQ(panel.print(), "");
    const QImage page = testing::rasterisedPage(pdf, 72);
    ASSERT_FALSE(page.isNull());
    widths.push_back(testing::boxOf(page, [](const QColor& c) { return c.red() > 200 && c.green() < 90; }).width());
  }
  EXPECT_NEAR(widths[0], 2 * widths[1], 2);
}

// Qt's dialog offers the PDF file it finds on the printer when it is made:
// once named after the document, it offers <document's folder>/<name>.pdf.
TEST(PrintPanelTest, OffersThePdfBesideTheDocumentUnderItsName) {
  testing::qtApplication();
  const auto live = testing::liveDocument(testing::documentText("7,0\n", ""));
  const auto folder = std::filesystem::path(::testing::TempDir()) / "ornival-print-pdf";
  PrintPanel panel(live.document, {}, nullptr);
  panel.scaling().setValue(50);
  panel.nameAfter("Two Squares.ornival", folder);
  EXPECT_EQ(panel.scaling().value(), 50);
  panel.dialog().show();
  auto* printers = panel.dialog().findChild<QComboBox*>(QStringLiteral("printers"));
  ASSERT_NE(printers, nullptr);
  printers->setCurrentIndex(printers->count() - 1);
  panel.dialog().accept();
  EXPECT_EQ(panel.printer().outputFormat(), QPrinter::PdfFormat);
  EXPECT_EQ(panel.printer().outputFileName().toStdString(), (folder / "Two Squares.pdf").string());
}

}  // namespace
}  // namespace ornival
