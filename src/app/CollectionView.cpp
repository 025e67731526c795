#include "app/CollectionView.h"

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
  // The pale item boxes stand on a grey ground, as in a popover.
  QPalette ground = palette();
  ground.setColor(QPalette::Base, QColor::fromRgbF(0.9, 0.9, 0.9));
  setPalette(ground);
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
