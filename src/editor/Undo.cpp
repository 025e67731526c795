#include "editor/Undo.h"

namespace ornival {

Undo::~Undo() {
  if (!first_ && after_)
    after_();
}

void Undo::willRegister() {
  if (!first_)
    return;
  first_ = false;
  if (before_)
    before_();
}

}  // namespace ornival
