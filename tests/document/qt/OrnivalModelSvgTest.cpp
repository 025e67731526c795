#include "document/OrnivalModel.h"
#include "model/Shape.h"
#include "platform/NumberText.h"
#include "support/ExportDocuments.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace ornival {
namespace {

// Parses the whole text; the first error, else empty.
std::string xmlError(const std::string& text) {
  QXmlStreamReader reader(QByteArray::fromStdString(text));
  while (!reader.atEnd())
    reader.readNext();
  return reader.hasError() ? reader.errorString().toStdString() : std::string();
}

int occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

// The first line holding marker.
std::string lineWith(const std::string& text, const std::string& marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string::npos)
    return {};
  const std::size_t start = text.rfind('\n', at) + 1;
  return text.substr(start, text.find('\n', at) - start);
}

std::string svgOf(const std::string& text) {
  auto model = OrnivalModel::create();
  model->read(text);
  return model->svg();
}

// Two glued squares, the first white, the second red: the document format's
// own example.
const std::string twoSquares = R"(Ornival 0.2

colors:
FF0000FF
FFFFFFFF

shapes:
7,1
0,1,7,3,0,0,0,0,0,2

shapeColor: FFFFFFFF
shapeFactor: 1.0
shapeRadiusLimit: 1.0
borderColor: 000000FF,FFFFFFFF,000000FF
borderWidth: 2.0,0.0,0.0
borderFactor: 1.0
borderRadiusLimit: 1.0
backgroundColor: 1A4DCC00
scale: 20.0
rotation: 0.0
crossings: 0
displayMode: 2
metalness: 0.5
roughness: 0.5
lightAngle: 0.0,0.0,0.0
ambientColor: 999999FF
surfaceZscale: 1.0
surfaceRoundness: 1.0
ripple: 0.0
rippleScale: 0.0
)";

TEST(OrnivalModelSvgTest, TwoSquaresAreWrittenToTheByte) {
  auto model = OrnivalModel::create();
  model->read(twoSquares);
  const std::string svg = model->svg();
  EXPECT_EQ(svg,
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
            "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" \"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
            "viewBox=\"0 0 122.5685424949238 74.2842712474619\" version=\"1.1\" xml:space=\"preserve\">\n"
            "<defs>\n"
            "<polygon id=\"s7\" points=\"0.0,0.0 48.2842712474619,0.0 48.2842712474619,48.2842712474619 "
            "0.0,48.2842712474619\"/>\n"
            "</defs>\n"
            "<g transform=\"translate(13.0 61.28427124746191) scale(1 -1) rotate(0.0)\">\n"
            "<use xlink:href=\"#s7\" transform=\"matrix(1.0 0.0 0.0 1.0 0.0 0.0)\" fill=\"#FFFFFF\" "
            "fill-opacity=\"1\"/>\n"
            "<use xlink:href=\"#s7\" transform=\"matrix(1.0 0.0 0.0 1.0 48.2842712474619 7.105427357601002e-15)\" "
            "fill=\"#FF0000\" fill-opacity=\"1\"/>\n"
            "<path stroke=\"#000000\" stroke-opacity=\"1\" stroke-width=\"2.0\" stroke-linecap=\"round\" "
            "stroke-miterlimit=\"4\" fill-opacity=\"0\" d=\"M0.0,0.0 L48.2842712474619,0.0 "
            "L48.2842712474619,48.2842712474619 L0.0,48.2842712474619 Z M48.2842712474619,7.105427357601002e-15 "
            "L96.5685424949238,7.105427357601002e-15 L96.5685424949238,48.28427124746191 "
            "L48.2842712474619,48.28427124746191 Z\"/>\n"
            "</g>\n"
            "</svg>");
  EXPECT_EQ(xmlError(svg), "");
  // The drawing's size, for the caller.
  EXPECT_DOUBLE_EQ(model->bounds.size.x, 2 * 48.2842712474619 + 26);
  EXPECT_DOUBLE_EQ(model->bounds.size.y, 48.28427124746191 + 26);
}

// A rounded definition starts at the midpoint of the last side, where the
// figure's own rounded outline starts at the first.
TEST(OrnivalModelSvgTest, RoundedDefinitionStartsAtTheLastSidesMidpoint) {
  const std::string svg = svgOf(testing::documentText("7,0\n", "shapeFactor: 0.5\n"));
  const double side = 48.2842712474619;
  const std::string start = "<path id=\"s7\" d=\"M0.0," + formatNumberWithFraction(side / 2) + "C";
  EXPECT_NE(svg.find(start), std::string::npos) << svg;
  EXPECT_EQ(occurrences(lineWith(svg, "<path id"), "C"), 4) << "four rounded corners";
}

