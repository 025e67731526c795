#include "document/DocumentWriter.h"

#include "document/ColorText.h"
#include "document/OrnivalModel.h"
#include "figures/catalogue/Shapes.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "support/DefaultSettingsText.h"
#include "support/RandomTilings.h"
#include "support/Tiles.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <functional>
#include <map>
#include <random>
#include <numbers>
#include <string>

namespace ornival {
namespace {

using testing::attach;

std::shared_ptr<const Figure> figure(int number) { return Shapes::figures()[std::size_t(number - 1)]; }

std::shared_ptr<Shape> rootTile(int number, const AffineTransform& placement = {}) {
  auto tile = Shape::create(figure(number));
  tile->transformation = placement.concatenating(ShapeModel::defaultTransformation());
  tile->updateTransformedGeometry();
  return tile;
}

const Color red{1.0, 0.0, 0.0, 1.0};

using testing::defaultSettingsLines;

std::string written(const std::shared_ptr<OrnivalModel>& model) {
  const auto graph = Graph::create(model->shapes);
  return documentText(model->settings, graph->shapes(), graph.get());
}

TEST(DocumentWriter, WritesAndReadsTheTwoSquaresExactly) {
  const std::string expected = std::string("Ornival 0.2\n\ncolors:\nFF0000FF\nFFFFFFFF\n\nshapes:\n7,1\n"
                                           "0,1,7,3,0,0,0,0,0,2\n\n") +
                               defaultSettingsLines;
  auto first = rootTile(7);
  auto second = attach(figure(7), 3, first->edges()[1]);
  second->setShapeColor(red);
  second->layerIndex = 2;
  const auto graph = Graph::create({first, second});
  EXPECT_EQ(documentText(DocumentSettings{}, graph->shapes(), graph.get()), expected);

  for (const std::string& text :
       {expected, "Ornival 0.1\n7,FFFFFFFF\n0,1,7,3,FF0000FF,0,0,0,0,2\n\n" + std::string(defaultSettingsLines)}) {
    auto model = OrnivalModel::create();
    ASSERT_EQ(model->read(text), TextKind::document);
    EXPECT_EQ(written(model), expected);
  }
}

// Colours apart only below the text's precision are one entry of the table:
// two entries of one text would read back as one colour and the document,
// saved again, would lose one. A file that does hold two such entries still
// reads, and is saved with one.
TEST(DocumentWriter, ColoursOfOneTextShareOneTableEntry) {
  const double red = 0.2;
  const double nearlyRed = 1.0 - (1.0 - red);
  ASSERT_NE(red, nearlyRed);
  const std::string expected =
      std::string("Ornival 0.2\n\ncolors:\n330000FF\n\nshapes:\n7,0\n0,1,7,3,0\n\n") + defaultSettingsLines;
  auto first = rootTile(7);
  auto second = attach(figure(7), 3, first->edges()[1]);
  first->setShapeColor({red, 0.0, 0.0, 1.0});
  second->setShapeColor({nearlyRed, 0.0, 0.0, 1.0});
  const auto graph = Graph::create({first, second});
  EXPECT_EQ(documentText(DocumentSettings{}, graph->shapes(), graph.get()), expected);

  const std::string twoEntries =
      std::string("Ornival 0.2\n\ncolors:\n330000FF\n330000FF\n\nshapes:\n7,0\n0,1,7,3,1\n\n") + defaultSettingsLines;
  for (const std::string& text : {expected, twoEntries}) {
    auto model = OrnivalModel::create();
    ASSERT_EQ(model->read(text), TextKind::document);
    ASSERT_EQ(model->shapes.size(), 2u);
    EXPECT_EQ(written(model), expected);
  }
}

struct WriterCase {
  const char* name;
  std::function<std::vector<std::shared_ptr<Shape>>(DocumentSettings&)> build;
  // The text from the first blank line up to the settings.
  const char* tiles;
  // Lines the settings must hold.
  std::vector<std::string> settingsLines;
  bool withGraph = true;
};

TEST(DocumentWriter, IgnoresACommaDecimalLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  bool installed = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "nl_NL.UTF-8"})
    if (std::setlocale(LC_ALL, name)) {
      installed = true;
      break;
    }
  if (!installed)
    GTEST_SKIP() << "no comma-decimal locale installed";
  DocumentSettings settings;
  settings.scale = 12.5;
  settings.pageBounds = Rect{{-1.5, 2.25}, {100.5, 0.125}};
  auto tile = rootTile(7);
  tile->setShapeColor({0.5, 0.25, 1.0, 0.5});
  const auto graph = Graph::create({tile});
  const std::string text = documentText(settings, graph->shapes(), graph.get());
  auto model = OrnivalModel::create();
  model->read(text);
  const std::string again = written(model);
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_NE(text.find("\nscale: 12.5\nrotation: 0.0\nbounds: -1.5,2.25,100.5,0.125\n"), std::string::npos);
  EXPECT_NE(text.find("\ncolors:\n8040FF80\n"), std::string::npos);
  EXPECT_EQ(opacityString(tile->shapeColor()), "0.5");
  EXPECT_EQ(again, text);
}

