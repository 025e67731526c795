#include "model/Shape.h"

#include "figures/catalogue/Shapes.h"
#include "model/Edge.h"
#include "model/Materials.h"
#include "model/MirrorIndex.h"
#include "platform/Geometry.h"
#include "platform/Material.h"
#include "platform/SceneNode.h"
#include "platform/ShapeLayer.h"
#include "support/Figures.h"
#include "support/Tiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ornival {
namespace {

using testing::attach;
using testing::glue;
using testing::placedTile;

constexpr Color red{1.0, 0.0, 0.0, 1.0};
constexpr Color teal{0.0, 0.5, 0.5, 1.0};

std::shared_ptr<const Figure> catalogueFigure(Shapes kind) {
  return Shapes::figures()[std::size_t(kind.rawValue() - Shapes::firstRawValue)];
}

void expectNear(Vec2 actual, Vec2 expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9);
  EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

void expectNear(Vec3 actual, Vec3 expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9);
  EXPECT_NEAR(actual.y, expected.y, 1e-9);
  EXPECT_NEAR(actual.z, expected.z, 1e-9);
}

// Material tests share the process-wide cache; each starts from an empty one.
class ShapeMaterial : public ::testing::Test {
protected:
  void SetUp() override { Materials::resetForTesting(); }
  void TearDown() override { Materials::resetForTesting(); }
};

TEST(Shape, FreshTileHasItsDefaultsAndOwnsItsEdges) {
  const auto shape = Shape::create(testing::lShape());
  EXPECT_TRUE(shape->transformation.isIdentity());
  EXPECT_EQ(shape->status(), ShapeStatus::live);
  EXPECT_EQ(shape->shapeColor(), Color::white());
  EXPECT_EQ(shape->metalness(), 0.5);
  EXPECT_EQ(shape->roughness(), 0.5);
  EXPECT_EQ(shape->ripple(), 0.0);
  EXPECT_EQ(shape->rippleScale(), 0.0);
  EXPECT_EQ(shape->surfaceRoundness(), 1.0);
  EXPECT_EQ(shape->lineAttributes, (std::vector<LineAttribute>{
                                       {2.0, Color::black()}, {0.0, Color::white()}, {0.0, Color::black()}}));
  EXPECT_EQ(shape->borderBezierFactor, 2.0);
  EXPECT_EQ(shape->borderRadiusLimit, 1.0);
  EXPECT_EQ(shape->geometry(), nullptr);
  EXPECT_EQ(shape->mark, nullptr);
  for (const auto& edge : shape->edges())
    EXPECT_EQ(edge->shape.lock(), shape);
}

TEST(Shape, StatusRecoloursTheFill) {
  const struct {
    ShapeStatus status;
    Color fill;
  } cases[] = {
      {ShapeStatus::moving, {1.0, 0.0, double(0.3919598f), double(0.8f)}},
      {ShapeStatus::marked, {0.0, 0.0, 0.0, 0.5}},
      {ShapeStatus::copy, {double(0.4015748f), 1.0, 0.0, double(0.8f)}},
      {ShapeStatus::cut, {double(0.9326969f), double(0.9372549f), 0.0, double(0.8f)}},
      {ShapeStatus::live, teal},
  };
  const auto shape = placedTile(testing::unitSquare());
  shape->setShapeColor(teal);
  for (const auto& c : cases) {
    shape->setStatus(c.status);
    EXPECT_EQ(shape->status(), c.status);
    EXPECT_EQ(shape->layer()->fillColor(), c.fill) << int(c.status);
  }

  // The same status again leaves whatever the fill shows alone.
  shape->layer()->setFillColor(red);
  shape->setStatus(ShapeStatus::live);
  EXPECT_EQ(shape->layer()->fillColor(), red);
}

