// The window's look under a light and a dark palette: text reads on its
// ground, the toolbar shows a picture and a label for every item, and the
// program's own pictures follow the palette.

#include "app/CollectionView.h"
#include "app/ColorPopover.h"
#include "app/ColorWell.h"
#include "app/SettingsPopovers.h"
#include "figures/Figure.h"
#include "app/IconItem.h"
#include "app/IconMenuViewController.h"
#include "app/PaletteColors.h"
#include "app/Popover.h"
#include "app/ToolbarDelegate.h"
#include "app/WindowController.h"
#include "app/core/ToolbarItems.h"
#include "editor/ViewController.h"
#include "support/DocumentWindows.h"
#include "support/Palettes.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QLabel>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace ornival {
namespace {

using paletteColors::contrast;
using paletteColors::readableContrast;

class LookTest : public testing::DocumentWindowTest {};

struct NamedPalette {
  const char* name;
  QPalette palette;
};

std::vector<NamedPalette> palettes() { return {{"light", testing::lightPalette()}, {"dark", testing::darkPalette()}}; }

// Every text a widget tree shows, against the colour it is drawn on.
void expectReadableTexts(QWidget& root, const std::string& where) {
  QList<QWidget*> widgets = root.findChildren<QWidget*>();
  widgets.push_back(&root);
  int checked = 0;
  for (QWidget* widget : widgets) {
    QString text;
    if (const auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull())
      text = label->text();
    else if (const auto* button = qobject_cast<QAbstractButton*>(widget))
      text = button->text();
    if (text.isEmpty() || !widget->isVisibleTo(&root))
      continue;
    const QPalette& p = widget->palette();
    const double ratio = contrast(p.color(widget->foregroundRole()), p.color(widget->backgroundRole()));
    EXPECT_GE(ratio, readableContrast) << where << ": “" << text.toStdString() << "”";
    ++checked;
  }
  EXPECT_GT(checked, 0) << where;
}

TEST_F(LookTest, TheBrowsersNamesHeadersAndCountsReadInALightAndADarkPalette) {
  for (const auto& [name, palette] : palettes()) {
    SCOPED_TRACE(name);
    testing::PaletteScope scope(palette);
    WindowController* window = application->newDocument();
    IconMenuViewController* browser = window->iconMenu();
    const QPalette& shown = browser->collectionView()->palette();
    // The ground is the palette's, a shade off: dark under a dark theme.
    EXPECT_EQ(paletteColors::isDark(shown), name == std::string("dark"));
    EXPECT_EQ(shown.color(QPalette::Base), paletteColors::browserGround(palette));
    const ItemColors header = headerColors(shown);
    EXPECT_GE(contrast(header.text, header.ground), readableContrast);
    EXPECT_GE(contrast(header.secondary, header.ground), readableContrast);
    for (const ItemStatus status : {ItemStatus::unused, ItemStatus::used, ItemStatus::recent, ItemStatus::removed})
      for (const bool selected : {false, true}) {
        const ItemColors item = itemColors(status, selected, shown);
        EXPECT_GE(contrast(item.text, item.ground), readableContrast) << int(status) << selected;
        EXPECT_GE(contrast(item.secondary, item.ground), readableContrast) << int(status) << selected;
        // A picture needs less than text, but must stand out.
        EXPECT_GE(contrast(item.figure, item.ground), 3.0) << int(status) << selected;
        // The box stands out from the browser's ground.
        if (!selected)
          EXPECT_NE(item.ground, header.ground);
      }
    // And the browser paints with them: an unused item's box.
    browser->resize(760, 560);
    browser->setCategory(catalogueCategories::families);
    browser->show();
    QTest::qWait(10);
    const QImage image = browser->collectionView()->viewport()->grab().toImage();
    const QModelIndex first = browser->collectionView()->model()->index(browser->itemRow(0, 0), 0);
    const QRect box = browser->collectionView()->visualRect(first);
    const QColor painted = image.pixelColor(box.topLeft() + QPoint(5, box.height() / 2));
    EXPECT_EQ(painted.rgb(), itemColors(ItemStatus::unused, false, shown).ground.rgb());
    // The boxes fill their rows: no empty strip at the right.
    int right = 0;
    for (int row = 0; row < browser->collectionView()->model()->rowCount(); ++row) {
      const QRect other = browser->collectionView()->visualRect(browser->collectionView()->model()->index(row, 0));
      if (other.top() == box.top())
        right = std::max(right, other.right());
    }
    EXPECT_GE(right, browser->collectionView()->viewport()->width() - 12);
    browser->close();
  }
}

TEST_F(LookTest, ThePopoversAndTheToolbarLabelsReadInALightAndADarkPalette) {
  for (const auto& [name, palette] : palettes()) {
    SCOPED_TRACE(name);
    testing::PaletteScope scope(palette);
    WindowController* window = application->newDocument();
    window->window()->show();
    expectReadableTexts(window->toolbarDelegate()->toolbar(), "toolbar");
    for (Popover* popover : {static_cast<Popover*>(window->colorPopover()), static_cast<Popover*>(window->borderPopover()),
                             static_cast<Popover*>(window->surfacePopover()), window->countPopover(),
                             window->scalePopover(), static_cast<Popover*>(window->rotatePopover()),
                             window->exportPopover(), window->changeColorsPopover()}) {
      const std::string title = popover->accessibleName().isEmpty() ? popover->objectName().toStdString()
                                                                    : popover->accessibleName().toStdString();
      window->showPopover(*popover, nullptr);
      expectReadableTexts(*popover, title);
      popover->hide();
    }
  }
}

TEST_F(LookTest, EveryToolbarItemShowsAPictureAndItsLabel) {
  WindowController* window = application->newDocument();
  ToolbarDelegate& toolbar = *window->toolbarDelegate();
  toolbar.setItems({"Shapes", "Color", "Border", "Dimension", "Count", "Rotate", "Scale", "Share", "Figure 4"});
  toolbar.setSelectedTool(std::nullopt);
  window->window()->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window->window()));
  for (const std::string& identifier : toolbar.currentItems()) {
    QWidget* widget = toolbar.toolbar().widgetForAction(toolbar.makeToolbarItem(identifier));
    ASSERT_NE(widget, nullptr) << identifier;
    if (identifier == "Color") {
      // The well is its picture; its label stands under it.
      const auto labels = widget->findChildren<QLabel*>();
      ASSERT_EQ(labels.size(), 1);
      EXPECT_EQ(labels.front()->text(), "Color");
      EXPECT_TRUE(labels.front()->isVisible());
      continue;
    }
    auto* button = qobject_cast<QToolButton*>(widget);
    ASSERT_NE(button, nullptr) << identifier;
    EXPECT_FALSE(button->icon().isNull()) << identifier;
    EXPECT_FALSE(button->icon().pixmap(QSize(30, 30)).isNull()) << identifier;
    EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << identifier;
    EXPECT_FALSE(button->text().isEmpty()) << identifier;
  }
  // The values show before their first change; a tool item shows its figure's
  // name, and its count once there are tiles of it.
  const auto text = [&](const std::string& identifier) {
    return static_cast<QToolButton*>(toolbar.toolbar().widgetForAction(toolbar.makeToolbarItem(identifier)))
        ->text()
        .toStdString();
  };
  EXPECT_EQ(text("Scale"), "Scale: 20");
  EXPECT_EQ(text("Rotate"), "Rotate: 0\u00B0");
  EXPECT_EQ(text("Count"), "0");
  EXPECT_EQ(text("Dimension"), "2D");
  EXPECT_EQ(text("Figure 4"), Shapes::figures()[3]->name());
  window->performEvent([&] { window->document()->setScale(35.5); });
  EXPECT_EQ(text("Scale"), "Scale: 35");
}

