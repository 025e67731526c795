// The window's view hovers what the pointer is over, and nothing else: not
// the tile under its centre when the document opens, nor anything once the
// pointer has left it.

#include "app/WindowController.h"
#include "editor/ViewController.h"
#include "editor/qt/View.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "support/DocumentWindows.h"

#include <QApplication>
#include <QMouseEvent>

namespace ornival {
namespace {

using ViewHover = testing::DocumentWindowTest;

// One red square, in the middle of the window.
const std::string redSquare = "Ornival 0.2\n\ncolors:\nFF0000FF\n\nshapes:\n7,0\n";

TEST_F(ViewHover, OnlyWhileThePointerIsOverTheView) {
  WindowController& window = open(redSquare);
  window.window()->resize(600, 500);
  window.window()->show();
  View& view = *window.view();
  const auto editor = window.editor();
  const QPoint middle = view.rect().center();
  const auto shown = [&] { return view.grab().toImage().pixelColor(middle); };
  ASSERT_EQ(shown(), QColor(255, 0, 0)) << "the square under the view's centre";
  EXPECT_FALSE(editor->selectedShape.lock());

  QMouseEvent move(QEvent::MouseMove, QPointF(middle), view.mapToGlobal(QPointF(middle)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&view, &move);
  EXPECT_EQ(editor->selectedShape.lock(), editor->graph().shapes().front());
  EXPECT_NE(shown(), QColor(255, 0, 0)) << "drawn hovered";

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&view, &leave);
  EXPECT_FALSE(editor->selectedShape.lock());
  EXPECT_EQ(shown(), QColor(255, 0, 0));
}

}  // namespace
}  // namespace ornival
