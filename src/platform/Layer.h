#pragma once

#include "platform/AffineTransform.h"
#include "platform/Color.h"
#include "platform/LayerAnimation.h"
#include "platform/Path.h"
#include "platform/RgbaImage.h"
#include "platform/Vec2.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ornival {

class Layer;
class ShapeLayer;

// Told by the root of a layer tree of every change that alters what the tree
// draws, as it happens, so that a renderer can draw again only what changed.
class LayerObserver {
public:
  virtual ~LayerObserver() = default;
  // A property of the layer that shows changed, or the layer joined the tree
  // (it is then attached, its sublayers with it).
  virtual void layerChanged(Layer& layer) = 0;
  // The sublayer left the superlayer, and with it the tree.
  virtual void sublayerRemoved(Layer& superlayer, Layer& sublayer) = 0;
};

// What a renderer keeps of a layer between paints (converted outlines, where
// the layer was drawn). The layer owns it and drops it with itself; only the
// renderer that made it reads it.
class LayerDrawingCache {
public:
  virtual ~LayerDrawingCache() = default;
  // Which renderer made it, as that renderer numbers itself.
  std::uint32_t owner() const { return owner_; }

protected:
  explicit LayerDrawingCache(std::uint32_t owner) : owner_(owner) {}

private:
  std::uint32_t owner_;
};

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
// A tiling holds a few layers per tile, so a layer keeps only what every
// layer needs in itself; geometry, shadow, picture and animations, which
// few layers set, live apart and are made when first set.
//
// Main thread only, like everything that is shown.
class Layer : public std::enable_shared_from_this<Layer> {
public:
  static std::shared_ptr<Layer> create() { return std::make_shared<Layer>(Token{}); }

  virtual ~Layer();
  Layer(const Layer&) = delete;
  Layer& operator=(const Layer&) = delete;

  Vec2 position() const { return details_ ? details_->position : Vec2{}; }
  void setPosition(Vec2 position);
  const Rect& bounds() const { return details().bounds; }
  void setBounds(const Rect& bounds);
  Vec2 anchorPoint() const { return details().anchorPoint; }
  void setAnchorPoint(Vec2 anchorPoint);
  const AffineTransform& transform() const { return details().transform; }
  void setTransform(const AffineTransform& transform);
  double zPosition() const { return zPosition_; }
  void setZPosition(double zPosition);
  double opacity() const { return opacity_; }
  void setOpacity(double opacity);
  bool isHidden() const { return hidden_; }
  void setHidden(bool hidden);
  // Drawn once into a bitmap of rasterizationScale pixels per point and then
  // moved and scaled as that bitmap, as during a live zoom.
  bool shouldRasterize() const { return details().shouldRasterize; }
  void setShouldRasterize(bool rasterize) { mutableDetails().shouldRasterize = rasterize; }
  double rasterizationScale() const { return details().rasterizationScale; }
  void setRasterizationScale(double scale) { mutableDetails().rasterizationScale = scale; }

  // The sublayers hold many shapes that stay put while the view moves, such as
  // the tiles of a mosaic: a renderer may keep their drawing as pictures and
  // draw again only where they change.
  bool isTileCached() const { return tileCached_; }
  void setTileCached(bool cached);

  // A picture stretched over the bounds, drawn beneath the sublayers: the
  // underlay. Shared, since a picture is never changed once made.
  const std::shared_ptr<const RgbaImage>& contents() const { return details().contents; }
  void setContents(std::shared_ptr<const RgbaImage> contents);

  double shadowOpacity() const { return details().shadowOpacity; }
  void setShadowOpacity(double opacity) { mutableDetails().shadowOpacity = opacity; }
  const Color& shadowColor() const { return details().shadowColor; }
  void setShadowColor(const Color& color) { mutableDetails().shadowColor = color; }
  // Down by default: y points up.
  Vec2 shadowOffset() const { return details().shadowOffset; }
  void setShadowOffset(Vec2 offset) { mutableDetails().shadowOffset = offset; }
  double shadowRadius() const { return details().shadowRadius; }
  void setShadowRadius(double radius) { mutableDetails().shadowRadius = radius; }

