#include "app/IconMenuViewController.h"

#include "app/CollectionView.h"
#include "app/IconItem.h"
#include "editor/ProcessTools.h"
#include "editor/ViewController.h"
#include "figures/Figure.h"
#include "model/MultiShape.h"
#include "model/Shape.h"

#include <QAbstractListModel>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ornival {

namespace {

// The segments' labels; the sections of each are built by the categories.
constexpr const char* categoryLabels[catalogueCategories::count] = {
    QT_TRANSLATE_NOOP("IconMenuViewController", "Usage"),
    QT_TRANSLATE_NOOP("IconMenuViewController", "Families"),
    QT_TRANSLATE_NOOP("IconMenuViewController", "Variants"),
    QT_TRANSLATE_NOOP("IconMenuViewController", "Lengths"),
    QT_TRANSLATE_NOOP("IconMenuViewController", "Angle"),
    QT_TRANSLATE_NOOP("IconMenuViewController", "Edges"),
    QT_TRANSLATE_NOOP("IconMenuViewController", "Concavity"),
    QT_TRANSLATE_NOOP("IconMenuViewController", "Angle Family"),
    QT_TRANSLATE_NOOP("IconMenuViewController", "Symmetry")};

int countOf(const ViewController& editor, Shapes tool) {
  const auto i = std::size_t(tool.rawValue());
  return i < editor.counts.size() ? editor.counts[i] : 0;
}

}  // namespace

// The grid's rows: per section of the current category a header row and its
// items.
class IconMenuModel final : public QAbstractListModel {
public:
  explicit IconMenuModel(IconMenuViewController& browser) : QAbstractListModel(&browser), browser_(browser) {}

  void reload() {
    beginResetModel();
    headerRows_.clear();
    rows_ = 0;
    const auto& items = browser_.items();
    const int c = browser_.category();
    if (c >= 0 && c < int(items.size()))
      for (const auto& section : items[std::size_t(c)]) {
        headerRows_.push_back(rows_);
        rows_ += 1 + int(section.size());
      }
    endResetModel();
  }

  int headerRow(int section) const {
    return section >= 0 && section < int(headerRows_.size()) ? headerRows_[std::size_t(section)] : -1;
  }

  // (section, item), item -1 for a header.
  std::pair<int, int> position(int row) const {
    const auto it = std::upper_bound(headerRows_.begin(), headerRows_.end(), row);
    const int section = int(it - headerRows_.begin()) - 1;
    return {section, row - headerRows_[std::size_t(section)] - 1};
  }

  std::optional<Shapes> tool(int row) const {
    if (row < 0 || row >= rows_)
      return std::nullopt;
    const auto [section, item] = position(row);
    const auto& items = browser_.items();
    const auto c = std::size_t(browser_.category());
    if (item < 0 || c >= items.size() || std::size_t(section) >= items[c].size() ||
        std::size_t(item) >= items[c][std::size_t(section)].size())
      return std::nullopt;
    return items[c][std::size_t(section)][std::size_t(item)];
  }

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    if (!index.isValid())
      return Qt::NoItemFlags;
    return tool(index.row()) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= rows_)
      return {};
    const auto [section, item] = position(index.row());
    if (item < 0) {
      const auto& names = browser_.sectionNames();
      const auto c = std::size_t(browser_.category());
      const bool titled = c < names.size() && std::size_t(section) < names[c].size();
      switch (role) {
        case browserRoles::isHeader: return true;
        case Qt::DisplayRole: return titled ? QString::fromStdString(names[c][std::size_t(section)].name) : QString();
        case browserRoles::symbol: return titled ? QString::fromStdString(names[c][std::size_t(section)].symbol) : QString();
        case browserRoles::count: return QString::number(browser_.items()[c][std::size_t(section)].size());
        default: return {};
      }
    }
    const Shapes t = *tool(index.row());
    const auto editor = browser_.viewController();
    switch (role) {
      case browserRoles::isHeader: return false;
      case browserRoles::rawValue: return t.rawValue();
      case browserRoles::count: return editor ? countOf(*editor, t) : 0;
      case browserRoles::status: return int(editor ? editor->toolStatus(t) : ItemStatus::unused);
      case Qt::ToolTipRole:
      case Qt::AccessibleTextRole:
        return QString::fromStdString(Shapes::figures()[std::size_t(t.rawValue() - 1)]->name());
      default: return {};
    }
  }

