#pragma once

#include "platform/Color.h"

#include <QPointer>
#include <QToolButton>

class QColorDialog;

namespace ornival {

class ColorWell;

// A window that chooses its wells' colours itself, inside it: a popup, which
// a click in another window (the colour dialog) would close.
class ColorChooserHost {
public:
  virtual ~ColorChooserHost() = default;
  // Its chooser edits the well from now on.
  virtual void chooseColor(ColorWell& well) = 0;
  virtual bool isChoosing(const ColorWell& well) const = 0;
  virtual void stopChoosing(const ColorWell& well) = 0;
};

// A button that shows a colour. Clicking it opens the one colour dialog of
// the process, with alpha, which then edits this well until another well
// takes it over or it closes; in a window that chooses colours itself, that
// window's chooser instead.
class ColorWell : public QToolButton {
  Q_OBJECT

public:
  explicit ColorWell(QWidget* parent = nullptr);

  const Color& color() const { return color_; }
  // Shows the colour; emits nothing.
  void setColor(const Color& color);
  // Whether the colour dialog edits this well now.
  bool isActive() const;
  // Opens the colour dialog on this well.
  void activate();
  // The colour dialog stops editing this well; it stays open.
  void deactivate();

  // The process-wide colour dialog, made on first use; none before.
  static QColorDialog* colorDialog(bool make);
  // Closes the colour dialog when it was made.
  static void closeColorDialog();

signals:
  // The user picked a colour through this well.
  void colorPicked(const ornival::Color& color);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  // The window around it that chooses colours itself, if any.
  ColorChooserHost* host() const;

  Color color_ = Color::white();
};

QColor toQColorValue(const Color& color);
Color fromQColor(const QColor& color);

}  // namespace ornival
