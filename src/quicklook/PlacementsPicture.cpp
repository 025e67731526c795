#include "quicklook/PlacementsPicture.h"

#include "figures/Figure.h"
#include "model/LineAttribute.h"
#include "model/TileOutline.h"
#include "platform/LineStyle.h"
#include "platform/qt/QPainterAdapter.h"
#include "quicklook/TilePlacements.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <unordered_map>

namespace ornival {

namespace {

// One side of a placed tile.
struct Side {
  std::uint32_t tile = 0;
  std::uint32_t k = 0;
  bool operator==(const Side&) const = default;
};

// The end points of a side on the grid sides are glued on.
struct SideKey {
  std::int64_t sx, sy, ex, ey;
  bool operator==(const SideKey&) const = default;
};

struct SideKeyHash {
  std::size_t operator()(const SideKey& k) const {
    std::uint64_t h = std::uint64_t(k.sx) * 0x9e3779b97f4a7c15ULL ^ std::uint64_t(k.sy) * 0xc2b2ae3d27d4eb4fULL;
    h ^= h >> 29;
    h ^= std::uint64_t(k.ex) * 0xbf58476d1ce4e5b9ULL ^ std::uint64_t(k.ey) * 0x94d049bb133111ebULL;
    return std::size_t(h ^ (h >> 31));
  }
};

std::optional<std::int64_t> onGrid(double v) {
  const double scaled = std::round(v * 512.0);
  if (!(std::abs(scaled) < 0x1p62))
    return std::nullopt;
  return std::int64_t(scaled);
}

std::optional<SideKey> keyOf(Vec2 start, Vec2 end) {
  const auto sx = onGrid(start.x), sy = onGrid(start.y), ex = onGrid(end.x), ey = onGrid(end.y);
  if (!sx || !sy || !ex || !ey)
    return std::nullopt;
  return SideKey{*sx, *sy, *ex, *ey};
}

std::size_t sideCount(const PlacedTile& tile) { return TilePlacements::figureOf(tile).vertices().size(); }

}  // namespace

struct PlacedOutlines::Partners {
  std::unordered_map<SideKey, Side, SideKeyHash> sides;
};

PlacedOutlines::PlacedOutlines(const TilePlacements& placements)
    : placements_(placements), partners_(std::make_unique<Partners>()) {
  const auto& tiles = placements.tiles;
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    const PlacedTile& tile = tiles[i];
    if (tile.groupJoins == 0)
      continue;
    const std::size_t n = sideCount(tile);
    for (std::size_t k = 0; k < n; ++k) {
      if (!(tile.groupJoins & (std::uint64_t(1) << k)))
        continue;
      if (const auto key = keyOf(TilePlacements::corner(tile, k), TilePlacements::corner(tile, (k + 1) % n)))
        partners_->sides.try_emplace(*key, Side{std::uint32_t(i), std::uint32_t(k)});
    }
  }
}

PlacedOutlines::~PlacedOutlines() = default;

