// The edit commands (delete, cut, copy, paste, group, ungroup, invert,
// mirror), the select and layer menus the editor fills, and the validation of
// the items it answers. Copy and paste never touch the system clipboard: the
// clipboard is the one group tile every window shares.

#include "editor/ViewController.h"

#include "editor/EditorWindowController.h"
#include "editor/Undo.h"
#include "editor/ViewPort.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/Shape.h"
#include "platform/Localization.h"
#include "platform/NumberText.h"
#include "platform/ShapeLayer.h"
#include "platform/UndoManager.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <unordered_set>

namespace ornival {
namespace {

// The hovered object when it is a tile of the tiling (not a candidate, not a
// tile already taken out).
std::shared_ptr<Shape> hoveredTile(const ViewController& editor) {
  const auto tile = std::dynamic_pointer_cast<Shape>(editor.selectedShape.lock());
  if (!tile)
    return nullptr;
  const auto& tiles = editor.graph().shapes();
  if (tile->index < 0 || std::size_t(tile->index) >= tiles.size() || tiles[std::size_t(tile->index)] != tile)
    return nullptr;
  return tile;
}

// The hovered tile with its group, when it is not selected; else none.
std::vector<std::shared_ptr<Shape>> hoveredGroup(const ViewController& editor) {
  const auto tile = hoveredTile(editor);
  if (!tile || tile->marked)
    return {};
  std::vector<std::shared_ptr<Shape>> group{tile};
  editor.graph().collectGroup(tile, group);
  return group;
}

TilePicture pictureOf(const Shape& tile, double rotationDegrees) {
  const AffineTransform& t = tile.transformation;
  return {tile.figure(), tile.shapeColor(), std::atan2(t.b, t.a) + rotationDegrees * std::numbers::pi / 180.0, 64};
}

bool hasGroupJoin(const Shape& tile) {
  return std::any_of(tile.edges().begin(), tile.edges().end(), [](const auto& edge) { return edge->isGroupJoin; });
}

}  // namespace

void ViewController::setDragActionForCommand(DragAction action) {
  if (dragAction == action)
    return;
  dragAction = action;
  if (viewPort_->hasWindow())
    viewPort_->invalidateCursorRects();
}

void ViewController::deleteShapes() {
  // The same tiles a drag from the pointer would carry.
  markShapes();
  setDragActionForCommand(DragAction::remove);
  removeShapes();
  updateDragAction(false);
}

void ViewController::cut() {
  markShapes();
  setDragActionForCommand(DragAction::cutAndPaste);
  removeShapes();
  updateDragAction(false);
}

void ViewController::copy() {
  auto tiles = hoveredGroup(*this);
  if (tiles.empty()) {
    for (const auto& tile : graph_->shapes()) {
      if (tile->marked)
        tiles.push_back(tile);
    }
  }
  moving = std::move(tiles);
  setDragActionForCommand(DragAction::copy);
  pickUpShapes();
  updateDragAction(false);
}

void ViewController::paste(int senderTag) {
  bool changed = false;
  const auto clipboardGroup = MultiShape::current();
  if (clipboardGroup && clipboardGroup != multiShape) {
    multiShape = clipboardGroup;
    cancelMultiNeighbors();
    changed = true;
  }
  if (!multiShape)
    return;
  bool toolsChanged = false;
  if (senderTag == 1 && !selectedTools.contains(Shapes::multi)) {
    addTools({Shapes::multi});
    toolsChanged = true;
  } else if (!(selectedTools.size() == 1 && selectedTools.contains(Shapes::multi))) {
    selectTools({Shapes::multi});
    toolsChanged = true;
  }
  if (!toolsChanged && !changed)
    return;
  if (graph_->shapes().empty())
    rebuildNeighborModels();
  select(selectedPoint);
  // In an empty drawing the group is laid down at once, wherever the
  // pointer is.
  if (graph_->shapes().empty() && selectedTools.size() == 1) {
    hover(selectedPoint);
    placeCandidate();
    select(selectedPoint);
  }
}

std::vector<ViewController::GroupFlag> ViewController::changeGroupFlags(bool group) {
  std::vector<GroupFlag> changes;
  for (const auto& tile : graph_->shapes()) {
    if (!tile->marked)
      continue;
    for (const auto& edge : tile->edges()) {
      bool wanted = false;
      if (group) {
        const auto partner = edge->join.lock();
        const auto other = partner ? partner->shape.lock() : nullptr;
        if (!other || !other->marked)
          continue;
        wanted = true;
      }
      if (edge->isGroupJoin != wanted) {
        changes.push_back({tile->index, edge->index(), edge->isGroupJoin});
        edge->isGroupJoin = wanted;
      }
      // Ungrouping clears the flag on the far side of a join towards an
      // unselected tile too: a join grouped on one side only is grouped again
      // wherever the tiles are glued anew (reading the file, restoring a
      // removed neighbour), so the ungroup would not last.
      if (group)
        continue;
      const auto partner = edge->join.lock();
      const auto other = partner ? partner->shape.lock() : nullptr;
      if (other && !other->marked && partner->isGroupJoin) {
        changes.push_back({other->index, partner->index(), true});
        partner->isGroupJoin = false;
      }
    }
  }
  return changes;
}

void ViewController::setGroupFlags(const std::vector<GroupFlag>& flags, bool toBefore, std::string_view name) {
  registerRefreshStep([](ViewController& editor) { editor.updateMarkLayer(); });
  // The way back sets the other side of each record: exactly the flags this
  // step changed, whatever else was grouped before or since.
  if (UndoManager* undo = undoManager()) {
    registerUndoStep([flags, toBefore, name = std::string(name)](ViewController& editor) {
      editor.setGroupFlags(flags, !toBefore, name);
    });
    if (!undo->isUndoing())
      undo->setActionName(localized("Undo", name.data()));
  }
  const auto& tiles = graph_->shapes();
  std::vector<std::shared_ptr<Shape>> touched;
  for (const auto& flag : flags) {
    if (flag.tile < 0 || std::size_t(flag.tile) >= tiles.size())
      continue;
    const auto& tile = tiles[std::size_t(flag.tile)];
    if (flag.edge < 0 || std::size_t(flag.edge) >= tile->edges().size())
      continue;
    tile->edges()[std::size_t(flag.edge)]->isGroupJoin = toBefore ? flag.before : !flag.before;
    if (std::find(touched.begin(), touched.end(), tile) == touched.end())
      touched.push_back(tile);
  }
  refreshGroupOutlines(touched);
}

void ViewController::refreshGroupOutlines(const std::vector<std::shared_ptr<Shape>>& tiles) {
  if (!tiles.empty()) {
    // A tile's outline turns round its corners through its neighbours'
    // group flags too.
    std::vector<std::shared_ptr<Shape>> repath;
    // Each tile once, found in constant time: an undo may hand over every
    // tile of the tiling.
    std::unordered_set<const Shape*> listed;
    const auto add = [&repath, &listed](const std::shared_ptr<Shape>& tile) {
      if (tile && listed.insert(tile.get()).second)
        repath.push_back(tile);
    };
    for (const auto& tile : tiles) {
      add(tile);
      for (const auto& edge : tile->edges()) {
        if (const auto partner = edge->join.lock())
          add(partner->shape.lock());
      }
    }
    for (const auto& tile : repath)
      tile->animatePaths(false);
    updateCrossingLayers();
  }
  updateMarkLayer();
}

void ViewController::regroup(bool group) {
  registerRefreshStep([](ViewController& editor) { editor.updateMarkLayer(); });
  const auto changes = changeGroupFlags(group);
  const std::string_view name = group ? ORNIVAL_TEXT("Undo", "Group Shapes") : ORNIVAL_TEXT("Undo", "Ungroup Shapes");
  if (UndoManager* undo = undoManager()) {
    registerUndoStep([changes, name = std::string(name)](ViewController& editor) {
      editor.setGroupFlags(changes, true, name);
    });
    if (!undo->isUndoing())
      undo->setActionName(localized("Undo", name.data()));
  }
  std::vector<std::shared_ptr<Shape>> touched;
  for (const auto& change : changes) {
    const auto& tile = graph_->shapes()[std::size_t(change.tile)];
    if (std::find(touched.begin(), touched.end(), tile) == touched.end())
      touched.push_back(tile);
  }
  refreshGroupOutlines(touched);
}

void ViewController::group() { regroup(true); }

void ViewController::ungroup() { regroup(false); }

void ViewController::invertColors() {
  const auto& tiles = graph_->shapes();
  std::vector<Color> before;
  before.reserve(tiles.size());
  for (const auto& tile : tiles)
    before.push_back(tile->shapeColor());
  graph_->invertColors();
  // Inverting again gives the old colours back only up to rounding: the way
  // back sets the colours the command found.
  std::vector<ColorChange> changes;
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    if (!(tiles[i]->shapeColor() == before[i]))
      changes.push_back({int(i), before[i], tiles[i]->shapeColor()});
  }
  setInvertedColors(changes, false);
}

