#pragma once

#include <QListView>

#include <functional>

class QKeyEvent;

namespace ornival {

// The browser's grid. While it has the keyboard the editor's one-letter
// shortcuts still reach the document window: they go to the next responder,
// everything else (arrows, W, x) is the grid's own.
//
// "1" (hue by angle) passes too: the window routes it through its key table
// like the others, and the browser sits in a popup window of its own, so a
// key the grid keeps never reaches that table. The grid has no use for
// digits.
class CollectionView final : public QListView {
public:
  explicit CollectionView(QWidget* parent = nullptr);

  static bool passesThrough(const QString& text);

  // Where passed keys go; without one they travel up the parent widgets.
  std::function<void(QKeyEvent*)> nextResponder;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void useGround();
};

}  // namespace ornival