TEST(Shape, VariantCountsTurnsModuloTheFigurePeriod) {
  const struct {
    std::shared_ptr<Figure> figure;
    double degrees;
    int variant;
  } cases[] = {
      {testing::unitSquare(), 0, 0},
      {testing::unitSquare(), 90, 0},  // 60060 · 4 · 90 is one whole turn of steps
      {testing::unitSquare(), 180, 0},
      {testing::unitSquare(), -90, 0},
      {testing::unitSquare(), 45, 10810800},
      {testing::unitSquare(), -30, 14414400},
      {testing::equilateralTriangle(), 120, 0},
      {testing::equilateralTriangle(), 60, 10810800},
      {testing::lShape(), 90, 5405400},
  };
  for (const auto& c : cases) {
    const auto shape = Shape::create(c.figure);
    shape->transformation = AffineTransform::rotation(c.degrees * std::numbers::pi / 180).scaledBy(20, 20);
    EXPECT_EQ(shape->variant(), c.variant) << c.figure->name() << " " << c.degrees;
  }

  // Kept once read, whatever the tile does later.
  const auto shape = placedTile(testing::unitSquare());
  ASSERT_EQ(shape->variant(), 0);
  shape->transformation = AffineTransform::rotation(std::numbers::pi / 4);
  shape->updateTransformedGeometry();
  EXPECT_EQ(shape->variant(), 0);
}

TEST(Shape, PlaceWithoutEdgeUsesTheDefaultSize) {
  const auto shape = Shape::create(testing::unitSquare());
  shape->place(nullptr);
  EXPECT_EQ(shape->transformation, ShapeModel::defaultTransformation());
  EXPECT_EQ(shape->scale(), 1.0);
  EXPECT_EQ(shape->edges()[0]->transformedVertex(), (Vec2{0, 0}));
  EXPECT_EQ(shape->edges()[2]->transformedVertex(), (Vec2{20, 20}));
}

TEST(Shape, PlaceOnAFreeEdgeStartsAtItsEndAlongIt) {
  const auto base = placedTile(testing::unitSquare());
  const auto shape = Shape::create(testing::equilateralTriangle());
  shape->place(base->edges()[1]);  // (20, 0) → (20, 20)
  expectNear(shape->edges()[0]->transformedVertex(), {20, 20});
  expectNear(shape->edges()[1]->transformedVertex(), {20, 0});
  // Counter-clockwise from the edge's end back to its start puts the apex
  // outside the square.
  expectNear(shape->edges()[2]->transformedVertex(), {20 + 10 * std::sqrt(3.0), 10});
  EXPECT_DOUBLE_EQ(shape->scale(), 1.0);
}

TEST(Shape, PlaceOnAJoinedEdgeLaysTheOwnSideOnItReversed) {
  const struct {
    std::shared_ptr<Figure> figure;
    int own;
    int onto;
    double scale;
  } cases[] = {
      {testing::unitSquare(), 3, 1, 1.0},
      {testing::unitSquare(), 0, 2, 1.0},
      {testing::equilateralTriangle(), 2, 0, 1.0},
      {testing::lShape(), 0, 1, 0.5},  // a side of 2 shrinks onto a side of 1
      {testing::lShape(), 3, 3, 1.0},
  };
  for (const auto& c : cases) {
    const auto base = placedTile(testing::unitSquare());
    const auto& e = base->edges()[std::size_t(c.onto)];
    const auto eEnd = e->next.lock();
    const auto shape = attach(c.figure, c.own, e);
    const auto& j = shape->edges()[std::size_t(c.own)];
    SCOPED_TRACE(c.figure->name() + " side " + std::to_string(c.own));
    expectNear(j->transformedVertex(), eEnd->transformedVertex());
    expectNear(j->next.lock()->transformedVertex(), e->transformedVertex());
    EXPECT_NEAR(shape->scale(), c.scale, 1e-12);
    // The new tile lies outside the square, right of the square's side: the
    // corner after its own side (convex in every case here) shows which way.
    const Vec2 side = eEnd->transformedVertex() - e->transformedVertex();
    const Vec2 beyond = j->next.lock()->next.lock()->transformedVertex();
    EXPECT_LT(side.cross(beyond - e->transformedVertex()), -1.0);
  }
}

TEST(Shape, NearestVertexPrefersTheLowerIndexOnTies) {
  const auto shape = placedTile(testing::unitSquare());
  EXPECT_EQ(shape->nearestVertexIndex({10, -5}), 0);
  EXPECT_EQ(shape->nearestVertexIndex({20, 10}), 1);
  EXPECT_EQ(shape->nearestVertexIndex({19, 21}), 2);
  EXPECT_EQ(shape->nearestVertexIndex({-3, 30}), 3);
}

