#include "platform/Layer.h"

#include "platform/Precondition.h"

#include <algorithm>
#include <limits>

namespace ornival {

Layer::~Layer() {
  // Sublayers that live on (a tile keeps its layers) no longer have this one.
  if (children_)
    for (const auto& sublayer : children_->list)
      if (sublayer)
        sublayer->superlayer_ = nullptr;
}

const Layer::Details& Layer::details() const {
  static const Details defaults;
  return details_ ? *details_ : defaults;
}

Layer::Details& Layer::mutableDetails() {
  if (!details_)
    details_ = std::make_unique<Details>();
  return *details_;
}

void Layer::changed() {
  const Layer* root = this;
  while (root->superlayer_)
    root = root->superlayer_;
  if (LayerObserver* watcher = root->observer())
    watcher->layerChanged(*this);
}

void Layer::setPosition(Vec2 position) {
  if (position == this->position())
    return;
  mutableDetails().position = position;
  changed();
}

void Layer::setBounds(const Rect& bounds) {
  if (bounds == this->bounds())
    return;
  mutableDetails().bounds = bounds;
  changed();
}

void Layer::setAnchorPoint(Vec2 anchorPoint) {
  if (anchorPoint == this->anchorPoint())
    return;
  mutableDetails().anchorPoint = anchorPoint;
  changed();
}

void Layer::setTransform(const AffineTransform& transform) {
  if (transform == this->transform())
    return;
  mutableDetails().transform = transform;
  changed();
}

void Layer::setZPosition(double zPosition) {
  if (zPosition == zPosition_)
    return;
  zPosition_ = zPosition;
  changed();
}

void Layer::setOpacity(double opacity) {
  if (opacity == opacity_)
    return;
  opacity_ = opacity;
  changed();
}

void Layer::setHidden(bool hidden) {
  if (hidden == hidden_)
    return;
  hidden_ = hidden;
  changed();
}

void Layer::setTileCached(bool cached) {
  if (cached == tileCached_)
    return;
  tileCached_ = cached;
  changed();
}

void Layer::setContents(std::shared_ptr<const RgbaImage> contents) {
  if (contents == this->contents())
    return;
  mutableDetails().contents = std::move(contents);
  changed();
}

void Layer::setObserver(LayerObserver* observer) {
  if (observer || details_)
    mutableDetails().observer = observer;
}

const std::vector<std::shared_ptr<Layer>>& Layer::sublayers() const {
  static const std::vector<std::shared_ptr<Layer>> none;
  if (!children_)
    return none;
  if (children_->holes > 0)
    closeHoles();
  return children_->list;
}

void Layer::closeHoles() const {
  auto& list = children_->list;
  std::erase(list, nullptr);
  for (std::size_t i = 0; i < list.size(); ++i)
    list[i]->slot_ = std::uint32_t(i);
  children_->holes = 0;
}

void Layer::addSublayer(const std::shared_ptr<Layer>& layer) {
  ORNIVAL_PRECONDITION(layer != nullptr);
  for (const Layer* ancestor = this; ancestor != nullptr; ancestor = ancestor->superlayer_)
    ORNIVAL_PRECONDITION(ancestor != layer.get());
  // The argument may be an element of the old superlayer's list, which the
  // removal below empties.
  const std::shared_ptr<Layer> added = layer;
  added->removeFromSuperlayer();
  if (!children_)
    children_ = std::make_unique<Children>();
  auto& list = children_->list;
  ORNIVAL_PRECONDITION(list.size() < std::numeric_limits<std::uint32_t>::max());
  added->slot_ = std::uint32_t(list.size());
  list.push_back(added);
  added->superlayer_ = this;
  added->changed();
}

void Layer::removeFromSuperlayer() {
  Layer* parent = superlayer_;
  if (!parent)
    return;
  // The superlayer may hold the last reference to this layer.
  const std::shared_ptr<Layer> self = shared_from_this();
  superlayer_ = nullptr;
  Children& siblings = *parent->children_;
  ORNIVAL_PRECONDITION(slot_ < siblings.list.size() && siblings.list[slot_].get() == this);
  siblings.list[slot_].reset();
  ++siblings.holes;
  if (slot_ + 1 == siblings.list.size()) {
    // Trailing holes go at once: the last added is often the first removed.
    while (!siblings.list.empty() && !siblings.list.back()) {
      siblings.list.pop_back();
      --siblings.holes;
    }
  } else if (siblings.holes * 2 > siblings.list.size()) {
    parent->closeHoles();
  }
  const Layer* root = parent;
  while (root->superlayer_)
    root = root->superlayer_;
  if (LayerObserver* watcher = root->observer())
    watcher->sublayerRemoved(*parent, *this);
}

Vec2 Layer::anchorInBounds() const {
  const Details& d = details();
  return {d.bounds.origin.x + d.anchorPoint.x * d.bounds.size.x, d.bounds.origin.y + d.anchorPoint.y * d.bounds.size.y};
}

AffineTransform Layer::transformToSuperlayer() const {
  const Vec2 anchor = anchorInBounds();
  const Vec2 at = position();
  return AffineTransform::translation(-anchor.x, -anchor.y)
      .concatenating(transform())
      .concatenating(AffineTransform::translation(at.x, at.y));
}

bool Layer::sharesSuperlayerCoordinates() const {
  return !details_ || (details_->transform.isIdentity() && details_->position == anchorInBounds());
}

// Conversions apply the steps one by one rather than a composed matrix, so
// that layers that are only moved convert by plain additions, exactly.
Vec2 Layer::toSuperlayer(Vec2 point) const {
  const Vec2 offset = point - anchorInBounds();
  const AffineTransform& t = transform();
  return position() + (t.isIdentity() ? offset : t.apply(offset));
}

Vec2 Layer::fromSuperlayer(Vec2 point) const {
  const Vec2 offset = point - position();
  const AffineTransform& t = transform();
  if (t.isIdentity())
    return offset + anchorInBounds();
  const std::optional<AffineTransform> inverse = t.inverted();
  if (!inverse) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan};
  }
  return inverse->apply(offset) + anchorInBounds();
}

