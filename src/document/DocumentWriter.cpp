#include "document/DocumentWriter.h"

#include "document/ColorText.h"
#include "figures/Figure.h"
#include "figures/catalogue/Shapes.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/AffineTransform.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <unordered_map>

namespace ornival {

namespace {

constexpr char lineFeed = '\n';

using ColorIndex = std::unordered_map<Color, int, ColorHash>;

std::string number(double value) {
  // -0 reads back as -0 but is the same number; one text for it keeps
  // unchanged documents unchanged.
  return formatNumberWithFraction(value + 0.0);
}

// A placement number rounded to twelve significant digits: the reader
// recomputes the placement through the start tile's, and the last bits that
// picks up must not change the text when the document is saved again.
std::string placementNumber(double value) {
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 12);
  double rounded = value;
  std::from_chars(buffer, written.ptr, rounded);
  return number(rounded);
}

std::string colorList(std::initializer_list<Color> colors) {
  std::string text;
  for (const Color& c : colors)
    text += (text.empty() ? "" : ",") + hexString(c);
  return text;
}

std::string numberList(std::initializer_list<double> values) {
  std::string text;
  for (double v : values)
    text += (text.empty() ? "" : ",") + number(v);
  return text;
}

void appendFlags(std::string& line, const Shape& tile) {
  for (const auto& edge : tile.edges())
    line += edge->isGroupJoin ? ",1" : ",0";
}

// Flags only when one is set or a layer follows them; the layer only from 1 up.
void appendTail(std::string& line, const Shape& tile) {
  const bool anyFlag =
      std::any_of(tile.edges().begin(), tile.edges().end(), [](const auto& edge) { return edge->isGroupJoin; });
  if (tile.layerIndex < 1) {
    if (anyFlag)
      appendFlags(line, tile);
    return;
  }
  appendFlags(line, tile);
  line += ',' + formatInteger(tile.layerIndex);
}

int colorIndex(const ColorIndex& index, const Shape& tile) {
  const auto found = index.find(tile.shapeColor());
  return found == index.end() ? 0 : found->second;
}

bool isInGraph(const Shape& tile, const Graph& graph) {
  const auto& shapes = graph.shapes();
  return tile.index >= 0 && std::size_t(tile.index) < shapes.size() && shapes[std::size_t(tile.index)].get() == &tile;
}

double angleOf(const AffineTransform& t) { return std::atan2(t.b, t.a) * 180.0 / std::numbers::pi; }

// Writes the tiles reachable from root breadth first, each glued onto a side
// of an earlier line; `line` counts the lines of all sections so far.
void appendTree(std::string& s, Shape& root, std::string rootLine, const ColorIndex& colors, int& line) {
  std::vector<Shape*> queue{&root};
  root.visited = 1;
  s += rootLine;
  for (std::size_t next = 0; next < queue.size(); ++next, ++line) {
    const Shape& parent = *queue[next];
    const auto& edges = parent.edges();
    for (std::size_t e = 0; e < edges.size(); ++e) {
      const auto partner = edges[e]->join.lock();
      if (!partner)
        continue;
      const auto tile = partner->shape.lock();
      if (!tile || tile->visited != 0)
        continue;
      s += formatInteger(line);
      s += ',';
      s += formatInteger(std::int64_t(e));
      s += ',';
      s += formatInteger(tile->figure()->tool().rawValue());
      s += ',';
      s += formatInteger(partner->index());
      s += ',';
      s += formatInteger(colorIndex(colors, *tile));
      appendTail(s, *tile);
      s += lineFeed;
      tile->visited = 1;
      queue.push_back(tile.get());
    }
  }
}

std::string shapesSection(const std::vector<std::shared_ptr<Shape>>& tiles, Shape& start, const ColorIndex& colors,
                          const Graph* graph) {
  std::string s = "\nshapes:\n";
  // A tile that is being dragged is still in the graph, though not in the
  // editor's shapes layer: ask the graph.
  if (!graph || !isInGraph(start, *graph))
    return s;
  for (const auto& tile : graph->shapes())
    tile->visited = 0;
  // The save path hands over the graph's own list: one pass is enough then.
  if (&tiles != &graph->shapes())
    for (const auto& tile : tiles)
      tile->visited = 0;

  int line = 0;
  std::string rootLine = formatInteger(start.figure()->tool().rawValue()) + ',' +
                         formatInteger(colorIndex(colors, start));
  appendTail(rootLine, start);
  appendTree(s, start, rootLine + lineFeed, colors, line);

  // The pieces not glued to the start tile, each from its lowest-indexed tile.
  std::vector<Shape*> order;
  order.reserve(tiles.size());
  for (const auto& tile : tiles)
    order.push_back(tile.get());
  std::stable_sort(order.begin(), order.end(), [](const Shape* a, const Shape* b) { return a->index < b->index; });
  const auto toStart = start.transformation.inverted();
  for (Shape* root : order) {
    if (root->visited != 0)
      continue;
    std::string pieceRoot = formatInteger(root->figure()->tool().rawValue()) + ',' +
                            formatInteger(colorIndex(colors, *root));
    appendFlags(pieceRoot, *root);
    pieceRoot += ',' + formatInteger(root->layerIndex);
    if (toStart) {
      const AffineTransform relative = root->transformation.concatenating(*toStart);
      for (double v : {relative.a, relative.b, relative.c, relative.d, relative.tx, relative.ty})
        pieceRoot += ',' + placementNumber(v);
    }
    s += "\nshapes:\n";
    appendTree(s, *root, pieceRoot + lineFeed, colors, line);
  }
  return s;
}

// The hand-set page frame lies in the turned view's coordinates. The reader
// rebuilds the drawing with the start tile at the default placement and the
// view turned by the folded rotation, which in view coordinates moves the
// drawing by the start tile's turned offset and shrinks it by its scale: the
// frame moves with it, whatever the angle.
Rect frameAfterLoad(const Rect& frame, double rotation, const AffineTransform& start) {
  const double scale = std::hypot(start.a, start.b) / ShapeModel::defaultTransformation().a;
  if (!std::isnormal(scale))
    return frame;
  const Vec2 shift =
      AffineTransform::rotation(rotation * std::numbers::pi / 180.0).applyToVector({start.tx, start.ty});
  return Rect{(frame.origin - shift) / scale, frame.size / scale};
}

}  // namespace

