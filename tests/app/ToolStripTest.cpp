#include "app/ToolStrip.h"
#include "editor/ViewController.h"
#include "support/DocumentWindows.h"

#include <QTest>
#include <QToolBar>

namespace ornival {
namespace {

using ToolStripTest = testing::DocumentWindowTest;

TEST_F(ToolStripTest, EveryFigureButTheGroupTileInCatalogueOrder) {
  testing::qtApplication();
  ToolStrip strip;
  ASSERT_EQ(strip.model()->rowCount(), 1121);
  EXPECT_EQ(strip.model()->index(0, 0).data(Qt::UserRole).toInt(), 1);
  EXPECT_EQ(strip.model()->index(1120, 0).data(Qt::UserRole).toInt(), 1121);
}

TEST_F(ToolStripTest, ColoursBySelectionThenStatus) {
  testing::qtApplication();
  ToolStrip strip;
  const Shapes used = *Shapes::init(7);
  strip.status = [&](Shapes kind) { return kind == used ? ItemStatus::used : ItemStatus::unused; };
  const QColor usedColor = QColor::fromRgbF(0.00095471443f, 0.35810885f, 0.32627958f);
  EXPECT_EQ(strip.itemColor(used), usedColor);
  EXPECT_EQ(strip.itemColor(Shapes::sun8), strip.palette().color(QPalette::Base));
  // On wins over the status.
  strip.reload({used});
  EXPECT_EQ(strip.itemColor(used), strip.palette().color(QPalette::Highlight));
  EXPECT_EQ(strip.model()->index(6, 0).data(Qt::BackgroundRole).value<QColor>(),
            strip.palette().color(QPalette::Highlight));
}

TEST_F(ToolStripTest, ATouchSelectsTheFigureAndLeavesNoHighlight) {
  WindowController* window = application->newDocument();
  ASSERT_TRUE(window->send({"toggleToolStrip", 0, {}}));
  window->window()->show();
  ToolStrip& strip = *window->toolStrip();
  ASSERT_TRUE(strip.isVisible());
  const QModelIndex item = strip.model()->index(6, 0);
  strip.scrollTo(item);
  QTest::mouseClick(strip.viewport(), Qt::LeftButton, {}, strip.visualRect(item).center());
  // The editor hears of it after the strip's own handling.
  QTest::qWait(20);
  EXPECT_EQ(window->editor()->selectedTools, ToolSet{*Shapes::init(7)});
  EXPECT_TRUE(strip.selectionModel()->selectedIndexes().isEmpty());
  EXPECT_TRUE(strip.isOn(*Shapes::init(7)));
  EXPECT_FALSE(strip.isOn(Shapes::sun8));
  // Selecting far along scrolls there.
  window->send({"selectTool", 1000, {}});
  EXPECT_TRUE(strip.viewport()->rect().intersects(strip.visualRect(strip.model()->index(999, 0))));
  window->send({"toggleToolStrip", 0, {}});
  EXPECT_FALSE(window->toolStripBar()->isVisible());
}

}  // namespace
}  // namespace ornival
