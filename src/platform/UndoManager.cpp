#include "platform/UndoManager.h"

#include "platform/Precondition.h"

#include <algorithm>
#include <utility>

namespace ornival {

std::shared_ptr<UndoManager> UndoManager::create() { return std::shared_ptr<UndoManager>(new UndoManager()); }

bool UndoManager::Record::worthKeeping() const {
  return std::any_of(entries.begin(), entries.end(), [](const Entry& e) { return !e.refresh; });
}

void UndoManager::beginGroup() {
  if (level_++ == 0)
    open_.emplace();
}

void UndoManager::endGroup() {
  ORNIVAL_PRECONDITION(level_ > 0);
  if (--level_ > 0)
    return;
  Record record = std::move(*open_);
  open_.reset();
  // Undo and redo close their own records.
  ORNIVAL_PRECONDITION(phase_ == Phase::normal);
  if (!record.worthKeeping())
    return;
  undoStack_.push_back(std::move(record));
  redoStack_.clear();
}

void UndoManager::registerUndo(const void* target, Step step) { add(target, std::move(step), false); }

void UndoManager::registerRefresh(const void* target, Step step) { add(target, std::move(step), true); }

void UndoManager::add(const void* target, Step step, bool refresh) {
  if (!isUndoRegistrationEnabled())
    return;
  ORNIVAL_PRECONDITION(open_.has_value());
  ORNIVAL_PRECONDITION(step != nullptr);
  open_->entries.push_back({target, std::move(step), refresh});
}

void UndoManager::setActionName(std::string_view name) {
  if (!isUndoRegistrationEnabled() || !open_ || !open_->name.empty())
    return;
  open_->name = name;
}

void UndoManager::undo() { replay(undoStack_, redoStack_, Phase::undoing); }

void UndoManager::redo() { replay(redoStack_, undoStack_, Phase::redoing); }

void UndoManager::replay(std::vector<Record>& from, std::vector<Record>& to, Phase phase) {
  ORNIVAL_PRECONDITION(phase_ == Phase::normal && level_ <= 1);
  const bool inEventGroup = level_ == 1;
  if (inEventGroup)
    endGroup();
  if (!from.empty()) {
    Record record = std::move(from.back());
    from.pop_back();
    phase_ = phase;
    level_ = 1;
    // The opposite record carries the name of the one it reverses.
    open_.emplace();
    open_->name = record.name;
    for (auto it = record.entries.rbegin(); it != record.entries.rend(); ++it)
      it->step();
    // A step that opened a group must have closed it again.
    ORNIVAL_PRECONDITION(level_ == 1);
    Record opposite = std::move(*open_);
    open_.reset();
    level_ = 0;
    phase_ = Phase::normal;
    if (opposite.worthKeeping())
      to.push_back(std::move(opposite));
  }
  if (inEventGroup)
    beginGroup();
}

const UndoManager::Record* UndoManager::pendingRecord() const {
  if (phase_ == Phase::normal && level_ == 1 && open_->worthKeeping())
    return &*open_;
  return nullptr;
}

bool UndoManager::canUndo() const { return pendingRecord() || !undoStack_.empty(); }

bool UndoManager::canRedo() const { return !pendingRecord() && !redoStack_.empty(); }

std::string UndoManager::undoActionName() const {
  if (const Record* pending = pendingRecord())
    return pending->name;
  return undoStack_.empty() ? std::string() : undoStack_.back().name;
}

std::string UndoManager::redoActionName() const {
  return canRedo() ? redoStack_.back().name : std::string();
}

std::size_t UndoManager::undoCount() const { return undoStack_.size() + (pendingRecord() ? 1 : 0); }

void UndoManager::disableUndoRegistration() { ++disabled_; }

void UndoManager::enableUndoRegistration() {
  ORNIVAL_PRECONDITION(disabled_ > 0);
  --disabled_;
}

void UndoManager::removeAllActions() {
  ORNIVAL_PRECONDITION(phase_ == Phase::normal);
  undoStack_.clear();
  redoStack_.clear();
  if (open_)
    *open_ = Record();
}

void UndoManager::removeAllActions(const void* target) {
  ORNIVAL_PRECONDITION(phase_ == Phase::normal);
  const auto strip = [target](Record& record) {
    std::erase_if(record.entries, [target](const Entry& e) { return e.target == target; });
  };
  for (auto* stack : {&undoStack_, &redoStack_}) {
    for (Record& record : *stack)
      strip(record);
    std::erase_if(*stack, [](const Record& record) { return !record.worthKeeping(); });
  }
  if (open_)
    strip(*open_);
}

}  // namespace ornival