// A tool item's label, under its picture, is its count where the document
// has tiles of its figure, else the figure's name.
TEST_F(LookTest, AToolItemShowsItsCountUnderItsPicture) {
  const std::string square = toolIdentifier(Shapes::square);
  const std::string octagon = toolIdentifier(Shapes::octagon);
  WindowController& window = open("Ornival 0.2\n\ncolors:\nFF0000FF\n\nshapes:\n7,0\n0,1,7,3,0\n1,1,7,3,0\n");
  ToolbarDelegate& toolbar = *window.toolbarDelegate();
  toolbar.setItems({"Shapes", square, octagon});
  window.window()->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.window()));
  const auto button = [&](const std::string& identifier) {
    return static_cast<QToolButton*>(toolbar.toolbar().widgetForAction(toolbar.makeToolbarItem(identifier)));
  };
  EXPECT_EQ(button(square)->text().toStdString(), "3");
  EXPECT_EQ(button(octagon)->text().toStdString(), Shapes::figures()[Shapes::octagon.rawValue() - 1]->name());
  for (const std::string& identifier : {square, octagon}) {
    EXPECT_EQ(button(identifier)->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << identifier;
    EXPECT_TRUE(button(identifier)->isVisible()) << identifier;
  }
}

TEST_F(LookTest, TheProgramsOwnPicturesAreDrawnInThePalettesTextColour) {
  WindowController* window = application->newDocument();
  ToolbarDelegate& toolbar = *window->toolbarDelegate();
  toolbar.setItems({"Shapes", "Count"});
  toolbar.setSelectedTool(std::nullopt);
  for (const auto& [name, palette] : palettes()) {
    SCOPED_TRACE(name);
    testing::PaletteScope scope(palette);
    // Drawn for the density asked for, sharp: 60 pixels for 30 points at 2×.
    const QImage tally = toolbar.countButton()->icon().pixmap(QSize(30, 30), 2.0).toImage();
    ASSERT_EQ(tally.size(), QSize(60, 60));
    int inked = 0;
    for (int y = 0; y < tally.height(); ++y)
      for (int x = 0; x < tally.width(); ++x) {
        const QColor c = tally.pixelColor(x, y);
        if (c.alpha() < 255)
          continue;
        ++inked;
        EXPECT_EQ(c.rgb(), palette.color(QPalette::WindowText).rgb()) << x << "," << y;
      }
    EXPECT_GT(inked, 60);
  }
}

