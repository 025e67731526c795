#include "app/sheet/CatalogueSheet.h"

#include "figures/Figure.h"
#include "figures/catalogue/Shapes.h"
#include "platform/NumberText.h"
#include "platform/XmlText.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

namespace ornival {

namespace {

constexpr double margin = 24.0;
constexpr double gap = 18.0;
constexpr double fontSize = 11.0;
constexpr double lineHeight = 14.0;
// A generous average advance of the sans-serif font, so that labels never run
// into their neighbours.
constexpr double characterWidth = 6.6;
constexpr double titleHeight = 40.0;

// Two decimals are far below a pixel and keep the file small.
std::string number(double value) { return formatNumber(std::round(value * 100.0) / 100.0); }

// Characters, not bytes: a fraction's three code points take three bytes each.
std::size_t characterCount(std::string_view text) {
  return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The outline as drawn: as walked, or turned about the centre by the icon's
// angle.
std::vector<Vec2> drawnOutline(const Figure& figure, bool turned) {
  std::vector<Vec2> points = figure.vertices();
  if (!turned)
    return points;
  const double angle = figure.imageAngle();
  const double c = std::cos(angle), s = std::sin(angle);
  const Vec2 centre = figure.center();
  for (Vec2& p : points) {
    const Vec2 d = p - centre;
    p = centre + Vec2{c * d.x - s * d.y, s * d.x + c * d.y};
  }
  return points;
}

struct Cell {
  const Figure* figure;
  std::vector<Vec2> outline;
  std::string caption;
  double minX, maxY;     // the figure's bounds in its own units
  double width, height;  // the cell in pixels, label included
  double figureWidth, figureHeight;
  double x = 0.0, y = 0.0;
};

}  // namespace

std::string CatalogueSheet::svg() const {
  const auto& figures = Shapes::figures();

  std::vector<Cell> cells;
  cells.reserve(figures.size());
  for (std::size_t i = 0; i < figures.size(); ++i) {
    const Figure& figure = *figures[i];
    const int rawValue = figure.tool().rawValue();
    if (rawValue < firstRawValue || rawValue > lastRawValue)
      continue;
    std::vector<Vec2> outline = drawnOutline(figure, turned);
    double minX = outline[0].x, maxX = minX, minY = outline[0].y, maxY = minY;
    for (const Vec2& v : outline) {
      minX = std::min(minX, v.x);
      maxX = std::max(maxX, v.x);
      minY = std::min(minY, v.y);
      maxY = std::max(maxY, v.y);
    }
    std::string caption = formatInteger(figure.tool().rawValue());
    const double figureWidth = (maxX - minX) * pixelsPerUnit;
    const double figureHeight = (maxY - minY) * pixelsPerUnit;
    const double labelWidth =
        double(std::max(characterCount(figure.name()), characterCount(caption))) * characterWidth;
    cells.push_back({&figure, std::move(outline), std::move(caption), minX, maxY, std::max(figureWidth, labelWidth),
                     figureHeight + 2 * lineHeight + 4, figureWidth, figureHeight});
  }

  // Shelves in raw-value order: a row takes cells until the next would not
  // fit, and is as tall as its tallest cell.
  double x = margin, y = margin + titleHeight, rowHeight = 0.0;
  for (Cell& cell : cells) {
    if (x > margin && x + cell.width > pageWidth - margin) {
      x = margin;
      y += rowHeight + gap;
      rowHeight = 0.0;
    }
    cell.x = x;
    cell.y = y;
    x += cell.width + gap;
    rowHeight = std::max(rowHeight, cell.height);
  }
  const double pageHeight = y + rowHeight + margin;

  std::string out;
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + number(pageWidth) + "\" height=\"" +
         number(pageHeight) + "\" viewBox=\"0 0 " + number(pageWidth) + " " + number(pageHeight) + "\">\n";
  out += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
  out += "<text x=\"" + number(margin) + "\" y=\"" + number(margin + 18) +
         "\" font-family=\"sans-serif\" font-size=\"20\" fill=\"#202020\">Ornival catalogue: " +
         formatInteger(std::int64_t(cells.size())) + " figures at one scale";
  if (cells.size() != figures.size())
    out += " (" + formatInteger(firstRawValue) + " to " + formatInteger(lastRawValue) + ")";
  out += "</text>\n";

  for (const Cell& cell : cells) {
    // y points up in the figure and down on the page.
    const double left = cell.x + (cell.width - cell.figureWidth) / 2;
    std::string points;
    for (const Vec2& v : cell.outline) {
      if (!points.empty())
        points += ' ';
      points += number(left + (v.x - cell.minX) * pixelsPerUnit) + "," +
                number(cell.y + (cell.maxY - v.y) * pixelsPerUnit);
    }
    out += "<g>\n<polygon points=\"" + points + "\" fill=\"#cfe0f0\" stroke=\"#1f4e79\"";
    out += " stroke-width=\"1\" stroke-linejoin=\"round\"/>\n";
    const std::string centre = number(cell.x + cell.width / 2);
    const std::string textStyle = "\" text-anchor=\"middle\" font-family=\"sans-serif\" font-size=\"" +
                                  number(fontSize) + "\" fill=\"#202020\">";
    out += "<text x=\"" + centre + "\" y=\"" + number(cell.y + cell.figureHeight + lineHeight) + textStyle +
           xmlEscaped(cell.caption) + "</text>\n";
    out += "<text x=\"" + centre + "\" y=\"" + number(cell.y + cell.figureHeight + 2 * lineHeight) + textStyle +
           xmlEscaped(cell.figure->name()) + "</text>\n</g>\n";
  }
  out += "</svg>\n";
  return out;
}

}  // namespace ornival
