#pragma once

// A document in its window with its editor, driven the way the window drives
// it: every input is one user event (one undo group) given in canvas units,
// and the main queue's blocks run after it, in a group of their own. The
// document's text comes through the writer, and checkInvariants looks at the
// whole editing state after any step.

#include "document/Document.h"
#include "editor/InputEvents.h"
#include "editor/ProcessTools.h"
#include "editor/ViewController.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Operations.h"
#include "model/Shape.h"
#include "platform/MainQueue.h"
#include "platform/UndoManager.h"
#include "support/EditorFakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace ornival::testing {

class EditorHarness {
public:
  struct Setup {
    // The tiles the document read, handed to the editor when it loads.
    std::vector<std::shared_ptr<Shape>> tiles;
    // Runs on the document before the editor loads it (settings read from a
    // file, say).
    std::function<void(Document&)> prepareDocument;
    // The tools the window restores.
    std::vector<Shapes> tools{Shapes::sun8};
  };

  EditorHarness() : EditorHarness(Setup{}) {}
  explicit EditorHarness(std::vector<std::shared_ptr<Shape>> tiles) : EditorHarness(withTiles(std::move(tiles))) {}
  explicit EditorHarness(Setup setup) {
    resetProcessTools();
    setMainQueue(mainQueue);
    view->undo = undoManager;
    view->controller = window;
    window->tools = std::move(setup.tools);
    document->setUndoManager(undoManager);
    document->setWindowController(window);
    editor->viewDidLoad();
    if (setup.prepareDocument)
      setup.prepareDocument(*document);
    document->model = std::move(setup.tiles);
    editor->loadDocument(document);
    mainQueue->drain();
  }

  ~EditorHarness() {
    // Workers hand their last blocks over before the queue goes.
    settle();
  }

  EditorHarness(const EditorHarness&) = delete;
  EditorHarness& operator=(const EditorHarness&) = delete;

  std::shared_ptr<ManualMainQueue> mainQueue = ManualMainQueue::create();
  std::shared_ptr<UndoManager> undoManager = UndoManager::create();
  std::shared_ptr<FakeInputState> input = std::make_shared<FakeInputState>();
  std::shared_ptr<FakeViewPort> view = std::make_shared<FakeViewPort>();
  std::shared_ptr<FakeEditorWindowController> window = std::make_shared<FakeEditorWindowController>();
  std::shared_ptr<Document> document = Document::create();
  std::shared_ptr<ViewController> editor = ViewController::create(view, input);

  // Canvas units to window points through the layers as they are shown, and
  // back.
  Vec2 windowPoint(Vec2 canvas) const { return editor->layer->convertTo(canvas, *view->viewLayer); }
  Vec2 canvasPoint(Vec2 windowPoint) const { return editor->layer->convertFrom(windowPoint, *view->viewLayer); }

  // Runs body as one user event, then what it queued on the main thread.
  template <typename Body>
  void event(Body body) {
    undoManager->beginGroup();
    body();
    undoManager->endGroup();
    undoManager->beginGroup();
    mainQueue->drain();
    undoManager->endGroup();
  }

  // Pointer and key events, at points of the canvas. A hover waits for the
  // hit test and the candidate searches it started, as a user who stops the
  // pointer would.
  void hover(Vec2 canvas, ModifierFlags modifiers = {}) {
    pointerEvent(canvas, modifiers, [&](const MouseEvent& e) { editor->mouseMoved(e); });
    settle();
  }
  // A move that does not wait for the hit test it starts.
  void move(Vec2 canvas, ModifierFlags modifiers = {}) {
    pointerEvent(canvas, modifiers, [&](const MouseEvent& e) { editor->mouseMoved(e); });
  }
  // The pointer leaves the view.
  void leave() {
    event([&] { editor->mouseExited(); });
  }
  // Runs what the editor's queues hand back to the main thread until they
  // are idle.
  void settle() {
    const auto& operations = *editor->operations;
    for (;;) {
      undoManager->beginGroup();
      mainQueue->drain();
      undoManager->endGroup();
      if (operations.selectQueue()->operationCount() == 0 && operations.neighborQueue()->operationCount() == 0 &&
          mainQueue->pendingCount() == 0)
        return;
      std::this_thread::yield();
    }
  }
  void press(Vec2 canvas, ModifierFlags modifiers = {}, int clickCount = 1) {
    pointerEvent(canvas, modifiers, [&](const MouseEvent& e) { editor->mouseDown(e); }, clickCount);
  }
  void drag(Vec2 canvas, ModifierFlags modifiers = {}) {
    pointerEvent(canvas, modifiers, [&](const MouseEvent& e) { editor->mouseDragged(e); });
  }
  void release(Vec2 canvas, ModifierFlags modifiers = {}, int clickCount = 1) {
    pointerEvent(canvas, modifiers, [&](const MouseEvent& e) { editor->mouseUp(e); }, clickCount);
  }
  void key(std::string characters, ModifierFlags modifiers = {}) {
    event([&] {
      input->flags = modifiers;
      editor->keyDown({std::move(characters), modifiers});
    });
  }
  // One wheel step; positive deltas away from the user.
  void scroll(double deltaY, ModifierFlags modifiers = {}, ScrollPhase phase = ScrollPhase::none,
              ScrollPhase momentumPhase = ScrollPhase::none) {
    event([&] {
      input->flags = modifiers;
      editor->scrollWheel({deltaY, modifiers, phase, momentumPhase});
    });
  }
  // A menu command or a toolbar action: one event with the keys held.
  template <typename Body>
  void command(Body body, ModifierFlags modifiers = {}) {
    event([&] {
      input->flags = modifiers;
      body(*editor);
    });
  }
  void undo() {
    event([&] { undoManager->undo(); });
  }
  void redo() {
    event([&] { undoManager->redo(); });
  }

