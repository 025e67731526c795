#include "document/OrnivalModel.h"

#include "document/ColorText.h"
#include "document/TextLines.h"
#include "figures/Figure.h"
#include "figures/catalogue/Shapes.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/LineAttribute.h"
#include "model/Shape.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ornival {

namespace {

enum class State { start, colors, root, attached, topLevel, unknown };

std::optional<int> parseInt(std::string_view text) {
  const auto value = parseInteger(text);
  if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
    return std::nullopt;
  return int(*value);
}

// A catalogue figure that a file may name: never the group tile.
std::shared_ptr<const Figure> acceptedFigure(std::string_view field) {
  const auto number = parseInteger(field);
  if (!number)
    return nullptr;
  const auto kind = Shapes::init(*number);
  if (!kind || kind->rawValue() == Shapes::firstRawValue + Shapes::caseCount - 1)
    return nullptr;
  return Shapes::figures()[std::size_t(kind->rawValue() - Shapes::firstRawValue)];
}

// An index into n edges, negative ones counted back from the end.
std::size_t wrapped(std::int64_t index, std::size_t n) {
  const auto count = std::int64_t(n);
  return std::size_t(((index % count) + count) % count);
}

// A hostile file can chain tiles that grow or shrink without end. A tile
// whose placement has left the doubles, or collapsed to nothing, would poison
// every measure taken over the tiling, so it is not taken in.

bool isUsablePlacement(const Shape& tile) {
  const AffineTransform& t = tile.transformation;
  for (double v : {t.a, t.b, t.c, t.d, t.tx, t.ty})
    if (!std::isfinite(v))
      return false;
  const double determinant = t.determinant();
  if (!std::isnormal(determinant))
    return false;
  for (const auto& edge : tile.edges()) {
    const Vec2 p = edge->transformedVertex();
    if (!std::isfinite(p.x) || !std::isfinite(p.y))
      return false;
  }
  return true;
}

void setNumber(std::string_view value, double& target) {
  if (const auto number = parseNumber(value))
    target = *number;
}

}  // namespace

bool isPiecePlacement(const AffineTransform& relative) {
  constexpr double reach = 0x1p30;
  constexpr double tolerance = 1e-6;
  const double first = std::hypot(relative.a, relative.b);
  const double second = std::hypot(relative.c, relative.d);
  const double largest = std::max(first, second);
  return std::isfinite(relative.tx) && std::isfinite(relative.ty) && std::abs(relative.tx) <= reach &&
         std::abs(relative.ty) <= reach && std::isfinite(largest) && first >= 0x1p-20 && second >= 0x1p-20 &&
         largest <= 0x1p20 && std::abs(first - second) <= tolerance * largest &&
         std::abs(relative.a * relative.c + relative.b * relative.d) <= tolerance * first * second;
}

struct OrnivalModel::ReadState {
  State state = State::start;
  bool colorsAreIndexed = true;
  bool sawHeader = false;
  // From a shapes section's first line to the blank line that ends it.
  bool inTileSection = false;
  // The first root tile of this read: the later roots that say where they
  // lie say it relative to this one.
  std::shared_ptr<Shape> firstRoot;
  std::vector<std::string_view> fields;
};

std::shared_ptr<OrnivalModel> OrnivalModel::create() { return std::shared_ptr<OrnivalModel>(new OrnivalModel()); }

TextKind OrnivalModel::read(std::string_view text) {
  if (!isValidUtf8(text))
    return TextKind::notUtf8;
  ReadState state;
  forEachLine(text, [&](std::string_view line) { parseLine(line, state); });
  applySettingsToShapes();
  return state.sawHeader ? TextKind::document : TextKind::notDocument;
}

void OrnivalModel::parseLine(std::string_view line, ReadState& state) {
  if (state.inTileSection) {
    if (line.empty())
      state.inTileSection = false;
    else
      ++tileLines;
  }
  switch (state.state) {
    case State::start:
      if (line.starts_with(documentHeader)) {
        state.sawHeader = true;
        if (line == documentVersion01) {
          state.colorsAreIndexed = false;
          state.state = State::root;
          state.inTileSection = true;
        } else {
          state.state = State::topLevel;
        }
      }
      return;
    case State::colors:
      if (line.empty()) {
        state.state = State::topLevel;
      } else {
        colors.push_back(colorWithHex(line.substr(0, line.find(','))));
      }
      return;
    case State::root:
      if (line.empty()) {
        state.state = State::topLevel;
      } else {
        splitFields(line, ',', state.fields);
        if (readRoot(state))
          state.state = State::attached;
      }
      return;
    case State::attached:
      splitFields(line, ',', state.fields);
      if (state.fields.size() < 4) {
        state.state = State::topLevel;
      } else {
        readAttached(state);
      }
      return;
    case State::topLevel: {
      if (line.empty())
        return;
      const std::size_t first = line.find(settingSeparator);
      if (first == std::string_view::npos) {
        if (line == "shapes:") {
          state.state = State::root;
          state.inTileSection = true;
        } else if (line == "colors:") {
          state.state = State::colors;
        } else {
          state.state = State::unknown;
        }
        return;
      }
      const std::string_view rest = line.substr(first + settingSeparator.size());
      readSetting(line.substr(0, first), rest.substr(0, rest.find(settingSeparator)));
      return;
    }
    case State::unknown:
      if (line.empty())
        state.state = State::topLevel;
      return;
  }
}