// A menu of the bar by its title, and an item of a menu.
QMenu* menuTitled(const QList<QAction*>& actions, const QString& title) {
  for (QAction* action : actions)
    if (action->text() == title)
      return action->menu();
  return nullptr;
}

TEST_F(LookTest, ToolsItemsShowTheirFiguresPictureWithTheSelectionInItNotACheckBox) {
  WindowController* window = application->newDocument();
  QMenuBar* bar = window->window()->menuBar();
  QMenu* tools = menuTitled(bar->actions(), "Tools");
  ASSERT_NE(tools, nullptr);
  // The figures' pictures stand at their size of 20 points.
  EXPECT_EQ(tools->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, tools), 20);
  QMenu* examples = menuTitled(menuTitled(bar->actions(), "File")->actions(), "Examples");
  ASSERT_NE(examples, nullptr);
  EXPECT_EQ(examples->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, examples), 48);
  // Every item of a figure, in the menu and its submenus, has its picture
  // and no check box; the selected tool's picture stands on the highlight.
  window->performEvent([&] { window->editor()->selectTools({Shapes::square}); });
  int figures = 0;
  QAction* square = nullptr;
  QAction* octagon = nullptr;
  std::function<void(QMenu&)> visit = [&](QMenu& menu) {
    emit menu.aboutToShow();
    for (QAction* action : menu.actions()) {
      if (QMenu* sub = action->menu()) {
        // A group shows the picture of its head figure.
        EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
        EXPECT_EQ(sub->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, sub), 20);
        visit(*sub);
      }
      if (action->data().toString() != "selectTool")
        continue;
      ++figures;
      EXPECT_FALSE(action->isCheckable()) << action->text().toStdString();
      EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
      if (action->text().toStdString() == Shapes::figures()[Shapes::square.rawValue() - 1]->name())
        square = action;
      if (action->text().toStdString() == Shapes::figures()[Shapes::octagon.rawValue() - 1]->name())
        octagon = action;
    }
  };
  visit(*tools);
  EXPECT_EQ(figures, Shapes::caseCount - 1);
  ASSERT_TRUE(square && octagon);
  const QRgb highlight = QGuiApplication::palette().color(QPalette::Highlight).rgb();
  // The share of the picture in the highlight's colour.
  const auto highlighted = [&](QAction* action) {
    const QImage picture = action->icon().pixmap(QSize(20, 20), 2.0).toImage();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        count += picture.pixel(x, y) == highlight;
    return double(count) / (picture.width() * picture.height());
  };
  EXPECT_GT(highlighted(square), 0.1);
  EXPECT_EQ(highlighted(octagon), 0.0);
  // Another tool chosen: the pictures follow as the menu opens again.
  window->performEvent([&] { window->editor()->selectTools({Shapes::octagon}); });
  visit(*tools);
  EXPECT_GT(highlighted(octagon), 0.1);
  EXPECT_EQ(highlighted(square), 0.0);
}

}  // namespace
}  // namespace ornival

