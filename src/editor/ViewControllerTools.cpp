// The tools new tiles are made of, with undo, and the tile counts that the
// toolbar and the catalogue browser show.

#include "editor/ViewController.h"

#include "editor/EditorWindowController.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Operations.h"
#include "platform/Localization.h"
#include "platform/NumberText.h"
#include "platform/UndoManager.h"

#include <algorithm>

namespace ornival {
namespace {

std::vector<Shapes> asArray(const ToolSet& tools) { return {tools.begin(), tools.end()}; }

// Names the step unless it is being undone: the record then carries the name
// of what it reverses.
void nameAction(UndoManager* undo, const char* name) {
  if (undo && !undo->isUndoing())
    undo->setActionName(localized("Undo", name));
}

// Cached candidates of the chosen kinds are tested against the outline anew;
// those of other kinds keep their marks.
void recheckCandidates(const std::vector<std::shared_ptr<Edge>>& freeSides, const std::vector<Shapes>& tools) {
  for (const auto& edge : freeSides) {
    for (auto& [kind, candidates] : edge->neighbors) {
      if (std::find(tools.begin(), tools.end(), kind) == tools.end())
        continue;
      for (const auto& candidate : candidates)
        candidate->setChecked(Checked::unknown);
    }
  }
}

}  // namespace

void ViewController::selectTools(const std::vector<Shapes>& tools) {
  registerUndoStep([previous = asArray(selectedTools)](ViewController& editor) { editor.selectTools(previous); });
  nameAction(undoManager(), ORNIVAL_TEXT("Undo", "Select Tools"));
  selectedTools = ToolSet(tools.begin(), tools.end());
  if (const auto window = windowController())
    window->setSelectedTools(tools);
  if (graph_->shapes().empty())
    rebuildNeighborModels();
  recheckCandidates(borderEdges, tools);
  select(selectedPoint);
}

void ViewController::addTools(const std::vector<Shapes>& tools) {
  // Undo takes away only what this call added: a tool that was selected
  // already stays selected.
  std::vector<Shapes> newlyAdded;
  for (const Shapes kind : tools) {
    if (!selectedTools.contains(kind) &&
        std::find(newlyAdded.begin(), newlyAdded.end(), kind) == newlyAdded.end())
      newlyAdded.push_back(kind);
  }
  registerUndoStep([newlyAdded](ViewController& editor) { editor.removeTools(newlyAdded); });
  nameAction(undoManager(), ORNIVAL_TEXT("Undo", "Add Tools"));
  selectedTools.insert(tools.begin(), tools.end());
  if (const auto window = windowController())
    window->setSelectedTools(asArray(selectedTools));
  if (graph_->shapes().empty())
    rebuildNeighborModels();
  recheckCandidates(borderEdges, tools);
  select(selectedPoint);
}

void ViewController::removeTools(const std::vector<Shapes>& tools) {
  // Likewise, undo brings back only what this call took away.
  std::vector<Shapes> taken;
  for (const Shapes kind : tools) {
    if (selectedTools.contains(kind) && std::find(taken.begin(), taken.end(), kind) == taken.end())
      taken.push_back(kind);
  }
  registerUndoStep([taken](ViewController& editor) { editor.addTools(taken); });
  nameAction(undoManager(), ORNIVAL_TEXT("Undo", "Remove Tools"));
  for (const Shapes kind : taken)
    selectedTools.erase(kind);
  if (const auto window = windowController())
    window->setSelectedTools(asArray(selectedTools));
  if (graph_->shapes().empty())
    rebuildNeighborModels();
  select(selectedPoint);
}

void ViewController::selectTool(Shapes kind) {
  operations->selectQueue()->cancelAllOperations();
  if (modifierFlags().shift) {
    if (!selectedTools.contains(kind))
      addTools({kind});
    return;
  }
  if (selectedTools.size() == 1 && selectedTools.contains(kind))
    return;
  selectTools({kind});
}

void ViewController::updateCounts() {
  const auto window = windowController();
  if (window)
    window->setCountTitle(formatInteger(std::int64_t(graph_->shapes().size())));
  counts = graph_->countPerTool();
  if (window) {
    for (const Shapes kind : Shapes::allButLast())
      window->updateToolLabel(kind, counts[std::size_t(kind.rawValue())]);
    window->refreshCatalogueBrowser();
  }
  updateCrossingLayers();
}

}  // namespace ornival