void ViewController::setInvertedColors(const std::vector<ColorChange>& changes, bool toBefore) {
  registerRefreshStep([](ViewController& editor) { editor.updateFlatNode(); });
  if (UndoManager* undo = undoManager()) {
    registerUndoStep([changes, toBefore](ViewController& editor) { editor.setInvertedColors(changes, !toBefore); });
    if (!undo->isUndoing())
      undo->setActionName(localized("Undo", "Invert Colors"));
  }
  const auto& tiles = graph_->shapes();
  for (const auto& change : changes) {
    if (change.tile >= 0 && std::size_t(change.tile) < tiles.size())
      tiles[std::size_t(change.tile)]->setShapeColor(toBefore ? change.before : change.after);
  }
  updateFlatNode();
}

void ViewController::mirror() { mirror(modifierFlags().shift); }

void ViewController::mirror(bool keepTools) {
  operations->neighborQueue()->cancelAllOperations();
  const auto mirrored = mirroredTools();
  ToolSet tools(mirrored.begin(), mirrored.end());
  if (keepTools)
    tools.insert(selectedTools.begin(), selectedTools.end());
  if (multiShape && selectedTools.contains(Shapes::multi)) {
    // A group whose image does not close keeps its old form.
    if (auto image = multiShape->mirrored(); image && image != multiShape) {
      multiShape = std::move(image);
      cancelMultiNeighbors();
    }
  }
  selectTools({tools.begin(), tools.end()});
  select(selectedPoint);
}