private:
  IconMenuViewController& browser_;
  std::vector<int> headerRows_;
  int rows_ = 0;
};

IconMenuViewController::IconMenuViewController(std::weak_ptr<ViewController> viewController, QWidget* parent)
    : QWidget(parent), viewController_(std::move(viewController)) {
  // Screen readers announce the browser by its window's name.
  setWindowTitle(QCoreApplication::translate("IconMenuViewController", "Catalogue"));
  setAccessibleName(windowTitle());
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(6);

  // The segments in a bar of their own: where the browser is narrower than
  // they are (a small screen at twice the density), the ones that do not fit
  // wait behind the bar's extension button.
  auto* segments = new QToolBar(this);
  segments->setObjectName(QStringLiteral("categories"));
  segments->setMovable(false);
  segments->setFloatable(false);
  segments->setContextMenuPolicy(Qt::PreventContextMenu);
  auto* group = new QButtonGroup(this);
  group->setExclusive(true);
  for (int c = 0; c < catalogueCategories::count; ++c) {
    auto* button = new QToolButton(this);
    button->setText(QCoreApplication::translate("IconMenuViewController", categoryLabels[c]));
    button->setCheckable(true);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    button->setMenu(new QMenu(button));
    group->addButton(button, c);
    segments->addWidget(button);
    buttons_[std::size_t(c)] = button;
  }
  auto* stretch = new QWidget(segments);
  stretch->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  segments->addWidget(stretch);
  auto* center = new QToolButton(this);
  auto* centerAction = new QAction(QCoreApplication::translate("IconMenuViewController", "Show Selection"), center);
  centerAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
  centerAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  centerAction->setToolTip(QCoreApplication::translate("IconMenuViewController", "Bring the selected figures into view."));
  connect(centerAction, &QAction::triggered, this, [this] { centerSelectionInVisibleArea(); });
  center->setDefaultAction(centerAction);
  center->setObjectName(QStringLiteral("centerSelection"));
  addAction(centerAction);
  segments->addWidget(center);
  layout->addWidget(segments);
  connect(group, &QButtonGroup::idClicked, this, [this](int c) {
    setCategory(c);
    selectCategory();
  });

  toolName_ = new QLabel(this);
  toolName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(toolName_);

  collectionView_ = new CollectionView(this);
  collectionView_->setAccessibleName(QCoreApplication::translate("IconMenuViewController", "Figures"));
  model_ = new IconMenuModel(*this);
  collectionView_->setModel(model_);
  collectionView_->setItemDelegate(new IconItemDelegate(collectionView_));
  collectionView_->setMouseTracking(true);
  collectionView_->viewport()->installEventFilter(this);
  // "m" and "M" are the browser's own mirror command; the other keys the
  // grid lets through are the window's.
  collectionView_->nextResponder = [this](QKeyEvent* event) {
    if (event->text() == QLatin1String("m") || event->text() == QLatin1String("M")) {
      mirror(event->text() == QLatin1String("M"));
      return;
    }
    if (nextResponder)
      nextResponder(event);
  };
  connect(collectionView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &IconMenuViewController::selectionChanged);
  layout->addWidget(collectionView_, 1);

  detail_ = new IconItemDetail(this);

  buttons_[std::size_t(category_)]->setChecked(true);
  makeItems();
  makeSectionNames();
  buildCategoryMenus();
  reloadData();
}

IconMenuViewController::~IconMenuViewController() = default;

void IconMenuViewController::setCategory(int category) {
  if (category == category_)
    return;
  category_ = category;
  if (category >= 0 && category < catalogueCategories::count)
    buttons_[std::size_t(category)]->setChecked(true);
  reloadData();
  updateSelection();
  if (categoryChanged)
    categoryChanged(category);
}

