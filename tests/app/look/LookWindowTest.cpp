// The document window on a real display, as a user sees it: on X11 under
// xvfb-run, at the usual density and at twice it on a small screen
// (QT_SCALE_FACTOR=2), and on Wayland in weston (run-on-weston.sh). Windows
// fit the screen and cascade, popovers open at their anchors, the relief
// joins the window without moving it, and a transparent page stands on
// checks. Pictures of the window, each popover and the catalogue browser in
// a light and a dark palette stay beside the test for a person to look at.

#include "app/Application.h"
#include "app/ColorPopover.h"
#include "app/ColorWell.h"
#include "app/IconMenuViewController.h"
#include "app/Popover.h"
#include "app/SettingsPopovers.h"
#include "app/ToolbarDelegate.h"
#include "app/WindowController.h"
#include "document/Document.h"
#include "editor/ViewController.h"
#include "editor/qt/SceneView.h"
#include "editor/qt/View.h"
#include "platform/MainQueue.h"
#include "platform/qt/QtMainQueue.h"
#include "quicklook/DocumentText.h"
#include "quicklook/ThumbnailProvider.h"
#include "support/Palettes.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"

#include <QColorDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <QPlatformSurfaceEvent>
#include <QPointer>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace ornival {
namespace {

bool onWayland() { return QGuiApplication::platformName() == QLatin1String("wayland"); }

// One application for the whole program, as the real one has.
class LookWindow : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    testing::qtApplication();
    QCoreApplication::setOrganizationName("OrnivalTests");
    QCoreApplication::setApplicationName(QStringLiteral("OrnivalLook-%1").arg(::getpid()));
    QSettings().clear();
    setMainQueue(std::make_shared<QtMainQueue>(qApp));
  }
  static void TearDownTestSuite() {
    QSettings settings;
    settings.clear();
    settings.sync();
    std::filesystem::remove(settings.fileName().toStdString());
  }

  void SetUp() override {
    QApplication::setPalette(testing::lightPalette());
    application = std::make_unique<Application>(
        Application::Options{ORNIVAL_EXAMPLES, folder.path() / "autosave", 60000});
    application->askToSave = [](const std::string&) { return Application::SaveAnswer::discard; };
  }
  void TearDown() override {
    for (const auto& window : application->windows())
      window->setEdited(false);
    QApplication::closeAllWindows();
    application.reset();
  }

  WindowController* openFixture(const char* name, const std::string& replaceLine = {}, const std::string& with = {}) {
    std::ifstream in(std::filesystem::path(ORNIVAL_FIXTURES) / name, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!replaceLine.empty())
      text.replace(text.find(replaceLine), replaceLine.size(), with);
    const auto file = folder.path() / name;
    std::ofstream(file, std::ios::binary) << text;
    WindowController* window = application->openFile(file);
    EXPECT_NE(window, nullptr);
    if (window)
      EXPECT_TRUE(QTest::qWaitForWindowExposed(window->window()));
    return window;
  }

  // The screen as shown, in device pixels, and a point of a widget on it.
  static QImage screen() { return QGuiApplication::primaryScreen()->grabWindow(0).toImage(); }
  static QPoint onScreen(const QWidget& widget, QPoint point, const QImage& picture) {
    return widget.mapToGlobal(point) * picture.devicePixelRatio();
  }
  static void keep(const QImage& picture, const QString& name) {
    const double ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    picture.save(QStringLiteral(ORNIVAL_SCREENSHOTS "/look-%1x-%2.png").arg(ratio).arg(name));
  }
  static QImage region(const QImage& picture, const QRect& global) {
    const double ratio = picture.devicePixelRatio();
    return picture.copy(QRect(global.topLeft() * ratio, global.size() * ratio));
  }

  testing::TemporaryFolder folder{"ornival-look"};
  std::unique_ptr<Application> application;
};