  // In order of addition, the last drawn on top among equal z positions.
  const std::vector<std::shared_ptr<Layer>>& sublayers() const;
  std::shared_ptr<Layer> superlayer() const { return superlayer_ ? superlayer_->shared_from_this() : nullptr; }
  // The same without taking a reference, for walks that only look.
  Layer* superlayerPointer() const { return superlayer_; }
  // Orders the layer among its siblings: a later addition has a larger
  // number. Numbers change as siblings come and go; their order does not.
  std::size_t orderInSuperlayer() const { return slot_; }
  // Visits the sublayers in order of addition without tidying the list.
  template <typename Visit>
  void forEachSublayer(Visit visit) const {
    if (!children_)
      return;
    for (const auto& sublayer : children_->list)
      if (sublayer)
        visit(*sublayer);
  }
  std::size_t sublayerCount() const { return children_ ? children_->list.size() - children_->holes : 0; }

  // Appends layer on top of the sublayers, taking it out of its present
  // superlayer first (this one included, so adding again brings it to the
  // top). Adding a layer to itself or to one of its descendants is a
  // programming error.
  void addSublayer(const std::shared_ptr<Layer>& layer);
  // Nothing happens when the layer has no superlayer. Takes constant time,
  // however many siblings the layer has.
  void removeFromSuperlayer();

  // The map from this layer's coordinates to its superlayer's.
  AffineTransform transformToSuperlayer() const;
  // Whether that map is the identity, as for most layers of a drawing.
  bool sharesSuperlayerCoordinates() const;

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
  void removeAllAnimations();
  std::optional<LayerAnimation> animation(std::string_view key) const;
  // In the order they were added.
  std::vector<std::string> animationKeys() const;

  // The observer of the tree this layer is the root of; none by default. The
  // observer must outlive its watch or be taken away first.
  void setObserver(LayerObserver* observer);
  LayerObserver* observer() const { return details_ ? details_->observer : nullptr; }

  // This layer as a shape layer, or none; cheaper than a cast for renderers
  // that ask of every layer.
  virtual const ShapeLayer* asShapeLayer() const { return nullptr; }

  // The renderer's notes on this layer.
  LayerDrawingCache* drawingCache() const { return drawingCache_.get(); }
  void setDrawingCache(std::unique_ptr<LayerDrawingCache> cache) const { drawingCache_ = std::move(cache); }

protected:
  struct Token {};

public:
  explicit Layer(Token) {}

protected:
  // Tells the tree's observer, if any, that this layer's drawing changed.
  void changed();

private:
  struct Details {
    Vec2 position;
    Rect bounds;
    Vec2 anchorPoint{0.5, 0.5};
    AffineTransform transform;
    bool shouldRasterize = false;
    double rasterizationScale = 1.0;
    std::shared_ptr<const RgbaImage> contents;
    double shadowOpacity = 0.0;
    Color shadowColor = Color::black();
    Vec2 shadowOffset{0.0, -3.0};
    double shadowRadius = 3.0;
    std::vector<std::pair<std::string, LayerAnimation>> animations;
    LayerObserver* observer = nullptr;
  };
  // Removals leave holes, so that a removal need not move its later siblings;
  // the list closes them when read, or when they come to half of it.
  struct Children {
    std::vector<std::shared_ptr<Layer>> list;
    std::size_t holes = 0;
  };

  const Details& details() const;
  Details& mutableDetails();
  void closeHoles() const;
  Vec2 anchorInBounds() const;
  Vec2 toSuperlayer(Vec2 point) const;
  Vec2 fromSuperlayer(Vec2 point) const;

  // The superlayer holds this layer strongly and clears this link when it
  // goes, so a plain pointer suffices.
  Layer* superlayer_ = nullptr;
  mutable std::unique_ptr<Children> children_;
  std::unique_ptr<Details> details_;
  mutable std::unique_ptr<LayerDrawingCache> drawingCache_;
  double zPosition_ = 0.0;
  double opacity_ = 1.0;
  mutable std::uint32_t slot_ = 0;
  bool hidden_ = false;
  bool tileCached_ = false;
};

}  // namespace ornival
