#include "platform/qt/TiledLayerRenderer.h"

#include "platform/qt/GridIndex.h"

#include "platform/ParallelFor.h"
#include "platform/Precondition.h"
#include "platform/ShapeLayer.h"
#include "platform/qt/QPainterAdapter.h"
#include "platform/qt/QtRgbaImage.h"

#include <QBrush>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <thread>
#include <unordered_map>
#include <vector>

namespace ornival {
namespace tiled {

using Clock = std::chrono::steady_clock;
using Frame = TiledLayerRenderer::Frame;
constexpr std::uint32_t none = std::numeric_limits<std::uint32_t>::max();
constexpr int tileSize = TiledLayerRenderer::tileSize;

// Antialiasing and strokes thinner than a pixel touch the pixels next to
// the outline; damage and culling reach this far beyond it, in device pixels.
constexpr double margin = 2.0;

QTransform toQTransform(const AffineTransform& t) { return QTransform(t.a, t.b, t.c, t.d, t.tx, t.ty); }

struct Run {
  QPainterPath path;
  QRectF bounds;
};

struct Picture {
  std::shared_ptr<const RgbaImage> source;
  QImage image;
};

using Index = GridIndex<class Entry>;

// What the renderer keeps of a layer drawn at every paint (the hover outline,
// a mark, a frame) or drawn from one large outline: its outline as Qt draws
// it, with the fill rule it is drawn with, in runs when it is long.
struct Kept {
  QPainterPath whole;
  std::unique_ptr<std::vector<Run>> runs;
  std::weak_ptr<const std::optional<Path>> convertedFrom;
  FillRule convertedRule = FillRule::nonZero;
  std::unique_ptr<Picture> picture;
  QRectF ownBounds;
  bool boundsCurrent = false;
};

// What the renderer keeps of one layer.
class Entry final : public LayerDrawingCache {
public:
  Entry(std::uint32_t ownerId, const Layer* layer) : LayerDrawingCache(ownerId), layer(layer) {}
  ~Entry() override;

  const Layer* layer;
  Index* index = nullptr;
  std::unique_ptr<Kept> kept;
  // Where the drawing is accounted for: in `index`, its box in the
  // container's coordinates; else, while it is drawn as a step of its own,
  // its rectangle on the view (logical pixels, y down).
  Box box;
  std::uint32_t dirtySlot = none;
  std::uint32_t shownSlot = none;
  std::uint32_t stamp = 0;
  // The layer, or one above it, changed since the last flush.
  bool changed = false;
  // The rectangle on the view lies in the cached picture.
  bool boxInPicture = false;
};

// One drawing step: a layer's own drawing, or a tile-cached layer with all it
// holds, with the map from its coordinates to the view's (logical pixels,
// y up) and the opacity it is drawn with.
struct Step {
  const Layer* layer;
  AffineTransform toView;
  double opacity;
  bool container;
};

// The tree as it is drawn: the steps in order, those before `split` beneath
// the last tile-cached layer and so in the picture.
struct Plan {
  std::vector<Step> steps;
  std::size_t split = 0;
};

// A tile-cached layer as the picture was drawn for it.
struct ContainerKey {
  const Layer* layer;
  AffineTransform toView;
  double opacity;
  bool operator==(const ContainerKey&) const = default;
};

struct Tile {
  bool valid = false;
  // Shown from a stand-in on the view since it was last painted.
  bool standIn = false;
  // Valid: changed since drawn, to draw again before it is shown.
  QRect dirty;
  // Not yet valid: what changed while the stand-in showed the drawing as it
  // was, to draw exactly at the next paint; and what is drawn exactly so,
  // shown over the stand-in.
  QRect urgent;
  QRect exact;
};

// The picture of one view: device pixels of the paint device, of which the
// view's part is kept, in tiles from its top left corner.
struct Generation {
  Frame frame;
  std::vector<ContainerKey> key;
  // Device pixels of the first tile-cached layer's coordinates; how a stand-in
  // moves from its view to the present one.
  std::optional<QTransform> reference;
  QImage image;
  // The background with the pictures beneath the tile-cached layers, drawn
  // whole: a picture drawn smooth in parts comes out a shade apart where the
  // parts meet.
  QImage base;
  bool baseCurrent = false;
  QRect area;
  QSize imageSize;
  int columns = 0;
  int rows = 0;
  std::vector<Tile> tiles;
  int validTiles = 0;

  void place() {
    const double r = frame.pixelRatio;
    area = QRect(int(std::lround(frame.offset.x() * r)), int(std::lround(frame.offset.y() * r)),
                 int(std::ceil(frame.size.width() * r)), int(std::ceil(frame.size.height() * r)));
    imageSize = frame.deviceSize.isEmpty() ? QSize(area.right() + 1, area.bottom() + 1)
                                           : frame.deviceSize.expandedTo(QSize(area.right() + 1, area.bottom() + 1));
    if (area.isEmpty())
      imageSize = QSize();
    columns = (area.width() + tileSize - 1) / tileSize;
    rows = (area.height() + tileSize - 1) / tileSize;
    tiles.assign(std::size_t(std::max(columns, 0)) * std::size_t(std::max(rows, 0)), Tile{});
  }
  QRect tileRect(int i) const {
    const QRect tile(area.x() + (i % columns) * tileSize, area.y() + (i / columns) * tileSize, tileSize, tileSize);
    return tile.intersected(area);
  }
  template <typename Visit>
  void forTilesIn(const QRect& deviceRect, Visit visit) {
    const QRect r = deviceRect.intersected(area).translated(-area.topLeft());
    if (r.isEmpty())
      return;
    for (int y = r.top() / tileSize; y <= r.bottom() / tileSize; ++y)
      for (int x = r.left() / tileSize; x <= r.right() / tileSize; ++x)
        visit(y * columns + x);
  }
};

std::vector<std::pair<std::uint32_t, TiledLayerRenderer::Impl*>>& renderers() {
  static std::vector<std::pair<std::uint32_t, TiledLayerRenderer::Impl*>> live;
  return live;
}

}  // namespace tiled

using namespace tiled;

struct TiledLayerRenderer::Impl {
  Impl(TiledLayerRenderer& owner, std::shared_ptr<Layer> tree) : self(owner), root(std::move(tree)) {
    static std::uint32_t nextId = 0;
    id = ++nextId;
    renderers().emplace_back(id, this);
  }
  ~Impl() { std::erase_if(renderers(), [this](const auto& r) { return r.second == this; }); }

  TiledLayerRenderer& self;
  std::shared_ptr<Layer> root;
  std::uint32_t id = 0;