TEST_F(LookWindow, WindowsFitTheScreenAndCascadeFromTheLastOne) {
  if (onWayland())
    GTEST_SKIP() << "on Wayland the compositor places windows, and tells no one where";
  std::vector<WindowController*> windows;
  for (int i = 0; i < 3; ++i) {
    windows.push_back(application->newDocument());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windows.back()->window()));
  }
  const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
  for (WindowController* window : windows) {
    const QRect frame = window->window()->frameGeometry();
    EXPECT_TRUE(room.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "×"
                                      << frame.height() << " on " << room.width() << "×" << room.height();
    // Its status bar, the lowest thing in it, is on the screen.
    const QRect status(window->window()->statusBar()->mapToGlobal(QPoint(0, 0)),
                       window->window()->statusBar()->size());
    EXPECT_TRUE(room.contains(status));
  }
  for (std::size_t i = 1; i < windows.size(); ++i) {
    const QRect before = windows[i - 1]->window()->frameGeometry();
    const QRect after = windows[i]->window()->frameGeometry();
    // Below and right of the one before, or back at the screen's edge where
    // it would not fit whole there.
    EXPECT_TRUE(after.left() > before.left() || after.left() == room.left()) << i;
    EXPECT_TRUE(after.top() > before.top() || after.top() == room.top()) << i;
    // With room for a step, the second does move on.
    if (i == 1 && room.width() >= after.width() + 60 && room.height() >= after.height() + 60)
      EXPECT_TRUE(after.left() > before.left() && after.top() > before.top()) << i;
  }
  // The toolbar's pictures are drawn for the screen's density.
  ToolbarDelegate& toolbar = *windows.front()->toolbarDelegate();
  const double ratio = toolbar.toolbar().devicePixelRatioF();
  const QPixmap tally = toolbar.countButton()->icon().pixmap(QSize(30, 30), ratio);
  EXPECT_EQ(tally.size(), QSize(30, 30) * ratio);
}

TEST_F(LookWindow, PopoversOpenAtTheirAnchorsAndStayOnTheScreen) {
  if (onWayland())
    GTEST_SKIP() << "Wayland opens popups only at a click, and tells no one where: the clicked test checks there";
  WindowController* window = openFixture("TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  ToolbarDelegate& toolbar = *window->toolbarDelegate();
  toolbar.setItems({"Shapes", "Color", "Border", "Dimension", "Count", "FlexibleSpace", "Rotate", "Scale"});
  QTest::qWait(50);
  const auto item = [&](const char* identifier) {
    return toolbar.toolbar().widgetForAction(toolbar.makeToolbarItem(identifier));
  };
  const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
  struct Case {
    const char* action;
    const char* anchor;
    QWidget* popup;
  };
  const Case cases[] = {
      {"showCounts", "Count", window->countPopover()},   {"showScaleMenu", "Scale", window->scalePopover()},
      {"showRotateMenu", "Rotate", window->rotatePopover()}, {"showBorder", "Border", window->borderPopover()},
      {"selectColor", "Color", window->colorPopover()},  {"showIconMenu", "Shapes", window->iconMenu()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.action);
    // From the menu: no control asked, and the toolbar's item anchors it.
    ASSERT_TRUE(window->send({c.action, 0, {}}));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c.popup));
    QTest::qWait(50);
    // The keyboard's focus is in it: Escape closes it, Tab reaches its
    // controls, a screen reader hears of it.
    const QWidget* focused = QApplication::focusWidget();
    EXPECT_TRUE(focused == c.popup || c.popup->isAncestorOf(focused));
    // All its controls show: on a screen of room, none scrolled away.
    if (const auto* scroll = c.popup->findChild<QScrollArea*>(); scroll && room.height() >= 900) {
      EXPECT_GE(scroll->viewport()->height(), scroll->widget()->sizeHint().height());
      EXPECT_GE(scroll->viewport()->width(), scroll->widget()->sizeHint().width());
    }
    const QWidget* anchor = item(c.anchor);
    const QRect at(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    const QRect popup = c.popup->frameGeometry();
    if (!onWayland()) {
      EXPECT_TRUE(room.contains(popup)) << popup.x() << "," << popup.y() << " " << popup.width() << "×"
                                        << popup.height();
      // Just under the control, centred on it; moved only as far as the
      // screen's edges ask.
      EXPECT_NEAR(popup.top(), std::max(room.top(), std::min(at.bottom() + 3, room.bottom() + 1 - popup.height())),
                  2);
      const int middle = std::clamp(at.center().x(), room.left() + popup.width() / 2,
                                    room.right() - popup.width() / 2);
      EXPECT_NEAR(popup.center().x(), middle, 2);
      // And the screen shows it there.
      const QImage shown = screen();
      const QImage drawn = c.popup->grab().toImage();
      const QPoint probe(drawn.width() / 2, 8);
      EXPECT_EQ(shown.pixelColor(onScreen(*c.popup, probe / drawn.devicePixelRatio(), shown)),
                drawn.pixelColor(probe));
    }
    c.popup->close();
  }
  // The right click's colour popover opens where the click was.
  View& view = *window->view();
  const QPoint click(view.width() / 3, view.height() / 2);
  QTest::mouseClick(&view, Qt::RightButton, {}, click);
  ColorPopover& colors = *window->colorPopover();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&colors));
  if (!onWayland()) {
    const QPoint corner = view.mapToGlobal(click);
    const QRect popup = colors.frameGeometry();
    EXPECT_TRUE(room.contains(popup));
    // At the click, or moved just as far as the screen's edge asks.
    EXPECT_EQ(popup.left(), std::min(corner.x(), room.right() + 1 - popup.width()));
    EXPECT_EQ(popup.top(), std::min(corner.y(), room.bottom() + 1 - popup.height()));
  }
  colors.close();
}

