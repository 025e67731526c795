#include "document/Document.h"

#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/UndoManager.h"
#include "support/DefaultSettingsText.h"
#include "support/DocumentFakes.h"
#include "support/Figures.h"
#include "support/TileGrids.h"
#include "support/Tiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace ornival {
namespace {

using Calls = std::vector<std::string>;
using testing::FakeDocumentEditor;
using testing::FakeDocumentWindow;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr Color red{1.0, 0.0, 0.0, 1.0};

// A document in its window: editor, window controller and one undo manager,
// the editor and the window writing into one log.
struct Window {
  std::shared_ptr<Document> document = Document::create();
  std::shared_ptr<FakeDocumentEditor> editor = std::make_shared<FakeDocumentEditor>();
  std::shared_ptr<FakeDocumentWindow> window = std::make_shared<FakeDocumentWindow>();
  std::shared_ptr<UndoManager> undo = UndoManager::create();

  Window() {
    editor->undo = undo;
    editor->document = document;
    window->log = editor->log;
    document->setUndoManager(undo);
    document->setViewController(editor);
    document->setWindowController(window);
  }

  Calls& log() { return *editor->log; }

  // Runs body as one user event.
  template <typename Body>
  void event(Body body) {
    undo->beginGroup();
    body();
    undo->endGroup();
  }

  // Logs every change notice, with the calls in between.
  void logNotices() {
    document->addObserver("", [this](std::string_view key, Document::ChangePhase phase) {
      log().push_back((phase == Document::ChangePhase::prior ? "will " : "did ") + std::string(key));
    });
  }