TEST(Shape, RotatedBoundsTurnAboutTheOrigin) {
  EXPECT_EQ(rotatedBounds({}, 30), Rect{});
  const auto shape = placedTile(testing::unitSquare());
  const Rect quarter = rotatedBounds(shape->edges(), 90);
  expectNear(quarter.origin, {-20, 0});
  expectNear(quarter.size, {20, 20});
  const Rect eighth = rotatedBounds(shape->edges(), 45);
  expectNear(eighth.origin, {-10 * std::sqrt(2.0), 0});
  expectNear(eighth.size, {20 * std::sqrt(2.0), 20 * std::sqrt(2.0)});
}

TEST(Shape, InfoNamesTheFirstJoinedSideAndItsPartner) {
  const auto lone = placedTile(testing::lShape());
  lone->index = 4;
  lone->edges()[2]->isGroupJoin = true;
  const ShapeInfo alone = lone->info();
  EXPECT_EQ(alone.parentShapeIndex, 0);
  EXPECT_EQ(alone.parentEdgeIndex, 0);
  EXPECT_EQ(alone.edgeOffset, 0);
  EXPECT_EQ(alone.index, 4);
  EXPECT_EQ(alone.tag, Shapes::l.rawValue());
  EXPECT_EQ(alone.groupJoins, (std::vector<bool>{false, false, true, false, false, false}));
  // With no glued side the record keeps where the tile stands instead.
  EXPECT_FALSE(alone.hasParent);
  EXPECT_EQ(alone.transformation, lone->transformation);

  const auto base = placedTile(testing::unitSquare());
  base->index = 3;
  const auto shape = attach(testing::unitSquare(), 2, base->edges()[1]);
  shape->index = 7;
  shape->marked = true;
  shape->layerIndex = 2;
  shape->borderRadiusLimit = 0.25;
  shape->setShapeColor(teal);
  ShapeInfo expected;
  expected.parentShapeIndex = 3;
  expected.parentEdgeIndex = 1;
  expected.index = 7;
  expected.tag = Shapes::square.rawValue();
  expected.edgeOffset = 2;
  expected.marked = true;
  expected.shapeColor = teal;
  expected.layerIndex = 2;
  expected.borderRadiusLimit = 0.25;
  expected.groupJoins = {false, false, false, false};
  expected.hasParent = true;
  expected.transformation = shape->transformation;
  EXPECT_EQ(shape->info(), expected);

  // A lower side joined later takes over; one whose partner tile went away
  // counts as free.
  {
    const auto other = placedTile(testing::unitSquare());
    other->index = 9;
    glue(shape->edges()[0], other->edges()[3], true);
    EXPECT_EQ(shape->info().parentShapeIndex, 9);
    EXPECT_EQ(shape->info().parentEdgeIndex, 3);
    EXPECT_EQ(shape->info().edgeOffset, 0);
    EXPECT_EQ(shape->info().groupJoins, (std::vector<bool>{true, false, false, false}));
  }
  EXPECT_EQ(shape->info().parentShapeIndex, 3);
  EXPECT_EQ(shape->info().edgeOffset, 2);
}

TEST(Shape, MakeTurnsACandidateIntoATile) {
  const auto model = ShapeModel::create(testing::equilateralTriangle());
  model->transformation = AffineTransform::rotation(0.5).scaledBy(20, 20).concatenating(
      AffineTransform::translation(5, 7));
  model->updateTransformedGeometry();

  const auto shape = Shape::make(model, 1.0, 0.5, 0.75, 0.25);
  ASSERT_NE(shape, nullptr);
  EXPECT_NE(std::static_pointer_cast<ShapeModel>(shape), model);
  EXPECT_EQ(shape->figure(), model->figure());
  EXPECT_EQ(shape->transformation, model->transformation);
  EXPECT_EQ(shape->border(), model->border());
  EXPECT_EQ(shape->center(), model->center());
  EXPECT_EQ(shape->borderBezierFactor, 1.0);
  EXPECT_EQ(shape->shapeBezierFactor, 0.5);
  EXPECT_EQ(shape->borderRadiusLimit, 0.75);
  EXPECT_EQ(shape->shapeRadiusLimit, 0.25);
  EXPECT_EQ(shape->layer()->path(), model->figure()->roundedPath(0.5, 0.25)->transformed(model->transformation));
  EXPECT_EQ(shape->borderLayer()->path(), shape->borderPath());
  EXPECT_TRUE(shape->layer()->animationKeys().empty());
  for (const auto& edge : shape->edges())
    EXPECT_EQ(edge->shape.lock(), shape);

  // A tile is taken as it is.
  EXPECT_EQ(Shape::make(shape, 2.0, 2.0, 1.0, 1.0), shape);
  EXPECT_EQ(shape->borderBezierFactor, 1.0);
}

