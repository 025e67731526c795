// Empty bodies of gestures, group tiles, swapping and selection while they
// are being written in parallel; each concern moves its own into its file.

#include "editor/ViewController.h"

namespace ornival {

void ViewController::cancelDrag() {}                                                    // gestures
void ViewController::pickUpShapes() {}                                                  // group tiles
void ViewController::updateMoveDisplay() {}                                             // group tiles
void ViewController::selectShape(int, Undo*) {}                                         // selection
void ViewController::deselectShape(int, Undo*) {}                                       // selection
void ViewController::selectGroup(const std::shared_ptr<Shape>&, bool, Undo*) {}         // selection
void ViewController::deselectGroup(const std::shared_ptr<Shape>&, bool, Undo*) {}       // selection
void ViewController::selectColorRegion(const std::shared_ptr<Shape>&, Undo*) {}         // selection
void ViewController::colorShapesFromImage() {}                                          // selection

}  // namespace ornival