TEST_F(LookWindow, ExamplesThumbnailsAre48PointsDrawnAtTheScreensDensity) {
  WindowController* window = application->newDocument();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
  QMenu* file = nullptr;
  for (QAction* action : window->window()->menuBar()->actions())
    if (action->text() == "File")
      file = action->menu();
  ASSERT_NE(file, nullptr);
  QMenu* examples = nullptr;
  for (QAction* action : file->actions())
    if (action->text() == "Examples")
      examples = action->menu();
  ASSERT_NE(examples, nullptr);
  ASSERT_FALSE(examples->actions().isEmpty());
  QAction* first = examples->actions().front();
  // The thumbnail replaces the document icon once drawn.
  const qint64 documentIcon = Application::exampleDocumentIcon().cacheKey();
  ASSERT_TRUE(QTest::qWaitFor([&] { return first->icon().cacheKey() != documentIcon; }, 20000));
  EXPECT_EQ(examples->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, examples), 48);
  // Shown at 48 points, it is the thumbnail drawn for those pixels, not one
  // drawn smaller or larger and scaled.
  const double ratio = examples->devicePixelRatioF();
  const int pixels = int(std::ceil(48 * ratio));
  const QImage shown = first->icon().pixmap(QSize(48, 48), ratio).toImage().convertToFormat(QImage::Format_ARGB32);
  DocumentFileError error = DocumentFileError::none;
  const auto model = readDocumentFile((std::filesystem::path(ORNIVAL_EXAMPLES) / "01-StarAndCross.ornival").string(),
                                      error);
  ASSERT_NE(model, nullptr);
  const QImage drawn = ThumbnailProvider::drawFlat(*model, pixels).convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(shown.size(), drawn.size());
  EXPECT_TRUE(shown == drawn) << "the thumbnail was scaled to its size";
}

// On Wayland only the compositor knows where windows are: the pointer is
// moved and clicked on the display weston runs in (its output fills that
// display from its corner, and kiosk-shell fills the output with the window),
// and a click on the popover's reset button, where the program placed it,
// must reach that button.
TEST_F(LookWindow, OnWaylandAClickedButtonsPopoverOpensUnderIt) {
  if (!onWayland())
    GTEST_SKIP() << "a test of the Wayland desktop (run-on-weston.sh runs it)";
  WindowController* window = openFixture("TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  ToolbarDelegate& toolbar = *window->toolbarDelegate();
  // Away from the output's edges, where the compositor would slide them.
  toolbar.setItems({"Shapes", "Color", "Border", "Dimension", "Rotate", "Scale", "Count"});
  QTest::qWait(500);
  const auto click = [&](const QWidget& widget, QPoint point) {
    const QPoint at = widget.mapTo(window->window(), point);
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(at.x()),
                                                         QString::number(at.y()), QStringLiteral("click"),
                                                         QStringLiteral("1")}) == 0;
  };
  struct Case {
    const char* item;
    Popover* popover;
    const char* reset;
    std::function<void()> change;
    std::function<bool()> wasReset;
  };
  Document& document = *window->document();
  const Case cases[] = {
      {"Scale", window->scalePopover(), "resetScale", [&] { document.setScale(35.0); },
       [&] { return document.scale() == 20.0; }},
      {"Rotate", window->rotatePopover(), "resetRotation", [&] { document.setRotation(30.0); },
       [&] { return document.rotation() == 0.0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    window->performEvent(c.change);
    QWidget* button = toolbar.toolbar().widgetForAction(toolbar.makeToolbarItem(c.item));
    ASSERT_TRUE(click(*button, button->rect().center())) << "xdotool could not click";
    // Shown by the compositor, and so taking clicks.
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.popover->isVisible(); }, 5000));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c.popover, 5000));
    QTest::qWait(100);
    const auto* reset = c.popover->findChild<QToolButton*>(QString::fromLatin1(c.reset));
    ASSERT_NE(reset, nullptr);
    ASSERT_TRUE(click(*reset, reset->rect().center()));
    EXPECT_TRUE(QTest::qWaitFor(c.wasReset, 3000)) << "the click missed the popover's reset button";
    c.popover->close();
    QTest::qWait(100);
  }
}

