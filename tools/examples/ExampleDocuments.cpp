#include "ExampleDocuments.h"

#include "document/DocumentSettings.h"
#include "document/DocumentWriter.h"
#include "figures/Figure.h"
#include "figures/catalogue/Shapes.h"
#include "model/CrossingStatus.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/Precondition.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <set>

namespace ornival::examples {
namespace {

constexpr double tolerance = 1e-4;

std::shared_ptr<const Figure> figure(int rawValue) {
  const auto kind = Shapes::init(rawValue);
  ORNIVAL_PRECONDITION(kind.has_value());
  return Shapes::figures()[std::size_t(rawValue - 1)];
}

Color rgb(int red, int green, int blue, double alpha = 1.0) {
  return {red / 255.0, green / 255.0, blue / 255.0, alpha};
}

double cross(Vec2 a, Vec2 b) { return a.x * b.y - a.y * b.x; }

// The signed distance of p from the line through a and b, positive on the
// left.
double side(Vec2 a, Vec2 b, Vec2 p) {
  const Vec2 d = b - a;
  return cross(d, p - a) / std::hypot(d.x, d.y);
}

double distanceToSegment(Vec2 a, Vec2 b, Vec2 p) {
  const Vec2 d = b - a;
  const double t = std::clamp(((p.x - a.x) * d.x + (p.y - a.y) * d.y) / (d.x * d.x + d.y * d.y), 0.0, 1.0);
  return std::hypot(p.x - a.x - t * d.x, p.y - a.y - t * d.y);
}

// Inside the tile's outline and not on it.
bool strictlyInside(const Shape& tile, Vec2 p) {
  bool inside = false;
  for (const Line& l : tile.border()) {
    if (distanceToSegment(l.vertex0, l.vertex1, p) < tolerance)
      return false;
    const Vec2 a = l.vertex0;
    const Vec2 b = l.vertex1;
    if ((a.y <= p.y && p.y < b.y) || (b.y <= p.y && p.y < a.y)) {
      if (p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
        inside = !inside;
    }
  }
  return inside;
}

bool crossesProperly(const Line& s, const Line& t) {
  const double a = side(s.vertex0, s.vertex1, t.vertex0);
  const double b = side(s.vertex0, s.vertex1, t.vertex1);
  const double c = side(t.vertex0, t.vertex1, s.vertex0);
  const double d = side(t.vertex0, t.vertex1, s.vertex1);
  return ((a > tolerance && b < -tolerance) || (a < -tolerance && b > tolerance)) &&
         ((c > tolerance && d < -tolerance) || (c < -tolerance && d > tolerance));
}

bool covers(const Shape& a, const Shape& b) {
  if (strictlyInside(a, b.offCenter()))
    return true;
  for (const Line& l : b.border()) {
    if (strictlyInside(a, l.vertex0) || strictlyInside(a, (l.vertex0 + l.vertex1) * 0.5))
      return true;
  }
  return false;
}

bool overlap(const Shape& a, const Shape& b) {
  const Line p = a.bounds();
  const Line q = b.bounds();
  if (p.vertex1.x <= q.vertex0.x || q.vertex1.x <= p.vertex0.x || p.vertex1.y <= q.vertex0.y ||
      q.vertex1.y <= p.vertex0.y)
    return false;
  for (const Line& s : a.border())
    for (const Line& t : b.border())
      if (crossesProperly(s, t))
        return true;
  return covers(a, b) || covers(b, a);
}

double distance(Vec2 a, Vec2 b) { return std::hypot(a.x - b.x, a.y - b.y); }

double sideLength(const Figure& f, std::size_t i) {
  const auto& v = f.vertices();
  return distance(v[i], v[(i + 1) % v.size()]);
}

bool near(Vec2 a, Vec2 b) { return std::hypot(a.x - b.x, a.y - b.y) < tolerance; }

// Grows a tiling as a user does: a first tile at the default place, then
// ring after ring, the free side nearest to the first tile's centre gets the
// first figure of the list that fits there without overlapping anything;
// sides that come to lie against each other are glued.
class Grower {
public:
  explicit Grower(int seed) {
    auto first = Shape::create(figure(seed));
    first->place(nullptr);
    centre_ = first->center();
    tiles.push_back(first);
  }

  std::vector<std::shared_ptr<Shape>> tiles;

  Vec2 centre() const { return centre_; }

  // Sides whose midpoint lies farther than radius canvas units from the
  // centre stay free. Figures with unequal sides go only on sides of their
  // own length; equal-sided ones are scaled to fit, as the editor does.
  // With unlike, no tile goes onto a side of a tile of its own figure.
  void grow(const std::vector<int>& kinds, double radius, bool unlike = false) {
    unlike_ = unlike;
    std::set<const Edge*> failed;
    for (;;) {
      std::shared_ptr<Edge> onto;
      double nearest = radius;
      for (const auto& tile : tiles) {
        for (const auto& edge : tile->edges()) {
          if (edge->join.lock() || failed.count(edge.get()))
            continue;
          const Line& l = tile->border()[std::size_t(edge->index())];
          const Vec2 m = (l.vertex0 + l.vertex1) * 0.5;
          const double d = std::hypot(m.x - centre_.x, m.y - centre_.y);
          if (d < nearest - 1e-9) {
            nearest = d;
            onto = edge;
          }
        }
      }
      if (!onto)
        return;
      if (!place(onto, kinds))
        failed.insert(onto.get());
    }
  }

  // Marks the sides between the tiles as group joins.
  static void groupJoin(const Shape& a, const Shape& b) {
    for (const auto& edge : a.edges()) {
      const auto other = edge->join.lock();
      if (other && other->shape.lock().get() == &b) {
        edge->isGroupJoin = true;
        other->isGroupJoin = true;
      }
    }
  }

  std::vector<std::shared_ptr<Shape>> neighbours(const Shape& tile) const {
    std::vector<std::shared_ptr<Shape>> result;
    for (const auto& edge : tile.edges())
      if (const auto other = edge->join.lock())
        result.push_back(other->shape.lock());
    return result;
  }

private:
  // Of the figures and sides that fit, the one that lies against the most
  // sides already there, the first in the list among equals; a fit that
  // leaves a corner too narrow for any of the figures is no fit.
  bool place(const std::shared_ptr<Edge>& onto, const std::vector<int>& kinds) {
    const auto parent = onto->shape.lock();
    const Line& l = parent->border()[std::size_t(onto->index())];
    const double length = std::hypot(l.vertex1.x - l.vertex0.x, l.vertex1.y - l.vertex0.y);
    // A side of no length has nowhere to lay a tile.
    if (length < 1.0)
      return false;
    double narrowest = 2.0 * std::numbers::pi;
    for (const int kind : kinds)
      narrowest = std::min(narrowest, figure(kind)->angle() * std::numbers::pi / 180.0);
    std::shared_ptr<Shape> best;
    int bestContacts = -1;
    for (const int kind : kinds) {
      if (unlike_ && kind == parent->figure()->tool().rawValue())
        continue;
      const auto f = figure(kind);
      for (std::size_t own = 0; own < f->lengths().size(); ++own) {
        if (!f->equilateral() && std::abs(sideLength(*f, own) * 20.0 - length) > tolerance)
          continue;
        auto tile = Shape::create(f);
        tile->edges()[own]->join = onto;
        onto->join = tile->edges()[own];
        tile->place(onto);
        tile->edges()[own]->join.reset();
        onto->join.reset();
        if (tile->scale() < 0.2 || tile->scale() > 5.0)
          continue;
        const auto around = nearby(*tile);
        if (std::any_of(around.begin(), around.end(), [&](const Shape* t) { return overlap(*t, *tile); }))
          continue;
        if (leavesNarrowGap(*tile, around, narrowest))
          continue;
        const int c = contacts(*tile, around);
        if (c > bestContacts) {
          bestContacts = c;
          best = tile;
          bestOwn_ = own;
        }
      }
    }
    if (!best)
      return false;
    best->edges()[bestOwn_]->join = onto;
    onto->join = best->edges()[bestOwn_];
    glueNeighbours(*best);
    tiles.push_back(best);
    return true;
  }

  // The tiles whose boxes meet the tile's box.
  std::vector<const Shape*> nearby(const Shape& tile) const {
    const Line box = tile.bounds();
    std::vector<const Shape*> result;
    for (const auto& other : tiles) {
      const Line b = other->bounds();
      if (b.vertex0.x <= box.vertex1.x + tolerance && box.vertex0.x <= b.vertex1.x + tolerance &&
          b.vertex0.y <= box.vertex1.y + tolerance && box.vertex0.y <= b.vertex1.y + tolerance)
        result.push_back(other.get());
    }
    return result;
  }

  // The sides of the tile that lie against sides of the tiling.
  int contacts(const Shape& tile, const std::vector<const Shape*>& around) const {
    int count = 0;
    for (const Line& l : tile.border())
      for (const Shape* other : around)
        for (const Line& m : other->border())
          if (near(l.vertex0, m.vertex1) && near(l.vertex1, m.vertex0))
            ++count;
    return count;
  }

  // The interior angle of the tile's outline at corner i.
  static double cornerAngle(const Shape& tile, std::size_t i) {
    const auto& border = tile.border();
    const Line& in = border[(i + border.size() - 1) % border.size()];
    const Line& out = border[i];
    const Vec2 a = in.vertex0 - in.vertex1;
    const Vec2 b = out.vertex1 - out.vertex0;
    double angle = std::atan2(cross(b, a), a.x * b.x + a.y * b.y);
    if (angle < 0.0)
      angle += 2.0 * std::numbers::pi;
    return angle;
  }

  // Whether the angle left free around some corner of the tile is narrower
  // than every figure's corner.
  bool leavesNarrowGap(const Shape& tile, const std::vector<const Shape*>& around, double narrowest) const {
    for (std::size_t i = 0; i < tile.border().size(); ++i) {
      const Vec2 p = tile.border()[i].vertex0;
      double taken = cornerAngle(tile, i);
      bool touched = false;
      for (const Shape* other : around) {
        const auto& border = other->border();
        for (std::size_t j = 0; j < border.size(); ++j) {
          if (near(border[j].vertex0, p)) {
            taken += cornerAngle(*other, j);
            touched = true;
          } else if (distanceToSegment(border[j].vertex0, border[j].vertex1, p) < tolerance &&
                     !near(border[j].vertex1, p)) {
            taken += std::numbers::pi;
            touched = true;
          }
        }
      }
      const double left = 2.0 * std::numbers::pi - taken;
      if (touched && left > 1e-6 && left < narrowest - 1e-6)
        return true;
    }
    return false;
  }

  void glueNeighbours(const Shape& tile) {
    for (const auto& edge : tile.edges()) {
      if (edge->join.lock())
        continue;
      const Line& l = tile.border()[std::size_t(edge->index())];
      for (const auto& other : tiles) {
        for (const auto& e : other->edges()) {
          if (e->join.lock())
            continue;
          const Line& m = other->border()[std::size_t(e->index())];
          if (near(l.vertex0, m.vertex1) && near(l.vertex1, m.vertex0)) {
            edge->join = e;
            e->join = edge;
          }
        }
      }
    }
  }

  Vec2 centre_;
  std::size_t bestOwn_ = 0;
  bool unlike_ = false;
};

// The angle of p about c in [0, 2π).
double bearing(Vec2 c, Vec2 p) {
  const double a = std::atan2(p.y - c.y, p.x - c.x);
  return a < 0.0 ? a + 2.0 * std::numbers::pi : a;
}

ExampleDocument finish(std::string fileName, const DocumentSettings& settings,
                       std::vector<std::shared_ptr<Shape>> tiles) {
  std::vector<std::shared_ptr<Edge>> edges;
  for (const auto& tile : tiles)
    edges.insert(edges.end(), tile->edges().begin(), tile->edges().end());
  auto graph = Graph::create(tiles);
  graph->joinEdges(edges);
  return {std::move(fileName), documentText(settings, tiles, graph.get())};
}

DocumentSettings opaqueBackground(Color background) {
  DocumentSettings settings;
  settings.backgroundColor = background;
  return settings;
}

// Examples -------------------------------------------------------------------

ExampleDocument starAndCross() {
  Grower g(4);  // Sun
  g.grow({4, 13}, 190.0);
  for (const auto& tile : g.tiles) {
    const bool star = tile->figure()->tool().rawValue() == 4;
    const double r = distance(tile->center(), g.centre());
    if (star)
      tile->setShapeColor(r < 1.0 ? rgb(242, 196, 78) : rgb(32, 96, 140));
    else
      tile->setShapeColor(rgb(236, 232, 220));
  }
  DocumentSettings settings = opaqueBackground(rgb(20, 34, 52));
  settings.borderWidth = 1.5;
  settings.borderColor = rgb(20, 34, 52);
  return finish("01-StarAndCross.ornival", settings, g.tiles);
}

ExampleDocument octagonsAndSquares() {
  Grower g(26);  // Octagon
  g.grow({26, 7}, 200.0);
  for (const auto& tile : g.tiles) {
    const bool octagon = tile->figure()->tool().rawValue() == 26;
    const double r = distance(tile->center(), g.centre());
    const int ring = int(r / 48.0);
    tile->setShapeColor(octagon ? (ring % 2 ? rgb(46, 125, 110) : rgb(28, 88, 96)) : rgb(232, 176, 72));
  }
  DocumentSettings settings = opaqueBackground(rgb(250, 246, 236));
  settings.borderWidth = 1.0;
  settings.borderColor = rgb(250, 246, 236);
  return finish("02-OctagonsAndSquares.ornival", settings, g.tiles);
}

ExampleDocument twelveFold() {
  Grower g(380);  // Dodecagon
  g.grow({380, 170, 7}, 220.0);
  for (const auto& tile : g.tiles) {
    switch (tile->figure()->tool().rawValue()) {
    case 380: tile->setShapeColor(rgb(178, 58, 72)); break;
    case 170: tile->setShapeColor(rgb(240, 214, 160)); break;
    default: tile->setShapeColor(rgb(52, 74, 110)); break;
    }
  }
  DocumentSettings settings = opaqueBackground(rgb(24, 24, 30));
  settings.borderWidth = 1.2;
  settings.borderColor = rgb(24, 24, 30);
  return finish("03-TwelveFold.ornival", settings, g.tiles);
}

// A ten-pointed star in its rosette: pentagons in the star's notches, thick
// rhombi at its points, a ring of decagons, and pentagons round the edge;
// grown ring by ring, it closes with all ten turns alike.
ExampleDocument tenFold() {
  Grower g(61);  // Sun 10
  g.grow({105, 65, 259}, 140.0);
  const auto centre = g.tiles.front();
  const auto inner = g.neighbours(*centre);
  for (const auto& tile : g.tiles) {
    switch (tile->figure()->tool().rawValue()) {
    case 61: tile->setShapeColor(rgb(226, 168, 58)); break;
    case 105:
      tile->setShapeColor(std::find(inner.begin(), inner.end(), tile) != inner.end() ? rgb(30, 104, 112)
                                                                                    : rgb(40, 72, 136));
      break;
    case 65: tile->setShapeColor(rgb(248, 238, 212)); break;
    default: tile->setShapeColor(rgb(176, 72, 50)); break;
    }
  }
  DocumentSettings settings = opaqueBackground(rgb(238, 230, 212));
  settings.borderWidth = 1.2;
  settings.borderColor = rgb(44, 36, 38);
  return finish("04-TenFold.ornival", settings, g.tiles);
}

ExampleDocument sevenFold() {
  Grower g(747);  // Sun 14
  g.grow({796, 755, 743}, 112.0);
  for (const auto& tile : g.tiles) {
    switch (tile->figure()->tool().rawValue()) {
    case 747: tile->setShapeColor(rgb(70, 40, 110)); break;
    case 796: tile->setShapeColor(rgb(150, 200, 190)); break;
    case 755: tile->setShapeColor(rgb(240, 190, 90)); break;
    default: tile->setShapeColor(rgb(200, 80, 90)); break;
    }
  }
  DocumentSettings settings = opaqueBackground(rgb(240, 236, 226));
  settings.borderWidth = 1.0;
  return finish("05-SevenFold.ornival", settings, g.tiles);
}

ExampleDocument borderBands() {
  Grower g(4);  // Sun
  g.grow({4, 13}, 230.0);
  for (const auto& tile : g.tiles) {
    const bool star = tile->figure()->tool().rawValue() == 4;
    tile->setShapeColor(star ? rgb(196, 84, 60) : rgb(238, 220, 180));
  }
  DocumentSettings settings = opaqueBackground(rgb(38, 30, 28));
  settings.borderWidth = 5.0;
  settings.borderColor = rgb(38, 30, 28);
  settings.borderWidth2 = 3.2;
  settings.borderColor2 = rgb(250, 242, 222);
  settings.borderWidth3 = 1.2;
  settings.borderColor3 = rgb(44, 110, 120);
  settings.borderLineStyle = true;
  settings.crossings = CrossingStatus::on;
  return finish("06-BorderBands.ornival", settings, g.tiles);
}

ExampleDocument metalRelief() {
  Grower g(380);  // Dodecagon
  g.grow({380, 170, 7}, 170.0);
  for (const auto& tile : g.tiles) {
    switch (tile->figure()->tool().rawValue()) {
    case 380: tile->setShapeColor(rgb(212, 168, 80)); break;
    case 170: tile->setShapeColor(rgb(170, 176, 186)); break;
    default: tile->setShapeColor(rgb(150, 90, 60)); break;
    }
  }
  DocumentSettings settings = opaqueBackground(rgb(16, 18, 24));
  settings.displayMode = 3;
  settings.metalness = 0.9;
  settings.roughness = 0.3;
  settings.ripple = 0.6;
  settings.rippleScale = 0.5;
  settings.surfaceZscale = 1.5;
  settings.lightAngleX = 20.0;
  settings.lightAngleY = -30.0;
  settings.borderWidth = 1.0;
  settings.borderColor = rgb(16, 18, 24);
  return finish("07-MetalRelief.ornival", settings, g.tiles);
}

ExampleDocument colourRegions() {
  Grower g(170);  // Hexagon
  g.grow({170, 169}, 210.0);
  const Color regions[] = {rgb(231, 76, 60), rgb(241, 196, 15), rgb(46, 204, 113),
                           rgb(26, 188, 156), rgb(52, 152, 219), rgb(155, 89, 182)};
  for (const auto& tile : g.tiles) {
    const double r = distance(tile->center(), g.centre());
    const int sector = std::min(5, int(bearing(g.centre(), tile->center()) / (std::numbers::pi / 3.0)));
    Color c = regions[sector];
    // The centre in a dark neutral: white on the white ground read as a hole.
    if (r < 30.0)
      c = rgb(64, 70, 78);
    else if (tile->figure()->tool().rawValue() == 169)
      c = {c.red * 0.55, c.green * 0.55, c.blue * 0.55, 1.0};
    tile->setShapeColor(c);
  }
  DocumentSettings settings = opaqueBackground(rgb(250, 250, 250));
  settings.borderWidth = 1.5;
  settings.borderColor = rgb(250, 250, 250);
  return finish("08-ColourRegions.ornival", settings, g.tiles);
}

// Every square joined into one group with the octagon below or left of it:
// one group tile repeated over the plane.
ExampleDocument groupTiles() {
  Grower g(26);  // Octagon
  g.grow({26, 7}, 230.0);
  for (const auto& tile : g.tiles) {
    if (tile->figure()->tool().rawValue() != 7)
      continue;
    std::shared_ptr<Shape> lowest;
    for (const auto& n : g.neighbours(*tile)) {
      const Vec2 c = n->center();
      if (!lowest || c.x + c.y < lowest->center().x + lowest->center().y - 1e-6)
        lowest = n;
    }
    if (lowest)
      Grower::groupJoin(*tile, *lowest);
  }
  for (const auto& tile : g.tiles)
    tile->setShapeColor(tile->figure()->tool().rawValue() == 7 ? rgb(232, 90, 79) : rgb(255, 218, 185));
  DocumentSettings settings = opaqueBackground(rgb(44, 62, 80));
  settings.borderWidth = 3.0;
  settings.borderColor = rgb(44, 62, 80);
  return finish("09-GroupTiles.ornival", settings, g.tiles);
}

// Eight-pointed stars held in a lattice of crosses: wide light straps edged
// in the background's colour run along the tiles' sides and pass alternately
// over and under where they cross, at the stars' points.
ExampleDocument interlacedStars() {
  Grower g(4);  // Sun
  g.grow({4, 13}, 200.0);
  for (const auto& tile : g.tiles) {
    const bool star = tile->figure()->tool().rawValue() == 4;
    if (star)
      tile->setShapeColor(distance(tile->center(), g.centre()) < 1.0 ? rgb(214, 164, 66) : rgb(26, 92, 104));
    else
      tile->setShapeColor(rgb(146, 42, 58));
  }
  DocumentSettings settings = opaqueBackground(rgb(14, 22, 34));
  settings.borderWidth = 10.0;
  settings.borderColor = rgb(14, 22, 34);
  settings.borderWidth2 = 6.5;
  settings.borderColor2 = rgb(242, 232, 208);
  settings.borderWidth3 = 1.2;
  settings.borderColor3 = rgb(214, 164, 66);
  settings.crossings = CrossingStatus::alternate;
  return finish("10-InterlacedStars.ornival", settings, g.tiles);
}

// A field of twelve-fold rosettes, hexagons ringed by squares and triangles
// round a dodecagon, in six coloured regions.
ExampleDocument rosetteField() {
  Grower g(380);  // Dodecagon
  g.grow({169, 7, 170}, 160.0);
  const Color regions[] = {rgb(196, 74, 62), rgb(222, 156, 52), rgb(118, 150, 70),
                           rgb(40, 132, 130), rgb(52, 96, 160), rgb(126, 78, 140)};
  for (const auto& tile : g.tiles) {
    const int kind = tile->figure()->tool().rawValue();
    // Sector borders fall between the rosettes of the first ring.
    const double turn = bearing(g.centre(), tile->center()) + std::numbers::pi / 6.0;
    const Color c = regions[int(turn / (std::numbers::pi / 3.0)) % 6];
    switch (kind) {
    case 380: tile->setShapeColor(rgb(242, 226, 190)); break;
    case 170: tile->setShapeColor(c); break;
    case 7: tile->setShapeColor(rgb(242, 226, 190)); break;
    default: tile->setShapeColor({c.red * 0.6, c.green * 0.6, c.blue * 0.6, 1.0}); break;
    }
  }
  DocumentSettings settings = opaqueBackground(rgb(34, 32, 40));
  settings.borderWidth = 1.5;
  settings.borderColor = rgb(34, 32, 40);
  return finish("11-RosetteField.ornival", settings, g.tiles);
}

// Hexagons woven with triangles, cut in matte stone: every side of a hexagon
// lies against a triangle, so the sides run on as straight straps that cross
// at every corner, raised where one passes over the other, in a rounded
// relief with a light ripple and a warm ambient light on a dark ground.
ExampleDocument carvedStone() {
  Grower g(170);  // Hexagon
  g.grow({169, 170}, 150.0, true);
  for (const auto& tile : g.tiles) {
    if (tile->figure()->tool().rawValue() == 169)
      tile->setShapeColor(rgb(122, 104, 90));
    else
      tile->setShapeColor(distance(tile->center(), g.centre()) < 1.0 ? rgb(214, 196, 164) : rgb(176, 150, 120));
  }
  DocumentSettings settings = opaqueBackground(rgb(22, 20, 18));
  settings.displayMode = 3;
  settings.metalness = 0.05;
  settings.roughness = 0.85;
  settings.ripple = 0.25;
  settings.rippleScale = 0.8;
  settings.surfaceZscale = 1.0;
  settings.surfaceRoundness = 0.6;
  settings.ambientColor = rgb(120, 104, 88);
  settings.lightAngleX = -25.0;
  settings.lightAngleY = 20.0;
  settings.crossings = CrossingStatus::on;
  // Light straps with a groove along their middle.
  settings.borderWidth = 7.0;
  settings.borderColor = rgb(220, 204, 174);
  settings.borderWidth2 = 1.5;
  settings.borderColor2 = rgb(96, 80, 66);
  return finish("12-CarvedStone.ornival", settings, g.tiles);
}

}  // namespace

std::vector<ExampleDocument> exampleDocuments() {
  return {starAndCross(),  octagonsAndSquares(), twelveFold(),    tenFold(),   sevenFold(),
          borderBands(),   metalRelief(),        colourRegions(), groupTiles(), interlacedStars(),
          rosetteField(),  carvedStone()};
}

}  // namespace ornival::examples
