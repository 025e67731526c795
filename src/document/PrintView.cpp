#include "document/PrintView.h"

#include "document/Document.h"
#include "document/DocumentEditor.h"
#include "figures/Figure.h"
#include "model/Graph.h"
#include "model/LineAttribute.h"
#include "model/Shape.h"
#include "platform/Painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace ornival {

namespace {

// Laid over white: what an opaque page shows of a translucent colour.
Color flattened(const Color& c) {
  const auto over = [&](double component) { return (1.0 - c.alpha) + c.alpha * component; };
  return {over(c.red), over(c.green), over(c.blue), 1.0};
}

}  // namespace

namespace {

// What the drawing reads, from the document or from content taken before.
struct Page {
  DocumentSettings settings;
  Graph* graph = nullptr;
  Rect page;
};

std::optional<Page> pageOf(const PrintView& view) {
  if (view.document) {
    Page page;
    page.settings = view.document->fileSettings();
    const auto editor = view.document->viewController();
    if (editor) {
      page.graph = &editor->graph();
      page.page = editor->snappedPageBounds();
    }
    return page;
  }
  if (view.content)
    return Page{view.content->settings, view.content->graph.get(), view.content->page};
  return std::nullopt;
}

}  // namespace

AffineTransform PrintView::pageTransform(const Rect& rect) const {
  const auto page = pageOf(*this);
  Vec2 shift = -rect.origin;
  if (printing) {
    // The page frame, in turned canvas units, lands in the middle of the view.
    const Rect frameOfPage = page ? page->page : Rect{};
    shift = frame.size * 0.5 - frameOfPage.center() * scale;
  }
  const double degrees = page ? page->settings.rotation : 0.0;
  // Scaled first, then turned, then moved: the page bounds are measured in
  // turned canvas units, so the move must come last for the page to land in
  // the view.
  return AffineTransform::scale(scale, scale)
      .concatenating(AffineTransform::rotation(degrees * std::numbers::pi / 180.0))
      .concatenating(AffineTransform::translation(shift.x, shift.y));
}

Rect PrintView::paginatedFrame(const Rect& imageable, double scaling) {
  const double f = std::isfinite(scaling) && scaling > 0.0 ? scaling : 1.0;
  // The printable area's size already leaves out its margins: taking them
  // off again would shrink the view and pull the drawing off centre.
  return {{0.0, 0.0}, imageable.size * (1.0 / f)};
}

void PrintView::drawDocument(Painter& painter, const Rect& rect) const {
  const auto page = pageOf(*this);
  if (!page)
    return;
  const DocumentSettings& settings = page->settings;
  if (!printing) {
    const Color background = settings.backgroundColor;
    painter.fill(Path::rectangle({{0.0, 0.0}, rect.size}), exportAlpha ? background : flattened(background));
  }
  if (!page->graph)
    return;
  Graph& graph = *page->graph;
  const AffineTransform m = pageTransform(rect);

  Path border;
  for (const auto& tile : graph.shapes()) {
    const Path outline = tile->figure()
                             ->roundedBezierPath(tile->shapeBezierFactor, tile->shapeRadiusLimit)
                             .transformed(tile->transformation.concatenating(m));
    const Color& color = tile->shapeColor();
    // A hairline of the tile's own colour closes the seams that antialiasing
    // leaves between opaque neighbours; translucent tiles would show it.
    if (color.alpha >= 1.0)
      painter.stroke(outline, color, StrokeStyle{});
    painter.fill(outline, color);
    border.append(tile->borderBezierPath().transformed(m));
  }

  std::array<LineAttribute, 3> bands{LineAttribute{settings.borderWidth, settings.borderColor},
                                     LineAttribute{settings.borderWidth2, settings.borderColor2},
                                     LineAttribute{settings.borderWidth3, settings.borderColor3}};
  std::stable_sort(bands.begin(), bands.end());
  const LineJoin join = settings.borderLineStyle ? LineJoin::round : LineJoin::miter;
  for (auto band = bands.rbegin(); band != bands.rend() && band->width > 0.0; ++band)
    painter.stroke(border, band->color, StrokeStyle{band->width * scale, LineCap::round, join});

  if (settings.crossings != CrossingStatus::off) {
    const bool rounded = settings.borderBezierFactor != 1.0;
    const double limit = settings.borderRadiusLimit;
    const Path over = bandPath(bands[1].width, bands[0].width, limit, graph, settings.crossings, rounded);
    if (!over.isEmpty())
      painter.fill(over.transformed(m), bands[1].color);
    const Path over2 = bandPath(bands[2].width, bands[1].width, limit, graph, settings.crossings, rounded);
    if (!over2.isEmpty())
      painter.fill(over2.transformed(m), bands[2].color);
  }
}

Path PrintView::bandPath(double w1, double w0, double radiusLimit, Graph& graph, CrossingStatus crossings,
                         bool rounded) {
  if (w1 == w0)
    return {};
  Graph::CrossingBands bands;
  bands.halfWidth = w1 / 2;
  bands.reachHalfWidth = w0 / 2;
  bands.radiusLimit = radiusLimit;
  bands.crossingsOn = crossings == CrossingStatus::on;
  bands.rounded = rounded;
  return Path(graph.crossingPaths(bands));
}

}  // namespace ornival