TEST(DocumentWriter, WritesTilesAsTreesAndFoldsTheStartTile) {
  const double quarter = std::numbers::pi / 2.0;
  const WriterCase cases[] = {
      {"no tiles", [](DocumentSettings&) { return std::vector<std::shared_ptr<Shape>>{}; }, "", {"rotation: 0.0"}},
      {"breadth first, parents by line, colour table sorted by text",
       [](DocumentSettings&) {
         auto root = rootTile(7);
         root->setShapeColor(Color::white());
         auto a = attach(figure(7), 3, root->edges()[1]);
         auto b = attach(figure(7), 0, root->edges()[2]);
         auto c = attach(figure(3), 2, a->edges()[1]);
         a->setShapeColor(Color::clear());
         b->setShapeColor(red);
         c->setShapeColor(Color::clear());
         return std::vector{root, c, a, b};
       },
       "\ncolors:\n0\nFF0000FF\nFFFFFFFF\n\nshapes:\n7,2\n0,1,7,3,0\n0,2,7,0,1\n1,1,3,2,0\n", {}},
      {"tails: flags with a group join, flags and layer from layer 1",
       [](DocumentSettings&) {
         auto root = rootTile(7);
         root->layerIndex = -1;
         auto a = attach(figure(7), 3, root->edges()[1], true);
         auto b = attach(figure(7), 1, root->edges()[3]);
         b->layerIndex = 3;
         return std::vector{root, a, b};
       },
       "\ncolors:\nFFFFFFFF\n\nshapes:\n7,0,0,1,0,0\n0,1,7,3,0,0,0,0,1\n0,3,7,1,0,0,0,0,0,3\n", {}},
      {"the first tile at scale 1 is the root, its angle folded",
       [=](DocumentSettings& settings) {
         auto small = rootTile(7, AffineTransform::scale(0.5, 0.5));
         auto turned = rootTile(7, AffineTransform::rotation(quarter));
         auto glued = attach(figure(7), 0, small->edges()[2]);
         turned->edges()[0]->join = glued->edges()[1];
         glued->edges()[1]->join = turned->edges()[0];
         settings.rotation = 300.0;
         return std::vector{small, turned, glued};
       },
       "\ncolors:\nFFFFFFFF\n\nshapes:\n7,0\n0,0,7,1,0\n1,0,7,2,0\n", {"rotation: 30.0"}},
      {"a start tile turned back a quarter",
       [=](DocumentSettings&) { return std::vector{rootTile(7, AffineTransform::rotation(-quarter))}; },
       "\ncolors:\nFFFFFFFF\n\nshapes:\n7,0\n", {"rotation: 270.0"}},
      {"every piece kept, placed relative to the start tile, in order of its lowest index",
       [](DocumentSettings& settings) {
         auto start = rootTile(7);
         auto far = rootTile(7, AffineTransform::translation(5.0, 0.0));
         auto farther = attach(figure(7), 0, far->edges()[1]);
         // Half size and turned half round.
         auto other = rootTile(3, AffineTransform::scale(-0.5, -0.5).concatenating(
                                      AffineTransform::translation(0.0, -2.5)));
         other->layerIndex = 4;
         settings.pageBounds = Rect{{1.0, 2.0}, {30.0, 0.0}};
         return std::vector{other, start, far, farther};
       },
       "\ncolors:\nFFFFFFFF\n\nshapes:\n7,0\n"
       "\nshapes:\n3,0,0,0,0,0,4,-0.5,0.0,0.0,-0.5,0.0,-2.5\n"
       "\nshapes:\n7,0,0,0,0,0,0,1.0,0.0,0.0,1.0,5.0,0.0\n2,1,7,0,0\n",
       {"rotation: 0.0"}},
      {"numbers with every digit the format keeps: seventeen for settings, twelve for placements",
       [](DocumentSettings& settings) {
         settings.scale = 0.1 + 0.2;
         settings.borderWidth = 1.0 / 3.0;
         settings.metalness = 1e-7 / 3.0;
         return std::vector{rootTile(7), rootTile(7, AffineTransform::translation(1.23456789012, -9.87654321098e-5))};
       },
       "\ncolors:\nFFFFFFFF\n\nshapes:\n7,0\n"
       "\nshapes:\n7,0,0,0,0,0,0,1.0,0.0,0.0,1.0,1.23456789012,-9.87654321098e-05\n",
       {"scale: 0.30000000000000004", "borderWidth: 0.3333333333333333,0.0,0.0", "metalness: 3.3333333333333334e-08"}},
      {"without an editor's graph the heading stands alone",
       [](DocumentSettings&) { return std::vector{rootTile(7)}; }, "\ncolors:\nFFFFFFFF\n\nshapes:\n", {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DocumentSettings settings;
    const auto tiles = c.build(settings);
    // The tiles as the editor holds them, a graph in the order given. Their
    // fill layers lie in no layer tree, as while they are being dragged.
    const auto graph = Graph::create(tiles);
    const std::string text = documentText(settings, graph->shapes(), c.withGraph ? graph.get() : nullptr);
    ASSERT_TRUE(text.starts_with("Ornival 0.2\n"));
    const std::size_t settingsAt = text.find("\n\nshapeColor: ");
    ASSERT_NE(settingsAt, std::string::npos);
    EXPECT_EQ(text.substr(12, settingsAt + 1 - 12), c.tiles);
    for (const auto& line : c.settingsLines)
      EXPECT_NE(text.find("\n" + line + "\n"), std::string::npos) << line;
    EXPECT_EQ(text.find("bounds:"), std::string::npos);
    if (c.withGraph) {
      for (const auto& tile : tiles)
        EXPECT_EQ(tile->visited, 1);
    }
  }
}

DocumentSettings randomSettings(std::mt19937_64& random) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  DocumentSettings s;
  s.shapeColor = testing::randomTextColor(random);
  s.shapeBezierFactor = unit(random) * 2.0;
  s.shapeRadiusLimit = unit(random);
  s.borderColor = testing::randomTextColor(random);
  s.borderColor2 = testing::randomTextColor(random);
  s.borderColor3 = testing::randomTextColor(random);
  s.borderWidth = unit(random) * 8.0;
  s.borderWidth2 = unit(random) * 8.0;
  s.borderWidth3 = 0.0;
  s.borderLineStyle = random() % 2 == 0;
  s.borderBezierFactor = unit(random);
  s.borderRadiusLimit = 1e-7 * unit(random);
  s.backgroundColor = testing::randomTextColor(random);
  s.scale = 1.0 + unit(random) * 100.0;
  s.rotation = unit(random) * 360.0;
  if (random() % 2 == 0)
    s.pageBounds = Rect{{unit(random) * 800.0 - 400.0, unit(random) * 800.0 - 400.0},
                        {50.0 + unit(random) * 500.0, 50.0 + unit(random) * 500.0}};
  s.crossings = CrossingStatus(random() % 3);
  s.displayMode = 2 + int(random() % 2);
  s.metalness = unit(random);
  s.roughness = unit(random);
  s.lightAngleX = unit(random) * 90.0;
  s.lightAngleY = -unit(random) * 90.0;
  s.lightAngleZ = 1e20 * unit(random);
  s.ambientColor = testing::randomTextColor(random);
  s.surfaceZscale = unit(random) * 3.0;
  s.surfaceRoundness = unit(random);
  s.ripple = unit(random);
  s.rippleScale = unit(random) * 10.0;
  return s;
}

// Where a point of the drawing shows inside the page frame, as a fraction of
// the frame's width and height, with the view turned by `rotation` degrees.
Vec2 placeInFrame(Vec2 point, double rotation, const Rect& frame) {
  const Vec2 shown = AffineTransform::rotation(rotation * std::numbers::pi / 180.0).apply(point);
  return {(shown.x - frame.origin.x) / frame.size.x, (shown.y - frame.origin.y) / frame.size.y};
}

TEST(DocumentWriter, WritesReadTilingsAgainUnchangedWithEveryTileInPlace) {
  constexpr double tolerance = 1.0 / 512.0;
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937_64 random(seed * 7919);
    testing::RandomTilingOptions options;
    options.tiles = 1 + int(random() % 120);
    options.islands = random() % 3 == 0 ? 0 : int(random() % 4);
    options.firstAtDefault = random() % 3 != 0;
    const auto graph = testing::randomTiling(seed, options);
    const DocumentSettings settings = randomSettings(random);

    const std::string first = documentText(settings, graph->shapes(), graph.get());
    auto model = OrnivalModel::create();
    ASSERT_EQ(model->read(first), TextKind::document);
    ASSERT_EQ(written(model), first);
    ASSERT_EQ(model->shapes.size(), graph->shapes().size());

    // The reader rebuilds the drawing with the start tile at the default
    // placement: compare in that frame.
    const auto& tiles = graph->shapes();
    const auto start = std::find_if(tiles.begin(), tiles.end(), [](const auto& t) { return t->scale() == 1.0; });
    const Shape& startTile = start != tiles.end() ? **start : *tiles.front();
    const AffineTransform rebase =
        startTile.transformation.inverted()->concatenating(ShapeModel::defaultTransformation());

    std::multimap<int, const Shape*> unmatched;
    for (const auto& tile : model->shapes)
      unmatched.emplace(tile->figure()->tool().rawValue(), tile.get());
    for (const auto& tile : tiles) {
      const auto& edges = tile->edges();
      const auto [from, to] = unmatched.equal_range(tile->figure()->tool().rawValue());
      auto match = to;
      for (auto it = from; it != to && match == to; ++it) {
        bool same = true;
        for (std::size_t k = 0; k < edges.size() && same; ++k)
          same = (rebase.apply(edges[k]->transformedVertex()) - it->second->edges()[k]->transformedVertex())
                     .lengthSquared() <= tolerance * tolerance;
        if (same)
          match = it;
      }
      ASSERT_NE(match, to) << "tile " << tile->index << " is not where it was";
      const Shape& read = *match->second;
      EXPECT_EQ(hexString(read.shapeColor()), hexString(tile->shapeColor()));
      EXPECT_EQ(read.layerIndex, std::max(tile->layerIndex, 0));
      unmatched.erase(match);

      // The page frame frames the same part of the drawing.
      if (settings.pageBounds.size.x != 0.0) {
        const Vec2 before = placeInFrame(edges[0]->transformedVertex(), settings.rotation, settings.pageBounds);
        const Vec2 after = placeInFrame(read.edges()[0]->transformedVertex(), model->settings.rotation,
                                        model->settings.pageBounds);
        EXPECT_NEAR(after.x, before.x, 1e-6);
        EXPECT_NEAR(after.y, before.y, 1e-6);
      }
    }
  }
}

}  // namespace
}  // namespace ornival
