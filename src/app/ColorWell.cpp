#include "app/ColorWell.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionToolButton>

namespace ornival {
namespace {

QPointer<QColorDialog> dialog;
QPointer<ColorWell> activeWell;

}  // namespace

QColor toQColorValue(const Color& color) { return QColor::fromRgbF(float(color.red), float(color.green), float(color.blue), float(color.alpha)); }

Color fromQColor(const QColor& color) {
  const QColor rgb = color.toRgb();
  return {rgb.redF(), rgb.greenF(), rgb.blueF(), rgb.alphaF()};
}

ColorWell::ColorWell(QWidget* parent) : QToolButton(parent) {
  setMinimumSize(24, 24);
  setAutoRaise(false);
  connect(this, &QToolButton::clicked, this, &ColorWell::activate);
}

void ColorWell::setColor(const Color& color) {
  if (color == color_)
    return;
  color_ = color;
  update();
}

ColorChooserHost* ColorWell::host() const {
  for (QWidget* around = parentWidget(); around; around = around->parentWidget())
    if (auto* chooser = dynamic_cast<ColorChooserHost*>(around))
      return chooser;
  return nullptr;
}

bool ColorWell::isActive() const {
  if (const ColorChooserHost* chooser = host())
    return chooser->isChoosing(*this);
  return activeWell == this && dialog && dialog->isVisible();
}

QColorDialog* ColorWell::colorDialog(bool make) {
  if (!dialog && make) {
    dialog = new QColorDialog();
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->setOption(QColorDialog::ShowAlphaChannel, true);
    dialog->setOption(QColorDialog::NoButtons, true);
    dialog->setModal(false);
    dialog->setWindowTitle(tr("Colors"));
    QObject::connect(dialog, &QColorDialog::currentColorChanged, dialog, [](const QColor& picked) {
      if (!activeWell)
        return;
      const Color color = fromQColor(picked);
      if (color == activeWell->color())
        return;
      activeWell->setColor(color);
      emit activeWell->colorPicked(color);
    });
  }
  return dialog;
}

void ColorWell::closeColorDialog() {
  activeWell = nullptr;
  if (dialog)
    dialog->close();
}

void ColorWell::activate() {
  if (ColorChooserHost* chooser = host()) {
    chooser->chooseColor(*this);
    update();
    return;
  }
  QColorDialog* panel = colorDialog(true);
  // The well changes hands before the dialog moves, so that the old well
  // does not take the new well's colour.
  activeWell = nullptr;
  panel->setCurrentColor(toQColorValue(color_));
  activeWell = this;
  panel->show();
  panel->raise();
  update();
}

void ColorWell::deactivate() {
  if (ColorChooserHost* chooser = host()) {
    chooser->stopChoosing(*this);
    update();
    return;
  }
  if (activeWell != this)
    return;
  activeWell = nullptr;
  update();
}

void ColorWell::paintEvent(QPaintEvent* event) {
  QToolButton::paintEvent(event);
  QPainter painter(this);
  const QRect swatch = rect().adjusted(4, 4, -4, -4);
  // A checkerboard under the colour shows its transparency.
  painter.fillRect(swatch, Qt::white);
  const int cell = 4;
  for (int y = swatch.top(); y <= swatch.bottom(); y += cell)
    for (int x = swatch.left() + ((y - swatch.top()) / cell % 2) * cell; x <= swatch.right(); x += 2 * cell)
      painter.fillRect(QRect(x, y, cell, cell).intersected(swatch), QColor(204, 204, 204));
  painter.fillRect(swatch, toQColorValue(color_));
  painter.setPen(isActive() ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid));
  painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

}  // namespace ornival