  // Adds placed squares to the editor's tiling, marked where asked.
  std::vector<std::shared_ptr<Shape>> addSquares(const std::vector<bool>& marked) {
    auto tiles = testing::squareGrid(int(marked.size()), 1);
    for (std::size_t i = 0; i < tiles.size(); ++i)
      tiles[i]->marked = marked[i];
    editor->tiles->setShapes(tiles);
    return tiles;
  }
};

struct SetterCase {
  std::string key;
  SettingValue value;
  SettingValue stored;
  bool undoable;
  Calls calls;
  std::string actionName;
};

// Every setting through its name: what is stored, whether an inverse is
// registered, what reaches the editor and the window, and the action name.
// A registered inverse must bring the old value back, and redo the new one.
TEST(Document, SettersStoreRegisterAndPushAlong) {
  const Calls factorCalls = {"updateCrossingLayers"};
  const std::vector<SetterCase> cases = {
      {"metalness", 0.8, 0.8, true, {"updateMetalness"}, "Change Metalness"},
      {"metalness", 0.5, 0.5, false, {}, ""},
      {"metalness", nan, 0.5, false, {}, ""},
      {"roughness", 0.25, 0.25, true, {"updateRoughness"}, "Change Roughness"},
      {"ripple", 0.3, 0.3, true, {"updateRipple"}, "Change Ripple"},
      {"rippleScale", 2.0, 2.0, true, {"updateRippleScale"}, "Change Ripple Scale"},
      {"rippleScale", -inf, 0.0, false, {}, ""},
      {"surfaceZscale", 3.0, 3.0, true, {"updateSurfaceZScale"}, "Change Surface Z Scale"},
      {"surfaceRoundness", 0.5, 0.5, true, {"updateFlatNode"}, "Change Surface Roundness"},
      {"lightAngleX", 90.0, 90.0, true, {"updateLightAngleX"}, "Change Light Angle X"},
      {"lightAngleY", -45.0, -45.0, true, {"updateLightAngleY"}, "Change Light Angle Y"},
      {"lightAngleZ", 10, 10.0, true, {"updateLightAngleZ"}, "Change Light Angle Z"},
      {"shapeBezierFactor",
       0.5,
       0.5,
       true,
       {"setCornerFactor shapeFactor 0.5", "updateCrossingLayers", "updateMarkLayer"},
       "Change Shape Factor"},
      {"shapeRadiusLimit", 0.25, 0.25, true, {"setCornerFactor shapeRadiusLimit 0.25", "updateCrossingLayers"},
       "Change Shape Radius Limit"},
      {"borderBezierFactor", 1.5, 1.5, true, {"setCornerFactor borderFactor 1.5", "updateCrossingLayers"},
       "Change Border Factor"},
      {"borderRadiusLimit", 0.75, 0.75, true, {"setCornerFactor borderRadiusLimit 0.75", "updateCrossingLayers"},
       "Change Border Radius Limit"},
      {"borderRadiusLimit", 1.0, 1.0, false, {}, ""},
      // The bands and the ambient light refresh the editor even unchanged.
      {"borderColor", red, red, true, {"updateLineAttributes"}, "Change Border Color"},
      {"borderColor", Color::black(), Color::black(), false, {"updateLineAttributes"}, ""},
      {"borderColor2", red, red, true, {"updateLineAttributes"}, "Change Border Color"},
      {"borderColor3", Color{nan, 0.0, 0.0, 1.0}, Color::black(), false, {}, ""},
      {"borderWidth", 3.0, 3.0, true, {"updateLineAttributes"}, "Change Border Width"},
      {"borderWidth2", 0.0, 0.0, false, {"updateLineAttributes"}, ""},
      {"borderWidth3", inf, 0.0, false, {}, ""},
      {"borderLineStyle", true, true, true, {"updateLineJoin round"}, "Change Border Line Style"},
      {"borderLineStyle", false, false, false, {"updateLineJoin"}, ""},
      {"ambientColor", red, red, true, {"setAmbientLightColor"}, "Change Ambient Light Color"},
      {"ambientColor", DocumentSettings().ambientColor, DocumentSettings().ambientColor, false,
       {"setAmbientLightColor"}, ""},
      {"ambientBrightness", 0.25, 0.25, true, {"setAmbientLightColor"}, "Change Ambient Light Color"},
      {"ambientBrightness", 1.5, double(0.6f), false, {}, ""},
      {"backgroundColor", red, red, true, {"setViewBackgroundColor"}, "Change Background Color"},
      {"displayMode", 3, 3, true, {"dimensionDidSet 2"}, "Change Display Mode"},
      {"crossingsValue", 2, 2, true, {"updateCrossingLayers", "updateCrossingsNode"}, "Change Crossings"},
      {"crossingsValue", 3, 0, false, {}, ""},
      {"crossingsValue", -1, 0, false, {}, ""},
      {"crossings", CrossingStatus::on, CrossingStatus::on, true, {"updateCrossingLayers", "updateCrossingsNode"},
       "Change Crossings"},
      // Without marked tiles only the tool colour and layer change.
      {"shapeColor", red, red, false, {"shapeColorDidSet"}, ""},
      {"layerIndex", 4, 4, false, {}, ""},
      // Zoom and rotation have no undo.
      {"scale", 500.0, 400.0, false, {"updateViewTransform animated 0.4"}, ""},
      {"scale", -1000.0, -400.0, false, {"updateViewTransform animated 0.4"}, ""},
      {"scale", 0.0, 20.0, false, {}, ""},
      {"scale", nan, 20.0, false, {}, ""},
      {"rotation", 190.0, -170.0, false, {"updateViewTransform 1", "resnapPageBounds"}, ""},
      {"rotation", 540.0, 180.0, false, {"updateViewTransform 1", "resnapPageBounds"}, ""},
      {"rotation", -540.0, -180.0, false, {"updateViewTransform 1", "resnapPageBounds"}, ""},
      {"rotation", 720.0, 0.0, false, {}, ""},
      {"rotation", inf, 0.0, false, {}, ""},
      {"exportAlpha", false, false, false, {}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    Window w;
    const SettingValue before = *w.document->value(c.key);
    w.event([&] { EXPECT_TRUE(w.document->setValue(c.key, c.value)); });
    EXPECT_EQ(w.document->value(c.key), c.stored);
    EXPECT_EQ(w.undo->canUndo(), c.undoable);
    EXPECT_EQ(w.undo->undoActionName(), c.actionName);
    EXPECT_EQ(w.log(), c.calls);
    if (!c.undoable)
      continue;
    w.undo->undo();
    EXPECT_EQ(w.document->value(c.key), before);
    EXPECT_EQ(w.undo->redoActionName(), c.actionName);
    w.undo->redo();
    EXPECT_EQ(w.document->value(c.key), c.stored);
    EXPECT_EQ(w.undo->undoActionName(), c.actionName);
  }
}

TEST(Document, StartsFromTheDefaultsAndAnswersWithoutAnEditor) {
  const auto document = Document::create();
  EXPECT_EQ(document->fileSettings(), DocumentSettings());
  EXPECT_EQ(document->exportWidth(), 0);
  EXPECT_EQ(document->exportHeight(), 0);
  EXPECT_EQ(document->exportScale(), 4.0);
  EXPECT_TRUE(document->exportAlpha());
  EXPECT_EQ(document->ambientBrightness(), double(0.6f));
  for (const char* key : {"shapeCount", "selectedShapeCount", "edgeCount", "vertexCount", "perimeter"})
    EXPECT_EQ(document->value(key), SettingValue(0)) << key;
  EXPECT_TRUE(document->hideSelectedShapeCount());

  // Without editor and undo manager a setter still stores, and the tool
  // colour and layer are kept for the editor to come.
  document->setMetalness(0.75);
  document->setShapeColor(red);
  document->setLayerIndex(3);
  document->setExportWidth(640);
  EXPECT_EQ(document->metalness(), 0.75);
  EXPECT_EQ(document->shapeColor(), red);
  EXPECT_EQ(document->lastShapeColor(), red);
  EXPECT_EQ(document->layerIndex(), 3);
  EXPECT_EQ(document->exportWidth(), 640);
}

TEST(Document, LabelsTheZoomAndRotationItems) {
  Window w;
  w.document->setScale(500.0);
  EXPECT_EQ(w.window->scaleLabel, "Scale: 400");
  w.document->setScale(-25.9);
  EXPECT_EQ(w.window->scaleLabel, "Scale: -25");
  w.document->setRotation(190.5);
  EXPECT_EQ(w.window->rotateLabel, "Rotate: -169\u00B0");
}

// The scroll wheel zooms the editor only; the document's zoom must reach the
// editor even when the document already holds it.
TEST(Document, PushesAnUnchangedZoomToAnEditorThatMovedAway) {
  Window w;
  w.editor->zoom = 35.0;
  w.document->setScale(20.0);
  EXPECT_EQ(w.editor->zoom, 20.0);
  EXPECT_EQ(w.log(), Calls{"updateViewTransform animated 0.4"});
}

TEST(Document, MakesExportsTransparentExactlyWithATransparentBackground) {
  Window w;
  w.event([&] { w.document->setBackgroundColor(red); });
  EXPECT_FALSE(w.document->exportAlpha());
  w.event([&] { w.document->setBackgroundColor({0.1, 0.3, 0.8, 0.5}); });
  EXPECT_TRUE(w.document->exportAlpha());
}

struct NoticeCase {
  std::string key;
  SettingValue value;
  Calls log;
};

// Change notices wrap the store and what it pushes along, derived values
// inside their source.
TEST(Document, SendsChangeNoticesAroundTheChange) {
  const std::vector<NoticeCase> cases = {
      {"metalness", 0.8, {"will metalness", "updateMetalness", "did metalness"}},
      {"ambientColor",
       red,
       {"will ambientColor", "will ambientBrightness", "setAmbientLightColor", "did ambientBrightness",
        "did ambientColor"}},
      {"crossingsValue",
       1,
       {"will crossings", "will crossingsValue", "updateCrossingLayers", "updateCrossingsNode", "did crossingsValue",
        "did crossings"}},
      {"backgroundColor",
       red,
       {"will backgroundColor", "setViewBackgroundColor", "will exportAlpha", "did exportAlpha",
        "did backgroundColor"}},
      // The editor completes the inner notice once it shows the colour.
      {"shapeColor", red, {"will shapeColor", "will shapeColor", "shapeColorDidSet", "did shapeColor",
                           "did shapeColor"}},
      {"shapeColor", Color::white(), {}},
      {"borderWidth", 2.0, {"updateLineAttributes"}},
      {"scale", 30.0, {"will scale", "updateViewTransform animated 0.4", "did scale"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    Window w;
    w.logNotices();
    w.event([&] { w.document->setValue(c.key, c.value); });
    EXPECT_EQ(w.log(), c.log);
  }
}

TEST(Document, ObserversOfOneKeyHearOnlyItAndMayLeaveWhileNotified) {
  Window w;
  Calls heard;
  Document::ObserverId id = 0;
  id = w.document->addObserver("exportScale", [&](std::string_view key, Document::ChangePhase phase) {
    heard.push_back(std::string(key));
    if (phase == Document::ChangePhase::after)
      w.document->removeObserver(id);
  });
  w.document->setExportAlpha(false);
  w.document->setExportScale(2.0);
  w.document->setExportScale(3.0);
  EXPECT_EQ(heard, (Calls{"exportScale", "exportScale"}));
}

TEST(Document, ReachesSettingsByNameWithTheirTypes) {
  Window w;
  for (const auto key : Document::keys())
    EXPECT_TRUE(w.document->value(key).has_value()) << key;
  EXPECT_FALSE(w.document->value("colour").has_value());
  EXPECT_FALSE(w.document->setValue("colour", 1.0));
  EXPECT_TRUE(Document::isReadOnly("edgeCount"));
  EXPECT_FALSE(w.document->setValue("edgeCount", 3));

  // Whole numbers go into fractional settings and whole doubles into integer
  // ones; nothing else crosses types.
  w.event([&] {
    EXPECT_TRUE(w.document->setValue("metalness", 1));
    EXPECT_TRUE(w.document->setValue("displayMode", 3.0));
  });
  EXPECT_EQ(w.document->metalness(), 1.0);
  EXPECT_EQ(w.document->displayMode(), 3);
  for (const SettingValue& refused : {SettingValue(2.5), SettingValue(1e10), SettingValue(nan), SettingValue(true)})
    EXPECT_FALSE(w.document->setValue("exportWidth", refused));
  EXPECT_FALSE(w.document->setValue("borderColor", 1.0));
  EXPECT_EQ(w.document->borderColor(), Color::black());
  EXPECT_EQ(w.document->exportWidth(), 0);
}

TEST(Document, TakesTheToolColourAndLayerFromTheFirstMarkedTile) {
  Window w;
  const auto tiles = w.addSquares({false, true, true});
  tiles[1]->setShapeColor(red);
  tiles[1]->layerIndex = 2;
  w.editor->toolColor = Color::black();
  w.editor->toolLayer = 7;
  EXPECT_EQ(w.document->shapeColor(), red);
  EXPECT_EQ(w.document->layerIndex(), 2);
  tiles[1]->marked = false;
  tiles[2]->marked = false;
  EXPECT_EQ(w.document->shapeColor(), Color::black());
  EXPECT_EQ(w.document->layerIndex(), 7);
}

TEST(Document, RecoloursTheMarkedTilesUndoablyOnePerTile) {
  Window w;
  const auto tiles = w.addSquares({true, false, true, true});
  tiles[3]->setShapeColor(red);
  w.event([&] { w.document->setShapeColor(red); });
  EXPECT_EQ(w.undo->undoActionName(), "Change Shape Color");
  for (const auto& tile : tiles)
    EXPECT_EQ(tile->shapeColor(), tile->marked ? red : Color::white());
  EXPECT_EQ(w.editor->toolColor, red);
  EXPECT_EQ(w.document->lastShapeColor(), red);

  w.undo->undo();
  for (const auto& tile : {tiles[0], tiles[1], tiles[2]})
    EXPECT_EQ(tile->shapeColor(), Color::white());
  EXPECT_EQ(tiles[3]->shapeColor(), red);
  EXPECT_EQ(w.undo->redoActionName(), "Change Shape Color");
  w.undo->redo();
  EXPECT_EQ(tiles[0]->shapeColor(), red);
  EXPECT_EQ(tiles[2]->shapeColor(), red);
}

TEST(Document, MovesTheMarkedTilesToALayerUndoably) {
  Window w;
  const auto tiles = w.addSquares({true, true, false, true});
  tiles[0]->layerIndex = 1;
  tiles[1]->layerIndex = 2;
  tiles[1]->setShapeColor(red);
  w.event([&] { w.document->setLayerIndex(5); });
  EXPECT_EQ(w.undo->undoActionName(), "Change Layer Index");
  EXPECT_EQ(w.editor->toolLayer, 5);
  for (const auto& tile : tiles)
    EXPECT_EQ(tile->layerIndex, tile->marked ? 5 : 0);

  w.undo->undo();
  EXPECT_EQ(tiles[0]->layerIndex, 1);
  EXPECT_EQ(tiles[1]->layerIndex, 2);
  EXPECT_EQ(tiles[3]->layerIndex, 0);
  EXPECT_EQ(tiles[1]->shapeColor(), red);
  EXPECT_EQ(w.undo->redoActionName(), "Change Layer Index");
  w.undo->redo();
  for (const auto& tile : tiles)
    EXPECT_EQ(tile->layerIndex, tile->marked ? 5 : 0);
}

TEST(Document, RestoresATileColourOnlyForATileThatIsThere) {
  Window w;
  const auto tiles = w.addSquares({false, false});
  ShapeInfo info = tiles[1]->info();
  info.shapeColor = red;
  info.layerIndex = 4;
  for (int index : {2, -1}) {
    info.index = index;
    w.event([&] { w.document->changeShapeColors(info); });
  }
  EXPECT_FALSE(w.undo->canUndo());
  EXPECT_TRUE(w.log().empty());

  info.index = 1;
  w.event([&] { w.document->changeShapeColors(info); });
  EXPECT_EQ(tiles[1]->shapeColor(), red);
  EXPECT_EQ(tiles[1]->layerIndex, 4);
  EXPECT_EQ(w.log(), Calls{"setNeedsUpdateNode"});
  EXPECT_EQ(w.undo->undoActionName(), "Change Shape Colors");
  w.undo->undo();
  EXPECT_EQ(tiles[1]->shapeColor(), Color::white());
  EXPECT_EQ(tiles[1]->layerIndex, 0);
}

TEST(Document, GivesTheTilesTwiceTheFactorsAndTheLimitsAsTheyAre) {
  Window w;
  const auto tiles = w.addSquares({false, false});
  w.event([&] {
    w.document->setShapeBezierFactor(0.25);
    w.document->setBorderRadiusLimit(0.5);
  });
  for (const auto& tile : tiles) {
    EXPECT_EQ(tile->shapeBezierFactor, 0.5);
    EXPECT_EQ(tile->borderBezierFactor, 2.0);
    EXPECT_EQ(tile->borderRadiusLimit, 0.5);
    EXPECT_EQ(tile->shapeRadiusLimit, 1.0);
  }
  w.event([&] { w.document->setSurfaceRoundness(0.5); });
  for (const auto& tile : tiles)
    EXPECT_EQ(tile->surfaceRoundness(), 0.5);
}

// The outline of the marked tiles follows their fills: it is rebuilt once the
// new factor has reached them, and again after undo and after redo.
TEST(Document, RebuildsTheMarkOutlineAfterTheFactorReachesTheTiles) {
  Window w;
  const auto tiles = w.addSquares({true});
  std::vector<double> factorsSeen;
  struct Editor : FakeDocumentEditor {
    std::vector<double>* seen = nullptr;
    void updateMarkLayer() override {
      seen->push_back(tiles->shapes()[0]->shapeBezierFactor);
      FakeDocumentEditor::updateMarkLayer();
    }
  };
  const auto editor = std::make_shared<Editor>();
  editor->tiles = w.editor->tiles;
  editor->undo = w.undo;
  editor->seen = &factorsSeen;
  w.document->setViewController(editor);

  w.event([&] { w.document->setShapeBezierFactor(0.5); });
  EXPECT_EQ(factorsSeen, std::vector<double>{1.0});
  w.undo->undo();
  EXPECT_EQ(factorsSeen.back(), 2.0);
  EXPECT_EQ(w.undo->redoActionName(), "Change Shape Factor");
  w.undo->redo();
  EXPECT_EQ(factorsSeen.back(), 1.0);
  EXPECT_EQ(w.undo->undoActionName(), "Change Shape Factor");
}

TEST(Document, CountsTilesSidesCornersAndTheOutline) {
  Window w;
  auto tiles = w.addSquares({true, false});
  testing::glue(tiles[0]->edges()[1], tiles[1]->edges()[3]);
  w.editor->borderSegments = 6;
  EXPECT_EQ(w.document->shapeCount(), 2);
  EXPECT_EQ(w.document->selectedShapeCount(), 1);
  EXPECT_FALSE(w.document->hideSelectedShapeCount());
  EXPECT_EQ(w.document->edgeCount(), 7);
  EXPECT_EQ(w.document->vertexCount(), 6);
  EXPECT_EQ(w.document->perimeter(), 6);
}

struct ExportCase {
  std::string name;
  Vec2 page;
  // What is typed, by name, or an action.
  std::string key;
  SettingValue value;
  // Width, height and scale after.
  int width;
  int height;
  double scale;
};

// Narrowing a side below the page's aspect narrows the other side with it;
// no size comes from a page without area or from a scale beyond any size.
TEST(Document, KeepsTheExportSizeInStepWithThePage) {
  const std::vector<ExportCase> cases = {
      {"narrower width", {100, 50}, "exportWidth", 200, 200, 100, 2.0},
      {"wider width", {100, 50}, "exportWidth", 800, 800, 200, 4.0},
      {"narrower height", {100, 50}, "exportHeight", 50, 100, 50, 1.0},
      {"scale", {100, 50}, "exportScale", 2.5, 250, 125, 2.5},
      {"typed width kept", {268, 70}, "exportWidth", 273, 273, 71, 273.0 / 268.0},
      {"typed height kept", {70, 268}, "exportHeight", 273, 71, 273, 273.0 / 268.0},
      {"width on a flat page", {100, 0}, "exportWidth", 300, 300, 200, 4.0},
      {"scale on a flat page", {100, 0}, "exportScale", 3.0, 400, 200, 3.0},
      {"scale beyond any size", {100, 50}, "exportScale", 1e300, 400, 200, 4.0},
      {"no scale", {100, 50}, "exportScale", nan, 400, 200, 4.0},
      {"fit 2048", {512, 256}, "changeExportSize", 0, 2048, 1024, 4.0},
      {"fit 13500", {1350, 675}, "changeExportScale", 0, 13500, 6750, 10.0},
      {"fit a flat page", {0, 0}, "changeExportSize", 0, 400, 200, 4.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Window w;
    w.document->setViewController(std::shared_ptr<DocumentEditor>());
    w.document->setExportWidth(int(std::lround(c.page.x * 4.0)));
    w.document->setExportHeight(int(std::lround(c.page.y * 4.0)));
    if (c.page.x == 0.0 || c.page.y == 0.0) {
      w.document->setExportWidth(400);
      w.document->setExportHeight(200);
    }
    w.editor->snappedPage = {{-10.0, 5.0}, c.page};
    w.document->setViewController(w.editor);
    if (c.key == "changeExportSize")
      w.document->changeExportSize();
    else if (c.key == "changeExportScale")
      w.document->changeExportScale();
    else
      w.document->setValue(c.key, c.value);
    EXPECT_EQ(w.document->exportWidth(), c.width);
    EXPECT_EQ(w.document->exportHeight(), c.height);
    EXPECT_DOUBLE_EQ(w.document->exportScale(), c.scale);
    EXPECT_FALSE(w.undo->canUndo());
  }
}

// The fit actions set the size even when the scale has the fitted value
// already: the user may have typed another size since.
TEST(Document, FitsTheExportSizeWhateverTheScaleWas) {
  Window w;
  w.editor->snappedPage = {{0.0, 0.0}, {512.0, 256.0}};
  w.document->setExportHeight(1024);
  w.document->setExportWidth(3000);
  ASSERT_EQ(w.document->exportScale(), 4.0);
  w.document->changeExportSize();
  EXPECT_EQ(w.document->exportWidth(), 2048);
  EXPECT_EQ(w.document->exportHeight(), 1024);
}

TEST(Document, TakesFileSettingsWithoutUndo) {
  Window w;
  const auto tiles = w.addSquares({false});
  DocumentSettings file;
  file.shapeColor = red;
  file.shapeBezierFactor = 0.5;
  file.borderColor2 = red;
  file.borderWidth3 = 4.0;
  file.borderLineStyle = true;
  file.backgroundColor = Color::white();
  file.scale = 40.0;
  file.rotation = 30.0;
  file.pageBounds = {{1.0, 2.0}, {3.0, 4.0}};
  file.crossings = CrossingStatus::alternate;
  file.displayMode = 3;
  file.metalness = 0.1;
  file.lightAngleZ = 45.0;
  file.ambientColor = red;
  file.surfaceRoundness = 0.25;
  file.rippleScale = 8.0;
  w.event([&] { w.document->applyFileSettings(file); });
  EXPECT_EQ(w.document->fileSettings(), file);
  EXPECT_FALSE(w.document->exportAlpha());
  EXPECT_EQ(w.editor->toolColor, red);
  EXPECT_EQ(tiles[0]->shapeBezierFactor, 1.0);
  EXPECT_FALSE(w.undo->canUndo());
  EXPECT_TRUE(w.undo->isUndoRegistrationEnabled());

  // A zoom of 0 from a file is refused like any other.
  file.scale = 0.0;
  w.document->applyFileSettings(file);
  EXPECT_EQ(w.document->scale(), 40.0);
}

TEST(Document, SavesTheToolColourShown) {
  Window w;
  const auto tiles = w.addSquares({false, true});
  tiles[1]->setShapeColor(red);
  EXPECT_EQ(w.document->fileSettings().shapeColor, red);
}

// A new document saves the defaults as every file has them; the text is what
// older readers and our own default settings must agree on.
TEST(Document, WritesTheDefaultSettingsAsEveryNewFileHasThem) {
  const auto document = Document::create();
  EXPECT_EQ(document->documentText({}), std::string("Ornival 0.2\n\n") + testing::defaultSettingsLines);
  EXPECT_EQ(document->fileSettings(), DocumentSettings{});
}

TEST(Document, SavesTheEditorsTilesWithTheToolColourShown) {
  Window w;
  const auto tiles = w.addSquares({false, true});
  tiles[1]->setShapeColor(red);
  const std::string text = w.document->documentText(tiles);
  // The two squares lie side by side unglued: each is a piece of its own, the
  // second placed one unit to the right of the first.
  EXPECT_NE(text.find("\nshapes:\n7,1\n\nshapes:\n7,0,0,0,0,0,0,1.0,0.0,0.0,1.0,1.0,0.0\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("\nshapeColor: FF0000FF\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace ornival
