#include "app/IconMenuViewController.h"

#include "app/CollectionView.h"
#include "app/IconItem.h"
#include "editor/ProcessTools.h"
#include "editor/ViewController.h"
#include "figures/Figure.h"
#include "support/EditorHarness.h"
#include "support/QtApplication.h"
#include "support/TileGrids.h"
#include "support/Waiting.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>

namespace ornival {
namespace {

using testing::EditorHarness;
namespace cc = catalogueCategories;

const Figure& figureOf(Shapes tool) { return *Shapes::figures()[std::size_t(tool.rawValue() - 1)]; }

std::vector<std::shared_ptr<Shape>> threeSunsAndASquare() {
  std::vector<std::shared_ptr<Shape>> tiles;
  for (int i = 0; i < 3; ++i)
    tiles.push_back(testing::tileAt(Shapes::figures()[std::size_t(Shapes::sun8.rawValue() - 1)],
                                    AffineTransform::translation(10.0 * i, 0.0)));
  tiles.push_back(testing::tileAt(Shapes::figures()[std::size_t(Shapes::square.rawValue() - 1)],
                                  AffineTransform::translation(0.0, 10.0)));
  return tiles;
}

// A browser on the harness's editor whose tool changes are user events.
struct Browser {
  explicit Browser(EditorHarness& harness) : view(harness.editor) {
    view.dispatch = [&harness](const std::function<void(ViewController&)>& body) {
      harness.event([&] { body(*harness.editor); });
    };
    view.tools = harness.window->tools;
    view.refresh();
  }
  // What a click with Ctrl does to one item.
  void toggle(int section, int item) {
    const QModelIndex index = model()->index(view.itemRow(section, item), 0);
    view.collectionView()->selectionModel()->select(index, QItemSelectionModel::Toggle);
  }
  QAbstractItemModel* model() const { return view.collectionView()->model(); }
  QApplication& application = testing::qtApplication();  // before any widget
  std::set<int> selectedRows() const {
    std::set<int> rows;
    for (const auto& index : view.collectionView()->selectionModel()->selectedIndexes())
      rows.insert(index.row());
    return rows;
  }
  IconMenuViewController view;
};

std::vector<Shapes> selected(const EditorHarness& harness) {
  return {harness.editor->selectedTools.begin(), harness.editor->selectedTools.end()};
}

TEST(IconMenuViewControllerTest, PickingItemsAddsToTheToolsOrReplacesTheGroupTool) {
  EditorHarness harness;  // tools: sun8
  Browser browser(harness);
  ASSERT_EQ(browser.view.category(), cc::families);
  // Section 0 of the families, Ornival 8: sun8, sunray18, rightTriangle, …
  browser.toggle(0, 2);
  EXPECT_EQ(selected(harness), (std::vector<Shapes>{Shapes::rightTriangle, Shapes::sun8}));
  EXPECT_EQ(harness.undoManager->undoActionName(), "Add Tools");
  browser.toggle(0, 0);
  EXPECT_EQ(selected(harness), (std::vector<Shapes>{Shapes::rightTriangle}));
  EXPECT_EQ(harness.undoManager->undoActionName(), "Remove Tools");

  harness.event([&] { harness.editor->selectTools({Shapes::multi}); });
  browser.toggle(0, 1);
  EXPECT_EQ(selected(harness), (std::vector<Shapes>{Shapes::sunray18}));
  EXPECT_EQ(harness.undoManager->undoActionName(), "Select Tools");
  harness.event([&] { harness.undoManager->undo(); });
  EXPECT_EQ(selected(harness), (std::vector<Shapes>{Shapes::multi}));
}

TEST(IconMenuViewControllerTest, ShowsTheToolsInEverySectionThatHoldsThem) {
  EditorHarness harness({.tiles = {}, .prepareDocument = {}, .tools = {Shapes::rightTriangle, Shapes::multi}});
  Browser browser(harness);
  QSignalSpy resets(browser.model(), &QAbstractItemModel::modelReset);
  browser.view.setCategory(cc::families);  // the same: nothing is laid out again
  EXPECT_EQ(resets.count(), 0);
  browser.view.setCategory(cc::edgeLengths);
  EXPECT_EQ(resets.count(), 1);
  // The right triangle has two side lengths: two sections show it selected.
  std::set<int> expected;
  const auto& sections = browser.view.items()[cc::edgeLengths];
  for (std::size_t s = 0; s < sections.size(); ++s)
    for (std::size_t i = 0; i < sections[s].size(); ++i)
      if (sections[s][i] == Shapes::rightTriangle)
        expected.insert(browser.view.itemRow(int(s), int(i)));
  EXPECT_EQ(expected.size(), 2u);
  EXPECT_EQ(browser.selectedRows(), expected);
  // Re-applying the selection is no user's choice: the tools stay.
  EXPECT_EQ(selected(harness), (std::vector<Shapes>{Shapes::rightTriangle, Shapes::multi}));
  // Headers carry the section's title, symbol and size.
  const QModelIndex header = browser.model()->index(browser.view.headerRow(0), 0);
  EXPECT_TRUE(header.data(browserRoles::isHeader).toBool());
  EXPECT_EQ(header.data(Qt::DisplayRole).toString().toStdString(), browser.view.sectionNames()[cc::edgeLengths][0].name);
  EXPECT_EQ(header.data(browserRoles::count).toString(), QString::number(sections[0].size()));
  EXPECT_FALSE(browser.model()->flags(header) & Qt::ItemIsSelectable);
}

TEST(IconMenuViewControllerTest, ItemsShowCountAndUseOfTheirFigure) {
  EditorHarness harness(threeSunsAndASquare());
  recentTools().push_back(Shapes::star16);
  removedTools().push_back(Shapes::house);
  Browser browser(harness);
  browser.view.setCategory(cc::usage);
  const auto& usage = browser.view.sectionNames()[cc::usage];
  ASSERT_EQ(usage.size(), 4u);
  EXPECT_EQ(usage[0].name, "Used");
  EXPECT_EQ(browser.view.items()[cc::usage][0], (std::vector<Shapes>{Shapes::sun8, Shapes::square}));
  auto item = [&](int section, int i) { return browser.model()->index(browser.view.itemRow(section, i), 0); };
  EXPECT_EQ(item(0, 0).data(browserRoles::count).toInt(), 3);
  EXPECT_EQ(ItemStatus(item(0, 0).data(browserRoles::status).toInt()), ItemStatus::used);
  EXPECT_EQ(ItemStatus(item(1, 0).data(browserRoles::status).toInt()), ItemStatus::recent);
  EXPECT_EQ(ItemStatus(item(2, 0).data(browserRoles::status).toInt()), ItemStatus::removed);
  EXPECT_EQ(ItemStatus(item(3, 0).data(browserRoles::status).toInt()), ItemStatus::unused);
  EXPECT_EQ(item(3, 0).data(browserRoles::count).toInt(), 0);

  struct Case {
    ItemStatus status;
    bool selected;
    Color fill;
  };
  const Case cases[] = {{ItemStatus::unused, false, {1, 1, 1, 0.8}},
                        {ItemStatus::used, false, {0.9238822, 1, 0.9238822, 0.8}},
                        {ItemStatus::recent, false, {0.9254902, 0.9254902, 1, 0.8}},
                        {ItemStatus::removed, false, {1, 0.9333333, 0.9333333, 0.8}},
                        {ItemStatus::removed, true, accentColor}};
  for (const auto& c : cases)
    EXPECT_EQ(statusColors(c.status, c.selected), c.fill) << int(c.status);
}

TEST(IconMenuViewControllerTest, NamesTheToolsMostUsedFirst) {
  EditorHarness harness(threeSunsAndASquare());
  Browser browser(harness);
  auto name = [&](std::vector<Shapes> tools) {
    browser.view.tools = std::move(tools);
    return browser.view.toolNameText().toStdString();
  };
  EXPECT_EQ(name({Shapes::octagon}), figureOf(Shapes::octagon).name());
  EXPECT_EQ(name({Shapes::octagon, Shapes::square, Shapes::sun8}),
            figureOf(Shapes::sun8).name() + ", " + figureOf(Shapes::square).name() + ", " +
                figureOf(Shapes::octagon).name());
  EXPECT_EQ(name({}), "");
  // The group tool without a group.
  EXPECT_EQ(name({Shapes::multi}), "0 shapes");
}

TEST(IconMenuViewControllerTest, CategoryMenusJumpToSections) {
  EditorHarness harness({.tiles = {}, .prepareDocument = {}, .tools = {Shapes::rightTriangle}});
  Browser browser(harness);
  // Angles that are not whole degrees have no entry; equal one-decimal
  // lengths share one.
  for (QAction* action : browser.view.categoryMenu(cc::smallestAngle)->actions())
    EXPECT_FALSE(action->text().section('\t', 0, 0).contains('.')) << action->text().toStdString();
  const auto& lengths = browser.view.sectionNames()[cc::edgeLengths];
  std::set<std::string> distinct;
  for (const auto& name : lengths)
    distinct.insert(name.menuName);
  EXPECT_EQ(std::size_t(browser.view.categoryMenu(cc::edgeLengths)->actions().size()), distinct.size());
  EXPECT_LT(distinct.size(), lengths.size());
  // Sections holding a selected tool are checked: Ornival 8 of the families.
  const auto families = browser.view.categoryMenu(cc::families)->actions();
  ASSERT_EQ(families.size(), 20);
  EXPECT_TRUE(families[0]->isChecked());
  EXPECT_FALSE(families[1]->isChecked());

  // An entry of another category switches to it first.
  browser.view.resize(700, 500);
  browser.view.show();
  const auto symmetry = browser.view.categoryMenu(cc::symmetry)->actions();
  symmetry.back()->trigger();
  EXPECT_EQ(browser.view.category(), cc::symmetry);
  EXPECT_TRUE(browser.view.categoryButton(cc::symmetry)->isChecked());
  QTest::qWait(20);
  const int last = int(browser.view.sectionNames()[cc::symmetry].size()) - 1;
  const QRect header = browser.view.collectionView()->visualRect(browser.model()->index(browser.view.headerRow(last), 0));
  EXPECT_TRUE(browser.view.collectionView()->viewport()->rect().intersects(header));
}

TEST(IconMenuViewControllerTest, WithoutAnEditorNothingChanges) {
  testing::qtApplication();
  IconMenuViewController browser({});
  EXPECT_TRUE(browser.sectionNames().empty());
  EXPECT_TRUE(browser.items()[cc::usage].empty());
  EXPECT_EQ(browser.items()[cc::families].size(), 20u);
  EXPECT_TRUE(browser.categoryMenu(cc::families)->actions().isEmpty());
  const QModelIndex index = browser.collectionView()->model()->index(browser.itemRow(0, 0), 0);
  browser.collectionView()->selectionModel()->select(index, QItemSelectionModel::Select);  // no crash, no effect
  browser.tools = {Shapes::multi};
  EXPECT_EQ(browser.toolNameText(), "0 shapes");
  browser.tools = {Shapes::square, Shapes::octagon};
  EXPECT_EQ(browser.toolNameText().toStdString(), figureOf(Shapes::square).name() + ", " + figureOf(Shapes::octagon).name());
}

TEST(IconMenuViewControllerTest, TheGridLetsTheEditorsShortcutsThrough) {
  testing::qtApplication();
  CollectionView view;
  std::vector<QString> passed;
  view.nextResponder = [&](QKeyEvent* event) { passed.push_back(event->text()); };
  struct Case {
    Qt::Key key;
    QString text;
    bool passes;
  };
  const Case cases[] = {{Qt::Key_W, "w", true},  {Qt::Key_M, "M", true},     {Qt::Key_Space, " ", true},
                        {Qt::Key_1, "1", true},  {Qt::Key_W, "W", false},    {Qt::Key_X, "x", false},
                        {Qt::Key_Down, "", false}, {Qt::Key_W, "wr", false}};
  for (const auto& c : cases) {
    passed.clear();
    QKeyEvent event(QEvent::KeyPress, c.key, Qt::NoModifier, c.text);
    QCoreApplication::sendEvent(&view, &event);
    EXPECT_EQ(passed.size(), c.passes ? 1u : 0u) << c.text.toStdString();
  }
}

// Long names are cut to the item's width, but never so that two figures
// read alike: families share their first words and differ in their last.
TEST(IconMenuViewControllerTest, ItemNamesAreCutToTheirWidthYetStayDistinct) {
  testing::qtApplication();
  const QFont font = IconItemDelegate::nameFont(QApplication::font());
  const QFontMetricsF metrics(font);
  const double width = IconItemDelegate::nameWidth(QRect(0, 0, IconItemDelegate::itemWidth, IconItemDelegate::itemHeight));

  // A family of long names at a width that fits only the short one.
  const std::vector<QString> family{"Square Star ¹⁄₆ 2 1 1 3", "Square Star ¹⁄₆ 3 1 1 2", "Square Star ¹⁄₆ 2 1 1",
                                    "Square Star ¹⁄₆ 2 1", "Star", "Left Half Pentastar A", "Right Half Pentastar A"};
  const double narrow = metrics.horizontalAdvance("Square Star");
  const auto cut = distinctLabels(family, metrics, narrow);
  EXPECT_EQ(cut[4], "Star");
  EXPECT_EQ(std::set<QString>(cut.begin(), cut.end()).size(), family.size());
  for (const QString& label : cut)
    EXPECT_LE(metrics.horizontalAdvance(label), narrow) << label.toStdString();

  // The whole catalogue at the browser's size: names that fit stand whole,
  // and only one name (two figures carry it) shows one label.
  std::map<QString, std::set<std::string>> namesByLabel;
  int shortened = 0;
  for (Shapes tool : Shapes::allButLast()) {
    const std::string& name = figureOf(tool).name();
    const QString label = itemLabel(tool.rawValue(), font, width);
    EXPECT_LE(metrics.horizontalAdvance(label), width) << name;
    if (metrics.horizontalAdvance(QString::fromStdString(name)) <= width)
      EXPECT_EQ(label.toStdString(), name);
    else
      ++shortened;
    namesByLabel[label].insert(name);
  }
  EXPECT_GT(shortened, 0);
  for (const auto& [label, names] : namesByLabel)
    EXPECT_EQ(names.size(), 1u) << label.toStdString() << " stands for " << names.size() << " names";

  // The tooltip holds the whole name.
  EditorHarness harness(threeSunsAndASquare());
  Browser browser(harness);
  browser.view.setCategory(cc::families);
  for (int i = 0; i < int(browser.view.items()[cc::families][9].size()); ++i) {
    const Shapes tool = browser.view.items()[cc::families][9][std::size_t(i)];
    EXPECT_EQ(browser.model()->index(browser.view.itemRow(9, i), 0).data(Qt::ToolTipRole).toString().toStdString(),
              figureOf(tool).name());
  }
}

// The corners of the enlarged figure are labelled from their exact share of
// the turn: a straight corner reads half a turn however its degrees round.
TEST(IconMenuViewControllerTest, CornerLabelsAreExact) {
  struct Case {
    int raw, vertex;
    const char* fraction;
    const char* degrees;
  };
  // Sunrise 12 has a straight corner; Sun's notches are reflex, its tips a
  // quarter turn.
  const Case cases[] = {{4, 1, "¹⁄₄", "90°"}, {4, 2, "⁻³⁄₈", "-135°"}, {205, 14, "¹⁄₂", "180°"},
                        {1, 0, "¹⁄₄", "90°"}};
  for (const auto& c : cases) {
    const Figure& figure = figureOf(*Shapes::init(c.raw));
    EXPECT_EQ(cornerLabel(figure, c.vertex, false), c.fraction) << c.raw << " vertex " << c.vertex;
    EXPECT_EQ(cornerLabel(figure, c.vertex, true), c.degrees) << c.raw << " vertex " << c.vertex;
  }
  // Every straight corner of the catalogue.
  for (Shapes tool : Shapes::allButLast()) {
    const Figure& figure = figureOf(tool);
    const auto& dividends = figure.dividends();
    const auto n = std::int64_t(dividends.size());
    for (std::int64_t i = 0; i < n; ++i)
      if (2 * dividends[std::size_t(i)] * (n - 2) == figure.divisor()) {
        EXPECT_EQ(cornerLabel(figure, int((i + 1) % n), false), "¹⁄₂") << tool.rawValue();
        EXPECT_EQ(cornerLabel(figure, int((i + 1) % n), true), "180°") << tool.rawValue();
      }
  }
}

// The browser on two categories, grabbed offscreen; ORNIVAL_SCREENSHOTS
// names a folder to keep the pictures in.
TEST(IconMenuViewControllerTest, DrawsSectionsOfItemsOffscreen) {
  EditorHarness harness(threeSunsAndASquare());
  Browser browser(harness);
  browser.view.resize(760, 560);
  browser.view.show();
  for (int category : {cc::families, cc::symmetry}) {
    browser.view.setCategory(category);
    QTest::qWait(10);
    const QImage image = browser.view.grab().toImage();
    // The first item of the first section is drawn in its box.
    const QRect item = browser.view.collectionView()->visualRect(browser.model()->index(browser.view.itemRow(0, 0), 0));
    ASSERT_FALSE(item.isEmpty());
    const QPoint inBox = browser.view.collectionView()->viewport()->mapTo(&browser.view, item.topLeft() + QPoint(8, 50));
    EXPECT_NE(image.pixelColor(inBox), image.pixelColor(QPoint(2, 2)));
    if (const char* folder = std::getenv("ORNIVAL_SCREENSHOTS"))
      image.save(QString("%1/catalogue-browser-%2.png").arg(folder).arg(category));
  }
  // The right button shows the enlarged figure over the browser: the right
  // triangle, with its sides marked.
  browser.view.setCategory(cc::families);
  QTest::qWait(10);
  const QModelIndex first = browser.model()->index(browser.view.itemRow(0, 2), 0);
  const QPoint at = browser.view.collectionView()->visualRect(first).center();
  QTest::mousePress(browser.view.collectionView()->viewport(), Qt::RightButton, {}, at);
  EXPECT_TRUE(testing::waitFor([&] { return browser.view.detail()->geometry() == browser.view.rect(); }));
  EXPECT_TRUE(browser.view.detail()->isVisible());
  if (const char* folder = std::getenv("ORNIVAL_SCREENSHOTS"))
    browser.view.grab().save(QString("%1/catalogue-browser-detail.png").arg(folder));
  QTest::mouseRelease(browser.view.collectionView()->viewport(), Qt::RightButton, {}, at);
  EXPECT_TRUE(testing::waitFor([&] { return !browser.view.detail()->isVisible(); }));
  // A double click on an item closes the browser.
  int closes = 0;
  browser.view.closeRequest = [&] { ++closes; };
  QTest::mouseDClick(browser.view.collectionView()->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(closes, 1);
}

}  // namespace
}  // namespace ornival