TEST(Shape, ConfigureLayersDrawsFillAndBands) {
  const auto shape = placedTile(testing::unitSquare());
  shape->shapeBezierFactor = 1.0;
  shape->borderBezierFactor = 1.0;
  shape->setShapeColor(teal);
  shape->setStatus(ShapeStatus::moving);
  shape->configureLayers(false);

  const auto& fill = shape->layer();
  EXPECT_EQ(fill->path(), shape->figure()->roundedPath(1.0, 1.0)->transformed(shape->transformation));
  EXPECT_EQ(fill->fillColor(), teal);
  EXPECT_EQ(fill->strokeColor(), std::nullopt);
  // A fresh tile shows one band: band 0, drawn by the third stroke.
  const struct {
    const std::shared_ptr<ShapeLayer>& layer;
    double width;
  } strokes[] = {{shape->borderLayer(), 0.0}, {shape->borderLayer2(), 0.0}, {shape->borderLayer3(), 2.0}};
  for (const auto& s : strokes) {
    EXPECT_EQ(s.layer->path(), shape->borderPath());
    EXPECT_EQ(s.layer->lineWidth(), s.width);
    EXPECT_EQ(s.layer->fillColor(), std::nullopt);
    EXPECT_EQ(s.layer->lineCap(), LineCap::round);
    EXPECT_EQ(s.layer->lineJoin(), LineJoin::miter);
    EXPECT_TRUE(s.layer->animationKeys().empty());
  }
  EXPECT_EQ(shape->borderLayer()->strokeColor(), Color::black());
  EXPECT_EQ(shape->borderLayer2()->strokeColor(), Color::white());
  EXPECT_EQ(shape->borderLayer3()->strokeColor(), Color::black());

  shape->borderLineStyle = true;
  shape->configureLayers(true);
  for (const auto& layer : {shape->layer(), shape->borderLayer(), shape->borderLayer2(), shape->borderLayer3()}) {
    EXPECT_EQ(layer->animationKeys(), std::vector<std::string>{"path"});
    EXPECT_EQ(layer->animation("path"), LayerAnimation::basic("path"));
  }
  for (const auto& layer : {shape->borderLayer(), shape->borderLayer2(), shape->borderLayer3()})
    EXPECT_EQ(layer->lineJoin(), LineJoin::round);
}

TEST(Shape, BandUpdatesGoWidestToTheFirstStroke) {
  const auto shape = placedTile(testing::unitSquare());
  shape->lineAttributes = {{1.0, red}, {2.0, teal}, {3.0, Color::white()}};
  shape->updateLineWidth();
  EXPECT_EQ(shape->borderLayer()->lineWidth(), 3.0);
  EXPECT_EQ(shape->borderLayer2()->lineWidth(), 2.0);
  EXPECT_EQ(shape->borderLayer3()->lineWidth(), 1.0);
  EXPECT_EQ(shape->borderLayer()->strokeColor(), Color::white());
  EXPECT_EQ(shape->borderLayer2()->strokeColor(), teal);
  EXPECT_EQ(shape->borderLayer3()->strokeColor(), red);

  shape->borderLineStyle = true;
  shape->updateLineJoin();
  EXPECT_EQ(shape->borderLayer3()->lineJoin(), LineJoin::round);
  shape->borderLineStyle = false;
  shape->updateLineJoin();
  EXPECT_EQ(shape->borderLayer2()->lineJoin(), LineJoin::miter);
}

