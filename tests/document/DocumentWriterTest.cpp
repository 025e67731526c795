#include "document/DocumentWriter.h"

#include "document/ColorText.h"
#include "document/OrnivalModel.h"
#include "figures/catalogue/Shapes.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "support/Tiles.h"

#include <gtest/gtest.h>

#include <functional>
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

const char* const defaultSettingsLines =
    "shapeColor: FFFFFFFF\n"
    "shapeFactor: 1.0\n"
    "shapeRadiusLimit: 1.0\n"
    "borderColor: 000000FF,FFFFFFFF,000000FF\n"
    "borderWidth: 2.0,0.0,0.0\n"
    "borderFactor: 1.0\n"
    "borderRadiusLimit: 1.0\n"
    "backgroundColor: 1A4DCC00\n"
    "scale: 20.0\n"
    "rotation: 0.0\n"
    "crossings: 0\n"
    "displayMode: 2\n"
    "metalness: 0.5\n"
    "roughness: 0.5\n"
    "lightAngle: 0.0,0.0,0.0\n"
    "ambientColor: 999999FF\n"
    "surfaceZscale: 1.0\n"
    "surfaceRoundness: 1.0\n"
    "ripple: 0.0\n"
    "rippleScale: 0.0\n";

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

struct WriterCase {
  const char* name;
  std::function<std::vector<std::shared_ptr<Shape>>(DocumentSettings&)> build;
  // The text from the first blank line up to the settings.
  const char* tiles;
  // Lines the settings must hold.
  std::vector<std::string> settingsLines;
  bool withGraph = true;
};

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
    if (c.withGraph)
      for (const auto& tile : tiles)
        EXPECT_EQ(tile->visited, 1);
  }
}

}  // namespace
}  // namespace ornival