  std::vector<Entry*> dirty;
  std::vector<Entry*> shown;
  std::unordered_map<const Layer*, std::unique_ptr<Index>> indices;
  Plan plan;
  bool planCurrent = false;
  Frame frame;
  std::unique_ptr<Generation> current;
  std::unique_ptr<Generation> standIn;
  std::vector<QRect> damage;
  bool noticed = false;
  // The view moved in this flush: all of it is damaged already.
  bool viewMoved = false;
  std::uint32_t stamp = 0;
  // What a part of the picture draws of one container, in order.
  struct Drawn {
    double z;
    std::size_t order;
    Entry* entry;
  };

  // Conversions of paths shared by several layers (a tile's bands).
  struct Conversion {
    std::shared_ptr<const std::optional<Path>> source;
    FillRule rule;
    QPainterPath path;
  };
  Conversion lastConversion;

  // Entries ----------------------------------------------------------------

  Entry& entryFor(const Layer& layer) {
    if (LayerDrawingCache* cache = layer.drawingCache(); cache && cache->owner() == id)
      return static_cast<Entry&>(*cache);
    auto made = std::make_unique<Entry>(id, &layer);
    Entry& e = *made;
    layer.setDrawingCache(std::move(made));
    return e;
  }

  Entry* existingEntry(const Layer& layer) const {
    LayerDrawingCache* cache = layer.drawingCache();
    return cache && cache->owner() == id ? static_cast<Entry*>(cache) : nullptr;
  }

  void markDirty(Entry& e) {
    e.changed = true;
    if (e.dirtySlot != none)
      return;
    e.dirtySlot = std::uint32_t(dirty.size());
    dirty.push_back(&e);
  }

  void notice() {
    if (noticed)
      return;
    noticed = true;
    if (self.changeNoticed)
      self.changeNoticed();
  }

  // A layer's entry goes with the layer.
  void forget(Entry& e) {
    if (e.dirtySlot != none)
      dirty[e.dirtySlot] = nullptr;
    if (e.shownSlot != none) {
      shown[e.shownSlot] = nullptr;
      addViewDamage(e.box.rect(), e.boxInPicture);
    }
    if (e.index) {
      damageIndexed(*e.index, e.box.rect());
      e.index->remove(e);
    }
  }

  // Conversion and bounds ----------------------------------------------------

  // The fill rule a conversion carries: the layer's for a fill; for an
  // outline only stroked, Qt's default, which the stroke takes as it is.
  static FillRule conversionRule(const ShapeLayer& shape) {
    return fills(shape) ? shape.fillRule() : FillRule::evenOdd;
  }

  static Kept& keep(Entry& e) {
    if (!e.kept)
      e.kept = std::make_unique<Kept>();
    return *e.kept;
  }

  static bool isConverted(const Entry& e, const ShapeLayer& shape) {
    if (!e.kept)
      return false;
    const Kept& k = *e.kept;
    const auto& source = shape.pathStorage();
    return !k.convertedFrom.owner_before(source) && !source.owner_before(k.convertedFrom) &&
           !k.convertedFrom.expired() && k.convertedRule == conversionRule(shape);
  }

  void convert(Entry& entry, const ShapeLayer& shape) {
    const auto& source = shape.pathStorage();
    const FillRule rule = conversionRule(shape);
    if (isConverted(entry, shape))
      return;
    Kept& e = keep(entry);
    e.convertedFrom = source;
    e.convertedRule = rule;
    e.runs.reset();
    const Path& path = **source;
    if (path.size() > elementsPerRun) {
      auto runs = std::make_unique<std::vector<Run>>();
      for (QPainterPath& run : paintingRuns(path)) {
        run.setFillRule(toQt(rule));
        const QRectF bounds = run.controlPointRect();
        runs->push_back({std::move(run), bounds});
      }
      e.runs = std::move(runs);
    }
    if (lastConversion.source == source && lastConversion.rule == rule) {
      e.whole = lastConversion.path;
      return;
    }
    e.whole = toQPainterPath(path);
    e.whole.setFillRule(toQt(rule));
    lastConversion = {source, rule, e.whole};
  }

  // A path as a stroke is given it: with Qt's default fill rule.
  static QPainterPath forStroke(const QPainterPath& path) {
    if (path.fillRule() == Qt::OddEvenFill)
      return path;
    QPainterPath copy = path;
    copy.setFillRule(Qt::OddEvenFill);
    return copy;
  }

  static bool strokes(const ShapeLayer& shape) {
    return shape.strokeColor() && shape.strokeColor()->alpha > 0.0 && shape.lineWidth() > 0.0;
  }
  static bool fills(const ShapeLayer& shape) { return shape.fillColor() && shape.fillColor()->alpha > 0.0; }
  // How far a stroke reaches beyond its outline: a miter's tip lies at most
  // half the miter limit in widths from its corner, a square cap under one.
  static double strokeReach(const ShapeLayer& shape) {
    return strokes(shape) ? shape.lineWidth() * std::max(miterLimit / 2.0, 1.0) : 0.0;
  }

  // The box of an outline's points, control points included: it holds the
  // outline.
  static QRectF controlBounds(const Path& path) {
    double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
    const auto take = [&](Vec2 p) {
      x0 = std::min(x0, p.x);
      y0 = std::min(y0, p.y);
      x1 = std::max(x1, p.x);
      y1 = std::max(y1, p.y);
    };
    for (const PathElement& e : path) {
      if (e.kind == PathElement::Kind::close)
        continue;
      take(e.point);
      if (e.kind == PathElement::Kind::curve) {
        take(e.control1);
        take(e.control2);
      }
    }
    if (!(x0 <= x1 && y0 <= y1))
      return {};
    // A box of no area still stands for something drawn.
    return QRectF(QPointF(x0, y0), QPointF(x1, y1)).adjusted(-1e-9, -1e-9, 1e-9, 1e-9);
  }

  // The drawing's bounds in the layer's coordinates, kept for layers drawn at
  // every paint.
  QRectF ownBounds(Entry& e) {
    if (e.kept && e.kept->boundsCurrent)
      return e.kept->ownBounds;
    QRectF bounds;
    const Layer& layer = *e.layer;
    if (layer.contents()) {
      const Rect& r = layer.bounds();
      bounds = QRectF(r.origin.x, r.origin.y, r.size.x, r.size.y).normalized();
    } else if (e.kept) {
      e.kept->picture.reset();
    }
    const ShapeLayer* shape = layer.asShapeLayer();
    if (!shape || !shape->path())
      forgetConversion(e);
    else if (fills(*shape) || strokes(*shape)) {
      const double reach = strokeReach(*shape);
      const QRectF outline = controlBounds(*shape->path()).adjusted(-reach, -reach, reach, reach);
      if (!outline.isNull())
        bounds = bounds.isNull() ? outline : bounds.united(outline);
    }
    if (e.kept) {
      e.kept->ownBounds = bounds;
      e.kept->boundsCurrent = true;
    }
    return bounds;
  }

