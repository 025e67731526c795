#pragma once

#include "document/DocumentEditor.h"
#include "editor/CameraControl.h"
#include "editor/DragAction.h"
#include "editor/EditorMenuItem.h"
#include "editor/InputEvents.h"
#include "editor/InputState.h"
#include "editor/RandomSource.h"
#include "editor/ItemStatus.h"
#include "figures/Line.h"
#include "figures/catalogue/Shapes.h"
#include "model/LineAttribute.h"
#include "model/Operations.h"
#include "model/CrossingStatus.h"
#include "model/KeptCrossings.h"
#include "model/Graph.h"
#include "model/ShapeInfo.h"
#include "model/ShapeModel.h"
#include "platform/AffineTransform.h"
#include "platform/Color.h"
#include "platform/Camera.h"
#include "platform/Layer.h"
#include "platform/Light.h"
#include "platform/Scene.h"
#include "platform/SceneNode.h"
#include "platform/ShapeLayer.h"
#include "platform/Path.h"
#include "platform/RgbaImage.h"
#include "platform/Transform3D.h"
#include "platform/Vec2.h"
#include "platform/Vec3.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

namespace ornival {

class Clipboard;
class Document;
class Edge;
class EdgeMultiNeighborsOperation;
class EditorWindowController;
class Geometry;
class Graph;
class ImageDecoder;
class Layer;
class MultiShape;
class NeighborModel;
class PictureRenderer;
class Operations;
class SceneNode;
class Shape;
class ShapeLayer;
class Undo;
class UndoManager;
class ViewPort;

// The current tools, in figure-number order, so that everything that walks
// them (the toolbar, the mirror command) sees one order.
struct ShapesByRawValue {
  bool operator()(Shapes a, Shapes b) const { return a.rawValue() < b.rawValue(); }
};
using ToolSet = std::set<Shapes, ShapesByRawValue>;

// Colours the system would give: the accent colour and the background of
// selected content.
inline constexpr Color accentColor{0.25234666, 0.51092654, 0.8316943, 1.0};
inline constexpr Color selectedContentBackgroundColor{0.0, 0.3882353, 0.8823529, 1.0};

// The pattern editor of one document window. It holds the whole editing state
// of the window: the tiling, the placement candidates, the tools and colour,
// the drag state, zoom, rotation and page bounds, the 2D layer tree and the
// 3D scene. While editing it is the only writer of the tiling.
//
// It reaches the outside only through its seams: the view port (the view and
// its window), the window controller, the input state, and the document it is
// given. The window controller makes it with the view, calls viewDidLoad,
// then loadDocument.
//
// Plain state is public, named as the other editing concerns know it; what
// the document reads and writes through DocumentEditor sits behind accessors.
// Each concern lives in its own source file: layers and page bounds, loading
// and outline, tools and counts, zoom and rotation, the scene.
//
// Main thread only.
class ViewController : public DocumentEditor, public std::enable_shared_from_this<ViewController> {
public:
  static std::shared_ptr<ViewController> create(std::shared_ptr<ViewPort> viewPort,
                                                std::shared_ptr<InputState> inputState);
  ~ViewController() override;
  ViewController(const ViewController&) = delete;
  ViewController& operator=(const ViewController&) = delete;

  const std::shared_ptr<ViewPort>& viewPort() const { return viewPort_; }

  // Construction and hand-over ----------------------------------------------

  // Builds the layer tree and the scene.
  void viewDidLoad();
  // Attaches the document and takes over its tiles and settings, registering
  // no undo. Without a window controller nothing happens.
  void loadDocument(const std::shared_ptr<Document>& document);
  std::shared_ptr<Document> document() const { return document_.lock(); }
  std::shared_ptr<EditorWindowController> windowController() const { return windowController_.lock(); }

  // The use of a figure for the catalogue browser.
  ItemStatus toolStatus(Shapes kind) const;
  // The current tools, each replaced by its mirror image where it has one.
  std::vector<Shapes> mirroredTools() const;

  // Registers a step with the window's undo manager; nothing without one.
  void registerUndoStep(std::function<void(ViewController&)> step);
  // The same for a step that only brings the display up to date.
  void registerRefreshStep(std::function<void(ViewController&)> step);

  // Input, in window points; each is one user event ----------------------

