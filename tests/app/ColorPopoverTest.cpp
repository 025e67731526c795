#include "app/ColorPopover.h"
#include "app/ColorWell.h"
#include "document/Document.h"
#include "editor/ViewController.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/UndoManager.h"
#include "support/DocumentWindows.h"

#include <QColorDialog>
#include <QSlider>
#include <QTest>

namespace ornival {
namespace {

using ColorPopoverTest = testing::DocumentWindowTest;

const std::string squares = "Ornival 0.2\n\ncolors:\nFF0000FF\n\nshapes:\n7,0,0,0,0,0\n0,1,7,3,0,0,0,0,0,2\n"
                            "1,1,7,3,0,0,0,0,0,1\n\nbackgroundColor: 3A5A8CFF\n";

TEST_F(ColorPopoverTest, TheGridMixesTheTwoWellsAndAMixedWellBecomesTheToolColour) {
  WindowController& window = open(squares);
  window.window()->show();
  ASSERT_TRUE(window.send({"selectColor", 0, {}}));
  ColorPopover& colors = *window.colorPopover();
  ASSERT_TRUE(colors.isVisible());
  // Two blacks become red and yellow.
  EXPECT_EQ(colors.colorA()->color(), (Color{1, 0, 0, 1}));
  EXPECT_EQ(colors.colorB()->color(), (Color{1, 1, 0, 1}));
  EXPECT_EQ(colors.mixWell(4, 0)->color(), (Color{1, 0.5, 0, 1}));

  colors.colorB()->setColor({0, 0, 1, 1});
  colors.mixer()->setValue(0);
  EXPECT_EQ(colors.mixWell(0, 0)->color(), (Color{1, 0, 0, 1}));
  colors.flipMixer();
  EXPECT_EQ(colors.mixer()->value(), 1000);
  EXPECT_EQ(colors.mixWell(0, 4)->color(), (Color{0, 0, 1, 1}));
  colors.flipMixer();
  EXPECT_EQ(colors.mixer()->value(), 0);

  // Row 4's HSB blend of red and blue is green.
  const Color green = colors.mixWell(4, 4)->color();
  EXPECT_NEAR(green.green, 1.0, 1e-9);
  QTest::mouseClick(colors.mixWell(4, 4), Qt::LeftButton);
  EXPECT_EQ(window.document()->shapeColor(), green);
  EXPECT_EQ(colors.shapeColor()->color(), green);
  // The background's undo shows in its well.
  emit colors.backgroundColor()->colorPicked(green);
  EXPECT_EQ(window.document()->backgroundColor(), green);
  window.undoManager()->undo();
  EXPECT_NE(colors.backgroundColor()->color(), green);
  EXPECT_EQ(colors.backgroundColor()->color(), window.document()->backgroundColor());
}

TEST_F(ColorPopoverTest, BackgroundAlphaAndNextLayer) {
  WindowController& window = open(squares);
  window.window()->show();
  window.send({"selectColor", 0, {}});
  ColorPopover& colors = *window.colorPopover();
  window.performEvent([&] { window.document()->setBackgroundColor({0.2, 0.3, 0.4, 0.3}); });
  EXPECT_EQ(colors.backgroundColor()->color().alpha, 0.3);
  colors.toggleBackgroundAlpha();
  EXPECT_EQ(window.document()->backgroundColor(), (Color{0.2, 0.3, 0.4, 0}));
  colors.toggleBackgroundAlpha();
  EXPECT_EQ(window.document()->backgroundColor().alpha, 1.0);
  EXPECT_EQ(colors.backgroundColor()->color().alpha, 1.0);

  // Tiles on layers 0, 2 and 1: the next is 3.
  colors.nextLayerIndex();
  EXPECT_EQ(window.editor()->layerIndex(), 3);

  // Its wells choose in a chooser inside it, which closes with it.
  colors.backgroundColor()->activate();
  EXPECT_TRUE(colors.isVisible());
  ASSERT_NE(colors.colorChooser(), nullptr);
  ASSERT_TRUE(colors.colorChooser()->isVisible());
  colors.colorChooser()->setCurrentColor(QColor(255, 0, 0, 128));
  EXPECT_EQ(window.document()->backgroundColor(), fromQColor(QColor(255, 0, 0, 128)));
  colors.hide();
  EXPECT_FALSE(colors.colorChooser()->isVisible());
}

TEST_F(ColorPopoverTest, OnAnEmptyDocumentTheNextLayerIs1) {
  WindowController* window = application->newDocument();
  window->window()->show();
  window->send({"selectColor", 0, {}});
  window->colorPopover()->nextLayerIndex();
  EXPECT_EQ(window->editor()->layerIndex(), 1);
}

TEST_F(ColorPopoverTest, OneColourDialogServesEveryWell) {
  ColorWell first, second;
  first.setColor({1, 0, 0, 1});
  second.setColor({0, 0, 1, 0.5});
  first.activate();
  QColorDialog* dialog = ColorWell::colorDialog(false);
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->testOption(QColorDialog::ShowAlphaChannel));
  EXPECT_FALSE(dialog->isModal());
  second.activate();
  EXPECT_EQ(ColorWell::colorDialog(false), dialog);
  // Handing over does not repaint the first well in the second's colour.
  EXPECT_EQ(first.color(), (Color{1, 0, 0, 1}));
  Color picked;
  QObject::connect(&second, &ColorWell::colorPicked, [&](const Color& c) { picked = c; });
  dialog->setCurrentColor(QColor(0, 255, 0));
  EXPECT_EQ(picked, (Color{0, 1, 0, 1}));
  EXPECT_EQ(first.color(), (Color{1, 0, 0, 1}));
  ColorWell::closeColorDialog();
  EXPECT_FALSE(dialog->isVisible());
}

}  // namespace
}  // namespace ornival
