#include "editor/ViewController.h"

#include "document/ReliefSnapshot.h"
#include "model/Shape.h"
#include "platform/Geometry.h"
#include "platform/Material.h"
#include "platform/Scene.h"
#include "support/EditorHarness.h"
#include "support/TileGrids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ornival {
namespace {

using testing::EditorHarness;

void expectNear(Vec3 actual, Vec3 expected, double tolerance = 1e-9) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// What shows after each step of 2 → 3 → 2, with and without a tile being
// dragged: the flat layers give way to the scene and come back, the mark
// outline stays hidden in relief and while tiles are carried, and the
// underlay dims under the relief.
TEST(ViewControllerRelief, DimensionSwitchShowsOneViewAtATime) {
  struct Shown {
    bool flatLayers, markLayer, scene, flatMarkNode;
    double underlayOpacity;
    int toolbar;
  };
  struct Step {
    int dimension;
    bool moving;
    Shown shown;
  };
  const Step steps[] = {
      {3, false, {false, false, true, true, 0.5, 3}},
      {2, false, {true, true, false, true, 1.0, 2}},
      {3, true, {false, false, true, false, 0.5, 3}},
      {2, true, {true, false, false, false, 1.0, 2}},
  };
  EditorHarness harness(testing::squareGrid(2, 1));
  auto& e = *harness.editor;
  e.imageLayer = ShapeLayer::create();
  const auto& root = harness.view->shownScene->rootNode();
  for (const Step& step : steps) {
    SCOPED_TRACE(::testing::Message() << "to " << step.dimension << (step.moving ? " while moving" : ""));
    e.isMoving = step.moving;
    harness.command([&](ViewController&) { harness.document->setDisplayMode(step.dimension); });
    for (const auto& flat : {e.shapesLayer, e.borderLayer, e.borderLayer2, e.borderLayer3})
      EXPECT_EQ(!flat->isHidden(), step.shown.flatLayers);
    EXPECT_EQ(!e.markLayer->isHidden(), step.shown.markLayer);
    EXPECT_EQ(!root->isHidden(), step.shown.scene);
    EXPECT_EQ(!e.flatMarkNode->isHidden(), step.shown.flatMarkNode);
    EXPECT_EQ(e.imageLayer->opacity(), step.shown.underlayOpacity);
    EXPECT_EQ(harness.window->dimension, step.shown.toolbar);
    // The tiles' copy stays in the content whichever view shows.
    EXPECT_EQ(e.flatNode->parentNode(), e.contentNode);
    EXPECT_EQ(e.contentNode->parentNode(), root);
  }
}

TEST(ViewControllerRelief, ADocumentSavedInReliefOpensInRelief) {
  EditorHarness::Setup setup;
  setup.tiles = testing::squareGrid(1, 1);
  setup.prepareDocument = [](Document& document) {
    DocumentSettings settings;
    settings.displayMode = 3;
    document.applyFileSettings(settings);
  };
  EditorHarness harness(std::move(setup));
  EXPECT_EQ(harness.editor->dimension(), 3);
  EXPECT_FALSE(harness.view->shownScene->rootNode()->isHidden());
  EXPECT_TRUE(harness.editor->shapesLayer->isHidden());
}

// Each surface setting reaches every tile's material through the shared
// cache and the flat copy shows it; the same value again changes nothing.
TEST(ViewControllerRelief, SurfaceSettingsReachTheTilesMaterials) {
  struct Family {
    const char* name;
    void (Document::*set)(double);
    void (ViewController::*update)();
    double (Shape::*read)() const;
    std::optional<double> Material::*materialValue;
  };
  const Family families[] = {
      {"metalness", &Document::setMetalness, &ViewController::updateMetalness, &Shape::metalness,
       &Material::metalness},
      {"roughness", &Document::setRoughness, &ViewController::updateRoughness, &Shape::roughness,
       &Material::roughness},
      {"ripple", &Document::setRipple, &ViewController::updateRipple, &Shape::ripple, nullptr},
      {"rippleScale", &Document::setRippleScale, &ViewController::updateRippleScale, &Shape::rippleScale, nullptr},
  };
  for (const Family& family : families) {
    SCOPED_TRACE(family.name);
    EditorHarness harness(testing::squareGrid(2, 1));
    auto& e = *harness.editor;
    harness.command([&](ViewController&) { harness.document->setDisplayMode(3); });
    const auto& tiles = e.graph().shapes();
    const auto material = tiles[0]->geometry()->firstMaterial();
    const auto shown = e.flatNode;
    const int previews = harness.window->surfaceSceneUpdates;

    // The document's value pushed again: the tiles keep their material.
    harness.command([&](ViewController& editor) { (editor.*family.update)(); });
    EXPECT_EQ(tiles[0]->geometry()->firstMaterial(), material);

    harness.command([&](ViewController&) { (*harness.document.*family.set)(0.875); });
    for (const auto& tile : tiles) {
      EXPECT_EQ((*tile.*family.read)(), 0.875);
      EXPECT_NE(tile->geometry()->firstMaterial(), material);
    }
    // One material for both tiles, as they agree on every value.
    EXPECT_EQ(tiles[0]->geometry()->firstMaterial(), tiles[1]->geometry()->firstMaterial());
    if (family.materialValue) {
      EXPECT_EQ(tiles[0]->geometry()->firstMaterial().get()->*family.materialValue, 0.875);
    }
    ASSERT_NE(e.flatNode, shown);
    // One node shows both.
    ASSERT_EQ(e.flatNode->childNodes().size(), 1u);
    EXPECT_EQ(e.flatNode->childNodes()[0]->instances()->size(), 2u);
    EXPECT_EQ(e.flatNode->childNodes()[0]->geometry()->firstMaterial(), tiles[0]->geometry()->firstMaterial());
    EXPECT_GT(harness.window->surfaceSceneUpdates, previews);

    // Undone, the old material comes back, shown in the copy too.
    harness.undo();
    EXPECT_EQ(tiles[0]->geometry()->firstMaterial(), material);
    EXPECT_EQ(e.flatNode->childNodes()[0]->geometry()->firstMaterial(), material);
  }
}

// The root turns by the three angles and takes camera and content along; the
// light turns once more within it, so that relative to the camera it is the
// light alone that turns about the origin.
TEST(ViewControllerRelief, LightAnglesTurnTheLightAboutTheOrigin) {
  EditorHarness harness;
  auto& e = *harness.editor;
  const Vec3 home{-200.0, 1000.0, 200.0};
  harness.command([&](ViewController&) { harness.document->setLightAngleX(90.0); });
  const auto& root = harness.view->shownScene->rootNode();
  EXPECT_EQ(e.rootNode(), root);
  expectNear(position(*e.lightNode), {-200.0, -200.0, 1000.0});
  expectNear(root->transform().apply({0.0, 1.0, 0.0}), {0.0, 0.0, 1.0});

  // The other angles keep theirs: a quarter turn about z then follows.
  harness.command([&](ViewController&) { harness.document->setLightAngleZ(90.0); });
  const Transform3D expected = Transform3D::rotation({0.0, 0.0, 1.0}, std::numbers::pi / 2)
                                   .concatenating(Transform3D::rotation({1.0, 0.0, 0.0}, std::numbers::pi / 2));
  expectNear(position(*e.lightNode), expected.apply(home));
  // Seen from the content, the light stands where the turn puts its home.
  const auto inContent = [&](Vec3 world) {
    // The root is a pure turn: its inverse is its transpose.
    const Transform3D& r = root->transform();
    return Vec3{world.dot({r.m[0][0], r.m[0][1], r.m[0][2]}), world.dot({r.m[1][0], r.m[1][1], r.m[1][2]}),
                world.dot({r.m[2][0], r.m[2][1], r.m[2][2]})};
  };
  expectNear(inContent(worldTransform(*e.lightNode).apply({})), expected.apply(home));

  // Back to 0 and 0, the light is home.
  harness.command([&](ViewController&) {
    harness.document->setLightAngleX(0.0);
    harness.document->setLightAngleZ(0.0);
  });
  expectNear(position(*e.lightNode), home);
  expectNear(root->transform().apply({1.0, 2.0, 3.0}), {1.0, 2.0, 3.0});
}

TEST(ViewControllerRelief, AmbientColourIsTheScenesAmbientLight) {
  EditorHarness harness;
  const Color warm{0.8, 0.6, 0.4, 1.0};
  harness.command([&](ViewController&) { harness.document->setAmbientColor(warm); });
  EXPECT_EQ(harness.editor->ambientLight->color, warm);
  const auto& lights = harness.view->shownScene->lights();
  ASSERT_EQ(lights.size(), 2u);
  EXPECT_EQ(lights[0].light, harness.editor->ambientLight);
  EXPECT_EQ(lights[0].light->type, LightType::ambient);
  EXPECT_EQ(lights[1].light, harness.editor->light);
  EXPECT_EQ(lights[1].node, harness.editor->lightNode);
}

// The crossings node wears the raised crossings in the widest band's colour
// and the document's surface.
TEST(ViewControllerRelief, CrossingsNodeCarriesTheRaisedCrossings) {
  EditorHarness::Setup setup;
  setup.tiles = testing::squareGrid(2, 2);
  setup.prepareDocument = [](Document& document) {
    DocumentSettings settings;
    settings.borderWidth2 = 6.0;
    settings.borderColor2 = {1.0, 0.5, 0.0, 1.0};
    settings.metalness = 0.25;
    document.applyFileSettings(settings);
  };
  EditorHarness harness(std::move(setup));
  auto& e = *harness.editor;
  harness.command([&](ViewController&) { harness.document->setCrossings(CrossingStatus::on); });
  ASSERT_EQ(e.crossingsNode->parentNode(), e.contentNode);
  const auto& geometry = e.crossingsNode->geometry();
  ASSERT_TRUE(geometry);
  ASSERT_EQ(geometry->sources().positions.size(), 5u);
  EXPECT_EQ(geometry->sources().positions[1].z, 3.0);
  const auto material = geometry->firstMaterial();
  ASSERT_TRUE(material);
  EXPECT_EQ(material->diffuse, (Color{1.0, 0.5, 0.0, 1.0}));
  EXPECT_EQ(material->metalness, 0.25);

  // Alternating moves the ridges onto the other line.
  const auto on = geometry->sources().positions;
  harness.command([&](ViewController&) { harness.document->setCrossings(CrossingStatus::alternate); });
  EXPECT_NE(e.crossingsNode->geometry()->sources().positions, on);
}

// Tab hands the mouse to the camera only in relief; leaving the relief hands
// it back, and the free camera glides home before the view draws from the
// editor's camera again.
TEST(ViewControllerRelief, CameraControlIsAReliefStateThatLeavingTheReliefEnds) {
  EditorHarness harness(testing::squareGrid(1, 1));
  auto& e = *harness.editor;
  harness.command([](ViewController& editor) { editor.toggleCameraControl(); });
  EXPECT_FALSE(e.cameraControl.isOn());
  EXPECT_EQ(e.dragAction, DragAction::ignore);

  harness.command([&](ViewController&) { harness.document->setDisplayMode(3); });
  const int invalidations = harness.view->cursorInvalidations;
  harness.command([](ViewController& editor) { editor.toggleCameraControl(); });
  EXPECT_TRUE(e.cameraControl.isOn());
  EXPECT_EQ(e.dragAction, DragAction::camera);
  EXPECT_EQ(harness.view->cursorInvalidations, invalidations + 1);
  const auto free = e.cameraControl.pointOfView();
  ASSERT_TRUE(free);
  EXPECT_EQ(free->parentNode(), e.rootNode());
  e.cameraControl.drag({50.0, 0.0}, 800.0, false);
  EXPECT_NE(free->transform(), e.cameraNode()->transform());
  const Transform3D home = e.cameraNode()->transform();

  harness.command([](ViewController& editor) { editor.toggleCameraControl(); });
  EXPECT_FALSE(e.cameraControl.isOn());
  EXPECT_EQ(e.dragAction, DragAction::ignore);
  EXPECT_TRUE(e.cameraControl.isGliding());

  harness.command([](ViewController& editor) { editor.toggleCameraControl(); });
  ASSERT_TRUE(e.cameraControl.isOn());
  harness.command([&](ViewController&) { harness.document->setDisplayMode(2); });
  EXPECT_FALSE(e.cameraControl.isOn());
  e.cameraControl.advance(1.0);
  EXPECT_EQ(e.cameraControl.pointOfView(), nullptr);
  EXPECT_EQ(free->parentNode(), nullptr);
  // The editor's own camera never moved.
  EXPECT_EQ(e.cameraNode()->transform(), home);
}

// A fake renderer that records what it was made with and draws a plain
// picture of the size asked for.
struct Recorded {
  int made = 0;
  Color background;
  const Camera* camera = nullptr;
  std::shared_ptr<const SceneNode> pointOfView;
  std::vector<std::pair<int, int>> sizes;
};

class PlainRenderer : public SnapshotRenderer {
public:
  explicit PlainRenderer(Recorded& recorded) : recorded_(recorded) {}
  std::optional<RgbaImage> snapshot(int width, int height, bool) override {
    recorded_.sizes.emplace_back(width, height);
    return RgbaImage(width, height);
  }

private:
  Recorded& recorded_;
};

SnapshotRendererMaker plainRenderers(Recorded& recorded) {
  return [&recorded](std::shared_ptr<const Scene>, std::shared_ptr<const SceneNode> pointOfView, const Camera& camera,
                     Color background) -> std::unique_ptr<SnapshotRenderer> {
    ++recorded.made;
    recorded.background = background;
    recorded.camera = &camera;
    recorded.pointOfView = std::move(pointOfView);
    return std::make_unique<PlainRenderer>(recorded);
  };
}

TEST(ViewControllerRelief, BitmapExportInReliefDrawsThePageFromTheEditorsCamera) {
  EditorHarness harness(testing::squareGrid(2, 1));
  auto& e = *harness.editor;
  auto& document = *harness.document;
  harness.command([&](ViewController&) { document.setDisplayMode(3); });
  const Transform3D cameraBefore = e.cameraNode()->transform();
  const Transform3D contentBefore = e.contentNode->transform();
  const Camera lensBefore = e.camera();

  Recorded recorded;
  const std::optional<RgbaImage> image = snapshot3DImage(document, plainRenderers(recorded));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width(), document.exportWidth());
  EXPECT_EQ(image->height(), document.exportHeight());
  EXPECT_EQ(recorded.pointOfView, e.cameraNode());
  EXPECT_EQ(recorded.camera, &e.camera());
  // With alpha the background is clear, without it the document's.
  EXPECT_EQ(recorded.background, Color::clear());
  harness.command([&](ViewController&) { document.setExportAlpha(false); });
  ASSERT_TRUE(snapshot3DImage(document, plainRenderers(recorded)));
  EXPECT_EQ(recorded.background, document.backgroundColor());
  EXPECT_EQ(e.cameraNode()->transform(), cameraBefore);
  EXPECT_EQ(e.contentNode->transform(), contentBefore);
  EXPECT_EQ(e.camera(), lensBefore);