  // Pointer events record where they happened; what a press, drag and
  // release do to the tiling comes with the editing gestures. A move hovers
  // what is under the pointer.
  void mouseMoved(const MouseEvent& event);
  // The hover step; ignoreFrame while the pointer is over a popover and the
  // page frame is shown.
  void mouseMoved(const MouseEvent& event, bool ignoreFrame);
  void mouseDown(const MouseEvent& event);
  void mouseDragged(const MouseEvent& event);
  void mouseUp(const MouseEvent& event);
  // The pointer left the view: nothing is hovered until it comes back.
  void mouseExited();
  void keyDown(const KeyEvent& event);
  // Zooms in steps of 1, or with Option turns the view in steps of 3 degrees.
  void scrollWheel(const ScrollEvent& event);

  // Layers, transforms and page bounds ---------------------------------------

  // Canvas units to view points: rotate, move by the offsets, scale by the
  // zoom, move to the view's centre. None without a window. Always
  // invertible, so that every view point has its canvas point.
  std::optional<AffineTransform> layerTransform() const;
  // The same without the rotation: the page frame is in rotated coordinates.
  std::optional<AffineTransform> unrotatedLayerTransform() const;
  // Points per canvas unit: scaleFactor × scale / 20.
  double zoomFactor() const;
  void updateViewTransform(bool animated, double duration) override;
  // Recomputes pageBounds, scaleFactor and the offsets; false leaves the view
  // where it is.
  bool updatePageBoundsAndOffsets();
  void updateImageLayerTransform();

  const Rect& pageBounds() const { return pageBounds_; }
  // Stores and runs the change handling: while the document's bounds are
  // automatic the hand-set frame follows.
  void setPageBounds(const Rect& bounds);
  Rect snappedPageBounds() const override { return snappedPageBounds_; }
  void setSnappedPageBounds(const Rect& bounds);
  void registerManualPageBoundsUndo(const Rect& bounds);
  // The undo and redo target of the hand-set frame.
  void setManualPageBounds(const Rect& bounds);
  // The frame's sides moved to the nearest tile corners and side midpoints,
  // unless Option is held or there are no tiles.
  Rect snapPageBounds(const Rect& bounds) const;
  void snappedPageBoundsDidSet(const Rect& previous);
  void resnapPageBounds() override;
  // The page of automatic bounds: the tiling's box widened by 20 on every
  // side, or by as much more as the bands and their mitred tips reach beyond
  // it, alike on both sides of each axis.
  Rect automaticPage(const Rect& tiling);
  // Follows what the automatic page holds after the bands, their joins or the
  // corners changed; hand-set bounds stay as they are.
  void refreshAutomaticPage();
  void updateBoundsLayerColor();
  void updateBoundsLayerPath();

  void updateLineAttributes() override;
  void updateLineJoin(bool round) override;
  // Shows the hover outline of selectedShape.
  void updateSelectedShapeLayer();
  // Puts the crossing and mark layers back after a tile drag took them out.
  void addOverlayLayers();

  // Loading and outline -------------------------------------------------------

  // Installs the tiles, glues coincident sides and takes their layers and
  // nodes into the containers.
  void load(const std::vector<std::shared_ptr<Shape>>& tiles);
  // borderEdges and border from the free sides, tile by tile.
  void rebuildOutline();
  int borderSegmentCount() const override { return int(border.size()); }

  // Tools and counts ----------------------------------------------------------

  void selectTool(Shapes kind);
  void selectTools(const std::vector<Shapes>& tools);
  void addTools(const std::vector<Shapes>& tools);
  void removeTools(const std::vector<Shapes>& tools);
  void updateCounts();

  // Zoom and rotation ---------------------------------------------------------

  // Between zoom 20 and the zoom the user had before.
  void toggleZoom();
  // Turns the view to the nearest angle at which the outline's box is square.
  void huggingSquare();

  // Scene ---------------------------------------------------------------------

  // The relief's scene: the content, the camera and the lights under its
  // root, which is hidden while the view is flat.
  std::shared_ptr<Scene> setupScene();
  Camera& camera();
  const std::shared_ptr<SceneNode>& cameraNode();
  const std::shared_ptr<SceneNode>& rootNode();
  void updateFlatNode() override;
  void updateFlatMarkNode();
  void updateFlatMoveNode(const std::shared_ptr<SceneNode>& node);
  void updateMarkLayer() override;
  void updateCrossingsNode() override;
  void setNeedsUpdateNode() override { needsUpdateNode = true; }
  void dimensionDidSet(int previous) override;
  void updateSurfaceZScale() override;
  void updateMetalness() override;
  void updateRoughness() override;
  void updateRipple() override;
  void updateRippleScale() override;
  void updateLightAngleX() override;
  void updateLightAngleY() override;
  void updateLightAngleZ() override;
  void setAmbientLightColor(const Color& color) override;
  // Hands the mouse to the relief's camera and back; only in the relief view.
  void toggleCameraControl();
  ReliefScene reliefScene() override;
  // Whether shapesNode holds the tiles' nodes: only once the relief, an
  // export or a snapshot asked for them; the flat view never does.
  bool tileNodesShown() const { return tileNodesShown_; }

