#include "document/OrnivalModel.h"

#include "document/ColorText.h"
#include "figures/Figure.h"
#include "model/Edge.h"
#include "model/LineAttribute.h"
#include "model/Shape.h"
#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace ornival {
namespace {

// A tile as the file tells it: figure number, its own colour when it has one,
// layer, group-join flags and, for every joined side, the tile and side it is
// glued to when that tile comes earlier ("1>0.1": side 1 onto tile 0's side 1).
std::string describeTiles(const OrnivalModel& model) {
  std::string text;
  for (std::size_t i = 0; i < model.shapes.size(); ++i) {
    const Shape& tile = *model.shapes[i];
    EXPECT_EQ(tile.index, int(i)) << "index of tile " << i;
    if (i > 0)
      text += " | ";
    text += std::to_string(tile.figure()->tool().rawValue());
    if (tile.customShapesColors)
      text += " #" + hexString(tile.shapeColor());
    if (tile.layerIndex != 0)
      text += " L" + std::to_string(tile.layerIndex);
    std::string flags;
    for (const auto& edge : tile.edges())
      flags += edge->isGroupJoin ? '1' : '0';
    if (flags.find('1') != std::string::npos)
      text += " G" + flags;
    for (const auto& edge : tile.edges()) {
      const auto partner = edge->join.lock();
      if (!partner)
        continue;
      const auto other = partner->shape.lock();
      EXPECT_EQ(partner->join.lock(), edge) << "one-sided join on tile " << i;
      if (other && other->index < int(i))
        text += " " + std::to_string(edge->index()) + ">" + std::to_string(other->index) + "." +
                std::to_string(partner->index());
    }
  }
  return text;
}

// The settings that differ from a new document's, as key=value.
std::string describeSettings(const DocumentSettings& s) {
  const DocumentSettings d;
  std::string text;
  const auto add = [&text](const char* key, const std::string& value) {
    text += (text.empty() ? "" : " ") + std::string(key) + "=" + value;
  };
  const auto number = [&](const char* key, double a, double b) {
    if (a != b || std::signbit(a) != std::signbit(b))
      add(key, formatNumber(a));
  };
  const auto color = [&](const char* key, const Color& a, const Color& b) {
    if (a != b)
      add(key, hexString(a));
  };
  color("shapeColor", s.shapeColor, d.shapeColor);
  number("shapeFactor", s.shapeBezierFactor, d.shapeBezierFactor);
  number("shapeRadiusLimit", s.shapeRadiusLimit, d.shapeRadiusLimit);
  color("borderColor", s.borderColor, d.borderColor);
  color("borderColor2", s.borderColor2, d.borderColor2);
  color("borderColor3", s.borderColor3, d.borderColor3);
  number("borderWidth", s.borderWidth, d.borderWidth);
  number("borderWidth2", s.borderWidth2, d.borderWidth2);
  number("borderWidth3", s.borderWidth3, d.borderWidth3);
  if (s.borderLineStyle != d.borderLineStyle)
    add("borderLineStyle", "1");
  number("borderFactor", s.borderBezierFactor, d.borderBezierFactor);
  number("borderRadiusLimit", s.borderRadiusLimit, d.borderRadiusLimit);
  color("backgroundColor", s.backgroundColor, d.backgroundColor);
  number("scale", s.scale, d.scale);
  number("rotation", s.rotation, d.rotation);
  if (s.pageBounds != d.pageBounds)
    add("bounds", formatNumber(s.pageBounds.origin.x) + "," + formatNumber(s.pageBounds.origin.y) + "," +
                      formatNumber(s.pageBounds.size.x) + "," + formatNumber(s.pageBounds.size.y));
  if (s.crossings != d.crossings)
    add("crossings", std::to_string(int(s.crossings)));
  if (s.displayMode != d.displayMode)
    add("displayMode", std::to_string(s.displayMode));
  number("metalness", s.metalness, d.metalness);
  number("roughness", s.roughness, d.roughness);
  number("lightAngleX", s.lightAngleX, d.lightAngleX);
  number("lightAngleY", s.lightAngleY, d.lightAngleY);
  number("lightAngleZ", s.lightAngleZ, d.lightAngleZ);
  color("ambientColor", s.ambientColor, d.ambientColor);
  number("surfaceZscale", s.surfaceZscale, d.surfaceZscale);
  number("surfaceRoundness", s.surfaceRoundness, d.surfaceRoundness);
  number("ripple", s.ripple, d.ripple);
  number("rippleScale", s.rippleScale, d.rippleScale);
  return text;
}

struct ReadCase {
  const char* name;
  std::string text;
  TextKind kind;
  const char* tiles;
  const char* settings = "";
};

TEST(OrnivalModel, ReadsFileTextsIntoTilesAndSettings) {
  const std::string head = "Ornival 0.2\n\nshapes:\n";
  const ReadCase cases[] = {
      // The text as a whole.
      {"empty text", "", TextKind::notDocument, "", ""},
      {"no header", "shapes:\n7\n\nscale: 5.0\n", TextKind::notDocument, "", ""},
      {"header alone", "Ornival 0.2", TextKind::document, "", ""},
      {"lines before the header", "hello\nscale: 5.0\nOrnival 9\nscale: 6.0\n", TextKind::document, "",
       "scale=6"},
      {"byte-order mark", "\xEF\xBB\xBFOrnival 0.2\nscale: 6.0\n", TextKind::document, "", "scale=6"},
      {"not UTF-8", "Ornival 0.2\nshapes:\n7\n\nscale: 6.0\n\xC0\x80\n", TextKind::notUtf8, "", ""},
      {"surrogate", "Ornival 0.2\nscale: 6.0\n\xED\xA0\x80", TextKind::notUtf8, "", ""},
      // Line ends.
      {"CRLF", "Ornival 0.2\r\n\r\nshapes:\r\n7\r\n0,1,7,3\r\n\r\nscale: 6.0\r\n", TextKind::document,
       "7 | 7 3>0.1", "scale=6"},
      {"CR, U+2028, U+2029, U+0085", "Ornival 0.2\rshapes:\xE2\x80\xA8" "7\xE2\x80\xA9" "0,1,7,3\xC2\x85\xC2\x85scale: 6.0",
       TextKind::document, "7 | 7 3>0.1", "scale=6"},
      // Sections.
      {"shapes right after the header", "Ornival 0.2\nshapes:\n7\n", TextKind::document, "7", ""},
      {"version 0.1 inline colours", "Ornival 0.1\n7,FF0000FF\n0,1,7,3,0\n\nripple: 2.0\n", TextKind::document,
       "7 #FF0000FF | 7 #0 3>0.1", "ripple=2"},
      {"inline colour under 0.2 is no index", head + "7,FF0000FF\n", TextKind::document, "7", ""},
      {"colour table, first field of a line",
       "Ornival 0.2\ncolors:\n0\n00000000\n0x00ff00ff,7\n shapes:\n\nshapes:\n7,2\n0,0,7,0,1\n0,1,7,0,3\n"
       "0,2,7,0,4\n0,3,7,0,-1\n",
       TextKind::document, "7 #00FF00FF | 7 #0 0>0.0 | 7 #0 0>0.1 | 7 0>0.2 | 7 0>0.3", ""},
      {"colours never fail", "Ornival 0.2\nshapeColor: FF0000FF,00FF00FF\nbackgroundColor: xyz\n"
       "ambientColor: 123\nborderColor: ,AABBCCDD\n",
       TextKind::document, "",
       "shapeColor=FF0000FF borderColor=0 borderColor2=AABBCCDD backgroundColor=0 ambientColor=00000123"},
      {"unknown section skipped to the empty line", "Ornival 0.2\nfoo\nscale: 5.0\n\nscale:7.0\nrotation: 1.0\n\n"
       "rotation: 2.0\n",
       TextKind::document, "", "rotation=2"},
      {"value is the second part only", "Ornival 0.2\nscale: 5.0: 7\nscale: 6.0\n\nfoo: bar\n", TextKind::document,
       "", "scale=6"},
      // Values.
      {"numbers", "Ornival 0.2\nscale: +5.5\nrotation: -1e-05\nmetalness: 1.\nroughness: .25\n"
       "ripple: inf\nrippleScale: nan\nsurfaceZscale: 0x1p3\nsurfaceRoundness: 1e999\nshapeFactor: 2.0 \n"
       "borderFactor:  2.0\nshapeRadiusLimit: 1,5\n",
       TextKind::document, "", "scale=5.5 rotation=-1e-05 metalness=1 roughness=0.25"},
      {"lists", "Ornival 0.2\nborderWidth: 3.0,x,1.0\nbounds: 1,2,3\nlightAngle: 1,2\nborderColor: FF0000FF\n",
       TextKind::document, "", "borderColor=FF0000FF borderWidth=3"},
      {"full lists", "Ornival 0.2\nborderWidth: 3,4,5,6\nbounds: 1,2,3,4,x\nlightAngle: 1,2,3\n", TextKind::document,
       "", "borderWidth=3 borderWidth2=4 borderWidth3=5 bounds=1,2,3,4 lightAngleX=1 lightAngleY=2 lightAngleZ=3"},
      {"integers", "Ornival 0.2\nborderLineStyle: 1\ncrossings: 3\ndisplayMode: 3.0\nborderColor2: 11223344\n"
       "borderWidth2: 4\n",
       TextKind::document, "", "borderColor2=11223344 borderWidth2=4 borderLineStyle=1"},
      {"later lines win", "Ornival 0.2\nborderLineStyle: 1\nborderLineStyle: 2\ncrossings: 2\ncrossings: -1\n"
       "displayMode: 3\ndisplayMode: 4294967299\n",
       TextKind::document, "", "crossings=2 displayMode=3"},
      // Tile lines.
      {"edge indices wrap", head + "7\n0,5,7,7,0\n", TextKind::document, "7 | 7 3>0.1"},
      {"flags and layer only when all flags are there",
       head + "7,0,1,0,0,1\n0,1,7,3,0,0,1,0\n0,2,7,0,0,+1,0,0,0,3\n0,3,7,0,0,0,0,0,0,x,9\n",
       TextKind::document, "7 G1001 | 7 3>0.1 | 7 L3 G1000 0>0.2 | 7 0>0.3"},
      {"group figure and out-of-range numbers skipped",
       head + "1122\n0\n7\n0,0,1122,0\n0,1,7,0\n1,1,7,0\n3,1,7,0\n2,1,7,0\n", TextKind::document,
       "7 | 7 0>0.1 | 7 0>1.1 | 7 0>2.1"},
      {"parent line equal to the tile count", head + "7\n1,1,7,3\n0,1,7,3\n", TextKind::document, "7 | 7 3>0.1"},
      {"two roots in a row end the section", head + "7\n7\n0,1,7,3\n\nscale: 6.0\n", TextKind::document, "7",
       "scale=6"},
      {"a short line is consumed", head + "7\n0,1,7\nscale: 6.0\n", TextKind::document, "7", "scale=6"},
      // Mends.
      {"a second section's root is indexed by position", head + "7\n0,1,7,3\n\nshapes:\n7\n2,2,7,0\n",
       TextKind::document, "7 | 7 3>0.1 | 7 | 7 0>2.2"},
      {"a side already joined takes no second tile", head + "7\n0,1,7,3\n0,1,7,2\n0,5,7,1\n1,0,7,0\n",
       TextKind::document, "7 | 7 3>0.1 | 7 0>1.0"},
      {"negative edge indices wrap into range", head + "7\n0,-3,7,-1\n0,-4,7,-9\n", TextKind::document,
       "7 | 7 3>0.1 | 7 3>0.0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto model = OrnivalModel::create();
    EXPECT_EQ(model->read(c.text), c.kind);
    EXPECT_EQ(describeTiles(*model), c.tiles);
    EXPECT_EQ(describeSettings(model->settings), c.settings);
  }
}

// Two squares, the second red, glued with its side 3 onto side 1 of the first,
// in layer 2: the same drawing in both versions of the format.
const char* const twoSquares02 =
    "Ornival 0.2\n\ncolors:\nFF0000FF\nFFFFFFFF\n\nshapes:\n7,1\n0,1,7,3,0,0,0,0,0,2\n\nshapeColor: FFFFFFFF\n";
const char* const twoSquares01 = "Ornival 0.1\n7,FFFFFFFF\n0,1,7,3,FF0000FF,0,0,0,0,2\n\nshapeColor: FFFFFFFF\n";

TEST(OrnivalModel, ReadsBothVersionsIntoTheSamePlacedTiles) {
  for (const char* text : {twoSquares02, twoSquares01}) {
    auto model = OrnivalModel::create();
    ASSERT_EQ(model->read(text), TextKind::document);
    EXPECT_EQ(describeTiles(*model), "7 #FFFFFFFF | 7 #FF0000FF L2 3>0.1");
    ASSERT_EQ(model->shapes.size(), 2u);
    const Shape& root = *model->shapes[0];
    const Shape& second = *model->shapes[1];
    EXPECT_EQ(root.transformation, ShapeModel::defaultTransformation());
    // Side 3 of the second runs along side 1 of the first, the other way.
    EXPECT_NEAR((second.edges()[3]->transformedVertex() - root.edges()[2]->transformedVertex()).lengthSquared(), 0.0, 1e-18);
    EXPECT_NEAR((second.edges()[0]->transformedVertex() - root.edges()[1]->transformedVertex()).lengthSquared(), 0.0, 1e-18);
    EXPECT_NEAR(second.scale(), 1.0, 1e-12);
  }
}

TEST(OrnivalModel, RefusesPlacementsThatLeaveTheNumbersAndKeepsTheRest) {
  // Each tile stands its short side on the previous one's long side and so
  // grows by the ratio of the two: a few hundred lines reach infinity.
  std::string grows = "Ornival 0.2\n\nshapes:\n2\n";
  for (int line = 0; line < 1000; ++line)
    grows += std::to_string(line) + ",0,2,2\n";
  grows += "0,2,7,0\n\nscale: 6.0\nbounds: 1e308,0,1e308,1\n";
  auto model = OrnivalModel::create();
  ASSERT_EQ(model->read(grows), TextKind::document);
  ASSERT_GT(model->shapes.size(), 100u);
  ASSERT_LT(model->shapes.size(), 1000u);
  EXPECT_EQ(model->shapes.back()->figure()->tool().rawValue(), 7);
  for (const auto& tile : model->shapes) {
    const AffineTransform& t = tile->transformation;
    for (double v : {t.a, t.b, t.c, t.d, t.tx, t.ty})
      ASSERT_TRUE(std::isfinite(v));
    ASSERT_TRUE(std::isnormal(t.determinant()));
  }
  EXPECT_EQ(model->settings.scale, 6.0);
  EXPECT_EQ(model->settings.pageBounds.size.x, 1e308);
  // Collecting and gluing the sides copes with what was taken in.
  model->collectBorderEdges();
  EXPECT_EQ(model->borderEdges.size(), 6 * (model->shapes.size() - 1) + 4);
}

// Opening tells the user when a file did not read whole, so the reader counts
// the tile lines it met against the tiles it made of them.
TEST(OrnivalModel, CountsTheTileLinesItCouldNotRead) {
  const struct {
    const char* shapes;
    std::size_t lines;
    std::size_t tiles;
  } cases[] = {
      {"7,1\n0,1,7,3\n", 2, 2},
      // A line cut short ends the section's reading: it and the rest are lost.
      {"7,1\n0,1,7,3\n0,1,x\n1,1,7,3\n1,2,7,3\n", 5, 2},
      // No such figure, a side taken twice, a tile that does not exist.
      {"99999\n7\n0,1,7,3\n0,1,7,3\n5,0,7,0\n", 5, 2},
      {"", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shapes);
    auto model = OrnivalModel::create();
    ASSERT_EQ(model->read(std::string("Ornival 0.2\n\ncolors:\nFF0000FF\n\nshapes:\n") + c.shapes +
                          "\nscale: 6.0\n"),
              TextKind::document);
    EXPECT_EQ(model->tileLines, c.lines);
    EXPECT_EQ(model->shapes.size(), c.tiles);
    // The settings after the section are read all the same.
    EXPECT_EQ(model->settings.scale, 6.0);
  }
  // The first version has no section header: its tiles follow the header.
  auto old = OrnivalModel::create();
  ASSERT_EQ(old->read("Ornival 0.1\n7,FF0000FF\nx\n\nscale: 6.0\n"), TextKind::document);
  EXPECT_EQ(old->tileLines, 2u);
  EXPECT_EQ(old->shapes.size(), 1u);
}

// A further piece is placed by a turn and a scale within reach of the first;
// a shear, a squash or a piece out of reach did not come from a drawing, and
// the piece goes to the default placement as a reader without those fields
// would put it.
TEST(OrnivalModel, PlacesFurtherPiecesOnlyByTurnsAndScalesWithinReach) {
  struct Case {
    const char* placement;
    AffineTransform expected;
  };
  const AffineTransform first = ShapeModel::defaultTransformation();
  const AffineTransform turned{0.0, 2.0, -2.0, 0.0, 3.0, 0.0};
  for (const Case& c : {Case{"0.0,2.0,-2.0,0.0,3.0,0.0", turned.concatenating(first)},
                        Case{"1.0,0.0,0.5,1.0,3.0,0.0", first}, Case{"1.0,0.0,0.0,0.5,3.0,0.0", first},
                        Case{"1.0,0.0,0.0,1.0,1e20,0.0", first}, Case{"1e-30,0.0,0.0,1e-30,0.0,0.0", first},
                        // Each limit just inside and just outside: sides equal
                        // and square to within a millionth, a scale from 2^-20
                        // to 2^20, within 2^30 of the first piece.
                        Case{"1.0,0.0,0.0,1.0000009,3.0,0.0",
                             AffineTransform{1.0, 0.0, 0.0, 1.0000009, 3.0, 0.0}.concatenating(first)},
                        Case{"1.0,0.0,0.0,1.0000011,3.0,0.0", first},
                        Case{"1.0,0.0,0.0000009,1.0,3.0,0.0",
                             AffineTransform{1.0, 0.0, 0.0000009, 1.0, 3.0, 0.0}.concatenating(first)},
                        Case{"1.0,0.0,0.0000011,1.0,3.0,0.0", first},
                        Case{"9.5367431640625e-07,0.0,0.0,9.5367431640625e-07,0.0,0.0",
                             AffineTransform{0x1p-20, 0.0, 0.0, 0x1p-20, 0.0, 0.0}.concatenating(first)},
                        Case{"9.5e-07,0.0,0.0,9.5e-07,0.0,0.0", first},
                        Case{"1048576,0.0,0.0,1048576,0.0,0.0",
                             AffineTransform{0x1p20, 0.0, 0.0, 0x1p20, 0.0, 0.0}.concatenating(first)},
                        Case{"1048577,0.0,0.0,1048577,0.0,0.0", first},
                        Case{"1.0,0.0,0.0,1.0,1073741824,-1073741824",
                             AffineTransform{1.0, 0.0, 0.0, 1.0, 0x1p30, -0x1p30}.concatenating(first)},
                        Case{"1.0,0.0,0.0,1.0,1073741825,0.0", first}}) {
    SCOPED_TRACE(c.placement);
    auto model = OrnivalModel::create();
    model->read(std::string("Ornival 0.2\n\nshapes:\n7\n\nshapes:\n7,0,0,0,0,0,0,") + c.placement + "\n");
    ASSERT_EQ(model->shapes.size(), 2u);
    EXPECT_EQ(model->shapes[1]->transformation, c.expected);
  }
}

TEST(OrnivalModel, GivesTheSettingsToTheTiles) {
  auto model = OrnivalModel::create();
  model->read("Ornival 0.2\n\ncolors:\nFF0000FF\n\nshapes:\n7\n0,1,7,3,0\n0,2,7,0\n\n"
              "shapeColor: 00FF00FF\nshapeFactor: 0.25\nshapeRadiusLimit: 0.5\nborderFactor: 0.75\n"
              "borderRadiusLimit: 0.125\nborderColor: 111111FF,222222FF,333333FF\nborderWidth: 1.0,3.0,2.0\n"
              "metalness: 0.25\nroughness: 0.75\nripple: 0.5\nrippleScale: 3.0\nsurfaceRoundness: 0.5\n"
              "displayMode: 3\n");
  ASSERT_EQ(model->shapes.size(), 3u);
  EXPECT_TRUE(model->is3D());
  EXPECT_EQ(model->shapeFactor(), 0.25);
  EXPECT_EQ(model->borderFactor(), 0.75);
  const std::vector<LineAttribute> bands{{1.0, colorWithHex("111111FF")},
                                         {2.0, colorWithHex("333333FF")},
                                         {3.0, colorWithHex("222222FF")}};
  for (const auto& tile : model->shapes) {
    EXPECT_EQ(tile->lineAttributes, bands);
    EXPECT_EQ(tile->shapeBezierFactor, 0.5);
    EXPECT_EQ(tile->shapeRadiusLimit, 0.5);
    EXPECT_EQ(tile->borderBezierFactor, 1.5);
    EXPECT_EQ(tile->borderRadiusLimit, 0.125);
    EXPECT_EQ(tile->metalness(), 0.25);
    EXPECT_EQ(tile->roughness(), 0.75);
    EXPECT_EQ(tile->ripple(), 0.5);
    EXPECT_EQ(tile->rippleScale(), 3.0);
    EXPECT_EQ(tile->surfaceRoundness(), 0.5);
  }
  // Only the tiles without a colour of their own take the document's.
  EXPECT_EQ(hexString(model->shapes[0]->shapeColor()), "00FF00FF");
  EXPECT_EQ(hexString(model->shapes[1]->shapeColor()), "FF0000FF");
  EXPECT_EQ(hexString(model->shapes[2]->shapeColor()), "00FF00FF");
  EXPECT_FALSE(model->shapes[2]->customShapesColors);
}

TEST(OrnivalModel, CountsTilesAndGluesTheirSidesOnce) {
  auto model = OrnivalModel::create();
  // A ring of four squares around a corner: the file glues three pairs of
  // sides, the fourth pair only lies against each other.
  model->read("Ornival 0.2\nshapes:\n7\n0,1,7,3\n1,0,7,2\n2,3,7,1\n");
  ASSERT_EQ(model->shapes.size(), 4u);
  const auto& counts = model->counts();
  EXPECT_EQ(counts.size(), 1123u);
  EXPECT_EQ(counts[7], 4);
  EXPECT_EQ(counts[0], 0);
  EXPECT_FALSE(model->shapes[3]->edges()[2]->join.lock());
  model->collectBorderEdges();
  EXPECT_EQ(model->borderEdges.size(), 16u);
  EXPECT_EQ(model->shapes[3]->edges()[2]->join.lock(), model->shapes[0]->edges()[0]);
  EXPECT_EQ(describeTiles(*model), "7 | 7 3>0.1 | 7 2>1.0 | 7 1>2.3 2>0.0");
  // A second call changes nothing, and the counts stay as first taken.
  model->shapes.pop_back();
  model->collectBorderEdges();
  EXPECT_EQ(model->borderEdges.size(), 16u);
  EXPECT_EQ(model->counts()[7], 4);
}

}  // namespace
}  // namespace ornival