TEST_F(ShapeMaterial, NodeCarriesTheSolidWithTheSharedMaterial) {
  const auto shape = placedTile(testing::unitSquare());
  shape->transformation = AffineTransform::scale(40, 40).concatenating(AffineTransform::translation(3, 4));
  shape->updateTransformedGeometry();
  const auto& node = shape->node();
  ASSERT_NE(shape->geometry(), nullptr);
  EXPECT_EQ(node->geometry(), shape->geometry());
  EXPECT_EQ(&shape->node(), &node);  // made once
  const auto& sources = shape->geometry()->sources();
  EXPECT_FALSE(sources.positions.empty());
  EXPECT_EQ(sources.normals.size(), sources.positions.size());
  // Heights scale with the tile.
  expectNear(node->transform().apply({1, 1, 0.5}), {43, 44, 20});

  const auto material = shape->geometry()->firstMaterial();
  ASSERT_NE(material, nullptr);
  EXPECT_EQ(material, Materials::material({Color::white(), 0.5f, 0.5f, 0.0f, 0.0f, 2.0f, shape->lineAttributes}));

  // Equal values share one material; a changed value gets its own, an
  // unchanged one keeps it.
  const auto twin = placedTile(testing::unitSquare());
  twin->transformation = shape->transformation;
  twin->updateTransformedGeometry();
  twin->node();
  EXPECT_EQ(twin->geometry()->firstMaterial(), material);
  twin->setMetalness(0.5);
  EXPECT_EQ(twin->geometry()->firstMaterial(), material);
  twin->setRoughness(0.25);
  EXPECT_NE(twin->geometry()->firstMaterial(), material);
  EXPECT_EQ(twin->geometry()->firstMaterial()->roughness, 0.25);
  twin->setShapeColor(red);
  EXPECT_EQ(twin->geometry()->firstMaterial()->diffuse, red);
}

// Every tile of a figure wears the one solid made for its roundness, each
// under a geometry of its own for its own material.
TEST_F(ShapeMaterial, TilesOfAFigureShareTheSolidOfTheirRoundness) {
  const auto a = placedTile(testing::unitSquare());
  const auto b = placedTile(a->figure());
  a->node();
  b->node();
  EXPECT_NE(a->geometry(), b->geometry());
  EXPECT_EQ(&a->geometry()->sources(), &b->geometry()->sources());
  b->setSurfaceRoundness(0.0);
  EXPECT_NE(&a->geometry()->sources(), &b->geometry()->sources());
  EXPECT_EQ(b->geometry()->sources().positions, a->geometry()->sources().positions);
  a->setSurfaceRoundness(0.0);
  EXPECT_EQ(&a->geometry()->sources(), &b->geometry()->sources());
  // Another figure, if of the same outline, has its own solid.
  const auto c = placedTile(testing::unitSquare());
  c->setSurfaceRoundness(0.0);
  c->node();
  EXPECT_NE(&c->geometry()->sources(), &a->geometry()->sources());
}

TEST_F(ShapeMaterial, SurfaceRoundnessRebuildsAnExistingSolidOnly) {
  const auto plain = placedTile(testing::unitSquare());
  plain->setSurfaceRoundness(0.0);
  EXPECT_EQ(plain->geometry(), nullptr);

  const auto shape = placedTile(testing::unitSquare());
  const auto flat = shape->node()->geometry();
  shape->setSurfaceRoundness(-1.0);
  ASSERT_NE(shape->geometry(), flat);
  EXPECT_EQ(shape->node()->geometry(), shape->geometry());
  EXPECT_NE(shape->geometry()->sources().normals, flat->sources().normals);
  EXPECT_EQ(shape->geometry()->firstMaterial(), flat->firstMaterial());
}

TEST_F(ShapeMaterial, MarkHangsUpsideDownBelowTheTile) {
  // A tile marked in the flat view has no solid yet; its mark wears the
  // figure's solid without building the tile's own (nor its material) or a
  // node: selecting a large tiling in the flat view builds no 3D per tile.
  const auto shape = placedTile(testing::unitSquare());
  const auto mark = shape->markNode();
  EXPECT_EQ(shape->geometry(), nullptr);
  EXPECT_FALSE(shape->hasNode());
  EXPECT_EQ(mark->name(), "mark");
  ASSERT_NE(mark->geometry(), nullptr);
  // Once the relief shows, the tile wears the same solid in its own material.
  shape->node();
  ASSERT_NE(shape->geometry(), nullptr);
  EXPECT_NE(mark->geometry(), shape->geometry());
  EXPECT_EQ(&mark->geometry()->sources(), &shape->geometry()->sources());
  EXPECT_EQ(mark->geometry()->firstMaterial(), Shape::defaultMaterial());
  EXPECT_NE(shape->geometry()->firstMaterial(), Shape::defaultMaterial());
  const Material& markMaterial = *Shape::defaultMaterial();
  EXPECT_EQ(markMaterial.diffuse, (Color{1.0, 0.0, double(0.3960077f), 1.0}));
  EXPECT_EQ(markMaterial.emission, (Color{1.0, 0.0, 0.0, 1.0}));
  EXPECT_TRUE(markMaterial.doubleSided);

  // (x, y, h) → (20x, 20y, 4 − 20h) for a tile of the default size.
  for (const Vec3 p : {Vec3{0, 0, 0}, Vec3{0.25, 0.75, 0.5}, Vec3{1, 1, 0.2}})
    expectNear(mark->transform().apply(p), {20 * p.x, 20 * p.y, 4 - 20 * p.z});
}