  // Seams for the editing concerns still to come -------------------------

  // Candidates along the free sides near the point.
  void updateNeighbors(Vec2 point);
  // Prototype candidates of the current tools for an empty tiling.
  void rebuildNeighborModels();
  // The hover hit test at a point of the drawing; nothing is hovered while
  // the pointer is not over the view.
  void select(Vec2 point);
  // The same wherever the pointer is: for a command that places what is
  // hovered at once.
  void hover(Vec2 point);
  // What a drag from the pointer would do.
  void updateDragAction(bool ignoreFrame);
  // The interlaced bands where lines of tiles cross.
  void updateCrossingLayers() override;

  // Snapshot, sharing and underlay -------------------------------------------

  // A picture of width × height pixels of the flat drawing: the outline's
  // box, turned with the view, with a margin of 20 units, fitted in keeping
  // its proportions and centred. In the relief view the scene's own picture
  // at the view's size, when sceneSnapshot gives one. Empty without a
  // renderer or a size.
  RgbaImage snapshotImage(double width, double height);
  // There is no system sharing picker here: the snapshot goes to the
  // clipboard with the sharing text beside it (the picture alone with
  // Option held), and the window offers "Save Snapshot…".
  void share();
  // A dropped file becomes the underlay when it is a picture; anything else
  // is ignored.
  void setImage(const std::filesystem::path& url);
  // Installs, replaces or (without a usable picture) removes the underlay. A
  // new underlay covers the page rectangle without a frame; a replacement
  // keeps the rectangle and frame of the one it replaces. Undo puts back
  // exactly the picture, file, rectangle and frame there were before.
  void setImageLayer(std::shared_ptr<const RgbaImage> image, std::optional<std::filesystem::path> url);
  void removeImage();
  // A colour dropped at a point of the window colours the first tile there.
  void colorFromDrag(const Color& color, Vec2 point);
  // Colours one tile; undo "Change Shape Color" through the document.
  // Callers refresh the relief's flat copy themselves.
  void setShapeColor(const std::shared_ptr<Shape>& tile, const Color& color);

  // Candidate search ----------------------------------------------------------

  // A new, unplaced candidate of the kind; none for the group tool without a
  // group.
  std::shared_ptr<NeighborModel> neighborModel(Shapes kind) const;
  // Forgets every group candidate and stops the searches for them: the group
  // tile changed.
  void cancelMultiNeighbors();
  // The group searches queued and neither done nor cancelled; the hover's
  // hit test waits for them.
  std::vector<std::shared_ptr<EdgeMultiNeighborsOperation>> pendingGroupSearches() const;

  // Hover ---------------------------------------------------------------------

  // The placed tile under the point, trying the hovered tile and its
  // neighbours first.
  std::shared_ptr<Shape> shape(Vec2 point) const;
  // Makes the tile or candidate the hovered one and outlines it.
  void updateSelectedPointLayer(const std::shared_ptr<ShapeModel>& model);
  // The mark outline's fill while the pointer is inside it.
  void updateSelectedLayerColor();
  // Takes the hover outline away, when it is shown.
  void clearHoverOutline();
  // What the hit test on a worker reads of the candidate lists, taken on the
  // main thread: the candidates of the kinds, along one side or along every
  // free side, in tool order. Group candidates of an earlier group are left
  // out.
  std::vector<std::shared_ptr<NeighborModel>> candidatesAlong(const Edge& side, const ToolSet& tools) const;
  std::vector<std::shared_ptr<NeighborModel>> candidatesAlongBorder(const ToolSet& tools) const;

  // Adding tiles --------------------------------------------------------------

  // Turns the hovered candidate into a tile, as one undo step.
  void placeCandidate();
  // Puts a new tile, or for a group candidate the group's tiles, into the
  // tiling, glued to parent later by addShapes.
  void addNeighborShape(const std::shared_ptr<Shape>& shape, const std::shared_ptr<Edge>& parent, int edgeOffset);
  // The common road of one new tile into the graph, the layers and the scene.
  void insertShape(const std::shared_ptr<Shape>& shape);
  // The document's border bands and the editor's line join, into the tile.
  void applyBorderStyle(Shape& shape);
  // The document's bands and corner style, for the tile's layers to take later.
  void takeBorderStyle(Shape& shape) const;
  // Closes an edit that inserted tiles: joins, outline, undo, counts. The
  // new tiles' sides are glued to every free side they lie against unless
  // the caller has glued them as they must be.
  void addShapes(bool glueByPosition = true);
  // The undo of addShapes: takes the tiles at the indices out again.
  void undoAddShapes(const std::vector<int>& indices);
  // Lays and inserts the other tiles of the group whose border side
  // borderEdge was just placed as edge, each template once.
  void placeMultiShape(const std::shared_ptr<Edge>& edge, const std::shared_ptr<Edge>& borderEdge);

