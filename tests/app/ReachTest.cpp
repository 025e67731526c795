// Everything a user reaches from the window by key, menu and popover control,
// and what assistive tools are told of it.

#include "app/CollectionView.h"
#include "app/ColorPopover.h"
#include "app/IconMenuViewController.h"
#include "app/SettingsPopovers.h"
#include "app/ToolStrip.h"
#include "document/Document.h"
#include "editor/ViewController.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/UndoManager.h"
#include "support/DocumentWindows.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTest>
#include <QToolBar>

#include <map>

namespace ornival {
namespace {

using Reach = testing::DocumentWindowTest;

const std::string twoSquares = "Ornival 0.2\n\ncolors:\nFF0000FF\nFFFFFFFF\n\nshapes:\n7,1\n0,1,7,3,0,0,0,0,0,2\n\n"
                               "backgroundColor: 3A5A8CFF\nborderWidth: 2.0,0.0,0.0\n";

QAction* itemTitled(QWidget& window, const QString& title) {
  for (QAction* action : window.findChildren<QAction*>())
    if (action->text() == title)
      return action;
  return nullptr;
}

TEST_F(Reach, NoKeyIsHeldByTwoActionsAndTheDesktopsKeysAreThere) {
  WindowController& window = open(twoSquares);
  window.iconMenu();
  // Every action and shortcut of the window, its menus, toolbar, popovers
  // and browser: a key held twice fires neither.
  std::map<QString, QStringList> holders;
  for (QAction* action : window.window()->findChildren<QAction*>())
    for (const QKeySequence& key : action->shortcuts())
      holders[key.toString()] << action->text();
  for (QShortcut* shortcut : window.window()->findChildren<QShortcut*>())
    holders[shortcut->key().toString()] << QStringLiteral("a shortcut");
  for (const auto& [key, names] : holders)
    EXPECT_EQ(names.size(), 1) << key.toStdString() << " is held by " << names.join(", ").toStdString();

  const std::pair<QString, QKeySequence> keys[] = {
      {"Paste", QKeySequence(QKeySequence::Paste)},       {"Paste and Add", QKeySequence("Ctrl+Shift+V")},
      {"New Window", QKeySequence("Ctrl+Shift+N")},       {"Group", QKeySequence("Ctrl+G")},
      {"Ungroup", QKeySequence("Ctrl+Shift+G")},          {"3D View", QKeySequence("Ctrl+3")},
      {"Show Tool Strip", QKeySequence("F9")},            {"Export Bitmap…", QKeySequence("Ctrl+Shift+E")},
      {"Save As…", QKeySequence("Ctrl+Shift+S")},
  };
  for (const auto& [title, key] : keys) {
    QAction* action = itemTitled(*window.window(), title);
    ASSERT_NE(action, nullptr) << title.toStdString();
    EXPECT_EQ(action->shortcut(), key) << title.toStdString();
  }

  // The tool strip's item says whether the strip is shown.
  QAction* strip = itemTitled(*window.window(), "Show Tool Strip");
  ASSERT_TRUE(strip->isCheckable());
  EXPECT_FALSE(strip->isChecked());
  strip->trigger();
  EXPECT_TRUE(strip->isChecked());
  EXPECT_FALSE(window.toolStripBar()->isHidden());
  strip->trigger();
  EXPECT_FALSE(strip->isChecked());
  EXPECT_TRUE(window.toolStripBar()->isHidden());
}

TEST_F(Reach, EveryPopoverHasAMenuItemAndTheUndoItemsNameTheirStep) {
  WindowController& window = open(twoSquares);
  window.window()->show();
  const std::pair<QString, Popover*> popovers[] = {
      {"Colors…", window.colorPopover()},
      {"Border and Crossings…", window.borderPopover()},
      {"Surface…", window.surfacePopover()},
      {"Counts…", window.countPopover()},
      {"Zoom…", window.scalePopover()},
      {"Rotation…", window.rotatePopover()},
      {"Export Bitmap…", window.exportPopover()},
  };
  for (const auto& [title, popover] : popovers) {
    QAction* item = itemTitled(*window.window(), title);
    ASSERT_NE(item, nullptr) << title.toStdString();
    item->trigger();
    EXPECT_TRUE(popover->isVisible()) << title.toStdString();
    PopoverHost::close(*popover);
  }
  QAction* browser = itemTitled(*window.window(), "Catalogue…");
  ASSERT_NE(browser, nullptr);
  browser->trigger();
  EXPECT_TRUE(window.iconMenu()->isVisible());
  window.iconMenu()->close();

  QMenu* edit = nullptr;
  for (QAction* menu : window.window()->menuBar()->actions())
    if (menu->text() == "Edit")
      edit = menu->menu();
  ASSERT_NE(edit, nullptr);
  QAction* undo = edit->actions()[0];
  QAction* redo = edit->actions()[1];
  emit edit->aboutToShow();
  EXPECT_EQ(undo->text(), "Undo");
  EXPECT_FALSE(undo->isEnabled());
  window.performEvent([&] { window.document()->setCrossingsValue(2); });
  emit edit->aboutToShow();
  EXPECT_EQ(undo->text(), "Undo Change Crossings");
  EXPECT_EQ(redo->text(), "Redo");
  undo->trigger();
  emit edit->aboutToShow();
  EXPECT_EQ(undo->text(), "Undo");
  EXPECT_EQ(redo->text(), "Redo Change Crossings");
}

// The border popover's crossings control follows the document both ways;
// each row's reset sends the window's reset command.
TEST_F(Reach, CrossingsAreBoundBothWaysAndEachRowResetsItsSetting) {
  WindowController& window = open(twoSquares);
  window.window()->show();
  window.send({"showBorder", 0, {}});
  BorderPopover& border = *window.borderPopover();
  auto* crossings = border.findChild<QComboBox*>("crossings");
  ASSERT_NE(crossings, nullptr);
  EXPECT_EQ(crossings->currentIndex(), 0);
  crossings->setCurrentIndex(2);
  EXPECT_EQ(window.document()->crossings(), CrossingStatus::alternate);
  EXPECT_EQ(window.undoManager()->undoActionName(), "Change Crossings");
  window.send({"undo", 0, {}});
  EXPECT_EQ(crossings->currentIndex(), 0);

  // Each reset button restores its row; the rounding rows go between 1 and
  // their other usual value, and may be copied from one to the other.
  struct Case {
    Popover* popover;
    const char* key;
    const char* button;
    double before;
    double after;
  };
  const Case cases[] = {
      {&border, "borderBezierFactor", "resetBorderFactor", 0.7, 1.0},
      {&border, "borderBezierFactor", "resetBorderFactor", 1.0, 0.5},
      {&border, "borderRadiusLimit", "resetRadiusLimit", 1.0, 0.25},
      {&border, "shapeBezierFactor", "resetShapeFactor", 0.3, 1.0},
      {&border, "shapeRadiusLimit", "resetShapeRadiusLimit", 0.6, 1.0},
      {window.surfacePopover(), "surfaceZscale", "resetSurfaceZscale", 2.5, 1.0},
      {window.surfacePopover(), "metalness", "resetMetalness", 0.9, 0.5},
      {window.surfacePopover(), "roughness", "resetRoughness", 0.1, 0.5},
      {window.surfacePopover(), "ripple", "resetRipple", 0.4, 0.0},
      {window.surfacePopover(), "rippleScale", "resetRippleScale", 0.4, 0.0},
      {window.surfacePopover(), "ambientBrightness", "resetAmbientBrightness", 0.3, 0.0},
      {window.surfacePopover(), "ambientBrightness", "resetAmbientBrightness", 0.0, double(0.6f)},
  };
  for (const Case& c : cases) {
    // A click in one transient popover closes the other.
    if (!c.popover->isVisible())
      window.send({c.popover == &border ? "showBorder" : "showSurface", 0, {}});
    auto* box = c.popover->findChild<QDoubleSpinBox*>(c.key);
    auto* reset = c.popover->findChild<QAbstractButton*>(c.button);
    ASSERT_NE(box, nullptr) << c.key;
    ASSERT_NE(reset, nullptr) << c.button;
    box->setValue(c.before);
    ASSERT_DOUBLE_EQ(std::get<double>(*window.document()->value(c.key)), c.before) << c.key;
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(std::get<double>(*window.document()->value(c.key)), c.after) << c.button;
    EXPECT_NEAR(box->value(), c.after, 0.005) << c.key;
  }
  window.send({"showBorder", 0, {}});
  border.findChild<QDoubleSpinBox*>("borderBezierFactor")->setValue(0.4);
  QTest::mouseClick(border.findChild<QAbstractButton*>("copyBorderFactor"), Qt::LeftButton);
  EXPECT_DOUBLE_EQ(window.document()->shapeBezierFactor(), 0.4);
  border.findChild<QDoubleSpinBox*>("shapeBezierFactor")->setValue(0.8);
  QTest::mouseClick(border.findChild<QAbstractButton*>("copyShapeFactor"), Qt::LeftButton);
  EXPECT_DOUBLE_EQ(window.document()->borderBezierFactor(), 0.8);
}

// "m" and "M" typed in the browser mirror the tools, or add the mirror
// images; "i" inverts the colours; the browser's own commands bring the
// selection into view.
TEST_F(Reach, TheBrowsersKeysMirrorAndInvert) {
  WindowController& window = open(twoSquares);
  Shapes chiral = Shapes::square;
  for (const auto& [kind, image] : Shapes::mirrors())
    if (kind != image) {
      chiral = kind;
      break;
    }
  ASSERT_NE(chiral, Shapes::square);
  const Shapes image = Shapes::mirrors().at(chiral);
  window.performEvent([&] { window.editor()->selectTools({chiral}); });
  window.send({"showIconMenu", 0, {}});
  IconMenuViewController& browser = *window.iconMenu();
  CollectionView* grid = browser.collectionView();
  QTest::keyClick(grid, 'm');
  EXPECT_EQ(window.editor()->selectedTools, ToolSet{image});
  QTest::keyClick(grid, 'M');
  EXPECT_EQ(window.editor()->selectedTools, (ToolSet{chiral, image}));
  EXPECT_EQ(browser.tools.size(), 2u);

  const Color before = window.editor()->graph().shapes()[0]->shapeColor();
  QTest::keyClick(grid, 'i');
  EXPECT_NE(window.editor()->graph().shapes()[0]->shapeColor(), before);
  EXPECT_EQ(window.undoManager()->undoActionName(), "Invert Colors");

  // The browser's "Show Selection" is its Ctrl+L.
  auto* center = browser.findChild<QAbstractButton*>("centerSelection");
  ASSERT_NE(center, nullptr);
  ASSERT_NE(center->actions().size(), 0);
  EXPECT_EQ(center->actions()[0]->shortcut(), QKeySequence("Ctrl+L"));
  browser.close();
}

// Assistive tools read a name for every control of the toolbar, the
// popovers and the browser.
TEST_F(Reach, EveryControlHasAnAccessibleName) {
  WindowController& window = open(twoSquares);
  window.window()->show();
  window.iconMenu();
  std::vector<QWidget*> parts = {window.toolbarDelegate() ? window.window()->findChild<QToolBar*>() : nullptr,
                                 window.colorPopover(),  window.borderPopover(), window.surfacePopover(),
                                 window.countPopover(),  window.scalePopover(),  window.rotatePopover(),
                                 window.exportPopover(), window.changeColorsPopover(), window.iconMenu()};
  int controls = 0;
  for (QWidget* part : parts) {
    ASSERT_NE(part, nullptr);
    for (QWidget* widget : part->findChildren<QWidget*>()) {
      const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QAbstractSlider*>(widget) ||
                           qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QComboBox*>(widget) ||
                           widget->inherits("ornival::ColorWell") || widget->inherits("QAbstractItemView");
      // Scroll bars and Qt's own parts (the toolbar's overflow button) are
      // named by Qt.
      if (!control || widget->inherits("QScrollBar") || widget->objectName().startsWith("qt_"))
        continue;
      ++controls;
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
      ASSERT_NE(accessible, nullptr);
      EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty())
          << widget->metaObject()->className() << " " << widget->objectName().toStdString() << " in "
          << part->metaObject()->className();
    }
  }
  EXPECT_GT(controls, 60);
}

}  // namespace
}  // namespace ornival
