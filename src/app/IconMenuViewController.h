#pragma once

#include "figures/catalogue/CatalogueCategories.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QItemSelection;
class QLabel;
class QMenu;
class QToolButton;

namespace ornival {

class CollectionView;
class IconItemDetail;
class IconMenuModel;
class ViewController;

// The catalogue browser: every figure but the group tile, in the sections of
// one of nine categories, each with its use, its tile count and an enlarged
// annotated drawing under the right button. Selecting and deselecting items
// edits the editor's tools; a line above names the current tools; each
// category's button opens a menu of its sections to jump to.
//
// The editor is handed in when the browser is made and replaced when the
// window makes a new one (revert): looking it up late through the document
// would fix "no editor" for the browser's life if asked too early. Without
// an editor the titles and menus keep what they showed, the usage category
// has no sections and selecting changes nothing.
//
// Main thread only.
class IconMenuViewController final : public QWidget {
public:
  explicit IconMenuViewController(std::weak_ptr<ViewController> viewController, QWidget* parent = nullptr);
  ~IconMenuViewController() override;

  void setViewController(std::weak_ptr<ViewController> viewController) { viewController_ = std::move(viewController); }
  std::shared_ptr<ViewController> viewController() const { return viewController_.lock(); }

  // The editor's tools as the window pushes them in.
  std::vector<Shapes> tools{Shapes::rightTriangle};

  int category() const { return category_; }
  // A different category lays the grid out anew and shows the selection.
  void setCategory(int category);

  const std::vector<std::vector<SectionName>>& sectionNames() const { return sectionNames_; }
  const std::vector<std::vector<std::vector<Shapes>>>& items() const { return items_; }

  // The builders and refreshers the window and the editor call.
  void makeSectionNames();
  void makeItems();
  void buildCategoryMenus();
  void updateToolName();
  void updateSelection();
  void reloadData();
  // Everything again, as on every appearance and after the counts change.
  void refresh();

  // Jumps to a section of a category, its header at the top.
  void scrollToRow(int category, int section);
  // Brings the selection into view, centred.
  void scrollTofirstTool();
  // A category chosen: its sections that hold the tools come into view.
  void selectCategory();
  // The selection into view again (Ctrl+L, or the browser's button).
  void centerSelectionInVisibleArea();
  // Runs a change of the editor's tools as one user event (one undo group);
  // without it the change runs directly.
  std::function<void(const std::function<void(ViewController&)>&)> dispatch;
  // The editor's mirror command, through whoever hosts the browser: the
  // tools become their mirror images ("m"), or gain them ("M").
  void mirror(bool keepTools = false);
  std::function<void(bool keepTools)> mirrorCommand;
  // Keys the grid lets through (the editor's shortcuts) go here.
  std::function<void(QKeyEvent*)> nextResponder;
  // Told of every change of category, for the window's restoration.
  std::function<void(int)> categoryChanged;
  // A double click on an item asks the host to close the browser.
  std::function<void()> closeRequest;

  QString toolNameText() const;
  CollectionView* collectionView() const { return collectionView_; }
  QMenu* categoryMenu(int category) const;
  QToolButton* categoryButton(int category) const { return buttons_[std::size_t(category)]; }
  IconItemDetail* detail() const { return detail_; }

  // The grid row of a section's header and of an item; -1 past the ends.
  int headerRow(int section) const;
  int itemRow(int section, int item) const;

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
  std::vector<Shapes> toolsFor(const QItemSelection& selection) const;

  std::weak_ptr<ViewController> viewController_;
  int category_ = catalogueCategories::families;
  std::vector<std::vector<SectionName>> sectionNames_;
  std::vector<std::vector<std::vector<Shapes>>> items_;
  bool applyingSelection_ = false;

  QLabel* toolName_ = nullptr;
  CollectionView* collectionView_ = nullptr;
  IconMenuModel* model_ = nullptr;
  IconItemDetail* detail_ = nullptr;
  std::array<QToolButton*, catalogueCategories::count> buttons_{};
};

}  // namespace ornival