struct SvgCase {
  const char* name;
  std::string shapes;
  std::string settings;
  std::vector<std::string> present;
  std::vector<std::string> absent;
  // In the first line holding the marker: how often the part occurs.
  struct Count {
    std::string marker, part;
    int count;
  };
  std::vector<Count> counts;
};

// Two by two squares around a crossing at the middle.
const std::string fourSquares = "7,0\n0,1,7,3,0\n0,2,7,0,0\n1,2,7,0,0\n";

TEST(OrnivalModelSvgTest, Cases) {
  const std::vector<SvgCase> cases = {
      {"one definition for one figure", fourSquares, "",
       {"<polygon id=\"s7\""}, {"<path id="}, {{"", "<polygon", 1}, {"", "xlink:href=\"#s7\"", 4}}},
      {"other factor, rounded path", "7,0\n", "shapeFactor: 0.5\n", {"<path id=\"s7\" d=\"M"}, {"<polygon"}, {}},
      {"corners at the limit stay sharp", "7,0\n", "shapeFactor: 0.5\nshapeRadiusLimit: 0.0\n",
       {"<path id=\"s7\" d=\"M"}, {"C-", "C0", "C4"}, {{"<path id", "L", 8}}},
      {"transparent background, no rect", "7,0\n", "backgroundColor: 1A4DCC00\n", {}, {"<rect"}, {}},
      {"opaque background", "7,0\n", "backgroundColor: 1A4DCCFF\n",
       {"<rect x=\"0\" y=\"0\" width=\"100%\" height=\"100%\" fill=\"#1A4DCC\" fill-opacity=\"1\"/>"}, {}, {}},
      {"one band of width 2", "7,0\n", "borderColor: 00FF00FF,FFFFFFFF,000000FF\nborderWidth: 2.0,0.0,0.0\n",
       {"stroke=\"#00FF00\" stroke-opacity=\"1\" stroke-width=\"2.0\""}, {}, {{"", "stroke-width", 1}}},
      {"bands widest first", "7,0\n", "borderColor: 0000FFFF,00FF00FF,FF0000FF\nborderWidth: 1.0,3.0,2.0\n",
       {"stroke=\"#00FF00\" stroke-opacity=\"1\" stroke-width=\"3.0\" stroke-linecap=\"round\" stroke-miterlimit=\"4\" "
        "fill-opacity=\"0\" d=\"M0.0,0.0 L48.2842712474619,0.0 L48.2842712474619,48.2842712474619 "
        "L0.0,48.2842712474619 Z\"/>\n<path stroke=\"#FF0000\" stroke-opacity=\"1\" stroke-width=\"2.0\" "},
       {},
       {{"", "stroke-width", 3}}},
      {"no bands", "7,0\n", "borderWidth: 0.0,0.0,0.0\n", {}, {"stroke"}, {}},
      {"round joins", "7,0\n", "borderLineStyle: 1\n",
       {"stroke-linecap=\"round\" stroke-linejoin=\"round\""}, {"miterlimit"}, {}},
      {"translucent band", "7,0\n", "borderColor: 00000080,FFFFFFFF,000000FF\n", {"stroke-opacity=\"0.502\""}, {}, {}},
      {"crossings off", fourSquares, "borderWidth: 4.0,2.0,0.0\ncrossings: 0\n", {}, {"<path fill"}, {}},
      {"crossings on, equal widths", fourSquares, "borderWidth: 2.0,2.0,2.0\ncrossings: 1\n", {}, {"<path fill"}, {}},
      {"crossings on, one band", fourSquares,
       "borderColor: 00FF00FF,FFFFFFFF,000000FF\nborderWidth: 2.0,0.0,0.0\ncrossings: 1\n",
       // Two pieces a crossing, the one in the middle among them.
       {"<path fill=\"#00FF00\" fill-opacity=\"1\" d=\"M", "Z M49.2842712474619,49.2842712474619 L"},
       {},
       {{"", "<path fill", 1}}},
      {"crossings alternate, two bands", fourSquares, "borderWidth: 4.0,2.0,0.0\ncrossings: 2\n",
       {}, {}, {{"", "<path fill", 2}}},
      {"turned", "7,0\n", "rotation: 90.0\n",
       {"rotate(90.0)", "viewBox=\"0 0 74.2842712474619 74.2842712474619\""}, {}, {}},
      {"no tiles", "", "",
       {"viewBox=\"0 0 26.0 26.0\"", "<defs>\n</defs>\n<g transform=\"translate(13.0 13.0) scale(1 -1) rotate(0.0)\">\n</g>\n</svg>"},
       {"<use", "<path"}, {}},
  };
  for (const SvgCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string svg = svgOf(testing::documentText(c.shapes, c.settings));
    EXPECT_EQ(xmlError(svg), "");
    EXPECT_NE(svg.back(), '\n');
    for (const auto& part : c.present)
      EXPECT_NE(svg.find(part), std::string::npos) << part << "\n" << svg;
    for (const auto& part : c.absent)
      EXPECT_EQ(svg.find(part), std::string::npos) << part << "\n" << svg;
    for (const auto& [marker, part, count] : c.counts)
      EXPECT_EQ(occurrences(marker.empty() ? svg : lineWith(svg, marker), part), count) << part << "\n" << svg;
  }
}

