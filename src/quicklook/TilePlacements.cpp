#include "quicklook/TilePlacements.h"

#include "document/ColorText.h"
#include "document/OrnivalModel.h"
#include "document/TextLines.h"
#include "figures/Figure.h"
#include "figures/catalogue/Shapes.h"
#include "model/ShapeModel.h"
#include "platform/NumberText.h"

#include <cmath>
#include <string>
#include <unordered_map>

namespace ornival {

namespace {

// The full reader's sections, in the same order of events: these rules must
// stay those of OrnivalModel's reader, which the tests compare tile by tile.
enum class State { start, colors, root, attached, topLevel, unknown };

// A figure a file may name: never the group tile.
std::optional<std::uint16_t> acceptedFigure(std::string_view field) {
  const auto number = parseInteger(field);
  if (!number)
    return std::nullopt;
  const auto kind = Shapes::init(*number);
  if (!kind || kind->rawValue() == Shapes::firstRawValue + Shapes::caseCount - 1)
    return std::nullopt;
  return std::uint16_t(kind->rawValue());
}

std::size_t wrapped(std::int64_t index, std::size_t n) {
  const auto count = std::int64_t(n);
  return std::size_t(((index % count) + count) % count);
}

bool isUsablePlacement(const PlacedTile& tile) {
  const AffineTransform& t = tile.transformation;
  for (double v : {t.a, t.b, t.c, t.d, t.tx, t.ty})
    if (!std::isfinite(v))
      return false;
  if (!std::isnormal(t.determinant()))
    return false;
  const std::size_t n = TilePlacements::figureOf(tile).vertices().size();
  for (std::size_t k = 0; k < n; ++k) {
    const Vec2 p = TilePlacements::corner(tile, k);
    if (!std::isfinite(p.x) || !std::isfinite(p.y))
      return false;
  }
  return true;
}

class Reader {
public:
  Reader(TilePlacements& out, std::size_t maxTiles) : out_(out), maxTiles_(maxTiles) {}

  void line(std::string_view line) {
    switch (state_) {
      case State::start:
        if (line.starts_with(documentHeader)) {
          sawHeader_ = true;
          if (line == documentVersion01) {
            indexed_ = false;
            state_ = State::root;
          } else {
            state_ = State::topLevel;
          }
        }
        return;
      case State::colors:
        if (line.empty())
          state_ = State::topLevel;
        else
          out_.colors.push_back(colorWithHex(line.substr(0, line.find(','))));
        return;
      case State::root:
        if (line.empty()) {
          state_ = State::topLevel;
        } else {
          splitFields(line, ',', fields_);
          if (readRoot())
            state_ = State::attached;
        }
        return;
      case State::attached:
        splitFields(line, ',', fields_);
        if (fields_.size() < 4)
          state_ = State::topLevel;
        else
          readAttached();
        return;
      case State::topLevel: {
        if (line.empty())
          return;
        if (line.find(settingSeparator) == std::string_view::npos) {
          if (line == "shapes:")
            state_ = State::root;
          else if (line == "colors:")
            state_ = State::colors;
          else
            state_ = State::unknown;
          return;
        }
        // Settings go to the full reader, in their order: it alone knows
        // their syntax.
        settingsText_ += line;
        settingsText_ += '\n';
        return;
      }
      case State::unknown:
        if (line.empty())
          state_ = State::topLevel;
        return;
    }
  }

  TilePlacements::Result finish() {
    auto settings = OrnivalModel::create();
    settings->read(settingsText_);
    out_.settings = settings->settings;
    return {sawHeader_ ? TextKind::document : TextKind::notDocument, tooMany_};
  }

private:
  bool take(PlacedTile tile) {
    if (out_.tiles.size() >= maxTiles_) {
      tooMany_ = true;
      return false;
    }
    out_.tiles.push_back(tile);
    return true;
  }

  bool readRoot() {
    const auto figure = acceptedFigure(fields_[0]);
    if (!figure)
      return false;
    PlacedTile tile;
    tile.figure = *figure;
    tile.transformation = ShapeModel::defaultTransformation();
    tile.color = TilePlacements::noColor;
    const std::size_t n = TilePlacements::figureOf(tile).vertices().size();
    if (fields_.size() >= 2)
      readColor(tile, fields_[1]);
    readTail(tile, 2, n);

    const std::size_t placementAt = n + 3;
    if (firstRoot_ && fields_.size() >= placementAt + 6) {
      double v[6];
      bool numbers = true;
      for (std::size_t k = 0; k < 6 && numbers; ++k) {
        const auto number = parseNumber(fields_[placementAt + k]);
        numbers = number.has_value();
        v[k] = number.value_or(0.0);
      }
      if (const AffineTransform relative{v[0], v[1], v[2], v[3], v[4], v[5]}; numbers && isPiecePlacement(relative)) {
        tile.transformation = relative.concatenating(*firstRoot_);
        if (!isUsablePlacement(tile))
          tile.transformation = ShapeModel::defaultTransformation();
      }
    }
    if (!take(tile))
      return true;
    if (!firstRoot_)
      firstRoot_ = tile.transformation;
    return true;
  }

