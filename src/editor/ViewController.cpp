#include "editor/ViewController.h"

#include "document/Document.h"
#include "editor/EditorWindowController.h"
#include "editor/ProcessTools.h"
#include "editor/ViewPort.h"
#include "model/Graph.h"
#include "model/Operations.h"
#include "platform/Precondition.h"
#include "platform/UndoManager.h"

#include <algorithm>

namespace ornival {

std::shared_ptr<ViewController> ViewController::create(std::shared_ptr<ViewPort> viewPort,
                                                       std::shared_ptr<InputState> inputState) {
  return std::shared_ptr<ViewController>(new ViewController(std::move(viewPort), std::move(inputState)));
}

ViewController::ViewController(std::shared_ptr<ViewPort> viewPort, std::shared_ptr<InputState> inputState)
    : operations(Operations::create()),
      viewPort_(std::move(viewPort)),
      inputState_(std::move(inputState)),
      graph_(Graph::create()) {
  ORNIVAL_PRECONDITION(viewPort_ != nullptr && inputState_ != nullptr);
}

// The editor's end releases what it holds and nothing else; the window
// controller has cancelled its queues by then.
ViewController::~ViewController() = default;

UndoManager* ViewController::undoManager() { return viewPort_->undoManager().get(); }

ModifierFlags ViewController::modifierFlags() const { return inputState_->modifierFlags(); }

ItemStatus ViewController::toolStatus(Shapes kind) const {
  const auto contains = [kind](const std::vector<Shapes>& tools) {
    return std::find(tools.begin(), tools.end(), kind) != tools.end();
  };
  if (counts[std::size_t(kind.rawValue())] > 0)
    return ItemStatus::used;
  if (contains(recentTools()))
    return ItemStatus::recent;
  if (contains(removedTools()))
    return ItemStatus::removed;
  return ItemStatus::unused;
}

std::vector<Shapes> ViewController::mirroredTools() const {
  const auto& mirrors = Shapes::mirrors();
  std::vector<Shapes> tools;
  tools.reserve(selectedTools.size());
  for (const Shapes kind : selectedTools) {
    const auto mirror = mirrors.find(kind);
    tools.push_back(mirror == mirrors.end() ? kind : mirror->second);
  }
  return tools;
}

void ViewController::registerUndoStep(std::function<void(ViewController&)> step) {
  UndoManager* undo = undoManager();
  if (!undo)
    return;
  undo->registerUndo(this, [weakSelf = weak_from_this(), step = std::move(step)] {
    if (const auto self = weakSelf.lock())
      step(*self);
  });
}

void ViewController::registerRefreshStep(std::function<void(ViewController&)> step) {
  UndoManager* undo = undoManager();
  if (!undo)
    return;
  undo->registerRefresh(this, [weakSelf = weak_from_this(), step = std::move(step)] {
    if (const auto self = weakSelf.lock())
      step(*self);
  });
}

void ViewController::shapeColorDidSet(const Color& previous) {
  if (shapeColor_ == previous)
    return;
  const auto document = this->document();
  ORNIVAL_PRECONDITION(document != nullptr);
  // Only the display follows the colour back; the document's setter owns the
  // undo of the colour itself.
  registerRefreshStep([](ViewController& editor) { editor.updateFlatNode(); });
  document->didChangeValue("shapeColor");
  if (viewPort_->hasWindow() && dragAction == DragAction::color)
    viewPort_->invalidateCursorRects();
  const auto window = windowController();
  if (window)
    window->setShapeColor(shapeColor_);
  updateFlatNode();
  if (window)
    window->updateSurfaceScene();
}

void ViewController::setViewBackgroundColor(const Color& color) { viewPort_->setBackgroundColor(color); }

// Input ------------------------------------------------------------------------


}  // namespace ornival
