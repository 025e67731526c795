#include "app/ColorWell.h"
#include "app/SettingsPopovers.h"
#include "app/ToolbarDelegate.h"
#include "platform/UndoManager.h"
#include "app/core/ToolbarItems.h"
#include "document/Document.h"
#include "editor/ViewController.h"
#include "support/DocumentWindows.h"
#include "support/Waiting.h"

#include <QAction>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace ornival {
namespace {

using ToolbarDelegateTest = testing::DocumentWindowTest;

std::vector<std::string> shown(const ToolbarDelegate& delegate) {
  std::vector<std::string> items;
  for (QAction* action : delegate.toolbar().actions())
    items.push_back(action->objectName().toStdString());
  return items;
}

TEST_F(ToolbarDelegateTest, ANewWindowHasTheDefaultItemsAndEveryFigureItsOwnItem) {
  WindowController* window = application->newDocument();
  ToolbarDelegate& toolbar = *window->toolbarDelegate();
  EXPECT_EQ(shown(toolbar), defaultToolbarItems());
  EXPECT_EQ(toolbar.makeToolbarItem("Count"), toolbar.makeToolbarItem("Count"));
  // Figures 653 and 654 share a name and still have an item each.
  QAction* first = toolbar.makeToolbarItem(toolIdentifier(*Shapes::init(653)));
  QAction* second = toolbar.makeToolbarItem(toolIdentifier(*Shapes::init(654)));
  ASSERT_TRUE(first && second);
  EXPECT_NE(first, second);
  EXPECT_EQ(first->text(), second->text());
  EXPECT_EQ(first->data().toInt(), 653);
  EXPECT_EQ(second->data().toInt(), 654);
  EXPECT_EQ(toolbar.makeToolbarItem(toolIdentifier(Shapes::multi)), nullptr);
  EXPECT_EQ(toolbar.makeToolbarItem("Nonsense"), nullptr);
}

TEST_F(ToolbarDelegateTest, TheChosenItemsAreSavedForTheNextWindow) {
  WindowController* window = application->newDocument();
  const std::vector<std::string> chosen = {"Figure 653", "Figure 654", "Space", "Color", "Border", "Share"};
  window->toolbarDelegate()->setItems(chosen);
  EXPECT_EQ(shown(*window->toolbarDelegate()), chosen);
  WindowController* next = application->newDocument();
  EXPECT_EQ(shown(*next->toolbarDelegate()), chosen);
  next->toolbarDelegate()->setItems(defaultToolbarItems());
  EXPECT_EQ(ToolbarDelegate::savedItems(), defaultToolbarItems());
}

TEST_F(ToolbarDelegateTest, ATouchedToolIsSelectedByTheEditorAndCheckedAlone) {
  WindowController* window = application->newDocument();
  ToolbarDelegate& toolbar = *window->toolbarDelegate();
  toolbar.setItems({"Figure 653", "Figure 654", "Dimension"});
  window->window()->show();
  QAction* item = toolbar.makeToolbarItem("Figure 654");
  QWidget* button = toolbar.toolbar().widgetForAction(item);
  ASSERT_NE(button, nullptr);
  QTest::mousePress(button, Qt::LeftButton);
  // It acted as the button went down.
  EXPECT_EQ(window->editor()->selectedTools, ToolSet{*Shapes::init(654)});
  QTest::mouseRelease(button, Qt::LeftButton);
  EXPECT_TRUE(item->isChecked());
  EXPECT_FALSE(toolbar.makeToolbarItem("Figure 653")->isChecked());
  EXPECT_EQ(toolbar.selectedTool(), Shapes::init(654));
  // The group tile checks nothing.
  window->setSelectedTools({Shapes::multi});
  EXPECT_FALSE(item->isChecked());
  EXPECT_EQ(toolbar.selectedTool(), std::nullopt);
}

TEST_F(ToolbarDelegateTest, ALongPressOnTheDimensionButtonOpensItsPopoverWithoutSwitching) {
  WindowController* window = application->newDocument();
  window->window()->show();
  ToolbarDelegate& toolbar = *window->toolbarDelegate();
  QToolButton* dimension = toolbar.dimensionButton();
  ASSERT_NE(dimension, nullptr);
  EXPECT_EQ(dimension->text(), "2D");
  toolbar.setDimension(3);
  EXPECT_EQ(dimension->text(), "3D");
  toolbar.setDimension(4);
  EXPECT_EQ(dimension->text(), "2D");
  int switches = 0;
  QObject::connect(dimension, &QToolButton::clicked, [&] { ++switches; });
  QTest::mousePress(dimension, Qt::LeftButton);
  EXPECT_TRUE(testing::waitFor([&] { return window->borderPopover()->isVisible(); }));
  QTest::mouseRelease(dimension, Qt::LeftButton);
  EXPECT_EQ(switches, 0);
  // In 2D the border popover opens.
  EXPECT_TRUE(window->borderPopover()->isVisible());
  window->borderPopover()->hide();
  QTest::mouseClick(dimension, Qt::LeftButton);
  EXPECT_EQ(switches, 1);
  EXPECT_FALSE(window->borderPopover()->isVisible());
}

TEST_F(ToolbarDelegateTest, TheColorWellAndTheDocumentsToolColourFollowEachOther) {
  WindowController* window = application->newDocument();
  ColorWell* well = window->toolbarDelegate()->colorWell();
  ASSERT_NE(well, nullptr);
  const Color picked{0.25, 0.5, 0.75, 1};
  emit well->colorPicked(picked);
  EXPECT_EQ(window->document()->shapeColor(), picked);
  EXPECT_EQ(window->editor()->shapeColor(), picked);
  const Color set{0.5, 0.5, 0, 1};
  window->performEvent([&] { window->document()->setShapeColor(set); });
  EXPECT_EQ(well->color(), set);
}

TEST_F(ToolbarDelegateTest, WithoutASelectedToolTheBorderButtonShowsTheOutlineOfFigure4) {
  WindowController* window = application->newDocument();
  ToolbarDelegate& toolbar = *window->toolbarDelegate();
  toolbar.setItems({"Shapes", "Border"});
  toolbar.setSelectedTool(std::nullopt);
  // The catalogue's own picture stands for what the button opens.
  EXPECT_FALSE(toolbar.shapesButton()->icon().isNull());
  // Drawn at the density asked for: 64 pixels for 32 points at twice the
  // usual density.
  const QImage border = toolbar.borderButton()->icon().pixmap(QSize(32, 32), 2.0).toImage();
  EXPECT_EQ(border.size(), QSize(64, 64));
  const QImage sun = ToolbarDelegate::figureImage(*Shapes::figures()[3], Color::clear(), 1, 1, 1, 1, 64,
                                                  toolbar.toolbar().palette().color(QPalette::WindowText));
  EXPECT_EQ(border.convertToFormat(QImage::Format_ARGB32), sun.convertToFormat(QImage::Format_ARGB32));
  // The centre of an outline is clear; a selected tool is filled.
  EXPECT_EQ(qAlpha(sun.pixel(sun.width() / 2, sun.height() / 2)), 0);
  const QImage filled = ToolbarDelegate::figureImage(*Shapes::figures()[3], Color::white(), 1, 1, 1, 1, 64, Qt::black);
  EXPECT_EQ(filled.pixel(filled.width() / 2, filled.height() / 2), qRgba(255, 255, 255, 255));
}

}  // namespace
}  // namespace ornival