// Notes which widget the last press went to, and where in it. (An open
// popup is handed the presses outside it too, to close.)
class PressWitness final : public QObject {
public:
  QPointer<QObject> pressed;
  QPoint at;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
      pressed = watched;
      at = static_cast<QMouseEvent*>(event)->position().toPoint();
    }
    return QObject::eventFilter(watched, event);
  }
};

// Every popover, opened by a real click on its button (or the right click in
// the view for the colour popover), is where the program placed it, under
// its anchor: a click at its corner reaches it, and not the window under it.
TEST_F(LookWindow, OnWaylandEveryPopoverOpensWhereTheProgramPlacesIt) {
  if (!onWayland())
    GTEST_SKIP() << "a test of the Wayland desktop (run-on-weston.sh runs it)";
  WindowController* window = openFixture("TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  ToolbarDelegate& toolbar = *window->toolbarDelegate();
  QTest::qWait(300);
  // The display's points are the window's (kiosk-shell puts it in the
  // output's corner, and the output fills the display).
  const auto click = [&](const QWidget& widget, QPoint point, int button) {
    const QPoint at = widget.mapTo(widget.window(), point) + widget.window()->pos() -
                      window->window()->pos();
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                              QStringLiteral("click"), QString::number(button)}) == 0;
  };
  PressWitness witness;
  qApp->installEventFilter(&witness);
  const auto reaches = [&](QWidget& popup) {
    witness.pressed = nullptr;
    if (!click(popup, QPoint(6, 6), 1))
      return false;
    if (!QTest::qWaitFor([&] { return !witness.pressed.isNull(); }, 3000))
      return false;
    const auto* widget = qobject_cast<QWidget*>(witness.pressed.data());
    return widget && (widget == &popup || popup.isAncestorOf(widget)) && widget->rect().contains(witness.at);
  };
  // Each at the toolbar's left edge, where it hangs over the window's edge
  // unless kept in, and in the toolbar's middle, where it opens centred
  // under its button.
  const std::pair<const char*, QWidget*> cases[] = {
      {"Count", window->countPopover()},   {"Scale", window->scalePopover()},
      {"Rotate", window->rotatePopover()}, {"Border", window->borderPopover()},
      {"Shapes", window->iconMenu()},
  };
  for (const bool atTheEdge : {true, false})
    for (const auto& [item, popup] : cases) {
      SCOPED_TRACE(std::string(item) + (atTheEdge ? " at the edge" : " in the middle"));
      if (atTheEdge)
        toolbar.setItems({item, "FlexibleSpace"});
      else
        toolbar.setItems({"FlexibleSpace", item, "FlexibleSpace"});
      QTest::qWait(200);
      QWidget* button = toolbar.toolbar().widgetForAction(toolbar.makeToolbarItem(item));
      // The size it may grow to while open, which is kept within the window too.
      auto* popover = qobject_cast<Popover*>(popup);
      if (popover)
        popover->fitToContents();
      const QSize grown = popover ? popover->grownSize() : QSize();
      ASSERT_TRUE(click(*button, button->rect().center(), 1)) << "xdotool could not click";
      ASSERT_TRUE(QTest::qWaitFor([&] { return popup->isVisible(); }, 5000));
      ASSERT_TRUE(QTest::qWaitForWindowExposed(popup, 5000));
      QTest::qWait(100);
      // Placed centred just under its button, kept within the window…
      const QRect at(button->mapTo(window->window(), QPoint(0, 0)), button->size());
      const QSize room = window->window()->size();
      const QSize kept = popup->size().expandedTo(grown);
      const QPoint corner = popup->pos() - window->window()->pos();
      EXPECT_EQ(corner.y(), std::clamp(at.bottom() + 3, 0, std::max(0, room.height() - kept.height())));
      EXPECT_NEAR(corner.x(),
                  std::clamp(at.center().x() - popup->width() / 2, 0, std::max(0, room.width() - kept.width())),
                  1);
      if (!atTheEdge)
        EXPECT_NEAR(corner.x() + popup->width() / 2, at.center().x(), 2);
      // …and there on the desktop.
      EXPECT_TRUE(reaches(*popup)) << "the compositor put it elsewhere";
      popup->close();
      QTest::qWait(100);
    }
  // The right click's colour popover, at the click.
  // (Higher when its grown size would not fit under the click.)
  View& view = *window->view();
  const QPoint inView(view.width() / 3, view.height() / 2);
  ColorPopover& colors = *window->colorPopover();
  colors.fitToContents();
  const QSize grown = colors.grownSize();
  ASSERT_TRUE(click(view, inView, 3));
  ASSERT_TRUE(QTest::qWaitFor([&] { return colors.isVisible(); }, 5000));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&colors, 5000));
  QTest::qWait(100);
  const QPoint clicked = view.mapTo(window->window(), inView);
  const int room = window->window()->height();
  EXPECT_EQ(colors.pos() - window->window()->pos(),
            QPoint(clicked.x(), std::clamp(clicked.y(), 0, std::max(0, room - grown.height()))));
  EXPECT_TRUE(reaches(colors)) << "the compositor put it elsewhere";
  colors.close();
  qApp->removeEventFilter(&witness);
}