  // Removing tiles ------------------------------------------------------------

  // One side's group flag as an edit found it: the flag it had before.
  struct GroupFlag {
    int tile = 0;
    int edge = 0;
    bool before = false;
  };
  // One join a removal broke, by tile index and side as the tiling stood
  // before the removal (and stands again after its undo), with both sides'
  // group flags.
  struct BrokenJoin {
    int tile = 0;
    int edge = 0;
    int partnerTile = 0;
    int partnerEdge = 0;
    bool groupJoin = false;
    bool partnerGroupJoin = false;
  };
  // Takes every tile of `moving` out of the tiling, as one undo step.
  void removeShapes();
  void finishRemoveShapes();
  // The undo of a removal: builds the tiles of the records again where they
  // stood, then glues exactly the joins the removal broke, with the group
  // flags both sides had. Sides that merely lie against each other stay as
  // they were: unglued.
  void restoreShapes(const std::vector<ShapeInfo>& infos, const std::vector<BrokenJoin>& joins = {});
  // Makes the group tile, and the clipboard, of the carried tiles; whether
  // one was made (not when the hovered tile is not among them, nor when their
  // outline does not close).
  bool makeMultiShapeFromMoving();

  // Gestures ------------------------------------------------------------------

  // Abandons the drag under way: the carried tiles go back, the release
  // commits nothing.
  void cancelDrag();
  // Escape, here and from the window: stops the hover's gesture.
  void cancelCurrentAction();
  // Picks the hovered tile alone (with Shift: adds it) and asks the window
  // for the colour popover.
  void rightMouseDown(const MouseEvent& event);
  // Prepares the tiles a drag from the press, a delete or a cut carries: the
  // hovered tile and its group, else the selection, and whatever hangs only
  // on them.
  void markShapes();
  // The tile part of a drag, at a point of the drawing.
  void dragShapes(const MouseEvent& event, Vec2 point);
  // Puts the carried tiles into the move layers (once per drag) and moves
  // them by the offset.
  void showMovingCopies(Vec2 offset);
  // The double-click resets of the page frame and of the underlay.
  void animateBoundsLayer();
  void animateImageLayer();
  // Give the underlay its picture's proportions back after one side moved;
  // the side the user dragged wins.
  void fitImageLayerWidth();
  void fitImageLayerHeight();

  // Group tiles ---------------------------------------------------------------

  // The carried or hovered tiles become the current tool.
  void pickUpShapes();
  // Gives the carried tiles back to the drawing at the end of a drag.
  void updateMoveDisplay();

  // Swapping tiles ------------------------------------------------------------

  // During a one-tile drag, flips a three-tile hexagon when the drag calls
  // for it; swapped says whether it did.
  void collectFourEdgeJoins(const std::shared_ptr<Shape>& shape, Vec2 offset, bool& swapped);
  // Flips the ring of tiles; false when they do not form a closed ring.
  bool swapShapes(const std::vector<std::shared_ptr<Shape>>& tiles);
  // The three four-sided, equal-sided tiles that close around the start
  // corner of edge, the edge's own tile first, then the one across edge,
  // then the third; empty when the corner is no such hexagon centre.
  std::vector<std::shared_ptr<Shape>> fourEdgeJoin(const std::shared_ptr<Edge>& edge) const;
  // Moves the tile so that its figure's centre lands on point.
  void moveShape(Shape& shape, Vec2 point, bool animated);
  // Where moveShape would put the tile; none when its placement is singular.
  static std::optional<AffineTransform> movedTo(const Shape& shape, Vec2 point);
  // Sets the tile's placement and brings its geometry, solid and layers along.
  void placeShape(Shape& shape, const AffineTransform& placement, bool animated);
  // Sets the ring's placements and glues its sides anew, as one undo step
  // whose undo restores the placements it found.
  void placeRing(const std::vector<std::shared_ptr<Shape>>& tiles, const std::vector<AffineTransform>& placements);

  // Keyboard commands -------------------------------------------------------