  // The file text of the editor's tiles and the document's settings.
  std::string documentText() const { return document->documentText(editor->graph().shapes()); }

  // What must hold after every step of any edit.
  ::testing::AssertionResult checkInvariants() const {
    std::ostringstream faults;
    const ViewController& e = *editor;
    const auto& tiles = e.graph().shapes();

    std::vector<std::shared_ptr<Edge>> freeSides;
    for (std::size_t i = 0; i < tiles.size(); ++i) {
      const auto& tile = tiles[i];
      if (tile->index != int(i))
        faults << "tile at " << i << " has index " << tile->index << "\n";
      for (const auto& side : tile->edges()) {
        const auto partner = side->join.lock();
        if (!partner) {
          freeSides.push_back(side);
          continue;
        }
        if (partner->join.lock() != side)
          faults << "join of tile " << i << " side " << side->index() << " is one-sided\n";
        const auto other = partner->shape.lock();
        // A tile of the tiling is where its index says (checked above for
        // every tile): looking there keeps this check linear.
        if (other == tile)
          faults << "tile " << i << " is joined to itself\n";
        else if (!other || other->index < 0 || std::size_t(other->index) >= tiles.size() ||
                 tiles[std::size_t(other->index)] != other)
          faults << "tile " << i << " side " << side->index() << " is joined outside the tiling\n";
      }
    }
    if (e.borderEdges != freeSides)
      faults << "border edges (" << e.borderEdges.size() << ") differ from the free sides (" << freeSides.size()
             << ")\n";
    if (e.border.size() != e.borderEdges.size()) {
      faults << "border has " << e.border.size() << " lines for " << e.borderEdges.size() << " edges\n";
    } else {
      const auto grid = [](Vec2 p) { return Vec2{std::round(p.x * 1024.0) / 1024.0, std::round(p.y * 1024.0) / 1024.0}; };
      for (std::size_t i = 0; i < e.border.size(); ++i) {
        const auto& side = e.borderEdges[i];
        if (e.border[i] != Line{grid(side->transformedVertex()), grid(side->transformedEnd())})
          faults << "border line " << i << " is not its edge on the grid\n";
      }
    }
    if (e.counts != e.graph().countPerTool())
      faults << "counts differ from the tiles per figure\n";

    // Tiles being dragged show in the move layers, all others in the tiling's.
    std::size_t placedCount = 0;
    std::size_t movingCount = 0;
    for (std::size_t i = 0; i < tiles.size(); ++i) {
      const auto& tile = tiles[i];
      const bool carried =
          e.isMoving && std::find(e.moving.begin(), e.moving.end(), tile) != e.moving.end();
      ++(carried ? movingCount : placedCount);
      const std::shared_ptr<Layer> containers[] = {
          carried ? e.moveShapesLayer : e.shapesLayer, carried ? e.moveBorderLayer : e.borderLayer,
          carried ? e.moveBorderLayer2 : e.borderLayer2, carried ? e.moveBorderLayer3 : e.borderLayer3};
      const std::shared_ptr<Layer> layers[] = {tile->layer(), tile->borderLayer(), tile->borderLayer2(),
                                               tile->borderLayer3()};
      for (int k = 0; k < 4; ++k) {
        if (layers[k]->superlayer() != containers[k])
          faults << "tile " << i << " layer " << k << " is not in its container\n";
      }
      // A carried tile's node hangs under the drag's own group node; the
      // flat view makes none until the relief asks.
      if (e.tileNodesShown() && (tile->node()->parentNode() == e.shapesNode) == carried)
        faults << "tile " << i << (carried ? " node is carried but still under the shapes node\n"
                                           : " node is not under the shapes node\n");
    }
    const auto strays = [&](const std::shared_ptr<Layer>& container, std::size_t expected, const char* name) {
      if (container->sublayers().size() != expected)
        faults << name << " holds " << container->sublayers().size() << " layers for " << expected << " tiles\n";
    };
    strays(e.shapesLayer, placedCount, "shapesLayer");
    strays(e.borderLayer, placedCount, "borderLayer");
    strays(e.borderLayer2, placedCount, "borderLayer2");
    strays(e.borderLayer3, placedCount, "borderLayer3");
    strays(e.moveShapesLayer, movingCount, "moveShapesLayer");
    if (e.shapesNode->childNodes().size() != (e.tileNodesShown() ? placedCount : 0))
      faults << "shapes node holds " << e.shapesNode->childNodes().size() << " nodes for " << placedCount
             << " tiles\n";

    const std::string found = faults.str();
    if (found.empty())
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << found;
  }

private:
  static Setup withTiles(std::vector<std::shared_ptr<Shape>> tiles) {
    Setup setup;
    setup.tiles = std::move(tiles);
    return setup;
  }

  template <typename Handler>
  void pointerEvent(Vec2 canvas, ModifierFlags modifiers, Handler handler, int clickCount = 1) {
    event([&] {
      input->flags = modifiers;
      view->pointer = windowPoint(canvas);
      handler(MouseEvent{view->pointer, modifiers, clickCount});
    });
  }
};

}  // namespace ornival::testing