TEST_F(ShapeMaterial, ShowMarkFollowsTheFlag) {
  const auto parent = SceneNode::create();
  const auto shape = placedTile(testing::unitSquare());
  shape->node();

  shape->showMark(true, parent);
  EXPECT_TRUE(shape->marked);
  ASSERT_NE(shape->mark, nullptr);
  EXPECT_EQ(parent->childNodes(), std::vector<std::shared_ptr<SceneNode>>{shape->mark});
  const auto first = shape->mark;
  shape->showMark(true, parent);
  EXPECT_EQ(shape->mark, first);
  EXPECT_EQ(parent->childNodes().size(), 1u);

  shape->showMark(false, parent);
  EXPECT_FALSE(shape->marked);
  EXPECT_EQ(shape->mark, nullptr);
  EXPECT_TRUE(parent->childNodes().empty());

  // A mark left behind by clearing the flag directly is replaced, not doubled.
  shape->showMark(true, parent);
  shape->marked = false;
  shape->showMark(true, parent);
  EXPECT_EQ(parent->childNodes().size(), 1u);
}

TEST_F(ShapeMaterial, ReleasingATileTakesItOffTheDisplay) {
  const auto layers = Layer::create();
  const auto nodes = SceneNode::create();
  const auto marks = SceneNode::create();
  const auto kept = placedTile(testing::unitSquare());
  layers->addSublayer(kept->layer());
  {
    auto shape = placedTile(testing::unitSquare());
    for (const auto& layer : {shape->layer(), shape->borderLayer(), shape->borderLayer2(), shape->borderLayer3()})
      layers->addSublayer(layer);
    nodes->addChildNode(shape->node());
    shape->showMark(true, marks);
    ASSERT_EQ(layers->sublayers().size(), 5u);
    shape.reset();
  }
  EXPECT_EQ(layers->sublayers(), std::vector<std::shared_ptr<Layer>>{kept->layer()});
  EXPECT_TRUE(nodes->childNodes().empty());
  EXPECT_TRUE(marks->childNodes().empty());
}

TEST(Shape, DuplicateCopiesLookAndPlaceButNoLinks) {
  const auto base = placedTile(testing::unitSquare());
  const auto shape = attach(testing::lShape(), 0, base->edges()[1], true);
  shape->edges()[4]->isGroupJoin = true;
  shape->setShapeColor(teal);
  shape->layerIndex = 3;
  shape->borderBezierFactor = 1.0;
  shape->borderRadiusLimit = 0.5;
  shape->shapeBezierFactor = 0.75;
  shape->shapeRadiusLimit = 0.25;
  shape->setSurfaceRoundness(0.5);
  shape->setMetalness(0.1);
  shape->setRoughness(0.2);
  shape->setRipple(0.3);
  shape->setRippleScale(0.4);
  shape->lineAttributes = {{1.0, red}, {1.0, red}, {1.0, red}};
  shape->borderLineStyle = true;
  shape->customShapesColors = true;
  shape->marked = true;
  shape->index = 5;
  shape->configureLayers(false);
  shape->setStatus(ShapeStatus::cut);

  const auto copy = shape->duplicate();
  EXPECT_NE(copy, shape);
  EXPECT_EQ(copy->figure(), shape->figure());
  EXPECT_EQ(copy->shapeColor(), teal);
  EXPECT_EQ(copy->layer()->fillColor(), teal);
  EXPECT_EQ(copy->layerIndex, 3);
  EXPECT_EQ(copy->borderBezierFactor, 1.0);
  EXPECT_EQ(copy->borderRadiusLimit, 0.5);
  EXPECT_EQ(copy->shapeBezierFactor, 0.75);
  EXPECT_EQ(copy->shapeRadiusLimit, 0.25);
  EXPECT_EQ(copy->surfaceRoundness(), 0.5);
  EXPECT_EQ(copy->metalness(), 0.1);
  EXPECT_EQ(copy->roughness(), 0.2);
  EXPECT_EQ(copy->ripple(), 0.3);
  EXPECT_EQ(copy->rippleScale(), 0.4);
  EXPECT_EQ(copy->transformation, shape->transformation);
  EXPECT_EQ(copy->border(), shape->border());
  EXPECT_EQ(copy->layer()->path(), shape->layer()->path());
  for (std::size_t i = 0; i < copy->edges().size(); ++i) {
    EXPECT_EQ(copy->edges()[i]->isGroupJoin, i == 0 || i == 4) << i;
    EXPECT_TRUE(copy->edges()[i]->join.expired());
    EXPECT_EQ(copy->edges()[i]->shape.lock(), copy);
  }
  // What belongs to the tile's place in the editor stays behind.
  EXPECT_EQ(copy->lineAttributes, Shape::create(testing::unitSquare())->lineAttributes);
  EXPECT_FALSE(copy->borderLineStyle);
  EXPECT_FALSE(copy->customShapesColors);
  EXPECT_FALSE(copy->marked);
  EXPECT_EQ(copy->status(), ShapeStatus::live);
  EXPECT_EQ(copy->index, 0);
}