  // The arrow keys: step the hovered candidate through the candidates of its
  // kind on its side (Up, Down) or to the next free side along the outline
  // with one (Left, Right). True when a candidate is hovered afterwards;
  // false lets the window pass the key on.
  bool moveNeighborSelectionUp();
  bool moveNeighborSelectionDown();
  bool moveNeighborSelectionLeft();
  bool moveNeighborSelectionRight();
  // The pairs of glued tiles, by index, whose corners at a shared vertex make
  // neither a straight side nor a full turn; at most one pair per first tile.
  std::vector<std::pair<int, int>> irregularCorners() const;

  // Recolouring ---------------------------------------------------------------

  // Each recolours the selected tiles, or all tiles when none is selected,
  // one undo step with one refresh of the relief.
  void randomColors();
  void hueColorsByAngle();
  void hueColorsByEdgeAngle();
  // Black and white by a two-colouring of the tiles glued to the first one;
  // parity chooses which class is black.
  void blackOrWhiteColors(int parity);
  // White for the tiles glued to the first one.
  void whiteColors();
  // Where the random colours come from; tests give a seeded one.
  std::shared_ptr<RandomSource> randomSource = RandomSource::create();

  // Crossing display ------------------------------------------------------------

  // The pieces of the band of width w1 that pass over at the crossings,
  // reaching out to where the band of width w0 ends; empty for equal widths.
  Path crossingsPath(double w1, double w0);
  // The raised crossings of the relief, in the widest band's colour.
  std::shared_ptr<Geometry> crossingsGeometry();
  // The crossings the layers show, kept between edits.
  const KeptCrossings& keptCrossings() const { return keptCrossings_; }

  // Selection -----------------------------------------------------------------

  void selectShape(int index, Undo* undo);
  void deselectShape(int index, Undo* undo);
  void selectGroup(const std::shared_ptr<Shape>& shape, bool addToMoving, Undo* undo);
  void deselectGroup(const std::shared_ptr<Shape>& shape, bool addToMoving, Undo* undo);
  void selectColorRegion(const std::shared_ptr<Shape>& shape, Undo* undo);
  // Colours the tiles from the underlay picture.
  void colorShapesFromImage();
  // Selects the tiles whose corners do not close around a vertex.
  void selectIrregularCorners();
  // The standard select all: every tile; with Shift the selection inverted,
  // with Option none. One undo step.
  void selectAll();
  // Selects every tile from position first on, as one undo step.
  void selectAllFrom(int first, Undo& undo);
  // The record of a batch of selection changes: undo and redo of the batch
  // end with one rebuild of the mark layer.
  Undo selectionBatch();

  // Edit menu -----------------------------------------------------------------

  // Removes the hovered tile (with its group) or the selected tiles, with the
  // islands only they held to the rest: "Remove Shape(s)". (The menu's
  // delete action; delete is taken in C++.)
  void deleteShapes();
  // The same, two or more tiles becoming the group tool and clipboard first.
  void cut();
  // The hovered tile (with its group) or the selected tiles become the tool;
  // two or more become the group tool and the clipboard.
  void copy();
  // The clipboard group becomes the tool; senderTag 1 adds it to the tools.
  void paste(int senderTag);
  // Glues the selected tiles to each other, and unglues them. The undo puts
  // back exactly the flags each changed, not a fresh ungroup or group.
  void group();
  void ungroup();
  void invertColors();
  // The tools become their mirror images; with Shift they are added.
  void mirror();
  // The same with the current tools kept beside their mirror images, or not,
  // whatever keys are held (a typed "M" keeps them).
  void mirror(bool keepTools);
  // Selects the tiles of a kind that are in no group, of one orientation
  // class when variant is given; one undo step.
  void selectShapes(Shapes kind, std::optional<int> variant);
  // Selects every tile of the layer; one undo step.
  void selectLayer(int layerIndex);
  // Append the select-by-kind and the layer menus' items, made afresh from
  // the tiling each time the menu opens.
  void updateSelectMenu(std::vector<EditorMenuItem>& menu) const;
  void updateLayerMenu(std::vector<EditorMenuItem>& menu) const;
  // One item per orientation class of the kind's tiles; none without tiles.
  std::vector<EditorMenuItem> makeToolMenuItems(Shapes kind) const;
  // Between the flat drawing and the relief.
  void showDimension();
  // Closes the window's change-colours popover and colours the tiles from
  // the underlay.
  void changeColors();
  // A new untitled document in a window of its own.
  void newTab();
  // Whether the item is enabled now; sets its check mark and, for a figure's
  // tool item, its picture.
  bool validateMenuItem(EditorMenuItem& item) const;

  // DocumentEditor ------------------------------------------------------------