bool OrnivalModel::readRoot(ReadState& state) {
  const auto& fields = state.fields;
  const auto figure = acceptedFigure(fields[0]);
  if (!figure)
    return false;
  auto tile = Shape::create(figure);
  tile->transformation = ShapeModel::defaultTransformation();
  tile->updateTransformedGeometry();
  if (fields.size() >= 2)
    readColor(*tile, fields[1], state.colorsAreIndexed);
  readTail(*tile, fields, 2);

  // A further piece of the drawing: its root may say where it lies relative
  // to the first root, after its flags and layer. Readers that do not know
  // these fields ignore them and still keep the piece.
  const std::size_t placementAt = tile->edges().size() + 3;
  if (state.firstRoot && fields.size() >= placementAt + 6) {
    double v[6];
    bool numbers = true;
    for (std::size_t k = 0; k < 6 && numbers; ++k) {
      const auto number = parseNumber(fields[placementAt + k]);
      numbers = number.has_value();
      v[k] = number.value_or(0.0);
    }
    if (const AffineTransform relative{v[0], v[1], v[2], v[3], v[4], v[5]}; numbers && isPiecePlacement(relative)) {
      tile->transformation = relative.concatenating(state.firstRoot->transformation);
      tile->updateTransformedGeometry();
      if (!isUsablePlacement(*tile)) {
        tile->transformation = ShapeModel::defaultTransformation();
        tile->updateTransformedGeometry();
      }
    }
  }

  // Every tile's index is its position, the root of a later section too.
  tile->index = int(shapes.size());
  if (!state.firstRoot)
    state.firstRoot = tile;
  shapes.push_back(std::move(tile));
  return true;
}

bool OrnivalModel::readAttached(const ReadState& state) {
  const auto& fields = state.fields;
  const auto parentLine = parseInteger(fields[0]);
  const auto parentEdge = parseInteger(fields[1]);
  const auto figure = acceptedFigure(fields[2]);
  const auto ownEdge = parseInteger(fields[3]);
  if (!parentLine || !parentEdge || !figure || !ownEdge)
    return false;
  if (*parentLine < 0 || std::uint64_t(*parentLine) >= shapes.size())
    return false;
  const auto& parent = shapes[std::size_t(*parentLine)];
  const auto& onto = parent->edges()[wrapped(*parentEdge, parent->edges().size())];
  // A side holds one neighbour. Gluing a second tile to it would leave the
  // first join one-sided, and walks around a corner would never come back.
  if (onto->join.lock())
    return false;

  auto tile = Shape::create(figure);
  const auto& own = tile->edges()[wrapped(*ownEdge, tile->edges().size())];
  onto->join = own;
  own->join = onto;
  tile->place(onto);
  if (!isUsablePlacement(*tile)) {
    onto->join.reset();
    return false;
  }
  tile->index = int(shapes.size());
  if (fields.size() >= 5)
    readColor(*tile, fields[4], state.colorsAreIndexed);
  readTail(*tile, fields, 5);
  shapes.push_back(std::move(tile));
  return true;
}

void OrnivalModel::readColor(Shape& tile, std::string_view field, bool indexed) const {
  Color color;
  if (indexed) {
    const auto index = parseInteger(field);
    if (!index || *index < 0 || std::uint64_t(*index) >= colors.size())
      return;
    color = colors[std::size_t(*index)];
  } else {
    color = colorWithHex(field);
  }
  tile.setShapeColor(color);
  tile.customShapesColors = true;
}

void OrnivalModel::readTail(Shape& tile, const std::vector<std::string_view>& fields, std::size_t firstFlag) {
  const auto& edges = tile.edges();
  const std::size_t n = edges.size();
  if (fields.size() < firstFlag + n)
    return;
  for (std::size_t k = 0; k < n; ++k)
    edges[k]->isGroupJoin = parseInteger(fields[firstFlag + k]) == 1;
  if (fields.size() >= firstFlag + n + 1)
    tile.layerIndex = parseInt(fields[firstFlag + n]).value_or(0);
}