  void readAttached() {
    const auto parentLine = parseInteger(fields_[0]);
    const auto parentEdge = parseInteger(fields_[1]);
    const auto figure = acceptedFigure(fields_[2]);
    const auto ownEdge = parseInteger(fields_[3]);
    if (!parentLine || !parentEdge || !figure || !ownEdge)
      return;
    if (*parentLine < 0 || std::uint64_t(*parentLine) >= out_.tiles.size())
      return;
    PlacedTile& parent = out_.tiles[std::size_t(*parentLine)];
    const std::size_t parentSides = TilePlacements::figureOf(parent).vertices().size();
    const std::size_t onto = wrapped(*parentEdge, parentSides);
    // A side holds one neighbour.
    if (parent.joined & (std::uint64_t(1) << onto))
      return;

    PlacedTile tile;
    tile.figure = *figure;
    tile.color = TilePlacements::noColor;
    const auto& vertices = TilePlacements::figureOf(tile).vertices();
    const std::size_t n = vertices.size();
    const std::size_t own = wrapped(*ownEdge, n);
    const Vec2 start = TilePlacements::corner(parent, onto);
    const Vec2 end = TilePlacements::corner(parent, (onto + 1) % parentSides);
    const auto laid = layOnSide(vertices[own], vertices[(own + 1) % n], start, end);
    if (!laid)
      return;
    tile.transformation = *laid;
    if (!isUsablePlacement(tile))
      return;
    tile.joined = std::uint64_t(1) << own;
    if (fields_.size() >= 5)
      readColor(tile, fields_[4]);
    readTail(tile, 5, n);
    // Taking the tile may move the list: the parent is found again.
    if (take(tile))
      out_.tiles[std::size_t(*parentLine)].joined |= std::uint64_t(1) << onto;
  }

  void readColor(PlacedTile& tile, std::string_view field) {
    if (indexed_) {
      const auto index = parseInteger(field);
      if (!index || *index < 0 || std::uint64_t(*index) >= tableSize())
        return;
      tile.color = std::uint32_t(*index);
      return;
    }
    // The first version writes each tile's colour in its line: one entry per
    // distinct text.
    const auto [found, added] = inline_.try_emplace(std::string(field), std::uint32_t(out_.colors.size()));
    if (added)
      out_.colors.push_back(colorWithHex(field));
    tile.color = found->second;
  }

  // Colours read so far from tables; inline colours come only in files of
  // the first version, which have no table.
  std::size_t tableSize() const { return out_.colors.size(); }

  void readTail(PlacedTile& tile, std::size_t firstFlag, std::size_t n) const {
    if (fields_.size() < firstFlag + n)
      return;
    for (std::size_t k = 0; k < n; ++k)
      if (parseInteger(fields_[firstFlag + k]) == 1)
        tile.groupJoins |= std::uint64_t(1) << k;
  }

  TilePlacements& out_;
  const std::size_t maxTiles_;
  State state_ = State::start;
  bool indexed_ = true;
  bool sawHeader_ = false;
  bool tooMany_ = false;
  std::optional<AffineTransform> firstRoot_;
  std::vector<std::string_view> fields_;
  std::string settingsText_ = "Ornival 0.2\n";
  std::unordered_map<std::string, std::uint32_t> inline_;
};

}  // namespace

const Figure& TilePlacements::figureOf(const PlacedTile& tile) {
  return *Shapes::figures()[std::size_t(tile.figure - Shapes::firstRawValue)];
}

Vec2 TilePlacements::corner(const PlacedTile& tile, std::size_t k) {
  return tile.transformation.apply(figureOf(tile).vertices()[k]);
}

TilePlacements::Result TilePlacements::read(std::string_view text, std::size_t maxTiles) {
  if (!isValidUtf8(text))
    return {TextKind::notUtf8, false};
  Reader reader(*this, maxTiles);
  forEachLine(text, [&](std::string_view line) { reader.line(line); });
  return reader.finish();
}

}  // namespace ornival