TEST(Shape, MirroredIndexReflectsAcrossTheAxis) {
  const struct {
    std::shared_ptr<Figure> figure;
    Axis axis;
    std::vector<int> image;  // of sides 0, 1, …
  } cases[] = {
      // The diagonal through corner 0 swaps the sides meeting there.
      {testing::unitSquare(), Axis::vertex(0), {3, 2, 1, 0}},
      // The line through the midpoint of side 0 keeps it and swaps left and right.
      {testing::unitSquare(), Axis::edge(0), {0, 3, 2, 1}},
      {testing::unitSquare(), Axis::edge(1), {2, 1, 0, 3}},
      {testing::equilateralTriangle(), Axis::vertex(1), {1, 0, 2}},
      {testing::lShape(), Axis::vertex(0), {5, 4, 3, 2, 1, 0}},
      // The same diagonal named at its other end.
      {testing::lShape(), Axis::vertex(3), {5, 4, 3, 2, 1, 0}},
  };
  for (const auto& c : cases) {
    c.figure->setAxis(c.axis);
    for (std::size_t i = 0; i < c.image.size(); ++i)
      EXPECT_EQ(mirroredEdgeIndex(*c.figure, int(i)), c.image[i]) << c.figure->name() << " side " << i;
  }
}

TEST(Shape, MirroredUsesThePartnerFigureAndCarriesGroupJoins) {
  const auto& mirrors = Shapes::mirrors();
  const auto pair = mirrors.find(Shapes::rightBird);
  ASSERT_NE(pair, mirrors.end());
  const auto shape = placedTile(catalogueFigure(Shapes::rightBird));
  shape->setShapeColor(teal);
  shape->layerIndex = 2;
  shape->edges()[1]->isGroupJoin = true;

  const auto image = shape->mirrored();
  EXPECT_EQ(image->figure(), catalogueFigure(pair->second));
  EXPECT_EQ(image->shapeColor(), teal);
  EXPECT_EQ(image->layer()->fillColor(), teal);
  EXPECT_EQ(image->layerIndex, 2);
  EXPECT_TRUE(image->transformation.isIdentity());
  const int landed = mirroredEdgeIndex(*image->figure(), 1);
  for (const auto& edge : image->edges())
    EXPECT_EQ(edge->isGroupJoin, edge->index() == landed) << edge->index();

  // Without a partner the figure stays; the flags still cross the axis.
  const auto square = placedTile(catalogueFigure(Shapes::square));
  square->edges()[0]->isGroupJoin = true;
  const auto squareImage = square->mirrored();
  EXPECT_EQ(squareImage->figure(), square->figure());
  EXPECT_TRUE(squareImage->edges()[std::size_t(mirroredEdgeIndex(*square->figure(), 0))]->isGroupJoin);
}

}  // namespace
}  // namespace ornival
