// Empty bodies of gestures, group tiles, swapping and selection while they
// are being written in parallel; each concern moves its own into its file.

#include "editor/ViewController.h"

namespace ornival {

void ViewController::cancelCurrentAction() {}                                           // keyboard
void ViewController::collectFourEdgeJoins(const std::shared_ptr<Shape>&, Vec2, bool& swapped) {  // swapping
  swapped = false;
}
bool ViewController::swapShapes(const std::vector<std::shared_ptr<Shape>>&) { return false; }  // swapping
void ViewController::selectIrregularCorners() {}                                        // keyboard

}  // namespace ornival
