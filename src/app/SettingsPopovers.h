#pragma once

#include "app/Popover.h"

#include <array>
#include <functional>
#include <string>

class QLabel;
class QSlider;

namespace ornival {

class ColorWell;
class Document;
class UserDefaults;

// The band-width switches of the border and surface popovers: band 1 goes
// between 0 and 2, band 2 between 0 and half of band 1, band 3 between 0 and
// half of band 2.
void toggleBorderWidth(Document& document, int band);

// Where the popovers leave a setting's range open, ours are what a user
// sensibly reaches by dragging; the boxes take the same range, and the
// document refuses or clamps what it must.
//   scale 1…400 (the document's bound), rotation ±180 about the marked tile,
//   band widths 0…20, rounding factors and limits 0…1, relief 0…1 but the
//   height 0…4, light angles ±180, export sizes 1…30000 pixels and 0.01…100
//   pixels a unit.

class BorderPopover final : public Popover {
  Q_OBJECT
public:
  BorderPopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent);
  const std::array<ColorWell*, 3>& bandColors() const { return bandColors_; }
  ColorWell* backgroundColor() const { return backgroundColor_; }

private:
  std::array<ColorWell*, 3> bandColors_{};
  ColorWell* backgroundColor_ = nullptr;
};

class SurfacePopover final : public Popover {
  Q_OBJECT
public:
  SurfacePopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent);
  ~SurfacePopover() override;
  // Draws the preview again from the document's settings.
  void updateScene();
  void willAppear() override { updateScene(); }
  QLabel* preview() const { return preview_; }

private:
  struct Renderer;
  QLabel* preview_ = nullptr;
  std::unique_ptr<Renderer> renderer_;
};

class RotatePopover final : public Popover {
  Q_OBJECT
public:
  RotatePopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent);
  // Degrees either side of the reference angle.
  void setRange(double minimum, double maximum);
  // The angle as the controls show it: a whole turn on where that falls
  // within their range.
  double shown(double degrees) const;
  QSlider* slider() const { return slider_; }

private:
  QSlider* slider_ = nullptr;
  double minimum_ = -180.0;
  double maximum_ = 180.0;
};

Popover* makeScalePopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent);
Popover* makeCountPopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent);
// Shows the counts of the count popover's document again: the tiles change
// without a notice of the document.
void refreshCountPopover(Popover& popover);
// The bitmap export panel: size, scale, transparency and the format, which
// is kept in the user defaults under "ExportFileFormat"; exportNow writes.
Popover* makeExportPopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent,
                           std::function<void()> exportNow, UserDefaults* defaults);
// The tiles coloured from the underlay picture, and the window's recolouring
// keys as buttons: recolor gets the key a button stands for.
Popover* makeChangeColorsPopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent,
                                 std::function<void()> colorFromImage,
                                 std::function<void(const std::string& key)> recolor);

}  // namespace ornival