void ViewController::selectShapes(Shapes kind, std::optional<int> variant) {
  Undo undo = selectionBatch();
  const auto& tiles = graph_->shapes();
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    const auto& tile = tiles[i];
    if (tile->figure()->tool() != kind || hasGroupJoin(*tile))
      continue;
    if (variant && tile->variant() != *variant)
      continue;
    selectShape(int(i), &undo);
  }
}

void ViewController::selectLayer(int layerIndex) {
  Undo undo = selectionBatch();
  const auto& tiles = graph_->shapes();
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    if (tiles[i]->layerIndex == layerIndex)
      selectShape(int(i), &undo);
  }
}

void ViewController::updateSelectMenu(std::vector<EditorMenuItem>& menu) const {
  std::vector<Shapes> kinds;
  for (const Shapes kind : Shapes::allCases()) {
    const auto at = std::size_t(kind.rawValue());
    if (at < counts.size() && counts[at] >= 1)
      kinds.push_back(kind);
  }
  std::stable_sort(kinds.begin(), kinds.end(), [this](Shapes a, Shapes b) {
    return counts[std::size_t(a.rawValue())] > counts[std::size_t(b.rawValue())];
  });
  for (const Shapes kind : kinds) {
    const auto& figure = Shapes::figures()[std::size_t(kind.rawValue() - Shapes::firstRawValue)];
    EditorMenuItem item;
    item.title = figure->name();
    item.action = "selectShapes";
    item.kind = kind;
    item.image = figure->image();
    item.submenu = makeToolMenuItems(kind);
    menu.push_back(std::move(item));
  }
}

std::vector<EditorMenuItem> ViewController::makeToolMenuItems(Shapes kind) const {
  std::map<int, std::shared_ptr<Shape>> firstPerVariant;
  for (const auto& tile : graph_->shapes()) {
    if (tile->figure()->tool() == kind)
      firstPerVariant.try_emplace(tile->variant(), tile);
  }
  std::vector<EditorMenuItem> items;
  for (const auto& [variant, tile] : firstPerVariant) {
    EditorMenuItem item;
    item.action = "selectShapes";
    item.kind = kind;
    item.variant = variant;
    item.picture = pictureOf(*tile, rotation_);
    items.push_back(std::move(item));
  }
  return items;
}

void ViewController::updateLayerMenu(std::vector<EditorMenuItem>& menu) const {
  std::map<int, std::shared_ptr<Shape>> firstPerLayer;
  for (const auto& tile : graph_->shapes())
    firstPerLayer.try_emplace(tile->layerIndex, tile);
  for (const auto& [layerIndex, tile] : firstPerLayer) {
    EditorMenuItem item;
    item.title = formatInteger(layerIndex);
    item.action = "selectLayer";
    item.layer = layerIndex;
    item.picture = pictureOf(*tile, rotation_);
    menu.push_back(std::move(item));
  }
}

void ViewController::showDimension() {
  const int previous = dimension_;
  dimension_ = previous == 3 ? 2 : 3;
  dimensionDidSet(previous);
}

void ViewController::changeColors() {
  if (const auto window = windowController())
    window->closeChangeColors();
  colorShapesFromImage();
}

// Qt has no native window tabs: the new document opens in a window of its
// own.
void ViewController::newTab() {
  if (const auto window = windowController())
    window->openUntitledDocument();
}

bool ViewController::validateMenuItem(EditorMenuItem& item) const {
  if (item.action == "paste") {
    const auto clipboardGroup = MultiShape::current();
    if (!clipboardGroup)
      return false;
    if (!(selectedTools.size() == 1 && selectedTools.contains(Shapes::multi)))
      return true;
    return clipboardGroup != multiShape;
  }
  if (item.action == "selectTool") {
    const auto& figures = Shapes::figures();
    if (const auto kind = Shapes::init(item.tag);
        kind && std::size_t(kind->rawValue() - Shapes::firstRawValue) < figures.size()) {
      const auto image = figures[std::size_t(kind->rawValue() - Shapes::firstRawValue)]->image();
      if (item.image != image)
        item.image = image;
    }
  } else if (item.action == "removeImage") {
    return imageLayer != nullptr;
  } else if (item.action == "showDimension") {
    item.checked = dimension_ == 3;
    return true;
  }
  item.checked = std::any_of(selectedTools.begin(), selectedTools.end(),
                             [&item](Shapes kind) { return kind.rawValue() == item.tag; });
  return true;
}

}  // namespace ornival