std::string colorsSection(const std::vector<Color>& table) {
  std::string s = "\ncolors:\n";
  for (const Color& c : table) {
    s += hexString(c);
    s += lineFeed;
  }
  return s;
}

std::string settingsSection(const DocumentSettings& settings, double angle) {
  const DocumentSettings& d = settings;
  std::string s(1, lineFeed);
  const auto line = [&s](const char* key, const std::string& value) {
    s += key;
    s += ": ";
    s += value;
    s += lineFeed;
  };
  // Ten turns keep the remainder positive for any angle a view is turned by.
  // Once written, a rotation comes out of this sum unchanged: what is left of
  // it after the rounding of the first save fits the sum exactly.
  const double rotation = std::fmod(d.rotation + angle + 3600.0, 360.0);

  line("shapeColor", hexString(d.shapeColor));
  line("shapeFactor", number(d.shapeBezierFactor));
  line("shapeRadiusLimit", number(d.shapeRadiusLimit));
  line("borderColor", colorList({d.borderColor, d.borderColor2, d.borderColor3}));
  line("borderWidth", numberList({d.borderWidth, d.borderWidth2, d.borderWidth3}));
  if (d.borderLineStyle)
    line("borderLineStyle", "1");
  line("borderFactor", number(d.borderBezierFactor));
  line("borderRadiusLimit", number(d.borderRadiusLimit));
  line("backgroundColor", hexString(d.backgroundColor));
  line("scale", number(d.scale));
  line("rotation", number(rotation));
  const Rect& frame = d.pageBounds;
  if (frame.size.x != 0.0 && frame.size.y != 0.0)
    line("bounds", numberList({frame.origin.x, frame.origin.y, frame.size.x, frame.size.y}));
  line("crossings", formatInteger(int(d.crossings)));
  line("displayMode", formatInteger(d.displayMode));
  line("metalness", number(d.metalness));
  line("roughness", number(d.roughness));
  line("lightAngle", numberList({d.lightAngleX, d.lightAngleY, d.lightAngleZ}));
  line("ambientColor", hexString(d.ambientColor));
  line("surfaceZscale", number(d.surfaceZscale));
  line("surfaceRoundness", number(d.surfaceRoundness));
  line("ripple", number(d.ripple));
  line("rippleScale", number(d.rippleScale));
  return s;
}

std::string documentText(const DocumentSettings& settings, const std::vector<std::shared_ptr<Shape>>& tiles,
                         const Graph* graph) {
  std::string text = "Ornival 0.2\n";
  if (tiles.empty())
    return text + settingsSection(settings, 0.0);

  std::vector<Color> colors;
  ColorIndex index;
  for (const auto& tile : tiles)
    if (index.emplace(tile->shapeColor(), 0).second)
      colors.push_back(tile->shapeColor());
  sortByHexString(colors);
  // Colours apart only below the text's precision share one entry: two
  // entries of one text would read back as one colour, and the document
  // saved again would lose one of them.
  std::vector<Color> table;
  std::string last;
  for (const Color& color : colors) {
    std::string entry = hexString(color);
    if (table.empty() || entry != last) {
      table.push_back(color);
      last = std::move(entry);
    }
    index[color] = int(table.size()) - 1;
  }
  text += colorsSection(table);

  const auto found = std::find_if(tiles.begin(), tiles.end(), [](const auto& tile) { return tile->scale() == 1.0; });
  Shape& start = found != tiles.end() ? **found : *tiles.front();
  text += shapesSection(tiles, start, index, graph);

  DocumentSettings written = settings;
  if (written.pageBounds.size.x != 0.0 && written.pageBounds.size.y != 0.0)
    written.pageBounds = frameAfterLoad(written.pageBounds, settings.rotation, start.transformation);
  return text + settingsSection(written, angleOf(start.transformation));
}

}  // namespace ornival