std::vector<PathElement> PlacedOutlines::outline(std::size_t index) const {
  const auto& tiles = placements_.tiles;
  const PlacedTile& tile = tiles[index];
  const Figure& figure = TilePlacements::figureOf(tile);
  const std::size_t n = figure.vertices().size();
  const auto vertexOf = [&](Side s) { return TilePlacements::corner(tiles[s.tile], s.k); };
  const auto nextOf = [&](Side s) { return Side{s.tile, std::uint32_t((s.k + 1) % sideCount(tiles[s.tile]))}; };
  const auto midpointOf = [&](Side s) { return (vertexOf(s) + vertexOf(nextOf(s))) * 0.5; };
  const auto isGroupJoin = [&](Side s) { return (tiles[s.tile].groupJoins >> s.k) & 1u; };
  const auto joinOf = [&](Side s) -> std::optional<Side> {
    const auto key = keyOf(vertexOf(nextOf(s)), vertexOf(s));
    if (!key)
      return std::nullopt;
    const auto found = partners_->sides.find(*key);
    if (found == partners_->sides.end() || found->second.tile == s.tile)
      return std::nullopt;
    return found->second;
  };
  // The first side after e, turning round e's start corner through the
  // group, that is not a group join.
  const auto nextOuter = [&](Side e) -> std::optional<Side> {
    std::vector<Side> seen{e};
    Side current = e;
    while (true) {
      const auto join = joinOf(current);
      if (!join)
        return std::nullopt;
      const Side next = nextOf(*join);
      if (!isGroupJoin(next))
        return next;
      if (std::find(seen.begin(), seen.end(), next) != seen.end())
        return std::nullopt;
      seen.push_back(next);
      current = next;
    }
  };

  const double factor = 2.0 * placements_.settings.borderBezierFactor;
  OutlineWriter outline(factor, placements_.settings.borderRadiusLimit);
  bool first = true;
  bool noGroupJoin = true;
  const auto own = [&](std::size_t k) { return Side{std::uint32_t(index), std::uint32_t(k)}; };

  if (factor == 2.0) {
    for (std::size_t k = 0; k < n; ++k) {
      const Vec2 v = vertexOf(own(k));
      const bool group = isGroupJoin(own(k));
      if (first) {
        if (group) {
          noGroupJoin = false;
          continue;
        }
        outline.move(v);
        first = false;
      } else {
        outline.line(v);
        if (group) {
          noGroupJoin = false;
          first = true;
        }
      }
    }
    if (noGroupJoin)
      outline.close();
    else if (!isGroupJoin(own(n - 1)))
      outline.line(vertexOf(own(0)));
    return outline.take();
  }

  Vec2 p;
  const auto ownCorner = [&](std::size_t k) {
    const Vec2 next = midpointOf(own(k));
    outline.corner(p, vertexOf(own(k)), next, figure.cornerTurnFraction(int(k)), figure.cornerBezierFactor(int(k)));
    p = next;
  };
  const auto walked = [&](Side e) {
    if (const auto outer = nextOuter(e))
      outline.walkedCorner(p, vertexOf(*outer), midpointOf(*outer));
  };
  for (std::size_t k = 0; k < n; ++k) {
    if (first) {
      if (isGroupJoin(own(k))) {
        noGroupJoin = false;
        continue;
      }
      p = midpointOf(own(k));
      outline.move(p);
      first = false;
    } else if (isGroupJoin(own(k))) {
      noGroupJoin = false;
      walked(own(k));
      first = true;
    } else {
      ownCorner(k);
    }
  }
  if (outline.isEmpty() || isGroupJoin(own(n - 1)))
    return outline.take();
  if (isGroupJoin(own(0))) {
    walked(own(0));
    return outline.take();
  }
  ownCorner(0);
  if (noGroupJoin)
    outline.close();
  return outline.take();
}

namespace {

QTransform toQTransform(const AffineTransform& t) { return QTransform(t.a, t.b, t.c, t.d, t.tx, t.ty); }

// Strokes outlines in runs of subpaths, as the page's painter strokes one
// long outline: the same picture, without one path of millions of elements.
// A translucent band must be laid down whole, or its overlaps would show:
// its runs go opaque onto a layer of their own, which is then laid over the
// picture at the band's opacity.
class RunStroker {
public:
  RunStroker(QPainter& painter, const QColor& color, double width, Qt::PenJoinStyle join)
      : target_(painter), opacity_(color.alphaF()) {
    QColor opaque = color;
    opaque.setAlphaF(1.0f);
    pen_ = QPen(opacity_ < 1.0 ? opaque : color, width, Qt::SolidLine, Qt::RoundCap, join);
    pen_.setMiterLimit(miterLimit);
    if (opacity_ < 1.0) {
      QPaintDevice* device = painter.device();
      layer_ = QImage(device->width(), device->height(), QImage::Format_ARGB32_Premultiplied);
      layer_.fill(Qt::transparent);
      layerPainter_.emplace(&layer_);
      layerPainter_->setRenderHint(QPainter::Antialiasing);
      layerPainter_->setTransform(painter.transform());
    }
  }