// The two numbers after key, up to the closing quote or bracket.
std::pair<double, double> numbersAfter(const std::string& svg, const std::string& key) {
  const std::size_t at = svg.find(key) + key.size();
  const std::size_t blank = svg.find(' ', at);
  const std::size_t end = svg.find_first_of("\")", blank);
  return {parseNumber(svg.substr(at, blank - at)).value_or(NAN),
          parseNumber(svg.substr(blank + 1, end - blank - 1)).value_or(NAN)};
}

// The view box holds the whole stroke: an acute corner's mitred tip reaches
// half a width over sin(θ/2) beyond the corner, 26 units for a 20-unit band
// at an eighth of a turn, twice the usual margin. Where nothing reaches that
// far the margin stays 13.
TEST(OrnivalModelSvgTest, TheViewBoxHoldsTheMitredTipsOfWideBands) {
  struct Case {
    const char* name;
    std::string settings;
    double width;
    bool mitred;
  };
  const Case cases[] = {
      {"wide band", "borderWidth: 20.0,0.0,0.0\n", 20.0, true},
      {"wide band, turned", "borderWidth: 20.0,0.0,0.0\nrotation: 30.0\n", 20.0, true},
      {"narrow band", "borderWidth: 2.0,0.0,0.0\n", 2.0, true},
      {"wide band, round joins", "borderWidth: 20.0,0.0,0.0\nborderLineStyle: 1\n", 20.0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto model = OrnivalModel::create();
    model->read(testing::documentText("3,0\n", c.settings));
    const std::string svg = model->svg();
    const auto [width, height] = numbersAfter(svg, "viewBox=\"0 0 ");
    const auto [tx, ty] = numbersAfter(svg, "<g transform=\"translate(");
    const double degrees = model->settings.rotation * std::numbers::pi / 180.0;
    // A canvas point as the group places it in the view box.
    const auto placed = [&](Vec2 p) {
      return Vec2{tx + p.x * std::cos(degrees) - p.y * std::sin(degrees),
                  ty - (p.x * std::sin(degrees) + p.y * std::cos(degrees))};
    };
    std::vector<Vec2> corners;
    for (const Line& side : model->shapes.front()->border())
      corners.push_back(side.vertex0);
    double left = width, right = 0.0, top = height, bottom = 0.0;
    double cornersLeft = width, cornersTop = height;
    for (const Vec2 corner : corners) {
      cornersLeft = std::min(cornersLeft, placed(corner).x);
      cornersTop = std::min(cornersTop, placed(corner).y);
    }
    const auto reach = [&](Vec2 p) {
      const Vec2 q = placed(p);
      left = std::min(left, q.x), right = std::max(right, q.x);
      top = std::min(top, q.y), bottom = std::max(bottom, q.y);
    };
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const Vec2 p = corners[(i + corners.size() - 1) % corners.size()];
      const Vec2 v = corners[i];
      const Vec2 n = corners[(i + 1) % corners.size()];
      const Vec2 a = (p - v) / (p - v).length();
      const Vec2 b = (n - v) / (n - v).length();
      const double half = std::acos(a.dot(b)) / 2;
      const Vec2 outward = (a + b) * -1.0 / (a + b).length();
      // The mitred tip where the limit of 4 keeps it, else the widest the
      // band reaches round the corner.
      const double farthest = c.mitred && 1.0 / std::sin(half) <= 4.0 ? c.width / 2 / std::sin(half) : c.width / 2;
      reach(v + outward * farthest);
    }
    EXPECT_GE(left, -1e-9);
    EXPECT_GE(top, -1e-9);
    EXPECT_LE(right, width + 1e-9);
    EXPECT_LE(bottom, height + 1e-9);
    // The drawing sits in the middle: a margin as wide on either side.
    EXPECT_NEAR(left, width - right, 1e-9);
    EXPECT_NEAR(top, height - bottom, 1e-9);
    if (c.width / 2 / std::sin(std::numbers::pi / 8) > 13.0 && c.mitred) {
      EXPECT_NEAR(std::min(left, top), 0.0, 1e-9) << "a tip touches the box";
    } else {
      EXPECT_NEAR(cornersLeft, 13.0, 1e-9) << "the plain margin";
      EXPECT_NEAR(cornersTop, 13.0, 1e-9) << "the plain margin";
    }
  }
}

}  // namespace
}  // namespace ornival