  static void forgetConversion(Entry& e) {
    if (!e.kept)
      return;
    e.kept->whole = QPainterPath();
    e.kept->runs.reset();
    e.kept->convertedFrom.reset();
    if (!e.kept->picture)
      e.kept.reset();
  }

  // What a sublayer of a tile-cached layer covers in the container's
  // coordinates, its own sublayers included.
  QRectF itemBox(const Layer& layer, const AffineTransform& toContainer) {
    Entry& e = entryFor(layer);
    QRectF box = ownBounds(e);
    if (!box.isNull())
      box = toQTransform(toContainer).mapRect(box);
    layer.forEachSublayer([&](const Layer& sublayer) {
      const AffineTransform t = sublayer.sharesSuperlayerCoordinates()
                                    ? toContainer
                                    : sublayer.transformToSuperlayer().concatenating(toContainer);
      const QRectF inner = itemBox(sublayer, t);
      if (!inner.isNull())
        box = box.isNull() ? inner : box.united(inner);
    });
    return box;
  }

  // The plan -----------------------------------------------------------------

  static bool drawsItself(const Layer& layer) {
    if (layer.contents())
      return true;
    const ShapeLayer* shape = layer.asShapeLayer();
    return shape && shape->path();
  }

  template <typename Visit>
  static void inPaintOrder(const Layer& layer, std::vector<const Layer*>& order, Visit visit) {
    const std::size_t start = order.size();
    bool sorted = true;
    layer.forEachSublayer([&](const Layer& sublayer) {
      sorted = sorted && (order.size() == start || order.back()->zPosition() <= sublayer.zPosition());
      order.push_back(&sublayer);
    });
    if (!sorted)
      std::stable_sort(order.begin() + std::ptrdiff_t(start), order.end(),
                       [](const Layer* a, const Layer* b) { return a->zPosition() < b->zPosition(); });
    for (std::size_t i = start; i < order.size(); ++i)
      visit(*order[i]);
    order.resize(start);
  }

  void collect(const Layer& layer, const AffineTransform& parent, double opacity, Plan& into,
               std::vector<const Layer*>& order) {
    if (layer.isHidden())
      return;
    opacity *= layer.opacity();
    if (opacity <= 0.0)
      return;
    const AffineTransform t =
        layer.sharesSuperlayerCoordinates() ? parent : layer.transformToSuperlayer().concatenating(parent);
    if (layer.isTileCached()) {
      into.steps.push_back({&layer, t, opacity, true});
      into.split = into.steps.size();
      return;
    }
    if (drawsItself(layer))
      into.steps.push_back({&layer, t, opacity, false});
    inPaintOrder(layer, order, [&](const Layer& sublayer) { collect(sublayer, t, opacity, into, order); });
  }

  Plan makePlan() {
    Plan next;
    std::vector<const Layer*> order;
    collect(*root, AffineTransform::identity(), 1.0, next, order);
    return next;
  }

  static std::vector<ContainerKey> keyOf(const Plan& p) {
    std::vector<ContainerKey> key;
    for (std::size_t i = 0; i < p.split; ++i)
      if (p.steps[i].container)
        key.push_back({p.steps[i].layer, p.steps[i].toView, p.steps[i].opacity});
    return key;
  }

  // The steps drawn into the base: those before the first tile-cached layer,
  // when a picture is among them.
  std::size_t baseSteps() const {
    bool picture = false;
    for (std::size_t i = 0; i < plan.split; ++i) {
      if (plan.steps[i].container)
        return picture ? i : 0;
      picture = picture || plan.steps[i].layer->contents();
    }
    return 0;
  }

  const Step* containerStep(const Layer* container) const {
    for (std::size_t i = 0; i < plan.split; ++i)
      if (plan.steps[i].container && plan.steps[i].layer == container)
        return &plan.steps[i];
    return nullptr;
  }

  // Coordinates ---------------------------------------------------------------

  // From a layer's coordinates (through its map to the view) to the view's
  // logical pixels, y down: what a painter on the view is given.
  QTransform toPainter(const AffineTransform& toView) const {
    return toQTransform(toView) * QTransform(1.0, 0.0, 0.0, -1.0, 0.0, frame.size.height());
  }
  // The same into the picture's device pixels.
  // Composed in the order a painter on the device composes them.
  QTransform toPicture(const AffineTransform& toView) const {
    QTransform t = toPainter(toView);
    if (!frame.offset.isNull())
      t = t * QTransform::fromTranslate(frame.offset.x(), frame.offset.y());
    if (frame.pixelRatio != 1.0)
      t = t * QTransform::fromScale(frame.pixelRatio, frame.pixelRatio);
    return t;
  }
  // Device pixels to what a painter on the view takes as its own.
  QTransform fromDevicePixels() const {
    return QTransform::fromScale(1.0 / frame.pixelRatio, 1.0 / frame.pixelRatio) *
           QTransform::fromTranslate(-frame.offset.x(), -frame.offset.y());
  }

  QRect viewRect(const QRectF& bounds, const AffineTransform& toView) const {
    if (bounds.isNull())
      return {};
    return toPainter(toView).mapRect(bounds).adjusted(-margin, -margin, margin, margin).toAlignedRect();
  }

  QRect deviceRect(const QRect& logical) const {
    const QRect moved = logical.translated(frame.offset);
    if (frame.pixelRatio == 1.0)
      return moved;
    return QRectF(moved.x() * frame.pixelRatio, moved.y() * frame.pixelRatio, moved.width() * frame.pixelRatio,
                  moved.height() * frame.pixelRatio)
        .toAlignedRect();
  }
  QRect logicalRect(const QRect& device) const {
    if (frame.pixelRatio == 1.0)
      return device.translated(-frame.offset);
    return QRectF(device.x() / frame.pixelRatio, device.y() / frame.pixelRatio, device.width() / frame.pixelRatio,
                  device.height() / frame.pixelRatio)
        .toAlignedRect()
        .translated(-frame.offset);
  }

  // Damage --------------------------------------------------------------------

  void addDamage(const QRect& logical) {
    // A view that moved is damaged all over already.
    if (viewMoved || logical.isEmpty())
      return;
    // A few rectangles say where; many are no better than their union.
    if (damage.size() >= 16) {
      QRect all = logical;
      for (const QRect& r : damage)
        all = all.united(r);
      damage.assign(1, all);
      return;
    }
    damage.push_back(logical);
  }

