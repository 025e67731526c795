#pragma once

#include "document/DocumentSettings.h"
#include "platform/Color.h"
#include "platform/Path.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornival {

class Edge;
class Graph;
class Shape;

// What a text turned out to be when read.
enum class TextKind {
  // Well-formed UTF-8 with a line that begins with "Ornival".
  document,
  // Not well-formed UTF-8: nothing of it was read.
  notUtf8,
  // Text without a header line: nothing of it was read.
  notDocument,
};

// The writer places a further piece by a turn, perhaps a mirror, and a
// scale, within reach of the first: the tiles are laid side on side. Anything
// else (a shear, a squash, a piece out where sides can no longer be told
// apart) did not come from a drawing, and the piece is read as a reader
// without these fields would: at the default placement.
// The thumbnailer reads placements by the same rule.
bool isPiecePlacement(const AffineTransform& relative);

// A document read from text: its tiles, placed and glued, the file's colour
// table and every document setting. The open path copies the settings into
// the document and hands the tiles to the editor; the file-manager previews
// draw it.
//
// Reading never stops the process and never fails on content: a line the
// reader cannot use is skipped whole, a field that is not of its syntax
// leaves its target as it was. Only the text as a whole may be refused (see
// TextKind), so that opening a file that is no document can say so rather
// than show an empty window.
//
// One thread at a time.
class OrnivalModel {
public:
  static std::shared_ptr<OrnivalModel> create();
  OrnivalModel(const OrnivalModel&) = delete;
  OrnivalModel& operator=(const OrnivalModel&) = delete;

  // The tiles in file order; a tile's index is its position.
  std::vector<std::shared_ptr<Shape>> shapes;
  // Every side of every tile once collectBorderEdges has run.
  std::vector<std::shared_ptr<Edge>> borderEdges;
  // The settings as the file states them.
  DocumentSettings settings;
  // The file's colour table, in file order.
  std::vector<Color> colors;
  // The drawing's size, set by the SVG export; zero after reading.
  Rect bounds;
  // The lines of the text's shapes sections, each meant to be a tile; those
  // that gave none (a figure that is no catalogue figure, a side taken
  // already, a placement out of range, a line after the section broke off)
  // are tileLines - shapes.size(). Opening tells the user when they differ.
  std::size_t tileLines = 0;

  // The corner factors as the file holds them; tiles get twice these.
  double shapeFactor() const { return settings.shapeBezierFactor; }
  double borderFactor() const { return settings.borderBezierFactor; }
  bool is3D() const { return settings.displayMode == 3; }

  // Parses the whole text and then gives the settings to the tiles. Text that
  // is not UTF-8 is not looked at. A second read appends to what the first
  // gave. A byte-order mark before the header is skipped.
  TextKind read(std::string_view text);

  // Pushes the surface, band, corner and default-colour settings into every
  // tile; tiles with a colour of their own keep it.
  void applySettingsToShapes();

  // Gathers every side into borderEdges and glues the sides that lie against
  // each other; nothing when borderEdges is already filled.
  void collectBorderEdges();

  // Tiles per figure number (1123 entries, entry 0 unused), counted at the
  // first call and kept.
  const std::vector<int>& counts();

  // The drawing as an SVG 1.1 document in canvas units, with a margin of 13
  // on every side, more where the bands or crossings reach farther: one
  // definition per figure in use, one reference per tile,
  // the border bands widest first and the crossing bands. Gathers borderEdges
  // when they are empty (only their corners count, for the drawing's box) and
  // sets the width and height of `bounds` to the drawing's size. No line
  // feed after the closing tag.
  std::string svg();
  std::string svgDocument();
  // The definition of the tile's figure, at 20 units per figure unit, with
  // the tile's fill rounding: a polygon when the corners stay sharp, else a
  // path from the midpoint of the last side. `id` is the attribute text,
  // blank included.
  std::string svgShapeElement(const Shape& tile, std::string_view id) const;
  // One stroked path of the outline elements.
  std::string svgBorder(double width, std::string_view id, const std::vector<PathElement>& elements,
                        const Color& color, bool outline, bool lineStyle) const;
  // The crossing pieces of the band of width w1 out to where a band of
  // width w0 would reach, filled; empty when there are none.
  std::string svgCrossings(double w1, double w0, const Color& color) const;
  // The fill attributes of a colour, starting with a blank.
  static std::string svgFillAttribute(const Color& color);

private:
  OrnivalModel() = default;

  // The crossing pieces the window and the printed page draw, of the graph
  // over this model's tiles.
  Path crossingPieces(Graph& graph, double w1, double w0) const;

  struct ReadState;
  void parseLine(std::string_view line, ReadState& state);
  bool readRoot(ReadState& state);
  bool readAttached(const ReadState& state);
  void readSetting(std::string_view key, std::string_view value);
  void readColor(Shape& tile, std::string_view field, bool indexed) const;
  static void readTail(Shape& tile, const std::vector<std::string_view>& fields, std::size_t firstFlag);

  std::optional<std::vector<int>> counts_;
};

}  // namespace ornival