void IconMenuViewController::makeSectionNames() {
  const auto editor = viewController();
  if (!editor)
    return;
  const auto& fixed = catalogueCategories::fixed();
  sectionNames_.assign(catalogueCategories::count, {});
  sectionNames_[0] = catalogueCategories::byUse({editor->counts, recentTools(), removedTools()}).sectionNames;
  for (int c = 1; c < catalogueCategories::count; ++c)
    sectionNames_[std::size_t(c)] = fixed[std::size_t(c)].sectionNames;
}

void IconMenuViewController::makeItems() {
  const auto& fixed = catalogueCategories::fixed();
  items_.assign(catalogueCategories::count, {});
  if (const auto editor = viewController())
    items_[0] = catalogueCategories::byUse({editor->counts, recentTools(), removedTools()}).items;
  for (int c = 1; c < catalogueCategories::count; ++c)
    items_[std::size_t(c)] = fixed[std::size_t(c)].items;
}

void IconMenuViewController::buildCategoryMenus() {
  const auto editor = viewController();
  if (!editor)
    return;
  for (std::size_t c = 0; c < sectionNames_.size() && c < buttons_.size(); ++c) {
    QMenu* menu = buttons_[c]->menu();
    menu->clear();
    std::string last;
    for (std::size_t s = 0; s < sectionNames_[c].size(); ++s) {
      const std::string& name = sectionNames_[c][s].menuName;
      // Runs of one menu name give one entry, at the run's first section;
      // angles that are not whole degrees have none.
      if (name == last)
        continue;
      if (c == std::size_t(catalogueCategories::smallestAngle) && name.find('.') != std::string::npos)
        continue;
      last = name;
      QAction* action = menu->addAction(QString::fromStdString(name));
      action->setCheckable(true);
      bool holdsSelected = false;
      if (c < items_.size() && s < items_[c].size())
        for (Shapes tool : items_[c][s])
          holdsSelected = holdsSelected || editor->selectedTools.contains(tool);
      action->setChecked(holdsSelected);
      connect(action, &QAction::triggered, this, [this, c = int(c), s = int(s)] { scrollToRow(c, s); });
    }
  }
}

QString IconMenuViewController::toolNameText() const {
  const auto editor = viewController();
  auto nameOf = [](Shapes tool) {
    return QString::fromStdString(Shapes::figures()[std::size_t(tool.rawValue() - 1)]->name());
  };
  if (tools.size() == 1 && tools.front() == Shapes::multi) {
    // A group of one tile is named by that tile's figure. Without a group
    // (or an editor) the group tool names its size, nought.
    const auto& group = editor ? editor->multiShape : nullptr;
    if (group && group->templates().size() == 1)
      return QString::fromStdString(group->templates().front()->figure()->name());
    const int count = group ? int(group->templates().size()) : 0;
    return QCoreApplication::translate("IconMenuViewController", "%n shapes", nullptr, count);
  }
  if (tools.size() == 1)
    return nameOf(tools.front());
  // Most used first; without an editor every count is nought and the tools
  // keep their order.
  std::vector<Shapes> ordered = tools;
  if (editor)
    std::stable_sort(ordered.begin(), ordered.end(),
                     [&](Shapes a, Shapes b) { return countOf(*editor, a) > countOf(*editor, b); });
  QStringList names;
  for (Shapes tool : ordered)
    names << nameOf(tool);
  return names.join(QCoreApplication::translate("IconMenuViewController", ", ", "between the names of the figures"));
}

void IconMenuViewController::updateToolName() { toolName_->setText(toolNameText()); }

void IconMenuViewController::reloadData() {
  model_->reload();
}

void IconMenuViewController::updateSelection() {
  if (category_ < 0 || category_ >= int(items_.size()))
    return;
  QItemSelection selection;
  const auto& sections = items_[std::size_t(category_)];
  for (Shapes tool : tools) {
    if (tool == Shapes::multi)
      continue;
    for (std::size_t s = 0; s < sections.size(); ++s)
      for (std::size_t i = 0; i < sections[s].size(); ++i)
        if (sections[s][i] == tool) {
          const QModelIndex index = model_->index(itemRow(int(s), int(i)));
          selection.select(index, index);
        }
  }
  applyingSelection_ = true;
  collectionView_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  applyingSelection_ = false;
  collectionView_->viewport()->update();
}

