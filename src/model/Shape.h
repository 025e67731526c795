#pragma once

#include "model/LineAttribute.h"
#include "model/ShapeInfo.h"
#include "model/ShapeModel.h"
#include "model/ShapeStatus.h"
#include "platform/Cached.h"
#include "platform/Color.h"
#include "platform/Lazy.h"
#include "platform/Path.h"
#include "platform/Transform3D.h"

#include <memory>
#include <vector>

namespace ornival {

class Edge;
class Geometry;
class Material;
class SceneNode;
class ShapeLayer;

// A placed tile of the mosaic: a figure on the canvas together with what the
// editor shows and stores of it: its place in the graph, its state and colour,
// three border bands, the values of its 3D material, its 2D layers (one fill,
// three border strokes) and its 3D node.
//
// Layers and nodes are made on first use, so tiles that are only read or
// written never build them. Releasing the last reference takes them off the
// display, which is why only the main thread may do it, as with everything
// here that touches layers or nodes.
class Shape : public ShapeModel {
public:
  // A tile of the figure with every value at its default and the identity
  // transformation; each of its edges points back to it.
  static std::shared_ptr<Shape> create(std::shared_ptr<const Figure> figure);

  // A chosen candidate as a tile: a model that already is a tile comes back
  // as it is; any other gives a new tile in the model's place with the given
  // corner factors and limits and its layers set up.
  static std::shared_ptr<Shape> make(const std::shared_ptr<ShapeModel>& from, double borderBezierFactor,
                                     double shapeBezierFactor, double borderRadiusLimit,
                                     double shapeRadiusLimit);

  ~Shape() override;

  // Position in the graph's list; the graph keeps it.
  int index = 0;
  int layerIndex = 0;
  // Over-and-under parity of the crossing bands, written by the graph.
  bool spin = false;

  ShapeStatus status() const { return status_; }
  // A new status recolours the fill: live shows the tile's colour, the others
  // fixed translucent colours.
  void setStatus(ShapeStatus status);

  // The fill and the three border strokes, made on first use. borderLayer
  // draws band 2, borderLayer2 band 1 and borderLayer3 band 0, so with bands
  // sorted by width the widest lies at the bottom.
  const std::shared_ptr<ShapeLayer>& layer() const;
  const std::shared_ptr<ShapeLayer>& borderLayer() const;
  const std::shared_ptr<ShapeLayer>& borderLayer2() const;
  const std::shared_ptr<ShapeLayer>& borderLayer3() const;

  const Color& shapeColor() const { return shapeColor_; }
  // Fills with the colour whatever the status, and updates the material.
  void setShapeColor(const Color& color);
  double metalness() const { return metalness_; }
  void setMetalness(double value);
  double roughness() const { return roughness_; }
  void setRoughness(double value);
  // Amplitude and frequency of the surface noise.
  double ripple() const { return ripple_; }
  void setRipple(double value);
  double rippleScale() const { return rippleScale_; }
  void setRippleScale(double value);

  // The tile's solid, once makeGeometry has built it.
  const std::shared_ptr<Geometry>& geometry() const { return geometry_; }
  // Gives the solid the shared material of the tile's current values; nothing
  // without a solid.
  void applyMaterial();

  // The three border bands, callers keep them sorted by width (a fresh tile's
  // single visible band is band 0). At least three wherever they are read.
  std::vector<LineAttribute> lineAttributes{
      {2.0, Color::black()}, {0.0, Color::white()}, {0.0, Color::black()}};
  // Round joins on the border strokes, else mitre joins.
  bool borderLineStyle = false;

  // Crease threshold of the solid's normals: 1 keeps every face flat.
  double surfaceRoundness() const { return surfaceRoundness_; }
  void setSurfaceRoundness(double value);

  // Selected. showMark keeps the mark node in step with it.
  bool marked = false;
  // The tile keeps its own colour when the document's tile colour changes.
  bool customShapesColors = false;

  // The orientation class: tiles of one figure turned by a multiple of its
  // rotational period share it. Computed on first read and kept, even when the
  // tile moves later.
  int variant() const;

  // Scratch label of the graph's walks; each walk resets it first.
  int visited = 0;

  // Corner rounding of the border outline and of the fill: factor 2.0 keeps
  // the corners sharp, and a corner whose turn reaches the limit stays sharp.
  double borderBezierFactor = 2.0;
  double borderRadiusLimit = 1.0;
  double shapeBezierFactor = 2.0;
  double shapeRadiusLimit = 1.0;