// A popover that grows while shown (a colour well opens the chooser in it)
// stays within the window on Wayland, where a shown popup cannot be moved:
// opened low in the window, it is placed where its grown size fits, and a
// click at the grown popover's far corner reaches it.
TEST_F(LookWindow, OnWaylandAPopoverThatGrowsStaysInTheWindow) {
  if (!onWayland())
    GTEST_SKIP() << "a test of the Wayland desktop (run-on-weston.sh runs it)";
  WindowController* window = openFixture("TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  QTest::qWait(300);
  const auto click = [&](const QWidget& widget, QPoint point, int button) {
    const QPoint at = widget.mapTo(widget.window(), point) + widget.window()->pos() - window->window()->pos();
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                              QStringLiteral("click"), QString::number(button)}) == 0;
  };
  PressWitness witness;
  qApp->installEventFilter(&witness);
  const auto reaches = [&](QWidget& popup, QPoint point) {
    witness.pressed = nullptr;
    if (!click(popup, point, 1))
      return false;
    if (!QTest::qWaitFor([&] { return !witness.pressed.isNull(); }, 3000))
      return false;
    const auto* widget = qobject_cast<QWidget*>(witness.pressed.data());
    return widget && (widget == &popup || popup.isAncestorOf(widget));
  };
  View& view = *window->view();
  ColorPopover& colors = *window->colorPopover();
  const QSize room = window->window()->size();
  // Low in the view, where the popover as it first opens fits under the
  // click and the grown one would not.
  const QPoint inView(view.width() / 3, view.mapFrom(window->window(), QPoint(0, room.height() - 340)).y());
  ASSERT_TRUE(click(view, inView, 3));
  ASSERT_TRUE(QTest::qWaitFor([&] { return colors.isVisible(); }, 5000));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&colors, 5000));
  QTest::qWait(100);
  ColorWell& well = *colors.shapeColor();
  ASSERT_TRUE(click(well, well.rect().center(), 1));
  ASSERT_TRUE(QTest::qWaitFor([&] { return colors.colorChooser() && colors.colorChooser()->isVisible(); }, 5000));
  QTest::qWait(300);
  QProcess::execute(QStringLiteral("import"),
                    {QStringLiteral("-window"), QStringLiteral("root"),
                     QStringLiteral(ORNIVAL_SCREENSHOTS "/look-wayland-grown-colour-popover.png")});
  const QPoint corner = colors.pos() - window->window()->pos();
  EXPECT_GE(corner.y(), 0);
  EXPECT_LE(corner.y() + colors.height(), room.height()) << "the grown popover runs off the window";
  EXPECT_LE(corner.x() + colors.width(), room.width()) << "the grown popover runs off the window";
  EXPECT_TRUE(reaches(colors, QPoint(colors.width() - 8, colors.height() - 8))) << "the compositor put it elsewhere";
  colors.close();
  qApp->removeEventFilter(&witness);
}