  // A change on the view; in the picture, the picture is drawn there again.
  void addViewDamage(const QRectF& box, bool inPicture) {
    if (box.isEmpty())
      return;
    const QRect logical = box.toAlignedRect();
    addDamage(logical);
    if (inPicture)
      invalidatePicture(logical);
  }

  void damageIndexed(const Index& index, const QRectF& box) {
    // A view that moved is damaged all over, and its picture is drawn anew:
    // exactly where it changed only while another stands in.
    if (box.isNull() || (viewMoved && !standIn))
      return;
    const Step* step = containerStep(index.container);
    if (!step)
      return;
    const QRect logical = viewRect(box, step->toView);
    addDamage(logical);
    invalidatePicture(logical);
  }

  // All a tile-cached layer draws, where the plan has it.
  void damageContainer(const Layer* container) {
    const Step* step = containerStep(container);
    if (!step || viewMoved)
      return;
    QRect logical;
    if (const auto found = indices.find(container); found != indices.end())
      logical = viewRect(found->second->extent, step->toView);
    if (const Entry* own = existingEntry(*container))
      logical = logical.united(viewRect(own->box.rect(), step->toView));
    addDamage(logical);
    invalidatePicture(logical);
  }

  void invalidatePicture(const QRect& logical) {
    if (!current)
      return;
    const QRect device = deviceRect(logical).adjusted(-1, -1, 1, 1);
    current->forTilesIn(device, [&](int i) {
      Tile& tile = current->tiles[std::size_t(i)];
      const QRect part = device.intersected(current->tileRect(i));
      if (tile.valid)
        tile.dirty = tile.dirty.united(part);
      else
        tile.urgent = tile.urgent.united(part);
    });
  }

  // Flushing ------------------------------------------------------------------

  void flush(const Frame& now) {
    if (planCurrent && dirty.empty() && now == frame)
      return;
    frame = now;
    Plan next = makePlan();
    const std::vector<ContainerKey> key = keyOf(next);

    // Tile-cached layers that came or went leave the rest of the picture as
    // it is; any other change of how they lie is a new view.
    viewMoved = !current || current->frame != frame;
    std::vector<const Layer*> cameOrWent;
    if (!viewMoved) {
      const auto contains = [](const std::vector<ContainerKey>& keys, const Layer* layer) {
        return std::any_of(keys.begin(), keys.end(), [&](const ContainerKey& k) { return k.layer == layer; });
      };
      std::vector<ContainerKey> kept;
      std::vector<ContainerKey> still;
      for (const auto& k : current->key) {
        if (contains(key, k.layer))
          kept.push_back(k);
        else
          cameOrWent.push_back(k.layer);
      }
      for (const auto& k : key) {
        if (contains(current->key, k.layer))
          still.push_back(k);
        else
          cameOrWent.push_back(k.layer);
      }
      viewMoved = kept != still;
    }
    // What went is damaged as the old plan had it, what came as the new one
    // has it.
    if (!viewMoved)
      for (const Layer* layer : cameOrWent)
        damageContainer(layer);
    plan = std::move(next);
    planCurrent = true;
    if (viewMoved) {
      startGeneration(key);
      damage.assign(1, QRect(QPoint(), frame.size));
    } else {
      current->key = key;
      for (const Layer* layer : cameOrWent)
        damageContainer(layer);
    }

    // Layers that changed: sublayers of tile-cached layers move in their
    // index; others mark what they hold as changed.
    // Settling a container new to the tree brings its sublayers along.
    dropLeavingInBulk();
    for (std::size_t i = 0; i < dirty.size(); ++i) {
      if (i == boxKnown.size())
        findBoxes(i);
      if (Entry* e = dirty[i])
        settle(*e, boxKnown[i] ? &knownBoxes[i] : nullptr);
    }
    knownBoxes = {};
    boxKnown = {};
    updateShown();
    for (Entry* e : dirty) {
      if (e) {
        e->dirtySlot = none;
        e->changed = false;
      }
    }
    dirty.clear();
    viewMoved = false;
  }

  // When one batch takes most of a container's sublayers out of the tree
  // (everything selected and deleted), their entries leave its index in one
  // sweep and damage the view once, instead of a search and a damage each.
  void dropLeavingInBulk() {
    std::vector<std::pair<Index*, std::vector<Entry*>>> leaving;
    for (Entry* e : dirty) {
      // A layer still in its container may only have changed; one that left
      // may have been taken into another container of the tree.
      if (!e || !e->index || e->layer->superlayerPointer() == e->index->container || isAttached(*e->layer))
        continue;
      if (leaving.empty() || leaving.back().first != e->index) {
        const auto found = std::find_if(leaving.begin(), leaving.end(), [&](const auto& l) { return l.first == e->index; });
        if (found == leaving.end())
          leaving.emplace_back(e->index, std::vector<Entry*>());
        else
          std::iter_swap(found, leaving.end() - 1);
      }
      leaving.back().second.push_back(e);
    }
    for (auto& [index, entries] : leaving) {
      if (entries.size() * 2 < index->size())
        continue;
      QRectF box;
      for (Entry* e : entries) {
        const QRectF r = e->box.rect();
        if (!r.isNull())
          box = box.isNull() ? r : box.united(r);
        e->index = nullptr;
      }
      damageIndexed(*index, box);
      index->dropUnindexed();
    }
  }

  bool isAttached(const Layer& layer) const {
    const Layer* top = &layer;
    while (top->superlayerPointer())
      top = top->superlayerPointer();
    return top == root.get();
  }

  Index& indexFor(const Layer& container) {
    auto& slot = indices[&container];
    if (!slot) {
      slot = std::make_unique<Index>(&container);
      // A container new to the tree brings its sublayers along.
      container.forEachSublayer([&](const Layer& sublayer) { markDirty(entryFor(sublayer)); });
    }
    return *slot;
  }

  void dropIndex(const Layer& container) {
    const auto found = indices.find(&container);
    if (found == indices.end())
      return;
    found->second->release();
    indices.erase(found);
  }

  // Takes the entries of a layer gone from the tree, and of all it holds.
  void release(const Layer& layer) {
    if (layer.isTileCached())
      dropIndex(layer);
    layer.forEachSublayer([&](const Layer& sublayer) { release(sublayer); });
    if (existingEntry(layer))
      layer.setDrawingCache(nullptr);
  }

  // Everything below a layer that changed is drawn differently now; tile-cached
  // layers new to the tree are indexed.
  void markSubtreeChanged(const Layer& layer) {
    layer.forEachSublayer([&](const Layer& sublayer) {
      if (sublayer.isTileCached()) {
        if (!indices.contains(&sublayer))
          markDirty(entryFor(sublayer));
        return;
      }
      entryFor(sublayer).changed = true;
      markSubtreeChanged(sublayer);
    });
  }

