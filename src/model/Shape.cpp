#include "model/Shape.h"

#include "figures/Figure.h"
#include "figures/catalogue/Shapes.h"
#include "model/Edge.h"
#include "model/MaterialProperty.h"
#include "model/Materials.h"
#include "model/MirrorIndex.h"
#include "platform/Arithmetic.h"
#include "platform/Geometry.h"
#include "platform/Material.h"
#include "platform/MeshNormals.h"
#include "platform/Precondition.h"
#include "platform/SceneNode.h"
#include "platform/ShapeLayer.h"
#include "platform/Transform3D.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <mutex>
#include <numbers>
#include <unordered_map>

namespace ornival {

namespace {

// Colours chosen in single precision keep exactly that value.
constexpr double single(double component) { return double(float(component)); }

constexpr Color movingFill{1.0, 0.0, single(0.3919598), single(0.8)};
constexpr Color markedFill{0.0, 0.0, 0.0, 0.5};
constexpr Color copyFill{single(0.4015748), 1.0, 0.0, single(0.8)};
constexpr Color cutFill{single(0.9326969), single(0.9372549), 0.0, single(0.8)};

// Orientation classes count in the angle resolution of the fraction text.
constexpr double stepsPerDegree = 60060.0;
constexpr std::int64_t stepsPerTurn = 21621600;
// Sixty full turns: enough to keep any rotation of any catalogue figure's
// period positive before the remainder.
constexpr std::int64_t variantOffset = 1297296000;

// How far below the tile's base the upside-down mark sits, in figure units
// before the tile's scale.
constexpr double markDepth = 0.2;

constexpr const char* pathKey = "path";

void requireBands(const std::vector<LineAttribute>& bands) { ORNIVAL_PRECONDITION(bands.size() >= 3); }

// The figure's solid with normals at the crease threshold, made once for all
// the tiles that wear it at the same time: a tiling of a hundred thousand
// squares needs one. Held weakly, so that a solid no tile wears any more
// goes, and a figure that goes takes its solids with it.
std::shared_ptr<const GeometrySources> solidWithNormals(const Figure& figure, float creaseThreshold) {
  struct Made {
    std::weak_ptr<const Geometry> figureSolid;
    float creaseThreshold;
    std::weak_ptr<const GeometrySources> sources;
  };
  static std::mutex mutex;
  static std::unordered_map<const Geometry*, std::vector<Made>> made;
  const std::shared_ptr<const Geometry> solid = figure.geometry();
  const std::lock_guard lock(mutex);
  auto& entries = made[solid.get()];
  for (const Made& entry : entries) {
    if (entry.creaseThreshold != creaseThreshold || entry.figureSolid.lock() != solid)
      continue;
    if (auto sources = entry.sources.lock())
      return sources;
  }
  auto sources = std::make_shared<const GeometrySources>(addNormals(solid->sources(), double(creaseThreshold)));
  std::erase_if(entries, [&](const Made& entry) {
    return entry.sources.expired() || entry.figureSolid.lock() != solid ||
           entry.creaseThreshold == creaseThreshold;
  });
  entries.push_back({solid, creaseThreshold, sources});
  return sources;
}

}  // namespace

std::shared_ptr<Shape> Shape::create(std::shared_ptr<const Figure> figure) {
  // The tile and its count in one block: one allocation a tile, not two.
  struct Made : Shape {
    explicit Made(std::shared_ptr<const Figure> figure) : Shape(std::move(figure)) {}
  };
  std::shared_ptr<Shape> shape = std::make_shared<Made>(std::move(figure));
  for (const auto& edge : shape->edges())
    edge->shape = shape;
  return shape;
}

Shape::Shape(std::shared_ptr<const Figure> figure) : ShapeModel(std::move(figure)) {}

Shape::~Shape() {
  // A tile that goes away leaves the display with it.
  if (mark)
    mark->removeFromParentNode();
  if (node_)
    node_->removeFromParentNode();
  for (const auto* slot : {&layer_, &borderLayer_, &borderLayer2_, &borderLayer3_})
    if (slot->hasValue())
      lazyLayer(*slot)->removeFromSuperlayer();
}

std::shared_ptr<Shape> Shape::make(const std::shared_ptr<ShapeModel>& from, double borderBezierFactor,
                                   double shapeBezierFactor, double borderRadiusLimit,
                                   double shapeRadiusLimit) {
  ORNIVAL_PRECONDITION(from != nullptr);
  if (auto shape = std::dynamic_pointer_cast<Shape>(from))
    return shape;
  auto shape = create(from->figure());
  shape->transformation = from->transformation;
  // The refresh under the model's own transformation gives the model's corners,
  // centre and border again.
  shape->updateTransformedGeometry();
  shape->borderBezierFactor = borderBezierFactor;
  shape->shapeBezierFactor = shapeBezierFactor;
  shape->borderRadiusLimit = borderRadiusLimit;
  shape->shapeRadiusLimit = shapeRadiusLimit;
  shape->configureLayers(false);
  return shape;
}

// Status and layers.

Color Shape::statusFill() const {
  switch (status_) {
    case ShapeStatus::live: return shapeColor_;
    case ShapeStatus::moving: return movingFill;
    case ShapeStatus::marked: return markedFill;
    case ShapeStatus::copy: return copyFill;
    case ShapeStatus::cut: return cutFill;
  }
  return shapeColor_;
}

void Shape::setStatus(ShapeStatus status) {
  if (status == status_)
    return;
  status_ = status;
  layer()->setFillColor(statusFill());
}

const std::shared_ptr<ShapeLayer>& Shape::lazyLayer(const Cached<std::shared_ptr<ShapeLayer>>& slot) const {
  return slot.get([] { return ShapeLayer::create(); });
}

const std::shared_ptr<ShapeLayer>& Shape::layer() const { return lazyLayer(layer_); }
const std::shared_ptr<ShapeLayer>& Shape::borderLayer() const { return lazyLayer(borderLayer_); }
const std::shared_ptr<ShapeLayer>& Shape::borderLayer2() const { return lazyLayer(borderLayer2_); }
const std::shared_ptr<ShapeLayer>& Shape::borderLayer3() const { return lazyLayer(borderLayer3_); }

void Shape::setShapeColor(const Color& color) {
  shapeColor_ = color;
  layer()->setFillColor(color);
  applyMaterial();
}

void Shape::setMetalness(double value) {
  if (value == metalness_)
    return;
  metalness_ = value;
  applyMaterial();
}

void Shape::setRoughness(double value) {
  if (value == roughness_)
    return;
  roughness_ = value;
  applyMaterial();
}

void Shape::setRipple(double value) {
  if (value == ripple_)
    return;
  ripple_ = value;
  applyMaterial();
}

void Shape::setRippleScale(double value) {
  if (value == rippleScale_)
    return;
  rippleScale_ = value;
  applyMaterial();
}

void Shape::setSurfaceRoundness(double value) {
  if (value == surfaceRoundness_)
    return;
  surfaceRoundness_ = value;
  if (geometry_) {
    makeGeometry();
    if (node_)
      node_->setGeometry(geometry_);
  }
}

void Shape::configureLayers(bool animated) {
  requireBands(lineAttributes);
  const auto& fill = layer();
  if (animated) {
    fill->removeAnimation(pathKey);
    fill->addAnimation(LayerAnimation::basic(pathKey), pathKey);
  }
  fill->setPath(figure()->roundedPath(shapeBezierFactor, shapeRadiusLimit)->transformed(transformation));
  animatePaths(animated);
  fill->setStrokeColor(std::nullopt);
  fill->setFillColor(shapeColor_);

  const std::shared_ptr<ShapeLayer>* strokes[] = {&borderLayer(), &borderLayer2(), &borderLayer3()};
  for (int i = 0; i < 3; ++i) {
    const auto& stroke = *strokes[i];
    const LineAttribute& band = lineAttributes[std::size_t(2 - i)];
    stroke->setStrokeColor(band.color);
    stroke->setFillColor(std::nullopt);
    stroke->setLineWidth(band.width);
    stroke->setLineCap(LineCap::round);
  }
  updateLineJoin();
  if (geometry_) {
    makeGeometry();
    if (node_)
      node_->setGeometry(geometry_);
  }
}

void Shape::updateStrokeColor() {
  requireBands(lineAttributes);
  borderLayer()->setStrokeColor(lineAttributes[2].color);
  borderLayer2()->setStrokeColor(lineAttributes[1].color);
  borderLayer3()->setStrokeColor(lineAttributes[0].color);
  applyMaterial();
}

void Shape::updateLineWidth() {
  requireBands(lineAttributes);
  borderLayer()->setLineWidth(lineAttributes[2].width);
  borderLayer2()->setLineWidth(lineAttributes[1].width);
  borderLayer3()->setLineWidth(lineAttributes[0].width);
  updateStrokeColor();
}

void Shape::updateLineJoin() {
  const LineJoin join = borderLineStyle ? LineJoin::round : LineJoin::miter;
  borderLayer()->setLineJoin(join);
  borderLayer2()->setLineJoin(borderLayer()->lineJoin());
  borderLayer3()->setLineJoin(borderLayer()->lineJoin());
}

// The solid and the marks.

void Shape::applyMaterial() {
  if (!geometry_)
    return;
  requireBands(lineAttributes);
  const MaterialProperty property{shapeColor_,       float(metalness_), float(roughness_), float(ripple_),
                                  float(rippleScale_), float(scale()),   lineAttributes};
  geometry_->setFirstMaterial(Materials::material(property));
}

std::shared_ptr<Geometry> Shape::makeGeometry() {
  geometry_ = std::make_shared<Geometry>(solidWithNormals(*figure(), float(surfaceRoundness_)));
  applyMaterial();
  return geometry_;
}

Transform3D Shape::nodeTransform() const {
  const AffineTransform& t = transformation;
  // Heights grow with the tile's size, so a scaled tile keeps its shape.
  return Transform3D::affine(t).scaledBy(1.0, 1.0, std::sqrt(t.a * t.a + t.c * t.c));
}

const std::shared_ptr<SceneNode>& Shape::node() {
  if (!node_) {
    node_ = SceneNode::create(geometry_ ? geometry_ : makeGeometry());
    node_->setTransform(nodeTransform());
  }
  return node_;
}

std::shared_ptr<SceneNode> Shape::markNode() {
  auto markNode = SceneNode::create();
  // The tile's solid in the mark's own material. A tile without a solid of
  // its own yet (the flat view builds none) keeps it so: selecting a large
  // tiling builds no materials for its tiles.
  auto markGeometry = geometry_ ? geometry_->copy()
                                : std::make_shared<Geometry>(solidWithNormals(*figure(), float(surfaceRoundness_)));
  markGeometry->setFirstMaterial(defaultMaterial());
  markNode->setGeometry(std::move(markGeometry));
  markNode->setName("mark");
  // Moved down, then turned upside down, then placed like the tile: the mark
  // hangs below the tile's base and shows through where the tile is see-through.
  markNode->setTransform(
      (node_ ? node_->transform() : nodeTransform()).scaledBy(1.0, 1.0, -1.0).translatedBy(0.0, 0.0, -markDepth / scale()));
  return markNode;
}

void Shape::showMark(bool flag, const std::shared_ptr<SceneNode>& parent) {
  if (marked == flag)
    return;
  marked = flag;
  // A mark left over from a direct change of `marked` must not stay behind.
  if (mark) {
    mark->removeFromParentNode();
    mark.reset();
  }
  if (flag && parent)
    attachMark(parent);
}

void Shape::attachMark(const std::shared_ptr<SceneNode>& parent) {
  ORNIVAL_PRECONDITION(parent != nullptr);
  if (!marked || mark)
    return;
  mark = markNode();
  parent->addChildNode(mark);
}

const std::shared_ptr<Material>& Shape::defaultMaterial() {
  static const std::shared_ptr<Material> material = [] {
    auto m = Material::create();
    m->diffuse = {1.0, 0.0, single(0.3960077), 1.0};
    m->emission = {1.0, 0.0, 0.0, 1.0};
    m->doubleSided = true;
    return m;
  }();
  return material;
}

// Derived values.

int Shape::variant() const {
  return variant_.get([this] {
    const auto n = std::int64_t(figure()->vertices().size());
    const std::int64_t v = figure()->variantCount();
    ORNIVAL_PRECONDITION(v != 0);
    const std::int64_t s = n / v;
    const double degrees = std::atan2(transformation.b, transformation.a) * 180.0 / std::numbers::pi;
    const double steps = std::round(stepsPerDegree * double(s) * degrees);
    ORNIVAL_PRECONDITION(std::isfinite(steps) && steps >= -0x1p63 && steps < 0x1p63);
    return int(checkedAdd(std::int64_t(steps), variantOffset) % stepsPerTurn);
  });
}

int Shape::nearestVertexIndex(Vec2 point) const {
  int best = 0;
  double bestDistance = std::numeric_limits<double>::infinity();
  for (const auto& edge : edges()) {
    const double distance = (edge->transformedVertex() - point).lengthSquared();
    if (distance < bestDistance) {
      best = edge->index();
      bestDistance = distance;
    }
  }
  return best;
}

std::shared_ptr<Shape> Shape::duplicate() const {
  auto copy = create(figure());
  copy->setShapeColor(shapeColor_);
  copy->layerIndex = layerIndex;
  copy->borderBezierFactor = borderBezierFactor;
  copy->borderRadiusLimit = borderRadiusLimit;
  copy->shapeBezierFactor = shapeBezierFactor;
  copy->shapeRadiusLimit = shapeRadiusLimit;
  copy->setSurfaceRoundness(surfaceRoundness_);
  copy->setMetalness(metalness_);
  copy->setRoughness(roughness_);
  copy->setRipple(ripple_);
  copy->setRippleScale(rippleScale_);
  copy->transformation = transformation;
  copy->updateTransformedGeometry();
  copy->layer()->setPath(layer()->path());
  const auto& own = edges();
  const auto& theirs = copy->edges();
  if (own.size() == theirs.size())
    for (std::size_t i = 0; i < own.size(); ++i)
      theirs[i]->isGroupJoin = own[i]->isGroupJoin;
  return copy;
}

std::shared_ptr<Shape> Shape::mirrored() const {
  const Shapes kind = figure()->tool();
  const auto& mirrors = Shapes::mirrors();
  const auto partner = mirrors.find(kind);
  const Shapes mirrorKind = partner == mirrors.end() ? kind : partner->second;
  const auto& table = Shapes::figures();
  const auto slot = std::size_t(mirrorKind.rawValue() - Shapes::firstRawValue);
  ORNIVAL_PRECONDITION(slot < table.size() && table[slot] != nullptr);

  auto image = create(table[slot]);
  image->setShapeColor(shapeColor_);
  image->layerIndex = layerIndex;
  const auto& theirs = image->edges();
  for (const auto& edge : edges())
    if (edge->isGroupJoin)
      theirs[std::size_t(mirroredEdgeIndex(*image->figure(), edge->index()))]->isGroupJoin = true;
  return image;
}

void Shape::place(const std::shared_ptr<Edge>& edge) {
  if (!edge) {
    transformation = defaultTransformation();
  } else {
    const auto edgeNext = edge->next.lock();
    ORNIVAL_PRECONDITION(edgeNext != nullptr);
    const Vec2 start = edge->transformedVertex();
    const Vec2 end = edgeNext->transformedVertex();
    if (const auto own = edge->join.lock()) {
      const auto ownNext = own->next.lock();
      ORNIVAL_PRECONDITION(ownNext != nullptr);
      const auto laid = layOnSide(own->vertex(), ownNext->vertex(), start, end);
      // A side of zero length has no frame to lay down.
      ORNIVAL_PRECONDITION(laid.has_value());
      transformation = *laid;
    } else {
      transformation = backAlongSide(start, end);
    }
  }
  updateTransformedGeometry();
}

ShapeInfo Shape::info() const {
  ShapeInfo info;
  info.index = index;
  info.tag = figure()->tool().rawValue();
  info.marked = marked;
  info.shapeColor = shapeColor_;
  info.layerIndex = layerIndex;
  info.borderBezierFactor = borderBezierFactor;
  info.borderRadiusLimit = borderRadiusLimit;
  info.shapeBezierFactor = shapeBezierFactor;
  info.shapeRadiusLimit = shapeRadiusLimit;
  info.transformation = transformation;
  bool parentFound = false;
  for (const auto& edge : edges()) {
    info.groupJoins.push_back(edge->isGroupJoin);
    if (parentFound)
      continue;
    if (const auto partner = edge->join.lock()) {
      const auto parent = partner->shape.lock();
      ORNIVAL_PRECONDITION(parent != nullptr);
      info.parentShapeIndex = parent->index;
      info.parentEdgeIndex = partner->index();
      info.edgeOffset = edge->index();
      info.hasParent = true;
      parentFound = true;
    }
  }
  return info;
}

Rect rotatedBounds(const std::vector<std::shared_ptr<Edge>>& edges, double degrees) {
  if (edges.empty())
    return {};
  const double r = degrees * std::numbers::pi / 180.0;
  const double cosine = std::cos(r);
  const double sine = std::sin(r);
  const auto turned = [&](const Edge& edge) {
    const Vec2 p = edge.transformedVertex();
    return Vec2{p.x * cosine - p.y * sine, p.x * sine + p.y * cosine};
  };
  Vec2 lo = turned(*edges.front());
  Vec2 hi = lo;
  for (const auto& edge : edges) {
    const Vec2 q = turned(*edge);
    lo = {std::min(lo.x, q.x), std::min(lo.y, q.y)};
    hi = {std::max(hi.x, q.x), std::max(hi.y, q.y)};
  }
  return {lo, hi - lo};
}

}  // namespace ornival
