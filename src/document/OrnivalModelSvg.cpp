#include "document/ColorText.h"
#include "document/OrnivalModel.h"
#include "document/PrintView.h"
#include "figures/Figure.h"
#include "figures/catalogue/Shapes.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/LineAttribute.h"
#include "model/Shape.h"
#include "platform/LineStyle.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <array>
#include <numbers>

namespace ornival {

namespace {

// One canvas unit is one user unit; the drawing keeps this much room around
// the tiles on every side.
constexpr double margin = 13.0;
// Figure units to canvas units.
constexpr double canvasScale = 20.0;

std::string number(double value) { return formatNumberWithFraction(value); }

void appendPoint(std::string& out, Vec2 p) {
  out += number(p.x);
  out += ',';
  out += number(p.y);
}

// Appends the elements as path data; large drawings write a great many.
void appendPathData(std::string& out, const std::vector<PathElement>& elements) {
  out.reserve(out.size() + elements.size() * 24);
  bool first = true;
  for (const PathElement& e : elements) {
    if (!first)
      out += ' ';
    first = false;
    switch (e.kind) {
      case PathElement::Kind::move:
        out += 'M';
        appendPoint(out, e.point);
        break;
      case PathElement::Kind::line:
        out += 'L';
        appendPoint(out, e.point);
        break;
      case PathElement::Kind::curve:
        out += 'C';
        appendPoint(out, e.control1);
        out += ' ';
        appendPoint(out, e.control2);
        out += ' ';
        appendPoint(out, e.point);
        break;
      case PathElement::Kind::close:
        out += 'Z';
        break;
    }
  }
}

static_assert(miterLimit == 4.0, "the drawing's miter limit is the painter's");

std::string strokeAttributes(const Color& color, double width, bool lineStyle) {
  std::string out = " stroke=\"#" + rgbHexString(color) + "\" stroke-opacity=\"" + opacityString(color) +
                    "\" stroke-width=\"" + number(width) + "\"";
  out += lineStyle ? " stroke-linecap=\"round\" stroke-linejoin=\"round\""
                   : " stroke-linecap=\"round\" stroke-miterlimit=\"4\"";
  return out;
}

// The three bands sorted by width, narrowest first; equal widths keep the
// order of the settings.
std::array<LineAttribute, 3> sortedBands(const DocumentSettings& s) {
  std::array<LineAttribute, 3> bands{LineAttribute{s.borderWidth, s.borderColor},
                                     LineAttribute{s.borderWidth2, s.borderColor2},
                                     LineAttribute{s.borderWidth3, s.borderColor3}};
  std::stable_sort(bands.begin(), bands.end(),
                   [](const LineAttribute& a, const LineAttribute& b) { return a.width < b.width; });
  return bands;
}

}  // namespace

std::string OrnivalModel::svgFillAttribute(const Color& color) {
  return " fill=\"#" + rgbHexString(color) + "\" fill-opacity=\"" + opacityString(color) + "\"";
}

std::string OrnivalModel::svg() { return svgDocument(); }

std::string OrnivalModel::svgDocument() {
  collectBorderEdges();
  const Rect box = rotatedBounds(borderEdges, settings.rotation);
  const double x = box.origin.x, y = box.origin.y, w = box.size.x, h = box.size.y;

  const auto bands = sortedBands(settings);
  std::vector<PathElement> outline;
  for (const auto& tile : shapes) {
    const auto elements = tile->borderPathElements();
    outline.insert(outline.end(), elements.begin(), elements.end());
  }
  // The crossings the window draws, from the same pieces.
  Path over;
  Path over2;
  if (settings.crossings != CrossingStatus::off && !shapes.empty()) {
    const auto graph = Graph::create(shapes);
    over = crossingPieces(*graph, bands[1].width, bands[0].width);
    over2 = crossingPieces(*graph, bands[2].width, bands[1].width);
  }

  // The margin holds what is drawn beyond the tiles' corners: wide bands,
  // their mitred tips most of all, and crossing pieces. It grows alike on
  // both sides, so that the tiles stay in the middle.
  double marginX = margin;
  double marginY = margin;
  const AffineTransform turn = AffineTransform::rotation(settings.rotation * std::numbers::pi / 180.0);
  const auto hold = [&](const std::optional<Rect>& drawn) {
    if (!drawn || shapes.empty())
      return;
    marginX = std::max({marginX, x - drawn->minX(), drawn->maxX() - (x + w)});
    marginY = std::max({marginY, y - drawn->minY(), drawn->maxY() - (y + h)});
  };
  if (bands[2].width > 0.0)
    hold(Path(outline).transformed(turn).strokedBoundingBox(
        bands[2].width, settings.borderLineStyle ? LineJoin::round : LineJoin::miter));
  hold(over.transformed(turn).boundingBox());
  hold(over2.transformed(turn).boundingBox());
  const double W = w + 2 * marginX, H = h + 2 * marginY;
  bounds.size = {W, H};

  std::string out;
  out.reserve(1024 + shapes.size() * 400);
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  out += "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
         "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" viewBox=\"0 0 " +
         number(W) + " " + number(H) + "\" version=\"1.1\" xml:space=\"preserve\">\n";
  if (settings.backgroundColor.alpha > 0.0)
    out += "<rect x=\"0\" y=\"0\" width=\"100%\" height=\"100%\"" + svgFillAttribute(settings.backgroundColor) +
           "/>\n";

  out += "<defs>\n";
  const std::vector<int>& perFigure = counts();
  for (const Shapes kind : Shapes::allButLast()) {
    const int raw = kind.rawValue();
    if (std::size_t(raw) >= perFigure.size() || perFigure[std::size_t(raw)] <= 0)
      continue;
    const auto tile = Shape::create(Shapes::figures()[std::size_t(raw - Shapes::firstRawValue)]);
    tile->borderBezierFactor = 2 * borderFactor();
    tile->shapeBezierFactor = 2 * shapeFactor();
    tile->borderRadiusLimit = settings.borderRadiusLimit;
    tile->shapeRadiusLimit = settings.shapeRadiusLimit;
    out += svgShapeElement(*tile, " id=\"s" + formatInteger(raw) + "\"");
    out += '\n';
  }
  out += "</defs>\n";

  out += "<g transform=\"translate(" + number(marginX - x) + " " + number(y + h + marginY) + ") scale(1 -1) rotate(" +
         number(settings.rotation) + ")\">\n";
  for (const auto& tile : shapes) {
    const AffineTransform& t = tile->transformation;
    out += "<use xlink:href=\"#s";
    out += formatInteger(tile->figure()->tool().rawValue());
    out += "\" transform=\"matrix(";
    for (const double v : {t.a * 0.05, t.b * 0.05, t.c * 0.05, t.d * 0.05, t.tx}) {
      out += number(v);
      out += ' ';
    }
    out += number(t.ty);
    out += ")\"";
    out += svgFillAttribute(tile->shapeColor());
    out += "/>\n";
  }

  if (!shapes.empty()) {
    for (auto band = bands.rbegin(); band != bands.rend() && band->width > 0.0; ++band) {
      out += svgBorder(band->width, "", outline, band->color, true, settings.borderLineStyle);
      out += '\n';
    }
  }
  for (const auto& [pieces, color] : {std::pair{&over, bands[1].color}, std::pair{&over2, bands[2].color}}) {
    if (pieces->isEmpty())
      continue;
    out += "<path" + svgFillAttribute(color) + " d=\"";
    appendPathData(out, pieces->elements());
    out += "\"/>\n";
  }
  out += "</g>\n";
  out += "</svg>";
  return out;
}

std::string OrnivalModel::svgShapeElement(const Shape& tile, std::string_view id) const {
  const Figure& figure = *tile.figure();
  const std::vector<Vec2>& vertices = figure.vertices();
  const int n = int(vertices.size());
  std::string out;
  if (tile.shapeBezierFactor == 2.0) {
    out += "<polygon";
    out += id;
    out += " points=\"";
    for (int i = 0; i < n; ++i) {
      if (i > 0)
        out += ' ';
      appendPoint(out, vertices[std::size_t(i)] * canvasScale);
    }
    out += "\"/>";
    return out;
  }
  const auto vertex = [&](int i) { return vertices[std::size_t(((i % n) + n) % n)] * canvasScale; };
  const auto mid = [&](int i) { return (vertex(i) + vertex(i + 1)) * 0.5; };
  out += "<path";
  out += id;
  out += " d=\"M";
  appendPoint(out, mid(n - 1));
  for (int i = 0; i < n; ++i) {
    const Vec2 previous = mid(i - 1);
    const Vec2 next = mid(i);
    const Vec2 corner = vertex(i);
    if (figure.cornerTurnFraction(i) < tile.shapeRadiusLimit) {
      const double f = tile.shapeBezierFactor * figure.cornerBezierFactor(i);
      out += 'C';
      appendPoint(out, previous + (corner - previous) * f);
      out += ' ';
      appendPoint(out, next + (corner - next) * f);
      out += ' ';
      appendPoint(out, next);
    } else {
      out += 'L';
      appendPoint(out, corner);
      out += 'L';
      appendPoint(out, next);
    }
  }
  out += "Z\"/>";
  return out;
}

std::string OrnivalModel::svgBorder(double width, std::string_view id, const std::vector<PathElement>& elements,
                                    const Color& color, bool outline, bool lineStyle) const {
  std::string out = "<path";
  out += id;
  out += strokeAttributes(color, width, lineStyle);
  if (outline)
    out += " fill-opacity=\"0\"";
  out += " d=\"";
  appendPathData(out, elements);
  out += "\"/>";
  return out;
}

Path OrnivalModel::crossingPieces(Graph& graph, double w1, double w0) const {
  return PrintView::bandPath(w1, w0, settings.borderRadiusLimit, graph, settings.crossings, borderFactor() != 1.0);
}

std::string OrnivalModel::svgCrossings(double w1, double w0, const Color& color) const {
  if (w1 == w0 || shapes.empty())
    return {};
  const auto graph = Graph::create(shapes);
  const Path pieces = crossingPieces(*graph, w1, w0);
  if (pieces.isEmpty())
    return {};
  std::string out = "<path" + svgFillAttribute(color) + " d=\"";
  appendPathData(out, pieces.elements());
  out += "\"/>";
  return out;
}

}  // namespace ornival