  Graph& graph() override { return *graph_; }
  const Graph& graph() const { return *graph_; }
  UndoManager* undoManager() override;
  Color shapeColor() const override { return shapeColor_; }
  void setShapeColor(const Color& color) override { shapeColor_ = color; }
  void shapeColorDidSet(const Color& previous) override;
  int layerIndex() const override { return layerIndex_; }
  void setLayerIndex(int index) override { layerIndex_ = index; }
  double scale() const override { return scale_; }
  void setScale(double scale) override { scale_ = scale; }
  bool animateScale() const override { return animateScale_; }
  double rotation() const override { return rotation_; }
  void setRotation(double degrees) override { rotation_ = degrees; }
  void setViewBackgroundColor(const Color& color) override;
  int dimension() const override { return dimension_; }
  void setDimension(int dimension) override { dimension_ = dimension; }
  CrossingStatus crossings() const override { return crossings_; }
  void setCrossings(CrossingStatus crossings) override { crossings_ = crossings; }

  // State ---------------------------------------------------------------------

  // The drawing's root. Drawn in tiles of 256 × 256 points by the Qt view,
  // which is a rendering matter; here it is a plain layer.
  const std::shared_ptr<Layer> layer = Layer::create();
  const std::shared_ptr<Layer> shapesLayer = Layer::create();
  const std::shared_ptr<Layer> borderLayer = Layer::create();
  const std::shared_ptr<Layer> borderLayer2 = Layer::create();
  const std::shared_ptr<Layer> borderLayer3 = Layer::create();
  const std::shared_ptr<ShapeLayer> crossingLayer = ShapeLayer::create();
  const std::shared_ptr<ShapeLayer> crossingLayer2 = ShapeLayer::create();
  const std::shared_ptr<Layer> moveLayer = Layer::create();
  const std::shared_ptr<Layer> moveShapesLayer = Layer::create();
  const std::shared_ptr<Layer> moveBorderLayer = Layer::create();
  const std::shared_ptr<Layer> moveBorderLayer2 = Layer::create();
  const std::shared_ptr<Layer> moveBorderLayer3 = Layer::create();
  bool dragged = false;
  bool ignoreDragging = false;
  bool cancelDragging = false;
  // The hovered tile or candidate, held weakly: an edit may remove or replace
  // it while it is hovered.
  std::weak_ptr<ShapeModel> selectedShape;
  Vec2 selectedPoint;
  Vec2 point2;
  Vec2 locationInWindow;
  // Whether the pointer is over the view, as its events last told: hovering
  // shows only what the user points at, and nothing before the pointer first
  // comes over the view.
  bool pointerInView = false;
  const std::shared_ptr<ShapeLayer> selectedLayer = ShapeLayer::create();
  const std::shared_ptr<ShapeLayer> selectedStrokeLayer = ShapeLayer::create();
  const std::shared_ptr<ShapeLayer> rubberbandLayer = ShapeLayer::create();
  Vec2 rubberbandOrigin;
  const std::shared_ptr<ShapeLayer> boundsLayer = ShapeLayer::create();
  bool registerUndoManualPageBounds = true;
  Rect manualPageBounds;
  std::shared_ptr<ShapeLayer> imageLayer;
  // The underlay's pixels, for colour sampling and its proportions.
  std::shared_ptr<const RgbaImage> bitmap;
  // The file the underlay was dropped from.
  std::optional<std::filesystem::path> imageURL;
  // The seams of pictures: reading a dropped file, drawing a snapshot, the
  // clipboard, and the relief's own snapshot (none until the relief view
  // gives one).
  std::shared_ptr<ImageDecoder> imageDecoder;
  std::shared_ptr<PictureRenderer> pictureRenderer;
  std::shared_ptr<Clipboard> clipboard;
  std::function<std::optional<RgbaImage>()> sceneSnapshot;
  const std::shared_ptr<ShapeLayer> markLayer = ShapeLayer::create();
  const std::shared_ptr<SceneNode> contentNode = SceneNode::create();
  std::shared_ptr<SceneNode> flatNode = SceneNode::create();
  std::shared_ptr<SceneNode> flatMarkNode = SceneNode::create();
  // Every tile's node and every mark node; never in the scene themselves.
  const std::shared_ptr<SceneNode> shapesNode = SceneNode::create();
  const std::shared_ptr<SceneNode> markNode = SceneNode::create();
  std::shared_ptr<SceneNode> flatMoveNode;
  const std::shared_ptr<SceneNode> crossingsNode = SceneNode::create();
  std::vector<std::shared_ptr<NeighborModel>> neighbors;
  std::vector<std::shared_ptr<Shape>> moving;
  bool isMoving = false;
  std::vector<std::shared_ptr<Shape>> added;
  std::vector<ShapeInfo> removed;
  // The joins the removal under way breaks.
  std::vector<BrokenJoin> removedJoins;
  // The free sides as segments on the 1/1024 grid, and the free sides.
  std::vector<Line> border;
  std::vector<std::shared_ptr<Edge>> borderEdges;
  DragAction dragAction = DragAction::ignore;
  void setAnimateScale(bool animate) { animateScale_ = animate; }
  double oldScale = 80.0;
  // Pan of the drawing in canvas units.
  double offsetX = 0.0;
  double offsetY = 0.0;
  // Points per canvas unit at zoom 20.
  double scaleFactor = 0.0025;
  const std::shared_ptr<Operations> operations;  // made by the constructor
  bool marked = false;
  ToolSet selectedTools{Shapes::sun8};
  std::shared_ptr<MultiShape> multiShape;
  bool markSelected = false;
  // Tiles per figure number; entry 0 stays 0.
  std::vector<int> counts = std::vector<int>(std::size_t(Shapes::caseCount) + 1, 0);
  bool borderLineStyle = false;
  bool needsUpdateNode = false;
  bool needsUpdateMarkNode = false;
  Rect oldViewFrame;
  bool scrollWheelIsRunning = false;
  const std::shared_ptr<Light> ambientLight = Light::create(LightType::ambient);
  const std::shared_ptr<Light> light = Light::create(LightType::omni);
  const std::shared_ptr<SceneNode> lightNode = SceneNode::create();
  // The mouse steering the relief's camera; the view draws from its camera
  // while it has one.
  CameraControl cameraControl;

private:
  ViewController(std::shared_ptr<ViewPort> viewPort, std::shared_ptr<InputState> inputState);

