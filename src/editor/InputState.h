#pragma once

namespace ornival {

// The modifier keys held, as the main thread saw them with the last event. A
// worker never asks for them: it is handed the values it needs.
struct ModifierFlags {
  bool shift = false;
  bool control = false;
  bool option = false;
  bool command = false;

  bool operator==(const ModifierFlags&) const = default;
};

// Where the editor reads the keys held outside an event of its own (a menu
// command, a setting that snaps the page frame). Main thread only.
class InputState {
public:
  virtual ~InputState() = default;
  virtual ModifierFlags modifierFlags() const = 0;
};

}  // namespace ornival