  // The mark node while the tile shows it.
  std::shared_ptr<SceneNode> mark;
  // The tile's 3D node, made on first use with the solid and placed like the
  // tile, its heights scaled with the tile.
  const std::shared_ptr<SceneNode>& node();
  // Whether node() was asked for: the flat view never needs it.
  bool hasNode() const { return node_ != nullptr; }
  // Where the node places the solid: the tile's transformation, heights
  // scaled with the tile's size.
  Transform3D nodeTransform() const;

  // Shows or hides the mark under parent when flag differs from `marked`;
  // without a parent (the relief not yet built) only `marked` changes.
  void showMark(bool flag, const std::shared_ptr<SceneNode>& parent);
  // Makes the mark of a marked tile that has none under parent.
  void attachMark(const std::shared_ptr<SceneNode>& parent);
  // A new mark node: the solid upside down just below the tile in the mark
  // material. A tile without a solid gets one, so that marks made in the flat
  // view show once the relief does.
  std::shared_ptr<SceneNode> markNode();
  // The material of every mark, made once.
  static const std::shared_ptr<Material>& defaultMaterial();

  // The edge whose corner lies nearest to point; the lower index on ties.
  int nearestVertexIndex(Vec2 point) const;

  // A copy in the same place with the same colour, layer, corner factors,
  // material values, fill outline and group-join flags; not joined to anything
  // and with default bands, status and selection.
  std::shared_ptr<Shape> duplicate() const;
  // A tile of the mirror-image figure (the same figure for one without a
  // partner) with the colour, layer and group-join flags carried across. The
  // caller places it.
  std::shared_ptr<Shape> mirrored() const;

  // The border outline and the paths of the border layers, down to
  // animatePaths, are defined in TileOutline.cpp with the outline rules.
  //
  // The border outline: through the midpoints of the outer sides, corners
  // rounded by borderBezierFactor and borderRadiusLimit, sides inside a group
  // left out. All forms give the same elements.
  Path borderBezierPath() const;
  std::vector<PathElement> borderPathElements() const;
  Path borderPath() const;
  // The first side after e, turning around e's start corner through the group,
  // that is not a group join; none when the turn meets an open or broken link.
  std::shared_ptr<Edge> nextOuterEdge(const Edge& e) const;
  // Gives the border outline to the three border layers, with a recorded path
  // animation when asked.
  void animatePaths(bool animated);

  // Paths, colours, widths, caps and joins of all four layers, and a new solid
  // when there is one.
  void configureLayers(bool animated);
  void updateStrokeColor();
  void updateLineWidth();
  void updateLineJoin();

  // Lays the tile against edge, an edge of another tile: when edge's join is
  // one of this tile's edges, that edge lands on edge running the other way,
  // scaled to its length; else corner 0 lands on edge's end, side 0 along
  // edge. No edge: the default transformation.
  void place(const std::shared_ptr<Edge>& edge);

  ShapeInfo info() const;

  // The figure's solid with normals at surfaceRoundness, shared by every tile
  // of the figure at that roundness, under a new geometry of the tile's own
  // that becomes `geometry` and gets its material.
  std::shared_ptr<Geometry> makeGeometry();

protected:
  explicit Shape(std::shared_ptr<const Figure> figure);

private:
  Color statusFill() const;
  const std::shared_ptr<ShapeLayer>& lazyLayer(const Cached<std::shared_ptr<ShapeLayer>>& slot) const;

  Color shapeColor_ = Color::white();
  double metalness_ = 0.5;
  double roughness_ = 0.5;
  double ripple_ = 0.0;
  double rippleScale_ = 0.0;
  double surfaceRoundness_ = 1.0;
  std::shared_ptr<Geometry> geometry_;
  Cached<std::shared_ptr<ShapeLayer>> layer_;
  Cached<std::shared_ptr<ShapeLayer>> borderLayer_;
  Cached<std::shared_ptr<ShapeLayer>> borderLayer2_;
  Cached<std::shared_ptr<ShapeLayer>> borderLayer3_;
  std::shared_ptr<SceneNode> node_;
  Lazy<int> variant_;
  // Last, in the room the lazy value leaves: a tiling holds many tiles.
  ShapeStatus status_ = ShapeStatus::live;
};

// The box (origin and size) of the edges' corners turned about the origin by
// degrees; the zero rectangle for no edges.
Rect rotatedBounds(const std::vector<std::shared_ptr<Edge>>& edges, double degrees);

}  // namespace ornival
