#include "app/ColorWell.h"
#include "app/CountViewController.h"
#include "app/Popover.h"
#include "app/SettingsPopovers.h"
#include "app/ToolbarDelegate.h"
#include "document/Document.h"
#include "editor/ViewController.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/ShapeLayer.h"
#include "platform/UndoManager.h"
#include "support/DocumentWindows.h"

#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <cstdlib>
#include <numbers>

namespace ornival {
namespace {

using PopoverTest = testing::DocumentWindowTest;

const std::string threeSquares =
    "Ornival 0.2\n\ncolors:\nFF0000FF\n\nshapes:\n7,0\n0,1,7,3,0\n1,1,7,3,0\n\nbackgroundColor: 3A5A8CFF\n";

template <typename T>
T* child(QWidget& parent, int index = 0) {
  const auto found = parent.findChildren<T*>();
  return index < found.size() ? found[index] : nullptr;
}

TEST_F(PopoverTest, ABoundControlSetsTheDocumentAndUndoBringsTheControlBack) {
  WindowController& window = open(threeSquares);
  window.window()->show();
  BorderPopover& border = *window.borderPopover();
  window.showPopover(border, nullptr);
  ASSERT_TRUE(border.isVisible());
  EXPECT_EQ(border.representedDocument(), window.document());
  QDoubleSpinBox* width = child<QDoubleSpinBox>(border);
  ASSERT_NE(width, nullptr);
  EXPECT_EQ(width->value(), 2.0);
  width->setValue(5.5);
  EXPECT_EQ(window.document()->borderWidth(), 5.5);
  EXPECT_TRUE(window.isEdited());
  window.undoManager()->undo();
  EXPECT_EQ(window.document()->borderWidth(), 2.0);
  EXPECT_EQ(width->value(), 2.0);
  window.undoManager()->redo();
  EXPECT_EQ(width->value(), 5.5);

  // A band colour through its well.
  emit border.bandColors()[1]->colorPicked({0, 1, 0, 1});
  EXPECT_EQ(window.document()->borderColor2(), (Color{0, 1, 0, 1}));

  // Closed, it lets go of the document, and its controls change nothing.
  border.hide();
  EXPECT_EQ(border.representedDocument(), nullptr);
  width->setValue(9.0);
  EXPECT_EQ(window.document()->borderWidth(), 5.5);
}

TEST_F(PopoverTest, AClickOutsideClosesATransientPopoverWhoseWellsChooseInsideIt) {
  WindowController& window = open(threeSquares);
  window.window()->show();
  BorderPopover& border = *window.borderPopover();
  window.send({"showBorder", 0, {}});
  ASSERT_TRUE(border.isVisible());
  // A popup of the document window: it alone is placed where the program
  // puts it on every desktop.
  EXPECT_EQ(border.windowType(), Qt::Popup);
  EXPECT_EQ(border.parentWidget(), window.window());
  // Its well opens a chooser inside it, which then edits the band; a colour
  // dialog, another window, would close it at its first click.
  ColorWell& band = *border.bandColors()[0];
  band.activate();
  QColorDialog* chooser = border.colorChooser();
  ASSERT_NE(chooser, nullptr);
  EXPECT_TRUE(chooser->isVisible());
  EXPECT_EQ(chooser->window(), &border);
  EXPECT_TRUE(band.isActive());
  EXPECT_TRUE(ColorWell::colorDialog(false) == nullptr || !ColorWell::colorDialog(false)->isVisible());
  QTest::mouseClick(chooser, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(border.isVisible());
  chooser->setCurrentColor(QColor(0, 128, 255));
  EXPECT_EQ(window.document()->borderColor(), fromQColor(QColor(0, 128, 255)));
  EXPECT_EQ(band.color(), fromQColor(QColor(0, 128, 255)));
  // Another well takes the chooser over without taking the first one's colour.
  ColorWell& second = *border.bandColors()[1];
  second.activate();
  EXPECT_TRUE(second.isActive());
  EXPECT_FALSE(band.isActive());
  EXPECT_EQ(band.color(), fromQColor(QColor(0, 128, 255)));
  // A click beside it closes the popover and its chooser with it. (The
  // popup holds the pointer: the display gives it the click.)
  QTest::mouseClick(border.windowHandle(), Qt::LeftButton, {}, QPoint(border.width() + 10, 10));
  EXPECT_FALSE(border.isVisible());
  window.send({"showBorder", 0, {}});
  EXPECT_FALSE(chooser->isVisible());
  QTest::keyClick(&border, Qt::Key_Escape);
  EXPECT_FALSE(border.isVisible());
}

TEST_F(PopoverTest, ADraggedSliderIsOneUndoStep) {
  WindowController& window = open(threeSquares);
  window.window()->show();
  Popover& surface = *window.surfacePopover();
  window.showPopover(surface, nullptr);
  // The metalness row: its slider moves in hundredths.
  auto* metalness = surface.findChild<QSlider*>("metalness");
  ASSERT_NE(metalness, nullptr);
  const std::size_t steps = window.undoManager()->undoCount();
  metalness->setSliderDown(true);
  emit metalness->sliderPressed();
  for (int value : {55, 60, 70})
    metalness->setValue(value);
  metalness->setSliderDown(false);
  emit metalness->sliderReleased();
  EXPECT_DOUBLE_EQ(window.document()->metalness(), 0.7);
  EXPECT_EQ(window.undoManager()->undoCount(), steps + 1);
  window.undoManager()->undo();
  EXPECT_DOUBLE_EQ(window.document()->metalness(), 0.5);
  EXPECT_EQ(metalness->value(), 50);
}

TEST_F(PopoverTest, BandWidthSwitches) {
  auto document = Document::create();
  struct Step {
    int band;
    double width1, width2, width3;
  } steps[] = {
      {3, 2.0, 0.0, 0.0},  // band 3 from band 2, which is off: stays off
      {2, 2.0, 1.0, 0.0},
      {3, 2.0, 1.0, 0.5},
      {3, 2.0, 1.0, 0.0},
      {1, 0.0, 1.0, 0.0},
      {2, 0.0, 0.0, 0.0},
      {2, 0.0, 0.0, 0.0},  // half of nothing
      {1, 2.0, 0.0, 0.0},
  };
  for (const Step& step : steps) {
    toggleBorderWidth(*document, step.band);
    EXPECT_EQ(document->borderWidth(), step.width1) << step.band;
    EXPECT_EQ(document->borderWidth2(), step.width2) << step.band;
    EXPECT_EQ(document->borderWidth3(), step.width3) << step.band;
  }
}

TEST_F(PopoverTest, ShowingTwiceDoesNothingAndTheRotateSliderSpansAboutTheMarkedTile) {
  WindowController& window = open(threeSquares);
  window.window()->show();
  ASSERT_TRUE(window.send({"showRotateMenu", 0, {}}));
  RotatePopover& rotate = *window.rotatePopover();
  ASSERT_TRUE(rotate.isVisible());
  EXPECT_EQ(rotate.slider()->minimum() * 0.5, -180.0);
  EXPECT_EQ(rotate.slider()->maximum() * 0.5, 180.0);
  const QPoint place = rotate.pos();
  window.send({"showRotateMenu", 0, {}});
  EXPECT_EQ(rotate.pos(), place);
  rotate.hide();
}

// About a marked tile turned a quarter, the slider spans −90° to 270°; an
// angle set beyond half a turn is kept by the document as the same angle a
// turn back, and slider and box show it as set, as they show any rotation
// the document takes on, folded into their range.
TEST_F(PopoverTest, TheRotateSliderShowsTheDocumentsRotationWithinItsRange) {
  WindowController& window = open(threeSquares);
  window.window()->show();
  const auto& tile = window.editor()->graph().shapes().front();
  tile->transformation = AffineTransform::rotation(-std::numbers::pi / 2).concatenating(tile->transformation);
  tile->marked = true;
  ASSERT_TRUE(window.send({"showRotateMenu", 0, {}}));
  RotatePopover& rotate = *window.rotatePopover();
  QSlider& slider = *rotate.slider();
  auto* box = rotate.findChild<QDoubleSpinBox*>("rotation");
  ASSERT_NE(box, nullptr);
  EXPECT_DOUBLE_EQ(slider.minimum() * 0.5, -90.0);
  EXPECT_DOUBLE_EQ(slider.maximum() * 0.5, 270.0);
  EXPECT_DOUBLE_EQ(box->minimum(), -90.0);
  EXPECT_DOUBLE_EQ(box->maximum(), 270.0);

  // The toolbar's label tells the angle the controls show.
  ToolbarDelegate& toolbar = *window.toolbarDelegate();
  const auto label = [&] {
    return static_cast<QToolButton*>(toolbar.toolbar().widgetForAction(toolbar.makeToolbarItem("Rotate")))
        ->text()
        .toStdString();
  };
  slider.setValue(400);
  EXPECT_DOUBLE_EQ(window.document()->rotation(), -160.0);
  EXPECT_EQ(slider.value(), 400);
  EXPECT_DOUBLE_EQ(box->value(), 200.0);
  EXPECT_EQ(label(), "Rotate: 200\u00B0");

  box->setValue(269.5);
  EXPECT_DOUBLE_EQ(window.document()->rotation(), -90.5);
  EXPECT_EQ(slider.value(), 539);
  // The two ends are one angle, shown at the start of the range.
  for (const double degrees : {-90.0, 270.0}) {
    box->setValue(degrees);
    EXPECT_DOUBLE_EQ(window.document()->rotation(), -90.0);
    EXPECT_DOUBLE_EQ(box->value(), -90.0);
    EXPECT_EQ(slider.value(), -180);
  }
  window.performEvent([&] { window.document()->setRotation(-100.0); });
  EXPECT_DOUBLE_EQ(box->value(), 260.0);
  EXPECT_EQ(slider.value(), 520);
  EXPECT_EQ(label(), "Rotate: 260\u00B0");
  rotate.hide();

  // Without a marked tile the range is half a turn either way again.
  tile->marked = false;
  window.send({"showRotateMenu", 0, {}});
  EXPECT_DOUBLE_EQ(slider.maximum() * 0.5, 180.0);
  EXPECT_DOUBLE_EQ(box->value(), -100.0);
  EXPECT_DOUBLE_EQ(box->maximum(), 180.0);
  EXPECT_EQ(label(), "Rotate: -100\u00B0");
}

TEST_F(PopoverTest, TheExportPanelStaysOpenShowsThePageFrameAndHidesItWhenClosed) {
  WindowController& window = open(threeSquares);
  window.window()->show();
  // The bitmap export asks for the panel.
  ASSERT_TRUE(window.send({"export", 0, {}}));
  Popover& panel = *window.exportPopover();
  EXPECT_TRUE(panel.isVisible());
  EXPECT_FALSE(panel.isWindow());
  EXPECT_FALSE(window.editor()->boundsLayer->isHidden());
  // A click on the page leaves it open.
  QTest::mouseClick(window.view(), Qt::LeftButton, {}, QPoint(20, 400));
  EXPECT_TRUE(panel.isVisible());
  window.send({"closeExport", 0, {}});
  EXPECT_FALSE(panel.isVisible());
  EXPECT_TRUE(window.editor()->boundsLayer->isHidden());
  EXPECT_EQ(panel.representedDocument(), nullptr);

  // Closing the window closes the panel, which hides the frame again.
  window.send({"showExport", 0, {}});
  ASSERT_TRUE(panel.isVisible());
  window.close();
  EXPECT_FALSE(panel.isVisible());
  EXPECT_TRUE(window.editor()->boundsLayer->isHidden());
}

TEST_F(PopoverTest, TheCountPopoverShowsTheDocumentsCounts) {
  WindowController& window = open(threeSquares);
  window.window()->show();
  window.send({"showCounts", 0, {}});
  Popover& counts = *window.countPopover();
  ASSERT_TRUE(counts.isVisible());
  QStringList texts;
  for (QLabel* label : counts.findChildren<QLabel*>())
    texts.push_back(label->text());
  EXPECT_TRUE(texts.contains("3")) << texts.join(' ').toStdString();
  counts.hide();
}

// The counts follow the tiles while the popover is open; the selected count
// shows only while some tile is selected.
TEST_F(PopoverTest, TheCountViewFollowsTheTilesAndShowsTheSelectedOnlyWhenThereIsOne) {
  WindowController& window = open(threeSquares);
  window.window()->show();
  window.send({"showCounts", 0, {}});
  Popover& popover = *window.countPopover();
  ASSERT_TRUE(popover.isVisible());
  auto* counts = popover.findChild<CountViewController*>();
  ASSERT_NE(counts, nullptr);
  EXPECT_EQ(counts->countText("shapeCount"), "3");
  EXPECT_EQ(counts->countText("edgeCount"), "10");
  EXPECT_EQ(counts->countText("vertexCount"), "8");
  EXPECT_EQ(counts->countText("perimeter"), "8");
  EXPECT_FALSE(counts->isCountShown("selectedShapeCount"));

  const auto& tiles = window.editor()->graph().shapes();
  tiles[0]->marked = true;
  tiles[2]->marked = true;
  window.editor()->updateCounts();
  EXPECT_TRUE(counts->isCountShown("selectedShapeCount"));
  EXPECT_EQ(counts->countText("selectedShapeCount"), "2");
  if (const char* folder = std::getenv("ORNIVAL_SCREENSHOTS"))
    popover.grab().save(QString("%1/count-popover.png").arg(folder));
  popover.hide();

  CountViewController empty;
  EXPECT_EQ(empty.countText("shapeCount"), "");
  EXPECT_FALSE(empty.isCountShown("selectedShapeCount"));
}

TEST_F(PopoverTest, TheChangeColoursPanelColoursTheTilesFromTheUnderlayAndRecolours) {
  WindowController& window = open(threeSquares);
  window.window()->show();
  // Without an underlay there is nothing to colour from.
  EXPECT_FALSE(window.router().validate(Action{"setColorsWithImage"}));
  QImage picture(4, 2, QImage::Format_RGBA8888);
  picture.fill(Qt::green);
  const auto file = folder / "underlay.png";
  ASSERT_TRUE(picture.save(QString::fromStdString(file.string())));
  window.view()->imageDropped(file.string());
  // The picture's frame stands where the picture is from the first opening,
  // as after any drag, wherever its bounds lie.
  const auto& underlay = window.editor()->imageLayer;
  ASSERT_NE(underlay, nullptr);
  const Rect dropped = underlay->bounds();
  underlay->setBounds({dropped.origin - Vec2{30, 20}, dropped.size + Vec2{60, 40}});
  ASSERT_TRUE(window.send({"setColorsWithImage", 0, {}}));
  Popover& panel = *window.changeColorsPopover();
  ASSERT_TRUE(panel.isVisible());
  EXPECT_EQ(underlay->path(), Path::rectangle(underlay->bounds()));
  const auto button = [&](const QString& title) -> QPushButton* {
    for (QPushButton* found : panel.findChildren<QPushButton*>())
      if (found->text() == title)
        return found;
    return nullptr;
  };
  ASSERT_NE(button("Colors from Image"), nullptr);
  button("Colors from Image")->click();
  EXPECT_FALSE(panel.isVisible());
  const auto& tiles = window.editor()->graph().shapes();
  for (const auto& tile : tiles)
    EXPECT_EQ(tile->shapeColor(), (Color{0, 1, 0, 1}));

  // The recolouring keys' buttons: one undo step each.
  window.send({"setColorsWithImage", 0, {}});
  ASSERT_NE(button("White (W)"), nullptr);
  button("White (W)")->click();
  for (const auto& tile : tiles)
    EXPECT_EQ(tile->shapeColor(), Color::white());
  window.undoManager()->undo();
  for (const auto& tile : tiles)
    EXPECT_EQ(tile->shapeColor(), (Color{0, 1, 0, 1}));
  EXPECT_EQ(window.undoManager()->groupingLevel(), 0);
}

}  // namespace
}  // namespace ornival
