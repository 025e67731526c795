#include "editor/qt/View.h"

#include "document/Document.h"
#include "editor/ProcessTools.h"
#include "editor/ViewController.h"
#include "model/Shape.h"
#include "platform/Layer.h"
#include "platform/LayerRenderer.h"
#include "platform/MainQueue.h"
#include "platform/ShapeLayer.h"
#include "platform/UndoManager.h"
#include "platform/qt/QPainterAdapter.h"
#include "platform/qt/QtMainQueue.h"
#include "support/EditorFakes.h"
#include "support/QtApplication.h"
#include "support/TileGrids.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>

#include <gtest/gtest.h>

#include <functional>

namespace ornival {
namespace {

// Keeps what the view painted, event by event.
class PaintLog : public QObject {
public:
  std::vector<QRegion> regions;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      regions.push_back(static_cast<QPaintEvent*>(event)->region());
    return false;
  }
};

// A grid of squares in a shown view, its editor set up as the window does.
struct Window {
  QApplication& application = testing::qtApplication();
  View view;
  PaintLog log;
  std::shared_ptr<UndoManager> undo = UndoManager::create();
  std::shared_ptr<testing::FakeEditorWindowController> controller =
      std::make_shared<testing::FakeEditorWindowController>();
  std::shared_ptr<Document> document = Document::create();
  std::shared_ptr<ViewController> editor;

  Window() {
    resetProcessTools();
    setMainQueue(std::make_shared<QtMainQueue>(qApp));
    view.resize(400, 300);
    editor = ViewController::create(std::shared_ptr<ViewPort>(std::shared_ptr<void>(), &view),
                                    std::shared_ptr<InputState>(std::shared_ptr<void>(), &view));
    view.setUndoManager(undo);
    view.setWindowController(controller);
    view.setEditor(editor);
    document->setUndoManager(undo);
    document->setWindowController(controller);
    editor->viewDidLoad();
    document->model = testing::squareGrid(8, 6);
    editor->loadDocument(document);
    view.show();
    settle();
    view.installEventFilter(&log);
  }
  ~Window() {
    view.removeEventFilter(&log);
    view.setEditor({});
    setMainQueue(nullptr);
  }

  void settle() {
    for (int i = 0; i < 5; ++i)
      QCoreApplication::processEvents();
  }

  // Runs the event loop until done() or a second has passed.
  template <typename Done>
  bool waitFor(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 1000)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
  }

  QPointF pixel(Vec2 canvas) const {
    const Vec2 p = editor->layer->convertTo(canvas, *view.rootLayer());
    return {p.x, view.height() - p.y};
  }

  void movePointer(QPointF at) {
    QMouseEvent event(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &event);
  }

  QRegion painted() const {
    QRegion all;
    for (const QRegion& r : log.regions)
      all += r;
    return all;
  }

  // The layer tree as drawn without anything kept.
  QImage reference() const {
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(toQColor(view.backgroundColor()));
    QPainter qpainter(&image);
    QPainterAdapter painter(qpainter, view.height());
    renderLayerTree(*view.rootLayer(), painter);
    return image;
  }
};

int area(const QRegion& region) {
  int total = 0;
  for (const QRect& r : region)
    total += r.width() * r.height();
  return total;
}

// Moving the hover outline from one tile to the next paints where it was
// and where it is, not the whole view.
TEST(View, PaintsWhatAnEventChangedAndNoMore) {
  Window w;
  w.movePointer(w.pixel({30, 30}));
  w.settle();
  w.log.regions.clear();
  w.movePointer(w.pixel({50, 30}));
  ASSERT_TRUE(w.waitFor([&] { return !w.log.regions.empty(); }));
  w.settle();
  const int viewArea = w.view.width() * w.view.height();
  EXPECT_GT(area(w.painted()), 0);
  EXPECT_LT(area(w.painted()), viewArea / 8);
}

// The hover answer for a candidate and other changes that arrive from the
// editor's queues come without an event of their own; they are painted all
// the same, without waiting for the pointer to move again.
TEST(View, PaintsChangesMadeOutsideEvents) {
  Window w;
  w.log.regions.clear();
  Path outline = Path::rectangle({{165, 25}, {30, 30}});
  w.editor->selectedLayer->setPath(outline);
  w.editor->selectedLayer->setHidden(false);
  w.editor->layer->addSublayer(w.editor->selectedLayer);
  ASSERT_TRUE(w.waitFor([&] { return !w.log.regions.empty(); }));
  const QPointF middle = w.pixel({180, 40});
  EXPECT_TRUE(w.painted().contains(middle.toPoint()));
  EXPECT_LT(area(w.painted()), w.view.width() * w.view.height() / 8);
}

// After a zoom the screen shows the last view's picture at once and then,
// sharpened, the drawing exactly as the layer tree renderer draws it.
TEST(View, SharpensAfterAZoomToTheExactDrawing) {
  Window w;
  w.undo->beginGroup();
  w.document->setBackgroundColor(Color{0.2, 0.35, 0.55, 1.0});
  w.undo->endGroup();
  w.document->setScale(23.0);
  w.view.refreshDrawing();
  ASSERT_TRUE(w.waitFor([&] { return !w.log.regions.empty(); }));
  ASSERT_TRUE(w.waitFor([&] { return w.view.isDrawingSharp(); }));
  w.settle();
  const auto shown = [&] {
    return w.view.screen()->grabWindow(w.view.winId()).toImage().convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
  };
  EXPECT_EQ(shown(), w.reference());

  // Turned, with a second band and the hover outline over a tile: each
  // change shown from the pictures kept, as drawn without them.
  const struct {
    const char* name;
    std::function<void()> change;
  } changes[] = {
      {"turned", [&] { w.document->setRotation(17.0); }},
      {"a second band", [&] {
         w.undo->beginGroup();
         w.document->setBorderColor2(Color{0.9, 0.75, 0.2, 1.0});
         w.document->setBorderWidth2(5.0);
         w.undo->endGroup();
       }},
      {"hovered", [&] { w.movePointer(w.pixel({50, 30})); }},
  };
  for (const auto& c : changes) {
    SCOPED_TRACE(c.name);
    c.change();
    w.view.refreshDrawing();
    ASSERT_TRUE(w.waitFor([&] { return w.view.isDrawingSharp(); }));
    w.settle();
    EXPECT_EQ(shown(), w.reference());
  }
  EXPECT_FALSE(w.editor->selectedLayer->isHidden());
}

}  // namespace
}  // namespace ornival