Vec2 Layer::convertFrom(Vec2 point, const Layer& source) const {
  // Both chains run from the layer up to its root.
  const auto chain = [](const Layer& layer) {
    std::vector<const Layer*> layers{&layer};
    while (const Layer* parent = layers.back()->superlayer_)
      layers.push_back(parent);
    return layers;
  };
  const auto up = chain(source);
  const auto down = chain(*this);
  ORNIVAL_PRECONDITION(up.back() == down.back());
  // Strip the shared top part; what is left below it leads to the nearest
  // common ancestor from either side.
  std::size_t upCount = up.size();
  std::size_t downCount = down.size();
  while (upCount > 0 && downCount > 0 && up[upCount - 1] == down[downCount - 1]) {
    --upCount;
    --downCount;
  }
  for (std::size_t i = 0; i < upCount; ++i)
    point = up[i]->toSuperlayer(point);
  for (std::size_t i = downCount; i > 0; --i)
    point = down[i - 1]->fromSuperlayer(point);
  return point;
}

void Layer::addAnimation(LayerAnimation animation, std::string key) {
  removeAnimation(key);
  mutableDetails().animations.emplace_back(std::move(key), std::move(animation));
}

void Layer::removeAnimation(std::string_view key) {
  if (details_)
    std::erase_if(details_->animations, [&](const auto& entry) { return entry.first == key; });
}

void Layer::removeAllAnimations() {
  if (details_)
    details_->animations.clear();
}

std::optional<LayerAnimation> Layer::animation(std::string_view key) const {
  for (const auto& [entryKey, animation] : details().animations) {
    if (entryKey == key)
      return animation;
  }
  return std::nullopt;
}

std::vector<std::string> Layer::animationKeys() const {
  std::vector<std::string> keys;
  keys.reserve(details().animations.size());
  for (const auto& entry : details().animations)
    keys.push_back(entry.first);
  return keys;
}

}  // namespace ornival