  bool tileNodesShown_ = false;
  // What page bounds snap to: the candidates' coordinates sorted, made when
  // first needed after an edit of the tiling or a turn of the view, so that a
  // frame drag over a large tiling looks up rather than walks every side.
  struct SnapTargets;
  mutable std::shared_ptr<const SnapTargets> snapTargets_;
  // Counts the edits that move tiles, to tell when the targets are stale.
  std::uint64_t tilingEdits_ = 0;
  // How far the drawing reaches beyond the tiling's turned box on either side
  // of each axis, kept until the tiling, the turn or the band settings change:
  // walking every tile's stroke on each view update would cost a large
  // tiling its speed.
  struct DrawnReach;
  std::shared_ptr<const DrawnReach> drawnReach_;
  // The crossings as the crossing layers last showed them, and the tiles an
  // edit appended since: a placement looks again only at the corners its
  // tiles reach instead of at every corner of the tiling.
  KeptCrossings keptCrossings_;
  std::optional<std::vector<std::shared_ptr<Shape>>> crossingsAppended_;

  friend class SelectOperation;

  ModifierFlags modifierFlags() const;
  // The arrow keys' steps and what they share: a candidate is usable unless
  // it overlaps the outline (the verdict is kept on it), and hovering one
  // fills the candidate lists around it.
  bool stepAlongSide(bool up);
  bool stepAlongOutline(bool left);
  bool isUsableCandidate(NeighborModel& candidate) const;
  void hoverCandidate(const std::shared_ptr<NeighborModel>& candidate);
  // The recolouring commands' frame: the tiles in scope, and the colouring
  // walk from the first tile through the joins.
  std::vector<std::shared_ptr<Shape>> recolorScope() const;
  template <typename Colouring>
  void recolor(Colouring colouring);
  template <typename Colouring>
  void recolorJoined(Colouring colouring);
  // The candidate searches of updateNeighbors.
  void searchSingleFigures(const std::vector<Shapes>& tools, Vec2 point);
  void searchGroup(Vec2 point);
  // Lets go of the group candidates of sides far from the point, except the
  // hovered one's, and stops the searches for such sides.
  void dropFarGroupCandidates(Vec2 point);
  // The group searches queued by searchGroup, until they are done.
  std::vector<std::shared_ptr<EdgeMultiNeighborsOperation>> groupSearches_;
  // A free side as a segment of the outline: its ends on the 1/1024 grid.
  static Line outlineLine(const Edge& edge);
  // The outline after tiles were appended: the first oldSides entries of
  // borderEdges are the outline before, the rest the new tiles' sides.
  void updateOutline(std::size_t oldSides);
  // Unglues every side of the tile from its neighbours; they redraw their
  // sides at once, or are appended to neighbours for the caller to redraw.
  // With broken, each join goes there as it breaks, with both sides' flags.
  // Frees a slice of the tiles that left the tiling; whether some are left.
  bool releaseDeparted();
  void breakJoins(Shape& shape, std::vector<std::shared_ptr<Shape>>* neighbours = nullptr,
                  std::vector<BrokenJoin>* broken = nullptr);
  // A restored tile takes its record's place, colour and settings.
  // The tiling takes the restored tiles as a batch of insertions.
  std::shared_ptr<Shape> restoreShape(const ShapeInfo& info, Graph::Insertions& tiling);
  // Takes the hover away when the view moves under the pointer.
  void clearHover();
  // Puts the copy in the place of the node it renews under contentNode, or
  // adds it there.
  void installFlatCopy(const std::shared_ptr<SceneNode>& old, const std::shared_ptr<SceneNode>& copy);
  // The relief's copies are rebuilt only while it shows, or when an export or
  // snapshot reads the scene; until then an edit only notes that they are due.
  void rebuildFlatNode();
  void rebuildFlatMarkNode();
  void refreshRelief();
  // The tiles' nodes under shapesNode, made when first needed, and a tile's
  // node added there once they are.
  void showTileNodes();
  // Where a tile's mark hangs: nowhere until the relief's tiles are made.
  std::shared_ptr<SceneNode> marksParent() const { return tileNodesShown_ ? markNode : nullptr; }
  void addTileNode(Shape& tile);
  // Canvas to rotated canvas coordinates.
  AffineTransform viewRotation() const;
  void configureLayerTree();
  // The document's three bands sorted by width.
  std::vector<LineAttribute> documentBands() const;
  // The attached document; none is a broken invariant.
  Document& requiredDocument() const;
  template <typename Setter>
  void updateSurface(double value, Setter set);
  // Sets the root's Euler angle about axis 0, 1 or 2 and turns the light.
  void updateLightAngle(int axis, double degrees);
  // What an underlay change undoes to: the picture, its file, rectangle and
  // frame; no picture for no underlay.
  struct Underlay {
    std::shared_ptr<const RgbaImage> picture;
    std::optional<std::filesystem::path> url;
    Rect bounds;
    std::optional<Path> frame;
  };
  Underlay currentUnderlay() const;
  // Puts an underlay state in place, registering the way back.
  void restoreUnderlay(const Underlay& underlay);
  void registerUnderlayUndo();
  // A new underlay layer with the underlay's look, beneath the drawing.
  std::shared_ptr<ShapeLayer> makeImageLayer(std::shared_ptr<const RgbaImage> picture, const Rect& bounds,
                                             std::optional<Path> frame);

