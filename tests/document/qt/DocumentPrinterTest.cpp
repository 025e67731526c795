#include "document/qt/DocumentPrinter.h"

#include "support/ExportDocuments.h"
#include "support/PrintedPages.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"

#include <QMarginsF>
#include <QPrinter>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

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

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The disk fills up during the write, or the data never reaches it.
class FailingCalls : public FileCalls {
public:
  enum class Step { write, sync, rename };
  explicit FailingCalls(Step step, int error) : step_(step), error_(error) {}
  ssize_t write(int fd, const void* data, std::size_t size) const override {
    if (step_ != Step::write)
      return FileCalls::write(fd, data, size);
    if (wrote_)
      return fail();
    wrote_ = true;
    return FileCalls::write(fd, data, std::min<std::size_t>(size, 9));
  }
  int sync(int fd) const override { return step_ == Step::sync ? fail() : FileCalls::sync(fd); }
  int rename(const char* from, const char* to) const override {
    return step_ == Step::rename ? fail() : FileCalls::rename(from, to);
  }

private:
  int fail() const {
    errno = error_;
    return -1;
  }
  Step step_;
  int error_;
  mutable bool wrote_ = false;
};

// A print to a PDF file replaces the old file whole or not at all: a failed
// write, sync or rename leaves the old file and no temporary beside it, and
// says what the system said; one that succeeds leaves one whole PDF.
TEST(DocumentPrinterTest, APdfFileIsReplacedWholeOrNotAtAll) {
  testing::qtApplication();
  const auto live = twoSquares();
  const testing::TemporaryFolder folder("ornival-print");
  const fs::path pdf = folder / "Field.pdf";
  const std::string old = "the previous print\n";
  const struct {
    FailingCalls::Step step;
    int error;
  } failures[] = {{FailingCalls::Step::write, ENOSPC}, {FailingCalls::Step::sync, EIO}, {FailingCalls::Step::rename, EXDEV}};
  for (const auto& failure : failures) {
    SCOPED_TRACE(::testing::Message() << "step " << int(failure.step));
    std::ofstream(pdf, std::ios::binary) << old;
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, pdf);
    preparePrinter(printer);
    const FailingCalls calls(failure.step, failure.error);
    EXPECT_EQ(printDocument(*live.document, printer, 1.0, {}, calls),
              "The PDF file “Field.pdf” could not be written: " + std::system_category().message(failure.error) + ".");
    EXPECT_EQ(contents(pdf), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no temporary left";
  }

  // Written whole, as the printer is set up: in colour, or in greys when
  // the dialog asked for them.
  for (const auto mode : {QPrinter::Color, QPrinter::GrayScale}) {
    QPrinter printer(QPrinter::HighResolution);
    toPdf(printer, pdf);
    preparePrinter(printer);
    printer.setColorMode(mode);
    ASSERT_EQ(printDocument(*live.document, printer, 1.0, {}), "");
    EXPECT_EQ(printer.outputFileName().toStdString(), pdf.string());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no temporary left";
    EXPECT_TRUE(contents(pdf).starts_with("%PDF-"));
    EXPECT_EQ(testing::pageCount(pdf), 1);
    const QColor middle = testing::rasterisedPage(pdf, 36).pixelColor(297 * 36 / 25.4 / 2, 210 * 36 / 25.4 / 2);
    if (mode == QPrinter::Color)
      EXPECT_TRUE(isRed(middle));
    else
      EXPECT_TRUE(middle.red() == middle.green() && middle.green() == middle.blue() && middle.red() < 200)
          << middle.name().toStdString();
    fs::remove(fs::path(folder) / "Field-page.png");
  }
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
