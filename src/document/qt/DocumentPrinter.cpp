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

}  // namespace

std::string printDocument(const Document& document, QPrinter& printer, double scaling,
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

}  // namespace ornival
