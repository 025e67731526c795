#include "document/qt/DocumentPrinter.h"

#include "document/Document.h"
#include "document/PrintView.h"
#include "document/PrintView3D.h"
#include "platform/Localization.h"
#include "platform/qt/QPainterAdapter.h"
#include "platform/qt/QtRgbaImage.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <memory>

namespace ornival {

void preparePrinter(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setPageMargins(QMarginsF(0.0, 0.0, 0.0, 0.0), QPageLayout::Point);
}

namespace {

Rect toRect(const QRectF& r) { return {{r.x(), r.y()}, {r.width(), r.height()}}; }

// A blank sheet would pass for a print: the user is told instead.
std::string reliefUnavailable() {
  return localized("Print", "The relief view could not be drawn for printing. "
                           "Switch to the flat view to print the drawing.");
}

// Prints on `device`, a printer or a PDF writer, whose pictures have
// `resolution` pixels an inch.
std::string printOn(const Document& document, QPagedPaintDevice& device, int resolution, double scaling,
                    const SnapshotRendererMaker& reliefRenderers) {
  const double f = std::isfinite(scaling) && scaling > 0.0 ? scaling : 1.0;
  // The printable area, in points and in the device's pixels; the painter's
  // origin is its top left corner.
  const QPageLayout layout = device.pageLayout();
  const Rect imageable = toRect(layout.paintRect(QPageLayout::Point));
  const QRectF pixels = layout.paintRectPixels(resolution);
  if (!(imageable.size.x > 0.0) || !(imageable.size.y > 0.0) || pixels.isEmpty())
    return localized("Print", "The sheet has no printable area.");
  const double pixelsPerPoint = pixels.width() / imageable.size.x;

  // The relief is rendered before the printer starts, so that a relief that
  // cannot be drawn leaves no empty page behind.
  QImage relief;
  if (document.displayMode() == 3) {
    const double fineness = std::min(double(resolution), finestReliefResolution) / resolution;
    PrintView3D view({{0.0, 0.0}, {pixels.width() * fineness, pixels.height() * fineness}});
    view.document = std::shared_ptr<const Document>(std::shared_ptr<const Document>(), &document);
    const std::optional<RgbaImage> image = view.image(reliefRenderers);
    if (!image || image->width() == 0)
      return reliefUnavailable();
    relief = toQImage(*image);
  }

  QPainter painter;
  if (!painter.begin(&device))
    return localized("Print", "The printer could not be started.");
  if (!relief.isNull()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0.0, 0.0, pixels.width(), pixels.height()), relief);
  } else {
    // The view covers the printable area at the scaling; drawn straight in
    // the device's pixels, its units are pixelsPerPoint × f pixels.
    const Rect frame = PrintView::paginatedFrame(imageable, f);
    const double k = pixelsPerPoint * f;
    PrintView view({{0.0, 0.0}, frame.size * k});
    view.document = std::shared_ptr<const Document>(std::shared_ptr<const Document>(), &document);
    view.printing = true;
    view.scale = k;
    QPainterAdapter adapter(painter, view.frame.size.y);
    view.drawDocument(adapter, view.frame);
  }
  if (!painter.end())
    return localized("Print", "The page could not be printed.");
  return {};
}

}  // namespace

std::string printDocument(const Document& document, QPrinter& printer, double scaling,
                          const SnapshotRendererMaker& reliefRenderers, const FileCalls& calls) {
  const QString file = printer.outputFileName();
  if (printer.outputFormat() != QPrinter::PdfFormat || file.isEmpty())
    return printOn(document, printer, printer.resolution(), scaling, reliefRenderers);

  // Qt's printer would write the file itself, a piece at a time and without
  // telling of a failed write: the same page goes to memory first, set up
  // as the printer is, and reaches the disk through the checked writer.
  QByteArray data;
  {
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPdfVersion(printer.pdfVersion());
    pdf.setResolution(printer.resolution());
    pdf.setPageLayout(printer.pageLayout());
    pdf.setTitle(printer.docName());
    pdf.setCreator(printer.creator());
    if (std::string error = printOn(document, pdf, pdf.resolution(), scaling, reliefRenderers); !error.empty())
      return error;
  }
  const std::filesystem::path target(file.toStdString());
  const std::string error =
      writeFileAtomically(target, std::string_view(data.constData(), std::size_t(data.size())), calls);
  if (error.empty())
    return {};
  return formatText(localized("Print", "The PDF file “%1” could not be written: %2."),
                    {target.filename().string(), error});
}

}  // namespace ornival