  // No renderer, or no editor: no picture.
  const SnapshotRendererMaker none = [](auto&&...) { return std::unique_ptr<SnapshotRenderer>(); };
  EXPECT_FALSE(snapshot3DImage(document, none));
  const auto detached = Document::create();
  EXPECT_FALSE(snapshot3DImage(*detached, plainRenderers(recorded)));
}

// What the camera shows while a picture is taken.
struct Framing {
  Camera lens;
  Vec3 at;
  Transform3D placed;
  double aspect = 0.0;
};

class FramingRenderer : public SnapshotRenderer {
public:
  FramingRenderer(Framing& seen, const Camera& camera, const SceneNode& eye, const SceneNode& content)
      : seen_(seen), camera_(camera), eye_(eye), content_(content) {}
  std::optional<RgbaImage> snapshot(int width, int height, bool) override {
    seen_ = {camera_, position(eye_), content_.transform(), double(width) / height};
    return RgbaImage(width, height);
  }

private:
  Framing& seen_;
  const Camera& camera_;
  const SceneNode& eye_;
  const SceneNode& content_;
};

// A picture of other proportions than the page shows the whole page,
// centred, filling the picture one way, at the scale of the flat bitmap's:
// a tall picture of a wide page is not cut at the sides.
TEST(ViewControllerRelief, BitmapExportInReliefShowsTheWholePageWhateverThePicturesProportions) {
  EditorHarness harness(testing::squareGrid(3, 1));
  auto& e = *harness.editor;
  auto& document = *harness.document;
  harness.command([&](ViewController&) { document.setDisplayMode(3); });
  const Rect page = e.snappedPageBounds();
  ASSERT_GT(page.size.x, page.size.y);
  const int width = document.exportWidth();
  const int height = document.exportHeight();
  struct Case {
    const char* name;
    int width, height;
  };
  const Case cases[] = {
      {"the page's own", width, height},
      {"taller", width, height * 4},
      {"wider", width * 3, height},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    harness.command([&](ViewController&) {
      document.setExportHeight(c.height);
      document.setExportWidth(c.width);
    });
    ASSERT_EQ(document.exportWidth(), c.width);
    ASSERT_EQ(document.exportHeight(), c.height);
    Framing seen;
    const SnapshotRendererMaker maker = [&](std::shared_ptr<const Scene>, std::shared_ptr<const SceneNode> eye,
                                            const Camera& camera, Color) -> std::unique_ptr<SnapshotRenderer> {
      return std::make_unique<FramingRenderer>(seen, camera, *eye, *e.contentNode);
    };
    ASSERT_TRUE(snapshot3DImage(document, maker));
    const Framing* renderer = &seen;
    // The view seen: half its height is the camera's scale.
    const double halfHeight = renderer->lens.orthographicScale;
    const double halfWidth = halfHeight * renderer->aspect;
    double left = 1e300, right = -1e300, bottom = 1e300, top = -1e300;
    for (const Vec2 corner : {page.origin, Vec2{page.maxX(), page.minY()}, Vec2{page.minX(), page.maxY()},
                              Vec2{page.maxX(), page.maxY()}}) {
      const Vec3 q = renderer->placed.apply({corner.x, corner.y, 0.0});
      left = std::min(left, q.x - renderer->at.x), right = std::max(right, q.x - renderer->at.x);
      bottom = std::min(bottom, q.y - renderer->at.y), top = std::max(top, q.y - renderer->at.y);
    }
    EXPECT_NEAR(left, -right, 1e-9) << "centred across";
    EXPECT_NEAR(bottom, -top, 1e-9) << "centred up and down";
    EXPECT_LE(right, halfWidth + 1e-9) << "the sides show";
    EXPECT_LE(top, halfHeight + 1e-9) << "top and bottom show";
    EXPECT_NEAR(std::max(right / halfWidth, top / halfHeight), 1.0, 1e-9) << "the page fills the picture one way";
    // Canvas units per pixel, as the flat bitmap draws them.
    EXPECT_NEAR(2.0 * halfHeight / c.height, 1.0 / document.exportScale(), 1e-3 / document.exportScale());
  }
}

}  // namespace
}  // namespace ornival