void IconMenuViewController::refresh() {
  updateToolName();
  makeItems();
  makeSectionNames();
  buildCategoryMenus();
  reloadData();
  updateSelection();
}

int IconMenuViewController::headerRow(int section) const { return model_->headerRow(section); }

int IconMenuViewController::itemRow(int section, int item) const {
  const int header = headerRow(section);
  if (header < 0 || item < 0 || category_ >= int(items_.size()) ||
      item >= int(items_[std::size_t(category_)][std::size_t(section)].size()))
    return -1;
  return header + 1 + item;
}

void IconMenuViewController::scrollToRow(int category, int section) {
  setCategory(category);
  // After the grid has laid out the category's rows.
  QTimer::singleShot(0, this, [this, section] {
    const int row = headerRow(section);
    if (row < 0)
      return;
    collectionView_->scrollTo(model_->index(itemRow(section, 0)), QAbstractItemView::PositionAtTop);
    collectionView_->scrollTo(model_->index(row), QAbstractItemView::PositionAtTop);
  });
}

void IconMenuViewController::scrollTofirstTool() {
  const auto selected = collectionView_->selectionModel()->selectedIndexes();
  if (!selected.isEmpty())
    collectionView_->scrollTo(selected.front(), QAbstractItemView::PositionAtCenter);
}

void IconMenuViewController::selectCategory() { scrollTofirstTool(); }

void IconMenuViewController::centerSelectionInVisibleArea() { selectCategory(); }

void IconMenuViewController::mirror(bool keepTools) {
  if (viewController() && mirrorCommand)
    mirrorCommand(keepTools);
}

QMenu* IconMenuViewController::categoryMenu(int category) const { return buttons_[std::size_t(category)]->menu(); }

std::vector<Shapes> IconMenuViewController::toolsFor(const QItemSelection& selection) const {
  std::vector<Shapes> result;
  for (const QModelIndex& index : selection.indexes())
    if (const auto tool = model_->tool(index.row()))
      result.push_back(*tool);
  return result;
}

void IconMenuViewController::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  if (applyingSelection_ || !viewController())
    return;
  const auto removed = toolsFor(deselected);
  const auto added = toolsFor(selected);
  if (removed.empty() && added.empty())
    return;
  auto change = [&](ViewController& editor) {
    if (!removed.empty())
      editor.removeTools(removed);
    if (added.empty())
      return;
    // The group tool alone gives way to what is picked; anything else grows.
    if (editor.selectedTools == ToolSet{Shapes::multi})
      editor.selectTools(added);
    else
      editor.addTools(added);
  };
  if (dispatch)
    dispatch(change);
  else
    change(*viewController());
}

void IconMenuViewController::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
  // The grid takes the keys: arrows move the selection, shortcuts pass.
  collectionView_->setFocus();
}

bool IconMenuViewController::eventFilter(QObject* watched, QEvent* event) {
  if (watched != collectionView_->viewport())
    return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
      const QModelIndex index = collectionView_->indexAt(mouse->position().toPoint());
      if (const auto tool = model_->tool(index.row())) {
        const QRect item = collectionView_->visualRect(index);
        const QRect icon(collectionView_->viewport()->mapTo(this, item.topLeft()), item.size());
        detail_->showDetail(Shapes::figures()[std::size_t(tool->rawValue() - 1)], icon);
      }
      return true;
    }
  } else if (event->type() == QEvent::MouseButtonDblClick) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton)
      return true;  // a second press does not open the drawing again
    if (mouse->button() == Qt::LeftButton && model_->tool(collectionView_->indexAt(mouse->position().toPoint()).row()) &&
        closeRequest) {
      closeRequest();
      return true;
    }
  } else if (event->type() == QEvent::MouseButtonRelease) {
    if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
      detail_->hideDetail();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ornival