void OrnivalModel::readSetting(std::string_view key, std::string_view value) {
  DocumentSettings& s = settings;
  std::vector<std::string_view> list;
  if (key == "shapeColor") {
    s.shapeColor = colorWithHex(value.substr(0, value.find(',')));
  } else if (key == "shapeFactor") {
    setNumber(value, s.shapeBezierFactor);
  } else if (key == "shapeRadiusLimit") {
    setNumber(value, s.shapeRadiusLimit);
  } else if (key == "borderColor") {
    splitFields(value, ',', list);
    Color* targets[] = {&s.borderColor, &s.borderColor2, &s.borderColor3};
    for (std::size_t k = 0; k < std::min<std::size_t>(3, list.size()); ++k)
      *targets[k] = colorWithHex(list[k]);
  } else if (key == "borderWidth") {
    splitFields(value, ',', list);
    double* targets[] = {&s.borderWidth, &s.borderWidth2, &s.borderWidth3};
    for (std::size_t k = 0; k < std::min<std::size_t>(3, list.size()); ++k) {
      const auto number = parseNumber(list[k]);
      if (!number)
        break;
      *targets[k] = *number;
    }
  } else if (key == "borderLineStyle") {
    if (const auto style = parseInteger(value))
      s.borderLineStyle = *style == 1;
  } else if (key == "borderFactor") {
    setNumber(value, s.borderBezierFactor);
  } else if (key == "borderRadiusLimit") {
    setNumber(value, s.borderRadiusLimit);
  } else if (key == "backgroundColor") {
    s.backgroundColor = colorWithHex(value);
  } else if (key == "scale") {
    setNumber(value, s.scale);
  } else if (key == "rotation") {
    setNumber(value, s.rotation);
  } else if (key == "bounds") {
    splitFields(value, ',', list);
    if (list.size() < 4)
      return;
    double v[4];
    for (std::size_t k = 0; k < 4; ++k) {
      const auto number = parseNumber(list[k]);
      if (!number)
        return;
      v[k] = *number;
    }
    s.pageBounds = Rect{{v[0], v[1]}, {v[2], v[3]}};
  } else if (key == "crossings") {
    const auto raw = parseInteger(value);
    if (raw && *raw >= 0 && *raw <= 2)
      s.crossings = CrossingStatus(*raw);
  } else if (key == "displayMode") {
    if (const auto mode = parseInt(value))
      s.displayMode = *mode;
  } else if (key == "metalness") {
    setNumber(value, s.metalness);
  } else if (key == "roughness") {
    setNumber(value, s.roughness);
  } else if (key == "lightAngle") {
    splitFields(value, ',', list);
    if (list.size() < 3)
      return;
    double v[3];
    for (std::size_t k = 0; k < 3; ++k) {
      const auto number = parseNumber(list[k]);
      if (!number)
        return;
      v[k] = *number;
    }
    s.lightAngleX = v[0];
    s.lightAngleY = v[1];
    s.lightAngleZ = v[2];
  } else if (key == "ambientColor") {
    s.ambientColor = colorWithHex(value);
  } else if (key == "surfaceZscale") {
    setNumber(value, s.surfaceZscale);
  } else if (key == "surfaceRoundness") {
    setNumber(value, s.surfaceRoundness);
  } else if (key == "ripple") {
    setNumber(value, s.ripple);
  } else if (key == "rippleScale") {
    setNumber(value, s.rippleScale);
  } else if (key == "borderColor2") {
    s.borderColor2 = colorWithHex(value);
  } else if (key == "borderWidth2") {
    setNumber(value, s.borderWidth2);
  }
}

void OrnivalModel::applySettingsToShapes() {
  const DocumentSettings& s = settings;
  std::vector<LineAttribute> bands{
      {s.borderWidth, s.borderColor}, {s.borderWidth2, s.borderColor2}, {s.borderWidth3, s.borderColor3}};
  std::stable_sort(bands.begin(), bands.end());
  for (const auto& tile : shapes) {
    tile->setSurfaceRoundness(s.surfaceRoundness);
    tile->setMetalness(s.metalness);
    tile->setRoughness(s.roughness);
    tile->setRipple(s.ripple);
    tile->setRippleScale(s.rippleScale);
    tile->lineAttributes = bands;
    tile->updateLineWidth();
    tile->borderBezierFactor = 2.0 * s.borderBezierFactor;
    tile->borderRadiusLimit = s.borderRadiusLimit;
    tile->shapeBezierFactor = 2.0 * s.shapeBezierFactor;
    tile->shapeRadiusLimit = s.shapeRadiusLimit;
    if (!tile->customShapesColors)
      tile->setShapeColor(s.shapeColor);
  }
}

void OrnivalModel::collectBorderEdges() {
  if (!borderEdges.empty())
    return;
  for (const auto& tile : shapes)
    borderEdges.insert(borderEdges.end(), tile->edges().begin(), tile->edges().end());
  // The window glues a document's sides by the same rule when it opens it.
  Graph::create()->joinEdges(borderEdges);
}

const std::vector<int>& OrnivalModel::counts() {
  if (!counts_)
    counts_ = Graph::create(shapes)->countPerTool();
  return *counts_;
}

}  // namespace ornival
