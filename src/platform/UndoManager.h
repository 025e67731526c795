#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornival {

// The undo and redo stacks of one document window.
//
// An undo step is a closure registered with a target (the object it acts on,
// only an identity here). Everything registered while a group is open forms
// one undo record; undoing runs its steps last-registered-first. The window
// opens one group per user event (input event, menu or toolbar action, key)
// and closes it after dispatch, so that one user action is undone as one.
//
// While undoing, what the steps register becomes the matching redo record;
// while redoing, it becomes an undo record again and the redo stack stays.
// Any other record that is kept clears the redo stack.
//
// Two rules keep the stacks meaningful for the editor:
// - Within one record the first action name set wins. An edit often ends with
//   a follow-up step of its own name (the page frame after "Add Shape", the
//   tools after a cut); the record is named after what the user did.
// - Refresh steps only bring the display up to date in the other direction.
//   A record of refresh steps alone is dropped and leaves the redo stack
//   alone: otherwise merely moving the pointer after an undo, which refreshes
//   the display, would throw the redo stack away. Empty records are dropped
//   as well.
//
// Main thread only.
class UndoManager {
public:
  using Step = std::function<void()>;

  static std::shared_ptr<UndoManager> create();
  virtual ~UndoManager() = default;
  UndoManager(const UndoManager&) = delete;
  UndoManager& operator=(const UndoManager&) = delete;

  // Groups nest; the outermost one makes the record.
  void beginGroup();
  void endGroup();
  int groupingLevel() const { return level_; }

  // Registering needs an open group (the window's event group, or the record
  // that an undo or redo is forming) unless registration is switched off, when
  // the step is dropped.
  void registerUndo(const void* target, Step step);
  void registerRefresh(const void* target, Step step);

  // Names the open record unless it has a name already. Ignored while
  // registration is off and while no group is open.
  void setActionName(std::string_view name);

  // Undoes the newest record. Called from inside the window's event group,
  // that group is closed first, so that a record still forming is what gets
  // undone, and a fresh one is opened after for the caller to close. Deeper
  // nesting, and a call from within an undo or redo, is a programming error.
  void undo();
  void redo();

  // What undo() and redo() would act on, the open event group included.
  bool canUndo() const;
  bool canRedo() const;
  std::string undoActionName() const;
  std::string redoActionName() const;
  std::size_t undoCount() const;
  std::size_t redoCount() const { return redoStack_.size(); }

  bool isUndoing() const { return phase_ == Phase::undoing; }
  bool isRedoing() const { return phase_ == Phase::redoing; }

  // A counter: registration is on again after as many enables as disables.
  void disableUndoRegistration();
  void enableUndoRegistration();
  bool isUndoRegistrationEnabled() const { return disabled_ == 0; }

  // Empties both stacks and the open group; not while undoing or redoing.
  void removeAllActions();
  // Takes out the target's steps; records left without a step that is not a
  // refresh are dropped.
  void removeAllActions(const void* target);

protected:
  UndoManager() = default;

private:
  enum class Phase { normal, undoing, redoing };

  struct Entry {
    const void* target = nullptr;
    Step step;
    bool refresh = false;
  };
  struct Record {
    std::vector<Entry> entries;
    std::string name;
    // Whether anything but refresh steps is in it: only then is it kept.
    bool worthKeeping() const;
  };

  void add(const void* target, Step step, bool refresh);
  void replay(std::vector<Record>& from, std::vector<Record>& to, Phase phase);
  const Record* pendingRecord() const;

  std::vector<Record> undoStack_;
  std::vector<Record> redoStack_;
  std::optional<Record> open_;
  int level_ = 0;
  int disabled_ = 0;
  Phase phase_ = Phase::normal;
};

}  // namespace ornival