  // A layer drawn as a step of its own no longer is.
  void unshow(Entry& e) {
    if (e.shownSlot == none)
      return;
    shown[e.shownSlot] = nullptr;
    e.shownSlot = none;
    addViewDamage(e.box.rect(), e.boxInPicture);
    e.box = Box();
  }

  // Where many sublayers of tile-cached layers lie (a document opened, a
  // large paste), worked out on worker threads before they are indexed one
  // by one: the workers only read the layers and their entries.
  std::vector<Box> knownBoxes;
  std::vector<std::uint8_t> boxKnown;

  // For the entries from `from` on, as many as there are now.
  void findBoxes(std::size_t from) {
    constexpr std::size_t chunk = 4096;
    const std::size_t n = dirty.size();
    knownBoxes.resize(n, Box());
    boxKnown.resize(n, 0);
    if (!parallel || n < from + 2 * chunk)
      return;
    parallelFor((n - from + chunk - 1) / chunk, [&](std::size_t c) {
      for (std::size_t i = from + c * chunk; i < std::min(n, from + (c + 1) * chunk); ++i) {
        const Entry* e = dirty[i];
        // Plain sublayers only, that keep nothing and are drawn nowhere yet.
        if (!e || e->kept || e->index || e->shownSlot != none)
          continue;
        const Layer& layer = *e->layer;
        const Layer* up = layer.superlayerPointer();
        if (!up || !up->isTileCached() || layer.sublayerCount() != 0 || !isAttached(layer))
          continue;
        knownBoxes[i] = Box::around(itemBox(layer, layer.sharesSuperlayerCoordinates()
                                                       ? AffineTransform::identity()
                                                       : layer.transformToSuperlayer()));
        boxKnown[i] = 1;
      }
    });
  }

  void settle(Entry& e, const Box* known = nullptr) {
    const Layer& layer = *e.layer;
    if (e.kept)
      e.kept->boundsCurrent = false;
    if (!isAttached(layer)) {
      release(layer);
      return;
    }
    // The sublayer of a tile-cached layer that holds this one is what the
    // index knows.
    const Layer* item = &layer;
    const Layer* up = layer.superlayerPointer();
    while (up && !up->isTileCached()) {
      item = up;
      up = up->superlayerPointer();
    }
    if (up && item != &layer) {
      markDirty(entryFor(*item));
      return;
    }
    if (up) {
      Index& index = indexFor(*up);
      unshow(e);
      if (e.index) {
        damageIndexed(*e.index, e.box.rect());
        e.index->remove(e);
      }
      forgetConversion(e);
      e.box = known ? *known
                    : Box::around(itemBox(layer, layer.sharesSuperlayerCoordinates()
                                                     ? AffineTransform::identity()
                                                     : layer.transformToSuperlayer()));
      if (!e.box.isEmpty()) {
        index.insert(e);
        damageIndexed(index, e.box.rect());
      } else if (!e.kept) {
        // A tile's band of no width draws nothing and keeps nothing: a
        // tiling holds two such a tile. A change that shows makes it again.
        layer.setDrawingCache(nullptr);
      }
      return;
    }
    if (e.index) {
      damageIndexed(*e.index, e.box.rect());
      e.index->remove(e);
    }
    if (!layer.isTileCached())
      dropIndex(layer);
    if (layer.isTileCached()) {
      unshow(e);
      indexFor(layer);
      // Its own drawing, beneath its sublayers.
      const QRectF before = e.box.rect();
      keep(e).boundsCurrent = false;
      e.box = Box::around(ownBounds(e));
      if (const Step* step = containerStep(&layer)) {
        // A view that moved has only the new place.
        const QRect damaged = viewRect(e.box.rect(), step->toView)
                                  .united(viewMoved ? QRect() : viewRect(before, step->toView));
        addDamage(damaged);
        invalidatePicture(damaged);
      }
      return;
    }
    markSubtreeChanged(layer);
  }

  // Where the steps other than tile-cached layers lie on the view; what moved
  // or changed is damaged at both places.
  void updateShown() {
    const std::uint32_t mark = ++stamp;
    const std::size_t base = baseSteps();
    std::vector<Entry*> next;
    for (std::size_t i = 0; i < plan.steps.size(); ++i) {
      const Step& step = plan.steps[i];
      if (step.container)
        continue;
      Entry& e = entryFor(*step.layer);
      keep(e);
      const Box box = Box::around(QRectF(viewRect(ownBounds(e), step.toView)));
      const bool inPicture = i < plan.split;
      if (i < base && (e.changed || e.shownSlot == none || box != e.box))
        current->baseCurrent = false;
      if (viewMoved) {
        // All of the view is damaged already; in the picture, only what
        // changed besides is drawn at once.
        if (e.changed && inPicture)
          invalidatePicture(box.rect().toAlignedRect());
      } else if (e.shownSlot != none) {
        if (e.changed || box != e.box || inPicture != e.boxInPicture) {
          addViewDamage(e.box.rect(), e.boxInPicture);
          addViewDamage(box.rect(), inPicture);
        }
      } else {
        addViewDamage(box.rect(), inPicture);
      }
      e.box = box;
      e.boxInPicture = inPicture;
      e.changed = false;
      e.stamp = mark;
      e.shownSlot = std::uint32_t(next.size());
      next.push_back(&e);
    }
    for (Entry* e : shown) {
      if (e && e->stamp != mark) {
        if (e->boxInPicture)
          current->baseCurrent = false;
        if (!viewMoved)
          addViewDamage(e->box.rect(), e->boxInPicture);
        e->shownSlot = none;
        e->box = Box();
      }
    }
    shown = std::move(next);
  }

  // Generations ---------------------------------------------------------------

  std::optional<QTransform> referenceOf() const {
    for (std::size_t i = 0; i < plan.split; ++i)
      if (plan.steps[i].container)
        return toPicture(plan.steps[i].toView);
    return std::nullopt;
  }

  void startGeneration(const std::vector<ContainerKey>& key) {
    auto next = std::make_unique<Generation>();
    next->frame = frame;
    next->key = key;
    next->reference = referenceOf();
    next->place();
    const QSize size = next->imageSize;
    // The picture of the last view stands in for this one; of two, the one
    // further drawn.
    std::unique_ptr<Generation> spare;
    if (current && current->reference && next->reference && current->validTiles > 0 &&
        (!standIn || current->validTiles >= standIn->validTiles)) {
      spare = std::move(standIn);
      standIn = std::move(current);
    } else {
      spare = std::move(current);
    }
    if (standIn && !(standIn->reference && next->reference))
      standIn.reset();
    if (spare && spare->image.size() == size)
      next->image = std::move(spare->image);
    current = std::move(next);
  }

