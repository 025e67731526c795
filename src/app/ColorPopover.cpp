#include "app/ColorPopover.h"

#include "app/ColorWell.h"
#include "app/core/ColorMixer.h"
#include "document/Document.h"
#include "document/DocumentEditor.h"
#include "model/Graph.h"
#include "model/Shape.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <algorithm>

namespace ornival {

ColorPopover::ColorPopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent)
    : Popover(tr("Colors"), Behaviour::transient, std::move(perform), std::move(gesture), parent) {
  const auto well = [this] {
    auto* w = new ColorWell(this);
    w->setFixedSize(30, 22);
    return w;
  };
  shapeColor_ = well();
  backgroundColor_ = well();
  auto* top = new QHBoxLayout();
  top->addWidget(new QLabel(tr("Tile"), this));
  top->addWidget(shapeColor_);
  top->addSpacing(12);
  top->addWidget(new QLabel(tr("Background"), this));
  top->addWidget(backgroundColor_);
  auto* alpha = new QPushButton(tr("Transparent"), this);
  alpha->setToolTip(tr("Switch the background between transparent and opaque"));
  connect(alpha, &QPushButton::clicked, this, &ColorPopover::toggleBackgroundAlpha);
  top->addWidget(alpha);
  top->addStretch(1);
  auto* layer = new QPushButton(tr("Next Layer"), this);
  layer->setToolTip(tr("Put new tiles on a layer above all others"));
  connect(layer, &QPushButton::clicked, this, &ColorPopover::nextLayerIndex);
  top->addWidget(layer);
  form()->addRow(top);
  shapeColor_->setAccessibleName(tr("Tile colour"));
  backgroundColor_->setAccessibleName(tr("Background colour"));
  binder().bind(shapeColor_, "shapeColor");
  binder().bind(backgroundColor_, "backgroundColor");

  colorA_ = well();
  colorB_ = well();
  colorA_->setColor(Color::black());
  colorB_->setColor(Color::black());
  mixer_ = new QSlider(Qt::Horizontal, this);
  mixer_->setRange(0, 1000);
  mixer_->setValue(500);
  colorA_->setAccessibleName(tr("First colour to blend"));
  colorB_->setAccessibleName(tr("Second colour to blend"));
  mixer_->setAccessibleName(tr("Blend"));
  auto* flip = new QPushButton(tr("Flip"), this);
  auto* mixRow = new QHBoxLayout();
  mixRow->addWidget(colorA_);
  mixRow->addWidget(mixer_, 1);
  mixRow->addWidget(colorB_);
  mixRow->addWidget(flip);
  form()->addRow(mixRow);
  connect(mixer_, &QSlider::valueChanged, this, &ColorPopover::mixColors);
  connect(flip, &QPushButton::clicked, this, &ColorPopover::flipMixer);
  connect(colorA_, &ColorWell::colorPicked, this, &ColorPopover::mixColors);
  connect(colorB_, &ColorWell::colorPicked, this, &ColorPopover::mixColors);

  auto* grid = new QGridLayout();
  grid->setSpacing(3);
  for (int row = 0; row < 8; ++row)
    for (int column = 0; column < 5; ++column) {
      // A mixed well picks on click; it never opens the colour dialog.
      auto* mixed = new ColorWell(this);
      mixed->setFixedSize(30, 22);
      mixed->setAccessibleName(tr("Blended colour, row %1, column %2").arg(row + 1).arg(column + 1));
      mixed->disconnect(mixed, &QToolButton::clicked, nullptr, nullptr);
      connect(mixed, &QToolButton::clicked, this, [this, mixed] { selectColor(*mixed); });
      grid->addWidget(mixed, row == 0 ? 0 : row + 1, column);
      grid_[std::size_t(row)][std::size_t(column)] = mixed;
    }
  // The slider's row stands apart from the fixed eighths.
  grid->setRowMinimumHeight(1, 6);
  form()->addRow(grid);
  mixColors();
}

void ColorPopover::mixColors() {
  const auto mix = ornival::mixColors(colorA_->color(), colorB_->color(), mixer_->value() / 1000.0);
  if (!mix)
    return;
  colorA_->setColor(mix->a);
  colorB_->setColor(mix->b);
  for (int row = 0; row < 8; ++row)
    for (int column = 0; column < 5; ++column)
      grid_[std::size_t(row)][std::size_t(column)]->setColor(mix->rows[std::size_t(row)][std::size_t(column)]);
}

void ColorPopover::flipMixer() {
  {
    const QSignalBlocker block(mixer_);
    mixer_->setValue(mixer_->maximum() - (mixer_->value() - mixer_->minimum()));
  }
  mixColors();
}

void ColorPopover::selectColor(const ColorWell& well) {
  const Color color = well.color();
  binder().change([&](Document& document) { document.setShapeColor(color); });
}

void ColorPopover::nextLayerIndex() {
  binder().change([](Document& document) {
    const auto editor = document.viewController();
    if (!editor)
      return;
    int highest = 0;
    for (const auto& tile : editor->graph().shapes())
      highest = std::max(highest, tile->layerIndex);
    document.setLayerIndex(highest + 1);
  });
}

void ColorPopover::toggleBackgroundAlpha() {
  binder().change([](Document& document) {
    Color color = document.backgroundColor();
    color.alpha = color.alpha > 0.0 ? 0.0 : 1.0;
    document.setBackgroundColor(color);
  });
}

}  // namespace ornival