// Counts the native surfaces made and let go for a window.
class SurfaceEvents final : public QObject {
public:
  int made = 0;
  int destroyed = 0;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::PlatformSurface) {
      const auto type = static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType();
      (type == QPlatformSurfaceEvent::SurfaceCreated ? made : destroyed) += 1;
    }
    return QObject::eventFilter(watched, event);
  }
};

// The relief is a window of its own over the view, and the view keeps the
// input: a real click on the relief reaches it, on X11 and on Wayland.
TEST_F(LookWindow, AClickOnTheReliefReachesTheView) {
  if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
    GTEST_SKIP() << "xdotool is not installed";
  WindowController* window = openFixture("TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  window->window()->move(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
  window->performEvent([&] { window->document()->setDisplayMode(3); });
  View& view = *window->view();
  QTRY_VERIFY_WITH_TIMEOUT(view.sceneView() && view.sceneView()->isValid(), 5000);
  QTest::qWait(300);
  // Away from the tiles, where a click changes nothing.
  const QPoint inView(view.width() / 8, view.height() / 8);
  // On X11 the display's points are global ones; on Wayland (kiosk-shell)
  // the window fills the output from its corner.
  const QPoint at = onWayland() ? view.mapTo(window->window(), inView) : view.mapToGlobal(inView);
  const double ratio = onWayland() ? 1.0 : view.devicePixelRatioF();
  ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"),
                              {QStringLiteral("mousemove"), QString::number(int(at.x() * ratio)),
                               QString::number(int(at.y() * ratio)), QStringLiteral("click"), QStringLiteral("1")}),
            0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return (view.mapFromGlobal(view.lastPressPosition()) - inView).manhattanLength() <= 3; },
                              3000))
      << "the click went to the relief's window, not the view";
}