  void ensureImage(Generation& g) {
    if (g.image.size() != g.imageSize)
      g.image = QImage(g.imageSize, QImage::Format_ARGB32_Premultiplied);
  }

  // Drawing -------------------------------------------------------------------

  // A tiling uses few colours and bands: the brushes and pens of the last
  // few drawings serve again.
  static constexpr std::size_t remembered = 8;
  struct Brushes {
    Color color;
    QBrush brush;
  };
  struct Pens {
    Color color;
    StrokeStyle style;
    QPen pen;
  };

  // What one painter keeps from outline to outline. The main thread has its
  // own; so has each part of the picture drawn on a worker, which reads the
  // tree and the indices as they stand and keeps nothing in the entries: a
  // kept outline is converted again, as Qt caches what it draws inside the
  // outline, which two threads must not do to one at once.
  struct Tools {
    bool worker = false;
    std::vector<Brushes> brushes;
    std::vector<Pens> pens;
    std::size_t nextBrush = 0;
    std::size_t nextPen = 0;
    QPainterPath scratchPath;
    std::vector<Drawn> drawn;
    std::vector<const Layer*> order;

    const QBrush& brushFor(const Color& color) {
      for (const Brushes& b : brushes)
        if (b.color == color)
          return b.brush;
      Brushes made{color, QBrush(toQColor(color))};
      if (brushes.size() < remembered) {
        brushes.push_back(std::move(made));
        return brushes.back().brush;
      }
      Brushes& slot = brushes[nextBrush++ % remembered];
      slot = std::move(made);
      return slot.brush;
    }

    const QPen& penFor(const Color& color, const StrokeStyle& style) {
      for (const Pens& p : pens)
        if (p.color == color && p.style == style)
          return p.pen;
      Pens made{color, style, strokePen(color, style)};
      if (pens.size() < remembered) {
        pens.push_back(std::move(made));
        return pens.back().pen;
      }
      Pens& slot = pens[nextPen++ % remembered];
      slot = std::move(made);
      return slot.pen;
    }
  };
  Tools tools;
  // Parts of the picture are drawn several at a time.
  bool parallel = true;

  // The entry to draw a layer with: made on the main thread, only looked up
  // on a worker.
  Entry* drawingEntry(const Layer& layer, const Tools& with) {
    return with.worker ? existingEntry(layer) : &entryFor(layer);
  }

  void drawPicture(QPainter& painter, const Layer& layer, Entry* e, const QTransform& world, double opacity,
                   const Tools& with) {
    const auto& source = layer.contents();
    if (!source || source->width() == 0 || source->height() == 0 || opacity <= 0.0)
      return;
    QImage once;
    const QImage* image = nullptr;
    if (with.worker || !e) {
      once = toQImage(*source);
      image = &once;
    } else {
      Kept& k = keep(*e);
      if (!k.picture || k.picture->source != source)
        k.picture = std::make_unique<Picture>(Picture{source, toQImage(*source)});
      image = &k.picture->image;
    }
    const Rect& rect = layer.bounds();
    // Pixel rows run downwards from the rect's top, against the drawing's y.
    const QTransform pixels(rect.size.x / source->width(), 0.0, 0.0, -rect.size.y / source->height(), rect.minX(),
                            rect.maxY());
    painter.save();
    painter.setTransform(pixels * world);
    painter.setOpacity(std::clamp(opacity, 0.0, 1.0));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPointF(0.0, 0.0), *image);
    painter.restore();
  }

  // A layer's own drawing, as the layer tree renderer draws it, leaving out
  // runs that miss `cull` (in the painter's device coordinates). A kept
  // outline stays converted for the next paint; others are converted for
  // this drawing only: Qt keeps a second copy in every outline once drawn,
  // which for every tile would cost more than converting again.
  void drawOwn(QPainter& painter, const Layer& layer, Entry* e, const QTransform& world, double opacity,
               const QRectF& cull, bool keep, Tools& with) {
    if (layer.contents())
      drawPicture(painter, layer, e, world, opacity, with);
    const ShapeLayer* shape = layer.asShapeLayer();
    if (!shape || !shape->path())
      return;
    // A worker keeps nothing: what a kept outline leaves out, the clip
    // leaves out as well.
    if (with.worker || !e)
      keep = false;
    // Sublayers of tile-cached layers come culled by their index.
    if (keep) {
      const QRectF bounds = ownBounds(*e);
      if (bounds.isNull() || !world.mapRect(bounds).intersects(cull))
        return;
    } else if (!fills(*shape) && !strokes(*shape)) {
      return;
    }
    const QPainterPath* whole = nullptr;
    const std::vector<Run>* runs = nullptr;
    std::vector<Run> onceRuns;
    if (keep || (!with.worker && e && isConverted(*e, *shape))) {
      convert(*e, *shape);
      whole = &e->kept->whole;
      runs = e->kept->runs.get();
    } else {
      const FillRule rule = conversionRule(*shape);
      const Path& path = *shape->path();
      if (path.size() > elementsPerRun) {
        for (QPainterPath& run : paintingRuns(path)) {
          run.setFillRule(toQt(rule));
          const QRectF runBounds = run.controlPointRect();
          onceRuns.push_back({std::move(run), runBounds});
        }
        runs = &onceRuns;
      } else {
        runs = nullptr;
      }
      // One path, emptied for each outline, keeps its memory for the next.
      with.scratchPath.clear();
      appendToQPainterPath(with.scratchPath, path);
      with.scratchPath.setFillRule(toQt(rule));
      whole = &with.scratchPath;
    }
    const auto faded = [opacity](Color color) {
      color.alpha *= opacity;
      return color;
    };
    const auto visible = [&](const QRectF& runBounds, double reach) {
      return world.mapRect(runBounds.adjusted(-reach, -reach, reach, reach)).intersects(cull);
    };
    if (fills(*shape)) {
      if (painter.worldTransform() != world)
        painter.setTransform(world);
      const Color color = faded(*shape->fillColor());
      const QBrush& brush = with.brushFor(color);
      if (!runs || drawsWhole(shape->fillRule(), color)) {
        painter.fillPath(*whole, brush);
      } else {
        for (const Run& run : *runs)
          if (visible(run.bounds, 0.0))
            painter.fillPath(run.path, brush);
      }
    }
    if (strokes(*shape)) {
      const Color color = faded(*shape->strokeColor());
      const QPen& pen = with.penFor(color, StrokeStyle{shape->lineWidth(), shape->lineCap(), shape->lineJoin()});
      if (painter.worldTransform() != world)
        painter.setTransform(world);
      if (!runs || strokesWhole(color)) {
        painter.strokePath(forStroke(*whole), pen);
      } else {
        const double reach = strokeReach(*shape);
        for (const Run& run : *runs)
          if (visible(run.bounds, reach))
            painter.strokePath(forStroke(run.path), pen);
      }
    }
  }

