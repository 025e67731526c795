#pragma once

#include "app/Popover.h"

#include <array>

class QSlider;

namespace ornival {

class ColorWell;

// The colour popover: the document's tool and background colours, and a
// mixer that blends two colours into a grid of wells; clicking a mixed well
// makes its colour the tool colour.
class ColorPopover final : public Popover {
  Q_OBJECT

public:
  ColorPopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent);

  void willAppear() override { mixColors(); }

  // Recomputes the grid from the two wells and the slider.
  void mixColors();
  // The slider's weight turned round, then the grid again.
  void flipMixer();
  // The document's layer index: one above the highest of the tiles'.
  void nextLayerIndex();
  // The background between transparent and opaque.
  void toggleBackgroundAlpha();
  // The tool colour := the well's colour.
  void selectColor(const ColorWell& well);

  ColorWell* shapeColor() const { return shapeColor_; }
  ColorWell* backgroundColor() const { return backgroundColor_; }
  ColorWell* colorA() const { return colorA_; }
  ColorWell* colorB() const { return colorB_; }
  QSlider* mixer() const { return mixer_; }
  // Row 0 is the slider's blend, rows 1 to 7 the eighths; columns RGB to HSB.
  ColorWell* mixWell(int row, int column) const { return grid_[std::size_t(row)][std::size_t(column)]; }

private:
  ColorWell* shapeColor_;
  ColorWell* backgroundColor_;
  ColorWell* colorA_;
  ColorWell* colorB_;
  QSlider* mixer_;
  std::array<std::array<ColorWell*, 5>, 8> grid_{};
};

}  // namespace ornival
