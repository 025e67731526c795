#include "document/OrnivalModel.h"
#include "support/ExportDocuments.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace ornival