TEST_F(LookWindow, TheWindowKeepsItsPlaceWhenTheReliefIsFirstShown) {
  WindowController* window = openFixture("TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  QWindow* native = window->window()->windowHandle();
  ASSERT_NE(native, nullptr);
  SurfaceEvents surfaces;
  native->installEventFilter(&surfaces);
  const QRect frame = window->window()->frameGeometry();
  window->performEvent([&] { window->document()->setDisplayMode(3); });
  View& view = *window->view();
  ASSERT_NE(view.sceneView(), nullptr);
  QTRY_VERIFY_WITH_TIMEOUT(view.sceneView()->isValid(), 5000);
  QTest::qWait(100);
  // The same native window, never made anew: the desktop had nothing to
  // place again.
  EXPECT_EQ(window->window()->windowHandle(), native);
  EXPECT_EQ(surfaces.destroyed, 0);
  EXPECT_EQ(surfaces.made, 0);
  if (!onWayland())
    EXPECT_EQ(window->window()->frameGeometry(), frame);
  native->removeEventFilter(&surfaces);
}

TEST_F(LookWindow, ATransparentPageStandsOnChecksInTheFlatViewAndTheRelief) {
  if (onWayland())
    GTEST_SKIP() << "the screen's picture is the compositor's on Wayland";
  // A page without a background line is transparent.
  WindowController* window = openFixture("TwoSquares.ornival", "backgroundColor: 3A5A8CFF\n", "");
  ASSERT_NE(window, nullptr);
  ASSERT_LT(window->document()->backgroundColor().alpha, 1.0);
  View& view = *window->view();
  const auto checks = [&](const QImage& picture, QPoint origin) {
    // Away from the tiles, 8-point squares of two shades, alternating.
    const double ratio = picture.devicePixelRatio();
    const auto at = [&](int x, int y) { return picture.pixelColor((origin + QPoint(x, y)) * ratio); };
    const QColor a = at(4, 4), b = at(12, 4), c = at(12, 12), d = at(4, 12);
    EXPECT_NE(a, b);
    EXPECT_EQ(a, c);
    EXPECT_EQ(b, d);
    EXPECT_EQ(a, at(20, 4));
  };
  // The flat view's own picture is the same as the screen's.
  QTest::qWait(100);
  const QImage flat = view.grab().toImage();
  checks(flat, QPoint(0, 0));
  checks(screen(), view.mapToGlobal(QPoint(0, 0)));
  keep(flat, "transparent-flat");
  // In relief too, also after switching back and forth.
  for (int pass = 0; pass < 2; ++pass) {
    window->performEvent([&] { window->document()->setDisplayMode(3); });
    QTRY_VERIFY_WITH_TIMEOUT(view.sceneView() && view.sceneView()->isValid(), 5000);
    QTest::qWait(200);
    const QImage relief = screen();
    checks(relief, view.mapToGlobal(QPoint(0, 0)));
    if (pass == 1)
      keep(region(relief, QRect(view.mapToGlobal(QPoint(0, 0)), view.size())), "transparent-relief");
    window->performEvent([&] { window->document()->setDisplayMode(2); });
    QTest::qWait(100);
    checks(screen(), view.mapToGlobal(QPoint(0, 0)));
  }
}

// Each example, opened, is a whole mosaic that fills the window's view at
// its first size: not a small patch in a corner, nothing cut at the edges.
TEST_F(LookWindow, EveryExampleOpenedFillsTheViewWhole) {
  if (onWayland())
    GTEST_SKIP() << "the screen's picture is the compositor's on Wayland";
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(ORNIVAL_EXAMPLES))
    if (entry.path().extension() == ".ornival")
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  ASSERT_EQ(files.size(), 12u);
  for (const auto& file : files) {
    const std::string name = file.stem().string();
    SCOPED_TRACE(name);
    WindowController* window = application->openExample(name, file);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
    View& view = *window->view();
    if (window->document()->displayMode() == 3)
      QTRY_VERIFY_WITH_TIMEOUT(view.sceneView() && view.sceneView()->isValid(), 5000);
    QTest::qWait(300);
    const QImage shown = region(screen(), QRect(view.mapToGlobal(QPoint(0, 0)), view.size()));
    keep(region(screen(), window->window()->frameGeometry()), QString::fromStdString("example-" + name));
    // The page's ground is the colour at the view's corner; the mosaic is
    // what differs from it.
    const QColor ground = shown.pixelColor(2, 2);
    QRect mosaic;
    for (int y = 0; y < shown.height(); y += 2)
      for (int x = 0; x < shown.width(); x += 2) {
        const QColor c = shown.pixelColor(x, y);
        if (std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green()) +
                std::abs(c.blue() - ground.blue()) > 24)
          mosaic |= QRect(x, y, 1, 1);
      }
    ASSERT_FALSE(mosaic.isEmpty());
    const QRect inside = shown.rect().adjusted(4, 4, -4, -4);
    EXPECT_TRUE(inside.contains(mosaic)) << "cut at the view's edge";
    EXPECT_GE(std::max(double(mosaic.width()) / shown.width(), double(mosaic.height()) / shown.height()), 0.6)
        << "a patch of " << mosaic.width() << "×" << mosaic.height() << " in a view of " << shown.width() << "×"
        << shown.height();
    window->setEdited(false);
    window->window()->close();
  }
}

