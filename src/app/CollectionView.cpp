#include "app/CollectionView.h"

#include "app/PaletteColors.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>

namespace ornival {

CollectionView::CollectionView(QWidget* parent) : QListView(parent) {
  setViewMode(QListView::IconMode);
  setFlow(QListView::LeftToRight);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setMovement(QListView::Static);
  setUniformItemSizes(false);
  setSpacing(3);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  useGround();
}

void CollectionView::useGround() {
  // The item boxes stand on a ground a shade off the palette's base, taken
  // anew when the palette changes (a dark theme chosen, say).
  const QColor ground = paletteColors::browserGround(parentWidget() ? parentWidget()->palette()
                                                                    : QGuiApplication::palette());
  if (palette().color(QPalette::Base) == ground)
    return;
  // Only the base is this view's own: the other colours follow the window.
  QPalette own;
  own.setColor(QPalette::Base, ground);
  setPalette(own);
}

void CollectionView::changeEvent(QEvent* event) {
  QListView::changeEvent(event);
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
    useGround();
}

bool CollectionView::passesThrough(const QString& text) {
  static const QStringList keys = {" ", "w", "r", "t", "i", "b", "m", "M", "1"};
  return keys.contains(text);
}

void CollectionView::keyPressEvent(QKeyEvent* event) {
  if (passesThrough(event->text())) {
    if (nextResponder)
      nextResponder(event);
    else
      event->ignore();
    return;
  }
  QListView::keyPressEvent(event);
}

void CollectionView::resizeEvent(QResizeEvent* event) {
  QListView::resizeEvent(event);
  // Headers span the width: lay the rows out anew for it.
  scheduleDelayedItemsLayout();
}

}  // namespace ornival