  // A layer and what it holds, as the layer tree renderer draws it.
  void drawTree(QPainter& painter, const Layer& layer, const AffineTransform& parent, double opacity,
                bool intoPicture, const QRectF& cull, std::vector<const Layer*>& order, Tools& with) {
    if (layer.isHidden())
      return;
    opacity *= layer.opacity();
    if (opacity <= 0.0)
      return;
    const AffineTransform t =
        layer.sharesSuperlayerCoordinates() ? parent : layer.transformToSuperlayer().concatenating(parent);
    if (drawsItself(layer))
      drawOwn(painter, layer, drawingEntry(layer, with), intoPicture ? toPicture(t) : toPainter(t), opacity, cull,
              !intoPicture, with);
    inPaintOrder(layer, order, [&](const Layer& sublayer) {
      drawTree(painter, sublayer, t, opacity, intoPicture, cull, order, with);
    });
  }

  void ensureBase(Generation& g, std::size_t steps) {
    if (g.baseCurrent && g.base.size() == g.imageSize)
      return;
    g.base = QImage(g.imageSize, QImage::Format_ARGB32_Premultiplied);
    g.base.fill(frame.background);
    g.base.paintEngine()->setSystemClip(QRegion(g.area));
    QPainter painter(&g.base);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF all(g.area);
    for (std::size_t i = 0; i < steps; ++i) {
      const Step& step = plan.steps[i];
      drawOwn(painter, *step.layer, &entryFor(*step.layer), toPicture(step.toView), step.opacity, all, true, tools);
    }
    painter.end();
    g.base.paintEngine()->setSystemClip(QRegion());
    g.baseCurrent = true;
  }

  // Draws parts of the picture (device pixels, each within one square)
  // afresh: several at a time on worker threads, each into the picture's own
  // pixels through a painter of its own, limited to its part. The main thread
  // waits for them, so nothing changes the tree while they read it, and a
  // part comes out as it would alone.
  void render(Generation& g, const std::vector<QRect>& parts) {
    if (parts.empty())
      return;
    ensureImage(g);
    const std::size_t first = baseSteps();
    if (first > 0)
      ensureBase(g, first);
    if (!parallel || parts.size() < 2) {
      for (const QRect& part : parts)
        renderPart(g, g.image, part, first, tools);
      return;
    }
    // The pixels are the picture's alone from here on.
    uchar* const pixels = g.image.bits();
    const int width = g.image.width();
    const int height = g.image.height();
    const qsizetype bytesPerLine = g.image.bytesPerLine();
    const QImage::Format format = g.image.format();
    parallelFor(parts.size(), [&](std::size_t i) {
      QImage shared(pixels, width, height, bytesPerLine, format);
      Tools own;
      own.worker = true;
      renderPart(g, shared, parts[i], first, own);
    });
  }

  void renderPart(const Generation& g, QImage& target, const QRect& part, std::size_t first, Tools& with) {
    // Limited as a widget's paint is, by the system clip: a clip of the
    // painter's own draws thin lines through another path, a shade apart.
    target.paintEngine()->setSystemClip(QRegion(part));
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (first > 0)
      painter.drawImage(part.topLeft(), g.base, part);
    else
      painter.fillRect(part, frame.background);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF cull = QRectF(part).adjusted(-margin, -margin, margin, margin);
    std::vector<const Layer*>& order = with.order;
    for (std::size_t i = first; i < plan.split; ++i) {
      const Step& step = plan.steps[i];
      const QTransform world = toPicture(step.toView);
      Entry* own = drawingEntry(*step.layer, with);
      if (!step.container) {
        drawOwn(painter, *step.layer, own, world, step.opacity, cull, true, with);
        continue;
      }
      if (drawsItself(*step.layer))
        drawOwn(painter, *step.layer, own, world, step.opacity, cull, true, with);
      const auto found = indices.find(step.layer);
      if (found == indices.end())
        continue;
      bool invertible = false;
      const QTransform back = world.inverted(&invertible);
      const QRectF area = invertible ? back.mapRect(cull)
                                     : QRectF(QPointF(-1e300, -1e300), QPointF(1e300, 1e300));
      std::vector<Drawn>& drawn = with.drawn;
      drawn.clear();
      found->second->query(area, [&](Entry* e) {
        const Layer& item = *e->layer;
        drawn.push_back({item.zPosition(), item.orderInSuperlayer(), e});
      });
      std::sort(drawn.begin(), drawn.end(), [](const Drawn& a, const Drawn& b) {
        return a.z < b.z || (a.z == b.z && a.order < b.order);
      });
      for (const Drawn& d : drawn) {
        Entry& e = *d.entry;
        const Layer& item = *e.layer;
        if (item.isHidden())
          continue;
        const double opacity = step.opacity * item.opacity();
        if (opacity <= 0.0)
          continue;
        const bool shares = item.sharesSuperlayerCoordinates();
        const AffineTransform t = shares ? step.toView : item.transformToSuperlayer().concatenating(step.toView);
        if (drawsItself(item))
          drawOwn(painter, item, &e, shares ? world : toPicture(t), opacity, cull, false, with);
        inPaintOrder(item, order, [&](const Layer& sublayer) {
          drawTree(painter, sublayer, t, opacity, true, cull, order, with);
        });
      }
    }
    painter.end();
    target.paintEngine()->setSystemClip(QRegion());
  }

  // Draws whole squares of the picture afresh.
  void renderTiles(Generation& g, const std::vector<int>& which) {
    std::vector<QRect> parts;
    parts.reserve(which.size());
    for (int i : which)
      parts.push_back(g.tileRect(i));
    render(g, parts);
    for (int i : which) {
      Tile& tile = g.tiles[std::size_t(i)];
      if (!tile.valid)
        ++g.validTiles;
      tile.valid = true;
      tile.dirty = tile.urgent = tile.exact = QRect();
    }
  }