  void append(const std::vector<PathElement>& elements, const QTransform& map) {
    for (const PathElement& e : elements) {
      if (e.kind == PathElement::Kind::move && elements_ >= elementsPerRun)
        flush();
      ++elements_;
      switch (e.kind) {
        case PathElement::Kind::move: run_.moveTo(map.map(QPointF(e.point.x, e.point.y))); break;
        case PathElement::Kind::line: run_.lineTo(map.map(QPointF(e.point.x, e.point.y))); break;
        case PathElement::Kind::curve:
          run_.cubicTo(map.map(QPointF(e.control1.x, e.control1.y)), map.map(QPointF(e.control2.x, e.control2.y)),
                       map.map(QPointF(e.point.x, e.point.y)));
          break;
        case PathElement::Kind::close: run_.closeSubpath(); break;
      }
    }
  }

  void finish() {
    flush();
    if (!layerPainter_)
      return;
    layerPainter_->end();
    target_.save();
    target_.resetTransform();
    target_.setOpacity(opacity_);
    target_.drawImage(QPointF(0.0, 0.0), layer_);
    target_.restore();
  }

private:
  static constexpr int elementsPerRun = 32;

  void flush() {
    if (run_.isEmpty())
      return;
    (layerPainter_ ? *layerPainter_ : target_).strokePath(run_, pen_);
    run_.clear();
    elements_ = 0;
  }

  QPainter& target_;
  double opacity_;
  QPen pen_;
  QPainterPath run_;
  // Counted as the outline's own elements, where the page's painter cuts.
  int elements_ = 0;
  QImage layer_;
  std::optional<QPainter> layerPainter_;
};

// The box of every tile's corners turned by degrees about the origin, as
// the full model's rotatedBounds gives it.
Rect turnedBox(const TilePlacements& placements, double degrees) {
  const double r = degrees * std::numbers::pi / 180.0;
  const double cosine = std::cos(r);
  const double sine = std::sin(r);
  bool any = false;
  Vec2 lo, hi;
  for (const PlacedTile& tile : placements.tiles) {
    const std::size_t n = sideCount(tile);
    for (std::size_t k = 0; k < n; ++k) {
      const Vec2 p = TilePlacements::corner(tile, k);
      const Vec2 q{p.x * cosine - p.y * sine, p.x * sine + p.y * cosine};
      if (!any) {
        lo = hi = q;
        any = true;
      }
      lo = {std::min(lo.x, q.x), std::min(lo.y, q.y)};
      hi = {std::max(hi.x, q.x), std::max(hi.y, q.y)};
    }
  }
  return any ? Rect{lo, hi - lo} : Rect{};
}

// The bands, narrowest first; equal widths keep their order.
std::array<LineAttribute, 3> sortedBands(const DocumentSettings& settings) {
  std::array<LineAttribute, 3> bands{LineAttribute{settings.borderWidth, settings.borderColor},
                                     LineAttribute{settings.borderWidth2, settings.borderColor2},
                                     LineAttribute{settings.borderWidth3, settings.borderColor3}};
  std::stable_sort(bands.begin(), bands.end());
  return bands;
}

// The factor that fits the turned box and the widest band into the picture.
double fitScale(const Rect& boxR, const std::array<LineAttribute, 3>& bands, double width, double height) {
  const double margin = std::max(bands[2].width, 0.0);
  return std::min(width / (boxR.size.x + margin), height / (boxR.size.y + margin));
}

QImage draw(const TilePlacements& placements, int size, bool smoothFills, const Rect& box0, const Rect& boxR) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const DocumentSettings& settings = placements.settings;
  const double width = size;
  const double height = size;
  painter.fillRect(QRectF(0.0, 0.0, width, height), toQColor(settings.backgroundColor));

  const auto bands = sortedBands(settings);
  const double s = fitScale(boxR, bands, width, height);
  if (!(s > 0.0) || !std::isfinite(s))
    return image;
  const AffineTransform m = AffineTransform::translation(-box0.center().x, -box0.center().y)
                                .concatenating(AffineTransform::rotation(settings.rotation * std::numbers::pi / 180.0))
                                .concatenating(AffineTransform::scale(s, s))
                                .concatenating(AffineTransform::translation(width / 2.0, height / 2.0));
  // Drawings speak y up; the picture's rows run down.
  const QTransform flip(1.0, 0.0, 0.0, -1.0, 0.0, height);
  const QTransform toPicture = toQTransform(m) * flip;