  // Steps of the edit commands.
  //
  // The selected tiles' flags grouped or ungrouped; the flags that changed.
  std::vector<GroupFlag> changeGroupFlags(bool group);
  void regroup(bool group);
  // Sets the recorded flags to their before or after values, registering the
  // way back under the command's name.
  void setGroupFlags(const std::vector<GroupFlag>& flags, bool toBefore, std::string_view name);
  // One tile's colour before and after an inversion.
  struct ColorChange {
    int tile = 0;
    Color before;
    Color after;
  };
  // Sets the recorded colours to their before or after values, registering
  // the way back.
  void setInvertedColors(const std::vector<ColorChange>& changes, bool toBefore);
  // The outlines of the tiles and of those joined to them, the crossings and
  // the mark layer, after group flags changed.
  void refreshGroupOutlines(const std::vector<std::shared_ptr<Shape>>& tiles);
  void setDragActionForCommand(DragAction action);
  // A picked-up tile's colour, layer and mark as the tool's, undoably.
  void setToolSettings(const Color& color, int layerIndex, bool mark);

  std::shared_ptr<ViewPort> viewPort_;
  // Tiles that left the tiling, off the display and unglued, freed a slice at
  // a time once the view shows them gone: freeing a whole tiling with its
  // sides and layers takes longer than taking it out.
  std::vector<std::shared_ptr<Shape>> departed_;
  std::shared_ptr<InputState> inputState_;
  std::weak_ptr<Document> document_;
  std::weak_ptr<EditorWindowController> windowController_;
  std::shared_ptr<Graph> graph_;

  Rect pageBounds_;
  Rect snappedPageBounds_;
  bool animateScale_ = false;
  double scale_ = 20.0;
  double rotation_ = 0.0;
  int dimension_ = 2;
  CrossingStatus crossings_ = CrossingStatus::off;
  Color shapeColor_ = Color::white();
  int layerIndex_ = 0;
  std::optional<Camera> camera_;
  std::shared_ptr<SceneNode> cameraNode_;
  std::shared_ptr<SceneNode> rootNode_;
  // The root's Euler angles in radians.
  std::array<double, 3> lightAngles_{};
};

}  // namespace ornival
