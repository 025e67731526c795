#include "quicklook/OrnivalView.h"

#include "document/OrnivalModel.h"
#include "document/PrintView.h"
#include "figures/Figure.h"
#include "model/Graph.h"
#include "model/LineAttribute.h"
#include "model/Shape.h"
#include "platform/Painter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace ornival {

void OrnivalView::drawModel(Painter& painter, const Rect& rect) const {
  if (!ornival || ornival->is3D())
    return;
  const DocumentSettings& settings = ornival->settings;
  const double width = rect.size.x;
  const double height = rect.size.y;

  Color background = settings.backgroundColor;
  if (!exportAlpha) {
    const auto over = [&](double component) { return (1.0 - background.alpha) + background.alpha * component; };
    background = {over(background.red), over(background.green), over(background.blue), 1.0};
  }
  Path page;
  page.moveTo({0.0, 0.0});
  page.lineTo({width, 0.0});
  page.lineTo({width, height});
  page.lineTo({0.0, height});
  page.close();
  painter.fill(page, background);

  std::vector<std::shared_ptr<Edge>> edges;
  for (const auto& tile : ornival->shapes)
    edges.insert(edges.end(), tile->edges().begin(), tile->edges().end());
  const Rect box0 = rotatedBounds(edges, 0.0);
  const Rect boxR = rotatedBounds(edges, settings.rotation);

  std::array<LineAttribute, 3> bands{LineAttribute{settings.borderWidth, settings.borderColor},
                                     LineAttribute{settings.borderWidth2, settings.borderColor2},
                                     LineAttribute{settings.borderWidth3, settings.borderColor3}};
  std::stable_sort(bands.begin(), bands.end());
  const double margin = std::max(bands[2].width, 0.0);
  // An empty document has an empty box: the fit then only depends on the
  // widest band, and a document without bands draws nothing to fit.
  const double sx = width / (boxR.size.x + margin);
  const double sy = height / (boxR.size.y + margin);
  const double s = std::min(sx, sy);
  if (!(s > 0.0) || !std::isfinite(s))
    return;

  const AffineTransform m = AffineTransform::translation(-box0.center().x, -box0.center().y)
                                .concatenating(AffineTransform::rotation(settings.rotation * std::numbers::pi / 180.0))
                                .concatenating(AffineTransform::scale(s, s))
                                .concatenating(AffineTransform::translation(width / 2.0, height / 2.0));

  Path border;
  for (const auto& tile : ornival->shapes) {
    const Path outline = tile->figure()
                             ->roundedBezierPath(tile->shapeBezierFactor, tile->shapeRadiusLimit)
                             .transformed(tile->transformation.concatenating(m));
    painter.fill(outline, tile->shapeColor());
    border.append(tile->borderBezierPath().transformed(m));
  }

  const LineJoin join = settings.borderLineStyle ? LineJoin::round : LineJoin::miter;
  for (auto band = bands.rbegin(); !border.isEmpty() && band != bands.rend() && band->width > 0.0; ++band)
    painter.stroke(border, band->color, StrokeStyle{band->width * s, LineCap::round, join});

  if (settings.crossings != CrossingStatus::off) {
    const auto graph = Graph::create(ornival->shapes);
    const bool rounded = settings.borderBezierFactor != 1.0;
    const double limit = settings.borderRadiusLimit;
    const Path over = PrintView::bandPath(bands[1].width, bands[0].width, limit, *graph, settings.crossings, rounded);
    if (!over.isEmpty())
      painter.fill(over.transformed(m), bands[1].color);
    const Path over2 = PrintView::bandPath(bands[2].width, bands[1].width, limit, *graph, settings.crossings, rounded);
    if (!over2.isEmpty())
      painter.fill(over2.transformed(m), bands[2].color);
  }
}

}  // namespace ornival
