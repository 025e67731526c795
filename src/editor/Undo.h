#pragma once

#include <functional>

namespace ornival {

// What the steps of one batch edit share, so that the batch is one undo step
// with one refresh: the first step to register an undo action runs `before`
// just before it does (the refresh that must come last when the batch is
// undone), and the record runs `after` when it goes, once something was
// registered. Steps that undo or redo single edits are registered without a
// record. Owned by whatever runs the batch, on the main thread.
class Undo {
public:
  Undo(std::function<void()> before, std::function<void()> after)
      : before_(std::move(before)), after_(std::move(after)) {}
  ~Undo();
  Undo(const Undo&) = delete;
  Undo& operator=(const Undo&) = delete;

  // True until a step of the batch registered an undo action.
  bool first() const { return first_; }
  // Called by a step right before it registers: the first call runs `before`.
  void willRegister();

private:
  bool first_ = true;
  std::function<void()> before_;
  std::function<void()> after_;
};

// For steps that take an optional record.
inline void willRegister(Undo* undo) {
  if (undo)
    undo->willRegister();
}

}  // namespace ornival