  // Every tile of a figure fills the same outline and, away from groups,
  // draws the same border: made once per figure in the figure's own units.
  std::unordered_map<std::uint16_t, QPainterPath> fills;
  painter.setRenderHint(QPainter::Antialiasing, smoothFills);
  for (const PlacedTile& tile : placements.tiles) {
    auto [found, added] = fills.try_emplace(tile.figure);
    if (added)
      found->second = toQPainterPath(TilePlacements::figureOf(tile).roundedBezierPath(
          2.0 * settings.shapeBezierFactor, settings.shapeRadiusLimit));
    painter.setTransform(toQTransform(tile.transformation) * toPicture);
    painter.fillPath(found->second, toQColor(placements.colorOf(tile)));
  }
  painter.setRenderHint(QPainter::Antialiasing);
  // The bands are stroked as the page's painter strokes them: in drawing
  // units, flipped by the painter, so that joins and caps come out alike.
  painter.setTransform(flip);

  const PlacedOutlines outlines(placements);
  std::unordered_map<std::uint16_t, std::vector<PathElement>> borders;
  TilePlacements unplaced;
  unplaced.settings = settings;
  const auto figureBorder = [&](std::uint16_t figure) -> const std::vector<PathElement>& {
    auto [found, added] = borders.try_emplace(figure);
    if (added) {
      PlacedTile at;
      at.figure = figure;
      at.transformation = AffineTransform::identity();
      unplaced.tiles = {at};
      found->second = PlacedOutlines(unplaced).outline(0);
    }
    return found->second;
  };
  const Qt::PenJoinStyle join = settings.borderLineStyle ? Qt::RoundJoin : Qt::SvgMiterJoin;
  for (auto band = bands.rbegin(); !placements.tiles.empty() && band != bands.rend() && band->width > 0.0; ++band) {
    RunStroker stroker(painter, toQColor(band->color), band->width * s, join);
    for (std::size_t i = 0; i < placements.tiles.size(); ++i) {
      const PlacedTile& tile = placements.tiles[i];
      if (tile.groupJoins == 0)
        stroker.append(figureBorder(tile.figure), toQTransform(tile.transformation.concatenating(m)));
      else
        stroker.append(outlines.outline(i), toQTransform(m));
    }
    stroker.finish();
  }
  return image;
}

}  // namespace

QImage shrunkBy(const QImage& image, int factor) {
  const QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int width = source.width() / factor;
  const int height = source.height() / factor;
  QImage out(width, height, QImage::Format_ARGB32_Premultiplied);
  const int samples = factor * factor;
  std::vector<int> sums(std::size_t(width) * 4);
  for (int y = 0; y < height; ++y) {
    std::fill(sums.begin(), sums.end(), 0);
    for (int dy = 0; dy < factor; ++dy) {
      const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y * factor + dy));
      for (int x = 0; x < width * factor; ++x) {
        const QRgb p = row[x];
        int* sum = &sums[std::size_t(x / factor) * 4];
        sum[0] += qAlpha(p);
        sum[1] += qRed(p);
        sum[2] += qGreen(p);
        sum[3] += qBlue(p);
      }
    }
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const int* sum = &sums[std::size_t(x) * 4];
      const auto mean = [&](int k) { return (sum[k] + samples / 2) / samples; };
      row[x] = qRgba(mean(1), mean(2), mean(3), mean(0));
    }
  }
  return out;
}

QImage drawPlacements(const TilePlacements& placements, int size) {
  const Rect box0 = turnedBox(placements, 0.0);
  const Rect boxR = turnedBox(placements, placements.settings.rotation);
  // Tiles of a pixel or less, each filled with antialiasing, leave the
  // background showing through every seam between them, and a tiling of
  // sub-pixel tiles takes the background's colour. Such tilings are filled
  // sharp at four times the size, where neighbours meet without a seam, and
  // each 4 × 4 block is then averaged into a pixel.
  const double s = fitScale(boxR, sortedBands(placements.settings), size, size);
  const double pixelsPerTile =
      placements.tiles.empty() ? 0.0 : boxR.size.x * boxR.size.y * s * s / double(placements.tiles.size());
  const int factor = std::clamp(4096 / size, 1, 4);
  if (!(pixelsPerTile < 4.0) || factor == 1)
    return draw(placements, size, true, box0, boxR);
  return shrunkBy(draw(placements, size * factor, false, box0, boxR), factor);
}

}  // namespace ornival