TEST_F(LookWindow, PicturesOfTheWindowItsPopoversAndTheBrowserInALightAndADarkPalette) {
  if (onWayland())
    GTEST_SKIP() << "the screen's picture is the compositor's on Wayland";
  for (const auto& [name, palette] : {std::pair{"light", testing::lightPalette()}, {"dark", testing::darkPalette()}}) {
    SCOPED_TRACE(name);
    testing::PaletteScope scope(palette);
    WindowController* window = application->openExample(
        "Ten Fold", std::filesystem::path(ORNIVAL_EXAMPLES) / "04-TenFold.ornival");
    ASSERT_NE(window, nullptr);
    window->window()->move(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
    window->toolbarDelegate()->setItems({"Shapes", "Color", "Border", "Dimension", "Count", "FlexibleSpace",
                                         "Rotate", "Scale", "Share"});
    QTest::qWait(200);
    const QString prefix = QString::fromLatin1(name);
    keep(region(screen(), window->window()->frameGeometry()), prefix + "-window");
    // The figure strip under the toolbar, the figures in use marked.
    QToolBar* strip = window->toolStripBar();
    strip->show();
    QTest::qWait(200);
    keep(region(screen(), QRect(strip->mapToGlobal(QPoint(0, 0)), strip->size())), prefix + "-strip");
    strip->hide();
    const std::pair<const char*, QWidget*> popups[] = {
        {"showCounts", window->countPopover()},      {"showScaleMenu", window->scalePopover()},
        {"showRotateMenu", window->rotatePopover()}, {"showBorder", window->borderPopover()},
        {"showSurface", window->surfacePopover()},   {"selectColor", window->colorPopover()},
        {"showIconMenu", window->iconMenu()},
    };
    for (const auto& [action, popup] : popups) {
      ASSERT_TRUE(window->send({action, 0, {}}));
      ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
      QTest::qWait(150);
      const QImage shown = screen();
      keep(region(shown, popup->frameGeometry()), prefix + "-" + action);
      if (std::string(action) == "selectColor") {
        // Its chooser opened by the tile colour's well.
        window->colorPopover()->shapeColor()->activate();
        QTest::qWait(150);
        keep(region(screen(), popup->frameGeometry()), prefix + "-colour-chooser");
      }
      if (std::string(action) == "showIconMenu")
        keep(region(shown, window->window()->frameGeometry().united(popup->frameGeometry())), prefix + "-browser");
      popup->close();
    }
    // The Tools menu with its figures' pictures, and the examples with
    // their thumbnails.
    for (const char* title : {"Tools", "File"}) {
      QMenu* menu = nullptr;
      for (QAction* action : window->window()->menuBar()->actions())
        if (action->text() == title)
          menu = action->menu();
      ASSERT_NE(menu, nullptr);
      QMenu* shown = menu;
      if (std::string(title) == "File")
        for (QAction* action : menu->actions())
          if (action->text() == "Examples")
            shown = action->menu();
      QTest::qWait(std::string(title) == "File" ? 3000 : 0);
      shown->popup(window->window()->mapToGlobal(QPoint(40, 40)));
      QTest::qWait(300);
      keep(region(screen(), shown->frameGeometry()), prefix + "-menu-" + title);
      shown->close();
    }
    // The panels inside the window, over the relief.
    window->performEvent([&] { window->document()->setDisplayMode(3); });
    QTRY_VERIFY_WITH_TIMEOUT(window->view()->sceneView() && window->view()->sceneView()->isValid(), 5000);
    ASSERT_TRUE(window->send({"showExport", 0, {}}));
    QTest::qWait(300);
    const QImage relief = screen();
    keep(region(relief, window->window()->frameGeometry()), prefix + "-relief-export");
    // The export panel stands above the relief, inside the view: it covers
    // neither the toolbar nor the status bar, on a small screen too.
    QWidget* panel = window->exportPopover();
    const QWidget* content = window->window()->centralWidget();
    EXPECT_TRUE(content->geometry().contains(panel->geometry()))
        << panel->height() << " high in a view " << content->height() << " high";
    const QImage drawn = panel->grab().toImage();
    const QPoint probe(drawn.width() / 2, 10);
    EXPECT_EQ(relief.pixelColor(onScreen(*panel, probe / drawn.devicePixelRatio(), relief)), drawn.pixelColor(probe));
    window->send({"closeExport", 0, {}});
    // The Change Colors panel over a picture laid under the flat drawing.
    window->performEvent([&] { window->document()->setDisplayMode(2); });
    QImage picture(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        picture.setPixel(x, y, qRgb(x * 255 / 300, y * 255 / 200, 160));
    const auto file = folder.path() / "underlay.png";
    ASSERT_TRUE(picture.save(QString::fromStdString(file.string())));
    window->view()->dispatch([&](ViewController& editor) { editor.setImage(file); });
    ASSERT_TRUE(window->send({"showChangeColors", 0, {}}));
    QTest::qWait(300);
    EXPECT_TRUE(content->geometry().contains(window->changeColorsPopover()->geometry()));
    keep(region(screen(), window->window()->frameGeometry()), prefix + "-change-colors");
    window->send({"closeChangeColors", 0, {}});
    window->setEdited(false);
    window->window()->close();
  }
}

}  // namespace
}  // namespace ornival
