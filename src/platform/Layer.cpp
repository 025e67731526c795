#include "platform/Layer.h"

#include "platform/Precondition.h"

#include <algorithm>
#include <limits>

namespace ornival {

void Layer::addSublayer(const std::shared_ptr<Layer>& layer) {
  ORNIVAL_PRECONDITION(layer != nullptr);
  for (const Layer* ancestor = this; ancestor != nullptr; ancestor = ancestor->superlayer_.lock().get())
    ORNIVAL_PRECONDITION(ancestor != layer.get());
  // The argument may be an element of the old superlayer's list, which the
  // removal below invalidates.
  const std::shared_ptr<Layer> added = layer;
  added->removeFromSuperlayer();
  sublayers_.push_back(added);
  added->superlayer_ = weak_from_this();
}

void Layer::removeFromSuperlayer() {
  // The superlayer may hold the last reference to this layer.
  const std::shared_ptr<Layer> self = shared_from_this();
  const std::shared_ptr<Layer> parent = superlayer_.lock();
  superlayer_.reset();
  if (!parent)
    return;
  auto& siblings = parent->sublayers_;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), self), siblings.end());
}

Vec2 Layer::anchorInBounds() const {
  return {bounds_.origin.x + anchorPoint_.x * bounds_.size.x,
          bounds_.origin.y + anchorPoint_.y * bounds_.size.y};
}

AffineTransform Layer::transformToSuperlayer() const {
  const Vec2 anchor = anchorInBounds();
  return AffineTransform::translation(-anchor.x, -anchor.y)
      .concatenating(transform_)
      .concatenating(AffineTransform::translation(position_.x, position_.y));
}

// Conversions apply the steps one by one rather than a composed matrix, so
// that layers that are only moved convert by plain additions, exactly.
Vec2 Layer::toSuperlayer(Vec2 point) const {
  const Vec2 offset = point - anchorInBounds();
  return position_ + (transform_.isIdentity() ? offset : transform_.apply(offset));
}

Vec2 Layer::fromSuperlayer(Vec2 point) const {
  const Vec2 offset = point - position_;
  if (transform_.isIdentity())
    return offset + anchorInBounds();
  const std::optional<AffineTransform> inverse = transform_.inverted();
  if (!inverse) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    return {nan, nan};
  }
  return inverse->apply(offset) + anchorInBounds();
}

Vec2 Layer::convertFrom(Vec2 point, const Layer& source) const {
  // Both chains run from the layer up to its root.
  const auto chain = [](const Layer& layer) {
    std::vector<std::shared_ptr<const Layer>> layers{layer.shared_from_this()};
    while (auto parent = layers.back()->superlayer_.lock())
      layers.push_back(std::move(parent));
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
  animations_.emplace_back(std::move(key), std::move(animation));
}

void Layer::removeAnimation(std::string_view key) {
  std::erase_if(animations_, [&](const auto& entry) { return entry.first == key; });
}

std::optional<LayerAnimation> Layer::animation(std::string_view key) const {
  for (const auto& [entryKey, animation] : animations_) {
    if (entryKey == key)
      return animation;
  }
  return std::nullopt;
}

std::vector<std::string> Layer::animationKeys() const {
  std::vector<std::string> keys;
  keys.reserve(animations_.size());
  for (const auto& entry : animations_)
    keys.push_back(entry.first);
  return keys;
}

}  // namespace ornival
