#include "platform/Layer.h"
#include "platform/LayerAnimation.h"
#include "platform/ShapeLayer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <thread>

namespace ornival {
namespace {

constexpr double quarterTurn = std::numbers::pi / 2;

void expectNear(Vec2 actual, Vec2 expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-12);
  EXPECT_NEAR(actual.y, expected.y, 1e-12);
}

struct GeometryCase {
  const char* name;
  Rect bounds;
  Vec2 anchorPoint;
  Vec2 position;
  AffineTransform transform;
  Vec2 local;
  Vec2 inSuperlayer;
};

TEST(Layer, ConvertsThroughPositionAnchorPointAndTransform) {
  const GeometryCase cases[] = {
      {"fresh layer is transparent", {}, {0.5, 0.5}, {}, {}, {3, 4}, {3, 4}},
      {"centre of the bounds sits at the position", {{0, 0}, {100, 50}}, {0.5, 0.5}, {200, 100}, {},
       {50, 25}, {200, 100}},
      {"corner of centred bounds", {{0, 0}, {100, 50}}, {0.5, 0.5}, {200, 100}, {}, {0, 0}, {150, 75}},
      {"bounds origin shifts the layer's own coordinates", {{10, 20}, {100, 50}}, {0, 0}, {5, 5}, {},
       {11, 22}, {6, 7}},
      {"anchor at the maximum corner", {{0, 0}, {10, 10}}, {1, 1}, {0, 0}, {}, {0, 0}, {-10, -10}},
      {"quarter turn about the centre, y up", {{0, 0}, {10, 10}}, {0.5, 0.5}, {100, 100},
       AffineTransform::rotation(quarterTurn), {10, 5}, {100, 105}},
      {"scale about the anchor", {{0, 0}, {10, 10}}, {0, 0}, {1, 1}, AffineTransform::scale(2, 3),
       {1, 1}, {3, 4}},
      {"translation of the transform adds to the position", {{0, 0}, {10, 10}}, {0.5, 0.5}, {0, 0},
       AffineTransform::translation(7, -2), {5, 5}, {7, -2}},
      // Anchor (1, 1); offset (1, 0) scales to (2, 0), turns to (0, 2), moves
      // to (1, 2), lands at (11, 22).
      {"scale, turn and move together", {{0, 0}, {4, 2}}, {0.25, 0.5}, {10, 20},
       AffineTransform::scale(2, 2)
           .concatenating(AffineTransform::rotation(quarterTurn))
           .concatenating(AffineTransform::translation(1, 0)),
       {2, 1}, {11, 22}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto parent = Layer::create();
    const auto layer = Layer::create();
    parent->addSublayer(layer);
    layer->setBounds(c.bounds);
    layer->setAnchorPoint(c.anchorPoint);
    layer->setPosition(c.position);
    layer->setTransform(c.transform);
    expectNear(parent->convertFrom(c.local, *layer), c.inSuperlayer);
    expectNear(layer->convertTo(c.local, *parent), c.inSuperlayer);
    expectNear(layer->convertFrom(c.inSuperlayer, *parent), c.local);
    expectNear(layer->transformToSuperlayer().apply(c.local), c.inSuperlayer);
  }
}

TEST(Layer, ConvertsBetweenBranchesThroughTheirCommonAncestor) {
  const auto root = Layer::create();
  const auto turned = Layer::create();
  root->addSublayer(turned);
  turned->setPosition({3.5, -1.25});
  turned->setTransform(AffineTransform::rotation(0.5).scaledBy(1.7, 1.7));
  const auto a = Layer::create();
  const auto b = Layer::create();
  turned->addSublayer(a);
  turned->addSublayer(b);
  a->setPosition({100.5, 20.25});
  b->setPosition({-7.75, 3.0});
  b->setBounds({{1.0, 2.0}, {10.0, 4.0}});

  // Siblings that are only moved convert exactly, whatever turns above them.
  const Vec2 p{0.1, 0.3};
  const Vec2 inB = b->convertFrom(p, *a);
  EXPECT_EQ(inB, (((p + Vec2{100.5, 20.25}) - Vec2{-7.75, 3.0}) + Vec2{6.0, 4.0}));
  expectNear(a->convertFrom(inB, *b), p);
  EXPECT_EQ(a->convertFrom(p, *a), p);

  // A layer deeper in one branch and another in a different branch agree with
  // going up to the root and down again.
  const auto deep = Layer::create();
  a->addSublayer(deep);
  deep->setTransform(AffineTransform::rotation(-1.0));
  deep->setPosition({2, 2});
  const auto other = Layer::create();
  root->addSublayer(other);
  other->setTransform(AffineTransform::scale(0.5, 4));
  other->setPosition({-30, 8});
  const Vec2 q{4, -9};
  expectNear(other->convertFrom(q, *deep), other->convertFrom(root->convertFrom(q, *deep), *root));
  expectNear(deep->convertFrom(other->convertFrom(q, *deep), *other), q);
}

TEST(Layer, ConvertingIntoACollapsedLayerFindsNoPoint) {
  const auto root = Layer::create();
  const auto flat = Layer::create();
  root->addSublayer(flat);
  flat->setPosition({5, 5});
  flat->setTransform(AffineTransform::scale(0, 0));
  EXPECT_EQ(root->convertFrom({1, 1}, *flat), (Vec2{5, 5}));
  const Vec2 inside = flat->convertFrom({1, 1}, *root);
  EXPECT_TRUE(std::isnan(inside.x) && std::isnan(inside.y));
}

TEST(Layer, SublayersMoveBetweenSuperlayersAndComeBackOnTop) {
  const auto root = Layer::create();
  const auto other = Layer::create();
  const auto a = Layer::create();
  const auto b = Layer::create();
  root->addSublayer(a);
  root->addSublayer(b);
  root->addSublayer(a);
  EXPECT_EQ(root->sublayers(), (std::vector<std::shared_ptr<Layer>>{b, a}));

  other->addSublayer(a);
  EXPECT_EQ(root->sublayers(), (std::vector<std::shared_ptr<Layer>>{b}));
  EXPECT_EQ(a->superlayer(), other);

  // Passing an element of the old superlayer's own list must survive the move.
  root->addSublayer(other->sublayers().front());
  EXPECT_EQ(root->sublayers(), (std::vector<std::shared_ptr<Layer>>{b, a}));
  EXPECT_TRUE(other->sublayers().empty());

  b->removeFromSuperlayer();
  EXPECT_EQ(b->superlayer(), nullptr);
  b->removeFromSuperlayer();
  EXPECT_EQ(root->sublayers(), (std::vector<std::shared_ptr<Layer>>{a}));
}

TEST(Layer, RemovingTheLastReferenceThroughTheSuperlayerIsSafe) {
  const auto root = Layer::create();
  root->addSublayer(ShapeLayer::create());
  root->sublayers().front()->removeFromSuperlayer();
  EXPECT_TRUE(root->sublayers().empty());

  auto parent = Layer::create();
  const auto child = Layer::create();
  parent->addSublayer(child);
  parent.reset();
  EXPECT_EQ(child->superlayer(), nullptr);
  child->removeFromSuperlayer();
}

// Removal takes constant time by leaving a hole in the superlayer's list;
// the list reads as before, in order of addition, and the order numbers of
// the sublayers keep their order as holes close.
TEST(Layer, RemovesSublayersAnywhereKeepingTheOthersInOrder) {
  const auto root = Layer::create();
  std::vector<std::shared_ptr<Layer>> layers;
  for (int i = 0; i < 10; ++i) {
    layers.push_back(Layer::create());
    root->addSublayer(layers.back());
  }
  for (const int i : {3, 7, 0, 9, 8})
    layers[std::size_t(i)]->removeFromSuperlayer();
  EXPECT_EQ(root->sublayerCount(), 5u);
  std::vector<std::shared_ptr<Layer>> visited;
  root->forEachSublayer([&](Layer& layer) { visited.push_back(layer.shared_from_this()); });
  const std::vector<std::shared_ptr<Layer>> kept{layers[1], layers[2], layers[4], layers[5], layers[6]};
  EXPECT_EQ(visited, kept);
  for (std::size_t i = 1; i < kept.size(); ++i)
    EXPECT_LT(kept[i - 1]->orderInSuperlayer(), kept[i]->orderInSuperlayer());
  root->addSublayer(layers[0]);
  EXPECT_EQ(root->sublayers(), (std::vector<std::shared_ptr<Layer>>{layers[1], layers[2], layers[4], layers[5],
                                                                     layers[6], layers[0]}));
  for (std::size_t i = 0; i < root->sublayers().size(); ++i)
    EXPECT_EQ(root->sublayers()[i]->orderInSuperlayer(), i);
  // A whole list emptied from the front, as a closing window does.
  for (const auto& layer : std::vector<std::shared_ptr<Layer>>(root->sublayers()))
    layer->removeFromSuperlayer();
  EXPECT_TRUE(root->sublayers().empty());
  EXPECT_EQ(root->sublayerCount(), 0u);
}

struct Notice {
  Layer* layer;
  Layer* superlayer;
  bool operator==(const Notice&) const = default;
};

class RecordingObserver : public LayerObserver {
public:
  std::vector<Notice> notices;
  void layerChanged(Layer& layer) override { notices.push_back({&layer, nullptr}); }
  void sublayerRemoved(Layer& superlayer, Layer& sublayer) override { notices.push_back({&sublayer, &superlayer}); }
};

// The root's observer hears of every change in its tree that alters the
// drawing, once, and of nothing else.
TEST(Layer, TellsTheRootsObserverOfEveryChangeThatShows) {
  const auto root = Layer::create();
  const auto group = Layer::create();
  const auto tile = ShapeLayer::create();
  const auto loose = ShapeLayer::create();
  group->addSublayer(tile);
  RecordingObserver observer;
  root->setObserver(&observer);
  root->addSublayer(group);
  EXPECT_EQ(observer.notices, (std::vector<Notice>{{group.get(), nullptr}}));

  const struct {
    const char* name;
    std::function<void()> change;
    std::size_t notices;
  } cases[] = {
      {"fill colour", [&] { tile->setFillColor(Color{1, 0, 0, 1}); }, 1},
      {"the same fill colour", [&] { tile->setFillColor(Color{1, 0, 0, 1}); }, 0},
      {"path", [&] { tile->setPath(Path::rectangle({{0, 0}, {1, 1}})); }, 1},
      {"line width", [&] { tile->setLineWidth(3.0); }, 1},
      {"the same line width", [&] { tile->setLineWidth(3.0); }, 0},
      {"transform of the group", [&] { group->setTransform(AffineTransform::scale(2, 2)); }, 1},
      {"hidden", [&] { tile->setHidden(true); }, 1},
      {"shadow, which is not drawn", [&] { tile->setShadowOpacity(0.5); }, 0},
      {"animation, which is not played", [&] { tile->addAnimation(LayerAnimation::basic("path"), "path"); }, 0},
      {"a layer outside the tree", [&] { loose->setFillColor(Color::white()); }, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    observer.notices.clear();
    c.change();
    EXPECT_EQ(observer.notices.size(), c.notices);
  }

  observer.notices.clear();
  tile->removeFromSuperlayer();
  EXPECT_EQ(observer.notices, (std::vector<Notice>{{tile.get(), group.get()}}));
  observer.notices.clear();
  tile->setFillColor(Color::black());
  EXPECT_TRUE(observer.notices.empty());
  root->setObserver(nullptr);
  group->setOpacity(0.5);
  EXPECT_TRUE(observer.notices.empty());
}

// The bands of a tile follow one outline, kept once.
TEST(ShapeLayer, SharesAPathGivenByAnother) {
  const auto outer = ShapeLayer::create();
  const auto inner = ShapeLayer::create();
  outer->setPath(Path::rectangle({{0, 0}, {2, 1}}));
  inner->setPath(*outer);
  EXPECT_TRUE(inner->sharesPath(*outer));
  EXPECT_EQ(inner->path(), outer->path());
  outer->setPath(Path::rectangle({{0, 0}, {3, 1}}));
  EXPECT_FALSE(inner->sharesPath(*outer));
  EXPECT_EQ(inner->path(), Path::rectangle({{0, 0}, {2, 1}}));
}

TEST(LayerDeathTest, RefusesCyclesAndConversionAcrossTrees) {
  const auto root = Layer::create();
  const auto child = Layer::create();
  root->addSublayer(child);
  EXPECT_DEATH(root->addSublayer(root), "");
  EXPECT_DEATH(child->addSublayer(root), "");
  const auto stranger = Layer::create();
  EXPECT_DEATH(stranger->convertFrom({0, 0}, *child), "");
}

TEST(Layer, RecordsAnimationsByKeyInOrderOfAddition) {
  const auto layer = ShapeLayer::create();
  const LayerAnimation plain = LayerAnimation::basic("path");
  EXPECT_EQ(plain.duration, LayerAnimation::defaultDuration);
  EXPECT_EQ(plain.timingFunction, TimingFunction::linear);
  EXPECT_FALSE(plain.fromValue.has_value());
  EXPECT_FALSE(plain.toValue.has_value());

  Path square;
  square.moveTo({0, 0});
  square.lineTo({1, 0});
  square.lineTo({1, 1});
  square.close();
  LayerAnimation fade = LayerAnimation::basic("opacity");
  fade.fromValue = 1.0;
  fade.toValue = 0.2;
  fade.duration = 0.1;
  fade.timingFunction = TimingFunction::easeOut;

  layer->addAnimation(plain, "path");
  layer->addAnimation(fade, "fade");
  LayerAnimation reshape = LayerAnimation::basic("path");
  reshape.toValue = square;
  layer->addAnimation(reshape, "path");
  EXPECT_EQ(layer->animationKeys(), (std::vector<std::string>{"fade", "path"}));
  EXPECT_EQ(layer->animation("path"), reshape);
  EXPECT_EQ(layer->animation("fade"), fade);

  layer->removeAnimation("path");
  layer->removeAnimation("absent");
  EXPECT_FALSE(layer->animation("path").has_value());
  EXPECT_EQ(layer->animationKeys(), (std::vector<std::string>{"fade"}));
  layer->removeAllAnimations();
  EXPECT_TRUE(layer->animationKeys().empty());
}

TEST(LayerTransaction, DisablesActionsForItsScopeOnItsThreadOnly) {
  EXPECT_FALSE(LayerTransaction::disablesActions());
  {
    LayerTransaction outer;
    outer.setDisableActions(true);
    {
      LayerTransaction inner;
      EXPECT_TRUE(LayerTransaction::disablesActions());
      inner.setDisableActions(false);
      EXPECT_FALSE(LayerTransaction::disablesActions());
    }
    EXPECT_TRUE(LayerTransaction::disablesActions());
    bool elsewhere = true;
    std::thread([&] { elsewhere = LayerTransaction::disablesActions(); }).join();
    EXPECT_FALSE(elsewhere);
  }
  EXPECT_FALSE(LayerTransaction::disablesActions());
}

TEST(ShapeLayer, StartsFilledBlackWithoutStrokeOrPath) {
  const auto layer = ShapeLayer::create();
  EXPECT_FALSE(layer->path().has_value());
  EXPECT_EQ(layer->fillColor(), Color::black());
  EXPECT_FALSE(layer->strokeColor().has_value());
  EXPECT_EQ(layer->lineWidth(), 1.0);
  EXPECT_EQ(layer->lineCap(), LineCap::butt);
  EXPECT_EQ(layer->lineJoin(), LineJoin::miter);
  EXPECT_EQ(layer->fillRule(), FillRule::nonZero);
  EXPECT_TRUE(layer->lineDashPattern().empty());
  EXPECT_EQ(layer->anchorPoint(), (Vec2{0.5, 0.5}));
  EXPECT_EQ(layer->opacity(), 1.0);
  EXPECT_EQ(layer->shadowOpacity(), 0.0);
}

}  // namespace
}  // namespace ornival