  void paint(QPainter& painter, const QRect& exposed, bool allowStandIns) {
    Generation& g = *current;
    const QRect device = deviceRect(exposed).intersected(g.area);
    const bool mayStandIn = allowStandIns && standIn;
    std::vector<int> missing;
    std::vector<int> whole;
    std::vector<QRect> parts;
    g.forTilesIn(device, [&](int i) {
      Tile& tile = g.tiles[std::size_t(i)];
      if (!tile.valid) {
        if (!mayStandIn) {
          whole.push_back(i);
          return;
        }
        missing.push_back(i);
        // What changed since the stand-in was drawn shows exactly over it.
        if (!tile.urgent.isEmpty()) {
          parts.push_back(tile.urgent);
          tile.exact = tile.exact.united(tile.urgent);
          tile.urgent = QRect();
        }
      } else if (!tile.dirty.isEmpty()) {
        parts.push_back(tile.dirty);
        tile.dirty = QRect();
      }
    });
    // Each part lies in a square of its own: they are drawn together.
    for (int i : whole)
      parts.push_back(g.tileRect(i));
    render(g, parts);
    for (int i : whole) {
      Tile& tile = g.tiles[std::size_t(i)];
      if (!tile.valid)
        ++g.validTiles;
      tile.valid = true;
      tile.dirty = tile.urgent = tile.exact = QRect();
    }
    painter.save();
    const QTransform toDevicePixels = fromDevicePixels();
    painter.setWorldTransform(toDevicePixels);
    if (!missing.empty()) {
      QRegion gaps;
      for (int i : missing) {
        gaps += g.tileRect(i).intersected(device);
        g.tiles[std::size_t(i)].standIn = true;
      }
      painter.save();
      painter.setClipRegion(gaps);
      painter.fillRect(gaps.boundingRect(), frame.background);
      bool invertible = false;
      const QTransform move = standIn->reference->inverted(&invertible) * *g.reference;
      if (invertible) {
        painter.setWorldTransform(move * toDevicePixels);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        for (int i = 0; i < int(standIn->tiles.size()); ++i) {
          if (standIn->tiles[std::size_t(i)].valid) {
            const QRect r = standIn->tileRect(i);
            painter.drawImage(QRectF(r), standIn->image, QRectF(r));
          }
        }
      }
      painter.restore();
    }
    g.forTilesIn(device, [&](int i) {
      Tile& tile = g.tiles[std::size_t(i)];
      const QRect r = (tile.valid ? g.tileRect(i) : tile.exact).intersected(device);
      if (tile.valid)
        tile.standIn = false;
      if (!r.isEmpty())
        painter.drawImage(r.topLeft(), g.image, r);
    });
    painter.restore();

    // The layers above the picture.
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF cull = QRectF(exposed).adjusted(-margin, -margin, margin, margin);
    for (std::size_t i = plan.split; i < plan.steps.size(); ++i) {
      const Step& step = plan.steps[i];
      Entry& e = entryFor(*step.layer);
      if (e.box.rect().intersects(cull))
        drawOwn(painter, *step.layer, &e, toPainter(step.toView), step.opacity, cull, true, tools);
    }
  }

  bool isSharp() const {
    if (!planCurrent || !dirty.empty() || !damage.empty() || !current)
      return false;
    return std::all_of(current->tiles.begin(), current->tiles.end(),
                       [](const Tile& t) { return t.valid && !t.standIn && t.dirty.isEmpty(); });
  }

  QRegion sharpen(std::chrono::steady_clock::duration budget) {
    QRegion done;
    if (!current)
      return done;
    Generation& g = *current;
    // From the middle of the view outwards.
    std::vector<int> order;
    for (int i = 0; i < int(g.tiles.size()); ++i)
      if (!g.tiles[std::size_t(i)].valid)
        order.push_back(i);
    if (order.empty()) {
      standIn.reset();
      for (int i = 0; i < int(g.tiles.size()); ++i)
        if (g.tiles[std::size_t(i)].standIn)
          done += logicalRect(g.tileRect(i));
      return done;
    }
    const QPointF middle = QRectF(g.area).center();
    std::sort(order.begin(), order.end(), [&](int a, int b) {
      const QPointF da = QRectF(g.tileRect(a)).center() - middle;
      const QPointF db = QRectF(g.tileRect(b)).center() - middle;
      return QPointF::dotProduct(da, da) < QPointF::dotProduct(db, db);
    });
    // As many squares at a time as there are threads to draw them.
    const std::size_t batch =
        parallel ? std::size_t(std::max(1u, std::thread::hardware_concurrency())) : std::size_t(1);
    const auto deadline = Clock::now() + budget;
    for (std::size_t from = 0; from < order.size(); from += batch) {
      const std::vector<int> some(order.begin() + std::ptrdiff_t(from),
                                  order.begin() + std::ptrdiff_t(std::min(order.size(), from + batch)));
      renderTiles(g, some);
      for (int i : some)
        done += logicalRect(g.tileRect(i));
      if (Clock::now() >= deadline)
        break;
    }
    return done;
  }
};

namespace tiled {

Entry::~Entry() {
  for (const auto& [rendererId, renderer] : renderers()) {
    if (rendererId == owner()) {
      renderer->forget(*this);
      return;
    }
  }
}

}  // namespace tiled

TiledLayerRenderer::TiledLayerRenderer(std::shared_ptr<Layer> root)
    : impl_(std::make_unique<Impl>(*this, std::move(root))) {
  ORNIVAL_PRECONDITION(impl_->root != nullptr);
  impl_->root->setObserver(this);
  impl_->markDirty(impl_->entryFor(*impl_->root));
}

TiledLayerRenderer::~TiledLayerRenderer() {
  if (impl_->root->observer() == this)
    impl_->root->setObserver(nullptr);
  for (Entry* e : impl_->dirty)
    if (e)
      e->dirtySlot = none;
  for (auto& [layer, index] : impl_->indices)
    index->release();
}

void TiledLayerRenderer::layerChanged(Layer& layer) {
  impl_->markDirty(impl_->entryFor(layer));
  impl_->notice();
}

void TiledLayerRenderer::sublayerRemoved(Layer&, Layer& sublayer) {
  impl_->markDirty(impl_->entryFor(sublayer));
  impl_->notice();
}

QRegion TiledLayerRenderer::takeDamage(const Frame& frame) {
  impl_->flush(frame);
  QRegion region;
  for (const QRect& r : impl_->damage)
    region += r;
  impl_->damage.clear();
  impl_->noticed = false;
  return region.intersected(QRect(QPoint(), frame.size));
}

void TiledLayerRenderer::paint(QPainter& painter, const Frame& frame, const QRect& exposed, bool standIns) {
  impl_->flush(frame);
  impl_->paint(painter, exposed, standIns);
}

bool TiledLayerRenderer::isSharp() const { return impl_->isSharp(); }

QRegion TiledLayerRenderer::sharpen(const Frame& frame, std::chrono::steady_clock::duration budget) {
  impl_->flush(frame);
  return impl_->sharpen(budget);
}

void TiledLayerRenderer::setParallel(bool parallel) { impl_->parallel = parallel; }

void TiledLayerRenderer::discardPictures() {
  impl_->current.reset();
  impl_->standIn.reset();
  impl_->planCurrent = false;
}

}  // namespace ornival
