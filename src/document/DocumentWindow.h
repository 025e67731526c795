#pragma once

#include <string>

namespace ornival {

// The document's window controller and toolbar as the document sees them.
// The window controller implements it.
class DocumentWindow {
public:
  virtual ~DocumentWindow() = default;

  enum class CornerFactor { shapeFactor, shapeRadiusLimit, borderFactor, borderRadiusLimit };
  // Copies a corner factor into the window controller and its toolbar, whose
  // tool images are then drawn again.
  virtual void setCornerFactor(CornerFactor factor, double value) = 0;
  // The labels of the zoom and rotate toolbar items, when they are there.
  virtual void setScaleLabel(const std::string& label) = 0;
  virtual void setRotateLabel(const std::string& label) = 0;
  // The rotation as the window's rotate control shows it: the same angle,
  // whole turns on, so that the label tells what the control shows.
  virtual double shownRotation(double degrees) const { return degrees; }
};

}  // namespace ornival
