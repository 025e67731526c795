#include "document/qt/DocumentPrinter.h"

#include "document/Document.h"
#include "document/PrintView.h"
#include "document/PrintView3D.h"
#include "platform/Localization.h"
#include "platform/qt/QPainterAdapter.h"
#include "platform/qt/QtRgbaImage.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <memory>
#include <string_view>
#include <sys/mman.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

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

// Prints on the printer, to wherever it is set to print.
std::string printOn(const Document& document, QPrinter& printer, double scaling,
                    const SnapshotRendererMaker& reliefRenderers) {
  const double f = std::isfinite(scaling) && scaling > 0.0 ? scaling : 1.0;
  // The printable area, in points and in the printer's pixels; the painter's
  // origin is its top left corner.
  const Rect imageable = toRect(printer.pageRect(QPrinter::Point));
  const QRectF pixels = printer.pageRect(QPrinter::DevicePixel);
  if (!(imageable.size.x > 0.0) || !(imageable.size.y > 0.0) || pixels.isEmpty())
    return localized("Print", "The sheet has no printable area.");
  const double pixelsPerPoint = pixels.width() / imageable.size.x;

  // The relief is rendered before the printer starts, so that a relief that
  // cannot be drawn leaves no empty page behind.
  QImage relief;
  if (document.displayMode() == 3) {
    const double resolution = std::min(double(printer.resolution()), finestReliefResolution);
    const double fineness = resolution / printer.resolution();
    PrintView3D view({{0.0, 0.0}, {pixels.width() * fineness, pixels.height() * fineness}});
    view.document = std::shared_ptr<const Document>(std::shared_ptr<const Document>(), &document);
    const std::optional<RgbaImage> image = view.image(reliefRenderers);
    if (!image || image->width() == 0)
      return reliefUnavailable();
    relief = toQImage(*image);
  }

  QPainter painter;
  if (!painter.begin(&printer))
    return localized("Print", "The printer could not be started.");
  if (!relief.isNull()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0.0, 0.0, pixels.width(), pixels.height()), relief);
  } else {
    // The view covers the printable area at the scaling; drawn straight in
    // the printer's pixels, its units are pixelsPerPoint × f pixels.
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
    return printOn(document, printer, scaling, reliefRenderers);

  // Qt's printer would write the file itself, a piece at a time and without
  // telling of a failed write. It writes to a file in memory instead, with
  // every setting of the dialog kept, and the page reaches the disk whole
  // through the checked writer, or not at all.
  const int memory = ::memfd_create("ornival-print", MFD_CLOEXEC);
  if (memory < 0)
    return std::system_category().message(errno);
  printer.setOutputFileName(QStringLiteral("/proc/self/fd/%1").arg(memory));
  const std::string printed = printOn(document, printer, scaling, reliefRenderers);
  printer.setOutputFileName(file);
  std::string data;
  int readError = 0;
  struct stat written {};
  if (::fstat(memory, &written) == 0) {
    data.resize(std::size_t(written.st_size));
    for (std::size_t read = 0; read < data.size();) {
      const ssize_t n = ::pread(memory, data.data() + read, data.size() - read, off_t(read));
      if (n < 0 && errno == EINTR)
        continue;
      if (n <= 0) {
        readError = n < 0 ? errno : EIO;
        break;
      }
      read += std::size_t(n);
    }
  } else {
    readError = errno;
  }
  ::close(memory);
  if (!printed.empty())
    return printed;
  if (readError != 0)
    return std::system_category().message(readError);
  // A PDF file that ended well closes with its end-of-file mark.
  const std::string_view tail = std::string_view(data).substr(data.size() > 32 ? data.size() - 32 : 0);
  if (!data.starts_with("%PDF-") || tail.find("%%EOF") == std::string_view::npos)
    return localized("Print", "The page could not be printed.");
  const std::filesystem::path target(file.toStdString());
  const std::string error = writeFileAtomically(target, data, calls);
  if (error.empty())
    return {};
  return formatText(localized("Print", "The PDF file “%1” could not be written: %2."),
                    {target.filename().string(), error});
}

}  // namespace ornival
