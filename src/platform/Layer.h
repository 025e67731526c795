#pragma once

#include "platform/AffineTransform.h"
#include "platform/Color.h"
#include "platform/LayerAnimation.h"
#include "platform/Path.h"
#include "platform/RgbaImage.h"
#include "platform/Vec2.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ornival {

// One node of the retained 2D drawing: plain data that a painter renders later.
//
// Geometry: a layer's own coordinates are those of its bounds. Its anchor
// point, in unit coordinates of the bounds ((0, 0) the minimum corner, (1, 1)
// the maximum one), sits at position in the superlayer's coordinates, and the
// transform acts about the anchor point. So a point p of the layer lies at
//   position + transform(p − anchor)
// in its superlayer, with anchor = bounds.origin + anchorPoint · bounds.size.
// The transform is affine: the drawing is flat, and depth only orders siblings
// (zPosition). y points up.
//
// Main thread only, like everything that is shown.
class Layer : public std::enable_shared_from_this<Layer> {
public:
  static std::shared_ptr<Layer> create() { return std::shared_ptr<Layer>(new Layer()); }

  virtual ~Layer() = default;
  Layer(const Layer&) = delete;
  Layer& operator=(const Layer&) = delete;

  Vec2 position() const { return position_; }
  void setPosition(Vec2 position) { position_ = position; }
  const Rect& bounds() const { return bounds_; }
  void setBounds(const Rect& bounds) { bounds_ = bounds; }
  Vec2 anchorPoint() const { return anchorPoint_; }
  void setAnchorPoint(Vec2 anchorPoint) { anchorPoint_ = anchorPoint; }
  const AffineTransform& transform() const { return transform_; }
  void setTransform(const AffineTransform& transform) { transform_ = transform; }
  double zPosition() const { return zPosition_; }
  void setZPosition(double zPosition) { zPosition_ = zPosition; }
  double opacity() const { return opacity_; }
  void setOpacity(double opacity) { opacity_ = opacity; }
  bool isHidden() const { return hidden_; }
  void setHidden(bool hidden) { hidden_ = hidden; }
  // Drawn once into a bitmap of rasterizationScale pixels per point and then
  // moved and scaled as that bitmap, as during a live zoom.
  bool shouldRasterize() const { return shouldRasterize_; }
  void setShouldRasterize(bool rasterize) { shouldRasterize_ = rasterize; }
  double rasterizationScale() const { return rasterizationScale_; }
  void setRasterizationScale(double scale) { rasterizationScale_ = scale; }

  // A picture stretched over the bounds, drawn beneath the sublayers: the
  // underlay. Shared, since a picture is never changed once made.
  const std::shared_ptr<const RgbaImage>& contents() const { return contents_; }
  void setContents(std::shared_ptr<const RgbaImage> contents) { contents_ = std::move(contents); }

  double shadowOpacity() const { return shadowOpacity_; }
  void setShadowOpacity(double opacity) { shadowOpacity_ = opacity; }
  const Color& shadowColor() const { return shadowColor_; }
  void setShadowColor(const Color& color) { shadowColor_ = color; }
  // Down by default: y points up.
  Vec2 shadowOffset() const { return shadowOffset_; }
  void setShadowOffset(Vec2 offset) { shadowOffset_ = offset; }
  double shadowRadius() const { return shadowRadius_; }
  void setShadowRadius(double radius) { shadowRadius_ = radius; }

  // In order of addition, the last drawn on top among equal z positions.
  const std::vector<std::shared_ptr<Layer>>& sublayers() const { return sublayers_; }
  std::shared_ptr<Layer> superlayer() const { return superlayer_.lock(); }

  // Appends layer on top of the sublayers, taking it out of its present
  // superlayer first (this one included, so adding again brings it to the
  // top). Adding a layer to itself or to one of its descendants is a
  // programming error.
  void addSublayer(const std::shared_ptr<Layer>& layer);
  // Nothing happens when the layer has no superlayer.
  void removeFromSuperlayer();

  // The map from this layer's coordinates to its superlayer's.
  AffineTransform transformToSuperlayer() const;

  // Converts a point between this layer and another of the same tree (a
  // programming error otherwise), through their nearest common ancestor so
  // that unrelated transforms higher up play no part. A point converted into
  // a layer whose transform on the way down is singular has no preimage and
  // comes out as NaN, which no hit test accepts.
  Vec2 convertFrom(Vec2 point, const Layer& source) const;
  Vec2 convertTo(Vec2 point, const Layer& target) const { return target.convertFrom(point, *this); }

  // Explicit animations, kept by key; a new one replaces any under its key.
  void addAnimation(LayerAnimation animation, std::string key);
  void removeAnimation(std::string_view key);
  void removeAllAnimations() { animations_.clear(); }
  std::optional<LayerAnimation> animation(std::string_view key) const;
  // In the order they were added.
  std::vector<std::string> animationKeys() const;

protected:
  Layer() = default;

private:
  Vec2 anchorInBounds() const;
  Vec2 toSuperlayer(Vec2 point) const;
  Vec2 fromSuperlayer(Vec2 point) const;

  Vec2 position_;
  Rect bounds_;
  Vec2 anchorPoint_{0.5, 0.5};
  AffineTransform transform_;
  double zPosition_ = 0.0;
  double opacity_ = 1.0;
  bool hidden_ = false;
  bool shouldRasterize_ = false;
  double rasterizationScale_ = 1.0;
  std::shared_ptr<const RgbaImage> contents_;
  double shadowOpacity_ = 0.0;
  Color shadowColor_ = Color::black();
  Vec2 shadowOffset_{0.0, -3.0};
  double shadowRadius_ = 3.0;
  std::vector<std::shared_ptr<Layer>> sublayers_;
  std::weak_ptr<Layer> superlayer_;
  std::vector<std::pair<std::string, LayerAnimation>> animations_;
};

}  // namespace ornival
