#pragma once

#include "platform/Color.h"

#include <QPointer>
#include <QToolButton>

class QColorDialog;

namespace ornival {

// A button that shows a colour. Clicking it opens the one colour dialog of
// the process, with alpha, which then edits this well until another well
// takes it over or it closes.
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
  Color color_ = Color::white();
};

QColor toQColorValue(const Color& color);
Color fromQColor(const QColor& color);

}  // namespace ornival
